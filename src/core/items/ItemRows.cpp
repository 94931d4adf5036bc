#include "items/ItemRows.h"

#include "items/ItemRules.h"
#include "project/ItemTable.h"

#include <algorithm>

namespace qv {

namespace {

bool whollyBlank(const ItemTable& table, int row)
{
    for (int field = 1; field <= kItemFieldCount; ++field) {
        if (!table.read(field, row).empty())
            return false;
    }
    return true;
}

}  // namespace

int rowsForNewItems(ItemTable& table, int count)
{
    if (count <= 0)
        return table.rowCount();
    const bool reuseRow1 = table.rowCount() == 2 && whollyBlank(table, 1);
    const int first = reuseRow1 ? 1 : table.rowCount();
    table.setRowCount(first + count);
    return first;
}

void writeItemRow(ItemTable& table, int row, const ItemFieldTexts& item)
{
    for (int field = 1; field <= kItemFieldCount; ++field)
        table.write(field, row, fieldOf(item, field));
}

int addItemRow(ItemTable& table, const ItemFieldTexts& item)
{
    const int row = rowsForNewItems(table, 1);
    writeItemRow(table, row, item);
    table.setModified(true);
    int display = 1;
    while (display < ItemTable::kColumns - 1 && table.isHidden(table.displayToReal(display)))
        ++display;
    table.setCursor(row, display);
    table.refreshCategoryColouring();
    return row;
}

FieldCapacity addressCapacity()
{
    std::size_t longest = 0;
    for (const auto scheme : kHomepageSchemes)
        longest = std::max(longest, scheme.size());
    const std::size_t room = FieldCapacity::ofItem(FieldHomepage).bytes();
    return FieldCapacity(room > longest ? room - longest : 0);
}

}  // namespace qv
