#include "categories/IconFile.h"

namespace qv {

namespace {

std::uint32_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

}  // namespace

std::optional<std::vector<IconFile::Image>> IconFile::parse(std::string_view bytes)
{
    constexpr std::size_t kHeader = 6;
    constexpr std::size_t kEntry = 16;
    if (bytes.size() < kHeader || le16(bytes, 0) != 0 || le16(bytes, 2) != 1)
        return std::nullopt;
    const std::size_t count = le16(bytes, 4);
    if (count == 0 || kHeader + count * kEntry > bytes.size())
        return std::nullopt;

    std::vector<Image> images;
    images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kEntry;
        Image img;
        const auto w = static_cast<unsigned char>(bytes[at]);
        const auto h = static_cast<unsigned char>(bytes[at + 1]);
        img.width = w == 0 ? 256 : w;
        img.height = h == 0 ? 256 : h;
        img.bitCount = static_cast<int>(le16(bytes, at + 6));
        img.size = le32(bytes, at + 8);
        img.offset = le32(bytes, at + 12);
        if (img.size == 0 || img.offset > bytes.size() || img.size > bytes.size() - img.offset)
            return std::nullopt;
        img.png = bytes.substr(img.offset, 4) == std::string_view("\x89PNG", 4);
        images.push_back(img);
    }
    return images;
}

}  // namespace qv
