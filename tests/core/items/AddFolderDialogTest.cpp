#include "items/AddFolderDialog.h"

#include "items/FolderItemNaming.h"
#include "project/ItemFields.h"

#include "ItemEntryFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

struct AddFolderFixture : ItemEntryFixture {
    FolderItemNaming naming{ui};
    AddFolderDialog dialog{context(), naming};

    // A folder of three files and a subfolder of two, beside hidden ones
    // that no search lists.
    fs::path photos()
    {
        const fs::path top = project / "Photos";
        for (const char* name : {"c.jpg", "a.jpg", "b.jpg", "Sub/e.jpg", "Sub/d.jpg", ".hidden.jpg",
                                 ".cache/x.jpg", "Sub/.y.jpg"})
            writeFile(top / name, "x");
        return top;
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : dialog.entries())
            out.push_back(e.name);
        return out;
    }
};

struct ResetCounter final : ItemTableObserver {
    int resets = 0;
    int otherChanges = 0;
    void tableReset() override { ++resets; }
    void rowsInserted(int, int) override { ++otherChanges; }
    void cellsChanged(int, int, int, int) override { ++otherChanges; }
};

}  // namespace

TEST(AddFolderDialog, TheSearchListsVisibleFilesFolderFirstAndSubfoldersOnRequest)
{
    AddFolderFixture f;
    const fs::path top = f.photos();
    f.dialog.prepare();
    EXPECT_FALSE(f.dialog.listVisible());

    f.ui.folderAnswers.push_back(top);
    f.dialog.selectFileClick();
    EXPECT_EQ(f.names(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(f.dialog.filePath(), folderText(top));
    EXPECT_EQ(f.dialog.selectedCount(), 3u);
    EXPECT_TRUE(f.dialog.listVisible());

    f.dialog.setIncludeSubfolders(true);
    ASSERT_TRUE(f.dialog.searchFolder(top));
    EXPECT_EQ(f.names(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
    EXPECT_EQ(f.dialog.entries()[3].folder, folderText(top / "Sub"));
    EXPECT_EQ(f.dialog.selectedCount(), 5u);
    EXPECT_EQ(f.ui.work, (std::vector<std::string>{"addfolder", "addfolder"}));

    // Include Subfolders stays for the next showing; the list does not.
    f.dialog.prepare();
    EXPECT_TRUE(f.dialog.includeSubfolders());
    EXPECT_TRUE(f.dialog.entries().empty());
}

TEST(AddFolderDialog, AnEmptyFolderGivesNothingToAddAndOkSaysM2)
{
    AddFolderFixture f;
    fs::create_directories(f.project / "Empty" / "Deeper");
    f.dialog.prepare();
    f.dialog.setIncludeSubfolders(true);
    ASSERT_TRUE(f.dialog.searchFolder(f.project / "Empty"));
    EXPECT_TRUE(f.dialog.entries().empty());
    f.dialog.addClick();
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M2"});
    EXPECT_TRUE(f.dialog.isOpen());
    EXPECT_EQ(f.table.rowCount(), 2);
    EXPECT_FALSE(f.table.isModified());
}

TEST(AddFolderDialog, OkWritesOneRowPerSelectedFileWithTheCommonSettings)
{
    AddFolderFixture f;
    const fs::path top = f.photos();
    writeFile(top / "big.jpg", "");
    fs::resize_file(top / "big.jpg", 3 * 1048576);
    f.table.moveColumn(8, 2);
    f.dialog.prepare();
    f.dialog.setIncludeSubfolders(true);
    f.dialog.searchFolder(top);
    ASSERT_EQ(f.dialog.entries().size(), 6u);
    f.dialog.setSelected(1, false);  // b.jpg
    f.dialog.setInput(AddFolderDialog::Input::Serial, "S-1");
    f.dialog.setInput(AddFolderDialog::Input::Description, "Holiday");
    f.dialog.setCategoryIndex(1);
    f.dialog.setExecutable(false);
    f.dialog.setInput(AddFolderDialog::Input::Address, "photos.example");
    f.dialog.addClick();

    EXPECT_FALSE(f.dialog.isOpen());
    ASSERT_EQ(f.table.rowCount(), 6);
    const std::vector<std::string> names{"a", "big", "c", "d", "e"};
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(f.table.read(FieldName, r), names[static_cast<std::size_t>(r - 1)]);
        EXPECT_EQ(f.table.read(FieldSerial, r), "S-1");
        EXPECT_EQ(f.table.read(FieldHdSize, r), "n/a");
        EXPECT_EQ(f.table.read(FieldDescription, r), "Holiday");
        EXPECT_EQ(f.table.read(FieldCategory, r), "Games");
        EXPECT_EQ(f.table.read(FieldCopy, r), f.table.yesWord());
        EXPECT_EQ(f.table.read(FieldExecute, r), f.table.noWord());
        EXPECT_EQ(f.table.read(FieldHomepage, r), "http://photos.example");
    }
    EXPECT_EQ(f.table.read(FieldCdPath, 1), "\\Photos\\");
    EXPECT_EQ(f.table.read(FieldCdPath, 4), "\\Photos\\Sub\\");
    EXPECT_EQ(f.table.read(FieldCdSize, 2), "3 MB");
    EXPECT_EQ(f.table.read(FieldCdSize, 1), "< 1 MB");
    EXPECT_EQ(f.table.read(FieldFileName, 4), "d.jpg");
    EXPECT_EQ(f.table.read(FieldSourceLocation, 4), pathText(top / "Sub" / "d.jpg"));
    EXPECT_TRUE(f.table.isModified());
    EXPECT_EQ(f.table.currentRow(), 5);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.dialog.addedRows(), (std::pair<int, int>{1, 5}));
}

TEST(AddFolderDialog, CommonNamesAreNumberedOverTheSelectedFilesOnly)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"Photo", {"Photo 1", "Photo 2"}},
        {"", {"1", "2"}},
    };
    for (const auto& [common, expected] : cases) {
        AddFolderFixture f;
        const fs::path top = f.photos();
        f.dialog.prepare();
        f.dialog.searchFolder(top);
        f.dialog.setSelected(0, false);
        f.dialog.setNaming(AddFolderDialog::Naming::Common);
        f.dialog.setInput(AddFolderDialog::Input::CommonName, common);
        f.dialog.addClick();
        ASSERT_EQ(f.table.rowCount(), 3) << common;
        EXPECT_EQ(f.table.read(FieldName, 1), expected[0]);
        EXPECT_EQ(f.table.read(FieldName, 2), expected[1]);
        EXPECT_EQ(f.table.read(FieldFileName, 1), "b.jpg");
    }
}

TEST(AddFolderDialog, AskMeAsksOncePerFileAndCancelKeepsTheBareName)
{
    AddFolderFixture f;
    const fs::path top = f.photos();
    f.dialog.prepare();
    f.dialog.searchFolder(top);
    f.dialog.setSelected(2, false);
    f.dialog.setNaming(AddFolderDialog::Naming::Ask);
    std::vector<std::string> asked;
    f.ui.on<FolderItemNaming>([&](FolderItemNaming& n) {
        asked.push_back(n.fileName());
        EXPECT_EQ(n.name(), asked.size() == 1 ? "a" : "b");
        if (asked.size() == 1) {
            n.setName("typed but cancelled");
            n.cancelClick();
        } else {
            n.setName("Beach");
            n.okClick();
        }
    });
    f.dialog.addClick();
    EXPECT_EQ(asked, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_EQ(f.table.read(FieldName, 1), "a");
    EXPECT_EQ(f.table.read(FieldName, 2), "Beach");
}

TEST(AddFolderDialog, RowsComeInOneBatchAfterTheExistingItems)
{
    AddFolderFixture f;
    f.table.write(FieldName, 1, "old");
    f.table.write(FieldFileName, 1, "old.txt");
    const fs::path top = f.photos();
    f.dialog.prepare();
    f.dialog.setIncludeSubfolders(true);
    f.dialog.searchFolder(top);
    ResetCounter counter;
    f.table.addObserver(&counter);
    f.dialog.addClick();
    f.table.removeObserver(&counter);
    EXPECT_EQ(counter.resets, 1);
    EXPECT_EQ(counter.otherChanges, 0);
    ASSERT_EQ(f.table.rowCount(), 7);
    EXPECT_EQ(f.table.read(FieldName, 1), "old");
    EXPECT_EQ(f.table.read(FieldName, 2), "a");
}

TEST(AddFolderDialog, AStoppedSearchListsNothingAndAStoppedOkAddsNothing)
{
    AddFolderFixture f;
    const fs::path top = f.photos();
    f.dialog.prepare();
    f.dialog.setIncludeSubfolders(true);
    f.ui.stopAtProgress = 1;  // once the first folder's files are listed
    EXPECT_FALSE(f.dialog.searchFolder(top));
    EXPECT_TRUE(f.dialog.entries().empty());

    f.ui.stopAtProgress.reset();
    ASSERT_TRUE(f.dialog.searchFolder(top));
    ASSERT_EQ(f.dialog.entries().size(), 5u);
    f.ui.stopAtProgress = 0;
    f.dialog.addClick();
    EXPECT_TRUE(f.dialog.isOpen());
    EXPECT_EQ(f.table.rowCount(), 2);
    EXPECT_TRUE(f.table.read(FieldFileName, 1).empty());
    EXPECT_FALSE(f.table.isModified());
}

TEST(AddFolderDialog, AFolderOutsideTheProjectFolderIsWarnedAboutWithCaseCounting)
{
    for (const bool upperCasedProject : {false, true}) {
        AddFolderFixture f;
        const fs::path top = upperCasedProject ? f.photos() : f.dir / "outside";
        if (!upperCasedProject)
            writeFile(top / "x.txt", "x");
        if (upperCasedProject)
            for (char& c : f.projectFolder)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        f.dialog.prepare();
        f.dialog.searchFolder(top);
        f.dialog.addClick();
        EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M3"}) << upperCasedProject;
        EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Warning);
        EXPECT_GT(f.table.rowCount(), 1);
        EXPECT_FALSE(f.table.read(FieldFileName, 1).empty());
    }
}

TEST(AddFolderDialog, TheTipFollowsTheRowsAndOpenWithoutAProjectSaysM1)
{
    AddFolderFixture f;
    f.tipFlag = true;
    const fs::path top = f.photos();
    f.dialog.prepare();
    f.dialog.searchFolder(top);
    int shown = 0;
    f.ui.on<AddItemTip>([&](AddItemTip& tip) {
        ++shown;
        EXPECT_EQ(f.table.read(FieldFileName, 3), "c.jpg") << "the tip came before the rows";
        tip.okClick();
    });
    f.dialog.addClick();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(f.tipFlag);

    f.projectOpen = false;
    f.dialog.execute();
    EXPECT_EQ(f.ui.messageKeys(), std::vector<std::string>{"M1"});
}

TEST(AddFolderDialog, TheBrowserStartsInTheProjectFolderWithoutItsSeparator)
{
    AddFolderFixture f;
    f.dialog.prepare();
    f.ui.folderAnswers.push_back(std::nullopt);
    f.dialog.selectFileClick();
    EXPECT_FALSE(f.dialog.listVisible());
    ASSERT_EQ(f.ui.folderStarts.size(), 1u);
    EXPECT_EQ(f.ui.folderStarts[0], f.project);
}
