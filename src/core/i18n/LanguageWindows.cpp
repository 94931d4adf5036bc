#include "i18n/Language.h"
#include "i18n/WindowSections.h"

#include "profile/ProfileFile.h"

#include <array>
#include <cassert>
#include <charconv>

namespace qv {

namespace {

constexpr std::array kSections{
    WindowSection{"Main",
                  "E1-E41,E44-E51,E64-E77,E90-E153,E166-E171,E175,E176,E96_2-E96_7,E96_20",
                  "L1-L20"},
    WindowSection{"MD",
                  "E1-E113,E115-E139,E11_2,E33_2,E39_2,E51f,E56_2,E57_2,E57_3,E72_2,E73_2,E75_2,"
                  "E77_2,E77_3,E84_2,E86_2,E86_3,E93_2,E95_2,E95_3",
                  "L1-L101,L24_2,L28_2,L44_2,L45_2,L45_3,L52_2,L53_2,L55_2,L57_2,L57_3,L59_2,L61_2,"
                  "L61_3,L63_2,L65_2,L65_3"},
    WindowSection{"AFile", "E1-E16", "L1-L16"},
    WindowSection{"AddFileInfo", "E1-E5", "L1-L5"},
    WindowSection{"AddDir", "E1-E19", "L1-L18"},
    WindowSection{"AddDir_Ask", "E1-E3", "L1-L3"},
    WindowSection{"AURL", "E1-E9", "L1-L9"},
    WindowSection{"AJump", "E1-E11", "L1-L11"},
    WindowSection{"AllFilesEdit", "E1-E2", "L1-L2"},
    WindowSection{"AllFilesCombo", "E1-E2", "L1-L2"},
    WindowSection{"AllFilesYN", "E1-E3", "L1-L3"},
    WindowSection{"Color_Choose", "E1-E2", "L1-L2"},
    WindowSection{"CreateInfo", "E1-E14", "L1-L14"},
    WindowSection{"FindDlg", "E1-E15", "L1-L10"},
    WindowSection{"NewProj", "E1-E10", "L1-L10"},
    WindowSection{"Wizard", "E1-E59", "L1-L45"},
    WindowSection{"Start", "E1-E9,E20-E23", "L1-L7"},
    WindowSection{"Genre", "E1-E15", "L1-L14"},
    WindowSection{"IconWahl", "E1-E3", "L1-L3"},
    WindowSection{"Check", "E1-E3", "L1-L3"},
    WindowSection{"CheckS", "E1-E5", "L1-L4"},
    WindowSection{"Burn", "E1-E6", "L1-L5"},
};

// Splits "E96_7" into "E96_" and 7; a key without a trailing number gets -1.
std::pair<std::string_view, int> splitTrailingNumber(std::string_view key)
{
    std::size_t digits = key.size();
    while (digits > 0 && key[digits - 1] >= '0' && key[digits - 1] <= '9')
        --digits;
    if (digits == key.size())
        return {key, -1};
    int n = 0;
    std::from_chars(key.data() + digits, key.data() + key.size(), n);
    return {key.substr(0, digits), n};
}

}  // namespace

std::span<const WindowSection> windowSections()
{
    return kSections;
}

std::string fontSection(std::string_view windowSection)
{
    return "L_" + std::string(windowSection);
}

std::vector<std::string> expandKeyRanges(std::string_view ranges)
{
    std::vector<std::string> keys;
    while (!ranges.empty()) {
        const auto comma = ranges.find(',');
        const std::string_view item = ranges.substr(0, comma);
        ranges = comma == std::string_view::npos ? std::string_view() : ranges.substr(comma + 1);
        const auto dash = item.find('-');
        if (dash == std::string_view::npos) {
            keys.emplace_back(item);
            continue;
        }
        const auto [prefix, first] = splitTrailingNumber(item.substr(0, dash));
        const auto [lastPrefix, last] = splitTrailingNumber(item.substr(dash + 1));
        assert(prefix == lastPrefix && first >= 0 && first <= last);
        (void)lastPrefix;
        for (int n = first; n <= last; ++n)
            keys.push_back(std::string(prefix) + std::to_string(n));
    }
    return keys;
}

void Language::loadWindowSections(Language& lang, const ProfileFile& file)
{
    for (const WindowSection& s : kSections) {
        const std::string section(s.name);
        for (const std::string& key : expandKeyRanges(s.eKeys))
            lang.setWindowText(section, key, file.readString(section, key, ""));
        const std::string lSection = fontSection(s.name);
        for (const std::string& key : expandKeyRanges(s.lKeys))
            lang.setFontSize(lSection, key, file.readInteger(lSection, key, defaultFontSize(lSection, key)));
    }
}

}  // namespace qv
