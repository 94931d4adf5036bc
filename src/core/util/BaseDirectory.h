#pragma once

#include <filesystem>
#include <optional>

namespace qv {

// The folder of the running executable, ending in a separator. An explicit
// folder (--base DIR) wins over QUENVAR_BASE, which wins over the executable's folder.
std::filesystem::path executablePath(const char* argv0);
std::filesystem::path resolveBaseDirectory(const char* argv0, const std::optional<std::filesystem::path>& explicitBase);

// Makes a folder path end in the native separator.
std::filesystem::path withTrailingSeparator(std::filesystem::path folder);

}  // namespace qv
