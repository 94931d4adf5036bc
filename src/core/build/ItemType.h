#pragma once

#include "i18n/JumpWords.h"

#include <string_view>

namespace qv {

// The item type 0 to 13 of a File Name: the number of the icon the menu
// runtime shows beside the item (2 when nothing else applies, 12 for a jump
// point: the jump word of any interface language).
int itemType(std::string_view fileName, const JumpWords& jumpWords = JumpWords());

}  // namespace qv
