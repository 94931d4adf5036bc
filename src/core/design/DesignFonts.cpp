#include "design/DesignFonts.h"

#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <system_error>

namespace qv {

namespace {

// Leading blanks belong to the suffixes; some have two.
constexpr std::array<std::string_view, 40> kStyleSuffixes{
    " Bold", " Standard", " Regular", "  Regular", " Fett", "Hazed", " Hazed", " italic", " Squareup", " Caps",
    "  Caps", " Normal", " Black", "  Black", " Heavy", " Sharp", " Medium", "  Medium", " Plain", " Kursiv",
    " Atom Light", " Thinsville", " Roman", " Skimpy", "ed to type", " drippy", "-Regular", " 1.0", "  1.0", " 2.0",
    "  2.0", " BT", "  BT", " BD", "  BD", " BLD", "  BLD", " Plain:1.0", " MT", "  MT"};

constexpr std::array<std::string_view, kDesignFontCount> kKeyParts{
    "cbi", "fbi", "btn_fn", "Font1Name", "Font2Name", "Font3Name"};

std::filesystem::path normalised(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::absolute(path, ec).lexically_normal();
}

}  // namespace

std::string_view designFontKeyPart(int font)
{
    return kKeyParts.at(static_cast<std::size_t>(font));
}

DesignFonts::DesignFonts(const FontCatalogue& catalogue, FontRegistrar& registrar)
    : m_catalogue(catalogue)
    , m_registrar(registrar)
{
}

DesignFonts::~DesignFonts()
{
    unregisterDesignFonts();
}

const std::array<std::string_view, 40>& DesignFonts::styleSuffixes()
{
    return kStyleSuffixes;
}

std::optional<std::string> DesignFonts::resolveFontFile(std::string_view face) const
{
    const std::string plain(face);
    std::string value = m_catalogue.entry(plain + " (TrueType)");
    for (std::size_t i = 0; value.empty() && i < kStyleSuffixes.size(); ++i)
        value = m_catalogue.entry(plain + std::string(kStyleSuffixes[i]) + " (TrueType)");
    for (const Slot& s : m_slots) {
        if (!s.path.empty() && s.face == face)
            value = pathText(s.path);
    }
    if (value.empty())
        return std::nullopt;
    if (const auto installed = m_catalogue.installedFile(value))
        return pathText(installed->filename());
    const std::filesystem::path full = pathFromText(value);
    std::error_code ec;
    if (full.has_root_path() && std::filesystem::is_regular_file(full, ec))
        return pathText(full.filename());
    return std::nullopt;
}

bool DesignFonts::registerDesignFont(int slot, const std::filesystem::path& path, const std::string& face)
{
    const auto i = static_cast<std::size_t>(slot);
    if (m_registered.at(i))
        m_registrar.removeFont(m_slots[i].path);
    m_slots.at(i) = Slot{normalised(path), face};
    m_registered[i] = m_registrar.addFont(m_slots[i].path);
    return m_registered[i];
}

void DesignFonts::unregisterDesignFonts()
{
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        if (m_registered[i])
            m_registrar.removeFont(m_slots[i].path);
        m_registered[i] = false;
    }
}

void DesignFonts::clearSlots()
{
    unregisterDesignFonts();
    m_slots = {};
}

bool DesignFonts::isSlotFile(const std::filesystem::path& path) const
{
    const auto p = normalised(path);
    return std::any_of(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return !s.path.empty() && s.path == p; });
}

std::vector<std::string> DesignFonts::fontSearch(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        std::error_code fec;
        if (!e.is_regular_file(fec) || isHiddenName(e.path()))
            continue;
        const std::string name = pathText(e.path().filename());
        if (iendsWith(name, ".ttf"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace qv
