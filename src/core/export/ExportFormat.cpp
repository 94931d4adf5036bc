#include "export/ExportFormat.h"

#include "util/Text.h"

#include <array>
#include <cassert>

namespace qv {

namespace {

constexpr std::array<ExportFormatInfo, 5> kFormats{{
    {ExportFormat::Ascii, "ASCII1Click", "asc", "ASCII", "E111"},
    {ExportFormat::Csv, "CVA1Click", "cvs", "CVS", "E112"},
    {ExportFormat::Word, "DOC1Click", "doc", "Word", "E113"},
    {ExportFormat::Excel, "Excel1Click", "xls", "Excel", "E114"},
    {ExportFormat::Html, "HTML1Click", "html", "HTML", "E115"},
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
