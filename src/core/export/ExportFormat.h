#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace qv {

// The five forms of the item list, in the order of the Export menu.
enum class ExportFormat { Ascii, Csv, Word, Excel, Html };

struct ExportFormatInfo {
    ExportFormat format;
    std::string_view handler;    // the menu command
    std::string_view extension;  // default extension, without dot; also the command line's name
    std::string_view filterName; // the save chooser's filter: filterName|*.extension
    std::string_view menuKey;    // caption of the menu entry, section Main
};

std::span<const ExportFormatInfo> exportFormats();
const ExportFormatInfo& exportFormatInfo(ExportFormat format);
// "asc", "cvs", "doc", "xls" or "html" (the default extensions, ASCII case
// ignored); nullopt for any other name.
std::optional<ExportFormat> exportFormatFromName(std::string_view name);

}  // namespace qv
