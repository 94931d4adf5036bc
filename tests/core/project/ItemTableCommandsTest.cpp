#include "project/ItemTableCommands.h"

#include "FakeUi.h"
#include "TableFixture.h"
#include "TempDir.h"
#include "util/Fs.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

class ItemTableCommandsTest : public ::testing::Test {
protected:
    ItemTableCommandsTest() { table.applyStartHeadings(lang, fieldOrderCelld()); }

    Language lang = englishLanguage();
    ItemTable table;
    FakeUi ui;
    ItemTableCommands commands{table, ui, lang, RegionalFormat{}};
};

}  // namespace

TEST_F(ItemTableCommandsTest, RemovePlaysTheClickAndMarksTheProjectModified)
{
    fillTable(table, {{{FieldName, "a"}}, {{FieldName, "b"}}});
    table.setCurrentRow(1);
    commands.removeClick();
    EXPECT_EQ(ui.clicks, 1);
    EXPECT_TRUE(ui.messages.empty()) << "no confirmation";
    EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(table.isModified());
}

TEST_F(ItemTableCommandsTest, CellActivationOpensTheFieldsEditorOrRefusesIt)
{
    fillTable(table, {{{FieldName, "Tool"}, {FieldFileName, "tool.exe"}, {FieldCdPath, "\\"}},
                      {{FieldName, "Jump"}, {FieldFileName, "jump point"}, {FieldCdPath, "\\"}},
                      {{FieldName, "Link"}, {FieldFileName, "http://x"}}});
    struct Case {
        int row;
        int field;
        std::optional<CellEditor> editor;
        const char* message;
    };
    const Case cases[] = {
        {1, FieldName, CellEditor::FreeText, nullptr},
        {1, FieldFileName, CellEditor::FreeText, nullptr},
        {1, FieldCategory, CellEditor::CategoryChoice, nullptr},
        {1, FieldCopy, CellEditor::YesNoChoice, nullptr},
        {1, FieldExecute, CellEditor::YesNoChoice, nullptr},
        {1, FieldSourceLocation, CellEditor::FreeText, nullptr},
        {2, FieldFileName, std::nullopt, "M31"},
        {2, FieldCdPath, CellEditor::FreeText, nullptr},
        {2, FieldCopy, std::nullopt, "M33"},
        {2, FieldSourceLocation, std::nullopt, "M34"},
        {2, FieldExecute, CellEditor::YesNoChoice, nullptr},
        {3, FieldCdPath, std::nullopt, "M32"},
        {3, FieldCopy, std::nullopt, "M33"},
        {3, FieldSourceLocation, std::nullopt, "M34"},
        {3, FieldHomepage, CellEditor::FreeText, nullptr},
    };
    table.moveColumn(FieldCopy, 2);  // fields are found by heading, not by place
    table.toggleGridColumn(FieldSerial);
    for (const Case& c : cases) {
        ui.messages.clear();
        table.setCursorReal(c.row, table.columnOf(c.field));
        const auto request = commands.cellActivated();
        ASSERT_EQ(request.has_value(), c.editor.has_value()) << "row " << c.row << " field " << c.field;
        if (request) {
            EXPECT_EQ(request->editor, *c.editor);
            EXPECT_EQ(request->field, c.field);
            EXPECT_EQ(request->row, c.row);
            EXPECT_TRUE(ui.messages.empty());
        } else {
            ASSERT_EQ(ui.messageKeys(), std::vector<std::string>{c.message});
            EXPECT_EQ(ui.messages[0].message.text, std::string(c.message) + " text");
            EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
            EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
        }
    }
    EXPECT_EQ(ui.clicks, 0) << "double click and Space play nothing";
}

TEST_F(ItemTableCommandsTest, EditEntryMovesTheCursorToTheFieldFirst)
{
    fillTable(table, {{{FieldName, "Tool"}, {FieldCdPath, "\\"}}});
    table.setHidden(2, true);
    table.setCursor(1, 1);
    const auto request = commands.editEntryClick(FieldCategory);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->editor, CellEditor::CategoryChoice);
    EXPECT_EQ(table.currentRealColumn(), 8);
    EXPECT_EQ(table.currentColumn(), 7);
}

TEST_F(ItemTableCommandsTest, ContextMenuNamesTheItemOrIsDisabledOnAnEmptyRow)
{
    fillTable(table, {{{FieldName, ""}, {FieldFileName, ""}, {FieldSerial, "x"}}, {{FieldName, "Tool"}}});
    table.setCurrentRow(1);
    TableContextMenu menu = commands.contextMenu();
    EXPECT_FALSE(menu.itemEntriesEnabled);
    EXPECT_EQ(menu.removeText, "T27text");
    EXPECT_EQ(menu.editText, "T30text");
    EXPECT_EQ(menu.title, "Chosen Item Control");

    table.setCurrentRow(2);
    menu = commands.contextMenu();
    EXPECT_TRUE(menu.itemEntriesEnabled);
    EXPECT_EQ(menu.removeText, "T27text: Tool");
    EXPECT_EQ(menu.infoText, "T28text: Tool");
    EXPECT_EQ(menu.screenshotText, "T29text: Tool");
    EXPECT_EQ(menu.editLabels[FieldSourceLocation], "File Source");

    // Hiding a column disables its Edit entry; Show All Columns brings it back.
    commands.showGridColumnClick(FieldCategory);
    EXPECT_TRUE(table.isHidden(table.columnOf(FieldCategory)));
    EXPECT_FALSE(commands.contextMenu().editEnabled[FieldCategory]);
    EXPECT_TRUE(commands.contextMenu().editEnabled[FieldName]);
    commands.showAllColumnsClick();
    EXPECT_FALSE(table.isHidden(table.columnOf(FieldCategory)));
    EXPECT_TRUE(commands.contextMenu().editEnabled[FieldCategory]);
    EXPECT_EQ(ui.clicks, 2);
}

TEST_F(ItemTableCommandsTest, ColumnMoveIsRefusedWhileAColumnIsHidden)
{
    EXPECT_TRUE(commands.gridModeClick(GridModeQuickSort));
    commands.showGridColumnClick(FieldSerial);
    ui.messages.clear();
    EXPECT_FALSE(commands.gridModeClick(GridModeColumnMove));
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M37"});
    EXPECT_EQ(table.gridMode(), GridModeQuickSort);

    commands.showGridColumnClick(FieldSerial);
    EXPECT_TRUE(commands.gridModeClick(GridModeColumnMove));
    EXPECT_EQ(table.gridMode(), GridModeColumnMove);
    EXPECT_TRUE(table.columnsCanBeDragged());
    EXPECT_FALSE(table.headingClickSorts());
    EXPECT_TRUE(commands.gridModeClick(GridModeColumnMove)) << "the checked mode again does nothing";
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ItemTableCommandsTest, GridColoursComeFromTheChooser)
{
    fillTable(table, {{{FieldCategory, "A"}}, {{FieldCategory, "B"}}});
    ColourValue offered = 0;
    commands.gridColorClick(2, [&](ColourValue current) {
        offered = current;
        return std::optional<ColourValue>(rgbColour(0, 0, 255));
    });
    EXPECT_EQ(offered, rgbColour(255, 255, 255));
    EXPECT_EQ(table.rowColour(2), rgbColour(0, 0, 255));
    commands.gridColorClick(1, [](ColourValue) { return std::optional<ColourValue>(); });
    EXPECT_EQ(table.colour1(), rgbColour(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(ui.clicks, 0);
}

TEST_F(ItemTableCommandsTest, ChosenItemPanelFindsInfoAndScreenshotFiles)
{
    TempDir dir;
    fillTable(table, {{{FieldName, "a:b/c?"}, {FieldFileName, "setup.exe"},
                       {FieldSourceLocation, pathText(dir / "src" / "setup.exe")}}});
    ChosenItemPanel panel = commands.chosenItemPanel(dir.path());
    EXPECT_EQ(panel.item, "a:b/c?  (setup.exe)");
    EXPECT_EQ(panel.label, "Chosen Item:  ");
    EXPECT_EQ(panel.info.text, "no ");
    EXPECT_EQ(panel.screenshot.colour, rgbColour(0, 0, 128));

    writeFile(dir / "src" / "setup.jpg", "x");       // beside the source, last three characters replaced
    writeFile(dir / "kryntdat" / "a_b_c_.txt", "x");  // by the item's name, forbidden characters replaced
    panel = commands.chosenItemPanel(dir.path());
    EXPECT_EQ(panel.screenshot.text, "yes ");
    EXPECT_EQ(panel.screenshot.colour, rgbColour(0, 128, 0));
    EXPECT_EQ(panel.info.text, "yes ");

    // Before a language is applied both indicators say "no ".
    ItemTable fresh;
    ItemTableCommands early(fresh, ui, lang, RegionalFormat{});
    fresh.write(FieldName, 1, "a:b/c?");
    panel = early.chosenItemPanel(dir.path());
    EXPECT_EQ(panel.info.text, "no ");
    EXPECT_EQ(panel.screenshot.text, "no ");
}

TEST_F(ItemTableCommandsTest, FullSortShowsTheWaitWindowRecoloursAndModifies)
{
    fillTable(table, {{{FieldCategory, "Tools"}, {FieldName, "b"}},
                      {{FieldCategory, "Games"}, {FieldName, "z"}},
                      {{FieldCategory, "Tools"}, {FieldName, "a"}}});
    commands.sortClick();
    EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"z", "a", "b"}));
    EXPECT_EQ(table.rowColour(1), rgbColour(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(table.rowColour(2), rgbColour(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(table.rowColour(3), rgbColour(0xFF, 0xFF, 0xFF));
    EXPECT_TRUE(table.isModified());
    EXPECT_EQ(ui.waitShown, 1);
    EXPECT_EQ(ui.waitClosed, 1);
    EXPECT_EQ(ui.clicks, 1);
}

TEST_F(ItemTableCommandsTest, HeadingClickSortsInQuickSortModeAndTogglesDirection)
{
    fillTable(table, {{{FieldCdPath, "b"}, {FieldCdSize, "10"}},
                      {{FieldCdPath, "c"}, {FieldCdSize, "9"}},
                      {{FieldCdPath, "a"}, {FieldCdSize, "100"}}});
    EXPECT_FALSE(commands.headingClick(3)) << "mode None does not sort";
    EXPECT_FALSE(table.isModified());

    table.setGridMode(GridModeQuickSort);
    EXPECT_TRUE(commands.headingClick(3));
    EXPECT_EQ(columnTexts(table, FieldCdPath), (std::vector<std::string>{"c", "b", "a"})) << "column 3 starts ascending";
    EXPECT_FALSE(commands.sortAscending());
    EXPECT_TRUE(table.isModified());

    commands.headingClick(5);
    EXPECT_EQ(columnTexts(table, FieldCdSize), (std::vector<std::string>{"9", "10", "100"}));
    commands.headingClick(5);
    EXPECT_EQ(columnTexts(table, FieldCdSize), (std::vector<std::string>{"100", "10", "9"}));
    commands.headingClick(5);
    EXPECT_EQ(columnTexts(table, FieldCdSize), (std::vector<std::string>{"9", "10", "100"}));
    EXPECT_EQ(ui.clicks, 0);

    // An unknown stored mode allows heading sorts as well; one item row never sorts.
    table.setGridMode(7);
    table.setRowCount(2);
    table.setModified(false);
    EXPECT_FALSE(commands.headingClick(5));
    EXPECT_FALSE(table.isModified());
}

TEST_F(ItemTableCommandsTest, LanguageFromTheMenuRewritesYesAndNoOnlyWithAProjectOpen)
{
    fillTable(table, {{{FieldCopy, "yes"}, {FieldExecute, "no"}}, {{FieldCopy, "maybe"}}});
    lang = germanLanguage();  // the program reloads its language object in place
    commands.languageChosenFromMenu(false);
    EXPECT_EQ(table.heading(9), "Kopieren");
    EXPECT_EQ(table.read(FieldCopy, 1), "yes");

    lang = englishLanguage();
    commands.languageChosenFromMenu(false);
    lang = germanLanguage();
    commands.languageChosenFromMenu(true);
    EXPECT_EQ(columnTexts(table, FieldCopy), (std::vector<std::string>{"Ja", "Nein"}));
    EXPECT_EQ(columnTexts(table, FieldExecute), (std::vector<std::string>{"Nein", "Nein"}));
    EXPECT_FALSE(table.isModified());

    // The welcome screen sets the headings from the settings again.
    std::array<std::string, 12> celld = fieldOrderCelld();
    std::swap(celld[0], celld[1]);
    commands.languageAppliedAtStart(celld);
    EXPECT_EQ(table.heading(1), "Dateiname");
    EXPECT_EQ(table.columnOf(FieldName), 2);
}
