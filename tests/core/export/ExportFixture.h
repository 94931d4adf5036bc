#pragma once

#include "export/ExportGrid.h"
#include "export/OfficeAdapter.h"
#include "project/ItemTable.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {

// Item rows as (field, text) pairs, written through the column map.
using Item = std::vector<std::pair<int, std::string>>;

// A table with English headings in field order (the table's own start) and the given items.
inline ItemTable tableWith(const std::vector<Item>& items)
{
    ItemTable table;
    table.setRowCount(static_cast<int>(items.size()) + 1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (const auto& [field, text] : items[i])
            table.write(field, static_cast<int>(i) + 1, text);
    }
    table.refreshCategoryColouring();
    return table;
}

// Hides every field column but the given ones, as Show Grid Column does.
inline void showOnly(ItemTable& table, std::initializer_list<int> fields)
{
    for (int f = 1; f <= ItemTable::kFields; ++f) {
        bool keep = false;
        for (const int k : fields)
            keep = keep || k == f;
        if (!keep)
            table.toggleGridColumn(f);
    }
}

// An office program that takes every export and keeps what it was given.
class RecordingOffice final : public OfficeAdapter {
public:
    struct Call {
        std::string kind;
        ExportGrid grid;
        std::filesystem::path path;
    };
    std::vector<Call> calls;

    ExportResult writeWord(const ExportGrid& grid, const std::filesystem::path& path) override
    {
        calls.push_back({"word", grid, path});
        return {};
    }
    ExportResult writeExcel(const ExportGrid& grid, const std::filesystem::path& path) override
    {
        calls.push_back({"excel", grid, path});
        return {};
    }
};

}  // namespace qv::test
