#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/MenuDesign.h"
#include "util/Colour.h"

#include "DesignTestSupport.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace qv {
namespace {

using test::readFile;
using test::TempDir;

using test::assetsDir;

std::vector<std::filesystem::path> shippedDesigns()
{
    std::vector<std::filesystem::path> designs{assetsDir() / "Files" / "Standard.qvd"};
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(assetsDir() / "menudesign", ec)) {
        const auto file = e.path() / (e.path().filename().string() + ".qvd");
        if (std::filesystem::exists(file))
            designs.push_back(file);
    }
    return designs;
}

std::uint16_t u16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

TEST(ShippedDesignsTest, EveryDesignReadsCompletelyAndWritesBackTheSameSettings)
{
    ASSERT_TRUE(std::filesystem::is_directory(assetsDir())) << assetsDir();
    const auto designs = shippedDesigns();
    ASSERT_GE(designs.size(), 4u);
    const FontconfigCatalogue catalogue;
    for (const auto& path : designs) {
        SCOPED_TRACE(path.string());
        test::RecordingRegistrar registrar;
        DesignFonts fonts(catalogue, registrar);
        ProjectFiles data;
        MenuDesign design(data, fonts);
        ASSERT_NO_THROW(design.read(path));
        EXPECT_TRUE(registrar.added.empty()) << "a face the system lacks";
        for (int i = 0; i < kDesignFontCount; ++i)
            EXPECT_TRUE(fonts.resolveFontFile(design.settings().fontFaces[static_cast<std::size_t>(i)]));
        for (int n = 1; n <= MenuDesign::kSoundCount; ++n)
            EXPECT_FALSE(data.sound(n).empty()) << "sound " << n;
        if (path.parent_path().parent_path().filename() == "menudesign") {
            EXPECT_FALSE(data.Splash_File.empty());
            EXPECT_FALSE(data.BMP_File.empty());
            EXPECT_FALSE(data.Button_file.empty());
            EXPECT_FALSE(data.Icon_File.empty());
            EXPECT_EQ(data.BMP_File.folder(), MenuDesign::designFolder(path));
        }

        // The shipped file leaves its full paths empty; otherwise Write gives it back byte for byte.
        TempDir tmp;
        const DesignSettings settings = design.settings();
        design.write(tmp / "copy.qvd");
        std::string written = readFile(tmp / "copy.qvd");
        const std::string folder = MenuDesign::designFolder(path).string();
        for (std::size_t at; (at = written.find("=" + folder)) != std::string::npos;) {
            const auto end = written.find("\r\n", at);
            written.erase(at + 1, end - at - 1);
        }
        EXPECT_EQ(written, readFile(path));
        design.read(tmp / "copy.qvd");
        EXPECT_EQ(design.settings(), settings);
    }
}

TEST(ShippedDesignsTest, IconsHoldSixteenThirtyTwoAndFortyEightPixels)
{
    std::error_code ec;
    int icons = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(assetsDir() / "menudesign", ec)) {
        if (e.path().extension() != ".ico")
            continue;
        ++icons;
        SCOPED_TRACE(e.path().string());
        const std::string b = readFile(e.path());
        ASSERT_GE(b.size(), 6u + 3 * 16);
        EXPECT_EQ(u16(b, 0), 0);
        EXPECT_EQ(u16(b, 2), 1);
        ASSERT_EQ(u16(b, 4), 3);
        for (int i = 0; i < 3; ++i) {
            const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
            const int size = static_cast<unsigned char>(b[entry]);
            EXPECT_EQ(size, 16 * (i + 1));
            EXPECT_EQ(u16(b, entry + 6), 32);  // bits per pixel
            std::uint32_t bytes = 0, offset = 0;
            std::memcpy(&bytes, b.data() + entry + 8, 4);
            std::memcpy(&offset, b.data() + entry + 12, 4);
            // 40-byte header, 32-bit colour rows, 1-bit mask rows padded to 32 bits.
            EXPECT_EQ(bytes, 40u + static_cast<std::uint32_t>(size * size * 4 + (size + 31) / 32 * 4 * size));
            EXPECT_LE(offset + bytes, b.size());
        }
    }
    EXPECT_GE(icons, 3);
}

}  // namespace
}  // namespace qv
