#include "util/Colour.h"

#include "util/IntegerText.h"
#include "util/Text.h"

#include <array>
#include <cstdio>

namespace qv {

namespace {

struct NamedColour {
    const char* name;
    ColourValue value;
};

constexpr std::array<NamedColour, 17> kNamed{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
}};

constexpr std::array<const char*, 25> kSystem{
    "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
    "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
    "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
    "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText",
    "clInfoBk"};

// Classic desktop values of the system colours, in the order above.
constexpr std::array<ColourValue, 25> kSystemRgb{
    0xC8C8C8, 0x000000, 0x6A240A, 0xC8D0D4, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF};

}  // namespace

ColourConversionError::ColourConversionError(std::string_view text)
    : std::runtime_error(formatS("'%s' ist kein g\xC3\xBCltiger Integerwert", text))
{
}

std::string colourToText(ColourValue colour)
{
    for (const auto& n : kNamed) {
        if (n.value == colour)
            return n.name;
    }
    if (colour >= 0x80000000u && colour < 0x80000000u + kSystem.size())
        return kSystem[colour - 0x80000000u];
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", colour);
    return buf;
}

std::optional<ColourValue> colourFromText(std::string_view text)
{
    const std::string_view t = trimmed(text);
    for (const auto& n : kNamed) {
        if (iequals(t, n.name))
            return n.value;
    }
    for (std::size_t i = 0; i < kSystem.size(); ++i) {
        if (iequals(t, kSystem[i]))
            return static_cast<ColourValue>(0x80000000u + i);
    }
    std::int32_t value = 0;
    if (parseInteger(t, value))
        return static_cast<ColourValue>(value);
    return std::nullopt;
}

ColourValue colourFromTextOrThrow(std::string_view text)
{
    if (const auto c = colourFromText(text))
        return *c;
    throw ColourConversionError(text);
}

ColourValue resolveSystemColour(ColourValue colour)
{
    if (colour == kColourNone)
        return 0xFFFFFF;
    if (colour & 0x80000000u) {
        const auto index = colour & 0xFFu;
        return index < kSystemRgb.size() ? kSystemRgb[index] : 0;
    }
    return colour & 0xFFFFFFu;
}

}  // namespace qv
