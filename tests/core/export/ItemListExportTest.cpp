#include "export/ItemListExport.h"

#include "ExportFixture.h"
#include "FakeUi.h"
#include "TempDir.h"
#include "export/TextExport.h"
#include "util/Fs.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace qv;
using namespace qv::test;

namespace {

using Command = void (ItemListExport::*)();

struct CommandCase {
    ExportFormat format;
    Command command;
    std::string filterName;
    std::string extension;
};

const std::vector<CommandCase>& commandCases()
{
    static const std::vector<CommandCase> cases{
        {ExportFormat::Ascii, &ItemListExport::exportAsciiClick, "ASCII", "asc"},
        {ExportFormat::Csv, &ItemListExport::exportCsvClick, "CVS", "cvs"},
        {ExportFormat::Word, &ItemListExport::exportWordClick, "Word", "doc"},
        {ExportFormat::Excel, &ItemListExport::exportExcelClick, "Excel", "xls"},
        {ExportFormat::Html, &ItemListExport::exportHtmlClick, "HTML", "html"},
    };
    return cases;
}

// Every text of what was exported, in order, one per line: the file for the
// text forms, the cells handed to the office program otherwise.
std::string exportedTexts(ExportFormat format, const std::filesystem::path& file, const RecordingOffice& office)
{
    if (format != ExportFormat::Word && format != ExportFormat::Excel)
        return readFile(file);
    std::string out;
    for (const auto& row : office.calls.back().grid.rows) {
        for (const auto& cell : row)
            out += cell.text + "\n";
    }
    return out;
}

}  // namespace

TEST(ItemListExport, EveryFormLeavesHiddenColumnsOutAndFollowsTheShownOrder)
{
    ItemTable table = tableWith({{{FieldName, "NAME-X"}, {FieldFileName, "FILE-X"}, {FieldCdPath, "PATH-X"},
                                  {FieldSerial, "SER-42"}, {FieldDescription, "DESC-X"}}});
    table.toggleGridColumn(FieldSerial);
    table.moveColumn(table.columnOf(FieldName), 3);  // File Name, CD Path, Name, ...

    for (const auto& c : commandCases()) {
        SCOPED_TRACE(c.extension);
        TempDir dir;
        RecordingOffice office;
        const auto file = dir / ("list." + c.extension);
        ASSERT_TRUE(exportItemList(table, c.format, file, office).ok);
        const std::string text = exportedTexts(c.format, file, office);

        EXPECT_EQ(text.find("SER-42"), std::string::npos);
        EXPECT_EQ(text.find("Serial"), std::string::npos);
        const auto file_ = text.find("FILE-X");
        const auto path = text.find("PATH-X");
        const auto name = text.find("NAME-X");
        const auto desc = text.find("DESC-X");
        ASSERT_NE(desc, std::string::npos);
        EXPECT_LT(file_, path);
        EXPECT_LT(path, name);
        EXPECT_LT(name, desc);
    }
}

TEST(ItemListExport, OfficeProgramGetsTheWholeRectangle)
{
    ItemTable table = tableWith({{{FieldName, "a"}}, {{FieldName, "b"}}, {{FieldName, "c"}}, {{FieldName, "d"}}});
    RecordingOffice office;
    ASSERT_TRUE(exportItemList(table, ExportFormat::Excel, "/nowhere/list.xls", office).ok);
    ASSERT_EQ(office.calls.size(), 1u);
    const ExportGrid& grid = office.calls[0].grid;
    EXPECT_EQ(office.calls[0].kind, "excel");
    EXPECT_EQ(office.calls[0].path, "/nowhere/list.xls");
    // Thirteen columns and five rows, as the range A1:M5 holds them.
    EXPECT_EQ(excelRange(grid.columnCount(), grid.rowCount()), "A1:M5");
    EXPECT_EQ(grid.text(0, 1), "Name");
    EXPECT_EQ(grid.text(4, 1), "d");
}

TEST(ItemListExport, CommandsAskWithTheirFilterAndCancelWritesNothing)
{
    const ItemTable table;
    for (const auto& c : commandCases()) {
        SCOPED_TRACE(c.extension);
        FakeUi ui;
        ui.fileAnswers.push_back(std::nullopt);
        RecordingOffice office;
        ItemListExport exporter(table, ui, office);
        (exporter.*c.command)();

        EXPECT_EQ(ui.clicks, 1);
        ASSERT_EQ(ui.fileDialogs.size(), 1u);
        const FileDialogSpec& spec = ui.fileDialogs[0];
        EXPECT_EQ(spec.title, "Export");
        EXPECT_EQ(spec.fileName, "");
        EXPECT_EQ(spec.defaultExt, c.extension);
        EXPECT_FALSE(spec.mustExist);
        ASSERT_EQ(spec.filters.size(), 1u);
        EXPECT_EQ(spec.filters[0].first, c.filterName);
        EXPECT_EQ(spec.filters[0].second, "*." + c.extension);
        EXPECT_TRUE(office.calls.empty());
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(ItemListExport, TextCommandsReplaceAnExistingFile)
{
    ItemTable table = tableWith({{{FieldName, "Setup"}}});
    for (const auto& c : commandCases()) {
        if (c.format == ExportFormat::Word || c.format == ExportFormat::Excel)
            continue;
        SCOPED_TRACE(c.extension);
        TempDir dir;
        const auto file = dir / ("list." + c.extension);
        writeFile(file, std::string(5000, 'o'));
        FakeUi ui;
        ui.fileAnswers.push_back(file);
        NoOfficeAdapter office;
        ItemListExport exporter(table, ui, office);
        (exporter.*c.command)();

        EXPECT_TRUE(ui.messages.empty());
        const ExportGrid grid = ExportGrid::fromTable(table);
        const std::string expected = c.format == ExportFormat::Ascii ? asciiText(grid)
                                     : c.format == ExportFormat::Csv ? csvText(grid)
                                                                     : htmlText(grid);
        EXPECT_EQ(readFile(file), expected);
    }
}

TEST(ItemListExport, MissingOfficeProgramEndsWithItsErrorAndWritesNothing)
{
    struct Case {
        Command command;
        std::string error;
    };
    const std::vector<Case> cases{
        {&ItemListExport::exportWordClick, "Word OLE server not found"},
        {&ItemListExport::exportExcelClick, "Excel OLE server not found"},
    };
    const ItemTable table = tableWith({{{FieldName, "Setup"}}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        TempDir dir;
        FakeUi ui;
        ui.fileAnswers.push_back(dir / "list.out");
        NoOfficeAdapter office;
        ItemListExport exporter(table, ui, office);
        (exporter.*c.command)();

        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].message.text, c.error);
        EXPECT_EQ(ui.messages[0].message.key, "") << "no language text";
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
        EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
        EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    }
}

TEST(ItemListExport, WriteIntoMissingFolderIsReported)
{
    const ItemTable table = tableWith({{{FieldName, "Setup"}}});
    for (const auto& c : commandCases()) {
        if (c.format == ExportFormat::Word || c.format == ExportFormat::Excel)
            continue;
        SCOPED_TRACE(c.extension);
        TempDir dir;
        const auto file = dir / "missing" / ("list." + c.extension);
        NoOfficeAdapter office;

        const ExportResult direct = exportItemList(table, c.format, file, office);
        EXPECT_FALSE(direct.ok);
        EXPECT_EQ(direct.error, "Cannot create " + pathText(file));

        FakeUi ui;
        ui.fileAnswers.push_back(file);
        ItemListExport exporter(table, ui, office);
        EXPECT_FALSE(exporter.exportAs(c.format));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].message.text, "Cannot create " + pathText(file));
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
        EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    }
}

TEST(ItemListExport, FormatNamesOfTheCommandLine)
{
    struct Case {
        std::string name;
        std::optional<ExportFormat> format;
    };
    const std::vector<Case> cases{
        {"asc", ExportFormat::Ascii}, {"cvs", ExportFormat::Csv}, {"doc", ExportFormat::Word},
        {"xls", ExportFormat::Excel}, {"html", ExportFormat::Html}, {"HTML", ExportFormat::Html},
        {"csv", std::nullopt},        {"htm", std::nullopt},       {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exportFormatFromName(c.name), c.format) << c.name;
}

TEST(ItemListExport, ExcelColumnLetters)
{
    struct Case {
        int columns;
        int rows;
        std::string range;
    };
    const std::vector<Case> cases{
        {1, 1, "A1:A1"}, {13, 5, "A1:M5"}, {26, 2, "A1:Z2"}, {27, 2, "A1:AA2"},
        {52, 3, "A1:AZ3"}, {53, 3, "A1:BA3"}, {702, 1, "A1:ZZ1"}, {703, 1, "A1:AAA1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(excelRange(c.columns, c.rows), c.range) << c.columns;
}

TEST(ItemListExport, StoppedExportLeavesTheExistingFileAndShowsNothing)
{
    ItemTable table = tableWith({{{FieldName, "Setup"}}});
    for (const auto& c : commandCases()) {
        const bool office = c.format == ExportFormat::Word || c.format == ExportFormat::Excel;
        // The office program writes its file itself: the last stop is before it starts.
        const std::int64_t lastStop = office ? 1 : kExportSteps - 1;
        for (std::int64_t stopAt = 0; stopAt <= lastStop; ++stopAt) {
            SCOPED_TRACE(c.extension + " stopped at " + std::to_string(stopAt));
            TempDir dir;
            const auto file = dir / ("list." + c.extension);
            const std::string before(5000, 'o');
            writeFile(file, before);
            FakeUi ui;
            ui.fileAnswers.push_back(file);
            ui.stopAtProgress = stopAt;
            RecordingOffice officeProgram;
            ItemListExport exporter(table, ui, officeProgram);
            (exporter.*c.command)();

            EXPECT_EQ(readFile(file), before);
            EXPECT_TRUE(officeProgram.calls.empty());
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(ui.work, std::vector<std::string>{"export"});
            EXPECT_EQ(ui.waitClosed, 1);
            const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()),
                                               std::filesystem::directory_iterator());
            EXPECT_EQ(entries, 1) << "nothing beside the old file";
        }
    }
}
