#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

class ItemTable;

// The rules every add dialog shares when it fills an item's fields.

// "5 MB" for whole megabytes (truncated), "< 1 MB" below one megabyte or for
// an unreadable size (negative).
std::string sizeText(std::int64_t bytes);

// The CD Path of a folder: the folder text without the project folder in
// front (compared with case), with a leading backslash; an empty folder gives
// a single backslash. Host separators become backslashes, so a folder below
// the project folder reads as on the CD ("/cd/Tools/" under "/cd/" -> "\Tools\").
std::string cdPathOf(std::string_view folderText, std::string_view projectFolderText);

// The Homepage field: the address alone when it is empty or "n/a", otherwise
// the scheme ("http://") directly followed by the address.
std::string homepageOf(std::string_view scheme, std::string_view address);

// The website schemes the add dialogs offer, in their order; the first is preselected.
inline constexpr std::array<std::string_view, 3> kHomepageSchemes{"http://", "https://", "ftp://"};

// The other way round, for a homepage given whole (the command line): a text
// that begins with one of the schemes is split into that scheme's index and
// the rest; any other text is the address of the first scheme.
struct HomepageParts {
    int scheme = 0;
    std::string address;
};
HomepageParts splitHomepage(std::string_view homepage);

// A file name up to its first dot: setup.beta.exe -> setup; a name without a
// dot is taken whole.
std::string bareNameOf(std::string_view fileName);

// The size of the file in bytes, -1 when it can't be read (gone, not a file).
// Kept in 64 bits, so a file of 2 GB or more isn't taken for a small one.
std::int64_t fileSizeOf(const std::filesystem::path& file);

// The category choice of an add dialog refilled from the category list:
// the index of the last showing when the list still has it, else the first
// caption; -1 for an empty list.
int categoryIndexKept(int lastIndex, int captionCount);

}  // namespace qv
