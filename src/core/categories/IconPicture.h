#pragma once

#include <filesystem>
#include <string>

namespace qv {

// One picture of the category editor's and the icon chooser's picture lists:
// the icon file's bytes as they were when it was loaded, for the view to show.
struct IconPicture {
    std::filesystem::path source;
    std::string bytes;
    bool valid = false;  // the bytes are an icon file; otherwise the view shows an empty picture

    // A file that can't be read gives an invalid picture, never an error.
    static IconPicture load(const std::filesystem::path& path);
};

}  // namespace qv
