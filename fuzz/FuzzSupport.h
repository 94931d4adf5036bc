#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace qv::fuzz {

// Most readers take a path: the input goes into a file of a private folder
// that lives as long as the fuzzing process.
inline const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("quenvar-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

inline std::filesystem::path writeInput(const std::filesystem::path& relative, std::string_view bytes)
{
    const auto path = scratchFolder() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Splits one input into parts at a line holding only "----", so one input
// can fill several files of a folder.
inline std::vector<std::string_view> parts(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const auto at = text.find("\n----\n");
        if (at == std::string_view::npos)
            break;
        out.push_back(text.substr(0, at));
        text.remove_prefix(at + 6);
    }
    out.push_back(text);
    out.resize(count);
    return out;
}

}  // namespace qv::fuzz
