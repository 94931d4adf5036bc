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
    {C::New, "Project Control", "New", "F11", B::New, "newClick", A, B::New, "E90"},
    {C::Wizard, "Project Control", "Wizard", "F12", none, "wizardClick", A, B::New, "E91"},
    {C::Open, "Project Control", "Open", "F3", B::Open, "openClick", A, B::Open, "E92"},
    {C::Save, "Project Control", "Save", "F2", B::Save, "saveClick", P, B::Save, "E93"},
    {C::SaveAs, "Project Control", "Save As", "Alt+F3", none, "saveAsClick", P, B::Save, "E94"},
    {C::EditProject, "Project Control", "Edit", "Ctrl+E", B::EditProject, "editProjectClick", P, B::EditProject, "E95"},
    {C::Check, "Project Control", "Check", "Ctrl+C", B::Check, "checkClick", P, B::Check, "E97"},
    {C::Build, "Project Control", "Build", "F10", B::Build, "buildClick", P, B::Build, "E98"},
    {C::Record, "Project Control", "Record", "Alt+F10", none, "recordClick", P, B::Build, "E99"},
    {C::ExportAscii, "Project Control", "Export/ASCII", "", none, "exportAsciiClick", P, B::Build, "E111"},
    {C::ExportCsv, "Project Control", "Export/CVS", "", none, "exportCsvClick", P, B::Build, "E112"},
    {C::ExportWord, "Project Control", "Export/MS Word", "", none, "exportWordClick", P, B::Build, "E113"},
    {C::ExportExcel, "Project Control", "Export/MS Excel", "", none, "exportExcelClick", P, B::Build, "E114"},
    {C::ExportHtml, "Project Control", "Export/HTML", "", none, "exportHtmlClick", P, B::Build, "E115"},
    {C::AddFile, "Item Control", "Add File", "F4", B::AddFile, "addClick", P, B::AddFile, "E100"},
    {C::AddFolder, "Item Control", "Add Folder", "Ctrl+F4", B::AddFolder, "addFolderClick", P, B::AddFolder, "E101"},
    {C::AddJump, "Item Control", "Add Jump Point", "F5", B::AddJump, "addJumpClick", P, B::AddJump, "E102"},
    {C::AddUrl, "Item Control", "Add Url", "F6", B::AddUrl, "addUrlClick", P, B::AddUrl, "E103"},
    {C::Remove, "Chosen Item Control", "Remove", "Del", B::Remove, "removeClick", P, B::Remove, "E104"},
    {C::Sort, "Chosen Item Control", "Sort", "Ctrl+S", B::Sort, "sortClick", P, B::Sort, "E105"},
    {C::Find, "Chosen Item Control", "Find", "Ctrl+F", B::Find, "findClick", P, B::Sort, "E106"},
    {C::FindNext, "Chosen Item Control", "Find next", "Ctrl+Alt+F", none, "findNextClick", P, B::Sort, "E107"},
    {C::InfoFile, "Chosen Item Control", "Create/Edit Info File", "F7", B::InfoFile, "infoFileClick", P, B::Sort, "E108"},
    {C::Screenshot, "Chosen Item Control", "Create/Edit Screenshot", "Alt+F7", B::Screenshot, "infoFileClick", P, B::Sort, "E109"},
    {C::CategoryEditor, "Environment Control", "Category Editor", "F8", B::Categories, "categoryEditorClick", P, B::Categories, "E110"},
    {C::MenuDesignEditor, "Environment Control", "Menu Design Editor", "F9", B::MenuDesign, "designEditorClick", P, B::MenuDesign, "E116"},
    {C::ToolBar1, "View Control", "Project Controls", "", none, "toolBar1Click", A, none, "E64"},
    {C::ToolBar2, "View Control", "Item Controls", "", none, "toolBar2Click", A, none, "E65"},
    {C::ToolBar3, "View Control", "Chosen Item Controls", "", none, "toolBar3Click", A, none, "E66"},
    {C::ToolBar4, "View Control", "Environment Controls", "", none, "toolBar4Click", A, none, "E67"},
    {C::ToolBar5, "View Control", "Vlx Controls", "", none, "toolBar5Click", A, none, "E68"},
    {C::ButtonTitles, "View Control", "Button Titles", "", none, "buttonTitlesClick", A, none, "E69"},
    {C::ButtonSizeSmall, "View Control", "Button Size/Small", "", none, "buttonSizeSmallClick", A, none, "E71"},
    {C::ButtonSizeLarge, "View Control", "Button Size/Large", "", none, "buttonSizeLargeClick", A, none, "E72"},
    {C::ShowWelcome, "Vlx Control", "Settings/Show Welcome Screen", "", none, "showWelcomeClick", A, none, "E73"},
    {C::ShowAddItemTip, "Vlx Control", "Settings/Show Add Item Tip", "", none, "showAddItemTipClick", A, none, "E74"},
    {C::ShowBackground, "Vlx Control", "Settings/Show Background Images", "", none, "showBackgroundClick", A, none, "E75"},
    {C::English, "Vlx Control", "Language/English", "", none, "englishClick", A, none, "E168"},
    {C::German, "Vlx Control", "Language/German", "", none, "germanClick", A, none, "E169"},
    {C::Russian, "Vlx Control", "Language/Russian", "", none, "russianClick", A, none, "E170"},
    {C::Spanish, "Vlx Control", "Language/Spain", "", none, "spanishClick", A, none, "E171"},
    {C::Info, "Vlx Control", "Info", "Ctrl+I", none, "aboutClick", A, none, "E117"},
    {C::Help, "Vlx Control", "Help", "F1", B::Help, "helpClick", A, none, "E118"},
    {C::FirstProject, "Vlx Control", "First Project", "Alt+F1", none, "firstProjectClick", A, none, "E119"},
    {C::Exit, "Vlx Control", "Exit", "", B::Exit, "exitClick", A, none, "E120"},
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

std::string_view menuTitleKey(std::string_view englishTitle)
{
    static constexpr std::pair<std::string_view, std::string_view> kTitles[] = {
        {"Project Control", "E44"}, {"Item Control", "E45"}, {"Chosen Item Control", "E46"},
        {"Environment Control", "E47"}, {"View Control", "E48"}, {"Vlx Control", "E49"},
        {"Export", "E50"}, {"Settings", "E51"}, {"Button Size", "E70"}, {"Language", "E76"},
    };
    for (const auto& [title, key] : kTitles)
        if (title == englishTitle)
            return key;
    return {};
}

std::span<const GridMenuText> gridMenuTexts()
{
    using G = GridMenuEntry;
    static constexpr GridMenuText kTexts[] = {
        {G::GridMode, "Grid Mode", "E121"},
        {G::GridModeNone, "None", "E122"},
        {G::GridModeColumnMove, "Column Move", "E123"},
        {G::GridModeQuickSort, "Quick Sort", "E124"},
        {G::RestoreGridSettings, "Restore Grid Settings", "E125"},
        {G::AutoGridSize, "Auto Grid Size", "E126"},
        {G::ShowGridColumn, "Show Grid Column", "E127"},
        {G::ShowAllColumns, "Show All Columns", "E128"},
        {G::GridColors, "Grid Colors", "E129"},
        {G::GridColor1, "Color 1", "E130"},
        {G::GridColor2, "Color 2", "E131"},
    };
    return kTexts;
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
