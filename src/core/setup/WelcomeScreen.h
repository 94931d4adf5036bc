#pragma once

#include "ui/Ui.h"

#include <array>
#include <filesystem>
#include <string>

namespace qv {

class Language;
class MainWindowModel;
class ProjectSession;

// The welcome screen at start: new project, open one, open the last one,
// the wizard, and the interface language. It does no project work itself:
// a choice closes the screen, then the main window's command for it runs.
// Closing it in any way makes the "show again" box the welcome setting.
class WelcomeScreen final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::WelcomeScreen;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "Start";
    static constexpr int kLanguageCount = 4;

    // Texts of section Start, in layout order; E20..E23 are the hints of the four choices.
    enum Text {
        NewButton = 1, OpenButton, OpenLastButton, WizardButton, CancelButton, ShowAgainBox, Heading,
        LanguageLabel, Explanation, NewHint = 20, OpenHint, OpenLastHint, WizardHint
    };
    static std::string text(const Language& language, Text which);

    enum class Choice { None, NewProject, OpenProject, OpenLastProject, Wizard };

    WelcomeScreen(Ui& ui, const Language& language, MainWindowModel& frame, ProjectSession& session);

    // Shows the screen modally, then runs what the person chose.
    void execute();

    void newClick() { choose(Choice::NewProject); }
    void openClick() { choose(Choice::OpenProject); }
    void openLastClick();
    void wizardClick() { choose(Choice::Wizard); }
    void cancelClick();
    // Entry 1..4 of the language choice: English, German, Russian, Spanish.
    void languageSelect(int number);

    bool openLastEnabled() const { return m_openLastEnabled; }
    const std::string& lastProject() const { return m_lastProject; }
    bool showAgain() const { return m_showAgain; }
    void setShowAgain(bool on) { m_showAgain = on; }
    // The language in force, 1..4.
    int languageNumber() const;
    // The names of the four languages in the language in force.
    std::array<std::string, kLanguageCount> languageNames() const;
    Choice choice() const { return m_choice; }

private:
    void onPrepare() override;
    void onClosed() override;
    void choose(Choice choice);

    Ui& m_ui;
    const Language& m_language;
    MainWindowModel& m_frame;
    ProjectSession& m_session;
    std::string m_lastProject;
    bool m_openLastEnabled = false;
    // Ticked when the program starts, not read from the setting: whenever
    // the setting lets the screen show, the box is ticked.
    bool m_showAgain = true;
    Choice m_choice = Choice::None;
};

}  // namespace qv
