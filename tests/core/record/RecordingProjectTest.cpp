#include "record/RecordingProject.h"

#include "i18n/Language.h"
#include "record/RecordingDialog.h"
#include "util/Fs.h"
#include "util/Text.h"

#include "FakeUi.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace qv;
using qv::test::FakeUi;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

namespace fs = std::filesystem;

// A template of 41 lines "T0" to "T40", so every replaced line shows.
std::vector<std::string> fixtureTemplate()
{
    std::vector<std::string> lines;
    for (int i = 0; i <= 40; ++i)
        lines.push_back("T" + std::to_string(i));
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

std::string upperPath(const fs::path& p)
{
    return asciiUpper(pathText(p));
}

// A base directory with the fixture template and a built project folder below it.
struct RecordFixture {
    TempDir dir;
    fs::path base = dir / "base";
    fs::path root = dir / "cd";
    Language language;

    RecordFixture()
    {
        writeFile(base / "Files" / "cq3_6.bot", joinCrLf(fixtureTemplate()));
        language.setMessage("M9", "No built menu in the root folder.");
        writeFile(root / "rnv.exe", "x");
        writeFile(root / "autorun.inf", "x");
        writeFile(root / ".hidden", "x");
        writeFile(root / "CFG" / "genre.cfg", "x");
        writeFile(root / "CFG" / "membersd" / "m0-0.dat", "x");
        writeFile(root / "Tools" / "a.exe", "x");
        writeFile(root / "Tools2" / "b.exe", "x");
        writeFile(root / ".git" / "config", "x");
        writeFile(root / "Docs" / ".secret", "x");
        fs::create_directories(root / "Empty");
    }

    std::string rootName() const { return folderText(root); }
};

using test::assetsDir;

}  // namespace

TEST(RecordingProject, GroupNumbersAreUpperCaseHexadecimal)
{
    const std::pair<std::size_t, const char*> cases[] = {
        {1, "1"}, {9, "9"}, {10, "A"}, {15, "F"}, {16, "10"}, {255, "FF"}, {256, "100"}, {4095, "FFF"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(RecordingProject::groupNumber(n), text) << n;
}

TEST(RecordingProject, SmallTreeGivesTheExactFile)
{
    RecordFixture fx;
    FakeUi ui;
    ASSERT_TRUE(RecordingProject(fx.base).run(ui, fx.language, fx.rootName(), "My Demo CD", false));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.shellOpened.empty());
    EXPECT_EQ(ui.waitShown, 1);
    EXPECT_EQ(ui.waitClosed, 1);

    std::vector<std::string> expected = fixtureTemplate();
    expected[4] = "Track1=CD-XA ISO 9660 [] / Joliet [My Demo CD]";
    expected[29] = "VOLUME \"\"";
    expected[38] = "VOLUME \"My Demo CD\"";
    const std::string root = upperPath(fx.root);
    const std::vector<std::string> tail = {
        "1=" + root,
        "2=" + upperPath(fx.root / "CFG"),
        "3=" + upperPath(fx.root / "CFG" / "MEMBERSD"),
        // Compared as CD paths: "Tools2\" sorts before "Tools\".
        "4=" + upperPath(fx.root / "TOOLS2"),
        "5=" + upperPath(fx.root / "TOOLS"),
        "/PATHTABLE",
        "ROOT",
        "",
        "FILE \"autorun.inf\" \"*1\\autorun.inf\" /ISO \"AUTORUN.INF\"",
        "FILE \"rnv.exe\" \"*1\\rnv.exe\" /ISO \"RNV.EXE\"",
        "START \"CFG\" /ISO \"CFG\"",
        "FILE \"genre.cfg\" \"*2\\genre.cfg\" /ISO \"GENRE.CFG\"",
        "START \"CFG\\membersd\" /ISO \"CFG\\MEMBERSD\"",
        "FILE \"m0-0.dat\" \"*3\\m0-0.dat\" /ISO \"M0-0.DAT\"",
        "START \"Tools2\" /ISO \"TOOLS2\"",
        "FILE \"b.exe\" \"*4\\b.exe\" /ISO \"B.EXE\"",
        "START \"Tools\" /ISO \"TOOLS\"",
        "FILE \"a.exe\" \"*5\\a.exe\" /ISO \"A.EXE\"",
    };
    expected.insert(expected.end(), tail.begin(), tail.end());
    const fs::path out = fx.base / "Files" / "burn vlx.cpj";
    const std::string first = readFile(out);
    EXPECT_EQ(first, joinCrLf(expected));

    // Running it again writes the same file.
    ASSERT_TRUE(RecordingProject(fx.base).run(ui, fx.language, fx.rootName(), "My Demo CD", false));
    EXPECT_EQ(readFile(out), first);
}

TEST(RecordingProject, StoppedRunLeavesTheEarlierFileAndOpensNothing)
{
    for (const std::int64_t stopAt : {0, 1}) {
        SCOPED_TRACE(stopAt);
        RecordFixture fx;
        const RecordingProject recording(fx.base);
        writeFile(recording.outputPath(), "earlier");
        FakeUi ui;
        ui.stopAtProgress = stopAt;

        EXPECT_FALSE(recording.run(ui, fx.language, fx.rootName(), "My Demo CD", true));

        EXPECT_EQ(readFile(recording.outputPath()), "earlier");
        EXPECT_TRUE(ui.shellOpened.empty());
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.work, std::vector<std::string>{"record"});
        EXPECT_EQ(ui.waitClosed, 1);
    }
}

TEST(RecordingProject, FilesOnlyInTheRootGiveOneGroupAndNoStartLine)
{
    TempDir dir;
    writeFile(dir / "cd" / "rnv.exe", "x");
    writeFile(dir / "cd" / "Setup.exe", "x");
    writeFile(dir / "cd" / "a.txt", "x");
    const auto files = RecordingProject::listFiles(dir / "cd");
    const std::string text = RecordingProject::compose(fixtureTemplate(), "CD", files);
    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 41u + 1 + 3 + 3);
    EXPECT_EQ(lines[41], "1=" + upperPath(dir / "cd"));
    EXPECT_EQ(lines[42], "/PATHTABLE");
    EXPECT_EQ(lines[45], "FILE \"a.txt\" \"*1\\a.txt\" /ISO \"A.TXT\"");
    EXPECT_EQ(lines[46], "FILE \"rnv.exe\" \"*1\\rnv.exe\" /ISO \"RNV.EXE\"");
    EXPECT_EQ(lines[47], "FILE \"Setup.exe\" \"*1\\Setup.exe\" /ISO \"SETUP.EXE\"");
    EXPECT_EQ(text.find("START"), std::string::npos);
}

TEST(RecordingProject, TenthGroupIsAAndSixteenthIs10)
{
    TempDir dir;
    const fs::path root = dir / "cd";
    writeFile(root / "rnv.exe", "x");
    for (int i = 1; i <= 15; ++i) {
        const std::string name = (i < 10 ? "f0" : "f") + std::to_string(i);
        writeFile(root / name / "x.txt", "x");
    }
    const std::string text =
        RecordingProject::compose(fixtureTemplate(), "CD", RecordingProject::listFiles(root));
    const auto lines = splitLines(text);
    EXPECT_EQ(lines[41 + 9], "A=" + upperPath(root / "F09"));
    EXPECT_EQ(lines[41 + 15], "10=" + upperPath(root / "F15"));
    EXPECT_NE(text.find("START \"f09\" /ISO \"F09\"\r\nFILE \"x.txt\" \"*A\\x.txt\" /ISO \"X.TXT\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("START \"f15\" /ISO \"F15\"\r\nFILE \"x.txt\" \"*10\\x.txt\" /ISO \"X.TXT\"\r\n"), std::string::npos);
}

TEST(RecordingProject, FoldersDifferingOnlyInCaseStayApart)
{
    TempDir dir;
    const fs::path root = dir / "cd";
    writeFile(root / "Docs" / "a.txt", "x");
    writeFile(root / "docs" / "b.txt", "x");
    writeFile(root / "Docs" / "c.txt", "x");
    const auto files = RecordingProject::listFiles(root);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].folder, files[1].folder);
    EXPECT_NE(files[1].folder, files[2].folder);
}

TEST(RecordingProject, UnreadableProjectFolderIsAnError)
{
    TempDir dir;
    EXPECT_THROW(RecordingProject::listFiles(dir / "missing"), RecordError);
}

TEST(RecordingProject, MoreGroupsThanTheFormatNumbersAreRefused)
{
    auto manyGroups = [](std::size_t count) {
        std::vector<RecordingFile> files;
        for (std::size_t i = 0; i < count; ++i)
            files.push_back({fs::path("/cd") / std::to_string(i), std::to_string(i), "x"});
        return files;
    };
    EXPECT_NO_THROW(RecordingProject::compose(fixtureTemplate(), "CD", manyGroups(4095)));
    EXPECT_THROW(RecordingProject::compose(fixtureTemplate(), "CD", manyGroups(4096)), RecordError);
}

TEST(RecordingProject, FailuresShowAnErrorAndWriteNothing)
{
    struct Case {
        const char* what;
        std::function<void(RecordFixture&)> spoil;
        std::string key;
    };
    const Case cases[] = {
        {"no built menu", [](RecordFixture& fx) { fs::remove(fx.root / "rnv.exe"); }, "M9"},
        {"no project folder", [](RecordFixture& fx) { fs::remove_all(fx.root); }, "M9"},
        {"no template", [](RecordFixture& fx) { fs::remove(fx.base / "Files" / "cq3_6.bot"); }, ""},
        {"short template",
         [](RecordFixture& fx) {
             auto lines = fixtureTemplate();
             lines.resize(38);
             writeFile(fx.base / "Files" / "cq3_6.bot", joinCrLf(lines));
         },
         ""},
    };
    for (const auto& c : cases) {
        RecordFixture fx;
        c.spoil(fx);
        FakeUi ui;
        RecordingDialog form(ui, fx.language, fx.base);
        form.setProject(fx.rootName(), "CD");
        form.prepare();
        form.addClick();
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_EQ(ui.messages[0].message.key, c.key) << c.what;
        EXPECT_FALSE(ui.messages[0].message.text.empty()) << c.what;
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Error) << c.what;
        EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok) << c.what;
        EXPECT_EQ(ui.waitShown, ui.waitClosed) << c.what;
        EXPECT_TRUE(ui.shellOpened.empty()) << c.what;
        EXPECT_TRUE(form.isOpen()) << c.what;
        EXPECT_FALSE(fs::exists(fx.base / "Files" / "burn vlx.cpj")) << c.what;
    }
}

TEST(RecordingDialog, OkWritesOpensAndCloses)
{
    RecordFixture fx;
    FakeUi ui;
    RecordingDialog form(ui, fx.language, fx.base);
    int builds = 0;
    form.setBuildCommand([&] { ++builds; });
    form.setProject(fx.rootName(), "My CD");
    form.prepare();
    EXPECT_EQ(form.recorders(), std::vector<std::string>{"CeQuadrat WinOnCD 3.6 "});
    EXPECT_EQ(form.recorderIndex(), 0);

    form.buildClick();
    EXPECT_EQ(builds, 1);
    EXPECT_TRUE(form.isOpen());

    form.addClick();
    EXPECT_EQ(ui.clicks, 1);
    const fs::path out = fx.base / "Files" / "burn vlx.cpj";
    EXPECT_TRUE(fs::exists(out));
    EXPECT_EQ(ui.shellOpened, std::vector<std::string>{pathText(out)});
    EXPECT_FALSE(form.isOpen());

    form.helpClick();
    ASSERT_EQ(ui.helpShown.size(), 1u);
    EXPECT_EQ(ui.helpShown[0].second, 2600);
}

TEST(RecordingProject, ShippedTemplateAndAutorun)
{
    const auto bytes = readFileBytes(assetsDir() / "Files" / "cq3_6.bot");
    ASSERT_TRUE(bytes.has_value());
    const auto lines = splitLines(*bytes);
    ASSERT_GE(lines.size(), 39u);
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), std::count(bytes->begin(), bytes->end(), '\r'));
    EXPECT_TRUE(lines[4].starts_with("Track1="));
    EXPECT_TRUE(lines[29].starts_with("VOLUME "));
    EXPECT_TRUE(lines[38].starts_with("VOLUME "));

    EXPECT_EQ(readFileBytes(assetsDir() / "Files" / "autorun.inf"),
              std::optional<std::string>("[autorun]\r\nopen=rnv.exe\r\nicon=CFG\\rnv.ico\r\n"));
}
