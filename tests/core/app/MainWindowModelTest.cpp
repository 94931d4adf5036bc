#include "app/MainWindowModel.h"

#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace qv;
using qv::test::FakeUi;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

class MainWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(Language::fileOf(base.path(), 1),
                  "[General]\r\nHelp=VlxHlp1.hlp\r\n[Texts]\r\nT13=No project\r\nT22=Quenvar -\r\nT26=(unnamed)\r\n"
                  "[Messages]\r\nM23=Save changes?\r\n[Grid]\r\nG1=Name\r\n");
        writeFile(Language::fileOf(base.path(), 2),
                  "[General]\r\nHelp=VlxHlp2.hlp\r\n[Texts]\r\nT13=Kein Projekt\r\nT22=Quenvar DE -\r\n");
        model.hooks().save = [this] {
            ++saves;
            return true;
        };
        model.hooks().modified = [this] { return modified; };
        model.hooks().cdName = [this] { return cdName; };
    }

    // A project is open, with unsaved changes and a working copy.
    void openProject()
    {
        writeFile(base / "cd" / "p.qvp", "project");
        writeFile(base / "cd" / "p.tmp", "working copy");
        data.Project_file.assign(base / "cd" / "p.qvp");
        data.Project_Temp.assign(base / "cd" / "p.tmp");
        model.commands().enableProjectCommands();
        modified = true;
    }

    TempDir base;
    ProjectFiles data;
    FakeUi ui;
    MainWindowModel model{base.path(), data, ui};
    int saves = 0;
    // The project's facts, which the frame reads through its hooks.
    bool modified = false;
    std::string cdName;
};

TEST_F(MainWindowModelTest, StartUpReadsTheWindowThenLanguageThenSettings)
{
    writeFile(settingsFile(base.path()),
              "[settings]\r\nlanguage=2\r\nshow_welcome=FALSE\r\nwstate=wsNormal\r\nwwidth=800\r\nwheigth=600\r\n"
              "state_grid_2=hidden\r\ncelld_1=file name\r\n");
    std::vector<std::string> steps;
    model.hooks().prepareTable = [&] { steps.push_back("table"); };
    model.hooks().headingsFromSettings = [&](const Language& now, const std::array<std::string, kGridFields>& names) {
        steps.push_back("headings " + std::to_string(now.number()) + " " + names[0] + ", " + names[1]);
    };
    model.hooks().applyGrid = [&](const GridSettings& g) {
        steps.push_back(g.visibility[1] == ColumnVisibility::Hidden ? "grid hidden 2" : "grid");
    };
    model.hooks().showWelcome = [&] { steps.push_back("welcome"); };

    EXPECT_EQ(model.title(), kTitleBeforeLanguage);
    model.create();
    EXPECT_EQ(model.settings().window.width, 800);
    EXPECT_EQ(model.settings().window.state, WindowState::Normal);
    model.firstShow();
    EXPECT_EQ(steps, (std::vector<std::string>{"headings 2 file name, Failed", "table", "grid hidden 2"}));
    EXPECT_EQ(model.language().number(), 2);
    EXPECT_EQ(model.title(), "Kein Projekt");
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.projectOpen());
}

TEST_F(MainWindowModelTest, WelcomeScreenFollowsTheSetting)
{
    int welcomes = 0;
    model.hooks().showWelcome = [&] { ++welcomes; };
    model.firstShow();  // no settings file: show_welcome is on
    EXPECT_EQ(welcomes, 1);
}

TEST_F(MainWindowModelTest, TitleRules)
{
    model.firstShow();
    EXPECT_EQ(model.title(), "No project");
    model.commands().enableProjectCommands();
    model.projectChanged(TitleCause::Opened);
    EXPECT_EQ(model.title(), "Quenvar - (unnamed)");
    model.projectChanged(TitleCause::Created);
    EXPECT_EQ(model.title(), "Quenvar - No CD name");
    cdName = "Games";
    model.projectChanged(TitleCause::Edited);
    EXPECT_EQ(model.title(), "Quenvar - Games");
    model.languageClick(2);
    EXPECT_EQ(model.title(), "Quenvar DE - Games");
}

TEST_F(MainWindowModelTest, LanguageMenuEntries)
{
    int normalised = 0;
    std::vector<std::string> headings;
    model.hooks().normaliseYesNo = [&] { ++normalised; };
    model.hooks().headingsFromSettings = [&](const Language& now, const auto&) {
        headings.push_back("stored " + std::to_string(now.number()));
    };
    model.hooks().translateHeadings = [&](const Language& now, const Language& previous) {
        headings.push_back(std::to_string(previous.number()) + " to " + std::to_string(now.number()));
    };
    model.firstShow();
    const int waitsAfterStart = ui.waitShown;

    EXPECT_TRUE(model.run(CommandId::English));  // the language in use: nothing happens
    EXPECT_EQ(ui.waitShown, waitsAfterStart);

    model.run(CommandId::German);  // no project: nothing to normalise
    EXPECT_EQ(model.settings().language, 2);
    EXPECT_EQ(normalised, 0);

    openProject();
    model.run(CommandId::English);
    EXPECT_EQ(normalised, 1);
    EXPECT_TRUE(model.language().isChecked(1));

    model.welcomeLanguageSelect(2);
    EXPECT_EQ(headings, (std::vector<std::string>{"stored 1", "1 to 2", "2 to 1", "stored 2"}));
}

TEST_F(MainWindowModelTest, ExitAsksAboutUnsavedChanges)
{
    struct Case {
        bool modified;
        std::optional<MsgResult> answer;
        int saves;
    };
    const Case cases[] = {{true, MsgResult::Yes, 1}, {true, MsgResult::No, 0}, {false, std::nullopt, 0}};
    for (const Case& c : cases) {
        TempDir dir;
        ProjectFiles d;
        FakeUi u;
        MainWindowModel m(dir.path(), d, u);
        int saved = 0;
        m.hooks().save = [&] {
            ++saved;
            return true;
        };
        writeFile(dir / "p.tmp", "working copy");
        writeFile(dir / "Files" / "burn vlx.cpj", "recording project");
        d.Project_Temp.assign(dir / "p.tmp");
        m.hooks().modified = [&c] { return c.modified; };
        if (c.answer)
            u.messageAnswers.push_back(*c.answer);

        m.exitClick();

        EXPECT_EQ(u.clicks, 1);
        if (c.answer) {
            ASSERT_EQ(u.messageKeys(), std::vector<std::string>{"M23"});
            EXPECT_EQ(u.messages[0].kind, MsgKind::Confirmation);
            EXPECT_EQ(u.messages[0].buttons, MsgButtons::YesNo);
        } else {
            EXPECT_TRUE(u.messages.empty());
        }
        EXPECT_EQ(saved, c.saves);
        EXPECT_TRUE(m.closed());
        EXPECT_FALSE(std::filesystem::exists(dir / "p.tmp"));
        EXPECT_TRUE(d.Project_Temp.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "Files" / "burn vlx.cpj"));
        EXPECT_TRUE(std::filesystem::exists(settingsFile(dir.path())));
    }
}

TEST_F(MainWindowModelTest, ClosingOtherwiseDoesNotAskAndSavesTheSettings)
{
    model.firstShow();
    openProject();
    model.hooks().fillGrid = [](GridSettings& g) { g.headingNames[0] = "File Name"; };
    model.close();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(model.closed());
    EXPECT_FALSE(std::filesystem::exists(base / "cd" / "p.tmp"));
    EXPECT_TRUE(std::filesystem::exists(base / "cd" / "p.qvp"));
    const ProfileFile f(settingsFile(base.path()));
    EXPECT_EQ(f.readString("settings", "last_proj", ""), pathText(base / "cd" / "p.qvp"));
    EXPECT_EQ(f.readString("settings", "celld_1", ""), "File Name");
}

TEST_F(MainWindowModelTest, TheCloseBoxAsksAboutUnsavedChangesToo)
{
    // Closing by the title bar would otherwise drop the changes without a word.
    struct Case {
        MsgResult answer;
        bool saveSucceeds;
        bool closed;
        int saves;
    };
    for (const Case c : {Case{MsgResult::No, true, true, 0}, Case{MsgResult::Yes, true, true, 1},
                         Case{MsgResult::Yes, false, false, 1}}) {
        FakeUi u;
        ProjectFiles d;
        MainWindowModel m(base.path(), d, u);
        int saved = 0;
        m.hooks().save = [&] { ++saved; return c.saveSucceeds; };
        m.firstShow();
        m.hooks().modified = [] { return true; };
        u.messageAnswers.push_back(c.answer);
        EXPECT_EQ(m.windowCloseRequested(), c.closed);
        EXPECT_EQ(m.closed(), c.closed);
        EXPECT_EQ(u.messageKeys(), std::vector<std::string>{"M23"});
        EXPECT_EQ(u.clicks, 0);
        EXPECT_EQ(saved, c.saves);
    }
}

TEST_F(MainWindowModelTest, UnwritableSettingsAreReportedAndTheProgramStillEnds)
{
    openProject();
    writeFile(settingsFile(base.path()), "[settings]\r\nlanguage=1\r\n");
    std::filesystem::permissions(settingsFile(base.path()), std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    ui.messageAnswers.push_back(MsgResult::No);
    model.exitClick();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Error);
    EXPECT_EQ(ui.messages[1].message.text,
              "nach " + pathText(settingsFile(base.path())) + " kann nicht geschrieben werden");
    EXPECT_TRUE(model.closed());
    EXPECT_FALSE(std::filesystem::exists(base / "cd" / "p.tmp"));
    EXPECT_EQ(readFile(settingsFile(base.path())), "[settings]\r\nlanguage=1\r\n");
}

TEST_F(MainWindowModelTest, HelpFilePerLanguage)
{
    writeFile(Language::fileOf(base.path(), 3), "[General]\r\nHelp=VlxHlp1.hlp\r\n");
    struct Case {
        int language;
        const char* file;
    };
    const Case cases[] = {{1, "VlxHlp1.hlp"}, {2, "VlxHlp2.hlp"}, {3, "VlxHlp1.hlp"}, {4, "VlxHlp1.hlp"}};
    for (const Case& c : cases) {
        model.language().apply(c.language, ui);
        ui.helpShown.clear();
        model.run(CommandId::Help);
        ASSERT_EQ(ui.helpShown.size(), 1u);
        EXPECT_EQ(ui.helpShown[0].first, base.path() / "Help" / c.file) << c.language;
        EXPECT_EQ(ui.helpShown[0].second, 0);
    }
}

TEST_F(MainWindowModelTest, TopicHelpAndTheAboutBox)
{
    model.firstShow();
    model.run(CommandId::FirstProject);
    model.hooks().showWelcome = nullptr;
    ui.on<AboutBox>([](AboutBox& w) { w.helpClick(); });
    const int clicks = ui.clicks;
    model.runKey("Ctrl+I");
    EXPECT_EQ(ui.clicks, clicks + 1);
    EXPECT_EQ(ui.modalShown, std::vector<WindowKind>{WindowKind::About});
    const auto help = base.path() / "Help" / "VlxHlp1.hlp";
    EXPECT_EQ(ui.helpShown, (std::vector<std::pair<std::filesystem::path, int>>{{help, 5100}, {help, 300}}));
    EXPECT_EQ(model.aboutBox().title(), "Krynt - Quenvar Informations ...");
    EXPECT_EQ(model.aboutBox().version(), "Version 4.5");
    EXPECT_EQ(helpViewerPage(help), base.path() / "Help" / "VlxHlp1.html");
}

TEST_F(MainWindowModelTest, CommandsRunOnlyWhileEnabledAndKeyMenuAndButtonShareTheHandler)
{
    int jumps = 0;
    model.setHandler(CommandId::AddJump, [&] { ++jumps; });
    model.firstShow();
    EXPECT_FALSE(model.runKey("F5"));
    EXPECT_FALSE(model.runButton(ToolButton::AddJump));
    EXPECT_EQ(jumps, 0);
    model.commands().enableProjectCommands();
    EXPECT_TRUE(model.runKey("F5"));
    EXPECT_TRUE(model.run(CommandId::AddJump));
    EXPECT_TRUE(model.runButton(ToolButton::AddJump));
    EXPECT_EQ(jumps, 3);
    EXPECT_FALSE(model.runButton(ToolButton::Settings));
    EXPECT_FALSE(model.closed());
}

TEST_F(MainWindowModelTest, AnErrorNoCommandHandlesEndsItWithAnErrorBox)
{
    model.commands().enableProjectCommands();
    model.setHandler(CommandId::CategoryEditor, [&] { throw ProfileWriteError(base / "genre" / "a.qvc"); });
    EXPECT_TRUE(model.run(CommandId::CategoryEditor));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.messages[0].message.text, "nach " + pathText(base / "genre" / "a.qvc") + " kann nicht geschrieben werden");
    EXPECT_FALSE(model.closed());

    // A save that fails on the way out keeps the program open, so the changes aren't lost.
    modified = true;
    model.hooks().save = [&]() -> bool { throw ProfileWriteError(base / "p.qvp"); };
    ui.messageAnswers.push_back(MsgResult::Yes);
    model.run(CommandId::Exit);
    EXPECT_FALSE(model.closed());
    EXPECT_EQ(ui.messageKeys().back(), "nach " + pathText(base / "p.qvp") + " kann nicht geschrieben werden");

    // So does a save that reports it saved nothing (M57 shown, or Save As cancelled).
    model.hooks().save = [] { return false; };
    ui.messageAnswers.push_back(MsgResult::Yes);
    model.run(CommandId::Exit);
    EXPECT_FALSE(model.closed());
}

TEST(ShippedHelpFiles, HaveAnAnchorForEveryTopic)
{
    const auto assets = test::assetsDir();
    for (const char* name : {"VlxHlp1.hlp", "VlxHlp2.hlp"}) {
        const auto page = helpViewerPage(assets / "Help" / name);
        const std::string html = readFile(page);
        ASSERT_FALSE(html.empty()) << page;
        for (int topic : {300, 1600, 2050, 2100, 2150, 2200, 2250, 2300, 2350, 2400, 2500, 2600, 3051, 4050, 5100,
                          6100, 6150, 6200, 6250, 6300, 6350, 6400})
            EXPECT_NE(html.find("id=\"" + std::to_string(topic) + "\""), std::string::npos) << name << " " << topic;
    }
}
