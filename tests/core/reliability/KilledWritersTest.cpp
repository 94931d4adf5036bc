// Every writer of a file the program reads again is run in a child process
// that is killed with SIGKILL at a random moment, many times over: the file
// must then be the whole old one or the whole new one, and no file a crash
// leaves behind may lie where the program would take it for its own.
#include "categories/CategoryFile.h"
#include "categories/IconFile.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "i18n/Settings.h"
#include "project/ItemTable.h"
#include "project/ProjectFile.h"
#include "project/ProjectWorkspace.h"
#include "record/RecordingProject.h"
#include "util/FileReference.h"
#include "util/Fs.h"
#include "util/ProjectFiles.h"

#include "FakeUi.h"
#include "NoFonts.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr int kKills = 150;

using test::NoFonts;

// Runs write(0), write(1), ... in a child until it is killed, kills rounds
// times at random moments and asks check() after each kill; returns the
// complaints, empty when every kill left sound files.
std::vector<std::string> killWhileWriting(const std::function<void(int)>& write,
                                          const std::function<std::string()>& check)
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delay(0, 6000);  // microseconds
    std::vector<std::string> complaints;
    for (int round = 0; round < kKills; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = round;; ++i)
                write(i);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (auto complaint = check(); !complaint.empty())
            complaints.push_back("kill " + std::to_string(round) + ": " + complaint);
    }
    return complaints;
}

// A file of the folder that isn't hidden and isn't one of the expected ones.
std::string strayFile(const fs::path& folder, const std::set<std::string>& expected)
{
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(".") && !expected.contains(name))
            return "left behind: " + name;
    }
    return {};
}

std::string oneOf(const fs::path& file, const std::string& a, const std::string& b)
{
    const auto bytes = readFileBytes(file);
    if (!bytes)
        return "missing: " + file.filename().string();
    if (*bytes != a && *bytes != b)
        return "mixed or cut: " + file.filename().string() + " (" + std::to_string(bytes->size()) + " bytes)";
    return {};
}

TEST(KilledWriters, SettingsFileIsOldOrNew)
{
    TempDir dir;
    const fs::path file = dir.path() / "quenvar.dat";
    Settings a;
    Settings b;
    b.language = 2;
    b.showWelcome = false;
    saveSettings(file, a);
    const std::string bytesA = readFile(file);
    saveSettings(file, b);
    const std::string bytesB = readFile(file);
    ASSERT_NE(bytesA, bytesB);
    const auto complaints = killWhileWriting([&](int i) { saveSettings(file, i % 2 ? a : b); },
                                             [&] {
                                                 const auto wrong = oneOf(file, bytesA, bytesB);
                                                 return wrong.empty() ? strayFile(dir.path(), {"quenvar.dat"}) : wrong;
                                             });
    EXPECT_TRUE(complaints.empty()) << complaints.front();
}

TEST(KilledWriters, DesignFileIsOldOrNew)
{
    TempDir dir;
    const fs::path file = dir.path() / "look.qvd";
    FolderFontCatalogue catalogue(dir.path() / "fonts");
    NoFonts registrar;
    ProjectFiles files;
    DesignFonts fonts(catalogue, registrar);
    MenuDesign design(files, fonts);
    const auto writeVersion = [&](bool second) {
        design.settings().buttonStart = second ? 0x123456 : 0x654321;
        design.write(file);
    };
    writeVersion(false);
    const std::string bytesA = readFile(file);
    writeVersion(true);
    const std::string bytesB = readFile(file);
    ASSERT_NE(bytesA, bytesB);
    const auto complaints = killWhileWriting([&](int i) { writeVersion(i % 2); },
                                             [&] {
                                                 const auto wrong = oneOf(file, bytesA, bytesB);
                                                 return wrong.empty() ? strayFile(dir.path(), {"look.qvd"}) : wrong;
                                             });
    EXPECT_TRUE(complaints.empty()) << complaints.front();
}

// Up then Save exchanges the icons of a category file: a kill on the way may
// leave the icons half exchanged, but the file and every icon it names stay
// readable.
TEST(KilledWriters, CategoryFileAndItsIconsStayReadable)
{
    TempDir dir;
    const fs::path folder = dir.path() / "genre" / "Two";
    const fs::path file = folder / "Two.qvc";
    const fs::path icons = test::assetsDir() / "Files";
    const std::vector<CategoryFile::Source> first{{"Games", icons / "0.ico"}, {"Tools", icons / "1.ico"}};
    const std::vector<CategoryFile::Source> second{{"Tools", icons / "1.ico"}, {"Games", icons / "0.ico"}};
    fs::create_directories(folder);
    CategoryFile::write(file, first);
    const std::string bytesA = readFile(file);
    CategoryFile::write(file, second);
    const std::string bytesB = readFile(file);
    ASSERT_NE(bytesA, bytesB);
    // Each pass reads its sources from a copy of its own, as the editor's
    // list names the icons of the folder it rewrites.
    const auto complaints = killWhileWriting(
        [&](int i) { CategoryFile::write(file, i % 2 ? first : second); },
        [&]() -> std::string {
            if (auto wrong = oneOf(file, bytesA, bytesB); !wrong.empty())
                return wrong;
            for (const auto& icon : CategoryFile::iconPaths(file)) {
                const auto bytes = readFileBytes(icon);
                if (!bytes || !IconFile::parse(*bytes))
                    return "unreadable icon " + icon.filename().string();
            }
            return strayFile(folder, {"Two.qvc", "0.ico", "1.ico"});
        });
    EXPECT_TRUE(complaints.empty()) << complaints.front();
}

TEST(KilledWriters, RecordingProjectIsOldOrNew)
{
    TempDir dir;
    const fs::path base = dir.path() / "base";
    fs::create_directories(base / "Files");
    fs::copy_file(test::assetsDir() / "Files" / "cq3_6.bot", base / "Files" / "cq3_6.bot");
    const fs::path cd = dir.path() / "cd";
    for (int i = 0; i < 300; ++i)
        writeFile(cd / ("Folder" + std::to_string(i % 30)) / ("file" + std::to_string(i) + ".txt"), "x");
    const RecordingProject recording(base);
    const fs::path out = recording.outputPath();
    recording.write(cd, "First CD");
    const std::string bytesA = readFile(out);
    recording.write(cd, "Second CD");
    const std::string bytesB = readFile(out);
    ASSERT_NE(bytesA, bytesB);
    const auto complaints =
        killWhileWriting([&](int i) { recording.write(cd, i % 2 ? "First CD" : "Second CD"); },
                         [&] {
                             const auto wrong = oneOf(out, bytesA, bytesB);
                             return wrong.empty() ? strayFile(out.parent_path(), {"cq3_6.bot", "burn vlx.cpj"}) : wrong;
                         });
    EXPECT_TRUE(complaints.empty()) << complaints.front();
}

// Save writes the working copy and then puts its bytes in the project
// file's place: both are always whole.
TEST(KilledWriters, ProjectSaveLeavesTheOldOrTheNewProject)
{
    TempDir dir;
    const fs::path base = dir.path() / "base";
    fs::copy(test::assetsDir(), base, fs::copy_options::recursive);
    const fs::path folder = dir.path() / "cd";
    fs::create_directories(folder);
    const fs::path project = folder / "big.qvp";
    ProjectHeader header;
    header.cdName = "Big CD";
    header.projectFolder = folder.string() + "/";
    FileReference cat;
    cat.assign(base / "Files" / "Standard.qvc");
    FileReference look;
    look.assign(base / "Files" / "Standard.qvd");
    header.setCategoryFile(cat);
    header.setDesignFile(look);
    const auto categories = CategoryFile::readCaptions(base / "Files" / "Standard.qvc");
    std::vector<ItemFieldTexts> items(2000);
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = {"Item " + std::to_string(i), "f.txt", "\\", "n/a", "< 1 MB", "n/a", "about it", categories[0],
                    "yes", folder.string() + "/", "n/a", "no"};
    writeProjectFile(project, header, items, categories, YesNoWords{});

    test::FakeUi ui;
    ui.strict = false;
    const Language language = Language::load(base, 1);
    FolderFontCatalogue catalogue(dir.path() / "fonts");
    NoFonts registrar;
    ProjectWorkspace ws(base, ui, language, catalogue, registrar);
    ASSERT_TRUE(ws.session.loadProject(project, LoadMode::NoQuestions).loaded);
    const auto saveVersion = [&](bool second) {
        ws.table.write(FieldName, 1, second ? "Second" : "First");
        ws.session.setModified(true);
        ws.session.save();
    };
    saveVersion(false);
    const std::string bytesA = readFile(project);
    saveVersion(true);
    const std::string bytesB = readFile(project);
    ASSERT_NE(bytesA, bytesB);
    const fs::path workingCopy = ws.session.workingCopy();
    const auto complaints = killWhileWriting([&](int i) { saveVersion(i % 2); },
                                             [&]() -> std::string {
                                                 if (auto wrong = oneOf(project, bytesA, bytesB); !wrong.empty())
                                                     return wrong;
                                                 if (auto wrong = oneOf(workingCopy, bytesA, bytesB); !wrong.empty())
                                                     return wrong;
                                                 return strayFile(folder, {"big.qvp", "big.tmp"});
                                             });
    EXPECT_TRUE(complaints.empty()) << complaints.front();
}

}  // namespace
}  // namespace qv
