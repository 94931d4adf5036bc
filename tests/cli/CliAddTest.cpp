#include "CliTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace qv::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

std::vector<std::string> tabbed(const std::string& line)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        out.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return out;
        start = tab + 1;
    }
}

// The demo project; every test adds to it.
class CliAdd : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto r = runCli({"demo", dir.path().string()});
        ASSERT_EQ(r.status, 0) << r.err;
        project = (dir / "demo.qvp").string();
        cd = dir / "cd";
    }
    std::vector<std::string> shownItems()
    {
        auto l = lines(runCli({"show", project}).out);
        return {l.begin() + 4, l.end()};
    }
    TempDir dir;
    std::string project;
    fs::path cd;
};

}  // namespace

TEST_F(CliAdd, AFileGetsTheDialogsProposalsIsSavedAndPrintedAsShowPrintsIt)
{
    const auto before = shownItems();
    writeFile(cd / "Tools" / "setup.beta.exe", "MZ");
    const auto r = runCli({"add", project, "file", (cd / "Tools" / "setup.beta.exe").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 1u);
    const std::vector<std::string> expected{"setup", "setup.beta.exe", "\\Tools\\", "n/a", "< 1 MB", "n/a", "n/a",
                                            "Programs", "yes", (cd / "Tools" / "setup.beta.exe").string(), "n/a",
                                            "yes"};
    EXPECT_EQ(tabbed(out[0]), expected);
    const auto after = shownItems();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), out[0]);
}

TEST_F(CliAdd, AFileTakesEveryAnswerGiven)
{
    writeFile(cd / "Docs" / "data.dat", "x");
    const auto r = runCli({"add", project, "file", (cd / "Docs" / "data.dat").string(), "--name", "Data", "--category",
                           "Documents", "--serial", "42", "--hdsize", "3 MB", "--description", "Numbers", "--homepage",
                           "https://x.org/data", "--copy", "no", "--execute", "yes"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto fields = tabbed(lines(r.out).at(0));
    const std::vector<std::string> expected{"Data", "data.dat", "\\Docs\\", "42", "< 1 MB", "3 MB", "Numbers",
                                            "Documents", "no", (cd / "Docs" / "data.dat").string(),
                                            "https://x.org/data", "yes"};
    EXPECT_EQ(fields, expected);
}

TEST_F(CliAdd, AHomepageKeepsItsSchemeOrGetsTheFirst)
{
    writeFile(cd / "a.txt", "x");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"ftp://files.x", "ftp://files.x"}, {"www.x.org", "http://www.x.org"}, {"n/a", "n/a"}};
    for (const auto& [given, stored] : cases) {
        const auto r = runCli({"add", project, "file", (cd / "a.txt").string(), "--homepage", given});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(tabbed(lines(r.out).at(0)).at(10), stored) << given;
    }
}

TEST_F(CliAdd, AFileOutsideTheProjectFolderIsAddedWithTheWarning)
{
    const fs::path outside = dir / "elsewhere" / "tool.exe";
    writeFile(outside, "MZ");
    const auto r = runCli({"add", project, "file", outside.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("lies outside the project folder"), std::string::npos) << r.err;
    EXPECT_EQ(lines(r.out).size(), 1u);
    EXPECT_EQ(shownItems().back(), lines(r.out).at(0));
}

TEST_F(CliAdd, WrongInputIsAnErrorAndLeavesTheProjectAsItWas)
{
    writeFile(cd / "a.txt", "x");
    fs::create_directories(cd / "Empty");
    const std::string file = (cd / "a.txt").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const std::vector<Case> cases{
        {{"file", (cd / "missing.txt").string()}, 1, "does not exist"},
        {{"folder", (cd / "missing").string()}, 1, "does not exist"},
        {{"file", file, "--category", "Nonsense"}, 1, "no category"},
        {{"file", file, "--name", ""}, 1, "Please enter a name for the item."},
        {{"folder", (cd / "Empty").string()}, 1, "Please select at least one entry"},
        {{"file", file, "--copy", "maybe"}, 1, "yes or no"},
        {{"file", file, "--subfolders"}, 2, "does not go with"},
        {{"folder", (cd / "Docs").string(), "--hdsize", "1 MB"}, 2, "does not go with"},
        {{"file", file, "--name", std::string(300, 'x')}, 1, "longer than"},
        {{"widget", file}, 2, "Unknown kind"},
        {{"file", file, "--name"}, 2, "needs a value"},
    };
    const std::string before = readFile(project);
    for (const Case& c : cases) {
        std::vector<std::string> args{"add", project};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = runCli(args);
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(readFile(project), before) << c.says;
    }
}

TEST_F(CliAdd, AFolderAddsItsFilesWithOriginalOrNumberedNames)
{
    for (const char* name : {"Pics/b.jpg", "Pics/a.jpg", "Pics/Sub/c.jpg", "Pics/.hidden.jpg"})
        writeFile(cd / name, "x");
    auto r = runCli({"add", project, "folder", (cd / "Pics").string(), "--description", "Pictures", "--execute",
                     "no"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(tabbed(out[0]), (std::vector<std::string>{"a", "a.jpg", "\\Pics\\", "n/a", "< 1 MB", "n/a", "Pictures",
                                                        "Programs", "yes", (cd / "Pics" / "a.jpg").string(), "n/a",
                                                        "no"}));
    EXPECT_EQ(tabbed(out[1])[0], "b");

    r = runCli({"add", project, "folder", (cd / "Pics").string(), "--subfolders", "--name", "Pic", "--category",
                "Multimedia", "--homepage", "pics.example"});
    ASSERT_EQ(r.status, 0) << r.err;
    out = lines(r.out);
    ASSERT_EQ(out.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto fields = tabbed(out[i]);
        EXPECT_EQ(fields[0], "Pic " + std::to_string(i + 1));
        EXPECT_EQ(fields[7], "Multimedia");
        EXPECT_EQ(fields[10], "http://pics.example");
    }
    EXPECT_EQ(tabbed(out[2])[2], "\\Pics\\Sub\\");
    const auto shown = shownItems();
    EXPECT_EQ(shown.back(), out[2]);
}

TEST_F(CliAdd, HelpNamesBothKinds)
{
    const auto r = runCli({"add", "--help"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("add PROJECT file PATH"), std::string::npos);
    EXPECT_NE(r.out.find("add PROJECT folder PATH [--subfolders]"), std::string::npos);
}
