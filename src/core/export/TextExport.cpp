#include "export/TextExport.h"

#include "export/ExportGrid.h"
#include "util/Text.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// clActiveBorder: system colour index 10.
constexpr ColourValue kActiveBorder = 0x8000000Au;

std::string_view firstLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

std::string csvCell(std::string_view text)
{
    if (text.empty())
        return "\"\"";
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    // Quotes are doubled and a line break is kept as a bare LF inside the
    // quotes, so a reader sees the cell whole and the row's line ends where it should.
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            out += "\"\"";
        else if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                out += '\n';
        } else
            out += c;
    }
    out += '"';
    return out;
}

std::string htmlColour(ColourValue colour)
{
    const ColourValue rgb = resolveSystemColour(colour);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", rgb & 0xFFu, (rgb >> 8) & 0xFFu, (rgb >> 16) & 0xFFu);
    return buf;
}

// Escaped text, each line break (CR LF, CR or LF) turned into <br> and a new
// line of the file; an empty cell is a <br> so the browser draws its frame.
std::string htmlCellText(std::string_view text)
{
    if (text.empty())
        return "<br>";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            [[fallthrough]];
        case '\n':
            out += "<br>";
            out += kLineEnd;
            break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string asciiText(const ExportGrid& grid)
{
    const int columns = grid.columnCount();
    std::vector<std::size_t> widths(static_cast<std::size_t>(columns), 0);
    // Widths count the characters written, so a text's later lines (which are
    // not written) don't widen its column.
    for (const auto& row : grid.rows) {
        for (int c = 0; c < columns; ++c) {
            auto& w = widths[static_cast<std::size_t>(c)];
            w = std::max(w, utf8Length(firstLine(row[static_cast<std::size_t>(c)].text)));
        }
    }

    std::string out;
    for (const auto& row : grid.rows) {
        for (int c = 0; c < columns; ++c) {
            const std::string_view text = firstLine(row[static_cast<std::size_t>(c)].text);
            out += text;
            out.append(widths[static_cast<std::size_t>(c)] - utf8Length(text) + 1, ' ');
        }
        out += kLineEnd;
    }
    return out;
}

std::string csvText(const ExportGrid& grid)
{
    std::string out;
    for (const auto& row : grid.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += ',';
            out += csvCell(row[c].text);
        }
        out += kLineEnd;
    }
    return out;
}

ColourValue activeBorderColour()
{
    return resolveSystemColour(kActiveBorder);
}

std::string htmlText(const ExportGrid& grid, ColourValue activeBorder)
{
    const std::string frame = " BGCOLOR=\"" + htmlColour(activeBorder) + "\"";
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += kLineEnd;
    };

    // The file is UTF-8 like every file we write; without the declaration a
    // browser guesses the encoding from the locale.
    line("<meta charset=\"utf-8\">");
    line("<table border=\"1\" cellspacing=\"0\" width=\"100%\">");
    for (int r = 0; r < grid.rowCount(); ++r) {
        line("<tr>");
        const auto& row = grid.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const ExportCell& cell = row[c];
            const std::string text = htmlCellText(cell.text);
            if (r == 0) {
                line("<td nowrap" + frame + "><B>" + text + "</B></td>");
                continue;
            }
            if (c == 0) {
                line("<td nowrap" + frame + ">" + text + "</td>");
                continue;
            }
            std::string td = "<td nowrap";
            if (cell.background)
                td += " BGCOLOR=\"" + htmlColour(*cell.background) + "\"";
            td += '>';
            if (cell.fontColour)
                td += "<font color=\"" + htmlColour(*cell.fontColour) + "\">";
            if (cell.bold)
                td += "<B>";
            if (cell.italic)
                td += "<I>";
            if (cell.underline)
                td += "<U>";
            td += text;
            if (cell.underline)
                td += "</U>";
            if (cell.italic)
                td += "</I>";
            if (cell.bold)
                td += "</B>";
            if (cell.fontColour)
                td += "</font>";
            td += "</td>";
            line(td);
        }
        line("</tr>");
    }
    line("</table><p>");
    return out;
}

}  // namespace qv
