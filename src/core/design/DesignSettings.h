#pragma once

#include "util/Colour.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Placement of the background picture (`tile_mode`).
enum class TileMode { Center, None, Stretch, Tile };
// Border style of the buttons (`style`).
enum class ButtonStyle { Inset, Normal, Offset };
// Shadow or 3D look of the buttons (`effect`).
enum class ButtonEffect { Shadow, ThreeD };
// Effect of a text (`font_effect`, `fuc_effect`, ...).
enum class TextEffect { None, Raised, Sunken, Shadow, RaisedShadow, SunkenShadow };

// The exact spellings of the files; reading compares letter case too.
std::string_view tileModeText(TileMode mode);
std::optional<TileMode> tileModeFromText(std::string_view text);
std::string_view buttonStyleText(ButtonStyle style);
std::optional<ButtonStyle> buttonStyleFromText(std::string_view text);
std::string_view buttonEffectText(ButtonEffect effect);
std::optional<ButtonEffect> buttonEffectFromText(std::string_view text);
std::string_view textEffectText(TextEffect effect);
std::optional<TextEffect> textEffectFromText(std::string_view text);

// Fills of background and buttons (`design_mode`, `button_mode`); any other
// text read from a file is kept as it is.
inline constexpr std::string_view kFillBand = "band";
inline constexpr std::string_view kFillBitmap = "bmp";
inline constexpr std::string_view kFillTransparent = "trans";

// Box picture choices (`boxc_bmp`, `boxf_bmp`, `boxd_bmp`).
inline constexpr int kBoxPictureNone = 0;
inline constexpr int kBoxPictureBackground = 1;
inline constexpr int kBoxPictureButton = 2;

// Letter case of the menu's words (`Style` of `Language`).
inline constexpr int kLetterCaseLower = 0;
inline constexpr int kLetterCaseNormal = 1;
inline constexpr int kLetterCaseUpper = 2;

// The three texts of the menu: category, file and details.
enum class MenuText { Category, File, Details };

struct TextLook {
    ColourValue colour = 0x000000;      // fuc, fduc, fdnc
    ColourValue light = 0xFFFFFF;       // c_flc, f_flc, d_flc
    ColourValue shadow = 0x808080;      // c_fsc, f_fsc, d_fsc
    bool bold = false;                  // fuc_format, ... "bold" or "normal"
    TextEffect effect = TextEffect::Sunken;  // fuc_effect, ...
    int size = 10;                      // fuc_size, ...

    bool operator==(const TextLook&) const = default;
};

// Every value of a design file that is not a path; the pictures, sounds and
// icon are the companion file references of ProjectFiles. The initial values
// are the defaults of a file without keys.
struct DesignSettings {
    static constexpr int kMaxFrameWidth = 250;
    static constexpr int kMaxDelaySeconds = 60;
    static constexpr int kMaxShadowDepth = 15;
    static constexpr int kMaxBorderWidth = 20;

    std::string designMode{kFillBand};  // general/design_mode, kept as read
    std::string buttonMode{kFillBand};  // general/button_mode, kept as read

    ColourValue splashFrameColour = 0xFFFFFF;  // Splash/fc
    int splashFrameWidth = 1;                  // Splash/fw, 0..250
    int splashDelaySeconds = 1;                // Splash/d in milliseconds on disk, 0..60 s

    ColourValue buttonStart = 0x000000;        // Buttons/btnc
    ColourValue buttonEnd = 0x000000;          // Buttons/btnec
    ColourValue buttonText = 0x000000;         // Buttons/btnFc
    int buttonSize = 10;                       // Buttons/size
    int buttonShadowDepth = 5;                 // Buttons/btnsd, 0..15
    int buttonBorderWidth = 1;                 // Buttons/btnbw, 0..20
    ColourValue buttonBorder = 0x000000;       // Buttons/btnbc
    ButtonStyle buttonStyle = ButtonStyle::Normal;      // Buttons/style
    ButtonEffect buttonEffect = ButtonEffect::Shadow;   // Buttons/effect
    TextEffect buttonTextEffect = TextEffect::Sunken;   // Buttons/font_effect
    ColourValue buttonTextLight = 0xFFFFFF;    // Buttons/btnstyle_lc
    ColourValue buttonTextShadow = 0x808080;   // Buttons/btnstyle_sc
    ColourValue buttonShadow = 0x000000;       // Buttons/buttonshadowcolor
    bool buttonBold = false;                   // Buttons/font_format

    ColourValue categoryBox = 0xFFFFFF;        // Boxes/boxc_c
    ColourValue categoryBoxText = 0x000000;    // Boxes/boxc_fc
    ColourValue fileBox = 0xFFFFFF;            // Boxes/boxf_c
    ColourValue fileBoxText = 0x000000;        // Boxes/boxf_fc
    ColourValue detailsBox = 0xFFFFFF;         // Boxes/boxd_c
    int categoryBoxPicture = kBoxPictureNone;  // Boxes/boxc_bmp; outside 0..2 written as -1
    int fileBoxPicture = kBoxPictureNone;      // Boxes/boxf_bmp
    int detailsBoxPicture = kBoxPictureNone;   // Boxes/boxd_bmp

    // Fonts/...: category, file, details (index by MenuText).
    std::array<TextLook, 3> texts{TextLook{0x000000, 0xFFFFFF, 0x808080, true, TextEffect::Sunken, 10},
                                  TextLook{0x000000, 0xFFFFFF, 0x808080, true, TextEffect::Sunken, 10},
                                  TextLook{0x000000, 0xFFFFFF, 0x808080, false, TextEffect::None, 10}};

    ColourValue backStart = 0x000000;          // Back/bc
    ColourValue backEnd = 0x000000;            // Back/bec
    TileMode tileMode = TileMode::Tile;        // Back/tile_mode

    int language = 0;                          // Language/Language: 0 English .. 3 Spanish; outside written as -1
    int letterCase = kLetterCaseLower;         // Language/Style

    // The six faces in DesignFont order (Fonts/Font_fname_...). A box font
    // whose face is not available holds no face.
    std::array<std::string, 6> fontFaces{"Arial", "Arial", "Arial", "Arial", "Arial", "Arial"};

    TextLook& text(MenuText t) { return texts[static_cast<std::size_t>(t)]; }
    const TextLook& text(MenuText t) const { return texts[static_cast<std::size_t>(t)]; }

    bool operator==(const DesignSettings&) const = default;
};

}  // namespace qv
