#pragma once

#include "design/FontRegistrar.h"

#include <filesystem>

namespace qv::test {

// A font registrar that accepts every file and registers nothing, for tests
// that need a design but no fonts.
class NoFonts final : public FontRegistrar {
public:
    bool addFont(const std::filesystem::path&) override { return true; }
    void removeFont(const std::filesystem::path&) override {}
};

}  // namespace qv::test
