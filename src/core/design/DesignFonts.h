#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class FontCatalogue;
class FontRegistrar;

// The six fonts of a design, in the order used everywhere.
enum class DesignFont { CategoryBox, FileBox, Button, CategoryText, FileText, DetailsText };
inline constexpr int kDesignFontCount = 6;

// The part of the font key names for each font: Font_name_<part>, Font_fname_<part>.
std::string_view designFontKeyPart(int font);

// Font resolution for designs: face to file, the design's own fonts in six
// slots, and the font files of a design folder.
class DesignFonts final {
public:
    struct Slot {
        std::filesystem::path path;  // empty when the slot holds nothing
        std::string face;
    };

    DesignFonts(const FontCatalogue& catalogue, FontRegistrar& registrar);
    ~DesignFonts();
    DesignFonts(const DesignFonts&) = delete;
    DesignFonts& operator=(const DesignFonts&) = delete;

    // The font file name (no folder) that provides face, through the
    // installed fonts and their style suffixes; a slot with exactly this face
    // wins over them.
    std::optional<std::string> resolveFontFile(std::string_view face) const;

    // Records path and face in the slot and registers the file. The slot is
    // filled even when the file is missing or no font; returns whether the
    // face became usable.
    bool registerDesignFont(int slot, const std::filesystem::path& path, const std::string& face);
    // Releases every registered slot file; the slots keep their contents.
    void unregisterDesignFonts();
    void clearSlots();

    const Slot& slot(int index) const { return m_slots.at(static_cast<std::size_t>(index)); }
    bool isSlotFile(const std::filesystem::path& path) const;
    const FontCatalogue& catalogue() const { return m_catalogue; }

    // File names of the "*.ttf" files directly in folder (letter case ignored,
    // hidden files and sub-folders left out), sorted.
    static std::vector<std::string> fontSearch(const std::filesystem::path& folder);

    // Tried in this order when a face has no entry of its own.
    static const std::array<std::string_view, 40>& styleSuffixes();

private:
    const FontCatalogue& m_catalogue;
    FontRegistrar& m_registrar;
    std::array<Slot, kDesignFontCount> m_slots;
    std::array<bool, kDesignFontCount> m_registered{};
};

}  // namespace qv
