#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace qv {

// The twelve item fields by number; the item table's column map and every
// file format address them this way.
enum ItemField : int {
    FieldName = 1,
    FieldFileName = 2,
    FieldCdPath = 3,
    FieldSerial = 4,
    FieldCdSize = 5,
    FieldHdSize = 6,
    FieldDescription = 7,
    FieldCategory = 8,
    FieldCopy = 9,
    FieldSourceLocation = 10,
    FieldHomepage = 11,
    FieldExecute = 12,
};

inline constexpr int kItemFieldCount = 12;

// One item's fields in field order (field 1 at index 0), as the project file
// and the runtime item files take them.
using ItemFieldTexts = std::array<std::string, kItemFieldCount>;

inline std::string& fieldOf(ItemFieldTexts& item, int field)
{
    return item[static_cast<std::size_t>(field - 1)];
}

inline const std::string& fieldOf(const ItemFieldTexts& item, int field)
{
    return item[static_cast<std::size_t>(field - 1)];
}

}  // namespace qv
