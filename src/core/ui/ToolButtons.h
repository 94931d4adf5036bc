#pragma once

#include <array>
#include <string_view>

namespace qv {

// The twenty tool buttons of the main window in button order: the order of
// their caption/hint keys E1..E40, their pictures and their geometry.
enum class ToolButton {
    New,           // new
    Open,          // zGradBtn1
    Save,          // save
    EditProject,   // editp
    Check,         // check
    Build,         // generate
    Categories,    // geditbtnmain
    MenuDesign,    // mdbtnmain
    Settings,      // settings
    Help,          // help
    Exit,          // exit
    AddFile,       // add
    AddFolder,     // adddir
    AddJump,       // addjump
    AddUrl,        // addurl
    Remove,        // deletef
    Sort,          // sort
    Find,          // Find
    InfoFile,      // info_file_btn
    Screenshot,    // screenshot_btn
};

inline constexpr int kToolButtons = 20;

constexpr int toolButtonIndex(ToolButton b)
{
    return static_cast<int>(b);
}

inline constexpr std::array<std::string_view, kToolButtons> kToolButtonNames{
    "new", "zGradBtn1", "save", "editp", "check", "generate", "geditbtnmain", "mdbtnmain", "settings", "help",
    "exit", "add", "adddir", "addjump", "addurl", "deletef", "sort", "Find", "info_file_btn", "screenshot_btn"};

// Picture names below Files/Images/0/: size digit + name + ".bmp" (1open.bmp).
inline constexpr std::array<std::string_view, kToolButtons> kToolButtonPictures{
    "new", "open", "save", "editp", "check", "build", "cat", "md", "settings", "help",
    "exit", "add", "adddir", "addjump", "addurl", "remove", "sort", "find", "info_f", "screen_f"};

// Button widths of the captioned geometry (symbolheight 0).
inline constexpr std::array<int, kToolButtons> kCaptionedButtonWidths{
    45, 45, 45, 47, 46, 45, 65, 79, 69, 46, 49, 66, 73, 67, 67, 57, 56, 55, 75, 75};

// The five tool bars, numbered as the settings file numbers them.
enum class ToolBar { ProjectControls = 1, EnvironmentControls, VlxControls, ItemControls, ChosenItemControls };

// The tool bar a button sits on: the buttons are numbered bar by bar.
constexpr ToolBar toolBarOf(ToolButton b)
{
    const int i = toolButtonIndex(b);
    if (i <= toolButtonIndex(ToolButton::Build))
        return ToolBar::ProjectControls;
    if (i <= toolButtonIndex(ToolButton::MenuDesign))
        return ToolBar::EnvironmentControls;
    if (i <= toolButtonIndex(ToolButton::Exit))
        return ToolBar::VlxControls;
    if (i <= toolButtonIndex(ToolButton::AddUrl))
        return ToolBar::ItemControls;
    return ToolBar::ChosenItemControls;
}

inline constexpr std::array<std::string_view, 5> kToolBarHints{
    "Project Controls", "Environment Controls", "Vlx Controls", "Item Controls", "Chosen Item Controls"};

}  // namespace qv
