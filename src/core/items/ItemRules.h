#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

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

}  // namespace qv
