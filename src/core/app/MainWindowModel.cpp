#include "app/MainWindowModel.h"

#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <exception>

namespace qv {

MainWindowModel::MainWindowModel(std::filesystem::path baseDir, ProjectFiles& data, Ui& ui)
    : m_baseDir(std::move(baseDir))
    , m_data(data)
    , m_ui(ui)
    , m_language(m_baseDir)
    , m_settingsCommands(m_settings, m_language, ui)
    , m_about([this](int topic) { helpContext(topic); })
{
    // Runs inside the wait window of every language change, after the texts are read.
    m_language.addListener([this](const Language& now, const Language& previous) {
        m_settingsCommands.refreshCaptions();
        titleFromLanguage();
        if (m_headingsFromSettings) {
            m_settings.grid.headingNames = loadHeadingNames(settingsFile(m_baseDir));
            if (m_hooks.headingsFromSettings)
                m_hooks.headingsFromSettings(now, m_settings.grid.headingNames);
        } else if (m_hooks.translateHeadings) {
            m_hooks.translateHeadings(now, previous);
        }
    });
}

void MainWindowModel::create()
{
    loadWindowSettings(settingsFile(m_baseDir), m_settings.window);
}

void MainWindowModel::firstShow()
{
    m_wizardRunning = false;
    m_commands.syncMenuWithButtons();
    const int number = loadLanguageNumber(settingsFile(m_baseDir));
    m_settings.language = number;
    applyLanguage(number, true);
    if (m_hooks.prepareTable)
        m_hooks.prepareTable();
    loadSettings(settingsFile(m_baseDir), m_settings);
    m_settingsCommands.applyLoaded();
    if (m_hooks.applyGrid)
        m_hooks.applyGrid(m_settings.grid);
    if (m_hooks.markUnmodified)
        m_hooks.markUnmodified();
    if (m_hooks.clearLoaderFlags)
        m_hooks.clearLoaderFlags();
    if (m_settings.showWelcome && m_hooks.showWelcome)
        m_hooks.showWelcome();
}

void MainWindowModel::applyLanguage(int number, bool fromSettings)
{
    m_headingsFromSettings = fromSettings;
    m_language.apply(number, m_ui);
}

void MainWindowModel::titleFromLanguage()
{
    m_title = projectOpen() ? m_language.text("T22") + " " + cdName() : m_language.text("T13");
}

void MainWindowModel::projectChanged(TitleCause cause)
{
    std::string name = cdName();
    if (name.empty())
        name = cause == TitleCause::Created ? "No CD name" : m_language.text("T26");
    m_title = m_language.text("T22") + " " + name;
}

void MainWindowModel::languageClick(int number)
{
    if (m_language.isChecked(number))
        return;
    m_settings.language = number;
    applyLanguage(number, false);
    if (projectOpen() && m_hooks.normaliseYesNo)
        m_hooks.normaliseYesNo();
}

void MainWindowModel::welcomeLanguageSelect(int number)
{
    m_settings.language = number;
    applyLanguage(number, true);
}

bool MainWindowModel::run(CommandId id)
{
    if (!m_commands.menuEnabled(id))
        return false;
    dispatch(id);
    return true;
}

bool MainWindowModel::runButton(ToolButton button)
{
    const auto id = commandForButton(button);
    if (!id || !m_commands.buttonEnabled(button))
        return false;
    dispatch(*id);
    return true;
}

bool MainWindowModel::runKey(std::string_view key)
{
    const auto id = commandForKey(key);
    return id && run(*id);
}

bool MainWindowModel::handles(CommandId id) const
{
    switch (id) {
    case CommandId::ToolBar1: case CommandId::ToolBar2: case CommandId::ToolBar3: case CommandId::ToolBar4:
    case CommandId::ToolBar5: case CommandId::ButtonTitles: case CommandId::ButtonSizeSmall:
    case CommandId::ButtonSizeLarge: case CommandId::ShowWelcome: case CommandId::ShowAddItemTip:
    case CommandId::ShowBackground: case CommandId::English: case CommandId::German: case CommandId::Russian:
    case CommandId::Spanish: case CommandId::Info: case CommandId::Help: case CommandId::FirstProject:
    case CommandId::Exit:
        return true;
    default: {
        const auto it = m_handlers.find(id);
        return it != m_handlers.end() && it->second;
    }
    }
}

void MainWindowModel::dispatch(CommandId id)
{
    // An error no command handles ends that command with an error box; the
    // program goes on (a failed profile write, for one).
    try {
        dispatchUnguarded(id);
    } catch (const std::exception& e) {
        m_ui.messageBox({std::string(), e.what()}, MsgKind::Error, MsgButtons::Ok);
    }
}

void MainWindowModel::dispatchUnguarded(CommandId id)
{
    switch (id) {
    case CommandId::ToolBar1:
    case CommandId::ToolBar2:
    case CommandId::ToolBar3:
    case CommandId::ToolBar4:
    case CommandId::ToolBar5:
        m_settingsCommands.toolbarEntryClick(static_cast<int>(id) - static_cast<int>(CommandId::ToolBar1) + 1);
        return;
    case CommandId::ButtonTitles: m_settingsCommands.buttonTitlesClick(); return;
    case CommandId::ButtonSizeSmall: m_settingsCommands.buttonSizeSmallClick(); return;
    case CommandId::ButtonSizeLarge: m_settingsCommands.buttonSizeLargeClick(); return;
    case CommandId::ShowWelcome: m_settingsCommands.showWelcomeClick(); return;
    case CommandId::ShowAddItemTip: m_settingsCommands.showAddItemTipClick(); return;
    case CommandId::ShowBackground: m_settingsCommands.showBackgroundClick(); return;
    case CommandId::English:
    case CommandId::German:
    case CommandId::Russian:
    case CommandId::Spanish:
        languageClick(static_cast<int>(id) - static_cast<int>(CommandId::English) + 1);
        return;
    case CommandId::Info: aboutClick(); return;
    case CommandId::Help: helpClick(); return;
    case CommandId::FirstProject: firstProjectClick(); return;
    case CommandId::Exit: exitClick(); return;
    default:
        break;
    }
    const auto it = m_handlers.find(id);
    if (it != m_handlers.end() && it->second)
        it->second();
}

void MainWindowModel::exitClick()
{
    m_ui.playClick();
    windowCloseRequested();
}

bool MainWindowModel::windowCloseRequested()
{
    if (m_closed)
        return true;
    if (modified()) {
        const MsgResult answer = m_ui.messageBox(m_language.message("M23"), MsgKind::Confirmation, MsgButtons::YesNo);
        // A save that didn't happen (failed or cancelled) keeps the program
        // open: closing would lose the changes the person asked to keep.
        if (answer == MsgResult::Yes && m_hooks.save && !m_hooks.save())
            return false;
    }
    close();
    return true;
}

void MainWindowModel::close()
{
    if (m_closed)
        return;
    m_data.Project_Temp.remove();
    removeFileQuiet(m_baseDir / "Files" / "burn vlx.cpj");
    saveSettingsNow();
    m_closed = true;
}

void MainWindowModel::saveSettingsNow()
{
    m_settings.lastProject = m_data.Project_file.empty() ? std::string() : pathText(m_data.Project_file.fullPath());
    if (m_hooks.fillGrid)
        m_hooks.fillGrid(m_settings.grid);
    try {
        saveSettings(settingsFile(m_baseDir), m_settings);
    } catch (const ProfileWriteError& e) {
        // The preferences are lost, the project is not: say so and end anyway.
        m_ui.messageBox({std::string(), e.what()}, MsgKind::Error, MsgButtons::Ok);
    }
}

std::filesystem::path MainWindowModel::helpCommandFile() const
{
    return m_baseDir / "Help" / (m_language.number() == 2 ? "VlxHlp2.hlp" : "VlxHlp1.hlp");
}

void MainWindowModel::helpClick()
{
    m_ui.showHelp(helpCommandFile(), 0);
}

void MainWindowModel::helpContext(int topic)
{
    const auto file = m_language.helpFile();
    if (!file.empty())
        m_ui.showHelp(file, topic);
}

void MainWindowModel::aboutClick()
{
    m_ui.playClick();
    m_about.exec(m_ui);
}

std::array<std::filesystem::path, 10> MainWindowModel::startPictures() const
{
    static constexpr const char* kNames[] = {"1new.bmp", "1open.bmp", "1wizard.bmp", "1cat.bmp", "1md.bmp",
                                             "1add.bmp", "1adddir.bmp", "1addjump.bmp", "1addurl.bmp", "1build.bmp"};
    std::array<std::filesystem::path, 10> paths;
    for (std::size_t i = 0; i < paths.size(); ++i)
        paths[i] = m_baseDir / "Files" / "Images" / "0" / kNames[i];
    return paths;
}

std::filesystem::path MainWindowModel::backgroundPicture() const
{
    return m_settings.showBack ? m_baseDir / "Files" / "MenuBack.bmp" : std::filesystem::path();
}

std::filesystem::path helpViewerPage(const std::filesystem::path& helpFile)
{
    auto page = helpFile;
    page.replace_extension(".html");
    return page;
}

}  // namespace qv
