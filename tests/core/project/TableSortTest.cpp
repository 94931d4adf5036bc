#include "project/TableSort.h"

#include "TableFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace qv;
using namespace qv::test;

namespace {

// The passes exactly as described: whole passes over all cells, swapping
// neighbours when the upper one is greater, until a pass swaps nothing. When
// the passes come back to an order seen before they would never end; the
// reference then stops at that order.
std::vector<std::uint32_t> referencePasses(const std::vector<std::string_view>& cells, const CellComparison& cmp)
{
    std::vector<std::uint32_t> order(cells.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::set<std::vector<std::uint32_t>> seen{order};
    for (;;) {
        bool swapped = false;
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            if (cmp.compare(cells[order[i]], cells[order[i + 1]]) > 0) {
                std::swap(order[i], order[i + 1]);
                swapped = true;
            }
        }
        if (!swapped || !seen.insert(order).second)
            return order;
    }
}

std::vector<std::string> applied(const std::vector<std::string>& cells, const std::vector<std::uint32_t>& order)
{
    std::vector<std::string> out;
    for (const auto i : order)
        out.push_back(cells[i]);
    return out;
}

std::vector<std::string_view> views(const std::vector<std::string>& cells)
{
    return {cells.begin(), cells.end()};
}

// Pools of cells by kind; mixing them gives consistent and contradictory columns.
const std::vector<std::vector<std::string>> kPools = {
    {"0", "9", "10", "100", "-3", "1.5", "1,000", "", "007"},             // numbers
    {"--", "3-", "-1-2"},                                                  // unreadable numbers
    {"1/2/2003", "12/31/1999", "2/30/2003", "x1/2", "1/1/1900"},          // dates
    {"abc", "B", "Zed", "a", "zz", "\xC3\xA4pfel", "b b"},                 // texts after digits
    {"#x", "10a", "9a", "1st", " 5", "+5", "(a)"},                         // texts among the digits
};

std::vector<std::string> randomColumn(std::mt19937& rng)
{
    // A random subset of the pools, then random cells from it.
    std::vector<int> pools;
    for (int p = 0; p < static_cast<int>(kPools.size()); ++p) {
        if (rng() % 2)
            pools.push_back(p);
    }
    if (pools.empty())
        pools.push_back(static_cast<int>(rng() % kPools.size()));
    const std::size_t n = rng() % (rng() % 4 == 0 ? 40 : 11);
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& pool = kPools[static_cast<std::size_t>(pools[rng() % pools.size()])];
        cells.push_back(pool[rng() % pool.size()]);
    }
    return cells;
}

}  // namespace

TEST(TableSort, FullSortOrdersByCategoryThenNameKeepingEqualPairs)
{
    ItemTable table;
    fillTable(table, {{{FieldCategory, "Tools"}, {FieldName, "b"}},
                      {{FieldCategory, "Games"}, {FieldName, "z"}},
                      {{FieldCategory, "Tools"}, {FieldName, "a"}, {FieldFileName, "first"}},
                      {{FieldCategory, "Tools"}, {FieldName, "a"}, {FieldFileName, "second"}}});
    table.moveColumn(8, 1);  // the sort goes through the map
    TableSort::fullSort(table, CellComparison());
    EXPECT_EQ(columnTexts(table, FieldCategory), (std::vector<std::string>{"Games", "Tools", "Tools", "Tools"}));
    EXPECT_EQ(columnTexts(table, FieldName), (std::vector<std::string>{"z", "a", "a", "b"}));
    EXPECT_EQ(columnTexts(table, FieldFileName), (std::vector<std::string>{"", "first", "second", ""}));
}

TEST(TableSort, NumbersSortAsNumbersAndTextsAsBytes)
{
    struct Case {
        std::vector<std::string> cells;
        std::vector<std::string> sorted;
    };
    const std::vector<Case> cases = {
        {{"10", "9", "100"}, {"9", "10", "100"}},
        {{"10a", "9a"}, {"10a", "9a"}},
        {{"b", "B", "a", "A"}, {"A", "B", "a", "b"}},
        {{"1,000", "999.5", "-2", ""}, {"-2", "", "999.5", "1,000"}},
        {{"3/1/2003", "12/31/2002", "1/15/2003"}, {"12/31/2002", "1/15/2003", "3/1/2003"}},
        // Numbers first, then texts that sort after every number.
        {{"Zed", "10", "", "abc", "9"}, {"", "9", "10", "Zed", "abc"}},
        // A text among the digits stops a number from passing it.
        {{"10", "#x", "9"}, {"10", "#x", "9"}},
    };
    const CellComparison cmp;
    for (const Case& c : cases) {
        const auto cells = views(c.cells);
        EXPECT_EQ(applied(c.cells, TableSort::passOrder(cells, cmp)), c.sorted) << c.cells[0];
    }
}

TEST(TableSort, PassesThatWouldGoRoundForEverStop)
{
    // A date above a text reads the text as day 0 and sinks; the text above the
    // date compares bytes and sinks too.
    const std::vector<std::string> cells = {"1/2/2003", "abc"};
    const CellComparison cmp;
    EXPECT_FALSE(TableSort::isConsistentOrder(views(cells), cmp));
    EXPECT_EQ(TableSort::passOrder(views(cells), cmp), referencePasses(views(cells), cmp));

    const std::vector<std::string> longer = {"zz", "1/2/2003", "5", "abc", "12/31/1999", "#x", "1/2/2003", "b"};
    EXPECT_EQ(TableSort::passOrder(views(longer), cmp), referencePasses(views(longer), cmp));
}

TEST(TableSort, PassOrderEqualsTheLiteralPassesOnRandomColumns)
{
    std::mt19937 rng(20261210);
    const CellComparison english;
    const CellComparison german(RegionalFormat{',', '.', RegionalFormat::DateOrder::DayMonthYear, '.'});
    std::map<TableSort::PassMethod, int> methods;
    for (int round = 0; round < 6000; ++round) {
        const std::vector<std::string> cells = randomColumn(rng);
        const CellComparison& cmp = round % 3 == 0 ? german : english;
        const auto v = views(cells);
        ++methods[TableSort::passMethod(v, cmp)];
        ASSERT_EQ(applied(cells, TableSort::passOrder(v, cmp)), applied(cells, referencePasses(v, cmp)))
            << "round " << round;
    }
    // Every way through the sort was taken often.
    EXPECT_GT(methods[TableSort::PassMethod::StableSort], 500);
    EXPECT_GT(methods[TableSort::PassMethod::InsertionTree], 500);
    EXPECT_GT(methods[TableSort::PassMethod::LiteralPasses], 500);
}

TEST(TableSort, FullSortEqualsTheLiteralPassesOnRandomTables)
{
    std::mt19937 rng(7);
    const CellComparison cmp;
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> names = randomColumn(rng);
        std::vector<std::string> categories;
        const std::vector<std::string> categoryPool = {"Tools", "Games", "", "10", "9", "1/2/2003", "tools"};
        for (std::size_t i = 0; i < names.size(); ++i)
            categories.push_back(categoryPool[rng() % categoryPool.size()]);
        ItemTable table;
        std::vector<ItemCells> items;
        for (std::size_t i = 0; i < names.size(); ++i)
            items.push_back({{FieldName, names[i]}, {FieldCategory, categories[i]}, {FieldSerial, std::to_string(i)}});
        fillTable(table, items);
        if (names.empty())
            continue;

        // Reference: the passes by Name, then the passes by Category.
        const auto byName = referencePasses(views(names), cmp);
        std::vector<std::string> catAfterName = applied(categories, byName);
        const auto byCategory = referencePasses(views(catAfterName), cmp);
        std::vector<std::string> serials;
        for (const auto i : byCategory)
            serials.push_back(std::to_string(byName[i]));

        TableSort::fullSort(table, cmp);
        ASSERT_EQ(columnTexts(table, FieldSerial), serials) << "round " << round;
    }
}

TEST(TableSort, QuickOrderSortsBothWaysAndSurvivesContradictoryCells)
{
    std::mt19937 rng(99);
    const CellComparison cmp;
    for (int round = 0; round < 2000; ++round) {
        const std::vector<std::string> cells = randomColumn(rng);
        const auto v = views(cells);
        for (const bool ascending : {true, false}) {
            const auto order = TableSort::quickOrder(v, cmp, ascending);
            std::vector<std::uint32_t> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            for (std::uint32_t i = 0; i < sorted.size(); ++i)
                ASSERT_EQ(sorted[i], i) << "not a permutation, round " << round;
            if (!TableSort::isConsistentOrder(v, cmp))
                continue;
            for (std::size_t i = 0; i + 1 < order.size(); ++i) {
                const int c = cmp.compare(cells[order[i]], cells[order[i + 1]]);
                ASSERT_TRUE(ascending ? c <= 0 : c >= 0) << "round " << round << " at " << i;
            }
        }
    }
}
