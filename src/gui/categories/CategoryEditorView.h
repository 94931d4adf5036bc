#pragma once

#include "app/ModalView.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;

namespace qv {
class CategoryEditor;
class Language;
}

namespace qv::gui {

// The category editor's view: the list of categories with their icons, the
// file and list buttons, the name field. Every click and key goes to the
// editor; the list is drawn again from the editor's entries afterwards.
class CategoryEditorView final : public ModalView {
    Q_OBJECT
public:
    CategoryEditorView(CategoryEditor& editor, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

    static constexpr int kIconSize = 32;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh() override;
    void closeRequested() override;
    template <class Command>
    void run(Command command);
    void selectionChanged();
    void captionEdited(int row);

    CategoryEditor& m_editor;
    bool m_filling = false;
    QGroupBox* m_fileBox;
    QLabel* m_file;
    QPushButton* m_new;
    QPushButton* m_load;
    QPushButton* m_save;
    QPushButton* m_saveAs;
    QGroupBox* m_listBox;
    QListWidget* m_list;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
    QLineEdit* m_name;
    QPushButton* m_add;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    QMenu* m_menu;
    QAction* m_rename;
    QAction* m_changeIcon;
};

}  // namespace qv::gui
