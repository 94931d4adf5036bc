#include "design/DesignFonts.h"

#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"

#include "DesignTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::RecordingRegistrar;
using test::TempDir;
using test::writeFile;

struct ResolveCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> entries;  // entry name -> value
    std::string face;
    std::optional<std::string> expected;

    friend void PrintTo(const ResolveCase& c, std::ostream* os) { *os << c.what; }
};

class FontResolveTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(FontResolveTest, ResolvesThroughEntriesAndSuffixes)
{
    TempDir dir;
    for (const char* f : {"foo.ttf", "foob.ttf", "foor.ttf", "foo2r.ttf", "foofett.ttf", "bar.ttf"})
        writeFile(dir / "Fonts" / f, "font");
    writeFile(dir / "elsewhere" / "far.ttf", "font");
    FolderFontCatalogue catalogue(dir / "Fonts");
    for (auto [name, value] : GetParam().entries) {
        if (value.starts_with("@"))
            value = (dir / value.substr(1)).string();
        catalogue.addEntry(name, value);
    }
    RecordingRegistrar registrar;
    DesignFonts fonts(catalogue, registrar);
    EXPECT_EQ(fonts.resolveFontFile(GetParam().face), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontResolveTest,
    ::testing::Values(
        ResolveCase{"plain entry", {{"Foo (TrueType)", "foo.ttf"}, {"Foo Bold (TrueType)", "foob.ttf"}}, "Foo", "foo.ttf"},
        ResolveCase{"only the bold entry: first suffix", {{"Foo Bold (TrueType)", "foob.ttf"}}, "Foo", "foob.ttf"},
        ResolveCase{"bold before regular",
                    {{"Foo Regular (TrueType)", "foor.ttf"}, {"Foo Bold (TrueType)", "foob.ttf"}}, "Foo", "foob.ttf"},
        ResolveCase{"suffix with two blanks before Fett",
                    {{"Foo Fett (TrueType)", "foofett.ttf"}, {"Foo  Regular (TrueType)", "foo2r.ttf"}}, "Foo", "foo2r.ttf"},
        ResolveCase{"suffix without blank", {{"FooHazed (TrueType)", "foo.ttf"}}, "Foo", "foo.ttf"},
        ResolveCase{"empty plain entry falls through to suffixes",
                    {{"Foo (TrueType)", ""}, {"Foo Regular (TrueType)", "foor.ttf"}}, "Foo", "foor.ttf"},
        ResolveCase{"face with different letter case has no entry", {{"Foo (TrueType)", "foo.ttf"}}, "foo", std::nullopt},
        ResolveCase{"entry whose file is missing", {{"Baz (TrueType)", "baz.ttf"}}, "Baz", std::nullopt},
        ResolveCase{"full path outside the fonts folder",
                    {{"Far (TrueType)", "@elsewhere/far.ttf"}}, "Far", "far.ttf"},
        ResolveCase{"no entry at all", {}, "Nothing", std::nullopt}),
    [](const auto& param) { return "case" + std::to_string(param.index); });

TEST(DesignFontsTest, SuffixTableKeepsOrderAndBlanks)
{
    const auto& s = DesignFonts::styleSuffixes();
    EXPECT_EQ(s.front(), " Bold");
    EXPECT_EQ(s[3], "  Regular");
    EXPECT_EQ(s[5], "Hazed");
    EXPECT_EQ(s[24], "ed to type");
    EXPECT_EQ(s[26], "-Regular");
    EXPECT_EQ(s[37], " Plain:1.0");
    EXPECT_EQ(s.back(), "  MT");
}

TEST(DesignFontsTest, SlotFaceWinsOverInstalledEntryAndLaterSlotWins)
{
    TempDir dir;
    writeFile(dir / "Fonts" / "foo.ttf", "font");
    writeFile(dir / "design" / "own.ttf", "font");
    writeFile(dir / "design" / "other.ttf", "font");
    FolderFontCatalogue catalogue(dir / "Fonts");
    catalogue.addEntry("Foo (TrueType)", "foo.ttf");
    RecordingRegistrar registrar;
    DesignFonts fonts(catalogue, registrar);

    EXPECT_TRUE(fonts.registerDesignFont(1, dir / "design" / "own.ttf", "Foo"));
    EXPECT_EQ(fonts.resolveFontFile("Foo"), "own.ttf");
    fonts.registerDesignFont(4, dir / "design" / "other.ttf", "Foo");
    EXPECT_EQ(fonts.resolveFontFile("Foo"), "other.ttf");
    // Letter case counts for the slot's face.
    EXPECT_EQ(fonts.resolveFontFile("FOO"), std::nullopt);
}

TEST(DesignFontsTest, UnregisterReleasesFilesButKeepsSlots)
{
    TempDir dir;
    writeFile(dir / "own.ttf", "font");
    FolderFontCatalogue catalogue(dir / "Fonts");
    RecordingRegistrar registrar;
    DesignFonts fonts(catalogue, registrar);

    EXPECT_FALSE(fonts.registerDesignFont(0, dir / "missing.ttf", "Gone"));
    EXPECT_TRUE(fonts.registerDesignFont(3, dir / "own.ttf", "Own"));
    EXPECT_EQ(fonts.slot(0).face, "Gone");  // recorded although it is no font

    fonts.unregisterDesignFonts();
    ASSERT_EQ(registrar.removed.size(), 1u);
    EXPECT_EQ(registrar.removed[0], dir / "own.ttf");
    EXPECT_EQ(fonts.resolveFontFile("Own"), "own.ttf");  // slots still map their faces

    fonts.unregisterDesignFonts();  // nothing is released twice
    EXPECT_EQ(registrar.removed.size(), 1u);
    fonts.clearSlots();
    EXPECT_EQ(fonts.resolveFontFile("Own"), std::nullopt);
}

TEST(DesignFontsTest, FontSearchMatchesTtfWithoutCaseAndSkipsSubFolders)
{
    TempDir dir;
    for (const char* f : {"a.ttf", "B.TTF", "c.Ttf", "d.otf", "e.ttf.bak", ".hidden.ttf", "sub/inner.ttf"})
        writeFile(dir / f, "x");
    std::filesystem::create_directories(dir / "folder.ttf");
    EXPECT_EQ(DesignFonts::fontSearch(dir.path()), (std::vector<std::string>{"B.TTF", "a.ttf", "c.Ttf"}));
    EXPECT_TRUE(DesignFonts::fontSearch(dir / "missing").empty());
}

TEST(FontconfigCatalogueTest, ListsInstalledTrueTypeFacesAsEntries)
{
    const FontconfigCatalogue catalogue;
    // fonts-dejavu-core comes with fontconfig on Debian.
    ASSERT_TRUE(catalogue.hasFace("DejaVu Sans"));
    EXPECT_FALSE(catalogue.hasFace("dejavu sans"));
    const std::filesystem::path regular = catalogue.entry("DejaVu Sans (TrueType)");
    EXPECT_EQ(regular.filename(), "DejaVuSans.ttf");
    EXPECT_EQ(std::filesystem::path(catalogue.entry("DejaVu Sans Bold (TrueType)")).filename(), "DejaVuSans-Bold.ttf");
    EXPECT_EQ(catalogue.installedFile("DejaVuSans.ttf"), regular);

    FontconfigRegistrar registrar;
    DesignFonts fonts(catalogue, registrar);
    EXPECT_EQ(fonts.resolveFontFile("DejaVu Sans"), "DejaVuSans.ttf");
}

TEST(FontconfigRegistrarTest, AcceptsFontsAndRefusesOtherFiles)
{
    TempDir dir;
    writeFile(dir / "fake.ttf", "no font at all");
    FontconfigRegistrar registrar;
    EXPECT_FALSE(registrar.addFont(dir / "fake.ttf"));
    EXPECT_FALSE(registrar.addFont(dir / "missing.ttf"));
    const FontconfigCatalogue catalogue;
    const auto real = catalogue.installedFile("DejaVuSans.ttf");
    ASSERT_TRUE(real);
    std::filesystem::copy_file(*real, dir / "Own.ttf");
    EXPECT_TRUE(registrar.addFont(dir / "Own.ttf"));
    registrar.removeFont(dir / "Own.ttf");
}

}  // namespace
}  // namespace qv
