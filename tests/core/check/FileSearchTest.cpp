#include "util/FileSearch.h"
#include "check/FileTreeIndex.h"

#include "util/Fs.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>

using namespace qv;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

namespace fs = std::filesystem;

struct PatternCase {
    const char* name;
    const char* pattern;
    bool matches;
};

TEST(FilePattern, MatchesAsTheFileSystemDoes)
{
    const PatternCase cases[] = {
        {"readme.TXT", "README.txt", true},
        {"readme.txt", "readme.tx", false},
        {"readme.txt", "readme.txt2", false},
        {"a.txt", "*.txt", true},
        {"a.txt.bak", "*.txt", false},
        {"abcabd", "*abd", true},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"noext", "*.*", true},
        {"x", "*", true},
        {"x", "", false},
        // Only A-Z are folded; one '?' stands for a whole UTF-8 character.
        {"\xC3\xA4" "b", "\xC3\x84" "b", false},
        {"\xC3\xA4" "b", "?b", true},
        {"\xC3\xA4" "b", "??b", false},
        {"Photo 1.JPG", "photo ?.jpg", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

// A tree where readme.txt lies in several folders, in several letter cases,
// next to hidden files and folders and a link back up the tree.
struct SearchTree {
    TempDir dir;
    std::string root = folderText(dir / "cd");

    SearchTree()
    {
        for (const char* p : {"readme.txt", "b.dat", "a/readme.txt", "a/x.dat", "a/z/README.TXT", "b/c/readme.txt",
                              "b/c/notes.txt", "B2/Readme.txt", "B2/deep/er/readme.txt", ".hidden/readme.txt",
                              "a/.readme.txt", ".secret", "b/c/d/empty/.keep"})
            writeFile(dir / "cd" / p, "x");
        std::error_code ec;
        fs::create_directory_symlink(dir / "cd", dir / "cd" / "loop", ec);
    }
    std::string folder(std::string_view relative) const { return root + std::string(relative); }
};

std::vector<std::string> foldersOf(const std::vector<FoundFile>& found)
{
    std::vector<std::string> folders;
    for (const auto& f : found)
        folders.push_back(f.folder);
    return folders;
}

TEST(FileSearch, FilesOfAFolderFirstThenItsSubfoldersDepthFirst)
{
    SearchTree tree;
    const auto found = searchFiles(tree.root, "readme.txt");
    const std::vector<std::string> expected = {tree.folder(""), tree.folder("a/"), tree.folder("a/z/"),
                                               tree.folder("b/c/"), tree.folder("B2/"), tree.folder("B2/deep/er/")};
    EXPECT_EQ(foldersOf(found), expected);
    EXPECT_EQ(found[2].name, "README.TXT");
}

TEST(FileSearch, HiddenFilesAndFoldersAreLeftOut)
{
    SearchTree tree;
    EXPECT_TRUE(searchFiles(tree.root, ".secret").empty());
    EXPECT_TRUE(searchFiles(tree.root, ".readme.txt").empty());
    for (const auto& f : searchFiles(tree.root, "*")) {
        EXPECT_NE(f.name.front(), '.') << f.folder << f.name;
        EXPECT_EQ(f.folder.find("/."), std::string::npos) << f.folder;
    }
}

TEST(FileSearch, NoFolderSearchesNothing)
{
    EXPECT_TRUE(searchFiles("", "*").empty());
    EXPECT_EQ(FileTreeIndex("").fileCount(), 0u);
    EXPECT_EQ(FileTreeIndex("").directoryReads(), 0);
}

// The one walk must give, for every pattern, exactly what a search of its own would.
TEST(FileTreeIndex, AnswersEqualOneSearchPerPattern)
{
    SearchTree tree;
    std::int64_t walkReads = 0;
    const FileTreeIndex index(tree.root);
    walkReads = index.directoryReads();

    std::set<std::string> patterns = {"readme.txt", "README.TXT", "ReadMe.Txt", "notes.txt", "b.dat", "x.dat",
                                      "missing.txt", "*.txt", "*.dat", "*", "*.*", "?.dat", "read*", ".secret",
                                      ".keep", ""};
    for (const auto& f : searchFiles(tree.root, "*"))
        patterns.insert(f.name);

    for (const auto& pattern : patterns) {
        std::int64_t searchReads = 0;
        EXPECT_EQ(index.find(pattern), searchFiles(tree.root, pattern, &searchReads)) << pattern;
        EXPECT_EQ(searchReads, walkReads) << pattern;
    }
    // cd, a, a/z, b, b/c, b/c/d, b/c/d/empty, B2, B2/deep, B2/deep/er; not .hidden, not the link.
    EXPECT_EQ(walkReads, 10);
}

}  // namespace
