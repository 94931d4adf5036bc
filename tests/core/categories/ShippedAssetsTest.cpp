#include "categories/CategoryFile.h"
#include "categories/IconFile.h"
#include "categories/IconPack.h"
#include "categories/IconChooser.h"
#include "i18n/Language.h"
#include "util/Fs.h"
#include "util/Text.h"

#include "FakeUi.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace qv;
using qv::test::readFile;
namespace fs = std::filesystem;

namespace {

using test::assetsDir;

std::uint32_t le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// Every image a 32-bit BMP with its AND mask, of 16, 32 and 48 pixels, not blank,
// its mask set exactly where the picture is transparent.
void expectShippedIcon(const fs::path& path)
{
    SCOPED_TRACE(pathText(path));
    const std::string bytes = readFile(path);
    const auto images = IconFile::parse(bytes);
    ASSERT_TRUE(images.has_value());
    std::set<int> sizes;
    for (const auto& img : *images) {
        EXPECT_EQ(img.width, img.height);
        EXPECT_EQ(img.bitCount, 32);
        ASSERT_FALSE(img.png);
        sizes.insert(img.width);

        const std::size_t s = static_cast<std::size_t>(img.width);
        const std::size_t stride = (s + 31) / 32 * 4;
        ASSERT_EQ(img.size, 40 + s * s * 4 + stride * s);
        const std::string bmp = bytes.substr(img.offset, img.size);
        EXPECT_EQ(le32(bmp, 0), 40u);                       // BITMAPINFOHEADER
        EXPECT_EQ(le32(bmp, 4), s);
        EXPECT_EQ(le32(bmp, 8), 2 * s);                     // XOR bitmap and AND mask
        EXPECT_EQ(le32(bmp, 12) & 0xFFFF, 1u);              // planes
        EXPECT_EQ(le32(bmp, 12) >> 16, 32u);                // bits per pixel
        EXPECT_EQ(le32(bmp, 16), 0u);                       // BI_RGB
        std::size_t opaque = 0;
        std::size_t maskMismatch = 0;
        for (std::size_t row = 0; row < s; ++row)
            for (std::size_t x = 0; x < s; ++x) {
                const auto alpha = static_cast<unsigned char>(bmp[40 + (row * s + x) * 4 + 3]);
                const auto maskByte = static_cast<unsigned char>(bmp[40 + s * s * 4 + row * stride + x / 8]);
                const bool masked = (maskByte >> (7 - x % 8)) & 1;
                opaque += alpha > 0;
                maskMismatch += masked != (alpha == 0);
            }
        EXPECT_GT(opaque, s * s / 8) << s;
        EXPECT_EQ(maskMismatch, 0u) << s;
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

void expectCategoryFile(const fs::path& file)
{
    SCOPED_TRACE(pathText(file));
    const auto records = CategoryFile::read(file);
    ASSERT_GE(records.size(), 4u);
    std::set<std::string> captions;
    for (std::size_t n = 0; n < records.size(); ++n) {
        EXPECT_NE(records[n].caption, CategoryFile::kMissingCaption);
        EXPECT_EQ(records[n].iconNumber, static_cast<int>(n));
        captions.insert(records[n].caption);
    }
    EXPECT_EQ(captions.size(), records.size()) << "captions repeat";
    const auto icons = CategoryFile::iconPaths(file);
    ASSERT_EQ(icons.size(), records.size());
    for (const auto& icon : icons)
        expectShippedIcon(icon);
}

}  // namespace

class ShippedAssets : public ::testing::Test {
protected:
    void SetUp() override
    {
        assets = assetsDir();
        ASSERT_TRUE(fs::is_directory(assets)) << assets;
    }
    fs::path assets;
};

TEST_F(ShippedAssets, EveryIconHasThreeSizes)
{
    std::size_t count = 0;
    for (const char* folder : {"Files", "genre", "ip"})
        for (const auto& e : fs::recursive_directory_iterator(assets / folder))
            if (e.is_regular_file() && iequals(pathText(e.path().extension()), ".ico")) {
                expectShippedIcon(e.path());
                ++count;
            }
    EXPECT_GT(count, 0u);
    EXPECT_TRUE(fs::is_regular_file(assets / "Files" / "rnv.ico"));
    for (int m = 1; m <= 14; ++m)
        EXPECT_TRUE(fs::is_regular_file(assets / "Files" / ("m" + std::to_string(m) + ".ico"))) << m;
}

TEST_F(ShippedAssets, DefaultCategoryFileReadsWithItsIcons)
{
    expectCategoryFile(CategoryFile::defaultFile(assets));
}

TEST_F(ShippedAssets, ShippedFileHasTheEditorsLayout)
{
    const fs::path standard = CategoryFile::defaultFile(assets);
    std::vector<CategoryFile::Source> sources;
    for (const auto& r : CategoryFile::read(standard))
        sources.push_back({r.caption, {}});
    qv::test::TempDir dir;
    CategoryFile::write(dir / "Standard.qvc", sources);
    EXPECT_EQ(readFile(dir / "Standard.qvc"), readFile(standard));
}

TEST_F(ShippedAssets, CategorySetsLieInFoldersOfTheirOwn)
{
    std::size_t sets = 0;
    for (const auto& e : fs::directory_iterator(CategoryFile::genreFolder(assets))) {
        if (!e.is_directory())
            continue;
        const auto name = e.path().filename();
        const fs::path file = e.path() / (pathText(name) + ".qvc");
        ASSERT_TRUE(fs::is_regular_file(file)) << pathText(file);
        expectCategoryFile(file);
        ++sets;
    }
    EXPECT_GE(sets, 2u);
}

TEST_F(ShippedAssets, IconPacksHoldTwelveIconsOrMore)
{
    const auto packs = IconPack::scan(assets);
    ASSERT_GE(packs.size(), 3u);
    for (const auto& nn : packs) {
        const int count = IconPack::iconCount(assets, nn);
        EXPECT_GE(count, 12) << nn;
        for (int k = 1; k <= count; ++k) {
            const fs::path icon = IconPack::iconPath(assets, nn, IconPack::numberText(k));
            ASSERT_TRUE(fs::is_regular_file(icon)) << pathText(icon);
            expectShippedIcon(icon);
        }
    }

    qv::test::FakeUi ui;
    Language language;
    IconChooser chooser(ui, language, assets);
    chooser.prepare();
    ASSERT_EQ(chooser.packChoices().size(), packs.size());
    EXPECT_EQ(chooser.packChoices()[0], "Icon Pack 01");
    for (const auto& picture : chooser.pictures())
        EXPECT_TRUE(picture.valid);
}
