#pragma once

#include "app/ModalView.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace qv {
class AddFileDialog;
class Language;
}

namespace qv::gui {

class LimitedLineEdit;

// The add-file dialog: the item's fields proposed from the file chosen,
// Select File, ">" (CD-Size into HD-Size), OK, Cancel and Help.
class AddFileView final : public ModalView {
    Q_OBJECT
public:
    AddFileView(AddFileDialog& dialog, const Language& language, QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void refresh() override;
    void closeRequested() override;
    LimitedLineEdit* input(int which);

    AddFileDialog& m_dialog;
    QLabel* m_labels[9];
    LimitedLineEdit* m_inputs[6];
    QLabel* m_fileName;
    QLabel* m_filePath;
    QPushButton* m_sizeFillIn;
    QComboBox* m_category;
    QCheckBox* m_copy;
    QCheckBox* m_execute;
    QComboBox* m_scheme;
    QPushButton* m_selectFile;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
