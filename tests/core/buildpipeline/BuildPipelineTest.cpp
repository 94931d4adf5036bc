#include "build/BuildPipeline.h"

#include "util/ProjectFiles.h"
#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "project/ItemTable.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace qv;
using qv::test::FakeUi;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;

namespace fs = std::filesystem;

namespace {

// Remembers where the folder chooser was asked to start and under which title.
class BrowsingUi : public FakeUi {
public:
    std::vector<std::pair<std::string, fs::path>> browsed;

    std::optional<fs::path> browseFolder(const std::string& title, const fs::path& start) override
    {
        browsed.emplace_back(title, start);
        return FakeUi::browseFolder(title, start);
    }
};

// Every file below a folder, relative path to bytes.
std::map<std::string, std::string> tree(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    if (!fs::exists(folder))
        return files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            files[e.path().lexically_relative(folder).generic_string()] = readFile(e.path());
    return files;
}

std::set<std::string> names(const std::map<std::string, std::string>& files)
{
    std::set<std::string> out;
    for (const auto& [name, bytes] : files)
        out.insert(name);
    return out;
}

// A base directory with Files/, a category file with three categories and
// their icons, a design with every companion and two fonts, and a project folder.
struct Fixture {
    TempDir dir;
    fs::path base = dir / "base";
    fs::path files = base / "Files";
    fs::path categoryFile = dir / "genre" / "cats.qvc";
    fs::path designFolder = dir / "design";
    fs::path designFile = designFolder / "look.qvd";
    fs::path project = dir / "project";

    Fixture()
    {
        for (const char* name : {"rnv.exe", "rnv.ico", "Unzdll.dll", "autorun.inf", "language0.dat", "language1.dat",
                                 "language2.dat"})
            writeFile(files / name, std::string("shipped ") + name);
        for (int n = 1; n <= 14; ++n)
            writeFile(files / ("m" + std::to_string(n) + ".ico"), "type icon " + std::to_string(n));

        writeFile(categoryFile,
                  "[general]\r\nanz_items=3\r\n[0]\r\ncaption=Programs\r\n[1]\r\ncaption=Games\r\n"
                  "[2]\r\ncaption=Docs\r\n");
        for (int k = 0; k <= 4; ++k)  // 3.ico and 4.ico lie there too; only 3.ico is asked for
            writeFile(dir / "genre" / (std::to_string(k) + ".ico"), "category icon " + std::to_string(k));

        writeFile(designFile, "[general]\r\ndesign_mode=x\r\n[Language]\r\nLanguage=2\r\n");
        for (const char* name : {"splash.bmp", "back.bmp", "button.bmp", "menu.ico", "s1.wav", "s2.wav", "s3.wav",
                                 "s4.wav", "s5.wav", "Face.ttf", "LOUD.TTF", "notes.txt", ".hidden.ttf"})
            writeFile(designFolder / name, std::string("design ") + name);
        writeFile(designFolder / "sub" / "inner.ttf", "not beside the design");

        fs::create_directories(project / "Tools");
    }

    BuildInput input() const
    {
        BuildInput in;
        in.baseDir = base;
        in.items.cdName = "Demo CD";
        in.items.rootName = project.string() + "/";
        in.items.categories = {"Programs", "Games", "Docs"};
        in.items.yesWord = "yes";
        in.items.items = {
            {"Setup", "setup.exe", "\\Tools\\", "", "1", "2", "", "Programs", "yes", "", "", "yes"},
            {"Guide", "guide.txt", "\\", "", "1", "1", "", "Docs", "no", "", "", "no"},
        };
        in.categoryFile = categoryFile;
        in.designFile = designFile;
        in.designLanguage = 2;
        in.splash = designFolder / "splash.bmp";
        in.background = designFolder / "back.bmp";
        in.button = designFolder / "button.bmp";
        in.menuIcon = designFolder / "menu.ico";
        for (std::size_t i = 0; i < in.sounds.size(); ++i)
            in.sounds[i] = designFolder / ("s" + std::to_string(i + 1) + ".wav");
        return in;
    }

    Language language() const
    {
        Language lang;
        lang.setMessage("M26", "Choose the project folder");
        lang.setMessage("M27", "Start the menu?");
        lang.setText("T59", "Output folder");
        return lang;
    }
};

const std::set<std::string> kCompleteCfg = {
    "0.ico", "1.ico", "2.ico", "3.ico", "Face.ttf", "LOUD.TTF", "Sound1.wav", "Sound2.wav", "Sound3.wav",
    "Sound4.wav", "Sound5.wav", "Unzdll.dll", "back.bmp", "button.bmp", "design.cfg", "genre.cfg",
    "language.vlx", "m1.ico", "m10.ico", "m11.ico", "m12.ico", "m13.ico", "m14.ico", "m2.ico", "m3.ico",
    "m4.ico", "m5.ico", "m6.ico", "m7.ico", "m8.ico", "m9.ico", "members.cfg", "membersd/m0-0.dat",
    "membersd/m2-0.dat", "rnv.ico", "splash.bmp"};

}  // namespace

TEST(BuildPipeline, OutputFoldersOfTheChosenFolder)
{
    struct Case {
        const char* chosen;
        const char* root;
        const char* cfg;
    };
    const Case cases[] = {
        {"/out", "/out/", "/out/CFG"},
        {"/out/", "/out/", "/out/CFG"},
        {"/", "/", "/CFG"},
        {"/a/b c", "/a/b c/", "/a/b c/CFG"},
    };
    for (const Case& c : cases) {
        const BuildFolders f = BuildPipeline::outputFolders(c.chosen);
        EXPECT_EQ(f.root.string(), c.root) << c.chosen;
        EXPECT_EQ(f.cfg.string(), c.cfg) << c.chosen;
        EXPECT_EQ(BuildPipeline::runtimeProgram(f), fs::path(c.root) / "rnv.exe") << c.chosen;
    }
}

TEST(BuildPipeline, FolderChooserStartsAtTheProjectFolderWithoutItsSeparator)
{
    struct Case {
        const char* rootName;
        const char* start;
    };
    const Case cases[] = {
        {"/home/a/cd/", "/home/a/cd"},
        {"/", "/"},
        {"", ""},
        // No separator to drop: the name keeps its last letter.
        {"/home/a/cd", "/home/a/cd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildPipeline::browserStart(c.rootName).string(), c.start) << c.rootName;
}

TEST(BuildPipeline, FolderAndRootBothGetTheCompleteLayout)
{
    // A chosen folder ending in the separator stands for a drive root: R is the
    // folder itself. Without it, R is the folder plus a separator. Same layout.
    for (const bool asRoot : {false, true}) {
        Fixture fx;
        const fs::path out = fx.dir / "out";
        fs::create_directories(out);
        const fs::path chosen = asRoot ? fs::path(out.string() + "/") : out;

        const BuildSummary summary = BuildPipeline::build(fx.input(), chosen);

        EXPECT_EQ(names(tree(out / "CFG")), kCompleteCfg) << asRoot;
        EXPECT_EQ(readFile(out / "rnv.exe"), "shipped rnv.exe");
        EXPECT_EQ(readFile(out / "autorun.inf"), "shipped autorun.inf");
        EXPECT_EQ(readFile(out / "CFG" / "genre.cfg"), readFile(fx.categoryFile));
        EXPECT_EQ(readFile(out / "CFG" / "design.cfg"), readFile(fx.designFile));
        EXPECT_EQ(readFile(out / "CFG" / "rnv.ico"), "design menu.ico");
        EXPECT_EQ(readFile(out / "CFG" / "Sound4.wav"), "design s4.wav");
        EXPECT_EQ(readFile(out / "CFG" / "m14.ico"), "type icon 14");
        EXPECT_EQ(summary.categories, 3u);
        EXPECT_EQ(summary.categoriesWithItems, 2u);
        EXPECT_EQ(summary.items, 2u);
        EXPECT_EQ(summary.filesWritten, kCompleteCfg.size() + 2);  // and rnv.exe, autorun.inf
        EXPECT_TRUE(summary.missingSources.empty());
        EXPECT_EQ(ProfileFile(out / "CFG" / "members.cfg").readString("general", "rootname", ""),
                  fx.project.string() + "/");
    }
}

TEST(BuildPipeline, PicturesAndSoundsTheDesignNoLongerNamesAreDeleted)
{
    Fixture fx;
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    BuildInput in = fx.input();
    BuildPipeline::build(in, out);
    writeFile(out / "CFG" / "own.txt", "someone else's");

    in.splash.clear();
    in.background.clear();
    in.sounds[1].clear();
    in.sounds[4].clear();
    fs::remove(fx.designFolder / "button.bmp");  // named, but gone since
    BuildPipeline::build(in, out);

    for (const char* gone : {"splash.bmp", "back.bmp", "button.bmp", "Sound2.wav", "Sound5.wav"})
        EXPECT_FALSE(fs::exists(out / "CFG" / gone)) << gone;
    for (const char* kept : {"Sound1.wav", "Sound3.wav", "Sound4.wav"})
        EXPECT_TRUE(fs::exists(out / "CFG" / kept)) << kept;
    EXPECT_EQ(readFile(out / "CFG" / "own.txt"), "someone else's");
}

TEST(BuildPipeline, MenuIconFallsBackToTheShippedOne)
{
    Fixture fx;
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    BuildInput in = fx.input();
    BuildPipeline::build(in, out);
    ASSERT_EQ(readFile(out / "CFG" / "rnv.ico"), "design menu.ico");

    in.menuIcon.clear();
    BuildPipeline::build(in, out);
    EXPECT_EQ(readFile(out / "CFG" / "rnv.ico"), "shipped rnv.ico");
}

TEST(BuildPipeline, CategoryIconsUpToOneMoreThanTheCount)
{
    Fixture fx;
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    fs::remove(fx.dir / "genre" / "1.ico");

    BuildPipeline::build(fx.input(), out);

    EXPECT_EQ(readFile(out / "CFG" / "0.ico"), "category icon 0");
    EXPECT_FALSE(fs::exists(out / "CFG" / "1.ico"));
    EXPECT_EQ(readFile(out / "CFG" / "3.ico"), "category icon 3");
    EXPECT_FALSE(fs::exists(out / "CFG" / "4.ico"));
}

TEST(BuildPipeline, RuntimeLanguageFileFollowsTheDesignFile)
{
    struct Case {
        const char* languageSection;
        const char* copied;
    };
    const Case cases[] = {
        {"[Language]\r\nLanguage=2\r\n", "shipped language2.dat"},
        {"[Language]\r\nLanguage=1\r\n", "shipped language1.dat"},
        {"", "shipped language0.dat"},  // key missing: 0
    };
    for (const Case& c : cases) {
        Fixture fx;
        writeFile(fx.designFile, std::string("[general]\r\ndesign_mode=x\r\n") + c.languageSection);
        ProjectFiles data;
        data.genre_file.assign(fx.categoryFile);
        data.menudesign_file.assign(fx.designFile);
        CategoryList categories;
        categories.read(fx.categoryFile);
        const BuildInput in = BuildInput::fromProject(fx.base, ItemTable(), categories, data, "CD", "");
        const fs::path out = fx.dir / "out";
        fs::create_directories(out);

        BuildPipeline::build(in, out);
        EXPECT_EQ(readFile(out / "CFG" / "language.vlx"), c.copied) << c.languageSection;
    }
}

TEST(BuildPipeline, OnlyFontFilesDirectlyBesideTheDesignGoAlong)
{
    Fixture fx;
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    BuildPipeline::build(fx.input(), out);

    EXPECT_EQ(readFile(out / "CFG" / "Face.ttf"), "design Face.ttf");
    EXPECT_EQ(readFile(out / "CFG" / "LOUD.TTF"), "design LOUD.TTF");
    for (const char* left : {"inner.ttf", "sub", "notes.txt", ".hidden.ttf"})
        EXPECT_FALSE(fs::exists(out / "CFG" / left)) << left;
}

TEST(BuildPipeline, MissingShippedFilesAreReportedNotFatal)
{
    Fixture fx;
    fs::remove(fx.files / "rnv.exe");
    fs::remove(fx.files / "language2.dat");
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    writeFile(out / "CFG" / "language.vlx", "from before");

    const BuildSummary summary = BuildPipeline::build(fx.input(), out);

    EXPECT_FALSE(fs::exists(out / "rnv.exe"));
    EXPECT_EQ(readFile(out / "CFG" / "language.vlx"), "from before");
    EXPECT_TRUE(fs::exists(out / "CFG" / "m14.ico"));
    EXPECT_EQ(summary.missingSources,
              (std::vector<fs::path>{fx.files / "rnv.exe", fx.files / "language2.dat"}));
}

TEST(BuildPipeline, CommandLineBuildCreatesTheOutputFolder)
{
    Fixture fx;
    const fs::path out = fx.dir / "new" / "cd";
    const BuildSummary summary = BuildPipeline::buildInto(fx.input(), out);
    EXPECT_EQ(names(tree(out / "CFG")), kCompleteCfg);
    EXPECT_EQ(summary.folders.cfg, out / "CFG");
}

TEST(BuildPipeline, GenerateAsksBuildsAndOffersTheRuntime)
{
    struct Case {
        MsgResult answer;
        bool started;
    };
    for (const Case c : {Case{MsgResult::Yes, true}, Case{MsgResult::No, false}}) {
        Fixture fx;
        const fs::path out = fx.dir / "out";
        fs::create_directories(out);
        const Language lang = fx.language();
        BrowsingUi ui;
        ui.folderAnswers.push_back(out);
        ui.messageAnswers = {MsgResult::Ok, c.answer};

        EXPECT_TRUE(BuildPipeline(ui, lang).buildClick(fx.input()));

        EXPECT_EQ(ui.clicks, 1);
        EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M26", "M27"}));
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
        EXPECT_EQ(ui.messages[1].kind, MsgKind::Confirmation);
        EXPECT_EQ(ui.messages[1].buttons, MsgButtons::YesNo);
        ASSERT_EQ(ui.browsed.size(), 1u);
        EXPECT_EQ(ui.browsed[0].first, "Output folder");
        EXPECT_EQ(ui.browsed[0].second, fx.project);
        EXPECT_EQ(ui.waitShown, 1);
        EXPECT_EQ(ui.waitClosed, 1);
        // The folder is complete whatever the answer.
        EXPECT_EQ(names(tree(out / "CFG")), kCompleteCfg);
        EXPECT_TRUE(fs::exists(out / "rnv.exe"));
        if (c.started)
            EXPECT_EQ(ui.programsStarted, (std::vector<fs::path>{out / "rnv.exe"}));
        else
            EXPECT_TRUE(ui.programsStarted.empty());
    }
}

TEST(BuildPipeline, WithoutProjectFolderNoM26AndCancelWritesNothing)
{
    Fixture fx;
    BuildInput in = fx.input();
    in.items.rootName.clear();
    const Language lang = fx.language();
    BrowsingUi ui;
    ui.folderAnswers.push_back(std::nullopt);  // the chooser is cancelled

    EXPECT_FALSE(BuildPipeline(ui, lang).buildClick(in));

    EXPECT_EQ(ui.clicks, 1);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.browsed.size(), 1u);
    EXPECT_EQ(ui.waitShown, 0);
    EXPECT_TRUE(ui.programsStarted.empty());
    EXPECT_FALSE(fs::exists(fx.dir / "CFG"));
    EXPECT_FALSE(fs::exists(fx.project / "CFG"));
}

TEST(BuildPipeline, UnwritableItemFilesEndTheCommandWithTheWriteError)
{
    Fixture fx;
    const fs::path out = fx.dir / "out";
    writeFile(out / "CFG", "a file where the folder should be");
    const Language lang = fx.language();
    BrowsingUi ui;
    ui.folderAnswers.push_back(out);

    EXPECT_FALSE(BuildPipeline(ui, lang).buildClick(fx.input()));

    ASSERT_EQ(ui.messages.size(), 2u);  // M26, then the error
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Error);
    EXPECT_EQ(ui.messages[1].message.key, "");
    EXPECT_NE(ui.messages[1].message.text.find("members.cfg"), std::string::npos) << ui.messages[1].message.text;
    EXPECT_EQ(ui.waitClosed, ui.waitShown);
    EXPECT_TRUE(ui.programsStarted.empty());
    // The command ended before its copies.
    EXPECT_FALSE(fs::exists(out / "rnv.exe"));
}

TEST(BuildPipeline, BuildChangesNothingInTheProject)
{
    Fixture fx;
    writeFile(fx.project / "Tools" / "setup.exe", "program");
    ProjectFiles data;
    data.genre_file.assign(fx.categoryFile);
    data.menudesign_file.assign(fx.designFile);
    data.Splash_File.assign(fx.designFolder / "splash.bmp");
    data.Icon_File.assign(fx.designFolder / "menu.ico");
    data.sound(1).assign(fx.designFolder / "s1.wav");
    CategoryList categories;
    categories.read(fx.categoryFile);
    ItemTable table;
    table.setRowCount(3);
    table.write(FieldName, 1, "Setup");
    table.write(FieldFileName, 1, "setup.exe");
    table.write(FieldCdPath, 1, "\\Tools\\");
    table.write(FieldCategory, 1, "Games");
    table.write(FieldCopy, 1, "yes");
    table.write(FieldName, 2, "Site");
    table.write(FieldFileName, 2, "http://example.org");
    table.write(FieldCategory, 2, "Docs");
    table.moveColumn(2, 7);  // fields through the column map, not by column

    const ItemTable tableBefore = table;
    const auto projectBefore = tree(fx.project);
    const auto designBefore = tree(fx.designFolder);
    const auto genreBefore = tree(fx.dir / "genre");
    const fs::path designRef = data.menudesign_file.fullPath();

    const BuildInput in = BuildInput::fromProject(fx.base, table, categories, data, "CD", fx.project.string() + "/");
    const fs::path out = fx.dir / "out";
    fs::create_directories(out);
    BuildPipeline::build(in, out);

    ASSERT_EQ(table.rowCount(), tableBefore.rowCount());
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < ItemTable::kColumns; ++column)
            EXPECT_EQ(table.cell(row, column), tableBefore.cell(row, column)) << row << "," << column;
    EXPECT_EQ(tree(fx.project), projectBefore);
    EXPECT_EQ(tree(fx.designFolder), designBefore);
    EXPECT_EQ(tree(fx.dir / "genre"), genreBefore);
    EXPECT_EQ(data.menudesign_file.fullPath(), designRef);

    // And the rows went in through the column map.
    const ProfileFile item(out / "CFG" / "membersd" / "m1-0.dat");
    EXPECT_EQ(item.readString("1-0", "pfad", ""), "\\Tools\\setup.exe");
    EXPECT_EQ(item.readInteger("1-0", "copy", -1), 1);
    EXPECT_EQ(ProfileFile(out / "CFG" / "membersd" / "m2-0.dat").readString("2-0", "pfad", ""),
              "http://example.org");
    EXPECT_EQ(readFile(out / "CFG" / "splash.bmp"), "design splash.bmp");
    EXPECT_FALSE(fs::exists(out / "CFG" / "back.bmp"));
}
