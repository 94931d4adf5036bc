#pragma once

#include "app/AboutBox.h"
#include "app/CommandTable.h"
#include "util/ProjectFiles.h"
#include "ui/Ui.h"
#include "i18n/LanguageManager.h"
#include "i18n/Settings.h"
#include "i18n/SettingsCommands.h"

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace qv {

// What the frame asks of the parts that plug into it. Every hook may be left
// empty; the frame then skips that step.
struct MainWindowHooks {
    // The Save command of the project (saveClick); the Exit command runs it on
    // Yes to M23. False when nothing was saved; the program then stays open.
    std::function<bool()> save;
    // The open project's modified flag and CD name, kept by the project
    // alone; without a project they read as unchanged and unnamed.
    std::function<bool()> modified;
    std::function<std::string()> cdName;
    // Start-up, after the grid settings: the project counts as unchanged.
    std::function<void()> markUnmodified;
    // Start-up: 13 columns and 2 rows in the item table. It runs after the
    // language has set the heading row, which it keeps.
    std::function<void()> prepareTable;
    // At start and from the welcome screen: the heading words of the fields
    // named by the settings file's celld_1..celld_12 (raw texts, "Failed" when missing).
    std::function<void(const Language& now, const std::array<std::string, kGridFields>& storedNames)> headingsFromSettings;
    // From the language menu: the heading cells translated in place from the previous language's words.
    std::function<void(const Language& now, const Language& previous)> translateHeadings;
    // A language picked from the menu while a project is open.
    std::function<void()> normaliseYesNo;
    // After load settings: the table takes, in this order, its grid mode (so
    // Column Move is accepted before a column is hidden), colours, column
    // visibility by field and the widths of the columns not hidden.
    std::function<void(const GridSettings&)> applyGrid;
    // Before save settings: the table fills in its layout.
    std::function<void(GridSettings&)> fillGrid;
    // Start-up step 8: the loader's transient flags.
    std::function<void()> clearLoaderFlags;
    // Start-up step 9: the welcome screen, shown modally.
    std::function<void()> showWelcome;
};

// Why the main window's title is set from the project.
enum class TitleCause { Opened, Edited, Created };

// The main window's behaviour: start and stop, title, command
// enabling, the frame's own commands (Exit, Help, First Project, Info, the
// language entries) and dispatch of the commands other parts provide.
class MainWindowModel final {
public:
    MainWindowModel(std::filesystem::path baseDir, ProjectFiles& data, Ui& ui);

    MainWindowHooks& hooks() { return m_hooks; }
    // Registers the handler of a command that another part owns (newClick, addClick, ...).
    void setHandler(CommandId id, std::function<void()> handler) { m_handlers[id] = std::move(handler); }
    // Whether a command reaches a handler: the frame's own or a registered one.
    bool handles(CommandId id) const;
    // Runs a command when its menu entry is enabled; false when it is disabled.
    bool run(CommandId id);
    // A tool button: runs when the button is enabled (the settings button only drops down its menu).
    bool runButton(ToolButton button);
    // A shortcut key such as "F5": runs the menu entry it belongs to.
    bool runKey(std::string_view key);

    // Start-up: while the window is created (size and state), then at its first showing.
    void create();
    void firstShow();

    // Exit (`exit` button, menu Exit): asks M23 when there are unsaved changes.
    void exitClick();
    // The window's close box (or the desktop closing it): unsaved changes are
    // asked about as Exit asks (M23), without the click; false when the
    // window stays open because the save asked for didn't happen.
    bool windowCloseRequested();
    // Closing the window by any way: working copy and Files/burn vlx.cpj
    // deleted, settings saved. Ends the program, even when the settings file
    // can't be written (that is reported).
    void close();
    bool closed() const { return m_closed; }

    void helpClick();
    void firstProjectClick() { helpContext(kFirstProjectHelpTopic); }
    void aboutClick();
    // Opens the language's help file at a numbered topic.
    void helpContext(int topic);
    // A language menu entry: nothing when n is the language in use.
    void languageClick(int number);
    // The welcome screen's language choice: applied, headings from the settings.
    void welcomeLanguageSelect(int number);

    // A project was opened, created or its settings edited.
    void projectChanged(TitleCause cause);
    std::string cdName() const { return m_hooks.cdName ? m_hooks.cdName() : std::string(); }
    bool modified() const { return m_hooks.modified && m_hooks.modified(); }
    void setWizardRunning(bool running) { m_wizardRunning = running; }
    bool wizardRunning() const { return m_wizardRunning; }
    bool projectOpen() const { return m_commands.projectOpen(); }

    const std::string& title() const { return m_title; }
    CommandState& commands() { return m_commands; }
    const CommandState& commands() const { return m_commands; }
    LanguageManager& language() { return m_language; }
    const LanguageManager& language() const { return m_language; }
    Settings& settings() { return m_settings; }
    SettingsCommands& settingsCommands() { return m_settingsCommands; }
    AboutBox& aboutBox() { return m_about; }
    const std::filesystem::path& baseDir() const { return m_baseDir; }

    // The help file of the Help command: Help/VlxHlp2.hlp for language 2, Help/VlxHlp1.hlp otherwise.
    std::filesystem::path helpCommandFile() const;
    // Start-up step 6: the large pictures of the welcome screen, wizard and record dialog.
    std::array<std::filesystem::path, 10> startPictures() const;
    // Files/MenuBack.bmp when background pictures are on, else empty.
    std::filesystem::path backgroundPicture() const;

    // Layout upkeep: the split below the tool bar area follows its height plus
    // 2 pixels; the chosen-item panel keeps 22 pixels.
    static constexpr int splitPosition(int toolbarAreaHeight) { return toolbarAreaHeight + 2; }
    static constexpr int kChosenItemPanelHeight = 22;

private:
    void applyLanguage(int number, bool fromSettings);
    void titleFromLanguage();
    void dispatch(CommandId id);
    void dispatchUnguarded(CommandId id);
    void saveSettingsNow();

    std::filesystem::path m_baseDir;
    ProjectFiles& m_data;
    Ui& m_ui;
    MainWindowHooks m_hooks;
    std::map<CommandId, std::function<void()>> m_handlers;
    CommandState m_commands;
    LanguageManager m_language;
    Settings m_settings;
    SettingsCommands m_settingsCommands;
    AboutBox m_about;
    std::string m_title = kTitleBeforeLanguage;
    bool m_wizardRunning = false;
    bool m_closed = false;
    bool m_headingsFromSettings = true;
};

// The page the help viewer shows for a help file name the language files keep
// (VlxHlp1.hlp -> VlxHlp1.html beside it).
std::filesystem::path helpViewerPage(const std::filesystem::path& helpFile);

}  // namespace qv
