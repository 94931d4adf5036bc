#pragma once

#include <filesystem>

namespace qv {

// Starts program without arguments and without waiting, in its own folder
// (the menu runtime finds CFG/ beside itself), by its absolute path and
// without a shell, so no name needs quoting. False when it could not be
// started: missing, not executable, not a program.
bool startDetached(const std::filesystem::path& program);

}  // namespace qv
