#pragma once

#include "util/FileReference.h"

#include <array>

namespace qv {

// The shared data module: the file references of the open project and its
// design, created once and shared by every window.
struct ProjectFiles {
    FileReference Project_file;
    FileReference Project_Temp;
    FileReference genre_file;
    FileReference menudesign_file;
    FileReference Splash_File;
    FileReference BMP_File;
    FileReference Button_file;
    FileReference Icon_File;
    std::array<FileReference, 5> Sound;  // Sound1 to Sound5
    FileReference FontFile;
    FileReference infofile_file;
    FileReference Prog_File;

    FileReference& sound(int n) { return Sound.at(static_cast<std::size_t>(n - 1)); }
    const FileReference& sound(int n) const { return Sound.at(static_cast<std::size_t>(n - 1)); }
};

}  // namespace qv
