#include "design/MenuDesign.h"

#include "util/BaseDirectory.h"
#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "profile/ProfileBatch.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <optional>
#include <system_error>

namespace qv {

namespace {

std::filesystem::path normalised(const std::filesystem::path& path)
{
    if (path.empty())
        return path;
    std::error_code ec;
    return std::filesystem::absolute(path, ec).lexically_normal();
}

// Reads the keys of one file, remembering the first colour that could not be
// converted; that colour keeps its previous value.
class DesignReader {
public:
    explicit DesignReader(const ProfileFile& file)
        : m_file(file)
    {
    }

    std::string text(std::string_view section, std::string_view key, std::string_view def) const
    {
        return m_file.readString(section, key, def);
    }
    int integer(std::string_view section, std::string_view key, int def) const
    {
        return m_file.readInteger(section, key, def);
    }
    int clamped(std::string_view section, std::string_view key, int def, int max) const
    {
        return std::clamp(integer(section, key, def), 0, max);
    }
    void colour(std::string_view section, std::string_view key, std::string_view def, ColourValue& target)
    {
        const std::string value = text(section, key, def);
        if (const auto c = colourFromText(value))
            target = *c;
        else if (!m_badColour)
            m_badColour = value;
    }
    template <typename E>
    void choice(std::string_view section, std::string_view key, std::string_view def,
                std::optional<E> (*parse)(std::string_view), E& target) const
    {
        // An unrecognised spelling keeps the value from before the read.
        if (const auto v = parse(text(section, key, def)))
            target = *v;
    }
    bool bold(std::string_view section, std::string_view key, std::string_view def) const
    {
        return text(section, key, def) == "bold";
    }
    const std::optional<std::string>& badColour() const { return m_badColour; }

private:
    const ProfileFile& m_file;
    std::optional<std::string> m_badColour;
};

// The file called name in folder, its letter case ignored as on the
// file systems a CD is read from; the name itself when none is there.
std::filesystem::path inFolderIgnoringCase(const std::filesystem::path& folder, std::string_view name)
{
    const std::filesystem::path exact = folder / pathFromText(name);
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (iequals(pathText(entry.path().filename()), name))
            return entry.path();
    }
    return exact;
}

// Points ref at the file name in folder, and failing that at the full path,
// and failing that at builtName in folder (empty: not looked for).
void pointByName(FileReference& ref, const std::filesystem::path& folder, const std::string& name,
                 const std::string& fullPath, std::string_view builtName = {})
{
    ref.clear();
    if (!name.empty() && !folder.empty())
        ref.assign(folder / pathFromText(name));
    if (ref.empty() && !fullPath.empty())
        ref.assign(pathFromText(fullPath));
    if (ref.empty() && !builtName.empty() && !folder.empty())
        ref.assign(inFolderIgnoringCase(folder, builtName));
}

void pointByPath(FileReference& ref, const std::filesystem::path& folder, const std::string& fullPath,
                 const std::string& name, std::string_view builtName = {})
{
    ref.clear();
    if (!fullPath.empty())
        ref.assign(pathFromText(fullPath));
    if (ref.empty() && !name.empty() && !folder.empty())
        ref.assign(folder / pathFromText(name));
    if (ref.empty() && !builtName.empty() && !folder.empty())
        ref.assign(inFolderIgnoringCase(folder, builtName));
}

std::string choiceText(int value, int max)
{
    return std::to_string(value >= 0 && value <= max ? value : -1);
}

constexpr std::array<std::string_view, 3> kTextColourKeys{"fuc", "fduc", "fdnc"};
constexpr std::array<std::string_view, 3> kTextLightKeys{"c_flc", "f_flc", "d_flc"};
constexpr std::array<std::string_view, 3> kTextShadowKeys{"c_fsc", "f_fsc", "d_fsc"};
constexpr std::array<std::string_view, 3> kTextFormatKeys{"fuc_format", "fduc_format", "fdnc_format"};
constexpr std::array<std::string_view, 3> kTextFormatDefaults{"bold", "bold", "normal"};
constexpr std::array<std::string_view, 3> kTextEffectKeys{"fuc_effect", "fduc_effect", "fdnc_effect"};
constexpr std::array<std::string_view, 3> kTextEffectDefaults{"tdSunken", "tdSunken", "tdNone"};
constexpr std::array<std::string_view, 3> kTextSizeKeys{"fuc_size", "fduc_size", "fdnc_size"};

std::string soundKey(int n) { return "sound" + std::to_string(n); }

}  // namespace

MenuDesign::MenuDesign(ProjectFiles& data, DesignFonts& fonts)
    : m_data(data)
    , m_fonts(fonts)
{
}

std::filesystem::path MenuDesign::designFolder(const std::filesystem::path& designFile)
{
    if (designFile.empty())
        return {};
    return withTrailingSeparator(normalised(designFile).parent_path());
}

void MenuDesign::read(const std::filesystem::path& path, Companions companions)
{
    const bool asBuilt = companions == Companions::AsBuilt;
    auto built = [asBuilt](std::string_view name) { return asBuilt ? name : std::string_view(); };
    const std::filesystem::path file = normalised(path);
    const std::filesystem::path folder = designFolder(file);
    ProfileBatch batch;  // one parse of the file for all its keys; nothing is written
    const ProfileFile profile(file, &batch);
    DesignReader r(profile);
    DesignSettings& s = m_settings;

    s.designMode = r.text("general", "design_mode", kFillBand);
    s.buttonMode = r.text("general", "button_mode", kFillBand);

    pointByName(m_data.Splash_File, folder, r.text("Splash", "bmpalone", ""), r.text("Splash", "bmp", ""),
                built("splash.bmp"));
    if (!m_data.Splash_File.empty()) {
        r.colour("Splash", "fc", "clWhite", s.splashFrameColour);
        s.splashFrameWidth = r.clamped("Splash", "fw", 1, DesignSettings::kMaxFrameWidth);
        s.splashDelaySeconds = std::clamp(r.integer("Splash", "d", 1000) / 1000, 0, DesignSettings::kMaxDelaySeconds);
    } else {
        s.splashFrameColour = 0xFFFFFF;
        s.splashFrameWidth = 1;
        s.splashDelaySeconds = 1;
    }

    pointByName(m_data.Icon_File, folder, r.text("Icon", "namealone", ""), r.text("Icon", "name", ""), built("rnv.ico"));

    r.colour("Back", "bc", "clBlack", s.backStart);
    r.colour("Back", "bec", "clBlack", s.backEnd);
    pointByName(m_data.BMP_File, folder, r.text("Back", "bmpalone", ""), r.text("Back", "Bmp", ""), built("back.bmp"));
    r.choice("Back", "tile_mode", "tmtile", &tileModeFromText, s.tileMode);

    r.colour("Buttons", "btnc", "clBlack", s.buttonStart);
    r.colour("Buttons", "btnec", "clBlack", s.buttonEnd);
    r.colour("Buttons", "btnFc", "clBlack", s.buttonText);
    r.colour("Buttons", "btnbc", "clBlack", s.buttonBorder);
    s.buttonSize = r.integer("Buttons", "size", 10);
    s.buttonShadowDepth = r.clamped("Buttons", "btnsd", 5, DesignSettings::kMaxShadowDepth);
    s.buttonBorderWidth = r.clamped("Buttons", "btnbw", 1, DesignSettings::kMaxBorderWidth);
    r.choice("Buttons", "style", "sbNormal", &buttonStyleFromText, s.buttonStyle);
    r.choice("Buttons", "effect", "sbsShadow", &buttonEffectFromText, s.buttonEffect);
    r.colour("Buttons", "btnstyle_lc", "clwhite", s.buttonTextLight);
    r.colour("Buttons", "btnstyle_sc", "clgray", s.buttonTextShadow);
    r.colour("Buttons", "buttonshadowcolor", "clblack", s.buttonShadow);
    s.buttonBold = r.bold("Buttons", "font_format", "normal");
    pointByName(m_data.Button_file, folder, r.text("Buttons", "btn_bmpalone", ""), r.text("Buttons", "btn_bmp", ""),
                built("button.bmp"));
    r.choice("Buttons", "font_effect", "tdSunken", &textEffectFromText, s.buttonTextEffect);

    r.colour("Boxes", "boxc_c", "clWhite", s.categoryBox);
    r.colour("Boxes", "boxc_fc", "clBlack", s.categoryBoxText);
    r.colour("Boxes", "boxf_c", "clWhite", s.fileBox);
    r.colour("Boxes", "boxf_fc", "clBlack", s.fileBoxText);
    r.colour("Boxes", "boxd_c", "clWhite", s.detailsBox);
    s.categoryBoxPicture = r.integer("Boxes", "boxc_bmp", 0);
    s.fileBoxPicture = r.integer("Boxes", "boxf_bmp", 0);
    s.detailsBoxPicture = r.integer("Boxes", "boxd_bmp", 0);

    for (std::size_t i = 0; i < 3; ++i) {
        TextLook& t = s.texts[i];
        r.colour("Fonts", kTextColourKeys[i], "clBlack", t.colour);
        r.colour("Fonts", kTextLightKeys[i], "clwhite", t.light);
        r.colour("Fonts", kTextShadowKeys[i], "clgray", t.shadow);
        t.bold = r.bold("Fonts", kTextFormatKeys[i], kTextFormatDefaults[i]);
        r.choice("Fonts", kTextEffectKeys[i], kTextEffectDefaults[i], &textEffectFromText, t.effect);
        t.size = r.integer("Fonts", kTextSizeKeys[i], 10);
    }

    // Sounds try their full path first, the pictures and the icon their file name.
    for (int n = 1; n <= kSoundCount; ++n) {
        const std::string builtSound = "Sound" + std::to_string(n) + ".wav";
        pointByPath(m_data.sound(n), folder, r.text("Sound", soundKey(n), ""), r.text("Sound", soundKey(n) + "alone", ""),
                    built(builtSound));
    }

    s.language = r.integer("Language", "Language", 0);
    s.letterCase = r.integer("Language", "Style", 0);

    readFonts(profile, folder);

    if (s.designMode != kFillBand && m_data.BMP_File.empty())
        s.designMode = std::string(kFillBand);

    m_data.menudesign_file.assign(file);
    m_modified = false;

    if (r.badColour())
        throw ColourConversionError(*r.badColour());
}

void MenuDesign::readFonts(const ProfileFile& file, const std::filesystem::path& folder)
{
    m_fonts.clearSlots();
    for (int i = 0; i < kDesignFontCount; ++i) {
        const std::string part(designFontKeyPart(i));
        const std::string face = file.readString("Fonts", "Font_fname_" + part, "Arial");
        const std::string name = file.readString("Fonts", "Font_name_" + part, "Arial.ttf");
        bool available = m_fonts.catalogue().hasFace(face);
        if (!available)
            available = m_fonts.registerDesignFont(i, folder / pathFromText(name), face);
        std::string& target = m_settings.fontFaces[static_cast<std::size_t>(i)];
        const auto font = static_cast<DesignFont>(i);
        if (font == DesignFont::CategoryBox || font == DesignFont::FileBox)
            target = available ? face : std::string();
        else if (m_fonts.resolveFontFile(face))
            target = face;
        else if (font == DesignFont::Button)
            target = "Arial";
        // a text font whose face has no file keeps the face it had
    }
}

void MenuDesign::write(const std::filesystem::path& path)
{
    const DesignSettings& s = m_settings;
    // Built in memory and replaced in one step: the same bytes as deleting
    // the file and writing key by key, but a failed write keeps the old file.
    ProfileDocument doc = ProfileDocument::parse("");
    auto put = [&doc](std::string_view section, std::string_view key, std::string_view value) {
        doc.set(section, key, value);
    };
    auto putInt = [&put](std::string_view section, std::string_view key, int value) {
        put(section, key, std::to_string(value));
    };
    auto putColour = [&put](std::string_view section, std::string_view key, ColourValue value) {
        put(section, key, colourToText(value));
    };
    auto putPaths = [&put](std::string_view section, std::string_view fullKey, std::string_view aloneKey,
                           const FileReference& ref) {
        put(section, fullKey, ref.empty() ? std::string() : pathText(ref.fullPath()));
        put(section, aloneKey, ref.empty() ? std::string() : ref.fileName());
    };

    put("general", "design_mode", s.designMode);
    put("general", "button_mode", s.buttonMode);

    const bool splash = !m_data.Splash_File.empty();
    // Without a picture the first key creates the section spelled in lower case.
    const std::string_view splashSection = splash ? "Splash" : "splash";
    putInt(splashSection, "enabled", splash ? 1 : 0);
    putPaths("Splash", "bmp", "bmpalone", m_data.Splash_File);
    const PictureSize size = splash ? bitmapSize(m_data.Splash_File.fullPath()) : PictureSize{};
    putInt(splashSection, "height", size.height);
    putInt(splashSection, "width", size.width);
    putColour("Splash", "fc", splash ? s.splashFrameColour : ColourValue{0xFFFFFF});
    putInt("Splash", "fw", splash ? s.splashFrameWidth : 0);
    putInt("Splash", "d", splash ? s.splashDelaySeconds * 1000 : 0);

    putPaths("Icon", "name", "namealone", m_data.Icon_File);

    putColour("Buttons", "btnc", s.buttonStart);
    putColour("Buttons", "btnec", s.buttonEnd);
    putColour("Buttons", "btnFc", s.buttonText);
    putInt("Buttons", "size", s.buttonSize);
    putPaths("Buttons", "btn_bmp", "btn_bmpalone", m_data.Button_file);
    putInt("Buttons", "btnsd", s.buttonShadowDepth);
    putInt("Buttons", "btnbw", s.buttonBorderWidth);
    putColour("Buttons", "btnbc", s.buttonBorder);
    put("Buttons", "style", buttonStyleText(s.buttonStyle));
    put("Buttons", "effect", buttonEffectText(s.buttonEffect));
    put("Buttons", "font_effect", textEffectText(s.buttonTextEffect));
    putColour("Buttons", "btnstyle_lc", s.buttonTextLight);
    putColour("Buttons", "btnstyle_sc", s.buttonTextShadow);
    putColour("Buttons", "buttonshadowcolor", s.buttonShadow);
    put("Buttons", "font_format", s.buttonBold ? "bold" : "normal");

    putColour("Boxes", "boxc_c", s.categoryBox);
    putColour("Boxes", "boxc_fc", s.categoryBoxText);
    putColour("Boxes", "boxf_c", s.fileBox);
    putColour("Boxes", "boxf_fc", s.fileBoxText);
    putColour("Boxes", "boxd_c", s.detailsBox);
    put("Boxes", "boxc_bmp", choiceText(s.categoryBoxPicture, kBoxPictureButton));
    put("Boxes", "boxf_bmp", choiceText(s.fileBoxPicture, kBoxPictureButton));
    put("Boxes", "boxd_bmp", choiceText(s.detailsBoxPicture, kBoxPictureButton));

    for (std::size_t i = 0; i < 3; ++i)
        putColour("Fonts", kTextColourKeys[i], s.texts[i].colour);
    for (std::size_t i = 0; i < 3; ++i) {
        putColour("Fonts", kTextLightKeys[i], s.texts[i].light);
        putColour("Fonts", kTextShadowKeys[i], s.texts[i].shadow);
    }
    for (std::size_t i = 0; i < 3; ++i)
        put("Fonts", kTextFormatKeys[i], s.texts[i].bold ? "bold" : "normal");
    for (std::size_t i = 0; i < 3; ++i)
        put("Fonts", kTextEffectKeys[i], textEffectText(s.texts[i].effect));
    for (std::size_t i = 0; i < 3; ++i)
        putInt("Fonts", kTextSizeKeys[i], s.texts[i].size);

    putColour("Back", "bc", s.backStart);
    putColour("Back", "bec", s.backEnd);
    putPaths("Back", "bmp", "bmpalone", m_data.BMP_File);
    put("Back", "tile_mode", tileModeText(s.tileMode));

    for (int n = 1; n <= kSoundCount; ++n)
        putPaths("Sound", soundKey(n), soundKey(n) + "alone", m_data.sound(n));

    put("Language", "Language", choiceText(s.language, 3));
    put("Language", "Style", choiceText(s.letterCase, kLetterCaseUpper));

    for (int i = 0; i < kDesignFontCount; ++i) {
        const std::string part(designFontKeyPart(i));
        const std::string& face = s.fontFaces[static_cast<std::size_t>(i)];
        const auto file = face.empty() ? std::nullopt : m_fonts.resolveFontFile(face);
        const auto font = static_cast<DesignFont>(i);
        const bool boxFont = font == DesignFont::CategoryBox || font == DesignFont::FileBox;
        if (boxFont && !file)
            continue;
        put("Fonts", "Font_name_" + part, file.value_or(""));
        put("Fonts", "Font_fname_" + part, face);
    }

    const std::filesystem::path target = normalised(path);
    if (!writeFileAtomic(target, doc.serialize()))
        throw ProfileWriteError(target);
    m_data.menudesign_file.assign(target);
    m_modified = false;
}

std::filesystem::path MenuDesign::storeTarget(const std::filesystem::path& path)
{
    const std::filesystem::path target = normalised(path);
    std::error_code ec;
    if (std::filesystem::exists(target, ec))
        return target;
    // A new design gets a folder of its own, named like the file without extension.
    auto stem = target.stem();
    if (stem.empty())
        stem = target.filename();
    return target.parent_path() / stem / target.filename();
}

std::filesystem::path MenuDesign::store(const std::filesystem::path& path)
{
    const std::filesystem::path target = storeTarget(path);
    const std::filesystem::path folder = target.parent_path();
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);

    // Two companions of the same name from different folders would overwrite
    // each other in one folder; the later one gets a numbered name.
    std::map<std::string, std::filesystem::path> taken;
    auto targetName = [&taken](const FileReference& ref) {
        const std::filesystem::path name = ref.fullPath().filename();
        std::string candidate = pathText(name);
        for (int n = 2;; ++n) {
            const auto it = taken.find(candidate);
            if (it == taken.end() || it->second == ref.fullPath())
                break;
            candidate = pathText(name.stem()) + "_" + std::to_string(n) + pathText(name.extension());
        }
        taken[candidate] = ref.fullPath();
        return candidate;
    };

    std::vector<FileReference*> companions{&m_data.Splash_File, &m_data.Icon_File, &m_data.BMP_File, &m_data.Button_file};
    for (auto& sound : m_data.Sound)
        companions.push_back(&sound);
    // Files already in the folder keep their names.
    for (FileReference* ref : companions) {
        if (!ref->empty() && ref->folder() == withTrailingSeparator(folder))
            taken.emplace(ref->fileName(), ref->fullPath());
    }
    for (FileReference* ref : companions) {
        if (ref->empty())
            continue;
        const std::filesystem::path copy = folder / pathFromText(targetName(*ref));
        if (!std::filesystem::equivalent(ref->fullPath(), copy, ec))
            copyFileReplace(ref->fullPath(), copy);
        // A copy that failed keeps the reference on the original file.
        if (std::filesystem::is_regular_file(copy, ec))
            ref->assign(copy);
    }

    for (const std::string& name : DesignFonts::fontSearch(folder)) {
        if (!m_fonts.isSlotFile(folder / pathFromText(name)))
            removeFileQuiet(folder / pathFromText(name));
    }
    for (int i = 0; i < kDesignFontCount; ++i) {
        const auto& slot = m_fonts.slot(i);
        if (slot.path.empty())
            continue;
        const std::filesystem::path copy = folder / slot.path.filename();
        if (!std::filesystem::equivalent(slot.path, copy, ec))
            copyFileReplace(slot.path, copy);
    }
    for (const std::string& face : m_settings.fontFaces) {
        if (face.empty())
            continue;
        const auto name = m_fonts.resolveFontFile(face);
        if (!name)
            continue;
        if (const auto installed = m_fonts.catalogue().installedFile(*name)) {
            const std::filesystem::path copy = folder / pathFromText(*name);
            if (!std::filesystem::equivalent(*installed, copy, ec))
                copyFileReplace(*installed, copy);
        }
    }

    write(target);
    return target;
}

PictureSize bitmapSize(const std::filesystem::path& picture)
{
    std::ifstream in(picture, std::ios::binary);
    unsigned char h[26] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M')
        return {};
    auto u16 = [&h](int at) { return static_cast<std::uint32_t>(h[at] | (h[at + 1] << 8)); };
    auto u32 = [&](int at) { return u16(at) | (u16(at + 2) << 16); };
    const std::uint32_t headerSize = u32(14);
    if (headerSize == 12)
        return {static_cast<int>(u16(18)), static_cast<int>(u16(20))};
    const auto width = static_cast<std::int32_t>(u32(18));
    const auto height = static_cast<std::int32_t>(u32(22));
    // A negative height marks a picture stored top row first.
    return {width, height < 0 ? -height : height};
}

}  // namespace qv
