#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "util/Colour.h"

namespace rnv {

// Item type numbers as the build classifies file names; type t shows m<t+1>.ico.
inline constexpr int kItemTypeCount = 14;
inline constexpr int kJumpPointType = 12;

struct MenuItem {
    int category = 0;  // n of <n>-<i>
    int index = 0;     // i of <n>-<i>
    std::string caption;
    int type = 2;
    // False when members.cfg names an item whose m<n>-<i>.dat is missing or unreadable:
    // the item is listed but offers nothing.
    bool hasDetails = false;
    std::string pfad;
    bool copy = false;
    bool execute = false;
    std::string desc;
    std::string serial;
    std::string sizeCd;
    std::string sizeHd;
    std::string url;
};

struct MenuCategory {
    std::string caption;
    std::filesystem::path icon;  // <icon_number>.ico in CFG/, may not exist
    std::vector<MenuItem> items;
};

enum class TextEffect { None, Raised, Sunken, Shadow, RaisedShadow, SunkenShadow };
enum class TileMode { Center, None, Stretch, Tile };
enum class ButtonStyle { Inset, Normal, Offset };
enum class ButtonEffect { Shadow, ThreeD };
enum class LetterCase { Lower = 0, AsWritten = 1, Upper = 2 };

struct TextLook {
    std::string face = "Arial";
    int size = 10;
    bool bold = false;
    qv::ColourValue colour = qv::rgbColour(0, 0, 0);
    qv::ColourValue light = qv::rgbColour(255, 255, 255);
    qv::ColourValue shadow = qv::rgbColour(128, 128, 128);
    TextEffect effect = TextEffect::None;
};

// 0 none, 1 the background picture, 2 the button picture.
enum class BoxPicture { None = 0, Background = 1, Button = 2 };

struct BoxLook {
    qv::ColourValue colour = qv::rgbColour(255, 255, 255);
    qv::ColourValue textColour = qv::rgbColour(0, 0, 0);
    BoxPicture picture = BoxPicture::None;
    std::string face = "Arial";  // the box's own font, used for its heading
};

// The design values the window draws with; defaults are the design file's.
struct MenuLook {
    bool backgroundPicture = false;  // design_mode "bmp"
    std::string buttonMode = "band";  // "band", "bmp" or "trans"

    qv::ColourValue splashFrame = qv::rgbColour(255, 255, 255);
    int splashFrameWidth = 1;
    int splashSeconds = 1;

    qv::ColourValue backStart = qv::rgbColour(0, 0, 0);
    qv::ColourValue backEnd = qv::rgbColour(0, 0, 0);
    TileMode tileMode = TileMode::Tile;

    qv::ColourValue buttonStart = qv::rgbColour(0, 0, 0);
    qv::ColourValue buttonEnd = qv::rgbColour(0, 0, 0);
    TextLook buttonText;
    int buttonShadowDepth = 5;
    int buttonBorderWidth = 1;
    qv::ColourValue buttonBorder = qv::rgbColour(0, 0, 0);
    qv::ColourValue buttonShadow = qv::rgbColour(0, 0, 0);
    ButtonStyle buttonStyle = ButtonStyle::Normal;
    ButtonEffect buttonEffect = ButtonEffect::Shadow;

    BoxLook categoryBox;
    BoxLook fileBox;
    BoxLook detailsBox;
    TextLook categoryText;
    TextLook fileText;
    TextLook detailsText;

    int language = 0;
    LetterCase letterCase = LetterCase::Lower;

    MenuLook();
};

}  // namespace rnv
