#pragma once

#include "ui/ToolButtons.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace qv {

// Every entry of the main window's menu that the frame knows, in menu order.
enum class CommandId {
    New, Wizard, Open, Save, SaveAs, EditProject, Check, Build, Record,
    ExportAscii, ExportCsv, ExportWord, ExportExcel, ExportHtml,
    AddFile, AddFolder, AddJump, AddUrl,
    Remove, Sort, Find, FindNext, InfoFile, Screenshot,
    CategoryEditor, MenuDesignEditor,
    ToolBar1, ToolBar2, ToolBar3, ToolBar4, ToolBar5, ButtonTitles, ButtonSizeSmall, ButtonSizeLarge,
    ShowWelcome, ShowAddItemTip, ShowBackground,
    English, German, Russian, Spanish,
    Info, Help, FirstProject, Exit,
};
inline constexpr int kCommandCount = static_cast<int>(CommandId::Exit) + 1;

// Always: enabled from the start; Project: enabled once a project is opened or created.
enum class Enabling { Always, Project };

struct Command {
    CommandId id;
    std::string_view menu;
    std::string_view entry;
    std::string_view key;  // shortcut, "" for none
    std::optional<ToolButton> button;   // the tool button that runs the same handler
    std::string_view handler;
    Enabling enabling;
    // The tool button whose enabled state the entry copies when the menu is synced.
    std::optional<ToolButton> followsButton;
    // The menu entry's caption in the language file's Main section.
    std::string_view captionKey;
};

// The Main section keys of the menus and submenus that the command table's
// entries name ("Project Control", "Export", "Settings", ...); "" for none.
std::string_view menuTitleKey(std::string_view englishTitle);

// The Settings submenu's grid entries, which work on the item table.
enum class GridMenuEntry {
    GridMode, GridModeNone, GridModeColumnMove, GridModeQuickSort, RestoreGridSettings, AutoGridSize,
    ShowGridColumn, ShowAllColumns, GridColors, GridColor1, GridColor2,
};
struct GridMenuText {
    GridMenuEntry entry;
    std::string_view english;
    std::string_view key;
};
std::span<const GridMenuText> gridMenuTexts();

std::span<const Command> mainWindowCommands();
const Command& command(CommandId id);
// The command a shortcut key ("F5", "Ctrl+Alt+F") or a tool button runs.
std::optional<CommandId> commandForKey(std::string_view key);
// The settings button drops down the settings menu and runs no command of its own.
std::optional<CommandId> commandForButton(ToolButton button);

// The enabled state of the tool buttons and of the menu entries.
class CommandState final {
public:
    CommandState();  // the start: only New, Open and the program buttons enabled; menu synced

    bool buttonEnabled(ToolButton b) const { return m_buttons[static_cast<std::size_t>(toolButtonIndex(b))]; }
    bool menuEnabled(CommandId id) const { return m_menu[static_cast<std::size_t>(id)]; }
    // The wizard enables `add` around its item commands and disables it again
    // without syncing the menu.
    void setButtonEnabled(ToolButton b, bool enabled) { m_buttons[static_cast<std::size_t>(toolButtonIndex(b))] = enabled; }

    // Copies each tool button's enabled state to the menu entries that follow it.
    void syncMenuWithButtons();
    // A project was opened or created: the project buttons are enabled and the
    // menu synced. Nothing disables them again.
    void enableProjectCommands();

    // Whether a project is open: the enabled state of the `add` button.
    bool projectOpen() const { return buttonEnabled(ToolButton::AddFile); }

private:
    std::array<bool, kToolButtons> m_buttons{};
    std::array<bool, kCommandCount> m_menu{};
};

}  // namespace qv
