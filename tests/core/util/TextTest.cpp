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
