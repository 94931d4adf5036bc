#include "design/MenuDesign.h"

#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "profile/ProfileFile.h"
#include "util/Colour.h"
#include "util/LegacyCodePage.h"

#include "DesignTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::readFile;
using test::RecordingRegistrar;
using test::TempDir;
using test::writeBmp;
using test::writeFile;

// A design world in a temporary folder: a fonts folder with Arial, the shared
// data module and the current design.
struct DesignFixture {
    TempDir dir;
    FolderFontCatalogue catalogue{dir / "Fonts"};
    RecordingRegistrar registrar;
    DesignFonts fonts{catalogue, registrar};
    ProjectFiles data;
    MenuDesign design{data, fonts};

    DesignFixture()
    {
        writeFile(dir / "Fonts" / "arial.ttf", "arial");
        writeFile(dir / "Fonts" / "arialbd.ttf", "arial bold");
        catalogue.addEntry("Arial (TrueType)", "arial.ttf");
        catalogue.addEntry("Arial Bold (TrueType)", "arialbd.ttf", "Arial");
    }

    std::filesystem::path file(const std::string& name, const std::string& content)
    {
        writeFile(dir / name, content);
        return dir / name;
    }
};

std::string readKey(const std::filesystem::path& file, const char* section, const char* key)
{
    return ProfileFile(file).readString(section, key, "<missing>");
}

TEST(MenuDesignTest, GeneralSectionOnlyReadsAsTheDefaults)
{
    DesignFixture f;
    // A design read before must not leak into the defaults.
    f.design.settings().buttonShadowDepth = 9;
    f.design.settings().texts[0].size = 12;
    f.design.read(f.file("d/only.qvd", "[general]\r\ndesign_mode=band\r\nbutton_mode=band\r\n"));

    const DesignSettings& s = f.design.settings();
    EXPECT_EQ(s, DesignSettings{});
    EXPECT_EQ(s.backStart, 0x000000u);
    EXPECT_EQ(s.backEnd, 0x000000u);
    EXPECT_EQ(s.buttonStart, 0x000000u);
    EXPECT_EQ(s.categoryBox, 0xFFFFFFu);
    EXPECT_EQ(s.fileBox, 0xFFFFFFu);
    EXPECT_EQ(s.detailsBox, 0xFFFFFFu);
    EXPECT_EQ(s.fontFaces, (std::array<std::string, 6>{"Arial", "Arial", "Arial", "Arial", "Arial", "Arial"}));
    EXPECT_TRUE(s.texts[0].bold && s.texts[1].bold && !s.texts[2].bold);
    EXPECT_EQ(s.texts[2].size, 10);
    EXPECT_EQ(s.buttonEffect, ButtonEffect::Shadow);
    EXPECT_EQ(s.buttonBorderWidth, 1);
    EXPECT_EQ(s.buttonShadowDepth, 5);
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.letterCase, kLetterCaseLower);
    EXPECT_TRUE(f.data.Splash_File.empty() && f.data.BMP_File.empty() && f.data.Button_file.empty());
    EXPECT_TRUE(f.data.Icon_File.empty());
    for (const auto& sound : f.data.Sound)
        EXPECT_TRUE(sound.empty());
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.dir / "d" / "only.qvd");
    EXPECT_TRUE(f.registrar.added.empty());  // Arial is installed
}

TEST(MenuDesignTest, MissingFileAndEmptyPathReadAsDefaults)
{
    DesignFixture f;
    f.design.settings().buttonSize = 14;
    f.design.read(f.dir / "nothing.qvd");
    EXPECT_EQ(f.design.settings(), DesignSettings{});
    f.design.settings().buttonSize = 14;
    f.design.read({});
    EXPECT_EQ(f.design.settings(), DesignSettings{});
    EXPECT_TRUE(f.data.menudesign_file.empty());
}

struct IntegerCase {
    const char* line;       // in its section
    const char* section;
    int DesignSettings::*member;
    int expected;
};

TEST(MenuDesignTest, IntegersAreClampedAndSizesKept)
{
    const IntegerCase cases[] = {
        {"btnsd=40", "Buttons", &DesignSettings::buttonShadowDepth, 15},
        {"btnsd=-2", "Buttons", &DesignSettings::buttonShadowDepth, 0},
        {"btnbw=21", "Buttons", &DesignSettings::buttonBorderWidth, 20},
        {"btnbw=abc", "Buttons", &DesignSettings::buttonBorderWidth, 1},
        {"fw=251", "Splash", &DesignSettings::splashFrameWidth, 250},
        {"d=2500", "Splash", &DesignSettings::splashDelaySeconds, 2},
        {"d=999", "Splash", &DesignSettings::splashDelaySeconds, 0},
        {"d=75000", "Splash", &DesignSettings::splashDelaySeconds, 60},
        {"size=14", "Buttons", &DesignSettings::buttonSize, 14},
        {"boxf_bmp=7", "Boxes", &DesignSettings::fileBoxPicture, 7},
        {"Style=5", "Language", &DesignSettings::letterCase, 5},
    };
    for (const auto& c : cases) {
        DesignFixture f;
        writeBmp(f.dir / "d" / "s.bmp", 4, 3);
        const std::string section = c.section;
        const auto path = f.file("d/x.qvd", "[Splash]\r\nbmpalone=s.bmp\r\n" + (section == "Splash" ? "" : "[" + section + "]\r\n")
                                                + c.line + "\r\n");
        f.design.read(path);
        EXPECT_EQ(f.design.settings().*c.member, c.expected) << c.line;
    }
}

TEST(MenuDesignTest, DelayIsReadInSecondsAndWrittenInMilliseconds)
{
    DesignFixture f;
    writeBmp(f.dir / "d" / "s.bmp", 4, 3);
    f.design.read(f.file("d/x.qvd", "[Splash]\r\nbmpalone=s.bmp\r\nd=2500\r\n"));
    f.design.write(f.dir / "out.qvd");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Splash", "d"), "2000");
}

TEST(MenuDesignTest, ChoicesOutsideTheirListAreWrittenAsMinusOne)
{
    DesignFixture f;
    f.design.read(f.file("x.qvd", "[Boxes]\r\nboxc_bmp=3\r\nboxd_bmp=2\r\n[Language]\r\nLanguage=4\r\nStyle=-5\r\n"));
    f.design.write(f.dir / "out.qvd");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Boxes", "boxc_bmp"), "-1");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Boxes", "boxd_bmp"), "2");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Language", "Language"), "-1");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Language", "Style"), "-1");
}

TEST(MenuDesignTest, ColoursReadInAnyFormAndWriteBackByName)
{
    DesignFixture f;
    f.design.read(f.file("x.qvd",
                         "[Back]\r\nbc=clgray\r\nbec=$00030201\r\n[Buttons]\r\nbtnc=197121\r\nbtnec=CLBTNFACE\r\n"
                         "btnFc=clnone\r\n"));
    const DesignSettings& s = f.design.settings();
    EXPECT_EQ(s.backStart, 0x808080u);
    EXPECT_EQ(s.backEnd, rgbColour(1, 2, 3));
    EXPECT_EQ(s.buttonStart, rgbColour(1, 2, 3));
    EXPECT_EQ(s.buttonEnd, 0x8000000Fu);
    EXPECT_EQ(s.buttonText, kColourNone);
    f.design.write(f.dir / "out.qvd");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Back", "bc"), "clGray");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Back", "bec"), "$00030201");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Buttons", "btnec"), "clBtnFace");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Buttons", "btnFc"), "clNone");
    // Defaults spelled in lower case in the table come out with their names.
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Buttons", "btnstyle_sc"), "clGray");
}

TEST(MenuDesignTest, BadColourKeepsItsValueReadCompletesThenReports)
{
    DesignFixture f;
    f.design.settings().buttonEnd = 0x123456;
    writeFile(f.dir / "d" / "back.bmp", test::bmpBytes(2, 2));
    const auto path = f.file("d/x.qvd",
                             "[Buttons]\r\nbtnc=clRed\r\nbtnec=bluish\r\nbtnFc=clLime\r\n[Back]\r\nbmpalone=back.bmp\r\n"
                             "[Language]\r\nLanguage=2\r\n");
    try {
        f.design.read(path);
        FAIL() << "no error";
    } catch (const ColourConversionError& e) {
        EXPECT_STREQ(e.what(), "'bluish' ist kein g\xC3\xBCltiger Integerwert");
    }
    const DesignSettings& s = f.design.settings();
    EXPECT_EQ(s.buttonStart, 0x0000FFu);
    EXPECT_EQ(s.buttonEnd, 0x123456u);
    EXPECT_EQ(s.buttonText, 0x00FF00u);
    EXPECT_EQ(s.language, 2);
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.dir / "d" / "back.bmp");
    EXPECT_EQ(f.data.menudesign_file.fullPath(), path);
}

TEST(MenuDesignTest, EnumerationsKeepThePreviousValueWhenUnrecognised)
{
    DesignFixture f;
    f.design.read(f.file("a.qvd", "[Buttons]\r\neffect=sbs3D\r\nstyle=sbInset\r\n[Back]\r\ntile_mode=tmstretch\r\n"
                                  "[Fonts]\r\nfdnc_effect=tdRaised\r\n"));
    EXPECT_EQ(f.design.settings().buttonEffect, ButtonEffect::ThreeD);

    f.design.read(f.file("b.qvd", "[Buttons]\r\neffect=sbs3d\r\nstyle=SBNORMAL\r\n[Back]\r\ntile_mode=tile\r\n"
                                  "[Fonts]\r\nfdnc_effect=tdnone\r\n"));
    const DesignSettings& s = f.design.settings();
    EXPECT_EQ(s.buttonEffect, ButtonEffect::ThreeD);
    EXPECT_EQ(s.buttonStyle, ButtonStyle::Inset);
    EXPECT_EQ(s.tileMode, TileMode::Stretch);
    EXPECT_EQ(s.texts[2].effect, TextEffect::Raised);

    // A missing key is its default, not "unrecognised".
    f.design.read(f.file("c.qvd", "[general]\r\n"));
    EXPECT_EQ(f.design.settings().buttonEffect, ButtonEffect::Shadow);
    EXPECT_EQ(f.design.settings().tileMode, TileMode::Tile);
}

TEST(MenuDesignTest, FillsKeepAnyTextButBitmapFillNeedsItsPicture)
{
    DesignFixture f;
    f.design.read(f.file("a.qvd", "[general]\r\ndesign_mode=bmp\r\nbutton_mode=bmp\r\n"));
    EXPECT_EQ(f.design.settings().designMode, "band");
    EXPECT_EQ(f.design.settings().buttonMode, "bmp");

    writeBmp(f.dir / "back.bmp", 2, 2);
    f.design.read(f.file("b.qvd", "[general]\r\ndesign_mode=Fancy\r\nbutton_mode=odd\r\n[Back]\r\nbmpalone=back.bmp\r\n"));
    EXPECT_EQ(f.design.settings().designMode, "Fancy");
    f.design.write(f.dir / "out.qvd");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "general", "design_mode"), "Fancy");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "general", "button_mode"), "odd");
}

TEST(MenuDesignTest, CompanionsAreFoundByNameInTheDesignFolderSoundsByPathFirst)
{
    DesignFixture f;
    // The design moved from old/ to new/; old/ still holds one sound.
    const auto oldDir = f.dir / "old";
    const auto newDir = f.dir / "new";
    for (const char* name : {"splash.bmp", "back.bmp", "btn.bmp"})
        writeBmp(newDir / name, 3, 2);
    writeFile(newDir / "menu.ico", "ico");
    writeFile(newDir / "s1.wav", "new s1");
    writeFile(newDir / "s2.wav", "new s2");
    writeFile(oldDir / "s1.wav", "old s1");
    writeBmp(oldDir / "back.bmp", 3, 2);
    const auto o = oldDir.string() + "/";
    const auto path = f.file("new/m.qvd",
                             "[Splash]\r\nbmp=" + o + "splash.bmp\r\nbmpalone=splash.bmp\r\n"
                             "[Icon]\r\nname=" + o + "menu.ico\r\nnamealone=menu.ico\r\n"
                             "[Back]\r\nbmp=" + o + "back.bmp\r\nbmpalone=back.bmp\r\n"
                             "[Buttons]\r\nbtn_bmp=" + o + "btn.bmp\r\nbtn_bmpalone=btn.bmp\r\n"
                             "[Sound]\r\nsound1=" + o + "s1.wav\r\nsound1alone=s1.wav\r\n"
                             "sound2=" + o + "s2.wav\r\nsound2alone=s2.wav\r\nsound3=" + o + "s3.wav\r\nsound3alone=s3.wav\r\n");
    f.design.read(path);
    EXPECT_EQ(f.data.Splash_File.fullPath(), newDir / "splash.bmp");
    EXPECT_EQ(f.data.Icon_File.fullPath(), newDir / "menu.ico");
    EXPECT_EQ(f.data.BMP_File.fullPath(), newDir / "back.bmp");
    EXPECT_EQ(f.data.Button_file.fullPath(), newDir / "btn.bmp");
    EXPECT_EQ(f.data.sound(1).fullPath(), oldDir / "s1.wav");
    EXPECT_EQ(f.data.sound(2).fullPath(), newDir / "s2.wav");
    EXPECT_TRUE(f.data.sound(3).empty());
}

// A design of the old program on a Russian system names its background
// picture in Windows-1251; the picture's name on disk is the same name in UTF-8.
TEST(MenuDesignTest, LegacyTextIsReadInTheInterfaceLanguagesCodePageAndSavedAsUtf8)
{
    DesignFixture f;
    writeBmp(f.dir / "d" / "Фон.bmp", 2, 2);
    const auto path = f.file("d/old.qvd", "[general]\r\ndesign_mode=bmp\r\nbutton_mode=\xCA\xED\xEE\xEF\xEA\xE8\r\n"
                                          "[Back]\r\nbmpalone=\xD4\xEE\xED.bmp\r\n");
    struct Case {
        CodePage codePage;
        std::string buttonMode;  // kept as read
        std::filesystem::path picture;
    };
    const Case cases[] = {
        {CodePage::Windows1251, "Кнопки", f.dir / "d" / "Фон.bmp"},
        {CodePage::Windows1252, "Êíîïêè", {}},
    };
    for (const auto& c : cases) {
        const LegacyCodePage::Scope language(c.codePage);
        f.design.read(path);
        EXPECT_EQ(f.design.settings().buttonMode, c.buttonMode);
        EXPECT_EQ(f.data.BMP_File.fullPath(), c.picture);
    }

    {
        const LegacyCodePage::Scope russian(CodePage::Windows1251);
        f.design.read(path);
        f.design.write(path);
    }
    EXPECT_EQ(readKey(path, "general", "button_mode"), "Кнопки");
    EXPECT_EQ(readKey(path, "Back", "bmpalone"), "Фон.bmp");
    f.design.read(path);
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.dir / "d" / "Фон.bmp");
}

TEST(MenuDesignTest, WithoutSplashPictureTheSectionIsSpelledInLowerCase)
{
    DesignFixture f;
    f.design.settings().splashFrameColour = 0x0000FF;
    f.design.settings().splashFrameWidth = 7;
    f.design.write(f.dir / "out.qvd");
    const std::string text = readFile(f.dir / "out.qvd");
    EXPECT_NE(text.find("[splash]\r\nenabled=0\r\nbmp=\r\nbmpalone=\r\nheight=0\r\nwidth=0\r\nfc=clWhite\r\nfw=0\r\nd=0\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("[Splash]"), std::string::npos);
}

// The runtime reads these bytes: key order, spellings and line ends are a contract.
TEST(MenuDesignTest, WriteProducesTheExactLayout)
{
    DesignFixture f;
    const auto d = f.dir / "Sea";
    writeBmp(d / "splash.bmp", 320, 200);
    writeBmp(d / "back.bmp", 8, 8);
    writeFile(d / "start.wav", "RIFF");
    writeFile(d / "click.wav", "RIFF");
    writeFile(d / "bar.ttf", "font");
    f.design.read(f.file("Sea/Sea.qvd",
                         "[general]\r\ndesign_mode=bmp\r\n[Splash]\r\nbmpalone=splash.bmp\r\nfc=clNavy\r\nfw=2\r\nd=3000\r\n"
                         "[Back]\r\nbmpalone=back.bmp\r\nbc=$00A05020\r\ntile_mode=tmstretch\r\n"
                         "[Buttons]\r\nbtnc=clTeal\r\nsize=11\r\nfont_format=bold\r\neffect=sbs3D\r\n"
                         "[Boxes]\r\nboxc_bmp=1\r\n"
                         "[Fonts]\r\nFont_name_btn_fn=arialbd.ttf\r\nFont_fname_btn_fn=Arial\r\n"
                         "Font_name_Font1Name=bar.ttf\r\nFont_fname_Font1Name=Bar\r\n"
                         "Font_name_cbi=nothere.ttf\r\nFont_fname_cbi=Nothere\r\nfdnc_size=12\r\n"
                         "[Sound]\r\nsound1alone=start.wav\r\nsound3alone=click.wav\r\n"
                         "[Language]\r\nLanguage=1\r\nStyle=2\r\n"));
    f.design.write(d / "Sea.qvd");
    const std::string s = d.string() + "/";
    const std::string expected =
        "[general]\r\ndesign_mode=bmp\r\nbutton_mode=band\r\n"
        "[Splash]\r\nenabled=1\r\nbmp=" + s + "splash.bmp\r\nbmpalone=splash.bmp\r\nheight=200\r\nwidth=320\r\n"
        "fc=clNavy\r\nfw=2\r\nd=3000\r\n"
        "[Icon]\r\nname=\r\nnamealone=\r\n"
        "[Buttons]\r\nbtnc=clTeal\r\nbtnec=clBlack\r\nbtnFc=clBlack\r\nsize=11\r\nbtn_bmp=\r\nbtn_bmpalone=\r\n"
        "btnsd=5\r\nbtnbw=1\r\nbtnbc=clBlack\r\nstyle=sbNormal\r\neffect=sbs3D\r\nfont_effect=tdSunken\r\n"
        "btnstyle_lc=clWhite\r\nbtnstyle_sc=clGray\r\nbuttonshadowcolor=clBlack\r\nfont_format=bold\r\n"
        "[Boxes]\r\nboxc_c=clWhite\r\nboxc_fc=clBlack\r\nboxf_c=clWhite\r\nboxf_fc=clBlack\r\nboxd_c=clWhite\r\n"
        "boxc_bmp=1\r\nboxf_bmp=0\r\nboxd_bmp=0\r\n"
        "[Fonts]\r\nfuc=clBlack\r\nfduc=clBlack\r\nfdnc=clBlack\r\nc_flc=clWhite\r\nc_fsc=clGray\r\n"
        "f_flc=clWhite\r\nf_fsc=clGray\r\nd_flc=clWhite\r\nd_fsc=clGray\r\nfuc_format=bold\r\nfduc_format=bold\r\n"
        "fdnc_format=normal\r\nfuc_effect=tdSunken\r\nfduc_effect=tdSunken\r\nfdnc_effect=tdNone\r\nfuc_size=10\r\n"
        "fduc_size=10\r\nfdnc_size=12\r\n"
        "Font_name_fbi=arial.ttf\r\nFont_fname_fbi=Arial\r\nFont_name_btn_fn=arial.ttf\r\nFont_fname_btn_fn=Arial\r\n"
        "Font_name_Font1Name=bar.ttf\r\nFont_fname_Font1Name=Bar\r\nFont_name_Font2Name=arial.ttf\r\n"
        "Font_fname_Font2Name=Arial\r\nFont_name_Font3Name=arial.ttf\r\nFont_fname_Font3Name=Arial\r\n"
        "[Back]\r\nbc=$00A05020\r\nbec=clBlack\r\nbmp=" + s + "back.bmp\r\nbmpalone=back.bmp\r\ntile_mode=tmstretch\r\n"
        "[Sound]\r\nsound1=" + s + "start.wav\r\nsound1alone=start.wav\r\nsound2=\r\nsound2alone=\r\n"
        "sound3=" + s + "click.wav\r\nsound3alone=click.wav\r\nsound4=\r\nsound4alone=\r\nsound5=\r\nsound5alone=\r\n"
        "[Language]\r\nLanguage=1\r\nStyle=2\r\n";
    EXPECT_EQ(readFile(d / "Sea.qvd"), expected);
}

TEST(MenuDesignTest, WriteThenReadKeepsEveryKey)
{
    DesignFixture f;
    const auto d = f.dir / "Rt";
    writeBmp(d / "sp.bmp", 5, 4);
    writeBmp(d / "bg.bmp", 5, 4);
    writeBmp(d / "bt.bmp", 5, 4);
    writeFile(d / "i.ico", "ico");
    for (int n = 1; n <= 5; ++n)
        writeFile(d / ("s" + std::to_string(n) + ".wav"), "RIFF");
    writeFile(d / "own.ttf", "font");
    f.design.read(f.file("Rt/src.qvd", "[Fonts]\r\nFont_name_Font3Name=own.ttf\r\nFont_fname_Font3Name=Own\r\n"));

    DesignSettings& s = f.design.settings();
    s.designMode = "bmp";
    s.buttonMode = "trans";
    s.splashFrameColour = 0x8000000F;
    s.splashFrameWidth = 250;
    s.splashDelaySeconds = 60;
    s.buttonStart = rgbColour(1, 2, 3);
    s.buttonEnd = kColourNone;
    s.buttonText = 0xFFFF00;
    s.buttonSize = 14;
    s.buttonShadowDepth = 15;
    s.buttonBorderWidth = 0;
    s.buttonBorder = 0x000080;
    s.buttonStyle = ButtonStyle::Offset;
    s.buttonEffect = ButtonEffect::ThreeD;
    s.buttonTextEffect = TextEffect::SunkenShadow;
    s.buttonTextLight = 0x010203;
    s.buttonTextShadow = 0x040506;
    s.buttonShadow = 0x070809;
    s.buttonBold = true;
    s.categoryBox = 0x111111;
    s.categoryBoxText = 0x222222;
    s.fileBox = 0x333333;
    s.fileBoxText = 0x444444;
    s.detailsBox = 0x555555;
    s.categoryBoxPicture = 1;
    s.fileBoxPicture = 2;
    s.detailsBoxPicture = 0;
    s.texts[0] = {0x0A0B0C, 0x0D0E0F, 0x101112, false, TextEffect::Raised, 7};
    s.texts[1] = {0x131415, 0x161718, 0x191A1B, true, TextEffect::Shadow, 12};
    s.texts[2] = {0x1C1D1E, 0x1F2021, 0x222324, true, TextEffect::RaisedShadow, 9};
    s.backStart = 0x800080;
    s.backEnd = 0xC0C0C0;
    s.tileMode = TileMode::Center;
    s.language = 3;
    s.letterCase = kLetterCaseUpper;
    // Every face resolves: a box font without one is left out of the file.
    s.fontFaces = {"Arial", "Arial", "Arial", "Arial", "Arial", "Own"};
    f.data.Splash_File.assign(d / "sp.bmp");
    f.data.BMP_File.assign(d / "bg.bmp");
    f.data.Button_file.assign(d / "bt.bmp");
    f.data.Icon_File.assign(d / "i.ico");
    for (int n = 1; n <= 5; ++n)
        f.data.sound(n).assign(d / ("s" + std::to_string(n) + ".wav"));
    const ProjectFiles before = f.data;
    const DesignSettings written = s;

    f.design.write(d / "rt.qvd");
    const std::string firstBytes = readFile(d / "rt.qvd");

    DesignFixture g;
    g.design.read(d / "rt.qvd");
    EXPECT_EQ(g.design.settings(), written);
    EXPECT_EQ(g.data.Splash_File.fullPath(), before.Splash_File.fullPath());
    EXPECT_EQ(g.data.BMP_File.fullPath(), before.BMP_File.fullPath());
    EXPECT_EQ(g.data.Button_file.fullPath(), before.Button_file.fullPath());
    EXPECT_EQ(g.data.Icon_File.fullPath(), before.Icon_File.fullPath());
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(g.data.sound(n).fullPath(), before.Sound[n - 1].fullPath());
    g.design.write(d / "rt2.qvd");
    std::string second = readFile(d / "rt2.qvd");
    EXPECT_EQ(second, firstBytes);
}

TEST(MenuDesignTest, MissingFontInTheDesignFolderIsRegisteredAndResolvedThroughItsSlot)
{
    DesignFixture f;
    writeFile(f.dir / "d" / "quux.ttf", "quux font");
    f.design.read(f.file("d/q.qvd",
                         "[Fonts]\r\nFont_name_Font1Name=quux.ttf\r\nFont_fname_Font1Name=Quux\r\n"
                         "Font_name_fbi=gone.ttf\r\nFont_fname_fbi=Gone\r\n"
                         "Font_name_btn_fn=gone.ttf\r\nFont_fname_btn_fn=Gone\r\n"));
    ASSERT_EQ(f.registrar.added.size(), 3u);
    EXPECT_EQ(f.fonts.slot(3).path, f.dir / "d" / "quux.ttf");
    EXPECT_EQ(f.design.settings().fontFaces[3], "Quux");
    EXPECT_EQ(f.design.settings().fontFaces[1], "");      // box font not available
    EXPECT_EQ(f.design.settings().fontFaces[2], "Arial");  // button font falls back
    EXPECT_EQ(f.fonts.resolveFontFile("Quux"), "quux.ttf");

    f.design.write(f.dir / "out.qvd");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Fonts", "Font_name_Font1Name"), "quux.ttf");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Fonts", "Font_fname_Font1Name"), "Quux");
    EXPECT_EQ(readKey(f.dir / "out.qvd", "Fonts", "Font_name_fbi"), "<missing>");

    // The next read releases the previous design's fonts.
    f.design.read(f.file("plain.qvd", "[general]\r\n"));
    EXPECT_EQ(f.registrar.removed, (std::vector<std::filesystem::path>{f.dir / "d" / "quux.ttf"}));
    EXPECT_EQ(f.fonts.resolveFontFile("Quux"), std::nullopt);
}

TEST(MenuDesignTest, TextFontWithoutFileKeepsItsFace)
{
    DesignFixture f;
    f.design.settings().fontFaces[4] = "Earlier";
    f.design.read(f.file("x.qvd", "[Fonts]\r\nFont_name_Font2Name=none.ttf\r\nFont_fname_Font2Name=None\r\n"));
    EXPECT_EQ(f.design.settings().fontFaces[4], "Earlier");
}

TEST(MenuDesignTest, StoreUnderANewNameMakesAFolderWithEveryCompanion)
{
    DesignFixture f;
    const auto src = f.dir / "src";
    writeBmp(src / "splash.bmp", 3, 3);
    writeBmp(src / "back.bmp", 3, 3);
    writeBmp(src / "button.bmp", 3, 3);
    writeFile(src / "menu.ico", "ico");
    writeFile(src / "a.wav", "a");
    writeFile(f.dir / "other" / "a.wav", "other a");  // same name, different sound
    writeFile(src / "quux.ttf", "quux");
    f.design.read(f.file("src/src.qvd",
                         "[Splash]\r\nbmpalone=splash.bmp\r\n[Icon]\r\nnamealone=menu.ico\r\n"
                         "[Back]\r\nbmpalone=back.bmp\r\n[Buttons]\r\nbtn_bmpalone=button.bmp\r\n"
                         "[Sound]\r\nsound1alone=a.wav\r\nsound2=" + (f.dir / "other" / "a.wav").string() + "\r\n"
                         "[Fonts]\r\nFont_name_Font1Name=quux.ttf\r\nFont_fname_Font1Name=Quux\r\n"));

    std::filesystem::create_directory(f.dir / "D");
    const auto written = f.design.store(f.dir / "D" / "Sea.qvd");
    const auto sea = f.dir / "D" / "Sea";
    EXPECT_EQ(written, sea / "Sea.qvd");
    for (const char* name : {"Sea.qvd", "splash.bmp", "back.bmp", "button.bmp", "menu.ico", "a.wav", "a_2.wav",
                             "quux.ttf", "arial.ttf"})
        EXPECT_TRUE(std::filesystem::exists(sea / name)) << name;
    EXPECT_EQ(readFile(sea / "a_2.wav"), "other a");
    EXPECT_EQ(f.data.Splash_File.fullPath(), sea / "splash.bmp");
    EXPECT_EQ(f.data.sound(2).fullPath(), sea / "a_2.wav");
    EXPECT_EQ(f.data.menudesign_file.fullPath(), sea / "Sea.qvd");
    EXPECT_EQ(readKey(sea / "Sea.qvd", "Sound", "sound2alone"), "a_2.wav");
    EXPECT_FALSE(std::filesystem::exists(f.dir / "D" / "Sea.qvd"));

    // Stored again over the existing file: written in place.
    EXPECT_EQ(f.design.store(sea / "Sea.qvd"), sea / "Sea.qvd");
    EXPECT_FALSE(std::filesystem::exists(sea / "Sea"));

    // Read back from the new folder, everything is found there.
    DesignFixture g;
    g.design.read(sea / "Sea.qvd");
    EXPECT_EQ(g.data.BMP_File.fullPath(), sea / "back.bmp");
    EXPECT_EQ(g.fonts.slot(3).path, sea / "quux.ttf");
}

TEST(MenuDesignTest, StorePrunesForeignFontsButLeavesSubFolders)
{
    DesignFixture f;
    const auto d = f.dir / "d";
    writeFile(d / "own.ttf", "own");
    writeFile(d / "stale.TTF", "stale");
    writeFile(d / "arial.ttf", "an old copy of arial");
    writeFile(d / "sub" / "keep.ttf", "keep");
    f.design.read(f.file("d/d.qvd", "[Fonts]\r\nFont_name_cbi=own.ttf\r\nFont_fname_cbi=Own\r\n"));
    f.design.store(d / "d.qvd");
    EXPECT_TRUE(std::filesystem::exists(d / "own.ttf"));
    EXPECT_FALSE(std::filesystem::exists(d / "stale.TTF"));
    EXPECT_EQ(readFile(d / "arial.ttf"), "arial");  // the system's copy replaces the old one
    EXPECT_TRUE(std::filesystem::exists(d / "sub" / "keep.ttf"));
}

TEST(MenuDesignTest, StoreCopiesOnlyFontsThatLieInTheFontsFolder)
{
    DesignFixture f;
    writeFile(f.dir / "elsewhere" / "far.ttf", "far");
    f.catalogue.addEntry("Far (TrueType)", (f.dir / "elsewhere" / "far.ttf").string());
    f.design.read(f.file("src/src.qvd", "[Fonts]\r\nFont_name_Font2Name=far.ttf\r\nFont_fname_Font2Name=Far\r\n"));
    ASSERT_EQ(f.design.settings().fontFaces[4], "Far");
    std::filesystem::create_directory(f.dir / "D");
    const auto written = f.design.store(f.dir / "D" / "Far.qvd");
    EXPECT_EQ(readKey(written, "Fonts", "Font_name_Font2Name"), "far.ttf");
    EXPECT_FALSE(std::filesystem::exists(written.parent_path() / "far.ttf"));
    EXPECT_TRUE(std::filesystem::exists(written.parent_path() / "arial.ttf"));
}

TEST(MenuDesignTest, FailedWriteRaisesAndKeepsTheDesignFileAndItsFlag)
{
    DesignFixture f;
    const auto path = f.file("ok.qvd", "[general]\r\n");
    f.design.read(path);
    f.design.setModified(true);
    EXPECT_THROW(f.design.write(f.dir / "no" / "such" / "folder.qvd"), ProfileWriteError);
    std::filesystem::create_directories(f.dir / "taken.qvd");
    EXPECT_THROW(f.design.write(f.dir / "taken.qvd"), ProfileWriteError);
    EXPECT_EQ(f.data.menudesign_file.fullPath(), path);
    EXPECT_TRUE(f.design.modified());
}

TEST(MenuDesignTest, BitmapSizeReadsBothHeaderKinds)
{
    TempDir dir;
    writeBmp(dir / "a.bmp", 17, 9);
    EXPECT_EQ(bitmapSize(dir / "a.bmp").width, 17);
    EXPECT_EQ(bitmapSize(dir / "a.bmp").height, 9);
    std::string core = "BM" + std::string(12, '\0') + std::string("\x0C\0\0\0\x20\0\x10\0\x01\0\x18\0", 12);
    writeFile(dir / "core.bmp", core);
    EXPECT_EQ(bitmapSize(dir / "core.bmp").width, 32);
    EXPECT_EQ(bitmapSize(dir / "core.bmp").height, 16);
    writeFile(dir / "x.jpg", "\xFF\xD8\xFF");
    EXPECT_EQ(bitmapSize(dir / "x.jpg").width, 0);
}

TEST(MenuDesignTest, ABuiltCdsDesignFindsItsRenamedCompanions)
{
    // A CD's CFG/: the design file as it was, its pictures and sounds under the
    // names the build gives them (in upper case, as some CD file systems show them).
    DesignFixture f;
    writeBmp(f.dir / "CFG" / "BACK.BMP", 4, 3);
    writeBmp(f.dir / "CFG" / "splash.bmp", 4, 3);
    writeFile(f.dir / "CFG" / "Sound2.wav", "RIFF");
    const auto design = f.file("CFG/design.cfg",
                               "[general]\r\ndesign_mode=bmp\r\n[Back]\r\nbmpalone=ocean_back.bmp\r\n"
                               "[Splash]\r\nbmpalone=ocean_splash.bmp\r\nfc=clRed\r\nfw=3\r\nd=4000\r\n"
                               "[Sound]\r\nsound2alone=ocean_standard.wav\r\n");

    f.design.read(design);
    EXPECT_TRUE(f.data.BMP_File.empty());
    EXPECT_EQ(f.design.settings().designMode, "band");
    EXPECT_EQ(f.design.settings().splashFrameWidth, 1);

    f.design.read(design, MenuDesign::Companions::AsBuilt);
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.dir / "CFG" / "BACK.BMP");
    EXPECT_EQ(f.design.settings().designMode, "bmp");
    EXPECT_EQ(f.data.Splash_File.fullPath(), f.dir / "CFG" / "splash.bmp");
    EXPECT_EQ(f.design.settings().splashFrameColour, rgbColour(255, 0, 0));
    EXPECT_EQ(f.design.settings().splashFrameWidth, 3);
    EXPECT_EQ(f.design.settings().splashDelaySeconds, 4);
    EXPECT_EQ(f.data.sound(2).fullPath(), f.dir / "CFG" / "Sound2.wav");
    EXPECT_TRUE(f.data.sound(1).empty());
}

}  // namespace
}  // namespace qv
