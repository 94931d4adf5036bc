#include "CliTestSupport.h"
#include "TempDir.h"
#include "project/ProjectRecord.h"
#include "util/LegacyCodePage.h"
#include "util/ProjectLock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>
#include <thread>

#include <unistd.h>

using namespace qv::test;
namespace fs = std::filesystem;

namespace {

// Puts bytes as they are (an old program's code page) into field f of record r.
void patchField(const fs::path& project, std::size_t r, int f, const std::string& bytes)
{
    std::string file = readFile(project);
    const std::size_t at = r * qv::ProjectRecord::kSize + qv::ProjectRecord::offset(f);
    file[at] = static_cast<char>(bytes.size());
    file.replace(at + 1, bytes.size(), bytes);
    writeFile(project, file);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

// The demo as every test starts from it: DIR/demo.qvp and its built CD DIR/cd.
class CliProjectCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto r = runCli({"demo", dir.path().string()});
        ASSERT_EQ(r.status, 0) << r.err;
        project = (dir / "demo.qvp").string();
    }
    TempDir dir;
    std::string project;
};

TEST_F(CliProjectCommands, DemoIsACompleteCdFolder)
{
    const fs::path cd = dir / "cd";
    if (fs::exists(testBase() / "Files/rnv.exe")) {
        EXPECT_TRUE(fs::exists(cd / "rnv.exe"));
    }
    for (const char* f : {"autorun.inf", "CFG/genre.cfg", "CFG/design.cfg", "CFG/members.cfg",
                          "CFG/language.vlx", "CFG/m14.ico", "CFG/rnv.ico", "CFG/membersd/m3-0.dat",
                          "Docs/readme.txt", "Tools/setup.exe"})
        EXPECT_TRUE(fs::exists(cd / f)) << f;
}

TEST_F(CliProjectCommands, ShowPrintsHeaderAndOneLinePerItem)
{
    const auto r = runCli({"show", project});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 4u + 7u);
    EXPECT_EQ(l[0], "cdname\tQuenvar Demo");
    EXPECT_EQ(l[1], "rootname\t" + (dir / "cd").string() + "/");
    EXPECT_EQ(l[2].rfind("categories\t", 0), 0u);
    EXPECT_NE(l[2].find("Standard.qvc"), std::string::npos);
    EXPECT_NE(l[3].find("Standard.qvd"), std::string::npos);
    EXPECT_EQ(l[4], "Read Me\treadme.txt\t\\Docs\\\tn/a\t< 1 MB\tn/a\tWhat is on this CD, in a few lines.\tDocuments\tyes\t" +
                        (dir / "cd/Docs/readme.txt").string() + "\tn/a\tyes");
}

TEST_F(CliProjectCommands, BuildWritesTheCdFolderAndChangesNothingInTheProject)
{
    const std::string before = readFile(project);
    const auto r = runCli({"build", project, (dir / "out").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("items\t7"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "out/autorun.inf"));
    EXPECT_TRUE(fs::exists(dir / "out/CFG/membersd/m5-0.dat"));
    EXPECT_EQ(readFile(project), before);
    EXPECT_FALSE(fs::exists(dir / "demo.tmp")) << "the working copy goes when the command ends";
    EXPECT_EQ(r.err.find("Unzdll"), std::string::npos);
}

TEST_F(CliProjectCommands, CheckRepointsMovedFilesRemovesLostOnesAndSavesOnRequest)
{
    fs::create_directories(dir / "cd/Other/Deep");
    fs::rename(dir / "cd/Pictures/sunset.bmp", dir / "cd/Other/Deep/sunset.bmp");
    fs::remove(dir / "cd/Music/welcome.wav");

    const auto r = runCli({"check", project, "--save"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 3u) << r.out;
    EXPECT_EQ(l[0], "removed\t1\tWelcome Tune\twelcome.wav\t\\Music\\\t" + (dir / "cd/Music/welcome.wav").string());
    EXPECT_EQ(l[1].rfind("replaced\t1\tSunset\tsunset.bmp\t\\Other\\Deep\\\t\\Pictures\\\t", 0), 0u) << l[1];
    EXPECT_EQ(l[2], "saved\t" + project);

    const auto shown = runCli({"show", project});
    EXPECT_EQ(shown.out.find("Welcome Tune"), std::string::npos);
    EXPECT_NE(shown.out.find("\\Other\\Deep\\"), std::string::npos);

    const auto again = runCli({"check", project});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
}

// A project that a program window has open is read but never saved from
// here: one of the two would overwrite the other's changes unseen. Reading
// leaves the window's mark alone.
TEST_F(CliProjectCommands, AProjectOpenInAWindowIsNotSavedOver)
{
    fs::remove(dir / "cd/Music/welcome.wav");
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const fs::path lockFile = qv::ProjectLock::lockFileOf(project);
    const std::string lock = std::string("pid=1\r\nhost=") + host + "\r\n";
    writeFile(lockFile, lock);
    const std::string before = readFile(project);

    const auto r = runCli({"check", project, "--save"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("open in another Quenvar"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(project), before);
    EXPECT_EQ(runCli({"show", project}).status, 0);
    EXPECT_EQ(readFile(lockFile), lock);

    fs::remove(lockFile);
    EXPECT_EQ(runCli({"check", project, "--save"}).status, 0);
    EXPECT_FALSE(fs::exists(lockFile)) << "the command line leaves no mark of its own";
}

TEST_F(CliProjectCommands, LegacyTextIsReadInTheChosenLanguagesCodePage)
{
    patchField(project, 1, 1, "\xC8\xE3\xF0\xE0");  // Игра in Windows-1251
    struct Case {
        const char* language;
        std::string name;
    };
    const Case cases[] = {{"3", "Игра"}, {"1", "Èãðà"}, {"2", "Èãðà"}};
    for (const auto& c : cases) {
        const auto r = runCli({"--language", c.language, "show", project});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto l = lines(r.out);
        ASSERT_GT(l.size(), 4u);
        EXPECT_EQ(l[4].substr(0, l[4].find('\t')), c.name) << "language " << c.language;
        EXPECT_EQ(qv::LegacyCodePage::current(), qv::CodePage::Windows1252) << "a run leaves the process as it found it";
    }
}

TEST_F(CliProjectCommands, SavingWarnsOfEveryValueTheFileCuts)
{
    // 60 Cyrillic letters from an old Russian file take 120 bytes as UTF-8.
    std::string oldName;
    for (int i = 0; i < 60; ++i)
        oldName += static_cast<char>(0xC0 + i % 32);
    patchField(project, 1, 1, oldName);
    fs::remove(dir / "cd/Music/welcome.wav");  // so that the check changes the project

    const auto r = runCli({"--language", "3", "check", project, "--save"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("saved\t"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("warning: row 1, Name: cut to its first 50 of 60 characters"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("row 2"), std::string::npos) << r.err;

    const std::string saved = readFile(project);
    const std::size_t at = qv::ProjectRecord::kSize + qv::ProjectRecord::offset(1);
    ASSERT_EQ(static_cast<unsigned char>(saved[at]), 100u);
    EXPECT_EQ(saved.substr(at + 1, 100), qv::utf8Left(qv::cp1251ToUtf8(oldName), 50));
}

TEST_F(CliProjectCommands, ADemoInADeepFolderWarnsOfThePathsItsFileCuts)
{
    const fs::path deep = dir / std::string(100, 'd');
    const auto r = runCli({"demo", deep.string()});
    EXPECT_NE(r.err.find("warning: header, project folder: cut to its first 100 of"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("warning: row 1, File Source Location: cut"), std::string::npos) << r.err;

    const auto plain = runCli({"demo", (dir / "plain").string()});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.err.find("warning"), std::string::npos) << plain.err;
}

TEST_F(CliProjectCommands, ExportWritesTheTextFormatsAndReportsOffice)
{
    struct Case {
        const char* format;
        const char* file;
        int status;
        const char* expect;  // in the file, or on stderr for a failure
    };
    const std::vector<Case> cases{
        {"asc", "list.asc", 0, "Demo Setup"},
        {"cvs", "list.cvs", 0, "Demo Setup"},
        {"html", "list.html", 0, "<table"},
        {"doc", "list.doc", 1, "Word OLE server not found"},
        {"xls", "list.xls", 1, "Excel OLE server not found"},
        {"pdf", "list.pdf", 2, "Unknown format"},
    };
    for (const auto& c : cases) {
        const auto r = runCli({"export", project, c.format, (dir / c.file).string()});
        EXPECT_EQ(r.status, c.status) << c.format << r.err;
        const std::string where = c.status == 0 ? readFile(dir / c.file) : r.err;
        EXPECT_NE(where.find(c.expect), std::string::npos) << c.format << r.err;
    }
}

TEST_F(CliProjectCommands, ProgressLinesOnlyWithTheProgressOption)
{
    const auto quiet = runCli({"export", project, "asc", (dir / "quiet.asc").string()});
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");

    const auto loud = runCli({"--progress", "export", project, "asc", (dir / "loud.asc").string()});
    EXPECT_EQ(loud.status, 0) << loud.err;
    EXPECT_EQ(loud.err, "export: 0%\nexport: 33%\nexport: 66%\nexport: 100%\n");
    EXPECT_EQ(readFile(dir / "loud.asc"), readFile(dir / "quiet.asc"));

    const auto check = runCli({"--progress", "check", project});
    EXPECT_EQ(check.status, 0) << check.err;
    const std::string last = "check: 100%\n";
    ASSERT_GE(check.err.size(), last.size()) << check.err;
    EXPECT_EQ(check.err.substr(check.err.size() - last.size()), last);
    EXPECT_EQ(check.err.rfind("check: ", 0), 0u) << check.err;

    const auto build = runCli({"--progress", "build", project, (dir / "out").string()});
    EXPECT_EQ(build.status, 0) << build.err;
    // A line per percent reached: rising, ending at 100.
    std::istringstream lines(build.err);
    std::string line;
    int previous = -1;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.rfind("build: ", 0), 0u) << line;
        const int percent = std::stoi(line.substr(7));
        EXPECT_GT(percent, previous) << line;
        previous = percent;
    }
    EXPECT_EQ(previous, 100);
}

TEST_F(CliProjectCommands, MissingFilesAreErrorsNeverQuestions)
{
    const auto none = runCli({"show", (dir / "none.qvp").string()});
    EXPECT_EQ(none.status, 1);

    // A project whose category file is gone from every place it is looked for.
    TempDir base;
    fs::copy(testBase(), base.path(), fs::copy_options::recursive);
    const auto demo = runCli({"demo", (dir / "second").string()}, base.path());
    ASSERT_EQ(demo.status, 0) << demo.err;
    fs::remove(base / "Files/Standard.qvc");
    const auto r = runCli({"show", (dir / "second/demo.qvp").string()}, base.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
}

// The names directly in a folder.
std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

// A file of the working copy's name beside the project is the person's (or
// the working copy of a window that has the project open).
TEST_F(CliProjectCommands, CommandsLeaveTheFilesBesideTheProjectAlone)
{
    TempDir base;
    fs::copy(testBase(), base.path(), fs::copy_options::recursive);
    writeFile(dir / "demo.tmp", "the person's own notes");
    const std::set<std::string> before = namesIn(dir.path());
    const std::string projectBytes = readFile(project);
    std::vector<std::vector<std::string>> commands{
        {"show", project},
        {"build", project, (dir / "cd").string()},
        {"check", project},
        {"export", project, "asc", (base / "list.asc").string()},
    };
    // record needs the menu runtime, which a build without it doesn't ship.
    if (fs::exists(base / "Files/rnv.exe"))
        commands.push_back({"record", project});
    for (const auto& args : commands) {
        const auto r = runCli(args, base.path());
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_EQ(readFile(dir / "demo.tmp"), "the person's own notes") << args[0];
        EXPECT_EQ(namesIn(dir.path()), before) << args[0];
        EXPECT_EQ(readFile(project), projectBytes) << args[0];
    }

    // check --save saves, through a working copy of its own.
    fs::remove(dir / "cd/Music/welcome.wav");
    const auto saved = runCli({"check", project, "--save"}, base.path());
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.out.find("saved\t"), std::string::npos);
    EXPECT_NE(readFile(project), projectBytes);
    EXPECT_EQ(readFile(dir / "demo.tmp"), "the person's own notes");
    EXPECT_EQ(namesIn(dir.path()), before);
}

// An unmounted disc or network folder: nothing is judged, nothing removed, nothing saved.
TEST_F(CliProjectCommands, CheckOfAMissingProjectFolderRemovesNothing)
{
    fs::rename(dir / "cd", dir / "elsewhere");
    const std::string before = readFile(project);
    const auto r = runCli({"check", project, "--save"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find((dir / "cd").string() + "/"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("changed nothing"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(project), before);
}

// The demo's jump point carries the word of the language it was made in.
TEST_F(CliProjectCommands, JumpPointsOfAnotherLanguageStayAndBuildAsJumpPoints)
{
    const auto checked = runCli({"--language", "2", "check", project});
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, "");

    TempDir german;
    ASSERT_EQ(runCli({"--language", "2", "demo", german.path().string()}).status, 0);
    const std::string germanProject = (german / "demo.qvp").string();
    const auto shown = runCli({"show", germanProject});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("Browse the Tools\tSprungpunkt\t"), std::string::npos) << shown.out;
    const auto built = runCli({"build", germanProject, (german / "out").string()});
    ASSERT_EQ(built.status, 0) << built.err;
    const std::string members = readFile(german / "out/CFG/members.cfg");
    EXPECT_NE(members.find("caption=Browse the Tools\r\nicon_number=12\r\n"), std::string::npos) << members;
}

TEST_F(CliProjectCommands, AMissingCategoryFileIsAPlainSentenceNotAQuestion)
{
    TempDir base;
    fs::copy(testBase(), base.path(), fs::copy_options::recursive);
    const auto demo = runCli({"demo", (dir / "second").string()}, base.path());
    ASSERT_EQ(demo.status, 0) << demo.err;
    fs::remove(base / "Files/Standard.qvc");
    const auto r = runCli({"show", (dir / "second/demo.qvp").string()}, base.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The category file " + (base / "Files/Standard.qvc").string() + " of this project was not found.\n");
}

// build --run starts the runtime by its absolute path, also for a relative
// OUTDIR, and a runtime that can't be started is a failure.
TEST(CliBuildRun, StartsTheRuntimeOrFails)
{
    TempDir base;
    fs::copy(testBase(), base.path(), fs::copy_options::recursive);
    TempDir dir;
    ASSERT_EQ(runCli({"demo", dir.path().string()}, base.path()).status, 0);
    const std::string project = (dir / "demo.qvp").string();
    const fs::path runtime = base / "Files/rnv.exe";
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.path());

    fs::remove(runtime);
    writeFile(runtime, "#!/bin/sh\npwd > started.txt\n");
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::add);
    const auto r = runCli({"build", project, "out dir", "--run"}, base.path());
    EXPECT_EQ(r.status, 0) << r.err;
    const fs::path marker = dir / "out dir/started.txt";
    for (int i = 0; i < 100 && readFile(marker).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readFile(marker), (dir / "out dir").string() + "\n");

    fs::remove(runtime);
    writeFile(runtime, "not a program");
    const auto failed = runCli({"build", project, "second", "--run"}, base.path());
    fs::current_path(cwd);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("could not be started"), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find((dir / "second/rnv.exe").string()), std::string::npos) << failed.err;
}

}  // namespace

namespace {

TEST(CliRecord, WritesTheRecordingProjectOfABuiltFolderOrRefusesAnUnbuiltOne)
{
    TempDir base;
    fs::copy(testBase(), base.path(), fs::copy_options::recursive);
    TempDir dir;
    ASSERT_EQ(runCli({"demo", dir.path().string()}, base.path()).status, 0);
    const std::string project = (dir / "demo.qvp").string();
    const fs::path output = base / "Files/burn vlx.cpj";

    if (fs::exists(base / "Files/rnv.exe")) {
        const auto r = runCli({"record", project}, base.path());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, output.string() + "\n");
        const std::string text = readFile(output);
        EXPECT_NE(text.find("readme.txt"), std::string::npos);
        EXPECT_NE(text.find("Quenvar Demo"), std::string::npos);
    }

    fs::remove(dir / "cd/rnv.exe");
    fs::remove(output);
    const auto refused = runCli({"record", project}, base.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(refused.err.empty());
    EXPECT_FALSE(fs::exists(output));
}

}  // namespace
