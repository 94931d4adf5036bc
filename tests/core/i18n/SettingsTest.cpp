#include "i18n/Settings.h"

#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

std::vector<std::string> keysInOrder(const std::string& bytes)
{
    std::vector<std::string> keys;
    for (const std::string& line : splitLines(bytes))
        if (const auto eq = line.find('='); eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
    return keys;
}

}  // namespace

TEST(Settings, WithoutAFileEverythingHasItsDefault)
{
    TempDir base;
    const auto file = settingsFile(base.path());
    Settings s;
    loadSettings(file, s);
    WindowPlacement w;
    loadWindowSettings(file, w);

    EXPECT_EQ(s.language, 1);
    EXPECT_TRUE(s.showWelcome && s.showTip && s.showBack);
    EXPECT_EQ(s.grid.mode, 0);
    EXPECT_EQ(colourToText(s.grid.color1), "clSilver");
    EXPECT_EQ(colourToText(s.grid.color2), "clWhite");
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(s.toolbars.bands[static_cast<std::size_t>(n)].toolbar, n + 1);
        EXPECT_FALSE(s.toolbars.bands[static_cast<std::size_t>(n)].newLine);
        EXPECT_TRUE(s.toolbars.visible[static_cast<std::size_t>(n)]);
    }
    EXPECT_TRUE(s.toolbars.titlesChecked);
    EXPECT_TRUE(s.toolbars.captionsShown);
    EXPECT_EQ(s.toolbars.geometry, 1);
    EXPECT_EQ(s.toolbars.pictureSize, 1);
    EXPECT_EQ(loadHeadingNames(file)[2], "Failed");
    EXPECT_EQ(s.grid.widths[0], 50);
    EXPECT_EQ(s.customColours[0], kColourWhite);
    EXPECT_EQ(w.state, WindowState::Maximized);
    EXPECT_EQ(w.width, 635);
    EXPECT_EQ(w.height, 460);
    EXPECT_EQ(Settings().customColours[15], kColourWhite);
}

TEST(Settings, LoadWindowSettingsState)
{
    struct Case {
        const char* file;
        WindowState before;
        WindowState after;
        int width;
        int height;
    };
    const Case cases[] = {
        {"", WindowState::Normal, WindowState::Maximized, 635, 460},
        {"wstate=wsNormal\r\nwwidth=800\r\nwheigth=600\r\n", WindowState::Maximized, WindowState::Normal, 800, 600},
        {"wstate=wsMaximized\r\n", WindowState::Normal, WindowState::Maximized, 635, 460},
        {"wstate=wsMinimized\r\n", WindowState::Normal, WindowState::Normal, 635, 460},
        {"wstate=wsMinimized\r\n", WindowState::Maximized, WindowState::Maximized, 635, 460},
        {"wstate=\r\nwwidth=abc\r\n", WindowState::Normal, WindowState::Normal, 635, 460},
    };
    for (const Case& c : cases) {
        TempDir base;
        writeFile(settingsFile(base.path()), std::string("[settings]\r\n") + c.file);
        WindowPlacement w;
        w.state = c.before;
        loadWindowSettings(settingsFile(base.path()), w);
        EXPECT_EQ(w.state, c.after) << c.file;
        EXPECT_EQ(w.width, c.width) << c.file;
        EXPECT_EQ(w.height, c.height) << c.file;
    }
}

TEST(Settings, TextualFlagsAndUnknownValues)
{
    TempDir base;
    writeFile(settingsFile(base.path()),
              "[settings]\r\nshow_welcome=true\r\nshow_ft=TRUE\r\nshow_back=1\r\ngrid_mode=7\r\nColor1=clRed\r\n"
              "Color2=nonsense\r\nstate_grid_4=hidden\r\nstate_grid_5=gone\r\nsymbolheight=9\r\nsymboltitle=0\r\n"
              "language=9\r\nband0c=3\r\nband1c=0\r\nband2c=1\r\n");
    Settings s;
    s.grid.color2 = rgbColour(1, 2, 3);
    s.toolbars.geometry = 2;
    loadSettings(settingsFile(base.path()), s);
    EXPECT_FALSE(s.showWelcome);  // only the exact text TRUE counts
    EXPECT_TRUE(s.showTip);
    EXPECT_FALSE(s.showBack);
    EXPECT_FALSE(s.grid.mode.has_value());
    EXPECT_EQ(colourToText(s.grid.color1), "clRed");
    EXPECT_EQ(s.grid.color2, rgbColour(1, 2, 3));
    EXPECT_EQ(s.grid.visibility[3], ColumnVisibility::Hidden);
    EXPECT_EQ(s.grid.visibility[4], ColumnVisibility::Unchanged);
    EXPECT_EQ(s.grid.visibility[5], ColumnVisibility::Visible);
    EXPECT_EQ(s.toolbars.geometry, 2);
    EXPECT_FALSE(s.toolbars.captionsShown);
    EXPECT_EQ(s.language, 1);
    // Tool bar 3 moved into band 0; tool bar 1 took its place; band 1's 0 changed nothing.
    EXPECT_EQ(s.toolbars.bands[0].toolbar, 3);
    EXPECT_EQ(s.toolbars.bands[1].toolbar, 2);
    EXPECT_EQ(s.toolbars.bands[2].toolbar, 1);
}

TEST(Settings, SaveWritesEveryKeyInItsOrderAndLoadReadsThemBack)
{
    TempDir base;
    writeFile(base / "p.qvp", "x");
    Settings s;
    s.language = 3;
    s.lastProject = pathText(base / "p.qvp");
    s.showTip = false;
    s.grid.mode = 2;
    s.grid.color1 = rgbColour(0x12, 0x34, 0x56);
    s.grid.visibility[4] = ColumnVisibility::Hidden;
    s.grid.widths[1] = 120;
    s.grid.headingNames[0] = "File Name";
    s.grid.headingNames[1] = "Name";
    s.window = {800, 600, WindowState::Normal};
    s.toolbars.bands[1] = {5, true, 300};
    s.toolbars.bands[4] = {2, false, 40};
    s.toolbars.visible[2] = false;
    s.toolbars.titlesChecked = false;
    s.toolbars.sizeMenuEnabled = true;
    s.toolbars.smallChecked = true;
    s.toolbars.largeChecked = false;
    s.customColours[3] = 0x00FF00;
    s.customColours[4] = 0x8000000F;
    saveSettings(settingsFile(base.path()), s);

    const std::string bytes = readFile(settingsFile(base.path()));
    std::vector<std::string> expected{"last_proj", "language", "show_welcome", "show_ft", "show_back"};
    for (int n = 1; n <= 12; ++n) {
        expected.push_back("state_grid_" + std::to_string(n));
        if (n != 5)
            expected.push_back("grid_" + std::to_string(n));
    }
    for (int n = 1; n <= 12; ++n)
        expected.push_back("celld_" + std::to_string(n));
    for (const char* k : {"grid_mode", "wstate", "wwidth", "wheigth", "Color1", "Color2"})
        expected.push_back(k);
    for (const char* fmt : {"band%dc", "band%d", "band%dw"})
        for (int n = 0; n < 5; ++n) {
            char key[16];
            std::snprintf(key, sizeof key, fmt, n);
            expected.push_back(key);
        }
    for (int n = 1; n <= 5; ++n)
        expected.push_back("tb" + std::to_string(n) + "_v");
    for (const char* k : {"symboltitle_0", "symboltitle", "symbolpics_e", "symbolpics_0", "symbolpics_1", "symbolpics",
                          "symbolheight"})
        expected.push_back(k);
    for (int n = 0; n < 16; ++n)
        expected.push_back("cdlg_c" + std::to_string(n));
    EXPECT_EQ(keysInOrder(bytes), expected);
    EXPECT_EQ(bytes.substr(0, 12), "[settings]\r\n");
    EXPECT_NE(bytes.find("\r\nshow_ft=FALSE\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nColor1=$00563412\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nsymbolheight=2\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\ncdlg_c3=ColorD=00FF00\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\ncdlg_c5=ColorF=FFFFFF\r\n"), std::string::npos);

    Settings back;
    loadSettings(settingsFile(base.path()), back);
    EXPECT_EQ(back.language, 3);
    EXPECT_FALSE(back.showTip);
    EXPECT_EQ(back.grid.mode, 2);
    EXPECT_EQ(back.grid.color1, s.grid.color1);
    EXPECT_EQ(back.grid.visibility[4], ColumnVisibility::Hidden);
    EXPECT_EQ(back.grid.widths[1], 120);
    EXPECT_EQ(loadHeadingNames(settingsFile(base.path()))[0], "File Name");
    EXPECT_EQ(loadHeadingNames(settingsFile(base.path()))[1], "Name");
    EXPECT_EQ(back.toolbars.bands[1].toolbar, 5);
    EXPECT_TRUE(back.toolbars.bands[1].newLine);
    EXPECT_EQ(back.toolbars.bands[1].width, 300);
    EXPECT_EQ(back.toolbars.bands[4].toolbar, 2);
    EXPECT_FALSE(back.toolbars.visible[2]);
    EXPECT_FALSE(back.toolbars.titlesChecked);
    EXPECT_FALSE(back.toolbars.captionsShown);
    EXPECT_TRUE(back.toolbars.smallChecked);
    EXPECT_TRUE(back.toolbars.smallArrow);
    EXPECT_EQ(back.toolbars.pictureSize, 0);
    EXPECT_EQ(back.toolbars.geometry, 2);
    EXPECT_EQ(back.customColours[3], 0x00FF00u);
    EXPECT_EQ(back.customColours[4], 0x8000000Fu);
    EXPECT_EQ(back.customColours[5], kColourWhite);
    EXPECT_EQ(ProfileFile(settingsFile(base.path())).readString("settings", "last_proj", ""), s.lastProject);
}

TEST(Settings, SaveKeepsWhatItMustNotOverwrite)
{
    TempDir base;
    const auto file = settingsFile(base.path());
    writeFile(file, "[settings]\r\nwwidth=800\r\nwheigth=600\r\ngrid_3=77\r\ngrid_mode=1\r\nlast_proj=old\r\n");
    Settings s;
    s.lastProject = pathText(base / "gone.qvp");  // no longer on disk
    s.window.state = WindowState::Maximized;
    s.grid.visibility[2] = ColumnVisibility::Hidden;
    s.grid.mode = std::nullopt;
    saveSettings(file, s);
    const ProfileFile f(file);
    EXPECT_EQ(f.readString("settings", "wstate", ""), "wsMaximized");
    EXPECT_EQ(f.readInteger("settings", "wwidth", 0), 800);
    EXPECT_EQ(f.readInteger("settings", "wheigth", 0), 600);
    EXPECT_EQ(f.readInteger("settings", "grid_3", 0), 77);
    EXPECT_EQ(f.readString("settings", "state_grid_3", ""), "hidden");
    EXPECT_EQ(f.readInteger("settings", "grid_mode", 0), 1);
    EXPECT_EQ(f.readString("settings", "last_proj", ""), "old");

    s.window = {1024, 700, WindowState::Minimized};
    saveSettings(file, s);
    EXPECT_EQ(f.readString("settings", "wstate", ""), "wsNormal");
    EXPECT_EQ(f.readInteger("settings", "wwidth", 0), 800);
}

TEST(Settings, UnwritableFileRaisesTheWriteError)
{
    TempDir base;
    const auto file = settingsFile(base.path());
    writeFile(file, "[settings]\r\nlanguage=2\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
    EXPECT_THROW(saveSettings(file, Settings()), ProfileWriteError);
    EXPECT_EQ(readFile(file), "[settings]\r\nlanguage=2\r\n");
}

TEST(Settings, HeadingsTranslateThroughTheEnglishNames)
{
    Language de;
    const char* words[] = {"Name",        "Dateiname", "CD-Pfad",  "Seriennummer", "CD-Größe", "HD-Größe",
                           "Beschreibung", "Kategorie", "Kopieren", "Quellort",     "Homepage", "Ausführen"};
    for (int f = 1; f <= 12; ++f)
        de.setFieldTitle(f, words[f - 1]);
    de.setText("TYES", "ja");
    de.setText("TNO", "nein");
    struct Case {
        const char* heading;
        const char* english;
    };
    const Case cases[] = {{"Dateiname", "File Name"}, {"KATEGORIE", "Category"}, {"Ausführen", "Execute"},
                          {"JA", "yes"},              {"nein", "no"},            {"Spalte X", "Spalte X"}};
    for (const Case& c : cases)
        EXPECT_EQ(headingToEnglish(de, c.heading), c.english) << c.heading;
    EXPECT_EQ(englishToHeading(de, "file name"), "Dateiname");
    EXPECT_EQ(englishToHeading(de, "Yes"), "ja");
    EXPECT_EQ(englishToHeading(de, "Failed"), std::nullopt);
}

TEST(Settings, ButtonGeometryAndPictures)
{
    EXPECT_EQ(buttonGeometry(0)->widths[7], 79);  // mdbtnmain
    EXPECT_EQ(buttonGeometry(0)->toolbarHeight, 62);
    EXPECT_EQ(buttonGeometry(1)->widths[19], 42);
    EXPECT_EQ(buttonGeometry(2)->height, 26);
    EXPECT_EQ(buttonGeometry(2)->toolbarHeight, 28);
    EXPECT_FALSE(buttonGeometry(3).has_value());
    EXPECT_EQ(toolButtonPicture("/b", 1, ToolButton::Open), std::filesystem::path("/b/Files/Images/0/1open.bmp"));
    EXPECT_EQ(toolButtonPicture("/b", 0, ToolButton::Screenshot),
              std::filesystem::path("/b/Files/Images/0/0screen_f.bmp"));
}
