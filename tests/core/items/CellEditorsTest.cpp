#include "items/CategoryChoiceEditor.h"
#include "items/FreeTextEditor.h"
#include "items/YesNoEditor.h"

#include "ItemsFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::ItemsFixture;

namespace {

struct CellEditors : ::testing::Test, ItemsFixture {
    FreeTextEditor text{table, ui, language};
    YesNoEditor yesNo{table, ui};
    CategoryChoiceEditor category{table, ui, categories};

    CellEditors()
    {
        table.setRowCount(4);
        for (int r = 1; r <= 3; ++r) {
            table.write(FieldName, r, "Item " + std::to_string(r));
            table.write(FieldCategory, r, "Tools");
            table.write(FieldCopy, r, table.yesWord());
        }
    }
    CellEditRequest request(int field, int row) const
    {
        return CellEditRequest{field, row, table.columnOf(field), CellEditor::FreeText};
    }
};

}  // namespace

TEST_F(CellEditors, FreeTextWritesOnEnterOrOkAndNothingOnEscapeOrCancel)
{
    struct Case {
        const char* typed;
        std::function<void(FreeTextEditor&)> finish;
        const char* expected;
        bool modified;
    };
    const std::vector<Case> cases{
        {"Renamed", [](FreeTextEditor& e) { e.keyReleased(Key::Enter, true); }, "Renamed", true},
        {"", [](FreeTextEditor& e) { e.okClick(); }, "", true},  // an emptied name is written
        {"Changed", [](FreeTextEditor& e) { e.keyReleased(Key::Escape, false); }, "Item 2", false},
        {"Changed", [](FreeTextEditor& e) { e.cancelClick(); }, "Item 2", false},
        {"Changed", [](FreeTextEditor& e) { e.keyReleased(Key::Enter, false); e.cancelClick(); }, "Item 2", false},
    };
    for (const auto& c : cases) {
        table.write(FieldName, 2, "Item 2");
        table.setModified(false);
        ui.on<FreeTextEditor>([&](FreeTextEditor& e) {
            EXPECT_EQ(e.text(), "Item 2");
            EXPECT_EQ(e.title(), "T3text");
            e.setText(c.typed);
            c.finish(e);
            EXPECT_FALSE(e.isOpen());
        });
        text.editCell(request(FieldName, 2));
        EXPECT_EQ(row(2, FieldName), c.expected) << c.typed;
        EXPECT_EQ(table.isModified(), c.modified) << c.typed;
    }
}

TEST_F(CellEditors, FreeTextInputStopsAtTheFieldsCapacity)
{
    ui.on<FreeTextEditor>([&](FreeTextEditor& e) {
        const std::size_t cap = e.capacity()->bytes();
        // Cyrillic letters are two bytes each: the cut falls between letters.
        std::string longName;
        while (longName.size() < cap + 10)
            longName += "Я";
        e.setText(longName);
        EXPECT_LE(e.text().size(), cap);
        EXPECT_EQ(e.text().size() % 2, 0u);
        e.okClick();
    });
    text.editCell(request(FieldName, 1));
    EXPECT_TRUE(FieldCapacity::ofItem(FieldName).fits(row(1, FieldName)));
    EXPECT_FALSE(row(1, FieldName).empty());
}

TEST_F(CellEditors, FreeTextRefusesEmptyCategoryAndFolderNames)
{
    std::vector<std::string> renamed;
    ui.on<FreeTextEditor>([&](FreeTextEditor& e) {
        EXPECT_EQ(e.text(), "");
        e.okClick();
        EXPECT_TRUE(e.isOpen());
        e.setText("Utilities");
        e.okClick();
    });
    text.renameCategory([&](const std::string& t) { renamed.push_back(t); return true; });
    EXPECT_EQ(renamed, (std::vector<std::string>{"Utilities"}));

    ui.on<FreeTextEditor>([&](FreeTextEditor& e) {
        EXPECT_EQ(e.title(), "T18text");
        EXPECT_FALSE(e.capacity());
        e.okClick();
        EXPECT_TRUE(e.isOpen());
        e.setText("New Folder");
        e.keyReleased(Key::Enter, true);  // Enter names no folder
        EXPECT_TRUE(e.isOpen());
        e.okClick();
    });
    EXPECT_EQ(text.askFolderName(), "New Folder");

    ui.on<FreeTextEditor>([&](FreeTextEditor& e) {
        e.setText("Typed");
        e.keyReleased(Key::Escape, true);
    });
    EXPECT_EQ(text.askFolderName(), "") << "Escape gives no folder";
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M6", "M7"}));
    EXPECT_FALSE(table.isModified());
}

TEST_F(CellEditors, YesNoWritesTheLanguagesWords)
{
    ui.on<YesNoEditor>([](YesNoEditor& e) { e.noClick(); });
    yesNo.editCell(request(FieldCopy, 3));
    EXPECT_EQ(row(3, FieldCopy), table.noWord());
    EXPECT_TRUE(table.isModified());

    table.setModified(false);
    ui.on<YesNoEditor>([](YesNoEditor& e) { e.keyReleased(Key::Other); EXPECT_TRUE(e.isOpen()); e.keyReleased(Key::Escape); });
    yesNo.editCell(request(FieldCopy, 3));
    ui.on<YesNoEditor>([](YesNoEditor& e) { e.cancelClick(); });
    yesNo.editCell(request(FieldCopy, 3));
    EXPECT_EQ(row(3, FieldCopy), table.noWord());
    EXPECT_FALSE(table.isModified());

    ui.on<YesNoEditor>([](YesNoEditor& e) { e.yesClick(); });
    yesNo.editCell(request(FieldExecute, 2));
    EXPECT_EQ(row(2, FieldExecute), table.yesWord());
}

TEST_F(CellEditors, CategoryChoiceStartsAtTheFirstAndRefusesAChoiceOutsideTheList)
{
    ui.on<CategoryChoiceEditor>([](CategoryChoiceEditor& e) {
        EXPECT_EQ(e.chosen(), 0) << "the first caption, whatever the cell held";
        EXPECT_FALSE(e.choose(3));
        EXPECT_FALSE(e.choose(-1));
        EXPECT_EQ(e.chosen(), 0);
        EXPECT_TRUE(e.choose(1));
        e.okClick();
    });
    category.editCell(request(FieldCategory, 3));
    EXPECT_EQ(row(3, FieldCategory), "Games");
    EXPECT_TRUE(table.isModified());

    // Without categories OK writes nothing and leaves the editor to Cancel.
    categories.clear();
    table.setModified(false);
    ui.on<CategoryChoiceEditor>([](CategoryChoiceEditor& e) {
        EXPECT_EQ(e.chosen(), -1);
        e.okClick();
        EXPECT_TRUE(e.isOpen());
        e.keyReleased(Key::Escape);
    });
    category.editCell(request(FieldCategory, 2));
    EXPECT_EQ(row(2, FieldCategory), "Tools");
    EXPECT_FALSE(table.isModified());
}
