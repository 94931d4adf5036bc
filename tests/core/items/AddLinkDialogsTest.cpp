#include "items/HyperlinkDialog.h"
#include "items/ItemRows.h"
#include "items/ItemRules.h"
#include "items/JumpPointDialog.h"

#include "ItemsFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::ItemsFixture;

namespace {

struct LinkDialogs : ::testing::Test, ItemsFixture {
    HyperlinkDialog link{context()};
    JumpPointDialog jump{context()};
};

}  // namespace

TEST(ItemRules, PlacementFillsOnlyABlankLoneRow1)
{
    ItemsFixture f;
    EXPECT_EQ(rowsForNewItems(f.table, 1), 1);

    // Row 1 with an emptied Name and File Name is still an item.
    f.table.write(FieldDescription, 1, "kept");
    EXPECT_EQ(rowsForNewItems(f.table, 1), 2);
    EXPECT_EQ(f.table.read(FieldDescription, 1), "kept");

    // A blank row 1 in front of other rows is not reused either: items go to the end.
    ItemsFixture g;
    g.table.setRowCount(3);
    g.table.write(FieldName, 2, "second");
    EXPECT_EQ(rowsForNewItems(g.table, 1), 3);
}

TEST(ItemRules, SplitsAWebAddressIntoSchemeAndAddress)
{
    const std::vector<std::tuple<const char*, int, const char*>> cases{
        {"http://a.org", 0, "a.org"}, {"https://a.org/x", 1, "a.org/x"}, {"ftp://files", 2, "files"},
        {"www.a.org", 0, "www.a.org"}, {"n/a", 0, "n/a"}, {"HTTPS://a", 0, "HTTPS://a"}, {"", 0, ""},
    };
    for (const auto& [text, scheme, address] : cases) {
        const auto s = splitHomepage(text);
        EXPECT_EQ(s.scheme, scheme) << text;
        EXPECT_EQ(s.address, address) << text;
    }
}

TEST_F(LinkDialogs, WithoutAProjectBothSayM1AndShowNothing)
{
    projectOpen = false;
    link.addUrlClick();
    jump.addJumpClick();
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M1", "M1"}));
    EXPECT_TRUE(ui.modalShown.empty());
}

TEST_F(LinkDialogs, HyperlinkProposesWwwAndWritesTheRowAfterTheTip)
{
    link.fields().category = 2;  // kept from an earlier showing
    ui.on<HyperlinkDialog>([&](HyperlinkDialog& d) {
        EXPECT_EQ(d.fields().address, "www.");
        EXPECT_EQ(d.fields().password, "n/a");
        EXPECT_EQ(d.fields().category, 2);
        d.okClick();  // no name yet
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(tips, 0);
        d.fields().name = "Our Site";
        d.fields().scheme = 1;
        d.fields().address = "abc";
        d.fields().password = "secret";
        d.okClick();
        EXPECT_EQ(tips, 1) << "the tip comes before the row is written";
    });
    link.addUrlClick();
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M8"}));
    EXPECT_EQ(link.result(), ModalResult::Ok);
    EXPECT_EQ(row(1, FieldName), "Our Site");
    EXPECT_EQ(row(1, FieldFileName), "https://abc");
    EXPECT_EQ(row(1, FieldCdPath), "");
    EXPECT_EQ(row(1, FieldSerial), "secret");
    EXPECT_EQ(row(1, FieldCategory), "Tools");
    EXPECT_EQ(row(1, FieldCopy), table.noWord());
    EXPECT_EQ(row(1, FieldExecute), table.yesWord());
    EXPECT_EQ(row(1, FieldSourceLocation), "n/a");
    EXPECT_EQ(row(1, FieldHomepage), "n/a");
    EXPECT_TRUE(table.isModified());
    EXPECT_EQ(table.currentRow(), 1);
}

TEST_F(LinkDialogs, AChoiceBeyondARefilledListFallsBackToTheFirst)
{
    link.fields().category = 7;
    ui.on<HyperlinkDialog>([](HyperlinkDialog& d) { EXPECT_EQ(d.fields().category, 0); d.cancelClick(); });
    link.addUrlClick();
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_FALSE(table.isModified());
}

TEST_F(LinkDialogs, JumpPointAtTheProjectRootAndBelowIt)
{
    struct Case {
        std::string chosen;
        const char* cdPath;
    };
    const std::vector<Case> cases{
        {projectFolder, "\\"},
        {(dir / "cd").string(), "\\"},  // the browser gives folders without their separator
        {(dir / "cd" / "Docs").string(), "\\Docs\\"},
    };
    for (const auto& c : cases) {
        ui.folderAnswers.push_back(std::filesystem::path(c.chosen));
        ui.on<JumpPointDialog>([&](JumpPointDialog& d) {
            d.selectFolderClick();
            EXPECT_EQ(d.fields().name, "n/a");
            d.okClick();  // the proposal is no name
            EXPECT_TRUE(d.isOpen());
            d.fields().name = "Docs";
            d.okClick();
        });
        jump.addJumpClick();
        const int r = table.rowCount() - 1;
        EXPECT_EQ(row(r, FieldCdPath), c.cdPath) << c.chosen;
        EXPECT_EQ(row(r, FieldFileName), "Jump Point");
        EXPECT_EQ(row(r, FieldHomepage), "n/a");
        EXPECT_TRUE(table.isJumpPoint(r));
    }
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M5", "M5", "M5"}));
    EXPECT_EQ(table.rowCount(), 4) << "each jump point appends after the first";
}

TEST_F(LinkDialogs, BrowserStartsInTheProjectFolderWithoutItsSeparator)
{
    EXPECT_EQ(jump.browseStart(), (dir / "cd").string());
    projectFolder = "C:\\";
    EXPECT_EQ(jump.browseStart(), "C:\\");
}

TEST_F(LinkDialogs, TypedPathKeepsItsEndingAndHomepageGetsTheScheme)
{
    ui.on<JumpPointDialog>([&](JumpPointDialog& d) {
        EXPECT_TRUE(d.fields().path.empty());
        d.fields().name = "Typed";
        d.fields().path = projectFolder + "Docs";
        d.fields().scheme = 2;
        d.fields().address = "abc";
        d.okClick();
    });
    jump.addJumpClick();
    EXPECT_EQ(row(1, FieldCdPath), "\\Docs");
    EXPECT_EQ(row(1, FieldHomepage), "ftp://abc");

    ui.on<JumpPointDialog>([&](JumpPointDialog& d) {
        d.fields().name = "Empty path";
        d.okClick();
    });
    jump.addJumpClick();
    EXPECT_EQ(row(2, FieldCdPath), "\\");
    EXPECT_EQ(row(2, FieldHomepage), "") << "an empty address stays without a scheme";
}

TEST_F(LinkDialogs, TheLanguagesJumpWordNamesNewJumpPoints)
{
    language.setText("TJP", "Sprungpunkt");
    ui.on<JumpPointDialog>([&](JumpPointDialog& d) {
        d.fields().name = "Tools";
        d.okClick();
    });
    jump.addJumpClick();
    EXPECT_EQ(row(1, FieldFileName), "Sprungpunkt");
}

TEST_F(LinkDialogs, HelpTopics)
{
    ui.on<HyperlinkDialog>([](HyperlinkDialog& d) { d.helpClick(); d.cancelClick(); });
    ui.on<JumpPointDialog>([](JumpPointDialog& d) { d.helpClick(); d.cancelClick(); });
    link.addUrlClick();
    jump.addJumpClick();
    EXPECT_EQ(helpTopics, (std::vector<int>{2200, 2250}));
}
