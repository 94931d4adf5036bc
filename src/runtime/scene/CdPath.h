#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rnv {

// pfad values are CD paths: backslashes, relative to the folder that holds
// the runtime. A hyperlink's pfad is the address itself.
bool isWebAddress(std::string_view pfad);

struct ResolvedPath {
    enum class Status { Inside, Outside, Empty };
    Status status = Status::Empty;
    std::filesystem::path path;  // set only when Inside
};

// Turns a CD path into a host path below root. A path that would leave root
// (".." above it, a drive, a server share, an absolute host path, or a link
// on the CD that points elsewhere) is Outside; the runtime never runs or
// copies anything outside its CD.
ResolvedPath resolveCdPath(const std::filesystem::path& root, std::string_view pfad);

// The CD path with its last three characters replaced by ext ("txt", "jpg"),
// as the authoring program names an item's info file and screenshot.
std::string companionCdPath(std::string_view pfad, std::string_view ext);

// An item's name made safe as a file name in kryntdat/: each of " * / : < > ? \ |
// becomes an underscore.
std::string kryntdatName(std::string_view caption);

}  // namespace rnv
