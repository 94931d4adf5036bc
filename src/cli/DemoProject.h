#pragma once

#include "project/FieldCapacity.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv {
class Language;
}

namespace qv::cli {

// The ready-to-build demo: a project folder DIR/cd with a few small sample
// items in sub-folders, a hyperlink and a jump point, and the project file
// DIR/demo.qvp using the shipped default categories and design.
struct DemoProject {
    std::filesystem::path projectFile;
    std::filesystem::path projectFolder;
    std::vector<std::filesystem::path> samples;
    std::size_t itemCount = 0;
    // The info file and the screenshot made for two of the items.
    std::vector<std::filesystem::path> companions;
    // Values the project file keeps only in part: the paths below a deep DIR.
    std::vector<CutValue> cuts;
};

// Raises std::runtime_error when a file can't be written.
DemoProject makeDemoProject(const std::filesystem::path& dir, const std::filesystem::path& baseDir,
                            const Language& language);

}  // namespace qv::cli
