#include "design/DesignEditor.h"

#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/DesignPreview.h"
#include "design/FontCatalogue.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"

#include "DesignTestSupport.h"
#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::FakeUi;
using test::readFile;
using test::RecordingRegistrar;
using test::TempDir;
using test::writeBmp;
using test::writeFile;

class RecordingHost final : public DesignEditorHost {
public:
    int projectModified = 0;
    std::vector<std::filesystem::path> previews;
    int about = 0;
    void setProjectModified() override { ++projectModified; }
    void showPicturePreview(const std::filesystem::path& picture) override { previews.push_back(picture); }
    void showAbout() override { ++about; }
};

// A base directory with the standard design, picture and sound folders.
struct EditorFixture {
    TempDir base;
    FolderFontCatalogue catalogue{base / "Fonts"};
    RecordingRegistrar registrar;
    DesignFonts fonts{catalogue, registrar};
    ProjectFiles data;
    MenuDesign design{data, fonts};
    FakeUi ui;
    Language language;
    RecordingHost host;
    CustomColours customColours = whiteCustomColours();
    DesignEditor form{ui, language, base.path(), design, host, customColours};
    std::string standardBytes;

    EditorFixture()
    {
        writeFile(base / "Fonts" / "arial.ttf", "arial");
        catalogue.addEntry("Arial (TrueType)", "arial.ttf");
        standardBytes = "[general]\r\ndesign_mode=band\r\nbutton_mode=band\r\n[Back]\r\nbc=clNavy\r\nbec=clTeal\r\n";
        writeFile(base / "Files" / "Standard.qvd", standardBytes);
        writeBmp(base / "back" / "sky.bmp", 4, 4);
        writeBmp(base / "back" / "btn.bmp", 4, 2);
        writeFile(base / "Sounds" / "ding.wav", "RIFF ding");
        writeFile(base / "Sounds" / "dong.wav", "RIFF dong");
        std::filesystem::create_directories(base / "menudesign");
        for (const char* key : {"M40", "M41", "M42", "M43", "M44", "M45", "M46"})
            language.setMessage(key, std::string("text of ") + key);
        language.setText("T47", "Menu Design");
    }

    std::filesystem::path standard() const { return base / "Files" / "Standard.qvd"; }
};

TEST(DesignEditorTest, OpeningReadsTheStandardDesignWhenNoneIsSet)
{
    EditorFixture f;
    f.form.prepare();
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.standard());
    EXPECT_EQ(f.design.settings().backStart, 0x800000u);
    EXPECT_EQ(f.form.caption(), "Menu Design - " + f.standard().string());
    EXPECT_EQ(f.form.designAtOpening(), f.standard());
    EXPECT_EQ(f.form.page(), DesignPage::Background);
    EXPECT_FALSE(f.design.modified());
}

TEST(DesignEditorTest, SaveOfTheStandardDesignAsksForANewNameAndLeavesItAlone)
{
    EditorFixture f;
    f.form.prepare();
    f.form.tileModeChange(TileMode::Stretch);
    f.ui.fileAnswers.push_back(f.base / "menudesign" / "Sea.qvd");
    f.form.saveClick();

    ASSERT_EQ(f.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(f.ui.fileDialogs[0].initialDir, f.base / "menudesign");
    EXPECT_EQ(f.ui.fileDialogs[0].filters[0].first, "Krynt - Quenvar - Designfile");
    const auto sea = f.base / "menudesign" / "Sea" / "Sea.qvd";
    EXPECT_TRUE(std::filesystem::exists(sea));
    EXPECT_EQ(ProfileFile(sea).readString("Back", "tile_mode", ""), "tmstretch");
    EXPECT_EQ(readFile(f.standard()), f.standardBytes);
    EXPECT_EQ(f.data.menudesign_file.fullPath(), sea);
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M43"});
    EXPECT_GE(f.host.projectModified, 1);
    EXPECT_FALSE(f.design.modified());
}

TEST(DesignEditorTest, SaveOfAnotherDesignStoresInPlace)
{
    EditorFixture f;
    writeFile(f.base / "menudesign" / "Own" / "Own.qvd", "[general]\r\n");
    f.data.menudesign_file.assign(f.base / "menudesign" / "Own" / "Own.qvd");
    f.form.prepare();
    f.form.btnShadowDepthChange(9);
    f.form.saveClick();
    EXPECT_TRUE(f.ui.fileDialogs.empty());
    EXPECT_EQ(ProfileFile(f.base / "menudesign" / "Own" / "Own.qvd").readString("Buttons", "btnsd", ""), "9");
}

struct OkCase {
    const char* what;
    bool edit;
    std::vector<MsgResult> answers;
    std::optional<std::filesystem::path> saveAnswer;  // relative to menudesign/
    bool closes;
    std::vector<std::string> messages;
};

TEST(DesignEditorTest, OkAsksToSaveOnlyAfterEdits)
{
    const OkCase cases[] = {
        {"no edit", false, {}, std::nullopt, true, {}},
        {"edit, cancel the question", true, {MsgResult::Cancel}, std::nullopt, false, {"M40"}},
        {"edit, save under a new name", true, {MsgResult::Ok}, "Sun.qvd", true, {"M40", "M43"}},
        {"edit, save dialog cancelled", true, {MsgResult::Ok}, std::nullopt, false, {"M40"}},
    };
    for (const auto& c : cases) {
        EditorFixture f;
        f.form.prepare();
        if (c.edit)
            f.form.btnBorderWidthChange(4);
        f.ui.messageAnswers.assign(c.answers.begin(), c.answers.end());
        if (c.saveAnswer)
            f.ui.fileAnswers.push_back(f.base / "menudesign" / *c.saveAnswer);
        else if (c.answers == std::vector<MsgResult>{MsgResult::Ok})
            f.ui.fileAnswers.push_back(std::nullopt);
        f.form.okClick();
        EXPECT_EQ(!f.form.isOpen(), c.closes) << c.what;
        EXPECT_EQ(f.ui.messageKeys(), c.messages) << c.what;
        if (c.edit) {
            EXPECT_EQ(f.design.settings().buttonBorderWidth, 4) << c.what;
        }
    }
}

TEST(DesignEditorTest, OkWithoutADesignFileShowsM41AndStaysOpen)
{
    EditorFixture f;
    std::filesystem::remove(f.standard());
    f.form.prepare();
    f.form.btnBorderWidthChange(4);
    f.ui.messageAnswers = {MsgResult::Cancel};
    f.form.okClick();
    EXPECT_EQ(f.ui.messageKeys(), (std::vector<std::string>{"M40", "M41"}));
    EXPECT_TRUE(f.form.isOpen());
}

TEST(DesignEditorTest, ClearingSplashOrIconAloneClosesWithoutAsking)
{
    EditorFixture f;
    const auto d = f.base / "menudesign" / "Pic";
    writeBmp(d / "s.bmp", 2, 2);
    writeFile(d / "i.ico", "ico");
    writeFile(d / "Pic.qvd", "[Splash]\r\nbmpalone=s.bmp\r\n[Icon]\r\nnamealone=i.ico\r\n");
    const std::string before = readFile(d / "Pic.qvd");
    f.data.menudesign_file.assign(d / "Pic.qvd");
    f.form.prepare();
    ASSERT_TRUE(f.form.splashSet() && f.form.iconSet());
    f.form.splashClearClick();
    f.form.iconClearClick();
    EXPECT_EQ(f.form.shownIcon(), f.base / "Files" / "rnv.ico");
    f.form.okClick();
    EXPECT_FALSE(f.form.isOpen());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(readFile(d / "Pic.qvd"), before);
}

TEST(DesignEditorTest, CancelAfterLoadReturnsToTheDesignOfTheOpening)
{
    EditorFixture f;
    writeFile(f.base / "menudesign" / "B" / "B.qvd", "[Back]\r\nbc=clRed\r\n");
    f.form.prepare();
    f.ui.fileAnswers.push_back(f.base / "menudesign" / "B" / "B.qvd");
    f.form.loadClick();
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.base / "menudesign" / "B" / "B.qvd");
    EXPECT_EQ(f.host.projectModified, 1);
    f.form.cancelClick();
    EXPECT_FALSE(f.form.isOpen());
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.standard());
    // The loaded settings stay until the next read.
    EXPECT_EQ(f.design.settings().backStart, 0x0000FFu);
}

TEST(DesignEditorTest, NewReadsTheStandardDesignAgain)
{
    EditorFixture f;
    writeFile(f.base / "menudesign" / "B" / "B.qvd", "[Back]\r\nbc=clRed\r\n");
    f.data.menudesign_file.assign(f.base / "menudesign" / "B" / "B.qvd");
    f.form.prepare();
    f.form.newClick();
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.standard());
    EXPECT_EQ(f.design.settings().backStart, 0x800000u);
    EXPECT_EQ(f.host.projectModified, 1);
}

TEST(DesignEditorTest, BoxPicturesNeedTheirFill)
{
    EditorFixture f;
    f.form.prepare();
    f.form.boxBitmapChange(MenuText::File, kBoxPictureButton);
    EXPECT_EQ(f.design.settings().fileBoxPicture, kBoxPictureNone);
    f.form.boxBitmapChange(MenuText::Details, kBoxPictureBackground);
    EXPECT_EQ(f.design.settings().detailsBoxPicture, kBoxPictureNone);
    EXPECT_EQ(f.ui.messageKeys(), (std::vector<std::string>{"M46", "M45"}));

    f.ui.fileAnswers.push_back(f.base / "back" / "btn.bmp");
    f.form.btnLoadBitmapClick();
    EXPECT_EQ(f.design.settings().buttonMode, "bmp");
    f.form.boxBitmapChange(MenuText::File, kBoxPictureButton);
    EXPECT_EQ(f.design.settings().fileBoxPicture, kBoxPictureButton);

    // The background's band mode also returns a button picture choice to none.
    f.form.bgSetBandModeClick();
    EXPECT_EQ(f.design.settings().fileBoxPicture, kBoxPictureNone);
    EXPECT_EQ(f.design.settings().buttonMode, "bmp");
}

TEST(DesignEditorTest, BitmapModesNeedALoadedPicture)
{
    EditorFixture f;
    f.form.prepare();
    f.form.bgSetBitmapModeClick();
    f.form.bgClearBitmapClick();
    f.form.btnSetBitmapModeClick();
    f.form.btnClearBitmapClick();
    EXPECT_EQ(f.ui.messageKeys(), (std::vector<std::string>{"M42", "M42", "M42", "M42"}));
    EXPECT_EQ(f.design.settings().designMode, "band");
    EXPECT_FALSE(f.design.modified());

    f.ui.fileAnswers.push_back(f.base / "back" / "sky.bmp");
    f.form.bgLoadBitmapClick();
    EXPECT_EQ(f.ui.fileDialogs.back().initialDir, f.base / "back");
    EXPECT_EQ(f.design.settings().designMode, "bmp");
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.base / "back" / "sky.bmp");
    f.form.bgClearBitmapClick();
    EXPECT_TRUE(f.data.BMP_File.empty());
    EXPECT_EQ(f.design.settings().designMode, "band");
    EXPECT_FALSE(f.form.backgroundLoaded());
}

TEST(DesignEditorTest, CustomColoursTakeOnlyColoursTheDialogLacks)
{
    struct Case {
        const char* what;
        ColourValue current;
        std::array<ColourValue, 3> firstThree;
        bool fullList;
        int changedIndex;  // -1: none
    };
    const Case cases[] = {
        {"basic colour", 0x808040, {0x000001, 0x000002, 0x000003}, false, -1},
        {"already a custom colour", 0x000002, {0x000001, 0x000002, 0x000003}, false, -1},
        {"first white entry", 0x123456, {0x000001, 0x000002, 0x000003}, false, 3},
        {"eight-digit white counts as free", 0x123456, {0x000001, 0xFFFFFFFF, 0x000003}, false, 1},
        {"none free: A", 0x8000000F, {0x000001, 0x000002, 0x000003}, true, 0},
    };
    for (const auto& c : cases) {
        EditorFixture f;
        f.form.prepare();
        auto& custom = f.form.customColours();
        for (std::size_t i = 0; i < 3; ++i)
            custom[i] = c.firstThree[i];
        if (c.fullList) {
            for (std::size_t i = 3; i < 16; ++i)
                custom[i] = static_cast<ColourValue>(0x100 + i);
        }
        const auto before = custom;
        f.design.settings().buttonBorder = c.current;
        f.ui.colourAnswers.push_back(std::nullopt);
        f.form.colourClick(ColourSetting::btnborderc);
        for (std::size_t i = 0; i < 16; ++i) {
            if (static_cast<int>(i) == c.changedIndex)
                EXPECT_EQ(custom[i], c.current) << c.what;
            else
                EXPECT_EQ(custom[i], before[i]) << c.what << " " << i;
        }
        EXPECT_FALSE(f.design.modified()) << c.what;  // the dialog was cancelled
    }
}

TEST(DesignEditorTest, ChosenColourGoesToItsSetting)
{
    EditorFixture f;
    f.form.prepare();
    f.ui.colourAnswers.push_back(0x00FF00);
    f.form.colourClick(ColourSetting::d_fsc);
    EXPECT_EQ(f.design.settings().text(MenuText::Details).shadow, 0x00FF00u);
    EXPECT_EQ(f.form.colour(ColourSetting::d_fsc), 0x00FF00u);
    EXPECT_TRUE(f.design.modified());
}

TEST(DesignEditorTest, SoundSlotsOpenPlayAndClear)
{
    EditorFixture f;
    f.form.prepare();
    f.form.soundSlotChange(2);
    f.ui.fileAnswers.push_back(f.base / "Sounds" / "ding.wav");
    f.form.soundOpenClick();
    EXPECT_EQ(f.ui.fileDialogs.back().initialDir, f.base / "Sounds");
    EXPECT_EQ(f.data.sound(3).fullPath(), f.base / "Sounds" / "ding.wav");
    EXPECT_TRUE(f.form.playAvailable());
    f.form.soundPlayClick();
    EXPECT_EQ(f.ui.soundsPlayed, std::vector<std::filesystem::path>{f.base / "Sounds" / "ding.wav"});

    f.form.soundSlotChange(0);
    EXPECT_FALSE(f.form.playAvailable());
    f.form.soundPlayClick();
    EXPECT_EQ(f.ui.soundsPlayed.size(), 1u);
    f.ui.fileAnswers.push_back(std::nullopt);
    f.form.soundOpenClick();  // cancelled, still marks the design edited
    EXPECT_TRUE(f.design.modified());

    f.form.soundSlotChange(2);
    f.form.soundClearClick();
    EXPECT_TRUE(f.data.sound(3).empty());
    EXPECT_FALSE(f.form.playAvailable());
}

TEST(DesignEditorTest, SampleTextsFollowLanguageThenLetterCase)
{
    struct Case {
        int language;
        int letterCase;
        SampleTexts expected;
    };
    const Case cases[] = {
        {0, kLetterCaseNormal, {"Full Preview", "Category", "File", "c:\\test.exe"}},
        {2, kLetterCaseNormal, {"Full Preview", "Category", "File", "c:\\test.exe"}},
        {1, kLetterCaseLower, {"vorschau", "kategorie", "datei", "c:\\test.exe"}},
        {3, kLetterCaseUpper, {"VISTA PREVIA", "CATEGOR\xC3\xAD" "A", "ARCHIVO", "C:\\TEST.EXE"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesignEditor::samplesFor(c.language, c.letterCase), c.expected) << c.language << "/" << c.letterCase;
}

TEST(DesignEditorTest, FontChoosersMarkWhetherTheFaceResolves)
{
    EditorFixture f;
    f.form.prepare();
    f.form.fontChange(DesignFont::Button, "Missing Face");
    EXPECT_FALSE(f.form.fontResolves(DesignFont::Button));
    EXPECT_EQ(f.design.settings().fontFaces[2], "Arial");
    EXPECT_FALSE(f.design.modified());

    f.form.fontChange(DesignFont::FileBox, "Missing Face");
    EXPECT_FALSE(f.form.fontResolves(DesignFont::FileBox));
    EXPECT_EQ(f.design.settings().fontFaces[1], "Missing Face");

    f.form.fontChange(DesignFont::CategoryText, "Arial");
    EXPECT_TRUE(f.form.fontResolves(DesignFont::CategoryText));
    EXPECT_TRUE(f.design.modified());
}

TEST(DesignEditorTest, ClosingReleasesTheDesignFonts)
{
    EditorFixture f;
    writeFile(f.base / "menudesign" / "F" / "own.ttf", "own");
    writeFile(f.base / "menudesign" / "F" / "F.qvd", "[Fonts]\r\nFont_name_Font1Name=own.ttf\r\nFont_fname_Font1Name=Own\r\n");
    f.data.menudesign_file.assign(f.base / "menudesign" / "F" / "F.qvd");
    f.ui.onModal[WindowKind::DesignEditor] = [&](ModalWindow&) { f.form.cancelClick(); };
    f.form.execute();
    EXPECT_EQ(f.ui.modalShown, std::vector<WindowKind>{WindowKind::DesignEditor});
    EXPECT_EQ(f.registrar.removed, std::vector<std::filesystem::path>{f.base / "menudesign" / "F" / "own.ttf"});
    EXPECT_EQ(f.fonts.resolveFontFile("Own"), "own.ttf");  // the slot still maps its face
}

TEST(DesignEditorTest, ABadColourInTheFileIsReportedAndTheRestRead)
{
    EditorFixture f;
    writeFile(f.standard(), "[Back]\r\nbc=greenish\r\nbec=clRed\r\n");
    f.form.prepare();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(f.ui.messages[0].message.text, "'greenish' ist kein g\xC3\xBCltiger Integerwert");
    EXPECT_EQ(f.design.settings().backEnd, 0x0000FFu);
}

TEST(DesignEditorTest, HelpAndInfo)
{
    EditorFixture f;
    f.form.helpClick();
    f.form.infoClick();
    ASSERT_EQ(f.ui.helpShown.size(), 1u);
    EXPECT_EQ(f.ui.helpShown[0].second, 3051);
    EXPECT_EQ(f.host.about, 1);
}

// ---- full preview ----

struct PreviewFixture : EditorFixture {
    std::filesystem::path cfg = base / "Files" / "CFG";
    std::filesystem::path designDir = base / "menudesign" / "P";

    PreviewFixture()
    {
        for (int n = 0; n <= 3; ++n)
            writeFile(base / "Files" / ("language" + std::to_string(n) + ".dat"), "lang " + std::to_string(n));
        for (int n = 1; n <= 14; ++n)
            writeFile(base / "Files" / ("m" + std::to_string(n) + ".ico"), "icon");
        writeBmp(designDir / "bg.bmp", 6, 6, 0x11);
        writeFile(designDir / "one.wav", "one");
        writeFile(designDir / "three.wav", "three");
        writeFile(designDir / "P.qvd", "[general]\r\ndesign_mode=bmp\r\n[Back]\r\nbmpalone=bg.bmp\r\n"
                                       "[Sound]\r\nsound1alone=one.wav\r\nsound3alone=three.wav\r\n[Language]\r\nLanguage=3\r\n");
        data.menudesign_file.assign(designDir / "P.qvd");
    }
};

TEST(DesignPreviewTest, WritesTheDesignAndItsFilesIntoTheMissingPreviewFolder)
{
    PreviewFixture f;
    f.form.prepare();
    f.form.btnBorderWidthChange(7);  // unsaved
    f.form.fullPreviewClick();

    EXPECT_EQ(readFile(f.cfg / "back.bmp"), readFile(f.designDir / "bg.bmp"));
    EXPECT_EQ(readFile(f.cfg / "Sound1.wav"), "one");
    EXPECT_EQ(readFile(f.cfg / "Sound3.wav"), "three");
    EXPECT_EQ(readFile(f.cfg / "language.vlx"), "lang 3");
    EXPECT_TRUE(std::filesystem::exists(f.cfg / "m14.ico"));
    const ProfileFile cfg(f.cfg / "design.cfg");
    EXPECT_EQ(cfg.readString("Back", "bmpalone", ""), "back.bmp");
    EXPECT_EQ(cfg.readString("Back", "bmp", ""), (f.cfg / "back.bmp").string());
    EXPECT_EQ(cfg.readString("Buttons", "btnbw", ""), "7");
    EXPECT_EQ(cfg.readString("Sound", "sound2", "?"), "");

    // The design names its own files again, and its edits are still unsaved.
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.designDir / "bg.bmp");
    EXPECT_EQ(f.data.sound(3).fullPath(), f.designDir / "three.wav");
    EXPECT_TRUE(f.data.sound(2).empty());
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.designDir / "P.qvd");
    EXPECT_EQ(f.form.caption(), "Menu Design - " + (f.designDir / "P.qvd").string());
    EXPECT_TRUE(f.design.modified());
    EXPECT_EQ(ProfileFile(f.designDir / "P.qvd").readString("Buttons", "btnbw", "untouched"), "untouched");

    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M44"});
    EXPECT_EQ(f.ui.programsStarted, std::vector<std::filesystem::path>{f.base / "Files" / "rnv.exe"});
}

TEST(DesignPreviewTest, DeletesWhatTheDesignNoLongerHas)
{
    PreviewFixture f;
    for (const char* stale : {"splash.bmp", "button.bmp", "Sound2.wav", "Sound4.wav", "Sound5.wav"})
        writeFile(f.cfg / stale, "stale");
    writeFile(f.cfg / "genre.cfg", "kept");
    f.form.prepare();
    f.form.fullPreviewClick();
    for (const char* stale : {"splash.bmp", "button.bmp", "Sound2.wav", "Sound4.wav", "Sound5.wav"})
        EXPECT_FALSE(std::filesystem::exists(f.cfg / stale)) << stale;
    EXPECT_TRUE(std::filesystem::exists(f.cfg / "back.bmp"));
    EXPECT_TRUE(std::filesystem::exists(f.cfg / "Sound1.wav"));
    EXPECT_EQ(readFile(f.cfg / "genre.cfg"), "kept");
}

TEST(DesignPreviewTest, AFailedWriteRestoresTheReferencesAndStartsNothing)
{
    PreviewFixture f;
    std::filesystem::create_directories(f.cfg / "design.cfg");  // a folder where the file must go
    f.form.prepare();
    f.form.fullPreviewClick();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Error);
    EXPECT_TRUE(f.ui.programsStarted.empty());
    EXPECT_EQ(f.data.BMP_File.fullPath(), f.designDir / "bg.bmp");
    EXPECT_EQ(f.data.menudesign_file.fullPath(), f.designDir / "P.qvd");
}

}  // namespace
}  // namespace qv
