// The item entry windows reached through the program's commands, tool
// buttons and cell activation.
#include "application/Application.h"

#include "categories/CategoryFile.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "project/ProjectFile.h"
#include "util/FileReference.h"

#include "FakeUi.h"
#include "NoFonts.h"
#include "TestAssets.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
namespace fs = std::filesystem;

namespace {

using test::NoFonts;

struct OpenProject {
    TempDir dir;
    fs::path base = dir.path() / "base";
    fs::path folder = dir.path() / "cd";
    fs::path project = dir.path() / "cd.qvp";
    FakeUi ui;
    FolderFontCatalogue fonts{dir.path() / "nofonts"};
    NoFonts registrar;
    std::unique_ptr<Application> app;
    int tips = 0;

    OpenProject()
    {
        fs::copy(test::assetsDir(), base, fs::copy_options::recursive);
        fs::create_directories(folder / "Tools");
        test::writeFile(folder / "Tools" / "tool.exe", "MZ");
        ProjectHeader header;
        header.cdName = "Test CD";
        header.projectFolder = folder.string() + "/";
        FileReference cat;
        cat.assign(base / "Files" / "Standard.qvc");
        FileReference design;
        design.assign(base / "Files" / "Standard.qvd");
        header.setCategoryFile(cat);
        header.setDesignFile(design);
        std::vector<ItemFieldTexts> items(1);
        items[0] = {"Tool", "tool.exe", "\\Tools\\", "", "1", "1", "a tool", "Tools", "yes",
                    (folder / "Tools" / "tool.exe").string(), "", "yes"};
        writeProjectFile(project, header, items, CategoryFile::readCaptions(base / "Files" / "Standard.qvc"), YesNoWords{});
        // A person who turned the welcome screen off: the start shows no window.
        test::writeFile(base / "quenvar.dat", "[settings]\r\nshow_welcome=FALSE\r\n");
        app = std::make_unique<Application>(base, ui, ApplicationServices{&fonts, &registrar, nullptr});
        ui.on<AddItemTip>([this](AddItemTip& tip) {
            ++tips;
            tip.okClick();
        });
        app->start();
        ui.fileAnswers.push_back(project);
        app->run(CommandId::Open);
    }
};

}  // namespace

TEST(ItemEntryWiring, MenuButtonAndKeyReachTheLinkAndJumpDialogs)
{
    OpenProject p;
    ASSERT_EQ(p.app->table().rowCount(), 2);
    p.ui.on<HyperlinkDialog>([](HyperlinkDialog& d) {
        d.fields().name = "Home";
        d.okClick();
    });
    p.ui.on<JumpPointDialog>([](JumpPointDialog& d) {
        d.fields().name = "Tools";
        d.fields().path = d.browseStart() + "/Tools/";
        d.okClick();
    });
    EXPECT_TRUE(p.app->runButton(ToolButton::AddUrl));
    EXPECT_TRUE(p.app->runKey("F5"));
    const ItemTable& t = p.app->table();
    ASSERT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.read(FieldFileName, 2), "http://www.");
    EXPECT_EQ(t.read(FieldFileName, 3), p.app->language().jumpWord());
    EXPECT_EQ(t.read(FieldCdPath, 3), "\\Tools\\");
    EXPECT_EQ(t.currentRow(), 3);
    EXPECT_EQ(p.tips, 2);
    EXPECT_TRUE(p.app->session().modified());
    EXPECT_EQ(p.ui.modalShown, (std::vector<WindowKind>{WindowKind::Hyperlink, WindowKind::AddItemTip,
                                                        WindowKind::JumpPoint, WindowKind::AddItemTip}))
        << "the tip comes before each row is written";
}

TEST(ItemEntryWiring, CellActivationOpensTheEditorTheTableGives)
{
    OpenProject p;
    ItemTable& t = p.app->table();
    std::vector<WindowKind> shown;
    p.ui.on<YesNoEditor>([](YesNoEditor& e) { e.noClick(); });
    p.ui.on<CategoryChoiceEditor>([](CategoryChoiceEditor& e) { e.choose(1); e.okClick(); });
    p.ui.on<FreeTextEditor>([](FreeTextEditor& e) { e.setText("Renamed"); e.okClick(); });
    t.setCursorReal(1, t.columnOf(FieldExecute));
    EXPECT_TRUE(p.app->activateCell());
    t.setCursorReal(1, t.columnOf(FieldCategory));
    EXPECT_TRUE(p.app->activateCell());
    EXPECT_TRUE(p.app->editEntryClick(FieldName));
    EXPECT_EQ(t.read(FieldExecute, 1), t.noWord());
    EXPECT_EQ(t.read(FieldCategory, 1), p.app->categories().captions()[1]);
    EXPECT_EQ(t.read(FieldName, 1), "Renamed");
    EXPECT_EQ(p.ui.modalShown, (std::vector<WindowKind>{WindowKind::YesNoEditor, WindowKind::CategoryChoiceEditor,
                                                        WindowKind::FreeTextEditor}));
}

TEST(ItemEntryWiring, InfoFileAndScreenshotCommandsOpenOneDialogInTwoModes)
{
    OpenProject p;
    p.ui.on<InfoFileDialog>([](InfoFileDialog& d) {
        if (d.mode() == CompanionKind::InfoText) {
            d.setText("About the tool");
            d.saveClick();
        } else {
            d.cancelClick();
        }
    });
    EXPECT_TRUE(p.app->run(CommandId::InfoFile));
    EXPECT_TRUE(p.app->runKey("Alt+F7"));
    EXPECT_EQ(test::readFile(p.folder / "Tools" / "tool.txt"), "About the tool");
    EXPECT_TRUE(fs::is_directory(p.folder / "kryntdat"));
    EXPECT_EQ(p.app->chosenItemPanel().info.text, p.app->language().text("SYES") + " ");
}
