#include "items/ItemRules.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(ItemRules, SizeText)
{
    const std::vector<std::pair<std::int64_t, const char*>> cases{
        {1048575, "< 1 MB"}, {1048576, "1 MB"}, {5767168, "5 MB"}, {-1, "< 1 MB"}, {0, "< 1 MB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(sizeText(bytes), text) << bytes;
}

TEST(ItemRules, CdPath)
{
    struct Case {
        const char* folder;
        const char* project;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"C:\\CD\\", "C:\\CD\\", "\\"},
        {"C:\\CD\\Tools\\Setup\\", "C:\\CD\\", "\\Tools\\Setup\\"},
        {"D:\\Other\\", "C:\\CD\\", "\\D:\\Other\\"},
        {"c:\\cd\\Tools\\", "C:\\CD\\", "\\c:\\cd\\Tools\\"},
        {"", "C:\\CD\\", "\\"},
        {"/home/a/cd/Tools/", "/home/a/cd/", "\\Tools\\"},
        {"/home/a/cd/", "/home/a/cd/", "\\"},
        {"/elsewhere/x/", "/home/a/cd/", "\\elsewhere\\x\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cdPathOf(c.folder, c.project), c.expected) << c.folder;
}

TEST(ItemRules, Homepage)
{
    EXPECT_EQ(homepageOf("http://", "n/a"), "n/a");
    EXPECT_EQ(homepageOf("http://", ""), "");
    EXPECT_EQ(homepageOf("https://", "abc"), "https://abc");
    EXPECT_EQ(homepageOf("http://", "http://x"), "http://http://x");
}

TEST(ItemRules, BareName)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"setup.beta.exe", "setup"}, {"readme.first.txt", "readme"}, {"LICENSE", "LICENSE"}, {".profile", ""}};
    for (const auto& [name, bare] : cases)
        EXPECT_EQ(bareNameOf(name), bare) << name;
}

TEST(ItemRules, HomepageSplitIsTheInverseOfTheRule)
{
    struct Case {
        const char* homepage;
        int scheme;
        const char* address;
    };
    const std::vector<Case> cases{
        {"http://www.x.org", 0, "www.x.org"}, {"https://x.org/a", 1, "x.org/a"}, {"ftp://files.x", 2, "files.x"},
        {"www.x.org", 0, "www.x.org"},        {"n/a", 0, "n/a"},             {"HTTP://x", 0, "HTTP://x"},
    };
    for (const auto& c : cases) {
        const HomepageParts parts = splitHomepage(c.homepage);
        EXPECT_EQ(parts.scheme, c.scheme) << c.homepage;
        EXPECT_EQ(parts.address, c.address) << c.homepage;
    }
    // Split and joined again, a homepage with a scheme comes back as it was.
    for (const char* h : {"http://www.x.org", "ftp://files.x", "n/a"}) {
        const HomepageParts parts = splitHomepage(h);
        EXPECT_EQ(homepageOf(kHomepageSchemes[static_cast<std::size_t>(parts.scheme)], parts.address), h);
    }
}
