#include "export/OfficeAdapter.h"

#include <cassert>

namespace qv {

ExportResult NoOfficeAdapter::writeWord(const ExportGrid&, const std::filesystem::path&)
{
    return {false, kWordMissing};
}

ExportResult NoOfficeAdapter::writeExcel(const ExportGrid&, const std::filesystem::path&)
{
    return {false, kExcelMissing};
}

std::string excelColumnName(int column)
{
    assert(column >= 1);
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

std::string excelRange(int columns, int rows)
{
    return "A1:" + excelColumnName(columns) + std::to_string(rows);
}

}  // namespace qv
