#include "i18n/Settings.h"

#include "i18n/Language.h"
#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace qv {

namespace {

constexpr const char* kSection = "settings";

std::string numbered(const char* prefix, int n, const char* suffix = "")
{
    return prefix + std::to_string(n) + suffix;
}

// TRUE/FALSE texts: only the exact text "TRUE" counts as true.
bool readTrueFalse(const ProfileFile& f, const char* key)
{
    return f.readString(kSection, key, "TRUE") == "TRUE";
}

void writeTrueFalse(ProfileFile& f, const char* key, bool value)
{
    f.writeString(kSection, key, value ? "TRUE" : "FALSE");
}

}  // namespace

GridSettings::GridSettings()
{
    headingNames.fill("Failed");
    visibility.fill(ColumnVisibility::Visible);
    widths.fill(50);
}

void ToolbarLayout::placeToolbar(int band, int toolbar)
{
    if (band < 0 || band > 4 || toolbar < 1 || toolbar > 5)
        return;
    const auto it = std::find_if(bands.begin(), bands.end(), [&](const ToolBand& b) { return b.toolbar == toolbar; });
    if (it != bands.end())
        it->toolbar = bands[static_cast<std::size_t>(band)].toolbar;
    bands[static_cast<std::size_t>(band)].toolbar = toolbar;
}

std::optional<ButtonGeometry> buttonGeometry(int value)
{
    ButtonGeometry g{};
    switch (value) {
    case 0:
        g.widths = kCaptionedButtonWidths;
        g.height = 60;
        g.toolbarHeight = 62;
        return g;
    case 1:
        g.widths.fill(42);
        g.height = 42;
        g.toolbarHeight = 44;
        return g;
    case 2:
        g.widths.fill(26);
        g.height = 26;
        g.toolbarHeight = 28;
        return g;
    default:
        // Zero-height buttons would make every tool bar vanish: an unknown
        // value keeps the geometry the buttons have.
        return std::nullopt;
    }
}

std::filesystem::path toolButtonPicture(const std::filesystem::path& baseDir, int size, ToolButton button)
{
    const auto name = kToolButtonPictures[static_cast<std::size_t>(toolButtonIndex(button))];
    return baseDir / "Files" / "Images" / "0" / (std::to_string(size) + std::string(name) + ".bmp");
}

namespace {

// The file keeps each custom colour as "ColorA=FFFFFF" .. "ColorP=FFFFFF":
// the letter of its place and the colour value in hexadecimal.
std::string customColourText(std::size_t index, ColourValue colour)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", colour);
    return std::string("Color") + static_cast<char>('A' + index) + "=" + hex;
}

// An empty or unreadable entry leaves the place white (free).
ColourValue customColourFromText(std::string_view text)
{
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq + 1 >= text.size())
        return kColourWhite;
    const auto value = colourFromText("$" + std::string(text.substr(eq + 1)));
    return value ? *value : kColourWhite;
}

}  // namespace

std::string headingToEnglish(const Language& language, std::string_view heading)
{
    for (int field = 1; field <= kGridFields; ++field)
        if (iequals(heading, language.fieldTitle(field)))
            return std::string(kFieldEnglishNames[static_cast<std::size_t>(field - 1)]);
    if (iequals(heading, language.yesWord()))
        return "yes";
    if (iequals(heading, language.noWord()))
        return "no";
    return std::string(heading);
}

std::optional<std::string> englishToHeading(const Language& language, std::string_view englishName)
{
    for (int field = 1; field <= kGridFields; ++field)
        if (iequals(englishName, kFieldEnglishNames[static_cast<std::size_t>(field - 1)]))
            return language.fieldTitle(field);
    if (iequals(englishName, "yes"))
        return language.yesWord();
    if (iequals(englishName, "no"))
        return language.noWord();
    return std::nullopt;
}

std::filesystem::path settingsFile(const std::filesystem::path& baseDir)
{
    return baseDir / "quenvar.dat";
}

void loadWindowSettings(const std::filesystem::path& file, WindowPlacement& window)
{
    ProfileBatch batch;
    const ProfileFile f(file, &batch);
    window.width = f.readInteger(kSection, "wwidth", 635);
    window.height = f.readInteger(kSection, "wheigth", 460);
    // Two reads with different defaults: a missing key passes the second test
    // and ends maximised; any other text passes neither.
    if (f.readString(kSection, "wstate", "wsNormal") == "wsNormal")
        window.state = WindowState::Normal;
    if (f.readString(kSection, "wstate", "wsMaximized") == "wsMaximized")
        window.state = WindowState::Maximized;
}

int loadLanguageNumber(const std::filesystem::path& file)
{
    const int n = ProfileFile(file).readInteger(kSection, "language", 1);
    // A number without a language file would leave every text of every window empty.
    return n >= 1 && n <= 4 ? n : 1;
}

std::array<std::string, kGridFields> loadHeadingNames(const std::filesystem::path& file)
{
    ProfileBatch batch;
    const ProfileFile f(file, &batch);
    std::array<std::string, kGridFields> names;
    for (int n = 1; n <= kGridFields; ++n)
        names[static_cast<std::size_t>(n - 1)] = f.readString(kSection, numbered("celld_", n), "Failed");
    return names;
}

void loadSettings(const std::filesystem::path& file, Settings& s)
{
    ProfileBatch batch;
    const ProfileFile f(file, &batch);

    s.language = loadLanguageNumber(file);
    s.showWelcome = readTrueFalse(f, "show_welcome");
    s.showTip = readTrueFalse(f, "show_ft");
    s.showBack = readTrueFalse(f, "show_back");

    const int mode = f.readInteger(kSection, "grid_mode", 0);
    s.grid.mode = mode >= 0 && mode <= 2 ? std::optional<int>(mode) : std::nullopt;

    if (const auto c = colourFromText(f.readString(kSection, "Color1", "clSilver")))
        s.grid.color1 = *c;
    if (const auto c = colourFromText(f.readString(kSection, "Color2", "clWhite")))
        s.grid.color2 = *c;

    ToolbarLayout& t = s.toolbars;
    for (int n = 0; n < 5; ++n) {
        t.placeToolbar(n, f.readInteger(kSection, numbered("band", n, "c"), n + 1));
        auto& band = t.bands[static_cast<std::size_t>(n)];
        band.newLine = f.readBool(kSection, numbered("band", n), false);
        band.width = f.readInteger(kSection, numbered("band", n, "w"), 10);
    }
    for (int n = 1; n <= 5; ++n)
        t.visible[static_cast<std::size_t>(n - 1)] = f.readBool(kSection, numbered("tb", n, "_v"), true);

    t.titlesChecked = f.readBool(kSection, "symboltitle_0", true);
    t.arrowRightOfCaption = t.titlesChecked;
    t.sizeMenuEnabled = f.readBool(kSection, "symbolpics_e", false);
    t.smallChecked = f.readBool(kSection, "symbolpics_0", false);
    t.largeChecked = f.readBool(kSection, "symbolpics_1", true);
    t.smallArrow = t.smallChecked;

    const int titles = f.readInteger(kSection, "symboltitle", 1);
    if (titles == 0 || titles == 1)
        t.captionsShown = titles == 1;
    const int pics = f.readInteger(kSection, "symbolpics", 1);
    if (pics == 0 || pics == 1)
        t.pictureSize = pics;
    const int height = f.readInteger(kSection, "symbolheight", 1);
    if (buttonGeometry(height))
        t.geometry = height;

    for (int i = 0; i < 16; ++i)
        s.customColours[static_cast<std::size_t>(i)] = customColourFromText(f.readString(kSection, numbered("cdlg_c", i), ""));

    for (int n = 1; n <= kGridFields; ++n) {
        const std::string state = f.readString(kSection, numbered("state_grid_", n), "visible");
        auto& v = s.grid.visibility[static_cast<std::size_t>(n - 1)];
        if (state == "visible")
            v = ColumnVisibility::Visible;
        else if (state == "hidden")
            v = ColumnVisibility::Hidden;
        else
            v = ColumnVisibility::Unchanged;
    }
    for (int n = 0; n <= kGridFields; ++n)
        s.grid.widths[static_cast<std::size_t>(n)] = f.readInteger(kSection, numbered("grid_", n), 50);
}

void saveSettings(const std::filesystem::path& file, const Settings& s)
{
    ProfileBatch batch;
    ProfileFile f(file, &batch);

    std::error_code ec;
    if (!s.lastProject.empty() && std::filesystem::is_regular_file(pathFromText(s.lastProject), ec))
        f.writeString(kSection, "last_proj", s.lastProject);

    f.writeInteger(kSection, "language", s.language);
    writeTrueFalse(f, "show_welcome", s.showWelcome);
    writeTrueFalse(f, "show_ft", s.showTip);
    writeTrueFalse(f, "show_back", s.showBack);

    // A hidden column keeps the width it had when it was last shown.
    for (int n = 1; n <= kGridFields; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (s.grid.visibility[i] == ColumnVisibility::Hidden) {
            f.writeString(kSection, numbered("state_grid_", n), "hidden");
        } else {
            f.writeString(kSection, numbered("state_grid_", n), "visible");
            f.writeInteger(kSection, numbered("grid_", n), s.grid.widths[static_cast<std::size_t>(n)]);
        }
    }
    for (int n = 1; n <= kGridFields; ++n)
        f.writeString(kSection, numbered("celld_", n), s.grid.headingNames[static_cast<std::size_t>(n - 1)]);
    if (s.grid.mode)
        f.writeInteger(kSection, "grid_mode", *s.grid.mode);

    switch (s.window.state) {
    case WindowState::Normal:
        f.writeString(kSection, "wstate", "wsNormal");
        f.writeInteger(kSection, "wwidth", s.window.width);
        f.writeInteger(kSection, "wheigth", s.window.height);
        break;
    case WindowState::Maximized:
        f.writeString(kSection, "wstate", "wsMaximized");
        break;
    case WindowState::Minimized:
        f.writeString(kSection, "wstate", "wsNormal");
        break;
    }

    f.writeString(kSection, "Color1", colourToText(s.grid.color1));
    f.writeString(kSection, "Color2", colourToText(s.grid.color2));

    const ToolbarLayout& t = s.toolbars;
    for (int n = 0; n < 5; ++n)
        f.writeInteger(kSection, numbered("band", n, "c"), t.bands[static_cast<std::size_t>(n)].toolbar);
    for (int n = 0; n < 5; ++n)
        f.writeBool(kSection, numbered("band", n), t.bands[static_cast<std::size_t>(n)].newLine);
    for (int n = 0; n < 5; ++n)
        f.writeInteger(kSection, numbered("band", n, "w"), t.bands[static_cast<std::size_t>(n)].width);
    for (int n = 1; n <= 5; ++n)
        f.writeBool(kSection, numbered("tb", n, "_v"), t.visible[static_cast<std::size_t>(n - 1)]);

    f.writeBool(kSection, "symboltitle_0", t.titlesChecked);
    f.writeInteger(kSection, "symboltitle", t.titlesChecked ? 1 : 0);
    f.writeBool(kSection, "symbolpics_e", t.sizeMenuEnabled);
    f.writeBool(kSection, "symbolpics_0", t.smallChecked);
    f.writeBool(kSection, "symbolpics_1", t.largeChecked);
    f.writeInteger(kSection, "symbolpics", t.smallChecked ? 0 : 1);
    f.writeInteger(kSection, "symbolheight", t.titlesChecked ? 0 : (t.smallChecked ? 2 : 1));

    for (int i = 0; i < 16; ++i)
        f.writeString(kSection, numbered("cdlg_c", i), customColourText(static_cast<std::size_t>(i), s.customColours[static_cast<std::size_t>(i)]));

    batch.flush();
}

}  // namespace qv
