// What a table view is told: structural changes before and after, with the
// numbers it needs, and one reset for a batch however large.
#include "project/ItemTable.h"
#include "project/CellComparison.h"
#include "project/TableSort.h"

#include "TableFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

using namespace qv;
using namespace qv::test;

namespace {

// Records every call as a short line; checks that each "before" is followed
// by its "after" before anything else is announced.
class Recorder final : public ItemTableObserver {
public:
    std::vector<std::string> calls;
    std::string open;  // a "before" without its "after" yet

    void rowsAboutToBeInserted(int f, int l) override { begin("insert " + range(f, l)); }
    void rowsInserted(int f, int l) override { end("insert " + range(f, l)); }
    void rowsAboutToBeRemoved(int f, int l) override { begin("remove " + range(f, l)); }
    void rowsRemoved(int f, int l) override { end("remove " + range(f, l)); }
    void rowAboutToBeMoved(int f, int t) override { begin("moverow " + range(f, t)); }
    void rowMoved(int f, int t) override { end("moverow " + range(f, t)); }
    void columnAboutToBeMoved(int f, int t) override { begin("movecol " + range(f, t)); }
    void columnMoved(int f, int t) override { end("movecol " + range(f, t)); }
    void tableAboutToBeReset() override { begin("reset"); }
    void tableReset() override { end("reset"); }
    void cellsChanged(int r1, int r2, int c1, int c2) override { plain("cells " + range(r1, r2) + " " + range(c1, c2)); }
    void headingsChanged() override { plain("headings"); }
    void columnLayoutChanged() override { plain("layout"); }
    void coloursChanged() override { plain("colours"); }
    void cursorChanged(int r, int c) override { plain("cursor " + range(r, c)); }
    void modifiedChanged(bool m) override { plain(m ? "modified" : "saved"); }

    int count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

private:
    static std::string range(int a, int b) { return std::to_string(a) + "-" + std::to_string(b); }
    void begin(const std::string& what)
    {
        EXPECT_TRUE(open.empty()) << what << " announced inside " << open;
        open = what;
        calls.push_back("before " + what);
    }
    void end(const std::string& what)
    {
        EXPECT_EQ(open, what);
        open.clear();
        calls.push_back("after " + what);
    }
    void plain(const std::string& what)
    {
        if (open != "reset")  // inside a reset nothing else may arrive
            calls.push_back(what);
        else
            ADD_FAILURE() << what << " inside a reset";
    }
};

struct Observed {
    ItemTable table;
    Recorder rec;
    Observed(int items)
    {
        table.applyStartHeadings(englishLanguage(), fieldOrderCelld());
        std::vector<ItemCells> rows;
        for (int i = 0; i < items; ++i)
            rows.push_back({{FieldName, "item" + std::to_string(i)}, {FieldCategory, i % 2 ? "B" : "A"}});
        fillTable(table, rows);
        table.addObserver(&rec);
    }
    ~Observed() { table.removeObserver(&rec); }
};

}  // namespace

TEST(ItemTableNotification, StructuralChangesComeBeforeAndAfter)
{
    struct Case {
        const char* name;
        std::function<void(ItemTable&)> change;
        std::vector<std::string> expected;  // the first calls, in order
    };
    const std::vector<Case> cases = {
        {"append", [](ItemTable& t) { t.appendRow(); }, {"before insert 4-4", "after insert 4-4"}},
        {"grow", [](ItemTable& t) { t.setRowCount(6); }, {"before insert 4-5", "after insert 4-5"}},
        {"shrink", [](ItemTable& t) { t.setRowCount(2); }, {"before remove 2-3", "after remove 2-3"}},
        {"remove", [](ItemTable& t) { t.setCurrentRow(2); t.removeCurrentRow(); },
         {"cursor 2-1", "before remove 2-2", "after remove 2-2", "modified", "colours"}},
        {"move row", [](ItemTable& t) { t.moveRow(1, 3); }, {"before moverow 1-3", "after moverow 1-3", "cursor 3-1", "colours"}},
        {"move column", [](ItemTable& t) { t.moveColumn(2, 5); }, {"before movecol 2-5", "after movecol 2-5"}},
        {"cell", [](ItemTable& t) { t.write(FieldSerial, 2, "x"); }, {"cells 2-2 4-4"}},
        {"same text", [](ItemTable& t) { t.write(FieldName, 1, "item0"); }, {}},
        {"heading", [](ItemTable& t) { t.setCell(0, 3, "Path"); }, {"headings"}},
        {"hide", [](ItemTable& t) { t.toggleGridColumn(FieldSerial); }, {"layout"}},
        {"language", [](ItemTable& t) { t.changeLanguage(germanLanguage()); }, {"headings"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Observed o(3);
        c.change(o.table);
        ASSERT_GE(o.rec.calls.size(), c.expected.size());
        EXPECT_EQ(std::vector<std::string>(o.rec.calls.begin(), o.rec.calls.begin() + static_cast<long>(c.expected.size())),
                  c.expected);
        EXPECT_TRUE(o.rec.open.empty());
    }
}

TEST(ItemTableNotification, ABatchIsOneResetAnnouncedBeforeTheFirstChange)
{
    Observed o(3);
    {
        const ItemTable::Batch batch(o.table);
        o.table.setCursorReal(2, 1);  // nothing changed yet: passes straight through
        o.table.setRowCount(100001);
        for (int r = 1; r < o.table.rowCount(); ++r)
            o.table.write(FieldName, r, "n" + std::to_string(r));
        {
            const ItemTable::Batch inner(o.table);
            o.table.normaliseYesNo();
        }
        EXPECT_EQ(o.rec.count("after reset"), 0) << "an inner batch must not end the reset";
        o.table.refreshCategoryColouring();
    }
    EXPECT_EQ(o.rec.calls, (std::vector<std::string>{"cursor 2-1", "before reset", "after reset"}));
}

TEST(ItemTableNotification, ABatchWithoutChangesAnnouncesNothing)
{
    Observed o(3);
    { const ItemTable::Batch batch(o.table); o.table.write(FieldName, 1, "item0"); }
    EXPECT_TRUE(o.rec.calls.empty());
}

TEST(ItemTableNotification, SortAndAssignmentAreResetsAndObserversStay)
{
    Observed o(5);
    const CellComparison cmp(RegionalFormat{});
    TableSort::sortByColumn(o.table, o.table.columnOf(FieldCategory), true, cmp);
    EXPECT_EQ(o.rec.count("before reset"), 1);
    EXPECT_EQ(o.rec.count("after reset"), 1);

    ItemTable other;
    other.setRowCount(10);
    o.table = other;
    EXPECT_EQ(o.rec.count("after reset"), 2);
    o.table.appendRow();
    EXPECT_EQ(o.rec.count("after insert 10-10"), 1) << "the observer stays with the assigned table";
}

TEST(ItemTableNotification, ABadRowOrderIsRefusedBeforeAnythingMoves)
{
    const std::vector<std::vector<std::uint32_t>> bad = {{0, 1}, {0, 1, 1}, {0, 1, 3}, {0, 1, 2, 3}};
    for (const auto& order : bad) {
        Observed o(3);
        EXPECT_THROW(o.table.reorderItemRows(order), std::invalid_argument);
        EXPECT_EQ(columnTexts(o.table, FieldName), (std::vector<std::string>{"item0", "item1", "item2"}));
        EXPECT_TRUE(o.rec.calls.empty());
    }
}
