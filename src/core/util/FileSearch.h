#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One file met by a search: its folder as text ending in the separator, and its name.
struct FoundFile {
    std::string folder;
    std::string name;

    bool operator==(const FoundFile&) const = default;
};

// What one directory read gives: files and subfolders that are neither hidden
// nor system, each list in listing order. Folders reached through a symbolic
// link are left out, so a link back up the tree can't make a search endless.
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// The directory listing order: names compared ignoring ASCII case, as Windows
// lists them, then byte for byte so that the order is always the same.
FolderListing listFolder(const std::filesystem::path& folder, std::int64_t* directoryReads = nullptr);

// A file name pattern as the file system compares it: '*' stands for any run
// of characters, '?' for one character, "*.*" for every name; letters compare
// ignoring ASCII case.
bool hasWildcards(std::string_view pattern);
bool matchesFilePattern(std::string_view name, std::string_view pattern);

// The folder as text with the native separator at its end; empty stays empty.
std::string withFinalSeparator(std::string_view folder);

// A recursive search by pattern of the folder and every folder below it:
// within a folder its matching files come first, then each subfolder is
// searched in turn, depth first. An empty folder text searches nothing (it
// would otherwise mean the current folder).
std::vector<FoundFile> searchFiles(std::string_view folder, std::string_view pattern,
                                   std::int64_t* directoryReads = nullptr);

}  // namespace qv
