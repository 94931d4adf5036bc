#include "design/FontCatalogue.h"

#include "util/Fs.h"
#include "util/Text.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace qv {

namespace {

constexpr std::string_view kTrueTypeTag = " (TrueType)";

// The names of a pattern for one property, each with its language tag.
std::vector<std::pair<std::string, std::string>> namesOf(FcPattern* pattern, const char* object, const char* langObject)
{
    std::vector<std::pair<std::string, std::string>> names;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i) {
        FcChar8* lang = nullptr;
        std::string langText;
        if (FcPatternGetString(pattern, langObject, i, &lang) == FcResultMatch)
            langText = reinterpret_cast<const char*>(lang);
        names.emplace_back(reinterpret_cast<const char*>(value), langText);
    }
    return names;
}

}  // namespace

bool FontconfigCatalogue::isPlainStyle(std::string_view style)
{
    return style.empty() || iequals(style, "Regular") || iequals(style, "Book") || iequals(style, "Normal")
        || iequals(style, "Roman") || iequals(style, "Plain") || iequals(style, "Standard");
}

FontconfigCatalogue::FontconfigCatalogue()
{
    if (!FcInit())
        return;
    FcConfig* config = FcConfigGetCurrent();
    // The system set only: application fonts are a design's own, registered fonts.
    FcFontSet* set = FcConfigGetFonts(config, FcSetSystem);
    if (!set)
        return;
    for (int n = 0; n < set->nfont; ++n) {
        FcPattern* p = set->fonts[n];
        FcChar8* format = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(p, FC_FONTFORMAT, 0, &format) != FcResultMatch
            || std::string_view(reinterpret_cast<const char*>(format)) != "TrueType")
            continue;
        if (FcPatternGetString(p, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        const std::filesystem::path path = pathFromText(reinterpret_cast<const char*>(file));
        // Only what a design folder and a CD can carry: "*.ttf".
        if (!iendsWith(pathText(path.filename()), ".ttf"))
            continue;
        m_files.emplace(pathText(path.filename()), path);

        const auto families = namesOf(p, FC_FAMILY, FC_FAMILYLANG);
        const auto styles = namesOf(p, FC_STYLE, FC_STYLELANG);
        // Families and styles come in pairs: the typographic family with its
        // full style ("DejaVu Sans", "Condensed Bold") and the legacy one
        // ("DejaVu Sans Condensed", "Bold"). Every English pair names the font.
        for (std::size_t i = 0; i < families.size(); ++i) {
            const auto& [family, lang] = families[i];
            if (!lang.empty() && !istartsWith(lang, "en"))
                continue;
            m_faces.insert(family);
            const std::string style = i < styles.size() ? styles[i].first : (styles.empty() ? "" : styles.back().first);
            std::string name = family;
            if (!isPlainStyle(style))
                name += " " + style;
            m_entries.emplace(name + std::string(kTrueTypeTag), pathText(path));
        }
    }
}

std::string FontconfigCatalogue::entry(std::string_view entryName) const
{
    const auto it = m_entries.find(entryName);
    return it == m_entries.end() ? std::string() : it->second;
}

bool FontconfigCatalogue::hasFace(std::string_view face) const
{
    return m_faces.find(face) != m_faces.end();
}

std::vector<std::string> FontconfigCatalogue::faces() const
{
    return {m_faces.begin(), m_faces.end()};
}

std::optional<std::filesystem::path> FontconfigCatalogue::installedFile(std::string_view fileName) const
{
    const auto it = m_files.find(fileName);
    if (it == m_files.end())
        return std::nullopt;
    return it->second;
}

FolderFontCatalogue::FolderFontCatalogue(std::filesystem::path folder)
    : m_folder(std::move(folder))
{
}

void FolderFontCatalogue::addEntry(std::string entryName, std::string value, std::string face)
{
    if (face.empty()) {
        face = entryName;
        if (face.size() >= kTrueTypeTag.size() && face.ends_with(kTrueTypeTag))
            face.resize(face.size() - kTrueTypeTag.size());
    }
    m_faces.insert(std::move(face));
    m_entries[std::move(entryName)] = std::move(value);
}

std::string FolderFontCatalogue::entry(std::string_view entryName) const
{
    const auto it = m_entries.find(entryName);
    return it == m_entries.end() ? std::string() : it->second;
}

bool FolderFontCatalogue::hasFace(std::string_view face) const
{
    return m_faces.find(face) != m_faces.end();
}

std::vector<std::string> FolderFontCatalogue::faces() const
{
    return {m_faces.begin(), m_faces.end()};
}

std::optional<std::filesystem::path> FolderFontCatalogue::installedFile(std::string_view fileName) const
{
    const std::filesystem::path name = pathFromText(fileName);
    // A full path is never a file of the fonts folder.
    if (fileName.empty() || name.has_root_path())
        return std::nullopt;
    std::error_code ec;
    const auto path = m_folder / name;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    return path;
}

}  // namespace qv
