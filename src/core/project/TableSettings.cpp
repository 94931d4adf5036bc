#include "project/TableSettings.h"

#include "project/ItemTable.h"

namespace qv {

void applyGridSettings(ItemTable& table, const GridSettings& grid)
{
    table.setGridMode(grid.mode.value_or(-1));
    table.setColours(grid.color1, grid.color2);
    GridLayout layout;
    for (int f = 1; f <= kGridFields; ++f) {
        const auto v = grid.visibility[static_cast<std::size_t>(f - 1)];
        if (v != ColumnVisibility::Unchanged)
            layout.fieldVisible[static_cast<std::size_t>(f)] = v == ColumnVisibility::Visible;
    }
    layout.widths = grid.widths;
    table.applyGridLayout(layout);
}

void fillGridSettings(const ItemTable& table, GridSettings& grid)
{
    for (int n = 1; n <= kGridFields; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        grid.headingNames[i] = table.englishNameOfHeading(n);
        grid.visibility[i] = table.isHidden(n) ? ColumnVisibility::Hidden : ColumnVisibility::Visible;
        grid.widths[static_cast<std::size_t>(n)] = table.width(n);
    }
    const int mode = table.gridMode();
    grid.mode = mode >= 0 && mode <= 2 ? std::optional<int>(mode) : std::nullopt;
    grid.color1 = table.colour1();
    grid.color2 = table.colour2();
}

}  // namespace qv
