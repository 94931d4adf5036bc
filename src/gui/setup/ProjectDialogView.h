#pragma once

#include "app/ModalView.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {
class Language;
class ProjectDialog;
}

namespace qv::gui {

// The new and edit project dialog: CD name, project folder with Browse, the
// two editor buttons, OK, Cancel and Help. What is enabled follows the core.
class ProjectDialogView final : public ModalView {
    Q_OBJECT
public:
    ProjectDialogView(ProjectDialog& dialog, const Language& language, QWidget* parent = nullptr);

private:
    void refresh() override;
    void closeRequested() override;
    void retranslate();

    ProjectDialog& m_dialog;
    const Language& m_language;
    QLabel* m_explanation;
    QLabel* m_cdNameLabel;
    QLineEdit* m_cdName;
    QLabel* m_folderLabel;
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QPushButton* m_categories;
    QPushButton* m_design;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
