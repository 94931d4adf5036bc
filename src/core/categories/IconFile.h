#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qv {

// The directory of a Windows icon file (.ico). Only the structure is checked
// here; decoding the pictures is the GUI's business.
class IconFile final {
public:
    struct Image {
        int width = 0;   // 256 where the directory stores 0
        int height = 0;
        int bitCount = 0;
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
        bool png = false;  // a PNG stream instead of a BMP image
    };

    // Null when the bytes are not an icon file: wrong header, no image, or an
    // image that lies outside the file.
    static std::optional<std::vector<Image>> parse(std::string_view bytes);
};

}  // namespace qv
