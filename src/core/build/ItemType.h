#pragma once

#include <string_view>

namespace qv {

// The item type 0 to 13 of a File Name: the number of the icon the menu
// runtime shows beside the item (2 when nothing else applies, 12 for a jump
// point whose word is "jump point").
int itemType(std::string_view fileName);

}  // namespace qv
