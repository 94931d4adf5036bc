#include "build/RuntimeItemFiles.h"

#include "profile/ProfileFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace qv;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

ItemFieldTexts item(std::string name, std::string fileName, std::string cdPath, std::string category,
                    std::string copy = "yes", std::string execute = "no")
{
    return {name, fileName, cdPath, "SN-" + name, "1", "2", "About " + name, category, copy,
            "/src/" + fileName, "http://example.org/" + name, execute};
}

RuntimeItemSource sampleSource()
{
    RuntimeItemSource s;
    s.cdName = "Demo CD";
    s.rootName = "/home/a/cd/";
    s.categories = {"Programs", "Games", "Empty", "Web"};
    s.yesWord = "yes";
    s.items = {
        item("A", "game.exe", "\\Games\\", "Games"),
        item("B", "setup.EXE", "\\Tools\\", "Programs", "no", "yes"),
        item("C", "readme.txt", "\\Docs\\", "Games", "Ja", "yes"),
        item("D", "other.zip", "\\", "games"),  // differs in case: in no category
        item("E", "http://example.org", "", "Web", "no", "no"),
    };
    return s;
}

}  // namespace

TEST(RuntimeItemFiles, GoldenBytes)
{
    TempDir dir;
    const RuntimeItemSummary summary = writeRuntimeItemFiles(dir.path(), sampleSource());
    EXPECT_EQ(summary.itemFiles, 4u);
    EXPECT_EQ(summary.categoriesWithItems, 3u);

    EXPECT_EQ(readFile(dir / "members.cfg"),
              "[general]\r\n"
              "cdname=Demo CD\r\n"
              "rootname=/home/a/cd/\r\n"
              "[0-0]\r\n"
              "caption=B\r\n"
              "icon_number=0\r\n"
              "[0]\r\n"
              "anz_items=1\r\n"
              "[1-0]\r\n"
              "caption=A\r\n"
              "icon_number=0\r\n"
              "[1]\r\n"
              "anz_items=2\r\n"
              "[1-1]\r\n"
              "caption=C\r\n"
              "icon_number=7\r\n"
              "[3-0]\r\n"
              "caption=E\r\n"
              "icon_number=4\r\n"
              "[3]\r\n"
              "anz_items=1\r\n");
    EXPECT_EQ(readFile(dir / "membersd" / "m1-1.dat"),
              "[1-1]\r\n"
              "caption=C\r\n"
              "pfad=\\Docs\\readme.txt\r\n"
              "copy=0\r\n"
              "execute=1\r\n"
              "genre=1\r\n"
              "desc=About C\r\n"
              "serial=SN-C\r\n"
              "sizep=1\r\n"
              "sizeup=2\r\n"
              "url=http://example.org/C\r\n");
    EXPECT_EQ(readFile(dir / "membersd" / "m3-0.dat"),
              "[3-0]\r\n"
              "caption=E\r\n"
              "pfad=http://example.org\r\n"
              "copy=0\r\n"
              "execute=0\r\n"
              "genre=3\r\n"
              "desc=About E\r\n"
              "serial=SN-E\r\n"
              "sizep=1\r\n"
              "sizeup=2\r\n"
              "url=http://example.org/E\r\n");

    // A second build into the same folder gives the same bytes.
    const std::string members = readFile(dir / "members.cfg");
    writeRuntimeItemFiles(dir.path(), sampleSource());
    EXPECT_EQ(readFile(dir / "members.cfg"), members);

    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir / "membersd"))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"m0-0.dat", "m1-0.dat", "m1-1.dat", "m3-0.dat"}));
}

TEST(RuntimeItemFiles, NumberedPerCategoryInTableOrder)
{
    TempDir dir;
    RuntimeItemSource s;
    s.categories = {"Zero", "One"};
    s.yesWord = "yes";
    s.items = {item("A", "a.exe", "\\", "One"), item("B", "b.exe", "\\", "Zero"), item("C", "c.exe", "\\", "One")};
    writeRuntimeItemFiles(dir.path(), s);

    const ProfileFile members(dir / "members.cfg");
    EXPECT_EQ(members.readString("0-0", "caption", "?"), "B");
    EXPECT_EQ(members.readString("1-0", "caption", "?"), "A");
    EXPECT_EQ(members.readString("1-1", "caption", "?"), "C");
    EXPECT_EQ(members.readInteger("0", "anz_items", -1), 1);
    EXPECT_EQ(members.readInteger("1", "anz_items", -1), 2);
    EXPECT_EQ(ProfileFile(dir / "membersd" / "m1-1.dat").readString("1-1", "caption", "?"), "C");
}

TEST(RuntimeItemFiles, SharedCaptionWritesTheItemUnderBothNumbersWithTheLastAsGenre)
{
    TempDir dir;
    RuntimeItemSource s;
    s.categories = {"X", "Y", "X"};
    s.yesWord = "Ja";
    s.items = {item("A", "a.exe", "\\", "X", "Ja", "yes")};
    writeRuntimeItemFiles(dir.path(), s);

    for (const char* section : {"0-0", "2-0"}) {
        const ProfileFile file(dir / "membersd" / (std::string("m") + section + ".dat"));
        EXPECT_EQ(file.readInteger(section, "genre", -1), 2) << section;
        EXPECT_EQ(file.readInteger(section, "copy", -1), 1) << section;
        // "yes" is not the current language's yes word.
        EXPECT_EQ(file.readInteger(section, "execute", -1), 0) << section;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "membersd" / "m1-0.dat"));
}

TEST(RuntimeItemFiles, NothingStaleSurvivesARebuild)
{
    TempDir dir;
    RuntimeItemSource s = sampleSource();
    writeRuntimeItemFiles(dir.path(), s);
    ASSERT_TRUE(std::filesystem::exists(dir / "membersd" / "m1-1.dat"));
    writeFile(dir / "membersd" / "keep" / "inner.dat", "x");
    writeFile(dir / "membersd" / "notes.txt", "x");

    s.items.erase(s.items.begin() + 2);  // C, the second of Games
    s.items.erase(s.items.begin());      // A, the first of Games
    writeRuntimeItemFiles(dir.path(), s);

    EXPECT_FALSE(std::filesystem::exists(dir / "membersd" / "m1-0.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "membersd" / "m1-1.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "membersd" / "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "membersd" / "keep" / "inner.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "membersd" / "m0-0.dat"));
    const std::string members = readFile(dir / "members.cfg");
    EXPECT_EQ(members.find("[1"), std::string::npos) << members;
}

TEST(RuntimeItemFiles, LineBreaksCannotSmuggleInKeys)
{
    TempDir dir;
    RuntimeItemSource s;
    s.categories = {"C"};
    s.yesWord = "yes";
    ItemFieldTexts it = item("A", "a.exe", "\\", "C");
    it[6] = "first\r\nurl=http://evil.example\n[0-1]\rcaption=x";
    s.items = {it};
    writeRuntimeItemFiles(dir.path(), s);

    const ProfileFile file(dir / "membersd" / "m0-0.dat");
    EXPECT_EQ(file.readString("0-0", "desc", ""), "first url=http://evil.example [0-1] caption=x");
    EXPECT_EQ(file.readString("0-0", "url", ""), "http://example.org/A");
    EXPECT_EQ(file.readString("0-1", "caption", "none"), "none");
}

TEST(RuntimeItemFiles, FailedWriteIsRaised)
{
    TempDir dir;
    EXPECT_THROW(writeRuntimeItemFiles(dir / "no" / "CFG", sampleSource()), ProfileWriteError);
}
