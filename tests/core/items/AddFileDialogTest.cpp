#include "items/AddFileDialog.h"

#include "items/ItemRules.h"
#include "project/ItemFields.h"
#include "util/Text.h"

#include "ItemEntryFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

struct AddFileFixture : ItemEntryFixture {
    AddFileDialog dialog{context()};

    // Open, Select File with the chooser answering path, then OK.
    void add(const fs::path& path, const std::string& name = {})
    {
        dialog.prepare();
        ui.fileAnswers.push_back(path);
        dialog.selectFileClick();
        if (!name.empty())
            dialog.setInput(AddFileDialog::Input::Name, name);
        dialog.addClick();
    }
};

}  // namespace

TEST(AddFileDialog, ProposesTheFieldsOfTheChosenFile)
{
    struct Case {
        const char* file;
        std::uintmax_t size;
        const char* name;
        const char* cdSize;
        bool execute;
    };
    const Case cases[] = {
        {"setup.beta.exe", 3145727, "setup", "2 MB", true},
        {"readme.first.txt", 1048576, "readme", "1 MB", true},
        {"data.dat", 1048575, "data", "< 1 MB", false},
        {"LICENSE", 5767168, "LICENSE", "5 MB", false},
        {"toolkit", 0, "toolkit", "< 1 MB", true},  // ends in "it": a module tune
    };
    for (const Case& c : cases) {
        AddFileFixture f;
        const fs::path path = f.file(std::string("Tools/") + c.file, c.size);
        f.dialog.prepare();
        f.ui.fileAnswers.push_back(path);
        f.dialog.selectFileClick();
        EXPECT_EQ(f.dialog.input(AddFileDialog::Input::Name), c.name) << c.file;
        EXPECT_EQ(f.dialog.fileName(), c.file);
        EXPECT_EQ(f.dialog.filePath(), folderText(f.project / "Tools"));
        EXPECT_EQ(f.dialog.input(AddFileDialog::Input::CdSize), c.cdSize) << c.file;
        EXPECT_EQ(f.dialog.executable(), c.execute) << c.file;
        for (auto in : {AddFileDialog::Input::Serial, AddFileDialog::Input::HdSize, AddFileDialog::Input::Description,
                        AddFileDialog::Input::Address})
            EXPECT_EQ(f.dialog.input(in), "n/a");
        EXPECT_TRUE(f.dialog.copy());
        EXPECT_TRUE(f.dialog.takeNameFocus());
    }
}

TEST(AddFileDialog, AFileWhoseSizeCantBeReadProposesLessThanOneMegabyte)
{
    AddFileFixture f;
    f.dialog.prepare();
    f.dialog.fileChosen(f.project / "gone.exe");
    EXPECT_EQ(f.dialog.input(AddFileDialog::Input::CdSize), "< 1 MB");
    EXPECT_EQ(f.dialog.input(AddFileDialog::Input::Name), "gone");
}

TEST(AddFileDialog, ChooserOffersTheFiltersInOrderAndKeepsItsStartFolder)
{
    AddFileFixture f;
    f.dialog.setStartFolder(f.project);
    f.dialog.prepare();
    f.ui.fileAnswers.push_back(std::nullopt);
    f.dialog.selectFileClick();
    ASSERT_EQ(f.ui.fileDialogs.size(), 1u);
    const FileDialogSpec& spec = f.ui.fileDialogs[0];
    ASSERT_EQ(spec.filters.size(), 15u);
    EXPECT_EQ(spec.filters[0].first, "All Supported Files");
    EXPECT_EQ(spec.filters[1].second, "*.*");
    EXPECT_EQ(spec.filters[14].first, "Zip files (*.zip)");
    EXPECT_EQ(spec.initialDir, f.project);
    EXPECT_TRUE(spec.mustExist);
    // A cancelled chooser changes nothing.
    EXPECT_TRUE(f.dialog.fileName().empty());

    // OK moves the start folder to the folder of the file added.
    f.add(f.file("Tools/a.exe"));
    EXPECT_EQ(f.dialog.startFolder(), f.project / "Tools");
    f.dialog.prepare();
    f.ui.fileAnswers.push_back(std::nullopt);
    f.dialog.selectFileClick();
    EXPECT_EQ(f.ui.fileDialogs.back().initialDir, f.project / "Tools");
}

TEST(AddFileDialog, OkWritesTheTwelveFieldsThroughTheColumnMap)
{
    AddFileFixture f;
    // Name shown in the fifth column: the dialog must go by the map.
    f.table.moveColumn(1, 5);
    ASSERT_NE(f.table.columnOf(FieldName), 1);
    const fs::path path = f.file("Tools/setup.beta.exe", 2 * 1048576);
    f.dialog.prepare();
    f.ui.fileAnswers.push_back(path);
    f.dialog.selectFileClick();
    f.dialog.setInput(AddFileDialog::Input::Serial, "123-456");
    f.dialog.setInput(AddFileDialog::Input::Description, "The installer");
    f.dialog.sizeFillInClick();
    f.dialog.setCategoryIndex(2);
    f.dialog.setCopy(false);
    f.dialog.setSchemeIndex(1);
    f.dialog.setInput(AddFileDialog::Input::Address, "example.org");
    f.dialog.addClick();

    EXPECT_FALSE(f.dialog.isOpen());
    EXPECT_EQ(f.dialog.result(), ModalResult::Ok);
    ASSERT_EQ(f.table.rowCount(), 2);
    const std::vector<std::string> expected{"setup", "setup.beta.exe", "\\Tools\\", "123-456", "2 MB", "2 MB",
                                            "The installer", "Tools", f.table.noWord(), pathText(path),
                                            "https://example.org", f.table.yesWord()};
    EXPECT_EQ(f.row(1), expected);
    EXPECT_TRUE(f.table.isModified());
    EXPECT_EQ(f.table.currentRow(), 1);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.dialog.addedRows(), (std::pair<int, int>{1, 1}));
}

TEST(AddFileDialog, TheFirstItemFillsRowOneAndEveryOtherIsAppended)
{
    AddFileFixture f;
    f.add(f.file("a.txt"));
    f.add(f.file("b.txt"));
    ASSERT_EQ(f.table.rowCount(), 3);
    EXPECT_EQ(f.table.read(FieldName, 1), "a");
    EXPECT_EQ(f.table.read(FieldName, 2), "b");
    EXPECT_EQ(f.table.read(FieldCdPath, 2), "\\");
    EXPECT_EQ(f.table.currentRow(), 2);
}

TEST(AddFileDialog, NeverWritesOverAnExistingItem)
{
    // Row 1 with Name and File Name emptied by editing, and a blank row 1
    // with a further item below it: both stay as they are.
    for (const bool furtherRow : {false, true}) {
        AddFileFixture f;
        if (furtherRow) {
            f.table.setRowCount(3);
            f.table.write(FieldName, 2, "second");
            f.table.write(FieldFileName, 2, "second.txt");
        } else {
            f.table.write(FieldDescription, 1, "kept");
            f.table.write(FieldSourceLocation, 1, "/somewhere/x.txt");
        }
        const auto before1 = f.row(1);
        const int rows = f.table.rowCount();
        f.add(f.file("new.txt"));
        ASSERT_EQ(f.table.rowCount(), rows + 1) << furtherRow;
        EXPECT_EQ(f.row(1), before1);
        EXPECT_EQ(f.table.read(FieldName, rows), "new");
    }
}

TEST(AddFileDialog, AnEmptyNameKeepsTheDialogOpenAndWritesNothing)
{
    AddFileFixture f;
    f.dialog.prepare();
    f.ui.fileAnswers.push_back(f.file("a.txt"));
    f.dialog.selectFileClick();
    (void)f.dialog.takeNameFocus();
    f.dialog.setInput(AddFileDialog::Input::Name, "");
    f.dialog.addClick();
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M4"});
    EXPECT_TRUE(f.dialog.isOpen());
    EXPECT_TRUE(f.dialog.takeNameFocus());
    EXPECT_TRUE(f.table.read(FieldFileName, 1).empty());
    EXPECT_FALSE(f.table.isModified());
}

TEST(AddFileDialog, AFileOutsideTheProjectFolderIsStoredWholeAndWarnedAboutAfterItsRow)
{
    AddFileFixture f;
    const fs::path outside = f.dir / "elsewhere" / "tool.exe";
    writeFile(outside, "MZ");
    // The row must already be there when the warning shows.
    struct Watch final : ItemTableObserver {
        ItemTable* table;
        FakeUi* ui;
        std::size_t messagesWhenWritten = 99;
        void cellsChanged(int, int, int, int) override
        {
            if (!table->read(FieldExecute, 1).empty() && messagesWhenWritten == 99)
                messagesWhenWritten = ui->messages.size();
        }
    } watch;
    watch.table = &f.table;
    watch.ui = &f.ui;
    f.table.addObserver(&watch);
    f.add(outside);
    f.table.removeObserver(&watch);
    // The whole folder, its separators as on the CD (a POSIX path brings its own leading one).
    std::string expectedPath = folderText(outside.parent_path());
    for (char& c : expectedPath)
        if (c == '/')
            c = '\\';
    EXPECT_EQ(f.table.read(FieldCdPath, 1), expectedPath);
    ASSERT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M3"});
    EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(watch.messagesWhenWritten, 0u);
    EXPECT_EQ(f.table.read(FieldName, 1), "tool");
}

TEST(AddFileDialog, AFolderMatchingTheProjectFolderOnlyWithoutCaseIsNotWarnedAbout)
{
    AddFileFixture f;
    f.projectFolder = asciiUpper(f.projectFolder);
    f.add(f.file("Tools/a.txt"));
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.table.read(FieldCdPath, 1).front(), '\\');
    EXPECT_GT(f.table.read(FieldCdPath, 1).size(), std::string("\\Tools\\").size());
}

TEST(AddFileDialog, HomepageTakesTheSchemeOnlyForAnAddress)
{
    const std::vector<std::tuple<int, const char*, const char*>> cases{
        {0, "n/a", "n/a"}, {0, "", ""}, {2, "abc", "ftp://abc"}, {0, "www.x.org", "http://www.x.org"}};
    for (const auto& [scheme, address, expected] : cases) {
        AddFileFixture f;
        f.dialog.prepare();
        f.ui.fileAnswers.push_back(f.file("a.txt"));
        f.dialog.selectFileClick();
        f.dialog.setSchemeIndex(scheme);
        f.dialog.setInput(AddFileDialog::Input::Address, address);
        f.dialog.addClick();
        EXPECT_EQ(f.table.read(FieldHomepage, 1), expected) << address;
    }
}

TEST(AddFileDialog, TheTipComesBeforeTheRowAndItsBoxClearsTheFlag)
{
    AddFileFixture f;
    f.tipFlag = true;
    int shown = 0;
    f.ui.on<AddItemTip>([&](AddItemTip& tip) {
        ++shown;
        EXPECT_TRUE(f.table.read(FieldFileName, 1).empty()) << "the row was written before the tip";
        EXPECT_TRUE(tip.showNextTime());
        EXPECT_EQ(tip.text(AddItemTip::Heading), "Important Information");
        tip.setShowNextTime(false);
        tip.okClick();
    });
    f.add(f.file("a.txt"));
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(f.tipFlag);
    EXPECT_EQ(f.table.read(FieldName, 1), "a");
    f.add(f.file("b.txt"));
    EXPECT_EQ(shown, 1);

    // Turned on again from the menu, the tip comes back with its box ticked.
    f.tipFlag = true;
    f.ui.on<AddItemTip>([&](AddItemTip& tip) {
        ++shown;
        EXPECT_TRUE(tip.showNextTime());
        tip.okClick();
    });
    f.add(f.file("c.txt"));
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(f.tipFlag);
}

TEST(AddFileDialog, OpenWithoutAProjectSaysM1AndShowsNothing)
{
    AddFileFixture f;
    f.projectOpen = false;
    f.dialog.execute();
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M1"});
    EXPECT_TRUE(f.ui.modalShown.empty());

    f.projectOpen = true;
    f.ui.on<AddFileDialog>([&](AddFileDialog& d) {
        EXPECT_EQ(d.categoryIndex(), 0);
        EXPECT_EQ(d.categories(), f.categories.captions());
        d.helpClick();
        d.cancelClick();
    });
    f.dialog.execute();
    EXPECT_EQ(f.dialog.result(), ModalResult::Cancel);
    ASSERT_EQ(f.ui.helpShown.size(), 1u);
    EXPECT_EQ(f.ui.helpShown[0].second, 2100);
    EXPECT_FALSE(f.table.isModified());
}

TEST(AddFileDialog, KeepsCategoryAndExecuteBetweenShowings)
{
    AddFileFixture f;
    f.dialog.prepare();
    f.ui.fileAnswers.push_back(f.file("data.dat"));
    f.dialog.selectFileClick();
    f.dialog.setCategoryIndex(1);
    f.dialog.addClick();
    f.dialog.prepare();
    EXPECT_FALSE(f.dialog.executable());
    EXPECT_EQ(f.dialog.categoryIndex(), 1);
    EXPECT_TRUE(f.dialog.input(AddFileDialog::Input::Name).empty());
    // A shorter list drops a choice it no longer has.
    f.setCategories({"Only"});
    f.dialog.prepare();
    EXPECT_EQ(f.dialog.categoryIndex(), 0);
}

TEST(AddFileDialog, OkWithoutAChosenFileTakesNoPathFromAnEarlierShowing)
{
    AddFileFixture f;
    f.add(f.file("a.txt"));
    f.dialog.prepare();
    f.dialog.setInput(AddFileDialog::Input::Name, "Typed");
    f.dialog.addClick();
    ASSERT_EQ(f.table.rowCount(), 3);
    EXPECT_TRUE(f.table.read(FieldSourceLocation, 2).empty());
    EXPECT_EQ(f.table.read(FieldCdPath, 2), "\\");
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(AddFileDialog, TypedFieldsStopAtTheirCapacity)
{
    AddFileFixture f;
    f.dialog.prepare();
    const std::string longText(2000, 'x');
    for (auto in : {AddFileDialog::Input::Name, AddFileDialog::Input::Serial, AddFileDialog::Input::CdSize,
                    AddFileDialog::Input::HdSize, AddFileDialog::Input::Description, AddFileDialog::Input::Address}) {
        f.dialog.setInput(in, longText);
        EXPECT_EQ(f.dialog.input(in).size(), f.dialog.capacity(in).bytes());
        EXPECT_LT(f.dialog.input(in).size(), longText.size());
    }
    // The address leaves room for any scheme in front of it.
    f.dialog.setSchemeIndex(1);
    f.dialog.setInput(AddFileDialog::Input::Name, "n");
    f.dialog.addClick();
    EXPECT_TRUE(FieldCapacity::ofItem(FieldHomepage).fits(f.table.read(FieldHomepage, 1)));
}
