#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One window's section of a language file: its E keys (texts) and the keys of
// its L_ section (font sizes), both in the window's layout order.
struct WindowSection {
    std::string_view name;
    std::string_view eKeys;  // key ranges, e.g. "E1-E41,E96_2-E96_7,E175"
    std::string_view lKeys;
};

std::span<const WindowSection> windowSections();

// "E1-E3,E96_2-E96_4,E51f" -> E1 E2 E3 E96_2 E96_3 E96_4 E51f. A range runs
// over the last number of its two ends, which share everything before it.
std::vector<std::string> expandKeyRanges(std::string_view ranges);

// The L_ section of a window section: "L_" + name.
std::string fontSection(std::string_view windowSection);

}  // namespace qv
