#pragma once

#include <cstdlib>
#include <filesystem>

namespace qv::test {

// The environment (set by ctest) wins, so a run can point at another tree;
// the compiled-in folders let a test program also run on its own.

// The source tree's assets folder: the files as shipped.
inline std::filesystem::path assetsDir()
{
    if (const char* env = std::getenv("QUENVAR_ASSETS"))
        return env;
    return QUENVAR_SOURCE_ASSETS;
}

// The build's base directory: assets copied beside the programs built.
inline std::filesystem::path testBase()
{
    if (const char* env = std::getenv("QUENVAR_TEST_BASE"))
        return env;
    return QUENVAR_BUILD_BASE;
}

}  // namespace qv::test
