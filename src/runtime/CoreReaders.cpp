// Fills the runtime's model from the category file and the design file.
#include "MenuData.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Colour.h"
#include "util/Fs.h"

namespace rnv {

namespace fs = std::filesystem;

MenuLook::MenuLook()
{
    buttonText.effect = TextEffect::Sunken;
    for (TextLook* t : {&categoryText, &fileText}) {
        t->bold = true;
        t->effect = TextEffect::Sunken;
    }
}

std::vector<MenuCategory> readCategories(const fs::path& genreFile, const fs::path& cfg)
{
    qv::ProfileBatch batch;
    const qv::ProfileFile file(genreFile, &batch);
    // The count is held in 8 bits, as every reader of the category file does.
    const int count = file.readInteger("general", "anz_items", 0) & 0xFF;
    std::vector<MenuCategory> categories;
    for (int n = 0; n < count; ++n) {
        MenuCategory category;
        category.caption = file.readString(std::to_string(n), "caption", "Fehler");
        category.icon = cfg / (std::to_string(file.readInteger(std::to_string(n), "icon_number", 0)) + ".ico");
        categories.push_back(std::move(category));
    }
    return categories;
}

namespace {

class LookReader {
public:
    explicit LookReader(const fs::path& path)
        : m_file(path, &m_batch)
    {
    }

    std::string text(std::string_view section, std::string_view key, std::string_view def) const
    {
        return m_file.readString(section, key, def);
    }
    void colour(std::string_view section, std::string_view key, qv::ColourValue& out) const
    {
        if (const auto c = qv::colourFromText(text(section, key, qv::colourToText(out))))
            out = *c;
    }
    int integer(std::string_view section, std::string_view key, int def, int lo, int hi) const
    {
        const int v = m_file.readInteger(section, key, def);
        return v < lo ? lo : (v > hi ? hi : v);
    }
    void effect(std::string_view section, std::string_view key, TextEffect& out) const
    {
        static const std::pair<const char*, TextEffect> kEffects[] = {
            {"tdNone", TextEffect::None}, {"tdRaised", TextEffect::Raised}, {"tdSunken", TextEffect::Sunken},
            {"tdShadow", TextEffect::Shadow}, {"tdRaisedShadow", TextEffect::RaisedShadow},
            {"tdSunkenShadow", TextEffect::SunkenShadow}};
        const std::string v = text(section, key, "");
        for (const auto& [name, e] : kEffects) {
            if (v == name)
                out = e;
        }
    }

private:
    qv::ProfileBatch m_batch;
    qv::ProfileFile m_file;
};

}  // namespace

MenuLook readLook(const fs::path& designFile)
{
    MenuLook look;
    const LookReader r(designFile);

    look.backgroundPicture = r.text("general", "design_mode", "band") == "bmp";
    look.buttonMode = r.text("general", "button_mode", "band");

    r.colour("Splash", "fc", look.splashFrame);
    look.splashFrameWidth = r.integer("Splash", "fw", 1, 0, 250);
    look.splashSeconds = r.integer("Splash", "d", 1000, 0, 600000) / 1000;

    r.colour("Buttons", "btnc", look.buttonStart);
    r.colour("Buttons", "btnec", look.buttonEnd);
    r.colour("Buttons", "btnFc", look.buttonText.colour);
    look.buttonText.size = r.integer("Buttons", "size", 10, 4, 72);
    look.buttonShadowDepth = r.integer("Buttons", "btnsd", 5, 0, 15);
    look.buttonBorderWidth = r.integer("Buttons", "btnbw", 1, 0, 20);
    r.colour("Buttons", "btnbc", look.buttonBorder);
    const std::string style = r.text("Buttons", "style", "sbNormal");
    if (style == "sbInset")
        look.buttonStyle = ButtonStyle::Inset;
    else if (style == "sbNormal")
        look.buttonStyle = ButtonStyle::Normal;
    else if (style == "sbOffset")
        look.buttonStyle = ButtonStyle::Offset;
    const std::string effect = r.text("Buttons", "effect", "sbsShadow");
    if (effect == "sbsShadow")
        look.buttonEffect = ButtonEffect::Shadow;
    else if (effect == "sbs3D")
        look.buttonEffect = ButtonEffect::ThreeD;
    r.effect("Buttons", "font_effect", look.buttonText.effect);
    r.colour("Buttons", "btnstyle_lc", look.buttonText.light);
    r.colour("Buttons", "btnstyle_sc", look.buttonText.shadow);
    r.colour("Buttons", "buttonshadowcolor", look.buttonShadow);
    look.buttonText.bold = r.text("Buttons", "font_format", "normal") == "bold";

    struct BoxKeys {
        BoxLook* box;
        const char* colour;
        const char* textColour;
        const char* picture;
        const char* font;
    };
    for (const BoxKeys& b : {BoxKeys{&look.categoryBox, "boxc_c", "boxc_fc", "boxc_bmp", "Font_fname_cbi"},
                             BoxKeys{&look.fileBox, "boxf_c", "boxf_fc", "boxf_bmp", "Font_fname_fbi"},
                             BoxKeys{&look.detailsBox, "boxd_c", nullptr, "boxd_bmp", nullptr}}) {
        r.colour("Boxes", b.colour, b.box->colour);
        if (b.textColour)
            r.colour("Boxes", b.textColour, b.box->textColour);
        const int picture = r.integer("Boxes", b.picture, 0, -1, 3);
        b.box->picture = picture == 1 ? BoxPicture::Background : picture == 2 ? BoxPicture::Button : BoxPicture::None;
        if (b.font)
            b.box->face = r.text("Fonts", b.font, "Arial");
    }
    look.detailsBox.textColour = look.detailsText.colour;

    struct TextKeys {
        TextLook* text;
        const char* prefix;   // fuc, fduc, fdnc
        const char* effects;  // c_, f_, d_
        const char* font;
    };
    for (const TextKeys& t : {TextKeys{&look.categoryText, "fuc", "c_", "Font_fname_Font1Name"},
                              TextKeys{&look.fileText, "fduc", "f_", "Font_fname_Font2Name"},
                              TextKeys{&look.detailsText, "fdnc", "d_", "Font_fname_Font3Name"}}) {
        const std::string p = t.prefix;
        const std::string e = t.effects;
        r.colour("Fonts", p, t.text->colour);
        r.colour("Fonts", e + "flc", t.text->light);
        r.colour("Fonts", e + "fsc", t.text->shadow);
        t.text->bold = r.text("Fonts", p + "_format", t.text->bold ? "bold" : "normal") == "bold";
        r.effect("Fonts", p + "_effect", t.text->effect);
        t.text->size = r.integer("Fonts", p + "_size", 10, 4, 72);
        const std::string face = r.text("Fonts", t.font, "Arial");
        if (!face.empty())
            t.text->face = face;
    }
    look.detailsBox.textColour = look.detailsText.colour;
    const std::string buttonFace = r.text("Fonts", "Font_fname_btn_fn", "Arial");
    look.buttonText.face = buttonFace.empty() ? "Arial" : buttonFace;

    r.colour("Back", "bc", look.backStart);
    r.colour("Back", "bec", look.backEnd);
    const std::string tile = r.text("Back", "tile_mode", "tmtile");
    if (tile == "tmcenter")
        look.tileMode = TileMode::Center;
    else if (tile == "tmnone")
        look.tileMode = TileMode::None;
    else if (tile == "tmstretch")
        look.tileMode = TileMode::Stretch;
    else if (tile == "tmtile")
        look.tileMode = TileMode::Tile;

    const int language = r.integer("Language", "Language", 0, -1, 4);
    look.language = language >= 0 && language <= 3 ? language : 0;
    const int letterCase = r.integer("Language", "Style", 0, -1, 3);
    look.letterCase = letterCase == 1 ? LetterCase::AsWritten : letterCase == 2 ? LetterCase::Upper : LetterCase::Lower;
    return look;
}

}  // namespace rnv
