// The program as one object: every command reaches a handler, the table
// follows the language and the settings, and a project opened through it can
// be built, checked, exported and sorted from the commands.
#include "application/Application.h"

#include "app/CommandTable.h"
#include "util/FileReference.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "items/AddFileDialog.h"
#include "items/AddFolderDialog.h"
#include "items/AddItemTip.h"
#include "profile/ProfileFile.h"
#include "project/ProjectFile.h"

#include "FakeUi.h"
#include "NoFonts.h"
#include "TestAssets.h"
#include "TempDir.h"

#include <gtest/gtest.h>


using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;

namespace fs = std::filesystem;

namespace {

using test::NoFonts;

// A base directory with the shipped language files, categories and design,
// and a project of three items in a project folder of its own.
struct AppFixture {
    TempDir dir;
    fs::path base = dir.path() / "base";
    fs::path folder = dir.path() / "cd";
    fs::path project = dir.path() / "cd.qvp";
    FakeUi ui;
    FolderFontCatalogue fonts{dir.path() / "nofonts"};
    NoFonts registrar;
    std::unique_ptr<Application> app;

    AppFixture()
    {
        fs::copy(test::assetsDir(), base, fs::copy_options::recursive);
        fs::create_directories(folder / "Tools");
        test::writeFile(folder / "Tools" / "tool.exe", "MZ");
        test::writeFile(folder / "readme.txt", "hello");
        ProjectHeader header;
        header.cdName = "Test CD";
        header.projectFolder = folder.string() + "/";
        FileReference cat;
        cat.assign(base / "Files" / "Standard.qvc");
        FileReference design;
        design.assign(base / "Files" / "Standard.qvd");
        header.setCategoryFile(cat);
        header.setDesignFile(design);
        const std::vector<std::string> categories = {"Programs", "Games", "Tools", "Documents", "Multimedia", "Internet"};
        std::vector<ItemFieldTexts> items(3);
        items[0] = {"Zeta tool", "tool.exe", "\\Tools\\", "", "1", "1", "a tool", "Tools", "yes", folder.string() + "/Tools/", "", "yes"};
        items[1] = {"Alpha readme", "readme.txt", "\\", "", "1", "1", "read me", "Documents", "yes", folder.string() + "/", "", "no"};
        items[2] = {"Beta gone", "gone.txt", "\\", "", "1", "1", "lost", "Documents", "no", folder.string() + "/", "", "no"};
        writeProjectFile(project, header, items, categories, YesNoWords{});
        app = std::make_unique<Application>(base, ui, ApplicationServices{&fonts, &registrar, nullptr});
        // Without a settings file the welcome screen greets the start; the person closes it.
        ui.on<WelcomeScreen>([](WelcomeScreen& welcome) { welcome.cancelClick(); });
    }
};

}  // namespace

TEST(Application, EveryCommandReachesAHandler)
{
    AppFixture f;
    for (const Command& c : mainWindowCommands())
        EXPECT_TRUE(f.app->frame().handles(c.id)) << c.entry;
}

TEST(Application, CommandsWithoutAWindowSayOnlyThatTheyAreNotAvailable)
{
    AppFixture f;
    f.app->start();
    f.app->frame().commands().enableProjectCommands();
    for (const Command& c : mainWindowCommands()) {
        if (Application::commandAvailable(c.id))
            continue;
        f.ui.messages.clear();
        EXPECT_TRUE(f.app->run(c.id)) << c.entry;
        ASSERT_EQ(f.ui.messages.size(), 1u) << c.entry;
        EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Information);
    }
}

TEST(Application, StartGivesTheTableItsHeadingsAndOnlyTheProgramCommands)
{
    AppFixture f;
    f.app->start();
    EXPECT_EQ(f.app->table().rowCount(), 2);
    EXPECT_EQ(f.app->table().heading(f.app->table().columnOf(FieldName)), f.app->language().fieldTitle(FieldName));
    EXPECT_FALSE(f.app->run(CommandId::Build));
    EXPECT_TRUE(f.app->frame().commands().menuEnabled(CommandId::Open));
}

TEST(Application, AnOpenedProjectIsSortedBuiltCheckedAndExportedThroughItsCommands)
{
    AppFixture f;
    f.app->start();
    f.ui.fileAnswers.push_back(f.project);
    ASSERT_TRUE(f.app->run(CommandId::Open));
    ItemTable& table = f.app->table();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_TRUE(f.app->frame().commands().menuEnabled(CommandId::Build));
    EXPECT_NE(f.app->frame().title().find("Test CD"), std::string::npos);

    f.app->run(CommandId::Sort);
    EXPECT_EQ(table.read(FieldName, 1), "Alpha readme");
    EXPECT_TRUE(f.app->session().modified());

    const fs::path out = f.dir.path() / "out";
    fs::create_directories(out);
    f.ui.folderAnswers.push_back(out);
    f.ui.messageAnswers.push_back(MsgResult::Ok);  // M26: where to build
    f.ui.messageAnswers.push_back(MsgResult::No);  // M27: don't start the menu
    f.app->run(CommandId::Build);
    EXPECT_TRUE(fs::exists(out / "CFG" / "members.cfg"));
    EXPECT_TRUE(fs::exists(out / "autorun.inf"));

    const fs::path listFile = f.dir.path() / "list.cvs";
    f.ui.fileAnswers.push_back(listFile);
    f.app->run(CommandId::ExportCsv);
    EXPECT_TRUE(fs::exists(listFile));

    f.ui.on<CheckSummary>([](CheckSummary& summary) { summary.CloseClick(); });
    f.app->run(CommandId::Check);
    EXPECT_EQ(table.rowCount(), 3) << "the item whose file is gone is removed";
}

TEST(Application, HeadingsAndGridTravelThroughLanguageTableAndSettings)
{
    AppFixture f;
    ProfileFile settings(f.base / "quenvar.dat");
    settings.writeInteger("settings", "language", 2);
    settings.writeString("settings", "grid_mode", "1");
    settings.writeString("settings", "state_grid_4", "hidden");
    settings.writeString("settings", "celld_1", "File Name");
    settings.writeString("settings", "celld_2", "Name");
    f.app->start();
    ItemTable& table = f.app->table();
    EXPECT_EQ(table.columnOf(FieldName), 2);
    EXPECT_EQ(table.heading(2), f.app->language().fieldTitle(FieldName));
    EXPECT_EQ(f.app->language().number(), 2);
    EXPECT_TRUE(table.isHidden(table.columnOf(FieldSerial)));

    f.app->run(CommandId::English);
    EXPECT_EQ(table.heading(1), "File Name");
    f.app->frame().close();
    const ProfileFile saved(f.base / "quenvar.dat");
    EXPECT_EQ(saved.readInteger("settings", "language", 0), 1);
    EXPECT_EQ(saved.readString("settings", "celld_1", ""), "File Name");
    EXPECT_EQ(saved.readString("settings", "state_grid_4", ""), "hidden");
}

// Columns nobody ever sized are sized to their contents on the first load of
// a run, also when an earlier run that showed no project left a settings file
// with the default widths; widths the person set are kept.
TEST(Application, TheFirstLoadSizesColumnsOnlyWhenNobodySizedThem)
{
    struct Case {
        const char* what;
        std::string settings;  // empty: no settings file
        bool sized;
    };
    const auto settings = [](int width7) {
        std::string text = "[settings]\r\nshow_welcome=FALSE\r\n";
        for (int n = 1; n <= 12; ++n)
            text += "grid_" + std::to_string(n) + "=" + std::to_string(n == 7 ? width7 : 50) + "\r\n";
        return text;
    };
    const Case cases[] = {
        {"no settings file", "", true},
        {"default widths of a run without a project", settings(50), true},
        {"a width the person set", settings(222), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppFixture f;
        if (!c.settings.empty())
            test::writeFile(f.base / "quenvar.dat", c.settings);
        else
            fs::remove(f.base / "quenvar.dat");
        f.app->setTextMeasure([](std::string_view text, bool) { return static_cast<int>(text.size()) * 10 + 7; });
        f.app->start();
        const ItemTable& table = f.app->table();
        const int before = table.width(table.columnOf(FieldDescription));
        f.ui.fileAnswers.push_back(f.project);
        ASSERT_TRUE(f.app->run(CommandId::Open));
        EXPECT_EQ(table.width(table.columnOf(FieldDescription)) != before, c.sized) << before;
    }
}

TEST(Application, AddFileAndAddFolderAppendRowsWithTheProjectsCategoriesAndTheOneTipFlag)
{
    AppFixture f;
    f.app->start();
    ASSERT_TRUE(f.app->frame().settings().showTip);
    f.ui.fileAnswers.push_back(f.project);
    ASSERT_TRUE(f.app->run(CommandId::Open));
    ItemTable& table = f.app->table();
    ASSERT_EQ(table.rowCount(), 4);

    test::writeFile(f.folder / "Tools" / "setup.beta.exe", "MZ");
    int tips = 0;
    f.ui.on<AddItemTip>([&](AddItemTip& tip) {
        ++tips;
        tip.setShowNextTime(false);
        tip.okClick();
    });
    f.ui.on<AddFileDialog>([&](AddFileDialog& d) {
        EXPECT_EQ(d.categories(), f.app->categories().captions());
        f.ui.fileAnswers.push_back(f.folder / "Tools" / "setup.beta.exe");
        d.selectFileClick();
        d.addClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::AddFile));
    ASSERT_EQ(f.ui.fileDialogs.size(), 2u);
    EXPECT_EQ(f.ui.fileDialogs[1].initialDir, f.folder) << "a project opened starts the chooser in its folder";
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.read(FieldName, 4), "setup");
    EXPECT_EQ(table.read(FieldCdPath, 4), "\\Tools\\");
    EXPECT_EQ(table.read(FieldCategory, 4), f.app->categories().captions().front());
    EXPECT_TRUE(f.app->session().modified());
    // The tip's box is the menu's check mark.
    EXPECT_EQ(tips, 1);
    EXPECT_FALSE(f.app->frame().settings().showTip);

    f.ui.on<AddFolderDialog>([&](AddFolderDialog& d) {
        f.ui.folderAnswers.push_back(f.folder / "Tools");
        d.selectFileClick();
        d.addClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::AddFolder));
    ASSERT_EQ(table.rowCount(), 7);
    EXPECT_EQ(table.read(FieldFileName, 5), "setup.beta.exe");
    EXPECT_EQ(table.read(FieldFileName, 6), "tool.exe");
    EXPECT_EQ(tips, 1);
}

// The design editor's colour dialog offers the colour being changed among the
// custom colours; those belong to the settings, so they outlive the program
// and come back to the next run's editor.
TEST(Application, DesignEditorCustomColoursAreKeptByTheSettingsFile)
{
    fs::path base;
    TempDir keep;
    {
        AppFixture f;
        ProfileFile(f.base / "quenvar.dat").writeString("settings", "cdlg_c0", "ColorA=0000FF");
        f.app->start();
        DesignEditor& editor = f.app->designEditor();
        editor.prepare();
        EXPECT_EQ(editor.customColours()[0], 0x0000FFu) << "read from the settings file";
        f.app->design().settings().buttonBorder = 0x123456;
        f.ui.colourAnswers.push_back(std::nullopt);
        editor.colourClick(ColourSetting::btnborderc);
        EXPECT_EQ(f.app->frame().settings().customColours[1], 0x123456u);
        f.app->frame().close();
        const ProfileFile saved(f.base / "quenvar.dat");
        EXPECT_EQ(saved.readString("settings", "cdlg_c0", ""), "ColorA=0000FF");
        EXPECT_EQ(saved.readString("settings", "cdlg_c1", ""), "ColorB=123456");
        base = keep.path() / "base";
        fs::copy(f.base, base, fs::copy_options::recursive);
    }
    FakeUi ui;
    FolderFontCatalogue fonts{keep.path() / "nofonts"};
    NoFonts registrar;
    Application again(base, ui, ApplicationServices{&fonts, &registrar, nullptr});
    ui.on<WelcomeScreen>([](WelcomeScreen& welcome) { welcome.cancelClick(); });
    again.start();
    EXPECT_EQ(again.designEditor().customColours()[1], 0x123456u);
}
