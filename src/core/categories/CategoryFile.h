#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ProfileFile;

// A category file (*.qvc): section general/anz_items, then sections 0 to N-1
// with caption and icon_number; the icons <k>.ico lie beside the file.
class CategoryFile final {
public:
    // The count is stored for an 8-bit reader: no file holds more.
    static constexpr int kMaxCategories = 255;
    static constexpr const char* kMissingCaption = "Fehler";
    static constexpr const char* kDialogFilter = "Krynt - Quenvar - Categoryfile";
    static constexpr const char* kDialogPattern = "*.qvc";

    struct Record {
        std::string caption;
        int iconNumber = 0;
    };
    // What the writer needs of one category: its caption and the icon file to copy.
    struct Source {
        std::string caption;
        std::filesystem::path icon;
    };

    // anz_items, missing as 0. Values outside 0..255 are clamped rather than
    // cut to their low byte, so 256 reads as 255 categories, not as none.
    static int readCount(const ProfileFile& file);
    // The categories in file order; "Fehler" for a missing caption, 0 for a missing icon_number.
    static std::vector<Record> read(const std::filesystem::path& file);
    // The captions alone, in file order.
    static std::vector<std::string> readCaptions(const std::filesystem::path& file);

    // Writes the list and copies each category's icon to <n>.ico beside the
    // file. Sections and icons beyond the new count are left alone. Raises
    // ProfileWriteError when the file can't be written; no icon is touched then.
    static void write(const std::filesystem::path& file, const std::vector<Source>& categories);

    // <folder><k>.ico
    static std::filesystem::path iconPath(const std::filesystem::path& folder, int k);
    // The icon files of the categories that the file lists: <k>.ico for k = 0 .. N-1.
    static std::vector<std::filesystem::path> iconPaths(const std::filesystem::path& file);

    // Files/Standard.qvc below the base directory: it stands in for a missing
    // category file and Save never replaces it.
    static std::filesystem::path defaultFile(const std::filesystem::path& baseDir);
    static bool isDefaultFile(const std::filesystem::path& file, const std::filesystem::path& baseDir);
    // genre/ below the base directory: the shipped category sets and the first folder of the dialogs.
    static std::filesystem::path genreFolder(const std::filesystem::path& baseDir);

    // A caption as it can be stored: profile values are one line without
    // surrounding blanks, so line breaks become blanks and the ends are trimmed.
    static std::string storableCaption(std::string_view caption);
};

}  // namespace qv
