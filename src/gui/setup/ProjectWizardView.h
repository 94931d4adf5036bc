#pragma once

#include "app/ModalView.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace qv {
class Language;
class ProjectWizard;
}

namespace qv::gui {

// The project wizard: the list of steps beside the page of the current one,
// Back, Next, Finish, Cancel and Help below. Next is enabled exactly when the
// wizard would leave the page.
class ProjectWizardView final : public ModalView {
    Q_OBJECT
public:
    ProjectWizardView(ProjectWizard& wizard, const Language& language, QWidget* parent = nullptr);

    void refresh() override;

private:
    void closeRequested() override;
    void retranslate();
    QWidget* makePage(int index);
    QPushButton* button(const char* name, void (ProjectWizard::*command)());
    void fillFolderList();

    ProjectWizard& m_wizard;
    const Language& m_language;
    QStackedWidget* m_pages;
    std::vector<QLabel*> m_steps;
    std::vector<QLabel*> m_headings;
    std::vector<QLabel*> m_texts;
    std::vector<QLabel*> m_labels;
    std::vector<QPushButton*> m_buttons;
    QComboBox* m_drives = nullptr;
    QLabel* m_listFolder = nullptr;
    QListWidget* m_folders = nullptr;
    QLineEdit* m_cdName = nullptr;
    QLineEdit* m_folderDisplay = nullptr;
    QLineEdit* m_categoryDisplay = nullptr;
    QLineEdit* m_designDisplay = nullptr;
    QLabel* m_sampleLink = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
    QPushButton* m_cancel;
    QPushButton* m_help;
};

}  // namespace qv::gui
