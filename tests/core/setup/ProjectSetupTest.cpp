// The project dialog, the wizard and the welcome screen driven through the
// program as the person drives them: the order of the steps, what each step
// enables, and what is on disk when: a project file and its working copy
// only after the Save As of the finish, and nothing at all after Cancel.
#include "application/Application.h"

#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "profile/ProfileFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectLoader.h"
#include "util/FileReference.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "NoFonts.h"
#include "TempDir.h"
#include "TestAssets.h"

#include <gtest/gtest.h>

#include <set>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;

namespace fs = std::filesystem;

namespace {

using test::NoFonts;

// Every file below a folder, so a test can say that nothing was left behind.
std::set<fs::path> filesUnder(const fs::path& root)
{
    std::set<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files.insert(e.path());
    return files;
}

// A base directory with the shipped files, an empty place for projects and a
// folder with content that can become a CD.
struct SetupFixture {
    TempDir dir;
    fs::path base = dir.path() / "base";
    fs::path folder = dir.path() / "cd";
    fs::path projects = dir.path() / "projects";
    FakeUi ui;
    FolderFontCatalogue fonts{dir.path() / "nofonts"};
    NoFonts registrar;
    std::unique_ptr<Application> app;

    explicit SetupFixture(bool welcome = false)
    {
        fs::copy(test::assetsDir(), base, fs::copy_options::recursive);
        fs::create_directories(folder / "Tools");
        fs::create_directories(projects);
        test::writeFile(folder / "Tools" / "tool.exe", "MZ");
        test::writeFile(folder / "readme.txt", "hello");
        if (!welcome)
            test::writeFile(base / "quenvar.dat", "[settings]\r\nshow_welcome=FALSE\r\n");
        app = std::make_unique<Application>(base, ui, ApplicationServices{&fonts, &registrar, nullptr});
        ui.on<CategoryEditor>([](CategoryEditor& e) { e.OKClick(); });
        ui.on<DesignEditor>([](DesignEditor& e) { e.okClick(); });
        ui.on<AddItemTip>([](AddItemTip& tip) { tip.okClick(); });
    }

    const Language& lang() const { return app->language(); }
    std::string text(const char* key) const { return app->language().text(key); }

    // A project made earlier, open in the program.
    fs::path openEarlierProject()
    {
        const fs::path file = projects / "earlier.qvp";
        ProjectHeader header;
        header.cdName = "Earlier CD";
        header.projectFolder = folderText(folder);
        FileReference cat;
        cat.assign(base / "Files" / "Standard.qvc");
        FileReference design;
        design.assign(base / "Files" / "Standard.qvd");
        header.setCategoryFile(cat);
        header.setDesignFile(design);
        std::vector<ItemFieldTexts> items(1);
        items[0] = {"Readme", "readme.txt", "\\", "", "1", "1", "", "Documents", "yes", folderText(folder), "", "no"};
        writeProjectFile(file, header, items, {"Programs", "Games", "Tools", "Documents", "Multimedia", "Internet"},
                         YesNoWords{});
        EXPECT_TRUE(app->session().loadProject(file, LoadMode::NoQuestions).loaded);
        return file;
    }

    // Step 5's Add File on one file of the project folder.
    void addFile(const fs::path& file)
    {
        ui.on<AddFileDialog>([this, file](AddFileDialog& d) {
            ui.fileAnswers.push_back(file);
            d.selectFileClick();
            d.addClick();
        });
    }
};

// The project dialog's new mode up to the point before OK, as the person goes.
void stepsBeforeOk(SetupFixture& f, ProjectDialog& d)
{
    f.ui.folderAnswers.push_back(f.folder);
    EXPECT_TRUE(d.browseClick());
    d.categoryEditorClick();
    d.designEditorClick();
}

}  // namespace

TEST(ProjectDialog, NewModeLeadsThroughFolderCategoriesDesignAndCreatesTheProjectOnOk)
{
    SetupFixture f;
    f.app->start();
    const fs::path project = f.projects / "new.qvp";
    bool ran = false;
    f.ui.on<ProjectDialog>([&](ProjectDialog& d) {
        ran = true;
        EXPECT_EQ(d.title(), f.text("T48"));
        EXPECT_EQ(d.okCaption(), f.text("T54"));
        EXPECT_EQ(d.cdName(), f.text("T55"));
        EXPECT_TRUE(d.projectFolder().empty());
        EXPECT_FALSE(d.okEnabled());
        EXPECT_FALSE(d.categoryEditorEnabled());
        EXPECT_FALSE(d.designEditorEnabled());

        f.ui.folderAnswers.push_back(f.folder);
        EXPECT_TRUE(d.browseClick());
        EXPECT_EQ(d.projectFolder(), folderText(f.folder));
        EXPECT_EQ(d.title(), f.text("T49"));
        EXPECT_TRUE(d.categoryEditorEnabled());
        EXPECT_FALSE(d.designEditorEnabled());

        d.categoryEditorClick();
        EXPECT_EQ(d.title(), f.text("T23"));
        EXPECT_TRUE(d.designEditorEnabled());
        EXPECT_FALSE(d.okEnabled());

        d.designEditorClick();
        EXPECT_EQ(d.title(), f.text("T46"));
        EXPECT_TRUE(d.okEnabled());
        EXPECT_FALSE(fs::exists(project)) << "nothing is written before OK";

        d.setCdName("");
        f.ui.fileAnswers.push_back(project);
        d.okClick();
        EXPECT_FALSE(d.isOpen());
    });
    ASSERT_TRUE(f.app->run(CommandId::New));
    ASSERT_TRUE(ran);
    EXPECT_TRUE(fs::is_regular_file(project));
    EXPECT_TRUE(fs::is_regular_file(workingCopyPath(project)));
    const ProjectFileContents saved = readProjectFile(project, f.app->categories().captions());
    EXPECT_EQ(saved.header.projectFolder, folderText(f.folder));
    ASSERT_EQ(saved.items.size(), 1u) << "the table's one row";
    for (const std::string& field : saved.items[0])
        EXPECT_EQ(field, "");
    EXPECT_EQ(f.app->table().rowCount(), 2);
    for (int field = 1; field <= ItemTable::kFields; ++field)
        EXPECT_EQ(f.app->table().read(field, 1), "");
    EXPECT_EQ(f.app->frame().title(), f.text("T22") + " No CD name");
    EXPECT_TRUE(f.app->frame().projectOpen());
    EXPECT_FALSE(f.app->session().modified());
    EXPECT_EQ(f.app->addFileDialog().startFolder(), f.folder);
}

TEST(ProjectDialog, NewEmptiesTheTableOfTheProjectOpenBeforeAndAsksAboutItsChanges)
{
    SetupFixture f;
    f.app->start();
    f.openEarlierProject();
    f.app->table().write(FieldName, 1, "Changed");
    f.app->session().setModified(true);
    const fs::path project = f.projects / "second.qvp";
    f.ui.on<ProjectDialog>([&](ProjectDialog& d) {
        stepsBeforeOk(f, d);
        f.ui.fileAnswers.push_back(project);
        d.okClick();
    });
    f.ui.messageAnswers.push_back(MsgResult::No);  // M28: don't save
    ASSERT_TRUE(f.app->run(CommandId::New));
    ASSERT_FALSE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.messageKeys().front(), "M28");
    EXPECT_EQ(f.app->table().rowCount(), 2);
    EXPECT_EQ(f.app->table().read(FieldName, 1), "");
    EXPECT_FALSE(fs::exists(workingCopyPath(f.projects / "earlier.qvp"))) << "the earlier working copy went";
    EXPECT_EQ(readProjectFile(f.projects / "earlier.qvp", {}).items.at(0)[0], "Readme") << "No saved nothing";
}

TEST(ProjectDialog, CancelledSaveAsKeepsTheDialogOpenAndCancelLeavesNothing)
{
    SetupFixture f;
    f.app->start();
    const auto before = filesUnder(f.dir.path());
    f.ui.on<ProjectDialog>([&](ProjectDialog& d) {
        stepsBeforeOk(f, d);
        d.setCdName("Kept");
        f.ui.fileAnswers.push_back(std::nullopt);
        d.okClick();
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.cdName(), "Kept");
        EXPECT_EQ(d.projectFolder(), folderText(f.folder));
        EXPECT_TRUE(d.okEnabled());
        d.cancelClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::New));
    EXPECT_EQ(filesUnder(f.dir.path()), before);
    EXPECT_FALSE(f.app->frame().projectOpen());
    EXPECT_EQ(f.app->session().cdName(), "");
}

TEST(ProjectDialog, BrowseAsksBeforeReplacingAFolderAndKeepsOnlyOneSeparator)
{
    SetupFixture f;
    f.app->start();
    ProjectDialog& d = f.app->projectDialog();
    d.prepareFor(ProjectDialogMode::New);
    struct Case {
        fs::path chosen;
        std::string shown;
    };
    const Case cases[] = {
        {f.folder, folderText(f.folder)},
        {f.folder / "Tools" / "", folderText(f.folder / "Tools")},
        {fs::path("/"), "/"},  // a root keeps its one separator
    };
    bool first = true;
    for (const Case& c : cases) {
        if (!first)
            f.ui.messageAnswers.push_back(MsgResult::Ok);  // M49
        first = false;
        f.ui.folderAnswers.push_back(c.chosen);
        EXPECT_TRUE(d.browseClick());
        EXPECT_EQ(d.projectFolder(), c.shown);
    }
    // Cancel at M49 keeps the folder; so does cancelling the browser.
    f.ui.messageAnswers.push_back(MsgResult::Cancel);
    EXPECT_FALSE(d.browseClick());
    f.ui.messageAnswers.push_back(MsgResult::Ok);
    f.ui.folderAnswers.push_back(std::nullopt);
    EXPECT_FALSE(d.browseClick());
    EXPECT_EQ(d.projectFolder(), "/");
    EXPECT_EQ(f.ui.messageKeys(), (std::vector<std::string>{"M49", "M49", "M49", "M49"}));
    EXPECT_EQ(f.ui.folderStarts.size(), 4u);
}

TEST(ProjectDialog, AFolderLongerThanTheProjectFileHoldsIsRefused)
{
    SetupFixture f;
    f.app->start();
    ProjectDialog& d = f.app->projectDialog();
    d.prepareFor(ProjectDialogMode::New);
    const fs::path deep = f.dir.path() / std::string(ProjectDialog::folderCapacity().bytes(), 'x');
    f.ui.folderAnswers.push_back(deep);
    EXPECT_FALSE(d.browseClick());
    EXPECT_TRUE(d.projectFolder().empty());
    EXPECT_FALSE(d.categoryEditorEnabled());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(f.ui.messages[0].message.text, ProjectDialog::text(f.lang(), ProjectDialog::FolderTooLong));
    // A typed CD name stops at the capacity.
    d.setCdName(std::string(ProjectDialog::cdNameCapacity().bytes() + 5, 'n'));
    EXPECT_EQ(d.cdName().size(), ProjectDialog::cdNameCapacity().bytes());
}

TEST(ProjectDialog, EditChangesTheOpenProjectOnOkAndNothingOnCancel)
{
    SetupFixture f;
    f.app->start();
    const fs::path project = f.openEarlierProject();
    f.ui.on<ProjectDialog>([&](ProjectDialog& d) {
        EXPECT_EQ(d.mode(), ProjectDialogMode::Edit);
        EXPECT_EQ(d.title(), f.text("T24") + " - " + pathText(f.app->session().categoryFile()));
        EXPECT_EQ(d.okCaption(), f.text("T56"));
        EXPECT_EQ(d.cdName(), "Earlier CD");
        EXPECT_TRUE(d.okEnabled() && d.categoryEditorEnabled() && d.designEditorEnabled());
        d.setCdName("Other CD");
        d.cancelClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::EditProject));
    EXPECT_EQ(f.app->session().cdName(), "Earlier CD");

    f.ui.on<ProjectDialog>([&](ProjectDialog& d) {
        d.setCdName("");
        f.ui.messageAnswers.push_back(MsgResult::Ok);  // M49
        f.ui.folderAnswers.push_back(f.folder / "Tools");
        d.browseClick();
        d.okClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::EditProject));
    EXPECT_EQ(f.app->session().cdName(), "");
    EXPECT_EQ(f.app->session().projectFolder(), folderText(f.folder / "Tools"));
    EXPECT_EQ(f.app->frame().title(), f.text("T22") + " " + f.text("T26"));
    EXPECT_EQ(f.app->table().read(FieldName, 1), "Readme") << "the rows came back through the working copy";
    EXPECT_EQ(readProjectFile(workingCopyPath(project), f.app->categories().captions()).header.cdName, "");
}

TEST(ProjectDialog, OkWithoutADesignFileSaysM48AndStaysOpen)
{
    SetupFixture f;
    f.app->start();
    f.openEarlierProject();
    f.app->files().menudesign_file.clear();
    ProjectDialog& d = f.app->projectDialog();
    d.prepareFor(ProjectDialogMode::Edit);
    d.okClick();
    EXPECT_TRUE(d.isOpen());
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M48"});
}

// --- Wizard ---------------------------------------------------------------------

namespace {

// Walks the wizard from its welcome page to page, choosing the values each
// step needs: the project folder in the list, the default categories and design.
void walkTo(SetupFixture& f, ProjectWizard& w, ProjectWizard::Page page)
{
    using P = ProjectWizard::Page;
    while (w.page() != page) {
        switch (w.page()) {
        case P::Folder: w.chooseFolder(f.folder); break;
        case P::Categories: w.defaultCategoriesClick(); break;
        case P::Design: w.defaultDesignClick(); break;
        default: break;
        }
        const P before = w.page();
        w.nextClick();
        ASSERT_NE(w.page(), before) << "Next refused on page " << static_cast<int>(before);
    }
}

bool anyProjectFileUnder(const fs::path& root)
{
    for (const auto& file : filesUnder(root))
        if (file.extension() == ".qvp" || file.extension() == ".tmp")
            return true;
    return false;
}

}  // namespace

TEST(ProjectWizard, ItemsAddedBeforeTheProjectExistsAreInTheProjectMadeAtTheFinish)
{
    SetupFixture f;
    f.app->start();
    const fs::path project = f.projects / "wizard.qvp";
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        EXPECT_EQ(w.page(), ProjectWizard::Page::Welcome);
        EXPECT_EQ(w.cdName(), f.text("T51"));
        EXPECT_EQ(w.folderDisplay(), f.text("T52"));
        EXPECT_EQ(w.categoryDisplay(), f.text("T52"));
        EXPECT_EQ(w.designDisplay(), f.text("T52"));
        walkTo(f, w, ProjectWizard::Page::General);
        w.setCdName("Wizard CD");
        walkTo(f, w, ProjectWizard::Page::Items);
        f.addFile(f.folder / "Tools" / "tool.exe");
        w.addFileClick();
        f.addFile(f.folder / "readme.txt");
        w.addFileClick();
        EXPECT_FALSE(f.app->frame().projectOpen()) << "add is enabled only around its command";
        EXPECT_FALSE(anyProjectFileUnder(f.dir.path())) << "no project file before the finish";
        walkTo(f, w, ProjectWizard::Page::Finish);
        f.ui.fileAnswers.push_back(project);
        w.viewProjectClick();
        EXPECT_FALSE(w.isOpen());
    });
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
    EXPECT_FALSE(f.app->frame().wizardRunning());
    ASSERT_TRUE(fs::is_regular_file(project));
    EXPECT_TRUE(fs::is_regular_file(workingCopyPath(project)));
    const ProjectFileContents saved = readProjectFile(project, f.app->categories().captions());
    EXPECT_EQ(saved.header.cdName, "Wizard CD");
    EXPECT_EQ(saved.header.projectFolder, folderText(f.folder));
    ASSERT_EQ(saved.items.size(), 2u);
    EXPECT_EQ(saved.items[0][FieldFileName - 1], "tool.exe");
    EXPECT_EQ(saved.items[1][FieldFileName - 1], "readme.txt");
    EXPECT_TRUE(f.app->frame().projectOpen());
    EXPECT_EQ(f.app->frame().title(), f.text("T22") + " Wizard CD");
}

TEST(ProjectWizard, FinishingWithoutItemsMakesAProjectWithTheEmptyRow)
{
    SetupFixture f;
    f.app->start();
    const fs::path project = f.projects / "empty.qvp";
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        walkTo(f, w, ProjectWizard::Page::Finish);
        f.ui.fileAnswers.push_back(project);
        w.finishClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
    const auto items = readProjectFile(project, {}).items;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0][FieldName - 1], "");
    EXPECT_EQ(f.app->table().rowCount(), 2);
}

// Cancel on any page, with or without a project open before: no project file
// and no working copy of the wizard's; the earlier project comes back marked
// as changed, or the empty state does.
TEST(ProjectWizard, CancelOnAnyPageLeavesNothingBehind)
{
    for (const bool earlier : {false, true}) {
        for (int page = 0; page < ProjectWizard::kPageCount; ++page) {
            SCOPED_TRACE(testing::Message() << "page " << page << (earlier ? " with a project open" : ""));
            SetupFixture f;
            f.app->start();
            if (earlier)
                f.openEarlierProject();
            const auto before = filesUnder(f.dir.path());
            f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
                walkTo(f, w, static_cast<ProjectWizard::Page>(page));
                if (w.page() == ProjectWizard::Page::Items) {
                    f.addFile(f.folder / "readme.txt");
                    w.addFileClick();
                }
                w.cancelClick();
            });
            ASSERT_TRUE(f.app->run(CommandId::Wizard));
            EXPECT_EQ(filesUnder(f.dir.path()), before);
            const ItemTable& table = f.app->table();
            if (earlier) {
                EXPECT_EQ(f.app->session().cdName(), "Earlier CD");
                ASSERT_EQ(table.rowCount(), 2);
                EXPECT_EQ(table.read(FieldName, 1), "Readme");
                EXPECT_TRUE(f.app->session().modified());
            } else {
                EXPECT_EQ(table.rowCount(), 2);
                EXPECT_EQ(table.read(FieldName, 1), "");
                EXPECT_TRUE(f.app->session().projectFolder().empty());
                EXPECT_TRUE(f.app->session().categoryFile().empty());
                EXPECT_TRUE(f.app->session().designFile().empty());
                EXPECT_FALSE(f.app->session().modified());
                EXPECT_FALSE(f.app->frame().projectOpen());
            }
        }
    }
}

TEST(ProjectWizard, NextWaitsOnStepsTwoToFourForTheirValue)
{
    SetupFixture f;
    f.app->start();
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        using P = ProjectWizard::Page;
        w.nextClick();
        w.nextClick();
        EXPECT_EQ(w.page(), P::General);
        EXPECT_FALSE(w.nextEnabled());
        w.nextClick();
        EXPECT_EQ(w.page(), P::General) << "no folder yet";
        EXPECT_TRUE(f.ui.messages.empty());
        // The browser cancelled keeps the folder chosen in step 1.
        w.backClick();
        w.chooseFolder(f.folder);
        w.nextClick();
        f.ui.folderAnswers.push_back(std::nullopt);
        w.browseClick();
        EXPECT_EQ(w.folderDisplay(), folderText(f.folder));
        EXPECT_EQ(f.app->session().projectFolder(), folderText(f.folder));
        w.nextClick();
        EXPECT_EQ(w.page(), P::Categories);
        w.nextClick();
        EXPECT_EQ(w.page(), P::Categories) << "no category file yet";
        w.categoryEditorClick();
        EXPECT_EQ(w.categoryDisplay(), pathText(f.app->session().categoryFile()));
        w.nextClick();
        EXPECT_EQ(w.page(), P::Design);
        w.nextClick();
        EXPECT_EQ(w.page(), P::Design) << "no design file yet";
        w.designEditorClick();
        EXPECT_EQ(w.designDisplay(), pathText(f.app->session().designFile()));
        w.nextClick();
        EXPECT_EQ(w.page(), P::Items);
        w.helpClick();
        w.cancelClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
    ASSERT_FALSE(f.ui.helpShown.empty());
    EXPECT_EQ(f.ui.helpShown.back().second, 6350);
}

TEST(ProjectWizard, MakeAndDeleteDirectoryNeverRemoveAnythingButAnEmptyFolder)
{
    SetupFixture f;
    f.app->start();
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        w.nextClick();
        w.chooseFolder(f.folder);
        auto name = [&](std::string text) {
            f.ui.on<FreeTextEditor>([text](FreeTextEditor& e) {
                e.setText(text);
                e.okClick();
            });
        };
        name("Fresh");
        w.makeDirectoryClick();
        EXPECT_TRUE(fs::is_directory(f.folder / "Fresh"));
        EXPECT_EQ(w.listFolder(), f.folder / "Fresh");
        EXPECT_EQ(w.folderDisplay(), folderText(f.folder / "Fresh"));

        w.chooseFolder(f.folder);
        name("Tools");  // exists: M54, and the list moves there
        w.makeDirectoryClick();
        EXPECT_EQ(w.listFolder(), f.folder / "Tools");
        w.chooseFolder(f.folder);
        name("../outside");
        w.makeDirectoryClick();
        EXPECT_FALSE(fs::exists(f.dir.path() / "outside"));
        EXPECT_EQ(f.ui.messageKeys(), (std::vector<std::string>{"M55", "M54", "M54"}));
        f.ui.messages.clear();

        // A folder with a file in it: asked first, then refused with M56.
        w.chooseFolder(f.folder / "Tools");
        f.ui.messageAnswers.push_back(MsgResult::Yes);
        w.deleteDirectoryClick();
        EXPECT_TRUE(fs::is_regular_file(f.folder / "Tools" / "tool.exe"));
        EXPECT_EQ(w.listFolder(), f.folder);
        // No to the question keeps even an empty folder.
        w.chooseFolder(f.folder / "Fresh");
        f.ui.messageAnswers.push_back(MsgResult::No);
        w.deleteDirectoryClick();
        EXPECT_TRUE(fs::is_directory(f.folder / "Fresh"));
        f.ui.messageAnswers.push_back(MsgResult::Yes);
        w.deleteDirectoryClick();
        EXPECT_FALSE(fs::exists(f.folder / "Fresh"));
        EXPECT_EQ(w.folderDisplay(), folderText(f.folder));
        const auto keys = f.ui.messageKeys();
        ASSERT_EQ(keys.size(), 4u);
        EXPECT_EQ(keys[1], "M56");
        EXPECT_EQ(f.ui.messages[1].kind, MsgKind::Error);
        w.exploreClick();
        EXPECT_EQ(f.ui.explored, std::vector<fs::path>{f.folder});
        w.cancelClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
}

TEST(ProjectWizard, ACancelledSaveAsAtTheFinishKeepsTheWizardAndItsItems)
{
    SetupFixture f;
    f.app->start();
    const fs::path project = f.projects / "late.qvp";
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        walkTo(f, w, ProjectWizard::Page::Items);
        f.addFile(f.folder / "readme.txt");
        w.addFileClick();
        walkTo(f, w, ProjectWizard::Page::Finish);
        f.ui.fileAnswers.push_back(std::nullopt);
        w.finishClick();
        EXPECT_TRUE(w.isOpen());
        EXPECT_FALSE(anyProjectFileUnder(f.dir.path()));
        EXPECT_EQ(f.app->table().read(FieldFileName, 1), "readme.txt");
        f.ui.fileAnswers.push_back(project);
        w.finishClick();
    });
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
    EXPECT_EQ(readProjectFile(project, {}).items.size(), 1u);
}

TEST(ProjectWizard, BuildProjectNowBuildsOnceTheWizardHasMadeTheProject)
{
    SetupFixture f;
    f.app->start();
    const fs::path out = f.dir.path() / "out";
    fs::create_directories(out);
    f.ui.on<ProjectWizard>([&](ProjectWizard& w) {
        walkTo(f, w, ProjectWizard::Page::Items);
        f.addFile(f.folder / "readme.txt");
        w.addFileClick();
        walkTo(f, w, ProjectWizard::Page::Finish);
        f.ui.fileAnswers.push_back(f.projects / "built.qvp");
        w.buildProjectClick();
        EXPECT_FALSE(fs::exists(out / "CFG")) << "the build waits until the wizard has closed";
        f.ui.messageAnswers.push_back(MsgResult::Ok);  // M26: where to build
        f.ui.messageAnswers.push_back(MsgResult::No);  // M27: don't start the menu
    });
    f.ui.folderAnswers.push_back(out);
    ASSERT_TRUE(f.app->run(CommandId::Wizard));
    ASSERT_FALSE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.messageKeys().front(), "M53");
    EXPECT_TRUE(fs::exists(out / "CFG" / "members.cfg")) << testing::PrintToString(f.ui.messageKeys());
}

// --- Welcome screen ----------------------------------------------------------------

TEST(WelcomeScreen, ShownAtStartOnlyWhenTheSettingsAskForIt)
{
    for (const bool on : {true, false}) {
        SetupFixture f(on);
        f.ui.on<WelcomeScreen>([](WelcomeScreen& w) { w.cancelClick(); });
        f.app->start();
        EXPECT_EQ(f.ui.modalShown == std::vector<WindowKind>{WindowKind::WelcomeScreen}, on);
    }
}

TEST(WelcomeScreen, TheShowAgainBoxBecomesTheSettingHoweverTheScreenCloses)
{
    struct Case {
        const char* what;
        std::function<void(WelcomeScreen&)> close;
        std::vector<WindowKind> shown;
    };
    const Case cases[] = {
        {"New Project", [](WelcomeScreen& w) { w.newClick(); }, {WindowKind::WelcomeScreen, WindowKind::ProjectDialog}},
        {"Launch Wizard", [](WelcomeScreen& w) { w.wizardClick(); }, {WindowKind::WelcomeScreen, WindowKind::ProjectWizard}},
        {"the close box", [](WelcomeScreen&) {}, {WindowKind::WelcomeScreen}},
        {"Cancel", [](WelcomeScreen& w) { w.cancelClick(); }, {WindowKind::WelcomeScreen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetupFixture f(true);
        f.ui.on<WelcomeScreen>([&](WelcomeScreen& w) {
            EXPECT_TRUE(w.showAgain());
            w.setShowAgain(false);
            c.close(w);
        });
        f.ui.on<ProjectDialog>([](ProjectDialog& d) { d.cancelClick(); });
        f.ui.on<ProjectWizard>([](ProjectWizard& w) { w.cancelClick(); });
        f.app->start();
        EXPECT_EQ(f.ui.modalShown, c.shown);
        EXPECT_FALSE(f.app->frame().settings().showWelcome);
        f.app->frame().close();
        EXPECT_EQ(ProfileFile(f.base / "quenvar.dat").readString("settings", "show_welcome", ""), "FALSE");
    }
}

TEST(WelcomeScreen, OpenLastProjectOnlyWhenItsFileExists)
{
    SetupFixture f(true);
    f.app->start(false);
    const fs::path project = f.openEarlierProject();
    f.app->frame().close();  // last_proj names it

    for (const bool present : {true, false}) {
        SCOPED_TRACE(present ? "present" : "deleted");
        if (!present) {
            fs::remove(project);
            fs::remove(workingCopyPath(project));
        }
        FakeUi ui;
        Application again(f.base, ui, ApplicationServices{&f.fonts, &f.registrar, nullptr});
        ui.on<WelcomeScreen>([&](WelcomeScreen& w) {
            EXPECT_EQ(w.openLastEnabled(), present);
            w.openLastClick();
            if (w.isOpen())
                w.cancelClick();
        });
        again.start();
        EXPECT_EQ(again.session().cdName(), present ? "Earlier CD" : "");
        EXPECT_EQ(again.frame().projectOpen(), present);
    }
}

TEST(WelcomeScreen, PickingALanguageAppliesItAndKeepsItForTheNextRun)
{
    SetupFixture f(true);
    f.ui.on<WelcomeScreen>([&](WelcomeScreen& w) {
        EXPECT_EQ(w.languageNumber(), 1);
        EXPECT_EQ(w.languageNames()[1], "German");
        w.languageSelect(2);
        EXPECT_EQ(w.languageNumber(), 2);
        EXPECT_EQ(w.languageNames()[1], "Deutsch");
        w.cancelClick();
    });
    f.app->start();
    EXPECT_EQ(f.app->language().number(), 2);
    EXPECT_EQ(f.app->frame().title(), f.app->language().text("T13"));
    f.app->frame().close();
    EXPECT_EQ(ProfileFile(f.base / "quenvar.dat").readInteger("settings", "language", 0), 2);
}
