#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <QStringList>

namespace rnv {

struct RuntimeOptions {
    std::filesystem::path cfg;          // CFG/ beside the executable unless --cfg
    std::filesystem::path screenshot;   // --screenshot FILE.png
    int selectCategory = -1;            // --select N-I
    int selectItem = -1;
    std::string error;                  // set when the arguments make no sense
    std::string help;                   // set for --help: the text to print
};

// arguments as QCoreApplication::arguments() gives them, the program first.
RuntimeOptions parseRuntimeOptions(const QStringList& arguments, const std::filesystem::path& programFolder);

}  // namespace rnv
