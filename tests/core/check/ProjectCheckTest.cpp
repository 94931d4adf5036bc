#include "check/CheckCommand.h"
#include "check/ProjectCheck.h"

#include "i18n/Language.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

namespace fs = std::filesystem;

struct Item {
    std::string name;
    std::string fileName;
    std::string cdPath;
    std::string source;
};

// A project folder in a temporary folder, an item table and the check command on it.
struct CheckFixture : ::testing::Test {
    TempDir dir;
    std::string root = folderText(dir / "cd");
    ItemTable table;
    Language language;
    FakeUi ui;
    CheckCommand command{table, ui, language, dir / "base"};

    CheckFixture()
    {
        fs::create_directories(dir / "cd");
        // Every check ends on its summary; the person only reads it.
        ui.onModal[WindowKind::CheckSummary] = [](ModalWindow&) {};
    }

    void file(std::string_view relative) { writeFile(dir / "cd" / relative, "x"); }
    std::string at(std::string_view relative) const { return root + std::string(relative); }

    int add(const Item& item)
    {
        int row = table.rowCount() - 1;
        if (!table.isEmptyRow(row) || table.rowCount() > 2)
            row = table.appendRow();
        table.write(FieldName, row, item.name);
        table.write(FieldFileName, row, item.fileName);
        table.write(FieldCdPath, row, item.cdPath);
        table.write(FieldSourceLocation, row, item.source);
        table.write(FieldCategory, row, "Tools");
        table.write(FieldCopy, row, "yes");
        return row;
    }
    Item rowItem(int row) const
    {
        return {table.read(FieldName, row), table.read(FieldFileName, row), table.read(FieldCdPath, row),
                table.read(FieldSourceLocation, row)};
    }
    const CheckResult& check()
    {
        command.checkClick(root);
        return command.summary().result();
    }
    std::vector<WindowKind> modals() const { return ui.modalShown; }
};

bool operator==(const Item& a, const Item& b)
{
    return a.name == b.name && a.fileName == b.fileName && a.cdPath == b.cdPath && a.source == b.source;
}
void PrintTo(const Item& i, std::ostream* os)
{
    *os << "{" << i.name << ", " << i.fileName << ", " << i.cdPath << ", " << i.source << "}";
}

TEST_F(CheckFixture, MovedFileIsRepointedToItsNewFolder)
{
    file("b/c/tool.exe");
    add({"Tool", "tool.exe", "\\a\\", at("a/tool.exe")});

    const CheckResult& result = check();

    EXPECT_EQ(rowItem(1), (Item{"Tool", "tool.exe", "\\b\\c\\", at("b/c/tool.exe")}));
    ASSERT_EQ(result.repointed.size(), 1u);
    EXPECT_EQ(result.repointed[0],
              (RepointedItem{"Tool", "tool.exe", "\\b\\c\\", "\\a\\", at("b/c/tool.exe"), at("a/tool.exe")}));
    EXPECT_TRUE(result.removed.empty());
    EXPECT_EQ(modals(), std::vector<WindowKind>{WindowKind::CheckSummary});
    EXPECT_EQ(ui.clicks, 1);
    EXPECT_EQ(table.read(FieldCategory, 1), "Tools");
    EXPECT_EQ(table.read(FieldCopy, 1), "yes");
}

TEST_F(CheckFixture, FileFoundInTheProjectFolderGetsASingleBackslash)
{
    file("Readme.TXT");
    add({"Readme", "readme.txt", "\\docs\\", at("docs/readme.txt")});

    check();

    // The File Name is the pattern, so it is kept as the item had it.
    EXPECT_EQ(rowItem(1), (Item{"Readme", "readme.txt", "\\", at("readme.txt")}));
}

TEST_F(CheckFixture, FieldsAreFoundThroughTheColumnMap)
{
    table.moveColumn(1, 10);
    table.moveColumn(3, 2);
    file("b/tool.exe");
    add({"Tool", "tool.exe", "\\a\\", at("a/tool.exe")});

    check();

    EXPECT_EQ(rowItem(1), (Item{"Tool", "tool.exe", "\\b\\", at("b/tool.exe")}));
}

TEST_F(CheckFixture, HyperlinksAndExistingFilesStayAsTheyAre)
{
    file("a/here.txt");
    file("b/link.url");
    const std::vector<Item> items = {
        {"Site", "www.example.com", "", ""},
        {"Odd link", "link.url", "", at("nowhere/link.url")},
        {"Here", "here.txt", "\\wrong\\", at("a/here.txt")},
    };
    for (const auto& item : items)
        add(item);

    const CheckResult& result = check();

    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(rowItem(row), items[static_cast<std::size_t>(row - 1)]);
    EXPECT_FALSE(result.changedAnything());
    EXPECT_EQ(command.stats().walks, 0);
    EXPECT_EQ(command.stats().directoryReads, 0);
}

TEST_F(CheckFixture, JumpPointsStayExactlyWhenTheirFolderExists)
{
    fs::create_directories(dir / "cd" / "sub" / "deeper");
    file("sub/file.txt");
    add({"Root", "Jump Point", "", ""});
    add({"Sub", "JUMP POINT", "\\sub\\deeper\\", ""});
    add({"Gone", "jump point", "\\gone\\", at("sub/")});
    add({"A file, not a folder", "Jump Point", "\\sub\\file.txt", ""});

    const CheckResult& result = check();

    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.read(FieldName, 1), "Root");
    EXPECT_EQ(table.read(FieldName, 2), "Sub");
    ASSERT_EQ(result.removed.size(), 2u);
    EXPECT_EQ(result.removed[0], (RemovedItem{"Gone", "jump point", "\\gone\\", at("sub/")}));
    EXPECT_EQ(result.removed[1].name, "A file, not a folder");
    EXPECT_EQ(command.stats().walks, 0);
}

// An unmounted disc or network folder, or a project from another machine:
// nothing below the folder can be judged, so nothing is removed.
TEST_F(CheckFixture, AMissingProjectFolderIsReportedAndRemovesNothing)
{
    language.setMessage("M58", "Project folder %s not found.");
    for (const bool emptyFolder : {false, true}) {
        SCOPED_TRACE(emptyFolder ? "no project folder" : "folder gone");
        table.setRowCount(2);
        table.clearRow1();
        table.setModified(false);
        ui.messages.clear();
        ui.modalShown.clear();
        add({"Root", "Jump Point", "", ""});
        add({"Tool", "tool.exe", "\\x\\", at("x/tool.exe")});
        fs::remove_all(dir / "cd");

        command.checkClick(emptyFolder ? "" : root);

        EXPECT_EQ(ui.messageKeys(), std::vector<std::string>{"M58"});
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
        EXPECT_EQ(ui.messages[0].message.text, "Project folder " + (emptyFolder ? std::string() : root) + " not found.");
        EXPECT_TRUE(modals().empty()) << "no summary";
        ASSERT_EQ(table.rowCount(), 3);
        EXPECT_EQ(rowItem(1), (Item{"Root", "Jump Point", "", ""}));
        EXPECT_EQ(rowItem(2).name, "Tool");
        EXPECT_FALSE(table.isModified());
        EXPECT_EQ(command.stats().walks, 0);

        ProjectCheck unattended(table, language);
        const CheckResult result = unattended.runUnattended(emptyFolder ? "" : root);
        EXPECT_TRUE(result.projectFolderMissing);
        EXPECT_FALSE(result.changedAnything());
        EXPECT_EQ(table.rowCount(), 3);
        EXPECT_FALSE(table.isModified());
    }
}

// A jump point keeps the word of the language it was made in.
TEST_F(CheckFixture, JumpPointsOfEveryInterfaceLanguageStay)
{
    fs::create_directories(dir / "cd" / "sub");
    const std::vector<std::string> words{"Jump Point", "Sprungpunkt", "Точка перехода", "Punto de salto",
                                         "SPRUNGPUNKT"};
    for (const auto& word : words)
        add({word, word, "\\sub\\", ""});
    for (const int number : {1, 2}) {
        language.setText("TJP", number == 1 ? "Jump Point" : "Sprungpunkt");
        const CheckResult& result = check();
        EXPECT_TRUE(result.removed.empty()) << number;
        EXPECT_EQ(table.rowCount(), static_cast<int>(words.size()) + 1);
        EXPECT_EQ(command.stats().searches, 0);
    }
}

TEST_F(CheckFixture, TheJumpWordIsTheCurrentLanguages)
{
    language.setText("TJP", "Sprungpunkt");
    ASSERT_EQ(language.jumpWord(), "Sprungpunkt");
    add({"Gone", "sprungpunkt", "\\gone\\", ""});

    const CheckResult& result = check();

    ASSERT_EQ(result.removed.size(), 1u);
    // Looked at as a folder, never searched as a file.
    EXPECT_EQ(command.stats().searches, 0);
}

TEST_F(CheckFixture, RemovingEveryRowLeavesOneEmptyRowAndNumbersFromOne)
{
    add({"One", "1.txt", "\\a\\", at("a/1.txt")});
    add({"Two", "2.txt", "\\a\\", at("a/2.txt")});
    add({"Three", "3.txt", "\\b\\", at("b/3.txt")});

    const CheckResult& result = check();

    ASSERT_EQ(table.rowCount(), 2);
    for (int f = 1; f <= ItemTable::kFields; ++f)
        EXPECT_EQ(table.read(f, 1), "") << f;
    ASSERT_EQ(result.removed.size(), 3u);
    EXPECT_EQ(result.removed[2], (RemovedItem{"Three", "3.txt", "\\b\\", at("b/3.txt")}));
    const auto rows = command.summary().removedRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (CheckSummary::RemovedRow{"1", "One", "1.txt", "\\a\\", at("a/1.txt")}));
    EXPECT_EQ(rows[1][0], "2");
    EXPECT_EQ(rows[2][0], "3");
    EXPECT_TRUE(table.isModified());
}

TEST_F(CheckFixture, TheRowMovingIntoARemovedPlaceIsVisitedNext)
{
    file("x/kept.txt");
    file("y/moved.txt");
    add({"Gone 1", "gone1.txt", "\\a\\", at("a/gone1.txt")});
    add({"Gone 2", "gone2.txt", "\\a\\", at("a/gone2.txt")});
    add({"Moved", "moved.txt", "\\a\\", at("a/moved.txt")});
    add({"Gone 3", "gone3.txt", "\\a\\", at("a/gone3.txt")});
    add({"Kept", "kept.txt", "\\x\\", at("x/kept.txt")});

    const CheckResult& result = check();

    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(rowItem(1), (Item{"Moved", "moved.txt", "\\y\\", at("y/moved.txt")}));
    EXPECT_EQ(rowItem(2), (Item{"Kept", "kept.txt", "\\x\\", at("x/kept.txt")}));
    ASSERT_EQ(result.removed.size(), 3u);
    EXPECT_EQ(result.removed[1].name, "Gone 2");
    EXPECT_EQ(result.removed[2].name, "Gone 3");
    // Four missing files, one walk of cd, x and y.
    EXPECT_EQ(command.stats().searches, 4);
    EXPECT_EQ(command.stats().walks, 1);
    EXPECT_EQ(command.stats().directoryReads, 3);
}

TEST_F(CheckFixture, HiddenFilesAreNotFound)
{
    file(".trash/doc.txt");
    file("a/.doc.txt");
    add({"Doc", "doc.txt", "\\a\\", at("a/doc.txt")});
    add({"Hidden doc", ".doc.txt", "\\b\\", at("b/.doc.txt")});

    const CheckResult& result = check();

    ASSERT_EQ(result.removed.size(), 2u);
    EXPECT_TRUE(result.repointed.empty());
}

TEST_F(CheckFixture, SeveralFoldersOpenTheLocationDialogOnceAndTakeTheSelectedOne)
{
    file("one/pic.jpg");
    file("two/deep/PIC.JPG");
    file("only/single.txt");
    add({"Picture", "pic.jpg", "\\old\\", at("old/pic.jpg")});
    add({"Single", "single.txt", "\\old\\", at("old/single.txt")});
    std::vector<std::string> shownFolders;
    std::string shownName;
    ui.on<CheckLocationDialog>([&](CheckLocationDialog& dialog) {
        shownFolders = dialog.folders();
        shownName = dialog.itemName() + "|" + dialog.itemFileName();
        EXPECT_EQ(dialog.itemIndex(), 0);
        dialog.setItemIndex(1);
        dialog.OKClick();
    });

    check();

    EXPECT_EQ(modals(), (std::vector<WindowKind>{WindowKind::CheckLocation, WindowKind::CheckSummary}));
    EXPECT_EQ(shownFolders, (std::vector<std::string>{at("one/"), at("two/deep/")}));
    EXPECT_EQ(shownName, "Picture|pic.jpg");
    EXPECT_EQ(rowItem(1), (Item{"Picture", "pic.jpg", "\\two\\deep\\", at("two/deep/pic.jpg")}));
    EXPECT_EQ(rowItem(2), (Item{"Single", "single.txt", "\\only\\", at("only/single.txt")}));
    EXPECT_EQ(command.stats().walks, 1);
}

TEST_F(CheckFixture, WorkEndsBeforeTheSummaryAndAQuestionTakesTheWaitWindowDown)
{
    file("one/pic.jpg");
    file("two/pic.jpg");
    add({"Picture", "pic.jpg", "\\old\\", at("old/pic.jpg")});
    add({"Kept", "kept.txt", "", ""});
    bool workOpenAtLocation = false;
    bool workOpenAtSummary = true;
    ui.on<CheckLocationDialog>([&](CheckLocationDialog& dialog) {
        workOpenAtLocation = ui.waitShown > ui.waitClosed;
        dialog.OKClick();
    });
    ui.on<CheckSummary>([&](CheckSummary&) { workOpenAtSummary = ui.waitShown > ui.waitClosed; });

    check();

    EXPECT_EQ(ui.work, std::vector<std::string>{"check"});
    EXPECT_TRUE(workOpenAtLocation);
    EXPECT_EQ(ui.waitHiddenForQuestions, 1);  // the location dialog, asked during the work
    EXPECT_FALSE(workOpenAtSummary);
    ASSERT_FALSE(ui.progressReports.empty());
    EXPECT_EQ(ui.progressReports.front(), (std::pair<std::int64_t, std::int64_t>{1, 2}));
    EXPECT_EQ(ui.progressReports.back(), (std::pair<std::int64_t, std::int64_t>{2, 2}));
}

TEST_F(CheckFixture, LocationDialogClosedWithoutOkTakesTheSelection)
{
    file("one/pic.jpg");
    file("two/pic.jpg");
    add({"Picture", "pic.jpg", "\\old\\", at("old/pic.jpg")});
    ui.onModal[WindowKind::CheckLocation] = [](ModalWindow&) {};  // closed without OK

    check();

    EXPECT_EQ(rowItem(1).cdPath, "\\one\\");
}

TEST_F(CheckFixture, APatternMatchingSeveralFilesOfOneFolderIsOneChoice)
{
    file("docs/a.txt");
    file("docs/b.txt");
    add({"Texts", "*.txt", "\\old\\", at("old/*.txt")});

    check();

    EXPECT_EQ(modals(), std::vector<WindowKind>{WindowKind::CheckSummary});
    EXPECT_EQ(rowItem(1).cdPath, "\\docs\\");
}

TEST_F(CheckFixture, ARunThatChangesNothingLeavesTheProjectUnmodified)
{
    file("a/ok.txt");
    add({"Ok", "ok.txt", "\\a\\", at("a/ok.txt")});
    ui.on<CheckSummary>([](CheckSummary& w) { w.CloseClick(); });

    check();

    EXPECT_EQ(modals(), std::vector<WindowKind>{WindowKind::CheckSummary});
    EXPECT_TRUE(command.summary().removedRows().empty());
    EXPECT_TRUE(command.summary().repointedRows().empty());
    EXPECT_FALSE(table.isModified());
}

TEST_F(CheckFixture, ARepointedItemMarksTheProjectWhenTheSummaryCloses)
{
    file("b/tool.exe");
    add({"Tool", "tool.exe", "\\a\\", at("a/tool.exe")});
    add({"Other", "x.exe", "\\b\\", at("b/tool.exe")});
    table.write(FieldCategory, 2, "Games");
    bool modifiedWhileShown = true;
    ui.on<CheckSummary>([&](CheckSummary& w) {
        modifiedWhileShown = table.isModified();
        w.CloseClick();
    });

    check();

    EXPECT_FALSE(modifiedWhileShown);
    EXPECT_TRUE(table.isModified());
    EXPECT_NE(table.rowColour(1), table.rowColour(2));
}

TEST_F(CheckFixture, ASummaryClosedWithoutItsCloseButtonStillMarksTheProject)
{
    file("b/tool.exe");
    add({"Tool", "tool.exe", "\\a\\", at("a/tool.exe")});

    check();

    EXPECT_TRUE(table.isModified());
}

TEST_F(CheckFixture, WindowsTakeTheirTextsFromTheLanguage)
{
    const std::pair<const char*, const char*> texts[] = {
        {"T10", "Location"}, {"T11", "Summary"}, {"T31", "No."}, {"T32", "Name"}, {"T33", "File Name"},
        {"T34", "CD Path"}, {"T35", "File Source Location"}, {"T36", "New CD Path"}, {"T37", "Old CD Path"},
        {"T38", "New File Source Location"}, {"T39", "Old File Source Location"}};
    for (const auto& [key, text] : texts)
        language.setText(key, text);
    language.setWindowText("Check", "E1", "The File has been found at the following locations.");
    language.setWindowText("Check", "E2", "OK");
    language.setWindowText("CheckS", "E1", "Check Project Summary");
    language.setWindowText("CheckS", "E2", "List of removed items.");
    language.setWindowText("CheckS", "E3", "List of replaced items");
    language.setWindowText("CheckS", "E4", "Close");

    const CheckSummary& summary = command.summary();
    EXPECT_EQ(summary.removedTitles(),
              (CheckSummary::RemovedRow{"No.", "Name", "File Name", "CD Path", "File Source Location"}));
    EXPECT_EQ(summary.repointedTitles(),
              (CheckSummary::RepointedRow{"No.", "Name", "File Name", "New CD Path", "Old CD Path",
                                         "New File Source Location", "Old File Source Location"}));
    EXPECT_EQ(summary.title(), "Summary");
    EXPECT_EQ(summary.titleLine(), "Check Project Summary");
    EXPECT_EQ(summary.removedLine(), "List of removed items.");
    EXPECT_EQ(summary.repointedLine(), "List of replaced items");
    EXPECT_EQ(summary.closeCaption(), "Close");
    EXPECT_EQ(command.locationDialog().title(), "Location");
    EXPECT_EQ(command.locationDialog().explanation(), "The File has been found at the following locations.");
    EXPECT_EQ(command.locationDialog().okCaption(), "OK");
}

TEST_F(CheckFixture, HelpShowsTopic2400InBothWindows)
{
    command.locationDialog().HelpClick();
    command.summary().HelpClick();
    ASSERT_EQ(ui.helpShown.size(), 2u);
    EXPECT_EQ(ui.helpShown[0].second, 2400);
    EXPECT_EQ(ui.helpShown[1].second, 2400);
    EXPECT_EQ(ui.helpShown[0].first.parent_path(), dir / "base" / "Help");
}

TEST_F(CheckFixture, UnattendedTakesTheFirstFolderAndReportsEachEntryOnOneLine)
{
    file("one/pic.jpg");
    file("two/pic.jpg");
    add({"Picture", "pic.jpg", "\\old\\", at("old/pic.jpg")});
    add({"Gone\twith tab", "gone.txt", "\\a\\", at("a/gone.txt")});

    ProjectCheck check(table, language);
    const CheckResult result = check.runUnattended(root);

    EXPECT_TRUE(ui.modalShown.empty());
    EXPECT_TRUE(table.isModified());
    EXPECT_EQ(rowItem(1).cdPath, "\\one\\");
    EXPECT_EQ(checkReportLines(result),
              (std::vector<std::string>{
                  "removed\t1\tGone with tab\tgone.txt\t\\a\\\t" + at("a/gone.txt"),
                  "replaced\t1\tPicture\tpic.jpg\t\\one\\\t\\old\\\t" + at("one/pic.jpg") + "\t" + at("old/pic.jpg"),
              }));
}

TEST(CheckCdPath, FolderBecomesABackslashPathBelowTheProjectFolder)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/p/cd/b/c/", "/p/cd/", "\\b\\c\\"},
        {"/p/cd/", "/p/cd/", "\\"},
        {"/p/cd/b/", "/p/cd", "\\b\\"},
        // Compared with case: not cut.
        {"/p/CD/b/", "/p/cd/", "\\p\\CD\\b\\"},
    };
    for (const auto& [folder, project, expected] : cases)
        EXPECT_EQ(ProjectCheck::cdPathOfFolder(folder, project), expected) << folder;
}

}  // namespace

// Cancel in the progress dialog: every row is judged before any changes, so a
// stop at any report, even at the last row's, leaves the table as it was.
TEST_F(CheckFixture, AStoppedCheckLeavesEveryRowAsItWasAndShowsNoSummary)
{
    file("moved/tool.exe");
    file("kept.txt");
    add({"Gone", "gone.exe", "\\x\\", at("x/gone.exe")});
    add({"Tool", "tool.exe", "\\a\\", at("a/tool.exe")});
    add({"Jump", "Jump Point", "\\nowhere\\", ""});
    add({"Kept", "kept.txt", "\\", at("kept.txt")});
    std::vector<Item> before;
    for (int r = 1; r < table.rowCount(); ++r)
        before.push_back(rowItem(r));
    table.setModified(false);

    for (const std::int64_t stopAt : {1, 4}) {
        SCOPED_TRACE(stopAt);
        ui.stopAtProgress = stopAt;
        ui.modalShown.clear();
        command.checkClick(root);

        ASSERT_EQ(table.rowCount(), static_cast<int>(before.size()) + 1);
        for (int r = 1; r < table.rowCount(); ++r)
            EXPECT_EQ(rowItem(r), before[static_cast<std::size_t>(r - 1)]);
        EXPECT_TRUE(modals().empty()) << "no summary";
        EXPECT_FALSE(table.isModified());
        EXPECT_TRUE(ui.messages.empty());
    }

    // Not stopped, the same run makes all its changes.
    ui.stopAtProgress.reset();
    const CheckResult& result = check();
    EXPECT_EQ(result.removed.size(), 2u);
    EXPECT_EQ(result.repointed.size(), 1u);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(rowItem(1), (Item{"Tool", "tool.exe", "\\moved\\", at("moved/tool.exe")}));
    EXPECT_EQ(rowItem(2).name, "Kept");
}

// A stop is heard while the project folder is walked, not only between rows.
TEST_F(CheckFixture, AStopDuringTheWalkEndsItThereAndChangesNothing)
{
    for (int i = 0; i < 40; ++i)
        fs::create_directories(dir / "cd" / ("f" + std::to_string(i)));
    add({"Gone", "gone.exe", "\\x\\", at("x/gone.exe")});
    ProjectCheck check(table, language);
    int lastRow = 0;
    const CheckResult result = check.run(root, {}, [&lastRow](int row, int) {
        // A repeated row is the walk's report.
        const bool walking = row == lastRow;
        lastRow = row;
        return !walking;
    });
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.changedAnything());
    EXPECT_EQ(check.stats().walks, 1);
    EXPECT_LT(check.stats().directoryReads, 10);
    EXPECT_EQ(rowItem(1), (Item{"Gone", "gone.exe", "\\x\\", at("x/gone.exe")}));
}
