#pragma once

#include "app/ModalView.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qv {
class Language;
class RecordingDialog;
}

namespace qv::gui {

// The recording dialog: the recording program, the build button, OK
// (write the recording project and open it), Cancel and Help.
class RecordingDialogView final : public ModalView {
    Q_OBJECT
public:
    RecordingDialogView(RecordingDialog& dialog, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;

    RecordingDialog& m_dialog;
    QLabel* m_heading;
    QLabel* m_programLabel;
    QComboBox* m_programs;
    QPushButton* m_build;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
