#include "items/PictureCodecs.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <string>

using namespace qv;

namespace {

void put16(std::string& s, std::uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& s, std::uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A bitmap whose pixel (x, y) from the top is (10x, 20y, 30), written bottom-up
// (or top-down with a negative height) with 24 or 8 bits per pixel.
std::string bitmap(int w, int h, int bits, bool topDown = false)
{
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    const int colours = bits == 8 ? 256 : 0;
    const std::uint32_t offset = 54 + colours * 4;
    std::string s = "BM";
    put32(s, offset + rowBytes * h);
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, static_cast<std::uint32_t>(w));
    put32(s, static_cast<std::uint32_t>(topDown ? -h : h));
    put16(s, 1);
    put16(s, static_cast<std::uint32_t>(bits));
    put32(s, 0);
    put32(s, static_cast<std::uint32_t>(rowBytes * h));
    put32(s, 2835);
    put32(s, 2835);
    put32(s, static_cast<std::uint32_t>(colours));
    put32(s, 0);
    for (int i = 0; i < colours; ++i) {  // grey ramp
        s += static_cast<char>(i);
        s += static_cast<char>(i);
        s += static_cast<char>(i);
        s += '\0';
    }
    for (int fileRow = 0; fileRow < h; ++fileRow) {
        const int y = topDown ? fileRow : h - 1 - fileRow;
        std::string row;
        for (int x = 0; x < w; ++x) {
            if (bits == 8) {
                row += static_cast<char>((x + y) & 0xFF);
            } else {
                row += static_cast<char>(30);
                row += static_cast<char>(20 * y);
                row += static_cast<char>(10 * x);
            }
        }
        row.resize(static_cast<std::size_t>(rowBytes), '\0');
        s += row;
    }
    return s;
}

std::array<int, 3> pixel(const RgbImage& image, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

}  // namespace

TEST(PictureCodecs, ReadsBitmapsOfEitherRowOrderAndDepth)
{
    for (bool topDown : {false, true}) {
        const auto image = PictureCodecs::readBmp(bitmap(5, 3, 24, topDown));
        ASSERT_TRUE(image) << topDown;
        EXPECT_EQ(image->width, 5);
        EXPECT_EQ(image->height, 3);
        EXPECT_EQ(pixel(*image, 0, 0), (std::array<int, 3>{0, 0, 30}));
        EXPECT_EQ(pixel(*image, 4, 2), (std::array<int, 3>{40, 40, 30}));
    }
    const auto grey = PictureCodecs::readPicture(bitmap(7, 2, 8));
    ASSERT_TRUE(grey);
    EXPECT_EQ(pixel(*grey, 6, 1), (std::array<int, 3>{7, 7, 7}));
}

TEST(PictureCodecs, ABitmapSavedAsJpegDecodesBackToTheSameSizeAndColours)
{
    const auto source = PictureCodecs::readBmp(bitmap(33, 17, 24));
    ASSERT_TRUE(source);
    const std::string jpeg = PictureCodecs::encodeJpeg(*source);
    ASSERT_GT(jpeg.size(), 4u);
    // Baseline DCT: the frame marker is SOF0, never the progressive SOF2.
    EXPECT_NE(jpeg.find("\xFF\xC0"), std::string::npos);
    EXPECT_EQ(jpeg.find("\xFF\xC2"), std::string::npos);
    const auto back = PictureCodecs::readPicture(jpeg);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 33);
    EXPECT_EQ(back->height, 17);
    const auto a = pixel(*source, 20, 10);
    const auto b = pixel(*back, 20, 10);
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(a[static_cast<std::size_t>(c)], b[static_cast<std::size_t>(c)], 12);
}

TEST(PictureCodecs, DamagedPicturesAreRefusedWithoutACrash)
{
    const std::string bmp = bitmap(16, 16, 24);
    const std::string jpeg = PictureCodecs::encodeJpeg(*PictureCodecs::readBmp(bmp));
    std::string hugeBmp = bmp;
    hugeBmp[18] = '\xFF';  // width 0x7FFF00FF-ish
    hugeBmp[21] = '\x7F';
    std::string noPixels = bmp.substr(0, 54 + 100);
    std::string badPalette = bitmap(4, 4, 8);
    badPalette[10] = '\x10';  // pixels said to start inside the header
    badPalette[11] = '\0';
    badPalette[46] = '\xFF';  // more colours than 8 bits have
    std::string garbageJpeg = jpeg;
    for (std::size_t i = 20; i < garbageJpeg.size(); ++i)
        garbageJpeg[i] = static_cast<char>(i * 7);

    const std::vector<std::pair<const char*, std::string>> cases{
        {"empty", ""},
        {"only the signature", "BM"},
        {"cut bitmap", noPixels},
        {"huge width", hugeBmp},
        {"cut jpeg", jpeg.substr(0, jpeg.size() / 2)},
        {"jpeg header only", jpeg.substr(0, 2)},
        {"scrambled jpeg", garbageJpeg},
        {"text", "hello, world"},
        {"png signature only", "\x89PNG\r\n\x1a\n"},
    };
    for (const auto& [what, bytes] : cases)
        EXPECT_FALSE(PictureCodecs::readPicture(bytes)) << what;
    // A wrong palette count is read as the full palette; the pixels still lie in the file.
    const auto shown = PictureCodecs::readPicture(badPalette);
    if (shown) {
        EXPECT_EQ(shown->width, 4);
    }
    EXPECT_TRUE(PictureCodecs::encodeJpeg(RgbImage{}).empty());
    EXPECT_TRUE(PictureCodecs::encodeJpeg(RgbImage{2, 2, std::vector<std::uint8_t>(5)}).empty());
}

TEST(PictureCodecs, ReadsPngWithTransparencyOnWhite)
{
    // Two pixels: opaque red, fully transparent.
    const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 0, 0};
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = 2;
    png.height = 1;
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, rgba, 0, nullptr));
    std::string bytes(size, '\0');
    ASSERT_TRUE(png_image_write_to_memory(&png, bytes.data(), &size, 0, rgba, 0, nullptr));
    const auto image = PictureCodecs::readPicture(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 0, 0), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(pixel(*image, 1, 0), (std::array<int, 3>{255, 255, 255}));
    EXPECT_FALSE(PictureCodecs::readPicture(bytes.substr(0, bytes.size() - 20)));
}
