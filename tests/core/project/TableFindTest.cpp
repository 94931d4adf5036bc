#include "project/ItemTableCommands.h"
#include "project/TableFind.h"

#include "FakeUi.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

bool matches(const std::string& text, std::string_view cell, bool caseSensitive = false, bool wholeWords = false,
             bool regex = false)
{
    FindOptions o;
    o.text = text;
    o.caseSensitive = caseSensitive;
    o.wholeWords = wholeWords;
    o.regularExpressions = regex;
    const CellComparison cmp;
    return CellMatcher(o, cmp).matches(cell);
}

class FindTest : public ::testing::Test {
protected:
    FindTest()
    {
        table.applyStartHeadings(lang, fieldOrderCelld());
        // Row by row: Name, File Name, CD Path.
        fillTable(table, {{{FieldName, "readme"}, {FieldFileName, "setup.exe"}, {FieldCdPath, "x"}},
                          {{FieldName, "Setup"}, {FieldFileName, "README"}, {FieldCdPath, "readme too"}},
                          {{FieldName, "other"}, {FieldFileName, "readme.txt"}, {FieldCdPath, ""}}});
        ui.on<FindDialog>([this](FindDialog& dlg) {
            dlg.options() = next;
            if (accept)
                dlg.OKClick();
        });
    }

    CellPosition cursor() const { return {table.currentRow(), table.currentRealColumn()}; }

    Language lang = englishLanguage();
    ItemTable table;
    FakeUi ui;
    ItemTableCommands commands{table, ui, lang, RegionalFormat{}};
    FindOptions next;
    bool accept = true;
};

}  // namespace

TEST(CellMatcher, PlainTextWholeWordsAndCase)
{
    struct Case {
        const char* text;
        const char* cell;
        bool caseSensitive;
        bool wholeWords;
        bool match;
    };
    const Case cases[] = {
        {"README", "readme", false, true, true},
        {"README", "readme", true, true, false},
        {"README", "readme.txt", false, true, false},
        {"read", "readme", false, false, true},
        {"READ", "readme", true, false, false},
        {"read", "README", false, false, true},
        {"\xC3\x84", "\xC3\xA4", false, false, false},  // only ASCII letters fold
        {"", "", false, false, false},
        {"", "anything", false, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matches(c.text, c.cell, c.caseSensitive, c.wholeWords), c.match) << c.text << " in " << c.cell;
}

TEST(CellMatcher, PatternsMatchTheWholeCell)
{
    struct Case {
        const char* pattern;
        const char* cell;
        bool match;
    };
    const Case cases[] = {
        {"*.exe", "setup.EXE", true},
        {"*.exe", "setup.exe.bak", false},
        {"s?tup*", "setup.exe", true},
        {"s?tup", "s\xC3\xA4tup", true},  // ? is one character, not one byte
        {"a*b*c", "axxbyyc", true},
        {"a*b*c", "axxbyy", false},
        {"*", "", true},
        {"?", "", false},
        {"!*.exe", "setup.exe", false},
        {"!*.exe", "readme.txt", true},
        {">10", "9", false},
        {">10", "10.5", true},
        {">=10", "10", true},
        {"<=9", "10", false},
        {"> 5 & < 10", "7", true},
        {">5&<10", "12", false},
        {"<5^>10", "12", true},
        {"<5^>10", "7", false},
        {"!>5", "3", true},
        {">b", "C", true},   // texts compare ignoring ASCII case
        {">b", "a9", false},
        {"<10", "9a", false},  // "9a" is no number: texts, and "9a" > "10"
    };
    for (const Case& c : cases)
        EXPECT_EQ(matches(c.pattern, c.cell, false, false, true), c.match) << c.pattern << " on " << c.cell;
    EXPECT_FALSE(matches("*.exe", "setup.EXE", true, false, true));
    EXPECT_FALSE(matches(">b", "C", true, false, true)) << "case sensitive: bytes, and 'C' < 'b'";
}

TEST_F(FindTest, FindWalksTopDownOrLeftRightAndRemembersTheMatch)
{
    next.text = "readme";
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{1, FieldName}));
    EXPECT_EQ(ui.clicks, 1);
    EXPECT_EQ(ui.modalShown, std::vector<WindowKind>{WindowKind::Find});

    // Top-down: down the Name column, then down File Name, then CD Path.
    std::vector<CellPosition> found;
    for (int i = 0; i < 4; ++i) {
        commands.findNextClick();
        found.push_back(cursor());
    }
    EXPECT_EQ(found, (std::vector<CellPosition>{{2, 2}, {3, 2}, {2, 3}, {2, 3}}));
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M36"}) << "after the last match";

    // The last match was forgotten: Find next starts from the beginning.
    commands.findNextClick();
    EXPECT_EQ(cursor(), (CellPosition{1, 1}));

    next.direction = FindOptions::Direction::LeftRight;
    commands.findClick();
    found = {cursor()};
    for (int i = 0; i < 3; ++i) {
        commands.findNextClick();
        found.push_back(cursor());
    }
    EXPECT_EQ(found, (std::vector<CellPosition>{{1, 1}, {2, 2}, {2, 3}, {3, 2}}));
}

TEST_F(FindTest, ScopeKeepsToTheCursorsColumnOrRow)
{
    next.text = "readme";
    next.scope = FindOptions::Scope::CurrentColumn;
    table.setCursorReal(3, FieldFileName);
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{2, 2}));
    commands.findNextClick();
    EXPECT_EQ(cursor(), (CellPosition{3, 2}));
    commands.findNextClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M36"});
    EXPECT_EQ(cursor(), (CellPosition{3, 2})) << "the cursor stays where it was";

    next.scope = FindOptions::Scope::CurrentRow;
    next.direction = FindOptions::Direction::LeftRight;
    table.setCursorReal(2, 1);
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{2, 2}));
    commands.findNextClick();
    EXPECT_EQ(cursor(), (CellPosition{2, 3}));
}

TEST_F(FindTest, WholeWordsCaseAndNothingFound)
{
    next.text = "README";
    next.wholeWords = true;
    next.direction = FindOptions::Direction::LeftRight;
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{1, 1})) << "readme matches without case";
    next.caseSensitive = true;
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{2, 2}));

    ui.messages.clear();
    next.text = "";
    commands.findClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M36"}) << "the empty text matches nothing";
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);

    ui.messages.clear();
    accept = false;
    next.text = "readme";
    commands.findClick();
    EXPECT_TRUE(ui.messages.empty()) << "Cancel searches nothing";
    EXPECT_EQ(cursor(), (CellPosition{2, 2}));
}

TEST_F(FindTest, HiddenColumnsAndTheHeadingRowAreNotSearched)
{
    next.text = "Name";
    commands.findClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M36"});

    ui.messages.clear();
    table.toggleGridColumn(FieldName);
    next.text = "readme";
    commands.findClick();
    EXPECT_EQ(cursor(), (CellPosition{2, 2}));
}
