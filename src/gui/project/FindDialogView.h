#pragma once

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace qv {
class FindDialog;
class Language;
class Ui;
}

namespace qv::gui {

// The find dialog's view: copies the options in when shown and out on OK.
class FindDialogView final : public QDialog {
    Q_OBJECT
public:
    FindDialogView(FindDialog& dialog, const Language& language, Ui& ui, std::filesystem::path helpFile,
                   QWidget* parent = nullptr);

    void retranslate(const Language& language);

private:
    void accept() override;
    void reject() override;

    FindDialog& m_dialog;
    Ui& m_ui;
    std::filesystem::path m_helpFile;
    QLabel* m_textLabel;
    QLineEdit* m_text;
    QGroupBox* m_optionsBox;
    QCheckBox* m_case;
    QCheckBox* m_whole;
    QCheckBox* m_regex;
    QGroupBox* m_directionBox;
    QRadioButton* m_topDown;
    QRadioButton* m_leftRight;
    QGroupBox* m_scopeBox;
    QRadioButton* m_entire;
    QRadioButton* m_column;
    QRadioButton* m_row;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
