#include "setup/WelcomeScreen.h"

#include "app/MainWindowModel.h"
#include "i18n/Language.h"
#include "i18n/Settings.h"
#include "profile/ProfileFile.h"
#include "project/ProjectSession.h"
#include "util/Fs.h"

#include <system_error>

namespace qv {

std::string WelcomeScreen::text(const Language& language, Text which)
{
    return language.windowText(kSection, "E" + std::to_string(static_cast<int>(which)));
}

WelcomeScreen::WelcomeScreen(Ui& ui, const Language& language, MainWindowModel& frame, ProjectSession& session)
    : m_ui(ui)
    , m_language(language)
    , m_frame(frame)
    , m_session(session)
{
}

void WelcomeScreen::onPrepare()
{
    m_choice = Choice::None;
    // The settings file's own value: the project open when the program last ended.
    m_lastProject = ProfileFile(settingsFile(m_frame.baseDir())).readString("settings", "last_proj", "");
    std::error_code ec;
    m_openLastEnabled = !m_lastProject.empty() && std::filesystem::is_regular_file(pathFromText(m_lastProject), ec);
}

void WelcomeScreen::onClosed()
{
    // The main menu's Show Welcome Screen mark shows this setting.
    m_frame.settings().showWelcome = m_showAgain;
}

void WelcomeScreen::execute()
{
    exec(m_ui);
    switch (m_choice) {
    case Choice::NewProject: m_frame.run(CommandId::New); break;
    case Choice::OpenProject: m_frame.run(CommandId::Open); break;
    case Choice::Wizard: m_frame.run(CommandId::Wizard); break;
    case Choice::OpenLastProject: m_session.loadProject(pathFromText(m_lastProject)); break;
    case Choice::None: break;
    }
}

void WelcomeScreen::choose(Choice choice)
{
    m_choice = choice;
    close(ModalResult::Ok);
}

void WelcomeScreen::openLastClick()
{
    if (m_openLastEnabled)
        choose(Choice::OpenLastProject);
}

void WelcomeScreen::cancelClick()
{
    m_ui.playClick();
    m_choice = Choice::None;
    close(ModalResult::Cancel);
}

void WelcomeScreen::languageSelect(int number)
{
    if (number < 1 || number > kLanguageCount)
        return;
    m_frame.welcomeLanguageSelect(number);
}

int WelcomeScreen::languageNumber() const
{
    return m_frame.language().number();
}

std::array<std::string, WelcomeScreen::kLanguageCount> WelcomeScreen::languageNames() const
{
    std::array<std::string, kLanguageCount> names;
    for (int n = 0; n < kLanguageCount; ++n)
        names[static_cast<std::size_t>(n)] = m_language.windowText("Main", "E" + std::to_string(168 + n));
    return names;
}

}  // namespace qv
