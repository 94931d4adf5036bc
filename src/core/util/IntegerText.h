#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// The integers of settings files and command-line options: "0x1F" and "$1F"
// are hexadecimal (all 32 bits, $FFFFFFFF is -1), otherwise decimal with an
// optional sign; leading blanks are skipped. False when out of range or not a number.
bool parseInteger(std::string_view text, std::int32_t& out);

}  // namespace qv
