#pragma once

#include "ui/Ui.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Reading and writing the pictures of screenshots. Every reader takes the
// whole file's bytes and refuses what it can't read (nothing comes back),
// damaged or cut files included; none of them trusts a size in a header
// before checking it against the bytes there are.
class PictureCodecs final {
public:
    // The largest picture read, in pixels: a damaged header can't make us
    // allocate gigabytes.
    static constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;
    static constexpr int kScreenshotQuality = 90;

    // Windows bitmaps: 1, 4, 8, 16, 24 and 32 bits, uncompressed or with bit fields, either row order.
    static std::optional<RgbImage> readBmp(std::string_view bytes);
    static std::optional<RgbImage> readJpeg(std::string_view bytes);
    static std::optional<RgbImage> readPng(std::string_view bytes);
    // By the file's first bytes, whatever its name says.
    static std::optional<RgbImage> readPicture(std::string_view bytes);
    static std::optional<RgbImage> readPictureFile(const std::filesystem::path& file);

    // A baseline JPEG of 24-bit colour; empty for an empty or inconsistent picture.
    static std::string encodeJpeg(const RgbImage& image, int quality = kScreenshotQuality);
};

}  // namespace qv
