#pragma once

#include "app/ModalView.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {
class CheckLocationDialog;
class Language;
}

namespace qv::gui {

// The check's location dialog: the item, the folders where its file lies,
// OK and Help. There is no Cancel: however it closes, the selected folder is taken.
class CheckLocationView final : public ModalView {
    Q_OBJECT
public:
    CheckLocationView(CheckLocationDialog& dialog, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    CheckLocationDialog& m_dialog;
    bool m_filling = false;
    QLabel* m_explanation;
    QLabel* m_nameLabel;
    QLabel* m_name;
    QLabel* m_fileLabel;
    QLabel* m_file;
    QListWidget* m_folders;
    QPushButton* m_ok;
    QPushButton* m_help;
};

}  // namespace qv::gui
