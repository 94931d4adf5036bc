#include "export/TextExport.h"

#include "ExportFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

// Name, File Name and CD Path shown; Setup with setup.exe and no CD Path.
ItemTable setupTable()
{
    ItemTable table = tableWith({{{FieldName, "Setup"}, {FieldFileName, "setup.exe"}, {FieldCdPath, ""}}});
    showOnly(table, {FieldName, FieldFileName, FieldCdPath});
    return table;
}

}  // namespace

TEST(TextExport, SetupExampleInCsvAndFixedWidth)
{
    const ExportGrid grid = ExportGrid::fromTable(setupTable());

    EXPECT_EQ(csvText(grid),
              "\"\",Name,File Name,CD Path\r\n"
              "\"\",Setup,setup.exe,\"\"\r\n");

    // Column 0 is empty and takes one blank; Name is as wide as Setup plus
    // one blank; the last column keeps its trailing blanks.
    EXPECT_EQ(asciiText(grid),
              " Name  File Name CD Path \r\n"
              " Setup setup.exe         \r\n");
}

TEST(TextExport, TableWithoutItemsExportsItsEmptyRow)
{
    ItemTable table;
    showOnly(table, {FieldName, FieldCopy});
    const ExportGrid grid = ExportGrid::fromTable(table);
    EXPECT_EQ(csvText(grid), "\"\",Name,Copy\r\n\"\",\"\",\"\"\r\n");
    EXPECT_EQ(asciiText(grid), " Name Copy \r\n" + std::string(11, ' ') + "\r\n");
}

TEST(TextExport, FixedWidthCountsCharactersAndKeepsFirstLine)
{
    ItemTable table = tableWith({
        {{FieldName, "Größe"}, {FieldDescription, "first line\r\nsecond, much longer line"}},
        {{FieldName, "x"}, {FieldDescription, "lf only\nrest"}},
    });
    showOnly(table, {FieldName, FieldDescription});
    const std::string text = asciiText(ExportGrid::fromTable(table));

    // "Größe" is five characters (seven bytes): the Name column is 5 + 1 wide.
    // The Description column is as wide as the longest first line, "first line".
    EXPECT_EQ(text,
              " Name  Description \r\n"
              " Größe first line  \r\n"
              " x     lf only     \r\n");
}

TEST(TextExport, CsvQuotesOnlyWhatWouldBreakTheLine)
{
    struct Case {
        std::string cell;
        std::string written;
    };
    const std::vector<Case> cases{
        {"plain text", "plain text"},
        {"", "\"\""},
        {"Smith, John", "\"Smith, John\""},
        // Quotes are doubled, so the cell reads back as it was.
        {"5\" disk, boxed", "\"5\"\" disk, boxed\""},
        {"\"quoted\"", "\"\"\"quoted\"\"\""},
        // A line break stays inside the quotes as a bare LF.
        {"one\r\ntwo", "\"one\ntwo\""},
        {"one\rtwo", "\"one\ntwo\""},
        {"one\ntwo", "\"one\ntwo\""},
        {"semi;colon 'single'", "semi;colon 'single'"},
    };
    for (const auto& c : cases) {
        ItemTable table = tableWith({{{FieldName, c.cell}}});
        showOnly(table, {FieldName});
        EXPECT_EQ(csvText(ExportGrid::fromTable(table)), "\"\",Name\r\n\"\"," + c.written + "\r\n") << c.cell;
    }
}

TEST(TextExport, CommaInNameQuotedOnlyInCsv)
{
    ItemTable table = tableWith({{{FieldName, "Tools, extra"}}});
    showOnly(table, {FieldName});
    const ExportGrid grid = ExportGrid::fromTable(table);
    EXPECT_NE(csvText(grid).find("\"Tools, extra\""), std::string::npos);
    EXPECT_NE(asciiText(grid).find(" Tools, extra \r\n"), std::string::npos);
    EXPECT_NE(htmlText(grid).find(">Tools, extra</td>"), std::string::npos);
}

TEST(TextExport, HtmlTableWithHeadingFrameAndCategoryBands)
{
    ItemTable table = tableWith({
        {{FieldName, "Alpha"}, {FieldCategory, "A"}},
        {{FieldName, "Beta"}, {FieldCategory, "A"}},
        {{FieldName, "Gamma"}, {FieldCategory, ""}},
    });
    table.setColours(rgbColour(0x11, 0x22, 0x33), rgbColour(0xFF, 0xFF, 0xFF));
    showOnly(table, {FieldName, FieldCategory});

    // The active border is the classic desktop's D4D0C8; colours are written red first.
    EXPECT_EQ(htmlText(ExportGrid::fromTable(table)),
              "<meta charset=\"utf-8\">\r\n"
              "<table border=\"1\" cellspacing=\"0\" width=\"100%\">\r\n"
              "<tr>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><B><br></B></td>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><B>Name</B></td>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><B>Category</B></td>\r\n"
              "</tr>\r\n"
              "<tr>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><br></td>\r\n"
              "<td nowrap BGCOLOR=\"#112233\">Alpha</td>\r\n"
              "<td nowrap BGCOLOR=\"#112233\">A</td>\r\n"
              "</tr>\r\n"
              "<tr>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><br></td>\r\n"
              "<td nowrap BGCOLOR=\"#112233\">Beta</td>\r\n"
              "<td nowrap BGCOLOR=\"#112233\">A</td>\r\n"
              "</tr>\r\n"
              "<tr>\r\n"
              "<td nowrap BGCOLOR=\"#D4D0C8\"><br></td>\r\n"
              "<td nowrap BGCOLOR=\"#FFFFFF\">Gamma</td>\r\n"
              "<td nowrap BGCOLOR=\"#FFFFFF\"><br></td>\r\n"
              "</tr>\r\n"
              "</table><p>\r\n");
}

TEST(TextExport, HtmlBandsInSystemColoursAreResolved)
{
    ItemTable table = tableWith({{{FieldName, "a"}, {FieldCategory, "A"}}, {{FieldName, "b"}, {FieldCategory, "B"}}});
    table.setColours(0x8000000Fu /* clBtnFace */, kColourNone);
    showOnly(table, {FieldName});
    const std::string html = htmlText(ExportGrid::fromTable(table), rgbColour(1, 2, 3));
    EXPECT_NE(html.find("<td nowrap BGCOLOR=\"#D4D0C8\">a</td>"), std::string::npos) << html;
    // No band colour of its own: the attribute is left out.
    EXPECT_NE(html.find("<td nowrap>b</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td nowrap BGCOLOR=\"#010203\"><B>Name</B></td>"), std::string::npos) << html;
}

TEST(TextExport, HtmlEscapesMarkupInCellsAndHeadings)
{
    ItemTable table = tableWith({{{FieldName, "<b>Tom & \"Jerry\"</b>"}, {FieldHomepage, "a.php?x=1&y='2'"}}});
    table.setCell(0, table.columnOf(FieldHomepage), "Web <site>");
    table.recomputeColumnMap();
    showOnly(table, {FieldName, FieldHomepage});
    const std::string html = htmlText(ExportGrid::fromTable(table));

    EXPECT_NE(html.find(">&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">a.php?x=1&amp;y=&#39;2&#39;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<B>Web &lt;site&gt;</B>"), std::string::npos) << html;
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_EQ(html.find("Tom & "), std::string::npos);
}

TEST(TextExport, HtmlLineBreakBecomesBrBetweenTwoLines)
{
    ItemTable table = tableWith({
        {{FieldDescription, "first\r\nsecond"}},
        {{FieldDescription, "lf\nonly"}},
        {{FieldDescription, "cr\ronly"}},
    });
    showOnly(table, {FieldDescription});
    const std::string html = htmlText(ExportGrid::fromTable(table));
    EXPECT_NE(html.find(">first<br>\r\nsecond</td>\r\n"), std::string::npos) << html;
    EXPECT_NE(html.find(">lf<br>\r\nonly</td>\r\n"), std::string::npos) << html;
    EXPECT_NE(html.find(">cr<br>\r\nonly</td>\r\n"), std::string::npos) << html;
}

TEST(TextExport, HtmlFontColourAndStylesNestInOrder)
{
    ExportGrid grid;
    grid.rows.resize(2, std::vector<ExportCell>(2));
    ExportCell& cell = grid.rows[1][1];
    cell.text = "x";
    cell.fontColour = rgbColour(0xFF, 0, 0);
    cell.bold = cell.italic = cell.underline = true;
    grid.rows[1][0].text = "not coloured by the cell";
    grid.rows[1][0].fontColour = rgbColour(0, 0xFF, 0);

    const std::string html = htmlText(grid, rgbColour(0, 0, 0));
    EXPECT_NE(html.find("\r\n<td nowrap><font color=\"#FF0000\"><B><I><U>x</U></I></B></font></td>\r\n"),
              std::string::npos)
        << html;
    // Column 0 always has the frame colour and nothing else.
    EXPECT_NE(html.find("\r\n<td nowrap BGCOLOR=\"#000000\">not coloured by the cell</td>\r\n"), std::string::npos)
        << html;
}
