#pragma once

#include "app/ModalView.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qv {
class InfoFileDialog;
class Language;
}

namespace qv::gui {

class PictureBox;

// The info file and screenshot dialog in the mode its window was opened in:
// a text editor for the info file, or the picture that Save writes as the
// screenshot, with the template, clear, paste, save and delete commands.
class InfoFileDialogView final : public ModalView {
    Q_OBJECT
public:
    InfoFileDialogView(InfoFileDialog& dialog, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);
    void refresh() override;

private:
    void closeRequested() override;
    void run(void (InfoFileDialog::*command)());

    InfoFileDialog& m_dialog;
    bool m_infoMode;
    QLabel* m_heading;
    QLabel* m_explanation;
    QLabel* m_remark;
    QLabel* m_targetLabel;
    QLabel* m_target;
    QGroupBox* m_frame;
    QPlainTextEdit* m_text = nullptr;
    PictureBox* m_picture = nullptr;
    QPushButton* m_openTemplate;
    QPushButton* m_clear;
    QPushButton* m_paste;
    QPushButton* m_save;
    QPushButton* m_delete;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
