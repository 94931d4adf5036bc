#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "MenuModel.h"
#include "RuntimeWords.h"

namespace qv {
class FontCatalogue;
}

namespace rnv {

// Everything the runtime read from its CFG folder. Missing or damaged files
// leave their part at its default: no categories, the design's defaults,
// the English words.
struct MenuData {
    std::filesystem::path cfg;   // the CFG folder
    std::filesystem::path root;  // the CD: CD paths are relative to it
    bool cfgFound = false;
    std::string cdName;
    std::vector<MenuCategory> categories;
    MenuLook look;
    RuntimeWords words;

    // Files of CFG/ under the names the build gives them; empty when absent.
    std::filesystem::path splash;
    std::filesystem::path background;
    std::filesystem::path buttonPicture;
    std::filesystem::path icon;
    std::array<std::filesystem::path, 5> sounds;
    std::vector<std::filesystem::path> fonts;

    // m<type+1>.ico in CFG/, whether or not it exists.
    std::filesystem::path typeIcon(int type) const;
    const MenuItem* item(int category, int index) const;
};

// The largest number of items read per category; guards against a damaged
// members.cfg that claims billions.
inline constexpr int kMaxItemsPerCategory = 10000;

// What a design's fonts resolve against: the system's installed fonts, and
// how the painter makes a font file of CFG/ usable for this process (false
// when it could not). Only files of CFG/ itself ever reach addFont.
struct MenuFonts {
    const qv::FontCatalogue& installed;
    std::function<bool(const std::filesystem::path&)> addFont;
};

MenuData readMenu(const std::filesystem::path& cfg, const std::filesystem::path& root, const MenuFonts& fonts);
// The same with the platform's installed fonts; each runtime (Qt, Win32) defines it.
MenuData readMenu(const std::filesystem::path& cfg, const std::filesystem::path& root);

// The entry of folder named name, ignoring letter case when the exact
// spelling is missing; folder/name when there is none at all.
std::filesystem::path findEntry(const std::filesystem::path& folder, std::string_view name);
// A file of CFG/ under its fixed name, or empty when there is no such regular file.
std::filesystem::path cfgFile(const std::filesystem::path& cfg, std::string_view name);

// The category list of genre.cfg, with the icons that lie beside it in cfg.
std::vector<MenuCategory> readCategories(const std::filesystem::path& genreFile, const std::filesystem::path& cfg);
MenuLook readLook(const std::filesystem::path& designFile, const MenuFonts& fonts);

}  // namespace rnv
