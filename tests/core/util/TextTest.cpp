#include "util/Text.h"

#include "util/LegacyCodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iconv.h>
#include <optional>

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

namespace {

// What the C library's converter makes of one byte, or nothing where it
// knows no character for it.
std::optional<std::string> systemDecoded(const char* codePage, unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        return std::nullopt;
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

}  // namespace

TEST(Text, CodePageTablesAgreeWithTheSystemConverterForEveryHighByte)
{
    struct Case {
        CodePage codePage;
        const char* systemName;
        std::vector<unsigned char> unassigned;  // kept as the code point of the same number
    };
    const Case cases[] = {
        {CodePage::Windows1252, "CP1252", {0x81, 0x8D, 0x8F, 0x90, 0x9D}},
        {CodePage::Windows1251, "CP1251", {0x98}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(systemDecoded(c.systemName, 'A')) << "the C library has no " << c.systemName;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const std::string ours = codePageToUtf8(std::string(1, static_cast<char>(byte)), c.codePage);
            const bool unassigned = std::find(c.unassigned.begin(), c.unassigned.end(), byte) != c.unassigned.end();
            if (unassigned) {
                EXPECT_EQ(ours, (std::string{static_cast<char>(0xC2), static_cast<char>(byte)}))
                    << c.systemName << " byte " << b;
            } else {
                EXPECT_EQ(ours, systemDecoded(c.systemName, byte)) << c.systemName << " byte " << b;
            }
        }
    }
}

TEST(Text, LegacyTextIsReadInTheGivenCodePageAndUtf8NeverTwice)
{
    const std::string privetCp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
    const std::string privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Привет
    struct Case {
        std::string bytes;
        CodePage codePage;
        std::string expected;
    };
    const Case cases[] = {
        {privetCp1251, CodePage::Windows1251, privet},
        {privetCp1251, CodePage::Windows1252, "\xC3\x8F\xC3\xB0\xC3\xA8\xC3\xA2\xC3\xA5\xC3\xB2"},  // Ïðèâåò
        // Ё, ё, № and the euro sign lie outside the letters' block.
        {"\xA8\xB8\xB9\x88", CodePage::Windows1251, "\xD0\x81\xD1\x91\xE2\x84\x96\xE2\x82\xAC"},
        // UTF-8 Cyrillic is also a valid byte string of Windows-1251: it must stay.
        {privet, CodePage::Windows1251, privet},
        {"\xEF\xBB\xBF" + privet, CodePage::Windows1251, privet},
        {"\xEF\xBB\xBF" + privetCp1251, CodePage::Windows1251, privet},
        // One invalid byte makes the whole text legacy text.
        {"\xC3\xA9 \xE9", CodePage::Windows1251, "\xD0\x93\xC2\xA9 \xD0\xB9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeText(c.bytes, c.codePage), c.expected) << c.bytes;
}

TEST(Text, DecodeFollowsTheProcessCodePageUntilTheScopeEnds)
{
    const std::string bytes = "\xC4\xE0";  // Да in Windows-1251, Äà in Windows-1252
    ASSERT_EQ(LegacyCodePage::current(), CodePage::Windows1252);
    {
        const LegacyCodePage::Scope russian(LegacyCodePage::forCharset(204));
        EXPECT_EQ(decodeText(bytes), "\xD0\x94\xD0\xB0");
        {
            const LegacyCodePage::Scope english(LegacyCodePage::forCharset(0));
            EXPECT_EQ(decodeText(bytes), "\xC3\x84\xC3\xA0");
        }
        EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1251);
    }
    EXPECT_EQ(LegacyCodePage::current(), CodePage::Windows1252);
    EXPECT_EQ(decodeText(bytes), "\xC3\x84\xC3\xA0");
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
