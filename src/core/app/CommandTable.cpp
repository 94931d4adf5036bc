#include "app/CommandTable.h"

#include <algorithm>
#include <cassert>

namespace qv {

namespace {

using B = ToolButton;
using C = CommandId;
constexpr auto A = Enabling::Always;
constexpr auto P = Enabling::Project;
constexpr std::optional<ToolButton> none = std::nullopt;

constexpr std::array<Command, kCommandCount> kCommands{{
    {C::New, "Project Control", "New", "F11", B::New, "newClick", A, B::New},
    {C::Wizard, "Project Control", "Wizard", "F12", none, "wizardClick", A, B::New},
    {C::Open, "Project Control", "Open", "F3", B::Open, "openClick", A, B::Open},
    {C::Save, "Project Control", "Save", "F2", B::Save, "saveClick", P, B::Save},
    {C::SaveAs, "Project Control", "Save As", "Alt+F3", none, "saveAsClick", P, B::Save},
    {C::EditProject, "Project Control", "Edit", "Ctrl+E", B::EditProject, "editProjectClick", P, B::EditProject},
    {C::Check, "Project Control", "Check", "Ctrl+C", B::Check, "checkClick", P, B::Check},
    {C::Build, "Project Control", "Build", "F10", B::Build, "buildClick", P, B::Build},
    {C::Record, "Project Control", "Record", "Alt+F10", none, "recordClick", P, B::Build},
    {C::ExportAscii, "Project Control", "Export/ASCII", "", none, "exportAsciiClick", P, B::Build},
    {C::ExportCsv, "Project Control", "Export/CVS", "", none, "exportCsvClick", P, B::Build},
    {C::ExportWord, "Project Control", "Export/MS Word", "", none, "exportWordClick", P, B::Build},
    {C::ExportExcel, "Project Control", "Export/MS Excel", "", none, "exportExcelClick", P, B::Build},
    {C::ExportHtml, "Project Control", "Export/HTML", "", none, "exportHtmlClick", P, B::Build},
    {C::AddFile, "Item Control", "Add File", "F4", B::AddFile, "addClick", P, B::AddFile},
    {C::AddFolder, "Item Control", "Add Folder", "Ctrl+F4", B::AddFolder, "addFolderClick", P, B::AddFolder},
    {C::AddJump, "Item Control", "Add Jump Point", "F5", B::AddJump, "addJumpClick", P, B::AddJump},
    {C::AddUrl, "Item Control", "Add Url", "F6", B::AddUrl, "addUrlClick", P, B::AddUrl},
    {C::Remove, "Chosen Item Control", "Remove", "Del", B::Remove, "removeClick", P, B::Remove},
    {C::Sort, "Chosen Item Control", "Sort", "Ctrl+S", B::Sort, "sortClick", P, B::Sort},
    {C::Find, "Chosen Item Control", "Find", "Ctrl+F", B::Find, "findClick", P, B::Sort},
    {C::FindNext, "Chosen Item Control", "Find next", "Ctrl+Alt+F", none, "findNextClick", P, B::Sort},
    {C::InfoFile, "Chosen Item Control", "Create/Edit Info File", "F7", B::InfoFile, "infoFileClick", P, B::Sort},
    {C::Screenshot, "Chosen Item Control", "Create/Edit Screenshot", "Alt+F7", B::Screenshot, "infoFileClick", P, B::Sort},
    {C::CategoryEditor, "Environment Control", "Category Editor", "F8", B::Categories, "categoryEditorClick", P, B::Categories},
    {C::MenuDesignEditor, "Environment Control", "Menu Design Editor", "F9", B::MenuDesign, "designEditorClick", P, B::MenuDesign},
    {C::ToolBar1, "View Control", "Project Controls", "", none, "toolBar1Click", A, none},
    {C::ToolBar2, "View Control", "Item Controls", "", none, "toolBar2Click", A, none},
    {C::ToolBar3, "View Control", "Chosen Item Controls", "", none, "toolBar3Click", A, none},
    {C::ToolBar4, "View Control", "Environment Controls", "", none, "toolBar4Click", A, none},
    {C::ToolBar5, "View Control", "Vlx Controls", "", none, "toolBar5Click", A, none},
    {C::ButtonTitles, "View Control", "Button Titles", "", none, "buttonTitlesClick", A, none},
    {C::ButtonSizeSmall, "View Control", "Button Size/Small", "", none, "buttonSizeSmallClick", A, none},
    {C::ButtonSizeLarge, "View Control", "Button Size/Large", "", none, "buttonSizeLargeClick", A, none},
    {C::ShowWelcome, "Vlx Control", "Settings/Show Welcome Screen", "", none, "showWelcomeClick", A, none},
    {C::ShowAddItemTip, "Vlx Control", "Settings/Show Add Item Tip", "", none, "showAddItemTipClick", A, none},
    {C::ShowBackground, "Vlx Control", "Settings/Show Background Images", "", none, "showBackgroundClick", A, none},
    {C::English, "Vlx Control", "Language/English", "", none, "englishClick", A, none},
    {C::German, "Vlx Control", "Language/German", "", none, "germanClick", A, none},
    {C::Russian, "Vlx Control", "Language/Russian", "", none, "russianClick", A, none},
    {C::Spanish, "Vlx Control", "Language/Spain", "", none, "spanishClick", A, none},
    {C::Info, "Vlx Control", "Info", "Ctrl+I", none, "aboutClick", A, none},
    {C::Help, "Vlx Control", "Help", "F1", B::Help, "helpClick", A, none},
    {C::FirstProject, "Vlx Control", "First Project", "Alt+F1", none, "firstProjectClick", A, none},
    {C::Exit, "Vlx Control", "Exit", "", B::Exit, "exitClick", A, none},
}};

constexpr bool tableInIdOrder()
{
    for (int i = 0; i < kCommandCount; ++i)
        if (static_cast<int>(kCommands[static_cast<std::size_t>(i)].id) != i)
            return false;
    return true;
}
static_assert(tableInIdOrder(), "the command table is indexed by CommandId");

// The buttons a project enables; the others are enabled from the start.
constexpr std::array kProjectButtons{B::AddFile, B::AddFolder, B::AddUrl, B::AddJump, B::Remove, B::Save, B::Build,
                                     B::EditProject, B::Sort, B::Find, B::InfoFile, B::Screenshot, B::MenuDesign,
                                     B::Categories, B::Check};

}  // namespace

std::span<const Command> mainWindowCommands()
{
    return kCommands;
}

const Command& command(CommandId id)
{
    return kCommands[static_cast<std::size_t>(id)];
}

std::optional<CommandId> commandForKey(std::string_view key)
{
    if (key.empty())
        return std::nullopt;
    for (const Command& c : kCommands)
        if (c.key == key)
            return c.id;
    return std::nullopt;
}

std::optional<CommandId> commandForButton(ToolButton button)
{
    for (const Command& c : kCommands)
        if (c.button == button)
            return c.id;
    return std::nullopt;
}

CommandState::CommandState()
{
    m_buttons.fill(true);
    for (ToolButton b : kProjectButtons)
        setButtonEnabled(b, false);
    m_menu.fill(true);
    syncMenuWithButtons();
}

void CommandState::syncMenuWithButtons()
{
    for (const Command& c : kCommands)
        if (c.followsButton)
            m_menu[static_cast<std::size_t>(c.id)] = buttonEnabled(*c.followsButton);
}

void CommandState::enableProjectCommands()
{
    for (ToolButton b : kProjectButtons)
        setButtonEnabled(b, true);
    syncMenuWithButtons();
}

}  // namespace qv
