#include "export/ExportGrid.h"

#include "project/ItemTable.h"

namespace qv {

ExportGrid ExportGrid::fromTable(const ItemTable& table)
{
    // Column 0 is exported even though it holds nothing: the formats keep its place.
    std::vector<int> columns{0};
    for (int c = 1; c < ItemTable::kColumns; ++c) {
        if (!table.isHidden(c))
            columns.push_back(c);
    }

    ExportGrid grid;
    grid.rows.reserve(static_cast<std::size_t>(table.rowCount()));
    for (int r = 0; r < table.rowCount(); ++r) {
        std::vector<ExportCell> row;
        row.reserve(columns.size());
        for (const int c : columns) {
            ExportCell cell;
            cell.text = table.cell(r, c);
            if (r > 0 && c > 0) {
                const ColourValue band = table.rowColour(r);
                if (band != kColourNone)
                    cell.background = band;
            }
            row.push_back(std::move(cell));
        }
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

}  // namespace qv
