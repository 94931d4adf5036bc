#pragma once

#include "design/FontRegistrar.h"

#include "TempDir.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace qv::test {

// Accepts every existing file as a font and records what was added and removed.
class RecordingRegistrar final : public FontRegistrar {
public:
    std::vector<std::filesystem::path> added;
    std::vector<std::filesystem::path> removed;

    bool addFont(const std::filesystem::path& file) override
    {
        added.push_back(file);
        return std::filesystem::is_regular_file(file);
    }
    void removeFont(const std::filesystem::path& file) override { removed.push_back(file); }
};

// A small 24-bit BMP of the given size.
inline std::string bmpBytes(int width, int height, std::uint8_t shade = 0x80)
{
    const int row = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(row * height);
    std::string b;
    auto u16 = [&b](std::uint32_t v) { b += static_cast<char>(v & 0xFF); b += static_cast<char>((v >> 8) & 0xFF); };
    auto u32 = [&u16](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    b += "BM";
    u32(54 + dataSize); u32(0); u32(54);
    u32(40); u32(static_cast<std::uint32_t>(width)); u32(static_cast<std::uint32_t>(height)); u16(1); u16(24);
    u32(0); u32(dataSize); u32(2835); u32(2835); u32(0); u32(0);
    b.append(dataSize, static_cast<char>(shade));
    return b;
}

inline void writeBmp(const std::filesystem::path& path, int width, int height, std::uint8_t shade = 0x80)
{
    writeFile(path, bmpBytes(width, height, shade));
}

}  // namespace qv::test
