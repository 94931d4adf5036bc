#pragma once

#include "app/ModalView.h"

class QComboBox;
class QPushButton;

namespace qv {
class CategoryChoiceEditor;
class Language;
}

namespace qv::gui {

// The category choice editor: the project's categories with OK and Cancel.
class CategoryChoiceEditorView final : public ModalView {
    Q_OBJECT
public:
    CategoryChoiceEditorView(CategoryChoiceEditor& editor, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    CategoryChoiceEditor& m_editor;
    QComboBox* m_choice;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
