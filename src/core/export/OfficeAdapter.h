#pragma once

#include <filesystem>
#include <string>

namespace qv {

struct ExportGrid;

// What an export ends with: ok, or the error text to show.
struct ExportResult {
    bool ok = true;
    std::string error;
    bool stopped = false;  // the person stopped it before anything was written
};

// Word documents and Excel workbooks are made by an office program; an
// adapter drives one. The cells go in as texts, row by row and column by column.
class OfficeAdapter {
public:
    virtual ~OfficeAdapter() = default;

    // A table of grid.rowCount() rows and grid.columnCount() columns, each
    // cell's text inserted left aligned, saved under path.
    virtual ExportResult writeWord(const ExportGrid& grid, const std::filesystem::path& path) = 0;
    // A new sheet whose range excelRange(columns, rows) holds the cell texts, saved under path.
    virtual ExportResult writeExcel(const ExportGrid& grid, const std::filesystem::path& path) = 0;
};

// No office program on this system: both exports end with their error texts
// and write nothing.
class NoOfficeAdapter final : public OfficeAdapter {
public:
    static constexpr const char* kWordMissing = "Word OLE server not found";
    static constexpr const char* kExcelMissing = "Excel OLE server not found";

    ExportResult writeWord(const ExportGrid& grid, const std::filesystem::path& path) override;
    ExportResult writeExcel(const ExportGrid& grid, const std::filesystem::path& path) override;
};

// Spreadsheet column letters counted from 1: A..Z, AA, AB, ...
std::string excelColumnName(int column);
// The range from A1 to the last column and row, e.g. "A1:M5" for 13 columns and 5 rows.
std::string excelRange(int columns, int rows);

}  // namespace qv
