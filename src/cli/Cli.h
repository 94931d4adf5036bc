#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv::cli {

// Exit statuses of the command line.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// What the program window is started with when no command is given.
struct WindowRequest {
    std::filesystem::path baseDir;
    std::optional<int> language;          // --language
    std::filesystem::path project;        // a project file named on the command line
    std::string screenshotWindow;         // --screenshot WINDOW FILE.png
    std::filesystem::path screenshotFile;
    bool listWindows = false;             // --screenshot --list
};
using WindowStarter = std::function<int(const WindowRequest&)>;

// Runs the command line (arguments without the program name) with the given
// streams; argv0 locates the base directory when --base and QUENVAR_BASE are
// absent. Without a command the window starter runs, when there is one.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* argv0 = nullptr,
        const WindowStarter& window = {});

}  // namespace qv::cli
