#include "CliTestSupport.h"
#include "TempDir.h"
#include "items/PictureCodecs.h"

#include <gtest/gtest.h>

using namespace qv::test;
namespace fs = std::filesystem;

namespace {

class CliItemEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto r = runCli({"demo", dir.path().string()});
        ASSERT_EQ(r.status, 0) << r.err;
        project = (dir / "demo.qvp").string();
    }
    std::string lastShownRow() const
    {
        const std::string out = runCli({"show", project}).out;
        const auto end = out.find_last_not_of('\n');
        return out.substr(out.rfind('\n', end) + 1, end - out.rfind('\n', end));
    }
    TempDir dir;
    std::string project;
};

}  // namespace

TEST_F(CliItemEntry, AddsALinkAndAJumpPointAsTheirDialogsDoAndSaves)
{
    auto r = runCli({"add", project, "link", "https://example.org/a", "--name", "Our Site: Home", "--password", "pw",
                     "--category=Games"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string link = "Our Site: Home\thttps://example.org/a\t\tpw\tn/a\tn/a\tn/a\tGames\tno\tn/a\tn/a\tyes\n";
    EXPECT_EQ(r.out, link);
    EXPECT_EQ(lastShownRow(), link.substr(0, link.size() - 1));

    // The project root as the jump point's folder, a homepage without a scheme.
    r = runCli({"add", project, "jump", (dir / "cd").string(), "--name", "Everything", "--homepage", "example.org",
                "--description", "The whole CD"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Everything\tJump Point\t\\\tn/a\tn/a\tn/a\tThe whole CD\tPrograms\tno\tn/a\thttp://example.org\tyes\n");

    const struct {
        const char* homepage;
        const char* stored;
    } homepages[] = {{"ftp://files.example.org", "ftp://files.example.org"}, {"n/a", "n/a"}};
    for (const auto& h : homepages) {
        r = runCli({"add", project, "jump", (dir / "cd/Docs").string(), "--name", "Docs", "--homepage", h.homepage});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\t\\Docs\\\t"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(std::string("\t") + h.stored + "\tyes\n"), std::string::npos) << r.out;
    }
    r = runCli({"build", project, (dir / "out").string()});
    EXPECT_NE(r.out.find("items\t11"), std::string::npos) << r.out;
}

TEST_F(CliItemEntry, WrongInputIsAnErrorAndLeavesTheProjectUntouched)
{
    const std::string before = readFile(project);
    const struct {
        const char* what;
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {"no name", {"add", project, "link", "www.a.org"}, 1, "name"},
        {"jump named n/a", {"add", project, "jump", (dir / "cd").string(), "--name", "n/a"}, 1, "name"},
        {"unknown category", {"add", project, "link", "a", "--name", "A", "--category", "Nope"}, 1, "Nope"},
        {"missing folder", {"add", project, "jump", (dir / "cd/none").string(), "--name", "A"}, 1, "does not exist"},
        {"unknown kind", {"add", project, "wave", "x", "--name", "A"}, 2, "Unknown kind"},
        {"option of the other kind", {"add", project, "link", "a", "--name", "A", "--serial", "1"}, 2, "--serial"},
        {"value missing", {"add", project, "link", "a", "--name"}, 2, "needs a value"},
        {"bad row", {"info", project, "0", "--delete"}, 1, "no item row"},
        {"row past the end", {"screenshot", project, "8", "--delete"}, 1, "no item row"},
        {"both sources", {"info", project, "1", "--delete", "--text", "x"}, 2, "either"},
        {"missing text", {"info", project, "1", "--text", (dir / "none.txt").string()}, 1, "can't be read"},
        {"missing picture", {"screenshot", project, "1", "--picture", (dir / "none.bmp").string()}, 1, "can't be read"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.what;
    }
    EXPECT_EQ(readFile(project), before);
    EXPECT_FALSE(fs::exists(dir / "cd/kryntdat"));
}

TEST_F(CliItemEntry, InfoAndScreenshotAreWrittenReplacedAndDeletedAtTheirTargets)
{
    const std::string before = readFile(project);
    writeFile(dir / "about.txt", "About\nthe link\n");
    // Row 6 is the hyperlink "Quenvar Home Page": its files go to kryntdat/.
    auto r = runCli({"info", project, "6", "--text", (dir / "about.txt").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const fs::path info = dir / "cd/kryntdat/Quenvar Home Page.txt";
    EXPECT_EQ(r.out, "created\t" + (dir / "cd/kryntdat").string() + "\nwrote\t" + info.string() + "\n");
    EXPECT_EQ(readFile(info), "About\r\nthe link\r\n");

    // A damaged picture is refused and the screenshot made before stays.
    const fs::path shot = dir / "cd/Pictures/sunset.jpg";
    ASSERT_TRUE(fs::exists(shot)) << "the demo makes it";
    const std::string demoShot = readFile(shot);
    writeFile(dir / "bad.bmp", "BM\x10\x00\x00\x00 damaged");
    r = runCli({"screenshot", project, "3", "--picture", (dir / "bad.bmp").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(shot), demoShot);

    r = runCli({"screenshot", project, "3", "--picture", shot.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto picture = qv::PictureCodecs::readPictureFile(shot);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 160);
    EXPECT_EQ(picture->height, 100);

    r = runCli({"info", project, "6", "--delete"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "deleted\t" + info.string() + "\n");
    r = runCli({"info", project, "6", "--delete"});
    EXPECT_EQ(r.status, 1) << "nothing left to delete";
    EXPECT_EQ(readFile(project), before);
}

TEST_F(CliItemEntry, TheDemoCdsMenuHasAnInfoTextAndAScreenshot)
{
    EXPECT_NE(readFile(dir / "cd/Tools/setup.txt").find("installs nothing"), std::string::npos);
    const auto shot = qv::PictureCodecs::readPictureFile(dir / "cd/Pictures/sunset.jpg");
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, 160);
}
