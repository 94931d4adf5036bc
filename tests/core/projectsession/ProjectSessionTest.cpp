#include "project/ProjectSession.h"

#include "app/MainWindowModel.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "i18n/Language.h"
#include "project/ProjectLoader.h"
#include "project/ProjectRecord.h"
#include "project/ProjectWorkspace.h"
#include "util/Fs.h"
#include "util/ProjectLock.h"

#include "FakeUi.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include <unistd.h>

namespace qv {
namespace {

using test::FakeUi;
using test::TempDir;
using test::readFile;
using test::writeFile;
namespace fs = std::filesystem;

using test::assetsDir;

class NoFonts final : public FontRegistrar {
public:
    bool addFont(const fs::path&) override { return false; }
    void removeFont(const fs::path&) override {}
};

void writeCategories(const fs::path& file, const std::vector<std::string>& captions)
{
    std::string text = "[general]\r\nanz_items=" + std::to_string(captions.size()) + "\r\n";
    for (std::size_t i = 0; i < captions.size(); ++i)
        text += "[" + std::to_string(i) + "]\r\ncaption=" + captions[i] + "\r\nicon_number=" + std::to_string(i) + "\r\n";
    writeFile(file, text);
}

void writeDesign(const fs::path& file)
{
    writeFile(file, "[general]\r\ndesign_mode=band\r\nbutton_mode=band\r\n");
}

ProjectHeader headerFor(const std::string& cdName, const fs::path& categories, const fs::path& design)
{
    ProjectHeader h;
    h.cdName = cdName;
    h.projectFolder = "/cd/root/";
    auto triple = [](const fs::path& p, std::string& full, std::string& bare, std::string& ext) {
        full = pathText(p);
        const std::string name = pathText(p.filename());
        bare = name.substr(0, name.find('.'));
        ext = name.substr(name.rfind('.'));
    };
    triple(categories, h.categoryPath, h.categoryBareName, h.categoryExtension);
    triple(design, h.designPath, h.designBareName, h.designExtension);
    return h;
}

ItemFieldTexts item(const std::string& name, const std::string& category, const std::string& copy = "yes",
                    const std::string& execute = "no")
{
    return {name, name + ".exe", "\\Tools\\", "", "1", "2", "about " + name, category, copy, "/src/" + name + ".exe",
            "", execute};
}

ProjectRecord recordOf(const std::string& bytes, std::size_t index)
{
    return ProjectRecord::decode(std::string_view(bytes).substr(index * ProjectRecord::kSize));
}

class ProjectSessionTest : public ::testing::Test {
protected:
    ProjectSessionTest()
        : base(dir / "base")
        , language(Language::load(assetsDir(), 1))
        , catalogue(dir / "fonts")
    {
        fs::create_directories(base / "genre");
        fs::create_directories(base / "menudesign");
        fs::create_directories(base / "projects");
        fs::create_directories(dir / "fonts");
        ws = std::make_unique<ProjectWorkspace>(base, ui, language, catalogue, registrar);
    }

    ProjectSession& session() { return ws->session; }
    ItemTable& table() { return ws->table; }

    // A project in dir/p with its own category and design files.
    fs::path makeProject(const std::string& name, const std::vector<std::string>& categories,
                         const std::vector<ItemFieldTexts>& items, const std::string& cdName = "My CD")
    {
        const fs::path folder = dir / ("p-" + name);
        const fs::path cat = folder / "cats.qvc";
        const fs::path design = folder / "look.qvd";
        writeCategories(cat, categories);
        writeDesign(design);
        const fs::path project = folder / (name + ".qvp");
        writeProjectFile(project, headerFor(cdName, cat, design), items, categories, YesNoWords{});
        return project;
    }

    TempDir dir;
    fs::path base;
    FakeUi ui;
    Language language;
    FolderFontCatalogue catalogue;
    NoFonts registrar;
    std::unique_ptr<ProjectWorkspace> ws;
};

TEST_F(ProjectSessionTest, EmptyProjectIsSavedAsTwoRecordsAndReadsBackWithNoWords)
{
    const fs::path cat = dir / "c" / "cats.qvc";
    const fs::path design = dir / "c" / "look.qvd";
    writeCategories(cat, {"Games"});
    writeDesign(design);
    ws->data.genre_file.assign(cat);
    ws->data.menudesign_file.assign(design);
    session().setCdName("Empty");

    const fs::path project = base / "projects" / "empty.qvp";
    ui.fileAnswers.push_back(project);
    ASSERT_TRUE(session().saveAs());
    const std::string bytes = readFile(project);
    ASSERT_EQ(bytes.size(), 2306u);
    EXPECT_EQ(recordOf(bytes, 0).field(9), "1");
    EXPECT_EQ(recordOf(bytes, 1).field(8), "0");
    EXPECT_TRUE(fs::exists(base / "projects" / "empty.tmp"));

    FakeUi otherUi;
    ProjectWorkspace other(base, otherUi, language, catalogue, registrar);
    ASSERT_TRUE(other.session.loadProject(project));
    ASSERT_EQ(other.table.rowCount(), 2);
    for (int f = 1; f <= ItemTable::kFields; ++f) {
        const bool yesNo = f == FieldCopy || f == FieldExecute;
        EXPECT_EQ(other.table.read(f, 1), yesNo ? "no" : "") << "field " << f;
    }
    EXPECT_EQ(other.session.cdName(), "Empty");
}

TEST_F(ProjectSessionTest, LoadFillsTableStateAndWorkingCopy)
{
    const fs::path project =
        makeProject("my.project", {"Games", "Tools"}, {item("a", "Tools"), item("b", "Games", "no", "yes")});
    const auto result = session().loadProject(project);
    ASSERT_TRUE(result) << result.error;
    EXPECT_TRUE(ui.messages.empty());

    ASSERT_EQ(table().rowCount(), 3);
    EXPECT_EQ(table().read(FieldName, 1), "a");
    EXPECT_EQ(table().read(FieldCategory, 1), "Tools");
    EXPECT_EQ(table().read(FieldCopy, 2), "no");
    EXPECT_EQ(table().read(FieldExecute, 2), "yes");
    EXPECT_EQ(session().cdName(), "My CD");
    EXPECT_EQ(session().projectFolder(), "/cd/root/");
    EXPECT_EQ(ws->categories.captions(), (std::vector<std::string>{"Games", "Tools"}));
    EXPECT_EQ(session().categoryFile(), project.parent_path() / "cats.qvc");
    EXPECT_EQ(session().designFile(), project.parent_path() / "look.qvd");
    EXPECT_FALSE(session().modified());
    EXPECT_EQ(session().proposedFileName(), pathText(project));

    EXPECT_EQ(session().workingCopy(), project.parent_path() / "my.tmp");
    EXPECT_EQ(readFile(session().workingCopy()), readFile(project));
    EXPECT_EQ(ui.waitShown, ui.waitClosed);
}

TEST(WorkingCopyPath, BareNameAndTmpBesideTheProjectFile)
{
    const struct {
        const char* project;
        const char* copy;
    } cases[] = {
        {"/p/my.project.qvp", "/p/my.tmp"},
        {"/p/plain.qvp", "/p/plain.tmp"},
        {"/p/noext", "/p/noext.tmp"},
        // The working copy must never be the project file itself.
        {"/p/a.tmp", "/p/a.tmp.tmp"},
        {"/p/A.TMP", "/p/A.TMP.tmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(workingCopyPath(c.project), fs::path(c.copy)) << c.project;
}

TEST_F(ProjectSessionTest, RenamedCategoryAtTheSamePlaceIsFoundThroughItsPosition)
{
    const fs::path project = makeProject("renamed", {"Games", "Tools"}, {item("a", "Games"), item("b", "Tools")});
    writeCategories(project.parent_path() / "cats.qvc", {"Spiele", "Tools"});
    ASSERT_TRUE(session().loadProject(project));
    EXPECT_EQ(table().read(FieldCategory, 1), "Spiele");
    EXPECT_EQ(table().read(FieldCategory, 2), "Tools");
}

TEST_F(ProjectSessionTest, MovedCompanionFilesAreFoundBelowTheBaseDirectory)
{
    const struct {
        const char* name;
        const char* categoryAt;  // below the base directory
        const char* designAt;
    } cases[] = {
        {"flat", "genre/cats.qvc", "menudesign/look.qvd"},
        {"own folder", "genre/cats/cats.qvc", "menudesign/look/look.qvd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir place;
        const fs::path gone = place / "gone";
        const fs::path project = place / "moved.qvp";
        writeProjectFile(project, headerFor("Moved", gone / "cats.qvc", gone / "look.qvd"), {item("a", "Games")},
                         {"Games"}, YesNoWords{});
        FakeUi localUi;
        TempDir localBase;
        writeCategories(localBase / c.categoryAt, {"Games"});
        writeDesign(localBase / c.designAt);
        ProjectWorkspace local(localBase.path(), localUi, language, catalogue, registrar);
        const auto result = local.session.loadProject(project);
        ASSERT_TRUE(result) << result.error;
        EXPECT_TRUE(localUi.messages.empty());
        EXPECT_EQ(local.session.categoryFile(), localBase / c.categoryAt);
        EXPECT_EQ(local.session.designFile(), localBase / c.designAt);
        EXPECT_EQ(local.table.read(FieldCategory, 1), "Games");
    }
}

TEST_F(ProjectSessionTest, CategoryPathLongerThanItsFieldIsFoundAgainByName)
{
    const fs::path deep = dir / std::string(60, 'd') / std::string(60, 'e') / "long.qvc";
    ASSERT_GT(pathText(deep).size(), 100u);
    writeCategories(deep, {"Games"});
    const fs::path design = dir / "look.qvd";
    writeDesign(design);
    const fs::path project = dir / "long.qvp";
    writeProjectFile(project, headerFor("Long", deep, design), {item("a", "Games")}, {"Games"}, YesNoWords{});

    // Only the cut path is stored: without a copy below genre/ the loader asks.
    ASSERT_EQ(readProjectHeader(project).categoryPath.size(), 100u);
    ui.messageAnswers = {MsgResult::Cancel};
    EXPECT_FALSE(session().loadProject(project));
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M29"});

    writeCategories(base / "genre" / "long.qvc", {"Games"});
    ui.messages.clear();
    ASSERT_TRUE(session().loadProject(project));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(session().categoryFile(), base / "genre" / "long.qvc");

    // A project that names the long path keeps it through the category
    // editor's read-back, though the working copy can only hold it cut.
    ws->data.genre_file.assign(deep);
    session().hooks().categoryEditor = [&] { session().setProjectModified(); };
    session().categoryEditorClick();
    EXPECT_EQ(session().categoryFile(), deep);
    EXPECT_EQ(table().read(FieldCategory, 1), "Games");
}

// What the open project consists of, to check that a stopped load left it alone.
struct Snapshot {
    fs::path project, copy, categories, design;
    std::string cdName;
    std::vector<ItemFieldTexts> items;
    std::vector<std::string> captions;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(ProjectWorkspace& w)
{
    return {w.session.projectFile(), w.session.workingCopy(), w.session.categoryFile(), w.session.designFile(),
            w.session.cdName(),      w.session.items(),       w.categories.captions()};
}

TEST_F(ProjectSessionTest, GivingUpOnAMissingFileKeepsTheOpenProject)
{
    const fs::path first = makeProject("first", {"Games"}, {item("kept", "Games")}, "First CD");
    ASSERT_TRUE(session().loadProject(first));
    const Snapshot before = snapshot(*ws);

    const struct {
        const char* name;
        bool categoryMissing;
        std::vector<MsgResult> answers;
        bool chooserShown;
        const char* key;
    } cases[] = {
        {"M29 Cancel", true, {MsgResult::Cancel}, false, "M29"},
        {"M29 OK, chooser cancelled", true, {MsgResult::Ok}, true, "M29"},
        {"M30 Cancel", false, {MsgResult::Cancel}, false, "M30"},
        {"M30 OK, chooser cancelled", false, {MsgResult::Ok}, true, "M30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path second = makeProject("second", {"Other"}, {item("new", "Other")}, "Second CD");
        fs::remove(second.parent_path() / (c.categoryMissing ? "cats.qvc" : "look.qvd"));
        ui.messages.clear();
        ui.fileDialogs.clear();
        ui.messageAnswers.assign(c.answers.begin(), c.answers.end());
        if (c.chooserShown)
            ui.fileAnswers.push_back(std::nullopt);

        const auto result = session().loadProject(second);
        EXPECT_FALSE(result.loaded);
        EXPECT_TRUE(result.cancelled);
        EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{c.key});
        EXPECT_EQ(ui.messages.front().kind, MsgKind::Error);
        EXPECT_EQ(ui.messages.front().buttons, MsgButtons::OkCancel);
        EXPECT_EQ(ui.fileDialogs.size(), c.chooserShown ? 1u : 0u);
        EXPECT_TRUE(snapshot(*ws) == before);
        EXPECT_TRUE(fs::exists(before.copy));
        EXPECT_FALSE(fs::exists(second.parent_path() / "second.tmp"));
        EXPECT_EQ(ui.waitShown, ui.waitClosed);
    }
}

TEST_F(ProjectSessionTest, AMissingCategoryFileCanBePicked)
{
    const fs::path project = makeProject("pick", {"Games"}, {item("a", "Games")});
    fs::remove(project.parent_path() / "cats.qvc");
    const fs::path picked = dir / "elsewhere" / "mine.qvc";
    writeCategories(picked, {"Games"});
    ui.messageAnswers = {MsgResult::Ok};
    ui.fileAnswers = {picked};

    ASSERT_TRUE(session().loadProject(project));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].initialDir, base / "genre");
    EXPECT_EQ(ui.fileDialogs[0].filters.at(0).second, "*.qvc");
    EXPECT_EQ(session().categoryFile(), picked);
    EXPECT_EQ(table().read(FieldCategory, 1), "Games");
}

// M29 and M30 offer OK and Cancel; without questions there are no buttons,
// so the error is a plain sentence naming the file.
TEST_F(ProjectSessionTest, WithoutQuestionsAMissingFileIsAnErrorNamingIt)
{
    for (const char* missing : {"cats.qvc", "look.qvd"}) {
        const std::string name = std::string("quiet-") + missing[0];
        const fs::path project = makeProject(name, {"Games"}, {item("a", "Games")});
        const fs::path file = project.parent_path() / missing;
        fs::remove(file);
        const auto result = session().loadProject(project, LoadMode::NoQuestions);
        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(result.cancelled);
        const std::string what = missing[0] == 'c' ? "category" : "design";
        EXPECT_EQ(result.error, "The " + what + " file " + pathText(file) + " of this project was not found.");
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(ui.fileDialogs.empty());
        EXPECT_TRUE(session().projectFile().empty());
    }
}

// The command line's sessions keep their working copy in a folder of their
// own: the file of that name beside the project is the person's.
TEST_F(ProjectSessionTest, AWorkingCopyFolderKeepsTheProjectFolderUntouched)
{
    const fs::path project = makeProject("own", {"Games"}, {item("a", "Games")});
    const fs::path beside = project.parent_path() / "own.tmp";
    writeFile(beside, "the person's notes");
    const fs::path privateFolder = dir / "private";
    fs::create_directories(privateFolder);
    session().setWorkingCopyFolder(privateFolder);

    ASSERT_TRUE(session().loadProject(project));
    EXPECT_EQ(session().workingCopy(), privateFolder / "own.tmp");
    table().write(FieldName, 1, "changed");
    session().setModified(true);
    ASSERT_TRUE(session().save());
    EXPECT_EQ(recordOf(readFile(project), 1).field(1), "changed");
    ws->data.Project_Temp.remove();
    EXPECT_FALSE(fs::exists(privateFolder / "own.tmp"));
    EXPECT_EQ(readFile(beside), "the person's notes");
}

TEST_F(ProjectSessionTest, AnUnreadableProjectFileIsReportedAndChangesNothing)
{
    const fs::path first = makeProject("first", {"Games"}, {item("kept", "Games")});
    ASSERT_TRUE(session().loadProject(first));
    const Snapshot before = snapshot(*ws);
    const fs::path broken = dir / "broken.qvp";
    writeFile(broken, std::string(100, 'x'));

    const auto result = session().loadProject(broken);
    EXPECT_FALSE(result.loaded);
    EXPECT_FALSE(result.error.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_TRUE(snapshot(*ws) == before);
    EXPECT_EQ(ui.waitShown, ui.waitClosed);
}

TEST_F(ProjectSessionTest, AProjectWithoutItemRecordsLeavesNoRowOfThePreviousOne)
{
    const fs::path first = makeProject("first", {"Games"}, {item("old", "Games")});
    ASSERT_TRUE(session().loadProject(first));
    const fs::path headerOnly = dir / "header.qvp";
    writeFile(headerOnly, readFile(first).substr(0, ProjectRecord::kSize));

    ASSERT_TRUE(session().loadProject(headerOnly));
    ASSERT_EQ(table().rowCount(), 2);
    EXPECT_EQ(table().read(FieldName, 1), "");
    EXPECT_EQ(table().read(FieldCategory, 1), "");
}

TEST(ProjectSessionGerman, YesWordOfTheLanguageIsStoredAsYes)
{
    TempDir dir;
    FakeUi ui;
    const Language german = Language::load(assetsDir(), 2);
    ASSERT_EQ(german.yesWord(), "ja");
    FolderFontCatalogue catalogue(dir / "fonts");
    NoFonts registrar;
    ProjectWorkspace ws(dir / "base", ui, german, catalogue, registrar);

    const fs::path cat = dir / "cats.qvc";
    const fs::path design = dir / "look.qvd";
    writeCategories(cat, {"Spiele"});
    writeDesign(design);
    const fs::path project = dir / "de.qvp";
    writeProjectFile(project, headerFor("CD", cat, design), {item("a", "Spiele", "yes", "no")}, {"Spiele"},
                     YesNoWords{});
    ASSERT_TRUE(ws.session.loadProject(project));
    EXPECT_EQ(ws.table.read(FieldCopy, 1), "ja");
    EXPECT_EQ(ws.table.read(FieldExecute, 1), "nein");

    ws.table.write(FieldExecute, 1, "Ja");
    ASSERT_TRUE(ws.session.save());
    const std::string bytes = readFile(project);
    EXPECT_EQ(recordOf(bytes, 1).field(9), "yes");
    EXPECT_EQ(recordOf(bytes, 1).field(12), "yes");
}

TEST_F(ProjectSessionTest, SaveOverAReadOnlyProjectFileShowsM57AndKeepsItsContent)
{
    const fs::path project = makeProject("locked", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const std::string old = readFile(project);
    table().write(FieldName, 1, "changed");
    session().setModified(true);
    setReadOnly(project, true);

    session().saveClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M57"});
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(readFile(project), old);
    // The changes are not saved, so Exit still asks about them.
    EXPECT_TRUE(session().modified());
    // M57 promises them in the working copy: closing the program (which
    // deletes the working copy through its reference) leaves it.
    ws->data.Project_Temp.remove();
    const fs::path copy = project.parent_path() / "locked.tmp";
    ASSERT_TRUE(fs::exists(copy));
    EXPECT_EQ(recordOf(readFile(copy), 1).field(1), "changed");
    EXPECT_EQ(ui.waitShown, ui.waitClosed);
}

// A project copied off a CD or without write permission: the working copy is
// the program's own file, so it must take every write, and exit deletes it.
TEST_F(ProjectSessionTest, AReadOnlyProjectGetsAWritableWorkingCopyThatExitDeletes)
{
    const fs::path project = makeProject("disc", {"Games"}, {item("a", "Games")});
    setReadOnly(project, true);
    ASSERT_TRUE(session().loadProject(project));
    const fs::path copy = project.parent_path() / "disc.tmp";
    ASSERT_EQ(session().workingCopy(), copy);
    EXPECT_FALSE(isReadOnly(copy));

    table().write(FieldName, 1, "changed");
    session().setModified(true);
    EXPECT_TRUE(session().writeWorkingCopy());
    EXPECT_EQ(session().workingCopy(), copy);
    EXPECT_EQ(recordOf(readFile(copy), 1).field(1), "changed");

    // Saving over the read-only file is refused; the changes stay in the working copy.
    const std::string old = readFile(project);
    EXPECT_FALSE(session().save());
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M57"});
    EXPECT_EQ(readFile(project), old);
    EXPECT_TRUE(session().modified());
    EXPECT_EQ(recordOf(readFile(copy), 1).field(1), "changed");

    // Saved under a new name: the old working copy goes, the new one is plain too.
    const fs::path saved = dir / "mine" / "disc.qvp";
    fs::create_directories(saved.parent_path());
    ui.fileAnswers.push_back(saved);
    ASSERT_TRUE(session().saveAs());
    EXPECT_FALSE(fs::exists(copy));
    const fs::path newCopy = saved.parent_path() / "disc.tmp";
    ASSERT_EQ(session().workingCopy(), newCopy);
    EXPECT_FALSE(isReadOnly(newCopy));
    EXPECT_FALSE(session().modified());

    // Closing the program deletes the working copy through its reference.
    ws->data.Project_Temp.remove();
    EXPECT_FALSE(fs::exists(newCopy));
    EXPECT_FALSE(fs::exists(copy));
}

TEST_F(ProjectSessionTest, DesignEditorWritesIntoTheWorkingCopyOfAReadOnlyProject)
{
    const fs::path project = makeProject("disc2", {"Games"}, {item("a", "Games")});
    setReadOnly(project, true);
    ASSERT_TRUE(session().loadProject(project));
    const fs::path design = dir / "other" / "new.qvd";
    writeDesign(design);
    ws->session.hooks().designEditor = [&] {
        ws->data.menudesign_file.assign(design);
        session().setModified(true);
    };
    session().designEditorClick();
    const fs::path copy = project.parent_path() / "disc2.tmp";
    EXPECT_EQ(session().workingCopy(), copy);
    EXPECT_EQ(recordOf(readFile(copy), 0).field(6), pathText(design));
    EXPECT_FALSE(isReadOnly(copy));
}

TEST_F(ProjectSessionTest, SaveReplacesTheProjectFileWithTheTable)
{
    const fs::path project = makeProject("saved", {"Games", "Tools"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const int row = table().appendRow();
    table().write(FieldName, row, "b");
    table().write(FieldCategory, row, "Tools");
    session().setModified(true);

    session().saveClick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(session().modified());
    const std::string bytes = readFile(project);
    ASSERT_EQ(bytes.size(), 3 * ProjectRecord::kSize);
    EXPECT_EQ(recordOf(bytes, 2).field(1), "b");
    EXPECT_EQ(recordOf(bytes, 2).field(8), "1");
    EXPECT_EQ(readFile(session().workingCopy()), bytes);
}

TEST_F(ProjectSessionTest, MovedColumnsChangeNeitherTheRecordsNorTheRows)
{
    const fs::path project = makeProject("columns", {"Games"}, {item("a", "Games")});
    table().moveColumn(1, 3);  // Name now stands in column 3
    ASSERT_EQ(table().columnOf(FieldName), 3);
    ASSERT_TRUE(session().loadProject(project));
    EXPECT_EQ(table().cell(1, 3), "a");
    EXPECT_EQ(table().read(FieldFileName, 1), "a.exe");

    table().write(FieldName, 1, "renamed");
    ASSERT_TRUE(session().save());
    const ProjectRecord stored = recordOf(readFile(project), 1);
    EXPECT_EQ(stored.field(1), "renamed");
    EXPECT_EQ(stored.field(2), "a.exe");
    EXPECT_EQ(stored.field(3), "\\Tools\\");
}

TEST_F(ProjectSessionTest, SaveAsMovesTheWorkingCopyAndReplacesAnExistingFile)
{
    const fs::path project = makeProject("orig", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const fs::path target = dir / "out" / "copy.qvp";
    writeFile(target, "old content");
    ui.fileAnswers = {target};

    session().saveAsClick();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].fileName, pathText(project));
    EXPECT_EQ(ui.fileDialogs[0].defaultExt, "qvp");
    EXPECT_EQ(ui.fileDialogs[0].initialDir, base / "projects");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readFile(target).size(), 2 * ProjectRecord::kSize);
    EXPECT_EQ(session().projectFile(), target);
    EXPECT_EQ(session().workingCopy(), dir / "out" / "copy.tmp");
    EXPECT_TRUE(fs::exists(dir / "out" / "copy.tmp"));
    EXPECT_FALSE(fs::exists(project.parent_path() / "orig.tmp"));
}

TEST_F(ProjectSessionTest, SaveAsOntoAReadOnlyFileReportsAndKeepsTheOpenProject)
{
    const fs::path project = makeProject("orig", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    session().setModified(true);
    const fs::path target = dir / "locked.qvp";
    writeFile(target, "old content");
    setReadOnly(target, true);
    ui.fileAnswers = {target};

    EXPECT_FALSE(session().saveAs());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_NE(ui.messages[0].message.text.find("locked.qvp"), std::string::npos);
    EXPECT_EQ(readFile(target), "old content");
    EXPECT_EQ(session().projectFile(), project);
    EXPECT_TRUE(fs::exists(project.parent_path() / "orig.tmp"));
    EXPECT_TRUE(session().modified());
}

TEST_F(ProjectSessionTest, SavingOverTheOwnWorkingCopyKeepsTheSavedFile)
{
    const fs::path project = makeProject("w", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const fs::path copy = session().workingCopy();
    ui.fileAnswers = {copy};

    ASSERT_TRUE(session().saveAs());
    EXPECT_EQ(session().projectFile(), copy);
    EXPECT_EQ(readFile(copy).size(), 2 * ProjectRecord::kSize);
    EXPECT_EQ(session().workingCopy(), fs::path(pathText(copy) + ".tmp"));
}

TEST_F(ProjectSessionTest, OpenAsksM28AndStopsWhenTheAskedForSaveFails)
{
    const fs::path first = makeProject("first", {"Games"}, {item("a", "Games")});
    const fs::path second = makeProject("second", {"Games"}, {item("b", "Games")});
    ASSERT_TRUE(session().loadProject(first));
    session().setModified(true);

    // Yes, but the save fails: the changes stay and nothing is opened.
    setReadOnly(first, true);
    ui.messageAnswers = {MsgResult::Yes};
    ui.fileAnswers = {second};
    session().openClick();
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M28", "M57"}));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(session().projectFile(), first);

    // No: the changes are dropped and the chosen project opens.
    ui.messages.clear();
    ui.messageAnswers = {MsgResult::No};
    session().openClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M28"});
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_TRUE(ui.fileDialogs[0].mustExist);
    EXPECT_EQ(ui.fileDialogs[0].filters.at(0).second, "*.qvp");
    EXPECT_EQ(session().projectFile(), second);
    EXPECT_EQ(table().read(FieldName, 1), "b");
    EXPECT_FALSE(fs::exists(first.parent_path() / "first.tmp"));
}

TEST_F(ProjectSessionTest, CategoryEditorRenameKeepsTheRowsInTheirCategory)
{
    const fs::path project =
        makeProject("cats", {"Games", "Tools"}, {item("a", "Games"), item("b", "Tools"), item("c", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const fs::path catFile = session().categoryFile();
    bool editorShown = false;
    session().hooks().categoryEditor = [&] {
        editorShown = true;
        // The working copy was written before the editor opened.
        EXPECT_TRUE(fs::exists(session().workingCopy()));
        writeCategories(catFile, {"Spiele", "Werkzeuge"});
        session().setProjectModified();
    };

    session().categoryEditorClick();
    ASSERT_TRUE(editorShown);
    EXPECT_EQ(ws->categories.captions(), (std::vector<std::string>{"Spiele", "Werkzeuge"}));
    EXPECT_EQ(table().read(FieldCategory, 1), "Spiele");
    EXPECT_EQ(table().read(FieldCategory, 2), "Werkzeuge");
    EXPECT_EQ(table().read(FieldCategory, 3), "Spiele");
    EXPECT_EQ(table().read(FieldCopy, 1), "yes");
    // The working copy holds the rows as they were stored before the rename.
    EXPECT_EQ(recordOf(readFile(session().workingCopy()), 2).field(8), "1");
    EXPECT_TRUE(session().modified());
}

TEST_F(ProjectSessionTest, DesignEditorRecordsTheNewDesignInTheWorkingCopyOnly)
{
    const fs::path project = makeProject("design", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    const std::string stored = readFile(project);
    const fs::path otherDesign = dir / "other" / "other.qvd";
    writeDesign(otherDesign);
    session().hooks().designEditor = [&] {
        ws->data.menudesign_file.assign(otherDesign);
        session().setProjectModified();
    };

    session().designEditorClick();
    const ProjectHeader copy = readProjectHeader(session().workingCopy());
    EXPECT_EQ(copy.designPath, pathText(otherDesign));
    EXPECT_EQ(copy.designBareName, "other");
    EXPECT_EQ(readFile(project), stored);
    EXPECT_EQ(readProjectFile(session().workingCopy(), {"Games"}).items.size(), 1u);
}

TEST_F(ProjectSessionTest, EditRereadsOnlyAfterAConfirmedChange)
{
    const fs::path project = makeProject("edit", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    std::vector<ProjectDialogMode> modes;
    bool confirm = false;
    session().hooks().projectDialog = [&](ProjectDialogMode mode) {
        modes.push_back(mode);
        session().setCdName("Renamed CD");
        session().setProjectModified();
        table().write(FieldCopy, 1, "Ja");
        return confirm;
    };

    session().editProjectClick();
    EXPECT_EQ(table().read(FieldCopy, 1), "Ja");  // cancelled: no read-back

    confirm = true;
    session().editProjectClick();
    EXPECT_EQ(modes, (std::vector<ProjectDialogMode>{ProjectDialogMode::Edit, ProjectDialogMode::Edit}));
    EXPECT_EQ(table().read(FieldCopy, 1), "yes");
    EXPECT_EQ(readProjectHeader(session().workingCopy()).cdName, "Renamed CD");
}

TEST_F(ProjectSessionTest, FrameFollowsTheSession)
{
    MainWindowModel frame(base, ws->data, ui);
    session().attachFrame(frame);
    EXPECT_FALSE(frame.projectOpen());
    EXPECT_FALSE(frame.run(CommandId::Save));

    const fs::path project = makeProject("framed", {"Games"}, {item("a", "Games")}, "Framed CD");
    ui.fileAnswers = {project};
    ASSERT_TRUE(frame.run(CommandId::Open));
    EXPECT_TRUE(frame.projectOpen());
    EXPECT_TRUE(frame.commands().menuEnabled(CommandId::CategoryEditor));
    EXPECT_EQ(frame.cdName(), "Framed CD");
    EXPECT_EQ(session().projectFolder(), "/cd/root/");
    EXPECT_TRUE(frame.title().ends_with(" Framed CD")) << frame.title();

    // A table command marks the table; Exit sees it through the session.
    EXPECT_FALSE(frame.modified());
    table().setModified(true);
    EXPECT_TRUE(frame.modified());
    ui.messageAnswers = {MsgResult::Yes};
    table().write(FieldName, 1, "saved on exit");
    frame.exitClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M23"});
    EXPECT_EQ(recordOf(readFile(project), 1).field(1), "saved on exit");
    EXPECT_FALSE(fs::exists(project.parent_path() / "framed.tmp"));
}

TEST_F(ProjectSessionTest, NewAsksM28ThenShowsTheProjectDialog)
{
    const fs::path project = makeProject("new", {"Games"}, {item("a", "Games")});
    ASSERT_TRUE(session().loadProject(project));
    session().setModified(true);
    std::vector<ProjectDialogMode> modes;
    session().hooks().projectDialog = [&](ProjectDialogMode mode) {
        modes.push_back(mode);
        return true;
    };
    ui.messageAnswers = {MsgResult::No};
    session().newClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M28"});
    EXPECT_EQ(modes, std::vector<ProjectDialogMode>{ProjectDialogMode::New});
    EXPECT_EQ(session().dialogMode(), ProjectDialogMode::New);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(ProjectWorkspace, WithoutLanguageFilesTheFieldsKeepTheirOwnColumns)
{
    TempDir dir;
    FakeUi ui;
    const Language none;  // what a base directory without Files/lang_1.dat gives
    FolderFontCatalogue catalogue(dir / "fonts");
    NoFonts registrar;
    ProjectWorkspace ws(dir / "base", ui, none, catalogue, registrar);

    const fs::path cat = dir / "cats.qvc";
    const fs::path design = dir / "look.qvd";
    writeCategories(cat, {"Games"});
    writeDesign(design);
    const fs::path project = dir / "plain.qvp";
    writeProjectFile(project, headerFor("CD", cat, design), {item("a", "Games")}, {"Games"}, YesNoWords{});
    ASSERT_TRUE(ws.session.loadProject(project, LoadMode::NoQuestions));
    EXPECT_EQ(ws.table.read(FieldName, 1), "a");
    EXPECT_EQ(ws.table.read(FieldFileName, 1), "a.exe");
    EXPECT_EQ(ws.table.read(FieldCategory, 1), "Games");
    EXPECT_EQ(ws.session.items().at(0), item("a", "Games"));
}


namespace {

std::string lockOfARunningProgram()
{
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return std::string("pid=1\r\nhost=") + host + "\r\n";  // process 1 runs as long as the machine does
}

}  // namespace

// A second program opening a project asks first; opened anyway, it keeps its
// working copy apart, so the first program's one beside the project survives.
TEST_F(ProjectSessionTest, AProjectOpenInAnotherProgramIsAskedAboutAndItsWorkingCopyIsLeftAlone)
{
    const fs::path project = makeProject("shared", {"Games"}, {item("a", "Games")});
    const fs::path theirs = workingCopyPath(project);
    const fs::path lockFile = ProjectLock::lockFileOf(project);
    writeFile(theirs, "the other program's working copy");
    writeFile(lockFile, lockOfARunningProgram());

    ui.messageAnswers = {MsgResult::No};
    EXPECT_FALSE(session().loadProject(project).loaded);
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M60"});
    EXPECT_TRUE(session().projectFile().empty());

    ui.messageAnswers = {MsgResult::Yes};
    ASSERT_TRUE(session().loadProject(project).loaded);
    table().write(FieldName, 1, "changed here");
    ASSERT_TRUE(session().writeWorkingCopy());
    EXPECT_NE(session().workingCopy(), theirs);
    EXPECT_TRUE(fs::exists(session().workingCopy()));
    EXPECT_EQ(readFile(theirs), "the other program's working copy");
    EXPECT_EQ(readFile(lockFile), lockOfARunningProgram()) << "the other program's mark stays";
}

TEST_F(ProjectSessionTest, AnOpenProjectIsMarkedUntilTheNextOneOpensOrTheProgramEnds)
{
    const fs::path first = makeProject("first", {"Games"}, {item("a", "Games")});
    const fs::path second = makeProject("second", {"Games"}, {item("b", "Games")});
    ASSERT_TRUE(session().loadProject(first).loaded);
    EXPECT_TRUE(fs::exists(ProjectLock::lockFileOf(first)));
    ASSERT_TRUE(session().loadProject(second).loaded);
    EXPECT_FALSE(fs::exists(ProjectLock::lockFileOf(first)));
    EXPECT_TRUE(fs::exists(ProjectLock::lockFileOf(second)));
    EXPECT_TRUE(ui.messages.empty()) << "a program's own mark asks nothing";
    ws.reset();
    EXPECT_FALSE(fs::exists(ProjectLock::lockFileOf(second)));
}

}  // namespace
}  // namespace qv
