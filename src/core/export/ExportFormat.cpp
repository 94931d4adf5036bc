#include "export/ExportFormat.h"

#include "util/Text.h"

#include <array>
#include <cassert>

namespace qv {

namespace {

constexpr std::array<ExportFormatInfo, 5> kFormats{{
    {ExportFormat::Ascii, "exportAsciiClick", "asc", "ASCII", "E111"},
    {ExportFormat::Csv, "exportCsvClick", "cvs", "CVS", "E112"},
    {ExportFormat::Word, "exportWordClick", "doc", "Word", "E113"},
    {ExportFormat::Excel, "exportExcelClick", "xls", "Excel", "E114"},
    {ExportFormat::Html, "exportHtmlClick", "html", "HTML", "E115"},
}};

}  // namespace

std::span<const ExportFormatInfo> exportFormats()
{
    return kFormats;
}

const ExportFormatInfo& exportFormatInfo(ExportFormat format)
{
    for (const auto& info : kFormats) {
        if (info.format == format)
            return info;
    }
    assert(false && "every format has an entry");
    return kFormats[0];
}

std::optional<ExportFormat> exportFormatFromName(std::string_view name)
{
    for (const auto& info : kFormats) {
        if (iequals(info.extension, name))
            return info.format;
    }
    return std::nullopt;
}

}  // namespace qv
