#include "util/Text.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(Text, AsciiCaseFoldsOnlyAToZ)
{
    EXPECT_TRUE(iequals("Bmp", "bMP"));
    EXPECT_FALSE(iequals("\xC3\x84", "\xC3\xA4"));  // Ä and ä stay different
    EXPECT_LT(icompare("abc", "ABD"), 0);
    EXPECT_EQ(icompare("abc", "ABC"), 0);
    EXPECT_GT(icompare("abcd", "ABC"), 0);
    EXPECT_EQ(asciiUpper("straße"), "STRAßE");
}

TEST(Text, Utf8CutNeverSplitsASequence)
{
    const std::string s = "ab\xC3\xA4\xE2\x82\xAC";  // a b ä €
    EXPECT_EQ(utf8CutBytes(s, 3), "ab");
    EXPECT_EQ(utf8CutBytes(s, 4), "ab\xC3\xA4");
    EXPECT_EQ(utf8CutBytes(s, 6), "ab\xC3\xA4");
    EXPECT_EQ(utf8CutBytes(s, 7), s);
    EXPECT_EQ(utf8Length(s), 4u);
    EXPECT_EQ(utf8Left(s, 3), "ab\xC3\xA4");
}

TEST(Text, DecodeKeepsUtf8AndConvertsWindows1252)
{
    EXPECT_EQ(decodeText("\xEF\xBB\xBFok"), "ok");
    EXPECT_EQ(decodeText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(Text, FormatAndLines)
{
    EXPECT_EQ(formatS("nach %s kann", "x.ini"), "nach x.ini kann");
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string>{"a"}));
}

#include "util/Colour.h"

TEST(Colour, WritesNamesOrDollarHexAndReadsBothForms)
{
    EXPECT_EQ(colourToText(rgbColour(1, 2, 3)), "$00030201");
    EXPECT_EQ(colourToText(rgbColour(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_EQ(colourFromText("$00030201"), rgbColour(1, 2, 3));
    EXPECT_EQ(colourFromText("197121"), rgbColour(1, 2, 3));
    EXPECT_EQ(colourToText(*colourFromText("clgray")), "clGray");
    EXPECT_EQ(colourFromText("clNone"), kColourNone);
    EXPECT_EQ(colourToText(0x8000000A), "clActiveBorder");
    EXPECT_EQ(colourFromText("CLINFOBK"), 0x80000018u);
    EXPECT_FALSE(colourFromText("greenish"));
    try {
        colourFromTextOrThrow("greenish");
        FAIL();
    } catch (const ColourConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'greenish' ist kein g\xC3\xBCltiger Integerwert");
    }
}

#include "util/Fs.h"

#include "TempDir.h"

TEST(Fs, ReadingAFolderOrMissingFileGivesNothing)
{
    qv::test::TempDir dir;
    EXPECT_FALSE(readFileBytes(dir.path()));
    EXPECT_FALSE(readFileBytes(dir / "missing"));
    qv::test::writeFile(dir / "f", "abc");
    EXPECT_EQ(readFileBytes(dir / "f"), "abc");
}
