#include "i18n/SettingsCommands.h"

#include "i18n/Language.h"
#include "i18n/LanguageManager.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
using qv::test::writeFile;

class SettingsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(Language::fileOf(base.path(), 1), "[Main]\r\nE1=New\r\nE3=Open\r\n[Messages]\r\nM35=Next start.\r\n");
        language.apply(1, ui);
        commands.applyLoaded();
    }
    TempDir base;
    FakeUi ui;
    Settings settings;
    LanguageManager language{base.path()};
    SettingsCommands commands{settings, language, ui};
};

TEST_F(SettingsCommandsTest, ButtonTitlesOffThenSmall)
{
    ASSERT_EQ(commands.captions()[1], "Open");
    commands.buttonTitlesClick();
    EXPECT_FALSE(settings.toolbars.titlesChecked);
    EXPECT_EQ(commands.geometry().height, 42);
    EXPECT_EQ(commands.geometry().widths[0], 42);
    EXPECT_EQ(settings.toolbars.pictureSize, 1);
    EXPECT_EQ(commands.captions()[0], "");
    EXPECT_TRUE(settings.toolbars.sizeMenuEnabled);
    EXPECT_FALSE(settings.toolbars.arrowRightOfCaption);

    commands.buttonSizeSmallClick();
    EXPECT_EQ(commands.geometry().height, 26);
    EXPECT_EQ(settings.toolbars.pictureSize, 0);
    EXPECT_TRUE(settings.toolbars.smallChecked && !settings.toolbars.largeChecked && settings.toolbars.smallArrow);
    EXPECT_EQ(commands.picture("/b", ToolButton::Find), std::filesystem::path("/b/Files/Images/0/0find.bmp"));

    commands.buttonSizeSmallClick();  // already checked: only the click
    EXPECT_EQ(commands.geometry().height, 26);

    commands.buttonSizeLargeClick();
    EXPECT_EQ(commands.geometry().height, 42);
    EXPECT_EQ(settings.toolbars.pictureSize, 1);
    EXPECT_FALSE(settings.toolbars.smallArrow);
    EXPECT_EQ(ui.clicks, 4);
}

TEST_F(SettingsCommandsTest, ButtonTitlesBackOnRereadsTheLanguageFile)
{
    commands.buttonTitlesClick();
    commands.buttonSizeSmallClick();
    writeFile(Language::fileOf(base.path(), 1), "[Main]\r\nE1=Neu\r\n");
    commands.buttonTitlesClick();
    EXPECT_TRUE(settings.toolbars.titlesChecked);
    EXPECT_EQ(commands.captions()[0], "Neu");
    EXPECT_EQ(commands.geometry().height, 60);
    EXPECT_EQ(commands.geometry().widths[6], 65);  // geditbtnmain
    EXPECT_FALSE(settings.toolbars.smallChecked);
    EXPECT_TRUE(settings.toolbars.largeChecked);
    EXPECT_FALSE(settings.toolbars.sizeMenuEnabled);
    EXPECT_TRUE(settings.toolbars.arrowRightOfCaption);
    EXPECT_EQ(settings.toolbars.pictureSize, 1);
}

TEST_F(SettingsCommandsTest, ToolbarEntriesToggleTheirToolbars)
{
    const ToolBar expected[] = {ToolBar::ProjectControls, ToolBar::ItemControls, ToolBar::ChosenItemControls,
                                ToolBar::EnvironmentControls, ToolBar::VlxControls};
    for (int entry = 1; entry <= 5; ++entry) {
        const ToolBar t = expected[entry - 1];
        EXPECT_EQ(SettingsCommands::toolbarOfEntry(entry), t);
        commands.toolbarEntryClick(entry);
        EXPECT_FALSE(settings.toolbars.toolbarVisible(t)) << entry;
        commands.toolbarEntryClick(entry);
        EXPECT_TRUE(settings.toolbars.toolbarVisible(t)) << entry;
    }
    EXPECT_EQ(ui.clicks, 10);
}

TEST_F(SettingsCommandsTest, DisplayFlagsFlipAndBackgroundTellsWhenItTakesEffect)
{
    commands.showWelcomeClick();
    commands.showAddItemTipClick();
    EXPECT_FALSE(settings.showWelcome);
    EXPECT_FALSE(settings.showTip);
    EXPECT_TRUE(ui.messages.empty());
    commands.showBackgroundClick();
    EXPECT_FALSE(settings.showBack);
    ASSERT_EQ(ui.messageKeys(), std::vector<std::string>{"M35"});
    EXPECT_EQ(ui.messages[0].message.text, "Next start.");
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(ui.clicks, 3);
}
