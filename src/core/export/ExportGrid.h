#pragma once

#include "util/Colour.h"

#include <optional>
#include <string>
#include <vector>

namespace qv {

class ItemTable;

// One exported cell: its text and how the table paints it.
struct ExportCell {
    std::string text;
    std::optional<ColourValue> background;  // none: the table gives the cell no colour of its own
    std::optional<ColourValue> fontColour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The item table as shown, as a rectangle of cells: row 0 the headings, then
// every item row in its order; column 0 (the fixed column) and then the
// shown field columns in their shown order.
struct ExportGrid {
    std::vector<std::vector<ExportCell>> rows;

    int rowCount() const { return static_cast<int>(rows.size()); }
    int columnCount() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    const std::string& text(int row, int column) const
    {
        return rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).text;
    }

    // Item cells carry their row's category band colour; hidden columns are left out.
    static ExportGrid fromTable(const ItemTable& table);
};

}  // namespace qv
