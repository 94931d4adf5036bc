#pragma once

#include "app/ModalView.h"

class QPushButton;

namespace qv {
class Language;
class YesNoEditor;
}

namespace qv::gui {

// The yes/no editor of Copy and Execute: Yes, No and Cancel; Yes has the focus.
class YesNoEditorView final : public ModalView {
    Q_OBJECT
public:
    YesNoEditorView(YesNoEditor& editor, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override {}
    void closeRequested() override;

    YesNoEditor& m_editor;
    QPushButton* m_yes;
    QPushButton* m_no;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
