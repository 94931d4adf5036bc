#include "items/ItemRules.h"

#include "project/ItemTable.h"

#include <cmath>

namespace qv {

std::string sizeText(std::int64_t bytes)
{
    const double mb = static_cast<double>(bytes) / 1024.0 / 1024.0;
    const auto n = static_cast<std::int64_t>(std::trunc(mb));
    return n >= 1 ? std::to_string(n) + " MB" : std::string("< 1 MB");
}

std::string cdPathOf(std::string_view folderText, std::string_view projectFolderText)
{
    if (folderText.empty())
        return "\\";
    std::string value(folderText);
    if (!projectFolderText.empty() && folderText.substr(0, projectFolderText.size()) == projectFolderText)
        value = std::string(folderText.substr(projectFolderText.size()));
    for (char& c : value) {
        if (c == '/')
            c = '\\';
    }
    if (value.empty() || value.front() != '\\')
        value.insert(value.begin(), '\\');
    return value;
}

std::string homepageOf(std::string_view scheme, std::string_view address)
{
    if (address.empty() || address == "n/a")
        return std::string(address);
    return std::string(scheme) + std::string(address);
}

SchemeAndAddress splitWebAddress(std::string_view text)
{
    for (std::size_t i = 0; i < std::size(kSchemes); ++i) {
        if (text.substr(0, kSchemes[i].size()) == kSchemes[i])
            return {static_cast<int>(i), std::string(text.substr(kSchemes[i].size()))};
    }
    return {0, std::string(text)};
}

int categoryIndexKept(int lastIndex, int captionCount)
{
    if (captionCount <= 0)
        return -1;
    return lastIndex >= 0 && lastIndex < captionCount ? lastIndex : 0;
}

int rowForNewItem(ItemTable& table)
{
    if (table.rowCount() == 2) {
        bool blank = true;
        for (int field = 1; field <= kItemFieldCount && blank; ++field)
            blank = table.read(field, 1).empty();
        if (blank)
            return 1;
    }
    return table.appendRow();
}

int addItemRow(ItemTable& table, const ItemFieldTexts& item)
{
    const int row = rowForNewItem(table);
    for (int field = 1; field <= kItemFieldCount; ++field)
        table.write(field, row, fieldOf(item, field));
    table.setModified(true);
    int display = 1;
    while (display < ItemTable::kColumns - 1 && table.isHidden(table.displayToReal(display)))
        ++display;
    table.setCursor(row, display);
    table.refreshCategoryColouring();
    return row;
}

}  // namespace qv
