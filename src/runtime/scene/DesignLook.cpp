// The design's values as the runtime draws them. The authoring program's
// design editor draws its samples through the same look, so what the editor
// shows is what the menu shows.
#include "DesignLook.h"

#include <algorithm>

namespace rnv {

MenuLook::MenuLook()
{
    buttonText.effect = TextEffect::Sunken;
    for (TextLook* t : {&categoryText, &fileText}) {
        t->bold = true;
        t->effect = TextEffect::Sunken;
    }
}

namespace {

TextEffect effectOf(qv::TextEffect e)
{
    switch (e) {
    case qv::TextEffect::None:
        return TextEffect::None;
    case qv::TextEffect::Raised:
        return TextEffect::Raised;
    case qv::TextEffect::Sunken:
        return TextEffect::Sunken;
    case qv::TextEffect::Shadow:
        return TextEffect::Shadow;
    case qv::TextEffect::RaisedShadow:
        return TextEffect::RaisedShadow;
    case qv::TextEffect::SunkenShadow:
        return TextEffect::SunkenShadow;
    }
    return TextEffect::None;
}

BoxPicture boxPictureOf(int value)
{
    return value == qv::kBoxPictureBackground ? BoxPicture::Background
         : value == qv::kBoxPictureButton     ? BoxPicture::Button
                                              : BoxPicture::None;
}

// Sizes outside this range come only from a damaged or hand-edited file.
int fontSize(int size)
{
    return std::clamp(size, 4, 72);
}

std::string faceOr(const std::string& face, const char* fallback)
{
    return face.empty() ? std::string(fallback) : face;
}

TextLook textOf(const qv::TextLook& t, const std::string& face)
{
    TextLook out;
    out.face = faceOr(face, "Arial");
    out.size = fontSize(t.size);
    out.bold = t.bold;
    out.colour = t.colour;
    out.light = t.light;
    out.shadow = t.shadow;
    out.effect = effectOf(t.effect);
    return out;
}

}  // namespace

MenuLook lookOf(const qv::DesignSettings& s)
{

    MenuLook look;
    look.buttonMode = s.buttonMode;
    look.backStart = s.backStart;
    look.backEnd = s.backEnd;
    switch (s.tileMode) {
    case qv::TileMode::Center:
        look.tileMode = TileMode::Center;
        break;
    case qv::TileMode::None:
        look.tileMode = TileMode::None;
        break;
    case qv::TileMode::Stretch:
        look.tileMode = TileMode::Stretch;
        break;
    case qv::TileMode::Tile:
        look.tileMode = TileMode::Tile;
        break;
    }

    look.buttonStart = s.buttonStart;
    look.buttonEnd = s.buttonEnd;
    look.buttonText.face = faceOr(s.fontFaces[static_cast<std::size_t>(qv::DesignFont::Button)], "Arial");
    look.buttonText.size = fontSize(s.buttonSize);
    look.buttonText.bold = s.buttonBold;
    look.buttonText.colour = s.buttonText;
    look.buttonText.light = s.buttonTextLight;
    look.buttonText.shadow = s.buttonTextShadow;
    look.buttonText.effect = effectOf(s.buttonTextEffect);
    look.buttonShadowDepth = s.buttonShadowDepth;
    look.buttonBorderWidth = s.buttonBorderWidth;
    look.buttonBorder = s.buttonBorder;
    look.buttonShadow = s.buttonShadow;
    look.buttonStyle = s.buttonStyle == qv::ButtonStyle::Inset   ? ButtonStyle::Inset
                     : s.buttonStyle == qv::ButtonStyle::Offset ? ButtonStyle::Offset
                                                                : ButtonStyle::Normal;
    look.buttonEffect = s.buttonEffect == qv::ButtonEffect::ThreeD ? ButtonEffect::ThreeD : ButtonEffect::Shadow;

    look.categoryBox = {s.categoryBox, s.categoryBoxText, boxPictureOf(s.categoryBoxPicture),
                        faceOr(s.fontFaces[static_cast<std::size_t>(qv::DesignFont::CategoryBox)], "Arial")};
    look.fileBox = {s.fileBox, s.fileBoxText, boxPictureOf(s.fileBoxPicture),
                    faceOr(s.fontFaces[static_cast<std::size_t>(qv::DesignFont::FileBox)], "Arial")};
    look.categoryText = textOf(s.text(qv::MenuText::Category), s.fontFaces[static_cast<std::size_t>(qv::DesignFont::CategoryText)]);
    look.fileText = textOf(s.text(qv::MenuText::File), s.fontFaces[static_cast<std::size_t>(qv::DesignFont::FileText)]);
    look.detailsText = textOf(s.text(qv::MenuText::Details), s.fontFaces[static_cast<std::size_t>(qv::DesignFont::DetailsText)]);
    // The details box has no text colour of its own: its heading takes the details text's.
    look.detailsBox = {s.detailsBox, s.text(qv::MenuText::Details).colour, boxPictureOf(s.detailsBoxPicture),
                       look.detailsText.face};

    look.language = s.language >= 0 && s.language <= 3 ? s.language : 0;
    look.letterCase = s.letterCase == qv::kLetterCaseNormal ? LetterCase::AsWritten
                    : s.letterCase == qv::kLetterCaseUpper  ? LetterCase::Upper
                                                            : LetterCase::Lower;

    look.backgroundPicture = s.designMode == qv::kFillBitmap;
    look.splashFrame = s.splashFrameColour;
    look.splashFrameWidth = s.splashFrameWidth;
    look.splashSeconds = s.splashDelaySeconds;
    return look;
}

}  // namespace rnv
