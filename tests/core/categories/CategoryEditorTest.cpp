#include "categories/CategoryEditor.h"

#include "util/ProjectFiles.h"
#include "categories/CategoryEditorHost.h"
#include "categories/CategoryFile.h"
#include "categories/CategoryRenameWindow.h"
#include "categories/IconChooser.h"
#include "i18n/Language.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qv;
using qv::test::FakeUi;
using qv::test::readFile;
using qv::test::TempDir;
using qv::test::writeFile;
namespace fs = std::filesystem;

namespace {

// A category file with the captions given and icons whose bytes name them.
void makeCategoryFile(const fs::path& file, const std::vector<std::string>& captions)
{
    std::string text = "[general]\r\nanz_items=" + std::to_string(captions.size()) + "\r\n";
    for (std::size_t n = 0; n < captions.size(); ++n) {
        text += "[" + std::to_string(n) + "]\r\ncaption=" + captions[n] + "\r\nicon_number=" + std::to_string(n) + "\r\n";
        writeFile(file.parent_path() / (std::to_string(n) + ".ico"), "icon of " + captions[n]);
    }
    writeFile(file, text);
}

void makePack(const fs::path& base, const std::string& nn, int count)
{
    writeFile(base / "ip" / ("ip" + nn + ".cfg"), "[general]\r\nanz_icons=" + std::to_string(count) + "\r\n");
    for (int k = 1; k <= count; ++k) {
        const std::string kk = (k < 10 ? "0" : "") + std::to_string(k);
        writeFile(base / "ip" / ("ip" + nn) / ("ip" + nn + "i" + kk + ".ico"), "pack " + nn + " icon " + kk);
    }
}

struct RecordingHost : CategoryEditorHost {
    int modified = 0;
    int confirmed = 0;
    void setProjectModified() override { ++modified; }
    void categoryEditorConfirmed() override { ++confirmed; }
};

class CategoryEditorTest : public ::testing::Test {
protected:
    CategoryEditorTest()
    {
        for (const char* key : {"M6", "M16", "M17", "M18", "M19", "M20", "M21", "M22", "M23", "M24", "M25"})
            language.setMessage(key, std::string("text ") + key);
        language.setText("T21", "New category file");
        language.setText("T22", "Category file");
        makeCategoryFile(standard, {"Programs", "Games", "Tools"});
        makePack(base.path(), "01", 12);
        fs::create_directories(base / "genre");
    }

    std::vector<std::string> captions() const
    {
        std::vector<std::string> out;
        for (const auto& e : editor.entries())
            out.push_back(e.caption);
        return out;
    }

    // Shows the editor on a project whose category file is file.
    void showOn(const fs::path& file)
    {
        data.genre_file.assign(file);
        editor.prepare();
    }

    TempDir base;
    fs::path standard = base / "Files" / "Standard.qvc";
    FakeUi ui;
    Language language;
    ProjectFiles data;
    RecordingHost host;
    IconChooser chooser{ui, language, base.path()};
    CategoryEditor editor{ui, language, base.path(), data, chooser, &host};
};

std::vector<fs::path> filesNamed(const fs::path& folder, const std::string& ext)
{
    std::vector<fs::path> found;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.path().extension() == ext)
            found.push_back(e.path());
    return found;
}

}  // namespace

TEST_F(CategoryEditorTest, ShowFallsBackToTheDefaultFile)
{
    editor.prepare();
    EXPECT_EQ(editor.currentFile(), standard);
    EXPECT_EQ(data.genre_file.fullPath(), standard);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Programs", "Games", "Tools"}));
    ASSERT_EQ(editor.pictures().size(), 3u);
    EXPECT_EQ(editor.pictures()[1].bytes, "icon of Games");
    EXPECT_EQ(editor.entries()[2].iconSource, base / "Files" / "2.ico");
    EXPECT_EQ(editor.caption(), "Category file " + pathText(standard));
    EXPECT_FALSE(editor.modified());
}

TEST_F(CategoryEditorTest, SaveOfTheDefaultFileTurnsIntoSaveAs)
{
    const std::string before = readFile(standard);
    editor.prepare();
    editor.select(1);
    editor.upClick();
    ui.fileAnswers.push_back(std::nullopt);  // the Save As dialog is cancelled
    editor.saveClick();

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const auto& spec = ui.fileDialogs[0];
    EXPECT_EQ(spec.filters, (std::vector<std::pair<std::string, std::string>>{{"Krynt - Quenvar - Categoryfile", "*.qvc"}}));
    EXPECT_EQ(spec.initialDir, base / "genre" / "");
    EXPECT_EQ(spec.defaultExt, "qvc");
    EXPECT_EQ(readFile(standard), before);
    EXPECT_EQ(readFile(base / "Files" / "0.ico"), "icon of Programs");
    EXPECT_TRUE(editor.modified());
}

TEST_F(CategoryEditorTest, SaveAsWithANewNameMakesAFolderOfItsOwn)
{
    editor.prepare();
    ui.fileAnswers.push_back(base / "genre" / "Fun.qvc");
    editor.saveAsClick();

    const fs::path fun = base / "genre" / "Fun" / "Fun.qvc";
    EXPECT_FALSE(fs::exists(base / "genre" / "Fun.qvc"));
    EXPECT_EQ(CategoryFile::readCaptions(fun), (std::vector<std::string>{"Programs", "Games", "Tools"}));
    EXPECT_EQ(readFile(base / "genre" / "Fun" / "0.ico"), "icon of Programs");
    EXPECT_EQ(readFile(base / "genre" / "Fun" / "2.ico"), "icon of Tools");
    EXPECT_EQ(editor.currentFile(), fun);
    EXPECT_EQ(editor.caption(), "Category file " + pathText(fun));
    EXPECT_FALSE(editor.modified());
    // The project gets the file only through OK.
    EXPECT_EQ(data.genre_file.fullPath(), standard);
}

TEST_F(CategoryEditorTest, SaveAsOntoAnExistingFileStaysInItsFolder)
{
    const fs::path other = base / "genre" / "Old" / "Other.qvc";
    makeCategoryFile(other, {"A", "B", "C", "D"});
    editor.prepare();
    ui.fileAnswers.push_back(other);
    editor.saveAsClick();

    EXPECT_FALSE(fs::exists(base / "genre" / "Old" / "Other"));
    EXPECT_EQ(CategoryFile::readCaptions(other), (std::vector<std::string>{"Programs", "Games", "Tools"}));
    EXPECT_EQ(readFile(base / "genre" / "Old" / "1.ico"), "icon of Games");
    EXPECT_EQ(readFile(base / "genre" / "Old" / "3.ico"), "icon of D");
    EXPECT_EQ(editor.currentFile(), other);
}

TEST_F(CategoryEditorTest, SaveAsOntoTheDefaultFileKeepsItAsShipped)
{
    const std::string before = readFile(standard);
    editor.prepare();
    editor.select(0);
    editor.downClick();
    ui.fileAnswers.push_back(standard);
    editor.saveAsClick();

    EXPECT_EQ(readFile(standard), before);
    const fs::path copy = base / "Files" / "Standard" / "Standard.qvc";
    EXPECT_EQ(CategoryFile::readCaptions(copy), (std::vector<std::string>{"Games", "Programs", "Tools"}));
    EXPECT_EQ(editor.currentFile(), copy);
}

TEST_F(CategoryEditorTest, UpThenSaveExchangesTheIcons)
{
    const fs::path file = base / "genre" / "Two" / "Two.qvc";
    makeCategoryFile(file, {"First", "Second"});
    showOn(file);
    editor.select(1);
    editor.upClick();
    EXPECT_EQ(editor.selected(), 0);
    editor.saveClick();

    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(CategoryFile::readCaptions(file), (std::vector<std::string>{"Second", "First"}));
    EXPECT_EQ(readFile(file.parent_path() / "0.ico"), "icon of Second");
    EXPECT_EQ(readFile(file.parent_path() / "1.ico"), "icon of First");
    EXPECT_TRUE(filesNamed(file.parent_path(), ".tmp").empty());
    EXPECT_FALSE(editor.modified());
}

TEST_F(CategoryEditorTest, FiveCategoriesSavedAsThree)
{
    const fs::path file = base / "genre" / "Five" / "Five.qvc";
    makeCategoryFile(file, {"A", "B", "C", "D", "E"});
    showOn(file);
    editor.select(1);
    editor.removeClick();
    editor.select(2);
    editor.removeClick();
    editor.saveClick();

    const std::string text = readFile(file);
    EXPECT_NE(text.find("anz_items=3\r\n"), std::string::npos);
    EXPECT_EQ(CategoryFile::readCaptions(file), (std::vector<std::string>{"A", "C", "E"}));
    // The old sections 3 and 4 and their icons stay, unread.
    EXPECT_NE(text.find("[3]\r\ncaption=D"), std::string::npos);
    EXPECT_NE(text.find("[4]\r\ncaption=E"), std::string::npos);
    EXPECT_EQ(readFile(file.parent_path() / "1.ico"), "icon of C");
    EXPECT_EQ(readFile(file.parent_path() / "2.ico"), "icon of E");
    EXPECT_EQ(readFile(file.parent_path() / "3.ico"), "icon of D");
    EXPECT_EQ(readFile(file.parent_path() / "4.ico"), "icon of E");

    showOn(file);
    EXPECT_EQ(editor.entries().size(), 3u);
    EXPECT_EQ(editor.pictures().size(), 3u);
}

TEST_F(CategoryEditorTest, ListCommandsRefuseWithTheirMessages)
{
    enum Command { Remove, Up, Down };
    struct Case {
        std::vector<std::string> list;
        int selected;
        Command command;
        const char* key;
    };
    const Case cases[] = {
        {{}, -1, Remove, "M17"},
        {{}, -1, Up, "M19"},
        {{}, -1, Down, "M21"},
        {{"a", "b"}, -1, Remove, "M16"},
        {{"a", "b"}, -1, Up, "M16"},
        {{"a", "b"}, -1, Down, "M16"},
        {{"a", "b"}, 0, Up, "M18"},
        {{"a", "b"}, 1, Down, "M20"},
        {{"a"}, 0, Down, "M20"},
    };
    for (const auto& c : cases) {
        const fs::path file = base / "genre" / "t" / "t.qvc";
        makeCategoryFile(file, c.list);
        showOn(file);
        editor.select(c.selected);
        ui.messages.clear();
        switch (c.command) {
        case Remove: editor.removeClick(); break;
        case Up: editor.upClick(); break;
        case Down: editor.downClick(); break;
        }
        ASSERT_EQ(ui.messageKeys(), std::vector<std::string>{c.key}) << c.key;
        EXPECT_EQ(ui.messages[0].message.text, std::string("text ") + c.key);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
        EXPECT_EQ(captions(), c.list) << c.key;
        EXPECT_FALSE(editor.modified()) << c.key;
    }
}

TEST_F(CategoryEditorTest, DownAndRemoveChangeTheList)
{
    editor.prepare();
    editor.select(0);
    editor.downClick();
    EXPECT_EQ(captions(), (std::vector<std::string>{"Games", "Programs", "Tools"}));
    EXPECT_EQ(editor.selected(), 1);
    EXPECT_EQ(editor.entries()[1].iconSource, base / "Files" / "0.ico");
    editor.categoryKeyDown(Key::Delete);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Games", "Tools"}));
    // Removing an entry keeps its picture.
    EXPECT_EQ(editor.pictures().size(), 3u);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(ui.clicks, 1);  // the button, not the key
}

TEST_F(CategoryEditorTest, ListKeysRemoveOrRenameTheSelection)
{
    const struct {
        Key key;
        std::size_t entriesAfter;
        bool renameShown;
    } cases[] = {
        {Key::Delete, 2, false},
        {Key::F2, 3, true},
        {Key::Space, 3, true},
        {Key::Enter, 3, false},
        {Key::Other, 3, false},
    };
    ui.on<CategoryRenameWindow>([](CategoryRenameWindow& dlg) { dlg.cancelClick(); });
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        editor.prepare();  // reads the unsaved file again
        editor.select(1);
        ui.modalShown.clear();
        editor.categoryKeyDown(c.key);
        EXPECT_EQ(captions().size(), c.entriesAfter);
        EXPECT_EQ(ui.modalShown.size(), c.renameShown ? 1u : 0u);
    }
}

TEST_F(CategoryEditorTest, AddTakesTheNameAndAPackIcon)
{
    editor.prepare();
    editor.nameField() = "  ";
    editor.addClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M22"});
    EXPECT_TRUE(editor.nameFieldFocusRequested());
    EXPECT_TRUE(ui.modalShown.empty());

    ui.on<IconChooser>([&](IconChooser& iw) {
        EXPECT_EQ(iw.mode(), IconChooserMode::Add);
        iw.OKClick();  // nothing selected
        EXPECT_TRUE(iw.isOpen());
        iw.selectIcon(9);
        iw.OKClick();
        EXPECT_FALSE(iw.isOpen());
    });
    editor.nameField() = "Music";
    editor.addClick();

    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M22", "M25"}));
    EXPECT_EQ(captions(), (std::vector<std::string>{"Programs", "Games", "Tools", "Music"}));
    const auto& added = editor.entries().back();
    EXPECT_EQ(added.iconSource, base / "ip" / "ip01" / "ip01i10.ico");
    EXPECT_EQ(added.picture, 3);
    EXPECT_EQ(editor.pictures()[3].bytes, "pack 01 icon 10");
    EXPECT_TRUE(editor.nameField().empty());
    EXPECT_TRUE(editor.modified());

    // A cancelled chooser adds nothing.
    ui.on<IconChooser>([](IconChooser& w) { w.CancelClick(); });
    editor.nameField() = "Videos";
    editor.addClick();
    EXPECT_EQ(editor.entries().size(), 4u);
    EXPECT_EQ(editor.nameField(), "Videos");
}

TEST_F(CategoryEditorTest, ChangeIconGoesToTheSelectedOrTheFirstEntry)
{
    editor.prepare();
    int pick = 0;
    ui.on<IconChooser>([&](IconChooser& iw) {
        EXPECT_EQ(iw.mode(), IconChooserMode::Change);
        iw.selectIcon(pick);
        iw.OKClick();
    });
    editor.changeIconClick();
    EXPECT_EQ(editor.entries()[0].iconSource, base / "ip" / "ip01" / "ip01i01.ico");
    EXPECT_EQ(editor.entries()[0].picture, 3);

    pick = 4;
    editor.select(2);
    editor.changeIconClick();
    EXPECT_EQ(editor.entries()[2].iconSource, base / "ip" / "ip01" / "ip01i05.ico");
    EXPECT_EQ(editor.entries()[2].picture, 4);
    EXPECT_TRUE(editor.modified());

    // Saved, the pack icons become the file's own.
    const fs::path file = base / "genre" / "Mine.qvc";
    ui.fileAnswers.push_back(file);
    editor.saveClick();
    EXPECT_EQ(readFile(base / "genre" / "Mine" / "0.ico"), "pack 01 icon 01");
    EXPECT_EQ(readFile(base / "genre" / "Mine" / "1.ico"), "icon of Games");
    EXPECT_EQ(readFile(base / "genre" / "Mine" / "2.ico"), "pack 01 icon 05");
}

TEST_F(CategoryEditorTest, RenameRefusesAnEmptyText)
{
    editor.prepare();
    editor.select(1);
    ui.on<CategoryRenameWindow>([&](CategoryRenameWindow& dlg) {
        dlg.okClick();
        EXPECT_TRUE(dlg.isOpen());
        dlg.text() = "Arcade";
        dlg.okClick();
        EXPECT_FALSE(dlg.isOpen());
    });
    editor.renameItemClick();
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M6"});
    EXPECT_EQ(captions(), (std::vector<std::string>{"Programs", "Arcade", "Tools"}));

    // Without a selection the first entry is renamed; cancelling still marks the list modified.
    editor.select(-1);
    editor.clearModified();
    ui.on<CategoryRenameWindow>([](CategoryRenameWindow& dlg) {
        dlg.text() = "Apps";
        dlg.cancelClick();
    });
    editor.categoryKeyDown(Key::F2);
    EXPECT_EQ(captions()[0], "Programs");
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(editor.renameFromEditor("Apps"));
    EXPECT_EQ(captions()[0], "Apps");
}

TEST_F(CategoryEditorTest, RenameUsesTheApplicationsEditorWhenGiven)
{
    editor.prepare();
    int opened = 0;
    editor.setRenameEditor([&](CategoryEditor& e) {
        ++opened;
        e.renameFromEditor("Renamed");
    });
    editor.categoryDoubleClick();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(ui.modalShown.empty());
    EXPECT_EQ(captions()[0], "Renamed");
}

TEST_F(CategoryEditorTest, EmptyListOffersNoRenameOrIconChange)
{
    editor.newClick();
    editor.renameItemClick();
    editor.changeIconClick();
    EXPECT_TRUE(ui.modalShown.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CategoryEditorTest, InPlaceEditMarksTheListModified)
{
    editor.prepare();
    EXPECT_FALSE(editor.genreitemsEdited(0, " "));
    EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M6"});
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(editor.genreitemsEdited(2, "Utilities"));
    EXPECT_EQ(captions()[2], "Utilities");
    EXPECT_TRUE(editor.modified());
}

TEST_F(CategoryEditorTest, NewStartsAnUnnamedList)
{
    editor.prepare();
    editor.newClick();
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_TRUE(editor.pictures().empty());
    EXPECT_TRUE(editor.currentFile().empty());
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.caption(), "New category file");

    // Nothing to save: M24 from Save and from Save As, and no dialog.
    editor.saveClick();
    editor.saveAsClick();
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M24", "M24"}));
    EXPECT_TRUE(ui.fileDialogs.empty());
}

TEST_F(CategoryEditorTest, LoadReadsAnotherFileAndMarksTheProject)
{
    const fs::path other = base / "genre" / "Other" / "Other.qvc";
    makeCategoryFile(other, {"X", "Y"});
    editor.prepare();
    editor.select(0);
    editor.downClick();
    ui.fileAnswers.push_back(other);
    editor.loadClick();

    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_TRUE(ui.fileDialogs[0].mustExist);
    EXPECT_EQ(ui.fileDialogs[0].filters[0].first, "Krynt - Quenvar - Categoryfile");
    EXPECT_EQ(ui.fileDialogs[0].initialDir, base / "genre" / "");
    EXPECT_EQ(captions(), (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(editor.currentFile(), other);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(editor.caption(), "Category file " + pathText(other));

    // A cancelled dialog changes nothing.
    ui.fileAnswers.push_back(std::nullopt);
    editor.loadClick();
    EXPECT_EQ(editor.currentFile(), other);
    EXPECT_EQ(host.modified, 1);
}

TEST_F(CategoryEditorTest, OkWithoutChangesHandsTheFileToTheProject)
{
    const fs::path other = base / "genre" / "Other" / "Other.qvc";
    makeCategoryFile(other, {"X"});
    editor.prepare();
    ui.fileAnswers.push_back(other);
    editor.loadClick();
    editor.OKClick();

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(data.genre_file.fullPath(), other);
    EXPECT_EQ(host.confirmed, 1);
}

TEST_F(CategoryEditorTest, OkWithChangesAsksAndSaves)
{
    const fs::path file = base / "genre" / "Two" / "Two.qvc";
    makeCategoryFile(file, {"First", "Second"});
    showOn(file);
    editor.select(1);
    editor.upClick();

    ui.messageAnswers.push_back(MsgResult::Cancel);
    editor.OKClick();
    ASSERT_EQ(ui.messages.back().message.key, "M23");
    EXPECT_EQ(ui.messages.back().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(host.confirmed, 0);
    EXPECT_EQ(CategoryFile::readCaptions(file), (std::vector<std::string>{"First", "Second"}));

    ui.messageAnswers.push_back(MsgResult::Ok);  // OK to saving
    editor.OKClick();
    EXPECT_EQ(CategoryFile::readCaptions(file), (std::vector<std::string>{"Second", "First"}));
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.confirmed, 1);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(data.genre_file.fullPath(), file);
}

TEST_F(CategoryEditorTest, OkAfterACancelledSaveAsLeavesTheProjectWithoutAFile)
{
    editor.prepare();
    editor.newClick();
    ui.messageAnswers.push_back(MsgResult::Ok);  // M23; Save then finds no entries
    editor.OKClick();
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M23", "M24"}));
    EXPECT_TRUE(data.genre_file.empty());
    EXPECT_EQ(host.modified, 1);
    EXPECT_FALSE(editor.isOpen());
}

// OK's save that did not happen must not close the editor: the edits would be
// gone at the next showing.
TEST_F(CategoryEditorTest, OkStaysOpenWhenTheSaveItStartedDidNotHappen)
{
    const fs::path file = base / "genre" / "Two" / "Two.qvc";
    struct Case {
        const char* what;
        fs::path shownOn;
        std::function<void()> prepare;  // after the editor is shown
        std::vector<std::string> shown;  // message keys, or the error text's start
    };
    const std::vector<Case> cases{
        {"read-only file", file, [&] { setReadOnly(file, true); }, {"M23", "error"}},
        {"default file, Save As cancelled", standard, [&] { ui.fileAnswers.push_back(std::nullopt); }, {"M23"}},
        {"new list, Save As cancelled", file,
         [&] {
             editor.newClick();
             editor.nameField() = "Fresh";
             ui.on<IconChooser>([](IconChooser& iw) {
                 iw.selectIcon(0);
                 iw.OKClick();
             });
             editor.addClick();
             ui.fileAnswers.push_back(std::nullopt);  // Save As cancelled
         },
         {"M23"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        makeCategoryFile(file, {"First", "Second"});
        setReadOnly(file, false);
        const std::string before = readFile(c.shownOn);
        data.genre_file.assign(c.shownOn);
        ui.messages.clear();
        host.modified = 0;
        host.confirmed = 0;
        bool stayedOpen = false;
        ui.on<CategoryEditor>([&](CategoryEditor&) {
            c.prepare();
            editor.genreitemsEdited(0, "Changed");
            ui.messageAnswers.push_back(MsgResult::Ok);  // M23
            editor.OKClick();
            stayedOpen = editor.isOpen();
        });
        editor.execute();

        EXPECT_TRUE(stayedOpen);
        std::vector<std::string> keys = ui.messageKeys();
        if (keys.size() == 2 && ui.messages[1].kind == MsgKind::Error)
            keys[1] = "error";
        EXPECT_EQ(keys, c.shown);
        EXPECT_TRUE(editor.modified());
        EXPECT_EQ(editor.entries()[0].caption, "Changed");
        EXPECT_EQ(host.confirmed, 0);
        EXPECT_EQ(host.modified, 0);
        EXPECT_EQ(data.genre_file.fullPath(), c.shownOn);
        EXPECT_EQ(readFile(c.shownOn), before);
        ui.onModal.erase(WindowKind::IconChooser);
    }
}

TEST_F(CategoryEditorTest, CancelWritesNothingAndShowReadsTheFileAgain)
{
    const fs::path file = base / "genre" / "Two" / "Two.qvc";
    makeCategoryFile(file, {"First", "Second"});
    const std::string before = readFile(file);
    showOn(file);
    editor.genreitemsEdited(0, "Changed");
    editor.CancelClick();
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(data.genre_file.fullPath(), file);
    editor.prepare();
    EXPECT_EQ(captions()[0], "First");
    EXPECT_EQ(host.modified, 0);
}

TEST_F(CategoryEditorTest, FailedWriteIsShownAndKeepsTheChanges)
{
    const fs::path file = base / "genre" / "Two" / "Two.qvc";
    makeCategoryFile(file, {"First", "Second"});
    showOn(file);
    setReadOnly(file, true);
    editor.genreitemsEdited(0, "Changed");
    editor.saveClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.messages[0].message.text, "nach " + pathText(file) + " kann nicht geschrieben werden");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(readFile(file.parent_path() / "0.ico"), "icon of First");
}

TEST_F(CategoryEditorTest, HelpOpensItsTopic)
{
    editor.HelpClick();
    ASSERT_EQ(ui.helpShown.size(), 1u);
    EXPECT_EQ(ui.helpShown[0].second, 4050);
    EXPECT_EQ(ui.helpShown[0].first.parent_path(), base / "Help");
    EXPECT_EQ(ui.clicks, 1);
}

TEST_F(CategoryEditorTest, UnreadableIconsGiveEmptyPictures)
{
    const fs::path file = base / "genre" / "Odd" / "Odd.qvc";
    writeFile(file, "[general]\r\nanz_items=2\r\n[0]\r\ncaption=A\r\nicon_number=7\r\n[1]\r\n");
    showOn(file);
    ASSERT_EQ(editor.entries().size(), 2u);
    EXPECT_EQ(editor.entries()[1].caption, "Fehler");
    EXPECT_EQ(editor.entries()[0].picture, 7);
    EXPECT_EQ(editor.entries()[0].iconSource, file.parent_path() / "7.ico");
    ASSERT_EQ(editor.pictures().size(), 2u);
    EXPECT_FALSE(editor.pictures()[0].valid);
    EXPECT_TRUE(editor.pictures()[0].bytes.empty());
}

TEST_F(CategoryEditorTest, AddStopsAtTheLargestCountAFileHolds)
{
    const fs::path file = base / "genre" / "Full" / "Full.qvc";
    std::vector<std::string> many;
    for (int n = 0; n < CategoryFile::kMaxCategories; ++n)
        many.push_back("c" + std::to_string(n));
    makeCategoryFile(file, many);
    showOn(file);
    ASSERT_EQ(editor.entries().size(), 255u);
    editor.nameField() = "One more";
    language.setMessage("M59", "Höchstens %s Kategorien.");
    editor.addClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].message.key, "M59");
    EXPECT_EQ(ui.messages[0].message.text, "Höchstens 255 Kategorien.");
    EXPECT_TRUE(ui.modalShown.empty());
    EXPECT_EQ(editor.entries().size(), 255u);
    EXPECT_EQ(editor.nameField(), "One more");
}
