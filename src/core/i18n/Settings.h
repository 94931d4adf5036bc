#pragma once

#include "ui/ToolButtons.h"
#include "util/Colour.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qv {

enum class WindowState { Normal, Maximized, Minimized };

// The main window's size and state. The designed state is normal.
struct WindowPlacement {
    int width = 635;
    int height = 460;
    WindowState state = WindowState::Normal;
};

enum class ColumnVisibility { Visible, Hidden, Unchanged };

inline constexpr int kGridFields = 12;

// The item table's layout as the settings file keeps it. The table fills it
// before a save and reads it after a load; it owns the columns themselves.
struct GridSettings {
    // celld_1..celld_12: the English field name of the heading at column
    // position n, written at save; loadHeadingNames gives the raw texts
    // ("Failed" when missing).
    std::array<std::string, kGridFields> headingNames;
    // state_grid_1..12: saved by column position, loaded by field number;
    // a text other than "visible" or "hidden" loads as Unchanged.
    std::array<ColumnVisibility, kGridFields> visibility;
    // grid_0..grid_12 in pixels; grid_0 is read but never written.
    std::array<int, kGridFields + 1> widths;
    // 0 None, 1 Column Move, 2 Quick Sort; no value: no mode (dragging and
    // heading sort both allowed), and nothing is saved.
    std::optional<int> mode = 0;
    ColourValue color1 = rgbColour(0xC0, 0xC0, 0xC0);  // clSilver
    ColourValue color2 = rgbColour(0xFF, 0xFF, 0xFF);  // clWhite

    GridSettings();
};

// One band of the tool bar area.
struct ToolBand {
    int toolbar = 1;  // 1..5, see ToolBar
    bool newLine = false;
    int width = 10;
};

// Tool bars and the look of the tool buttons.
struct ToolbarLayout {
    std::array<ToolBand, 5> bands{{{1}, {2}, {3}, {4}, {5}}};
    std::array<bool, 5> visible{true, true, true, true, true};  // tool bar 1..5
    // Menu state.
    bool titlesChecked = true;     // symboltitle_0: View Control, button titles
    bool sizeMenuEnabled = false;  // symbolpics_e: the button size submenu
    bool smallChecked = false;     // symbolpics_0
    bool largeChecked = true;      // symbolpics_1
    // What the buttons show.
    bool captionsShown = true;  // symboltitle
    int pictureSize = 1;        // symbolpics: 0 small, 1 large
    int geometry = 1;           // symbolheight: 0 captioned, 1 large, 2 small
    bool arrowRightOfCaption = true;  // the settings button's drop-down arrow
    bool smallArrow = false;

    bool toolbarVisible(ToolBar t) const { return visible[static_cast<std::size_t>(static_cast<int>(t) - 1)]; }
    // Puts tool bar t into band n; the tool bar that stood there takes t's old band.
    void placeToolbar(int band, int toolbar);
};

struct ButtonGeometry {
    std::array<int, kToolButtons> widths;
    int height;
    int toolbarHeight;
};
// 0 captioned, 1 large, 2 small; another value changes nothing (nullopt).
std::optional<ButtonGeometry> buttonGeometry(int value);

// Files/Images/0/<size><name>.bmp below the base directory: a strip of three
// equal images for the button's states.
std::filesystem::path toolButtonPicture(const std::filesystem::path& baseDir, int size, ToolButton button);

// The user's preferences, kept in quenvar.dat, section settings.
struct Settings {
    int language = 1;
    // The project file open at exit; written only when that file exists.
    std::string lastProject;
    bool showWelcome = true;
    bool showTip = true;
    bool showBack = true;
    GridSettings grid;
    WindowPlacement window;
    ToolbarLayout toolbars;
    CustomColours customColours = whiteCustomColours();
};

class Language;

// The English field names, the vocabulary of the celld_<n> keys.
inline constexpr std::array<std::string_view, kGridFields> kFieldEnglishNames{
    "Name", "File Name", "CD Path", "Serial", "CD Size", "HD Size", "Description", "Category", "Copy",
    "File Source Location", "Homepage", "Execute"};

// A heading word of the language back to its English name, ignoring ASCII
// case; the yes and no words give "yes" and "no". A heading that is none of
// them is kept as its own text.
std::string headingToEnglish(const Language& language, std::string_view heading);
// An English name (or "yes"/"no"), ignoring ASCII case, to the language's
// heading word; nothing when the name is none of them.
std::optional<std::string> englishToHeading(const Language& language, std::string_view englishName);

std::filesystem::path settingsFile(const std::filesystem::path& baseDir);

// At the creation of the main window: wwidth, wheigth, then wstate, so a
// missing wstate ends maximised and an unknown one leaves the state as it is.
void loadWindowSettings(const std::filesystem::path& file, WindowPlacement& window);
// The language number alone, read before the language is applied at start.
int loadLanguageNumber(const std::filesystem::path& file);
// celld_1..celld_12, read when the language is applied at start.
std::array<std::string, kGridFields> loadHeadingNames(const std::filesystem::path& file);
// The rest, in the order of start-up; texts that are not understood leave the
// value as it was.
void loadSettings(const std::filesystem::path& file, Settings& settings);
// Writes every key once, in the order a new file receives them. Raises
// ProfileWriteError when the file can't be written.
void saveSettings(const std::filesystem::path& file, const Settings& settings);

}  // namespace qv
