#include "design/DesignSettings.h"

#include <array>
#include <utility>

namespace qv {

namespace {

template <typename E, std::size_t N>
std::optional<E> lookup(const std::array<std::pair<E, std::string_view>, N>& table, std::string_view text)
{
    for (const auto& [value, spelling] : table) {
        if (spelling == text)
            return value;
    }
    return std::nullopt;
}

template <typename E, std::size_t N>
std::string_view spellingOf(const std::array<std::pair<E, std::string_view>, N>& table, E value)
{
    for (const auto& [v, spelling] : table) {
        if (v == value)
            return spelling;
    }
    return {};
}

constexpr std::array<std::pair<TileMode, std::string_view>, 4> kTileModes{
    {{TileMode::Center, "tmcenter"}, {TileMode::None, "tmnone"}, {TileMode::Stretch, "tmstretch"}, {TileMode::Tile, "tmtile"}}};
constexpr std::array<std::pair<ButtonStyle, std::string_view>, 3> kButtonStyles{
    {{ButtonStyle::Inset, "sbInset"}, {ButtonStyle::Normal, "sbNormal"}, {ButtonStyle::Offset, "sbOffset"}}};
constexpr std::array<std::pair<ButtonEffect, std::string_view>, 2> kButtonEffects{
    {{ButtonEffect::Shadow, "sbsShadow"}, {ButtonEffect::ThreeD, "sbs3D"}}};
constexpr std::array<std::pair<TextEffect, std::string_view>, 6> kTextEffects{
    {{TextEffect::None, "tdNone"}, {TextEffect::Raised, "tdRaised"}, {TextEffect::Sunken, "tdSunken"},
     {TextEffect::Shadow, "tdShadow"}, {TextEffect::RaisedShadow, "tdRaisedShadow"},
     {TextEffect::SunkenShadow, "tdSunkenShadow"}}};

}  // namespace

std::string_view tileModeText(TileMode mode) { return spellingOf(kTileModes, mode); }
std::optional<TileMode> tileModeFromText(std::string_view text) { return lookup(kTileModes, text); }
std::string_view buttonStyleText(ButtonStyle style) { return spellingOf(kButtonStyles, style); }
std::optional<ButtonStyle> buttonStyleFromText(std::string_view text) { return lookup(kButtonStyles, text); }
std::string_view buttonEffectText(ButtonEffect effect) { return spellingOf(kButtonEffects, effect); }
std::optional<ButtonEffect> buttonEffectFromText(std::string_view text) { return lookup(kButtonEffects, text); }
std::string_view textEffectText(TextEffect effect) { return spellingOf(kTextEffects, effect); }
std::optional<TextEffect> textEffectFromText(std::string_view text) { return lookup(kTextEffects, text); }

}  // namespace qv
