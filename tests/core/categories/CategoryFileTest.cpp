#include "categories/CategoryFile.h"

#include "categories/CategoryList.h"
#include "util/FileReference.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/LegacyCodePage.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

TEST(CategoryFile, ReadsCaptionsWithDefaultsForMissingKeys)
{
    TempDir dir;
    writeFile(dir / "a.qvc",
              "[general]\r\nanz_items=3\r\n[0]\r\ncaption=Games\r\nicon_number=0\r\n"
              "[1]\r\nicon_number=4\r\n[2]\r\ncaption=Tools\r\n[3]\r\ncaption=Beyond\r\n");
    const auto records = CategoryFile::read(dir / "a.qvc");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].caption, "Games");
    EXPECT_EQ(records[1].caption, "Fehler");
    EXPECT_EQ(records[1].iconNumber, 4);
    EXPECT_EQ(records[2].caption, "Tools");
    EXPECT_EQ(records[2].iconNumber, 0);
}

// A category file of the old program on a Russian system, in Windows-1251;
// section 2 lies beyond the count, which a write leaves alone.
TEST(CategoryFile, LegacyCaptionsAreReadInTheInterfaceLanguagesCodePageAndSavedAsUtf8)
{
    TempDir dir;
    const auto file = dir / "old.qvc";
    writeFile(file, "[general]\r\nanz_items=2\r\n[0]\r\ncaption=\xC8\xE3\xF0\xFB\r\nicon_number=0\r\n"
                    "[1]\r\ncaption=\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\r\nicon_number=1\r\n"
                    "[2]\r\ncaption=\xD1\xF2\xE0\xF0\xEE\xE5\r\n");
    struct Case {
        CodePage codePage;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {CodePage::Windows1251, {"Игры", "Программы"}},
        {CodePage::Windows1252, {"Èãðû", "Ïðîãðàììû"}},
    };
    for (const auto& c : cases) {
        const LegacyCodePage::Scope language(c.codePage);
        EXPECT_EQ(CategoryFile::readCaptions(file), c.captions);
    }

    {
        const LegacyCodePage::Scope russian(CodePage::Windows1251);
        std::vector<CategoryFile::Source> sources;
        for (const auto& caption : CategoryFile::readCaptions(file))
            sources.push_back({caption, {}});
        CategoryFile::write(file, sources);
    }
    const std::string bytes = readFile(file);
    EXPECT_NE(bytes.find("caption=Игры\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("caption=Программы\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("caption=Старое\r\n"), std::string::npos) << "the whole file is UTF-8 now";
    EXPECT_EQ(CategoryFile::readCaptions(file), (std::vector<std::string>{"Игры", "Программы"}));
}

TEST(CategoryFile, CountIsHeldInEightBits)
{
    struct Case {
        const char* general;
        int expected;
    };
    const Case cases[] = {
        {"", 0},
        {"anz_items=\r\n", 0},
        {"anz_items=abc\r\n", 0},
        {"anz_items=-3\r\n", 0},
        {"anz_items=255\r\n", 255},
        {"anz_items=256\r\n", 255},
        {"anz_items=100000\r\n", 255},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / "c.qvc", std::string("[general]\r\n") + c.general);
        EXPECT_EQ(CategoryFile::readCount(ProfileFile(dir / "c.qvc")), c.expected) << c.general;
        EXPECT_EQ(static_cast<int>(CategoryFile::read(dir / "c.qvc").size()), c.expected) << c.general;
    }
}

TEST(CategoryFile, WritesTheDocumentedLayoutWithIcons)
{
    TempDir dir;
    writeFile(dir / "src" / "g.ico", "GAMES");
    writeFile(dir / "src" / "t.ico", "TOOLS");
    std::filesystem::create_directories(dir / "out");
    CategoryFile::write(dir / "out" / "x.qvc", {{"Games", dir / "src" / "g.ico"}, {"Tools", dir / "src" / "t.ico"}});

    EXPECT_EQ(readFile(dir / "out" / "x.qvc"),
              "[general]\r\nanz_items=2\r\n"
              "[0]\r\ncaption=Games\r\nicon_number=0\r\n"
              "[1]\r\ncaption=Tools\r\nicon_number=1\r\n");
    EXPECT_EQ(readFile(dir / "out" / "0.ico"), "GAMES");
    EXPECT_EQ(readFile(dir / "out" / "1.ico"), "TOOLS");
    EXPECT_EQ(CategoryFile::iconPaths(dir / "out" / "x.qvc"),
              (std::vector<std::filesystem::path>{dir / "out" / "0.ico", dir / "out" / "1.ico"}));
    for (const auto& e : std::filesystem::directory_iterator(dir / "out"))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

TEST(CategoryFile, OwnIconsInANewOrderAreExchanged)
{
    TempDir dir;
    writeFile(dir / "0.ico", "ZERO");
    writeFile(dir / "1.ico", "ONE");
    writeFile(dir / "2.ico", "TWO");
    CategoryFile::write(dir / "c.qvc", {{"c", dir / "2.ico"}, {"a", dir / "0.ico"}, {"b", dir / "1.ico"}});
    EXPECT_EQ(readFile(dir / "0.ico"), "TWO");
    EXPECT_EQ(readFile(dir / "1.ico"), "ZERO");
    EXPECT_EQ(readFile(dir / "2.ico"), "ONE");
}

TEST(CategoryFile, IconCopyLeavesOtherFilesAlone)
{
    TempDir dir;
    // A project "0.qvp" in the same folder has its working copy 0.tmp here.
    writeFile(dir / "0.tmp", "WORKING COPY");
    writeFile(dir / "1.ico", "OLD ONE");
    writeFile(dir / "src.ico", "NEW");
    CategoryFile::write(dir / "c.qvc", {{"a", dir / "src.ico"}, {"b", dir / "missing.ico"}});
    EXPECT_EQ(readFile(dir / "0.tmp"), "WORKING COPY");
    EXPECT_EQ(readFile(dir / "0.ico"), "NEW");
    // A missing source brings no error and replaces nothing.
    EXPECT_EQ(readFile(dir / "1.ico"), "OLD ONE");
}

TEST(CategoryFile, ReadOnlyIconIsReplacedAndMadeWritable)
{
    TempDir dir;
    writeFile(dir / "0.ico", "OLD");
    writeFile(dir / "src.ico", "NEW");
    setReadOnly(dir / "0.ico", true);
    CategoryFile::write(dir / "c.qvc", {{"a", dir / "src.ico"}});
    EXPECT_EQ(readFile(dir / "0.ico"), "NEW");
    EXPECT_FALSE(fileAttributes(dir / "0.ico").readOnly);
}

TEST(CategoryFile, FailedWriteRaisesAndTouchesNoIcon)
{
    TempDir dir;
    writeFile(dir / "c.qvc", "[general]\r\nanz_items=1\r\n");
    writeFile(dir / "0.ico", "OLD");
    writeFile(dir / "src.ico", "NEW");
    setReadOnly(dir / "c.qvc", true);
    EXPECT_THROW(CategoryFile::write(dir / "c.qvc", {{"a", dir / "src.ico"}}), ProfileWriteError);
    EXPECT_EQ(readFile(dir / "0.ico"), "OLD");
    EXPECT_THROW(CategoryFile::write(dir / "none" / "c.qvc", {{"a", dir / "src.ico"}}), ProfileWriteError);
}

TEST(CategoryFile, CaptionsAreStoredOnOneLine)
{
    TempDir dir;
    CategoryFile::write(dir / "c.qvc", {{"  two\r\nlines ", {}}, {"x\n[general]\nanz_items=9", {}}});
    const auto captions = CategoryFile::readCaptions(dir / "c.qvc");
    EXPECT_EQ(captions, (std::vector<std::string>{"two  lines", "x [general] anz_items=9"}));
}

TEST(CategoryFile, DefaultFileIsRecognisedUnderAnySpelling)
{
    TempDir dir;
    writeFile(dir / "Files" / "Standard.qvc", "[general]\r\n");
    std::filesystem::create_directory_symlink(dir / "Files", dir / "link");
    EXPECT_TRUE(CategoryFile::isDefaultFile(dir / "Files" / "Standard.qvc", dir.path()));
    EXPECT_TRUE(CategoryFile::isDefaultFile(dir / "Files" / ".." / "Files" / "Standard.qvc", dir.path()));
    EXPECT_TRUE(CategoryFile::isDefaultFile(dir / "link" / "Standard.qvc", dir.path()));
    EXPECT_FALSE(CategoryFile::isDefaultFile(dir / "genre" / "Standard.qvc", dir.path()));
    EXPECT_FALSE(CategoryFile::isDefaultFile({}, dir.path()));
}

TEST(CategoryList, ReadsCaptionsAndKeepsTheOldListWithoutAFile)
{
    TempDir dir;
    writeFile(dir / "a.qvc", "[general]\r\nanz_items=3\r\n[0]\r\ncaption=A\r\n[1]\r\ncaption=B\r\n[2]\r\ncaption=A\r\n");
    CategoryList list;
    EXPECT_EQ(list.preselected(), -1);
    list.read(dir / "a.qvc");
    EXPECT_EQ(list.captions(), (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(list.preselected(), 0);
    EXPECT_EQ(list.lastIndexOf("A"), 2);
    EXPECT_EQ(list.lastIndexOf("B"), 1);
    EXPECT_EQ(list.lastIndexOf("a"), -1);

    list.read(dir / "missing.qvc");
    FileReference none;
    list.read(none);
    EXPECT_EQ(list.size(), 3);
}
