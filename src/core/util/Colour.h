#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

// 32-bit colour: RGB with red in bits 0-7, green 8-15, blue 16-23; a system
// colour has bit 31 set and its index in the low bits; kColourNone is "none".
using ColourValue = std::uint32_t;

inline constexpr ColourValue kColourNone = 0x1FFFFFFF;
inline constexpr ColourValue kColourWhite = 0xFFFFFF;

// The 16 custom colours of the colour dialog; white marks a free place.
using CustomColours = std::array<ColourValue, 16>;

constexpr CustomColours whiteCustomColours()
{
    CustomColours colours{};
    colours.fill(kColourWhite);
    return colours;
}

constexpr ColourValue rgbColour(int r, int g, int b)
{
    return static_cast<ColourValue>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Raised for a colour text that is neither a known name nor an integer.
class ColourConversionError final : public std::runtime_error {
public:
    explicit ColourConversionError(std::string_view text);
};

// A name of the colour table (e.g. "clGray", any case on reading) or "$" and
// eight upper-case hexadecimal digits.
std::string colourToText(ColourValue colour);
std::optional<ColourValue> colourFromText(std::string_view text);
// As colourFromText, but raises the conversion error "'%s' ist kein gültiger Integerwert".
ColourValue colourFromTextOrThrow(std::string_view text);

// The RGB value shown for a colour: system colours map to the usual desktop
// values, none to white.
ColourValue resolveSystemColour(ColourValue colour);

}  // namespace qv
