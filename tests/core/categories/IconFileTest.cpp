#include "categories/IconFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace qv;

namespace {

std::string le16(unsigned v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}

std::string le32(unsigned v)
{
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// Header and one directory entry of a w x w image of size bytes at offset.
std::string icon(unsigned type, unsigned count, unsigned w, unsigned size, unsigned offset, std::size_t total)
{
    std::string b = le16(0) + le16(type) + le16(count);
    if (count > 0)
        b += std::string{static_cast<char>(w), static_cast<char>(w), 0, 0} + le16(1) + le16(32) + le32(size) + le32(offset);
    b.resize(std::max(total, b.size()), '\0');
    return b;
}

}  // namespace

TEST(IconFile, ReadsTheDirectory)
{
    auto bytes = icon(1, 1, 0, 10, 22, 32);
    bytes.replace(22, 4, "\x89PNG");
    const auto images = IconFile::parse(bytes);
    ASSERT_TRUE(images.has_value());
    ASSERT_EQ(images->size(), 1u);
    EXPECT_EQ((*images)[0].width, 256);
    EXPECT_EQ((*images)[0].bitCount, 32);
    EXPECT_EQ((*images)[0].offset, 22u);
    EXPECT_TRUE((*images)[0].png);
}

TEST(IconFile, RefusesWhatIsNoIcon)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"header only, no image", icon(1, 0, 16, 0, 0, 6)},
        {"cursor", icon(2, 1, 16, 10, 22, 32)},
        {"directory cut off", icon(1, 2, 16, 10, 38, 30)},
        {"image beyond the end", icon(1, 1, 16, 100, 22, 32)},
        {"offset beyond the end", icon(1, 1, 16, 1, 4000000000u, 32)},
        {"empty image", icon(1, 1, 16, 0, 22, 32)},
        {"a bitmap file", std::string("BM") + std::string(60, '\0')},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(IconFile::parse(c.bytes).has_value()) << c.what;
}
