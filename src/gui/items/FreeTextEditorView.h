#pragma once

#include "app/ModalView.h"

class QPushButton;

namespace qv {
class FreeTextEditor;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;

// The free-text editor: one line with OK and Cancel. Enter in the line and
// Escape anywhere go to the editor as keys, so they act as it says (no click
// sound, no folder named by Enter).
class FreeTextEditorView final : public ModalView {
    Q_OBJECT
public:
    FreeTextEditorView(FreeTextEditor& editor, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh() override;
    void closeRequested() override;

    FreeTextEditor& m_editor;
    LimitedLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qv::gui
