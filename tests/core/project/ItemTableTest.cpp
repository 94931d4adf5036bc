#include "project/ItemTable.h"

#include "TableFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

constexpr ColourValue kSilver = rgbColour(0xC0, 0xC0, 0xC0);
constexpr ColourValue kWhite = rgbColour(0xFF, 0xFF, 0xFF);

std::vector<ColourValue> rowColours(const ItemTable& table)
{
    std::vector<ColourValue> out;
    for (int r = 1; r < table.rowCount(); ++r)
        out.push_back(table.rowColour(r));
    return out;
}

}  // namespace

TEST(ItemTable, NeverFewerThanTwoRows)
{
    ItemTable table;
    EXPECT_EQ(table.rowCount(), 2);
    table.setRowCount(0);
    EXPECT_EQ(table.rowCount(), 2);
    table.setRowCount(5);
    table.write(FieldName, 4, "x");
    table.setRowCount(3);
    EXPECT_EQ(table.rowCount(), 3);
    table.setRowCount(5);
    EXPECT_EQ(table.read(FieldName, 4), "") << "rows added at the end are empty";
}

TEST(ItemTable, ColumnMapFollowsHeadingsLastMatchWinsAndMissingGoesToColumnZero)
{
    ItemTable table;
    const Language lang = englishLanguage();
    table.applyStartHeadings(lang, fieldOrderCelld());
    for (int f = 1; f <= ItemTable::kFields; ++f)
        EXPECT_EQ(table.columnOf(f), f);

    // Two columns headed "Name": the later one holds the field.
    table.setCell(0, 4, "Name");
    table.recomputeColumnMap();
    EXPECT_EQ(table.columnOf(FieldName), 4);
    EXPECT_EQ(table.columnOf(FieldSerial), 0);
    EXPECT_EQ(table.fieldAt(1), 0);
    EXPECT_EQ(table.fieldAt(4), FieldName);

    // A field without a heading is read from and written to column 0.
    table.write(FieldSerial, 1, "S-1");
    EXPECT_EQ(table.cell(1, 0), "S-1");
    EXPECT_EQ(table.read(FieldSerial, 1), "S-1");
}

TEST(ItemTable, CategoryColouringAlternatesOverRunsOfEqualCategories)
{
    struct Case {
        std::vector<std::string> categories;
        std::vector<ColourValue> colours;
    };
    const std::vector<Case> cases = {
        {{"A", "A", "B", "A"}, {kSilver, kSilver, kWhite, kSilver}},
        {{"A"}, {kSilver}},
        {{"A", "B", "B", "C", "C", "C"}, {kSilver, kWhite, kWhite, kSilver, kSilver, kSilver}},
        {{"Tools", "tools"}, {kSilver, kWhite}},  // case counts
        {{"", "", "x"}, {kSilver, kSilver, kWhite}},
    };
    for (const Case& c : cases) {
        ItemTable table;
        std::vector<ItemCells> items;
        for (const auto& cat : c.categories)
            items.push_back({{FieldCategory, cat}});
        fillTable(table, items);
        EXPECT_EQ(rowColours(table), c.colours) << c.categories.size() << " rows starting " << c.categories[0];
    }

    // New colours take effect at once, following the moved Category column too.
    ItemTable table;
    fillTable(table, {{{FieldCategory, "A"}}, {{FieldCategory, "B"}}});
    table.moveColumn(8, 2);
    table.setColours(rgbColour(1, 2, 3), rgbColour(4, 5, 6));
    EXPECT_EQ(rowColours(table), (std::vector<ColourValue>{rgbColour(1, 2, 3), rgbColour(4, 5, 6)}));
}

TEST(ItemTable, RemoveEmptiesTheOnlyRowOrDropsTheCursorRow)
{
    {
        ItemTable table;
        fillTable(table, {{{FieldName, "only"}, {FieldCopy, "yes"}}});
        table.removeCurrentRow();
        EXPECT_EQ(table.rowCount(), 2);
        EXPECT_EQ(table.read(FieldName, 1), "");
        EXPECT_EQ(table.read(FieldCopy, 1), "");
        EXPECT_TRUE(table.isModified());
    }
    {
        ItemTable table;
        fillTable(table, {{{FieldName, "a"}}, {{FieldName, "b"}}, {{FieldName, "c"}}});
        table.setCurrentRow(3);
        table.removeCurrentRow();
        EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(table.currentRow(), 2) << "the cursor stays on a row that exists";
        EXPECT_TRUE(table.isModified());
    }
    {
        ItemTable table;
        fillTable(table, {{{FieldName, "a"}, {FieldCategory, "X"}},
                          {{FieldName, "b"}, {FieldCategory, "Y"}},
                          {{FieldName, "c"}, {FieldCategory, "X"}}});
        table.setCell(2, 0, "fixed");
        table.setCurrentRow(2);
        table.removeCurrentRow();
        EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"a", "c"}));
        EXPECT_EQ(table.cell(2, 0), "fixed") << "only the twelve field cells move up";
        EXPECT_EQ(rowColours(table), (std::vector<ColourValue>{kSilver, kSilver}));
    }
}

TEST(ItemTable, NormaliseTurnsEveryCopyAndExecuteIntoTheCurrentWords)
{
    struct Case {
        std::string cell;
        std::string english;
        std::string german;
    };
    const std::vector<Case> cases = {
        {"Ja", "yes", "Ja"},
        {"ja", "yes", "Ja"},
        {"YES", "yes", "Ja"},
        {"si", "yes", "Ja"},
        {"\xD0\x94\xD0\xB0", "yes", "Ja"},  // Да
        {"no", "no", "Nein"},
        {"NEIN", "no", "Nein"},
        {"\xD0\x9D\xD0\xB5\xD1\x82", "no", "Nein"},  // Нет
        {"maybe", "no", "Nein"},
        {"", "no", "Nein"},
        {"Nein", "no", "Nein"},
    };
    for (const bool german : {false, true}) {
        ItemTable table;
        table.applyStartHeadings(german ? germanLanguage() : englishLanguage(), fieldOrderCelld());
        std::vector<ItemCells> items;
        for (const Case& c : cases)
            items.push_back({{FieldCopy, c.cell}, {FieldExecute, c.cell}});
        fillTable(table, items);
        table.normaliseYesNo();
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const std::string& want = german ? cases[i].german : cases[i].english;
            EXPECT_EQ(table.read(FieldCopy, static_cast<int>(i) + 1), want) << "'" << cases[i].cell << "'";
            EXPECT_EQ(table.read(FieldExecute, static_cast<int>(i) + 1), want) << "'" << cases[i].cell << "'";
        }
        EXPECT_FALSE(table.isModified());
    }
}

TEST(ItemTable, MovedColumnKeepsItsCellsAndTheMapFollows)
{
    ItemTable table;
    table.applyStartHeadings(englishLanguage(), fieldOrderCelld());
    fillTable(table, {{{FieldName, "Tool"}, {FieldFileName, "tool.exe"}, {FieldCdPath, "\\bin\\"}}});
    table.setWidth(1, 120);
    table.moveColumn(1, 3);  // drag Name to position 3
    EXPECT_EQ(table.columnOf(FieldName), 3);
    EXPECT_EQ(table.columnOf(FieldFileName), 1);
    EXPECT_EQ(table.columnOf(FieldCdPath), 2);
    EXPECT_EQ(table.cell(1, 3), "Tool");
    EXPECT_EQ(table.read(FieldName, 1), "Tool");
    EXPECT_EQ(table.read(FieldCdPath, 1), "\\bin\\");
    EXPECT_EQ(table.width(3), 120);
    EXPECT_EQ(table.englishNameOfHeading(3), "Name");
    EXPECT_FALSE(table.isModified());

    table.write(FieldName, 1, "Renamed");
    EXPECT_EQ(table.cell(1, 3), "Renamed");
    table.moveColumn(3, 1);
    EXPECT_EQ(table.columnOf(FieldName), 1);
    EXPECT_EQ(table.read(FieldName, 1), "Renamed");
}

TEST(ItemTable, DisplayAndRealColumnsSkipHiddenOnes)
{
    ItemTable table;
    table.setHidden(2, true);
    table.setHidden(3, true);
    table.setHidden(7, true);
    struct Case {
        int display;
        int real;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 4}, Case{3, 5}, Case{5, 8}, Case{9, 12}}) {
        EXPECT_EQ(table.displayToReal(c.display), c.real) << "display " << c.display;
        EXPECT_EQ(table.realToDisplay(c.real), c.display) << "real " << c.real;
    }
    table.setCursor(1, 2);
    EXPECT_EQ(table.currentRealColumn(), 4);
    EXPECT_EQ(table.currentColumn(), 2);
}

TEST(ItemTable, StartHeadingsComeFromTheStoredEnglishNames)
{
    ItemTable table;
    std::array<std::string, 12> celld = fieldOrderCelld();
    std::swap(celld[0], celld[7]);  // Category first, Name at 8
    celld[1] = "file name";         // any ASCII case
    table.applyStartHeadings(germanLanguage(), celld);
    EXPECT_EQ(table.heading(1), "Kategorie");
    EXPECT_EQ(table.heading(2), "Dateiname");
    EXPECT_EQ(table.heading(8), "Name");
    EXPECT_EQ(table.columnOf(FieldCategory), 1);
    EXPECT_EQ(table.columnOf(FieldName), 8);
    EXPECT_EQ(table.englishNameOfHeading(1), "Category");

    // Missing keys ("Failed") take the fields no key names, in field order.
    celld = fieldOrderCelld();
    celld[2] = "Failed";
    celld[5] = "Failed";
    std::swap(celld[3], celld[11]);  // Execute at 4, Serial at 12
    celld[11] = "Failed";            // ... and Serial's key lost
    table.applyStartHeadings(englishLanguage(), celld);
    EXPECT_EQ(table.heading(3), "CD Path");
    EXPECT_EQ(table.heading(6), "Serial");
    EXPECT_EQ(table.heading(12), "HD Size");
    EXPECT_EQ(table.columnOf(FieldExecute), 4);
    for (int f = 1; f <= ItemTable::kFields; ++f)
        EXPECT_NE(table.columnOf(f), 0) << "field " << f;

    // A stored "yes" names the yes word, which is no field.
    celld = fieldOrderCelld();
    celld[4] = "YES";
    table.applyStartHeadings(germanLanguage(), celld);
    EXPECT_EQ(table.heading(5), "Ja");
    EXPECT_EQ(table.columnOf(FieldCdSize), 0);
}

TEST(ItemTable, LanguageChangeTranslatesHeadingsInPlace)
{
    ItemTable table;
    table.applyStartHeadings(englishLanguage(), fieldOrderCelld());
    fillTable(table, {{{FieldName, "Tool"}, {FieldCopy, "yes"}}});
    table.moveColumn(1, 5);
    table.setCell(0, 11, "HOMEPAGE");  // other ASCII case still translates
    table.changeLanguage(germanLanguage());
    EXPECT_EQ(table.heading(5), "Name");
    EXPECT_EQ(table.heading(1), "Dateiname");
    EXPECT_EQ(table.heading(9), "Kopieren");
    EXPECT_EQ(table.heading(11), "Homepage");
    EXPECT_EQ(table.read(FieldName, 1), "Tool");
    EXPECT_EQ(table.yesWord(), "Ja");

    // A heading that is none of the previous words keeps its own text.
    table.setCell(0, 7, "Notes");
    table.changeLanguage(englishLanguage());
    EXPECT_EQ(table.heading(7), "Notes");
    EXPECT_EQ(table.heading(8), "Category") << "the column after it is translated as usual";
    EXPECT_EQ(table.columnOf(FieldDescription), 0);
    EXPECT_EQ(table.englishNameOfHeading(7), "Notes");
    EXPECT_EQ(table.heading(9), "Copy");
}

TEST(ItemTable, ShowGridColumnTogglesTheFieldsColumnAndCheckMark)
{
    ItemTable table;
    table.moveColumn(8, 2);  // Category now stands in column 2
    table.toggleGridColumn(FieldCategory);
    EXPECT_TRUE(table.isHidden(2));
    EXPECT_FALSE(table.isFieldChecked(FieldCategory));
    EXPECT_TRUE(table.anyFieldColumnHidden());
    table.toggleGridColumn(FieldCategory);
    EXPECT_FALSE(table.isHidden(2));

    table.toggleGridColumn(FieldCopy);
    table.toggleGridColumn(FieldHomepage);
    table.showAllColumns();
    EXPECT_FALSE(table.anyFieldColumnHidden());
    for (int f = 1; f <= ItemTable::kFields; ++f)
        EXPECT_TRUE(table.isFieldChecked(f));
}

TEST(ItemTable, GridLayoutSetsVisibilityByFieldAndWidthsOfShownColumns)
{
    ItemTable table;
    table.moveColumn(4, 1);  // Serial in column 1
    GridLayout layout;
    layout.fieldVisible[FieldSerial] = GridLayout::visibilityFromText("hidden");
    layout.fieldVisible[FieldHomepage] = GridLayout::visibilityFromText("Hidden");  // not a known text
    for (int c = 0; c < ItemTable::kColumns; ++c)
        layout.widths[static_cast<std::size_t>(c)] = 60 + c;
    table.setWidth(1, 33);
    table.applyGridLayout(layout);
    EXPECT_TRUE(table.isHidden(1));
    EXPECT_FALSE(table.isHidden(11));
    EXPECT_EQ(table.width(1), 33) << "a hidden column keeps its width";
    EXPECT_EQ(table.width(2), 62);

    // Restore shows everything first, then applies the layout again; the order stays.
    table.toggleGridColumn(FieldCopy);
    layout.fieldVisible[FieldSerial] = true;
    table.restoreGridSettings(layout);
    EXPECT_FALSE(table.anyFieldColumnHidden());
    EXPECT_TRUE(table.isFieldChecked(FieldCopy));
    EXPECT_EQ(table.width(1), 61);
    EXPECT_EQ(table.columnOf(FieldSerial), 1);
}

TEST(ItemTable, AutoGridSizeTakesTheWidestCellPlusTen)
{
    ItemTable table;
    fillTable(table, {{{FieldName, "abcdefghij"}}, {{FieldName, "ab"}, {FieldDescription, ""}}});
    table.setWidth(0, 11);
    table.autoGridSize([](std::string_view text, bool heading) { return static_cast<int>(text.size()) * (heading ? 8 : 7); });
    EXPECT_EQ(table.width(0), 11);
    EXPECT_EQ(table.width(1), 80);         // 10 characters at 7
    EXPECT_EQ(table.width(7), 11 * 8 + 10);  // "Description" heading at 8
}

TEST(ItemTable, DraggingARowRecoloursButIsNoModification)
{
    ItemTable table;
    fillTable(table, {{{FieldName, "1"}, {FieldCategory, "A"}},
                      {{FieldName, "2"}, {FieldCategory, "B"}},
                      {{FieldName, "3"}, {FieldCategory, "A"}}});
    table.moveRow(3, 1);
    EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"3", "1", "2"}));
    EXPECT_EQ(rowColours(table), (std::vector<ColourValue>{kSilver, kSilver, kWhite}));
    table.moveRow(1, 3);
    EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(table.isModified());
}

// A jump point keeps the word of the language it was made in.
TEST(ItemTable, JumpPointIsAJumpWordOfAnyLanguageIgnoringAsciiCase)
{
    ItemTable table;
    table.applyStartHeadings(germanLanguage(), fieldOrderCelld());
    fillTable(table, {{{FieldFileName, "SPRUNGPUNKT"}}, {{FieldFileName, "Jump Point"}}, {{FieldName, "x"}},
                      {{FieldFileName, "Jump Point.txt"}}});
    EXPECT_TRUE(table.isJumpPoint(1));
    EXPECT_TRUE(table.isJumpPoint(2));
    EXPECT_FALSE(table.isJumpPoint(4));
    EXPECT_FALSE(table.isEmptyRow(3));
    table.write(FieldName, 3, "");
    EXPECT_TRUE(table.isEmptyRow(3));
}
