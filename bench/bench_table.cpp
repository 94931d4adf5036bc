// Figures for the item table on 100,000 rows: Full Sort (text, numbers and a
// column that needs the literal passes), Quick Sort, Find and the category
// colouring. Prints processor milliseconds; not a test.
#include "project/CellComparison.h"
#include "project/ItemTable.h"
#include "project/TableFind.h"
#include "project/TableSort.h"

#include <ctime>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

using namespace qv;

namespace {

constexpr int kRows = 100000;

// Processor time of the work, so that other programs on a busy machine do
// not inflate the figures.
double timeMs(const std::function<void()>& work)
{
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::string randomWord(std::mt19937& rng, std::size_t minLen, std::size_t maxLen)
{
    const std::size_t len = minLen + rng() % (maxLen - minLen + 1);
    std::string s;
    for (std::size_t i = 0; i < len; ++i)
        s.push_back(static_cast<char>((i == 0 ? 'A' : 'a') + rng() % 26));
    return s;
}

// A project of kRows items: text names, 40 categories, sizes as numbers.
ItemTable makeTable(std::mt19937& rng)
{
    ItemTable table;
    table.setRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r) {
        table.write(FieldName, r, randomWord(rng, 4, 16) + " " + randomWord(rng, 3, 10));
        table.write(FieldFileName, r, randomWord(rng, 3, 8) + ".exe");
        table.write(FieldCdPath, r, "\\" + randomWord(rng, 3, 8) + "\\");
        table.write(FieldCdSize, r, std::to_string(rng() % 700));
        table.write(FieldCategory, r, "Category " + std::to_string(rng() % 40));
        table.write(FieldCopy, r, rng() % 2 ? "yes" : "no");
        table.write(FieldExecute, r, rng() % 2 ? "yes" : "no");
    }
    table.write(FieldName, kRows / 2, "readme");
    return table;
}

const char* methodName(TableSort::PassMethod m)
{
    switch (m) {
    case TableSort::PassMethod::StableSort:
        return "stable sort";
    case TableSort::PassMethod::InsertionTree:
        return "insertion tree";
    case TableSort::PassMethod::LiteralPasses:
        break;
    }
    return "literal passes";
}

void print(const char* what, double ms)
{
    std::printf("%-52s %10.1f ms\n", what, ms);
}

}  // namespace

int main()
{
    std::mt19937 rng(12345);
    const CellComparison cmp;
    ItemTable table = makeTable(rng);
    std::printf("item table, %d rows\n", kRows);

    print("Full Sort (Name text, then Category)", timeMs([&] { TableSort::fullSort(table, cmp); }));
    print("Full Sort again (already sorted)", timeMs([&] { TableSort::fullSort(table, cmp); }));
    print("Quick Sort by CD Size ascending (numbers)",
          timeMs([&] { TableSort::sortByColumn(table, table.columnOf(FieldCdSize), true, cmp); }));
    print("Quick Sort by CD Size descending (numbers)",
          timeMs([&] { TableSort::sortByColumn(table, table.columnOf(FieldCdSize), false, cmp); }));
    print("Quick Sort by Name ascending (text)",
          timeMs([&] { TableSort::sortByColumn(table, table.columnOf(FieldName), true, cmp); }));
    print("Category colouring", timeMs([&] { table.refreshCategoryColouring(); }));
    print("Normalise yes/no words", timeMs([&] { table.normaliseYesNo(); }));

    FindOptions plain;
    plain.text = "no such text";
    print("Find, plain text, no match (whole table)", timeMs([&] {
              const CellMatcher m(plain, cmp);
              findCell(table, m, plain, {1, 1}, std::nullopt);
          }));
    FindOptions pattern;
    pattern.text = "*z*.dll";
    pattern.regularExpressions = true;
    print("Find, pattern *z*.dll, no match (whole table)", timeMs([&] {
              const CellMatcher m(pattern, cmp);
              findCell(table, m, pattern, {1, 1}, std::nullopt);
          }));
    FindOptions compare;
    compare.text = ">699&<0";
    compare.regularExpressions = true;
    print("Find, comparison >699&<0, no match (whole table)", timeMs([&] {
              const CellMatcher m(compare, cmp);
              findCell(table, m, compare, {1, 1}, std::nullopt);
          }));

    print("Remove the first row", timeMs([&] {
              table.setCurrentRow(1);
              table.removeCurrentRow();
          }));

    // Numbers mixed with texts that sort after them keep a consistent order.
    std::vector<std::string> mixed;
    for (int i = 0; i < kRows; ++i)
        mixed.push_back(i % 3 ? std::to_string(rng() % 100000) : randomWord(rng, 3, 10));
    std::vector<std::string_view> mixedViews(mixed.begin(), mixed.end());
    print("Full Sort pass order, numbers and words", timeMs([&] { TableSort::passOrder(mixedViews, cmp); }));
    std::printf("  (%s)\n", methodName(TableSort::passMethod(mixedViews, cmp)));

    // Names such as "Setup 1/2", "7-Zip" and "--" among words and numbers
    // contradict the order, but without a readable date the passes still have
    // an O(n log n) equivalent.
    std::vector<std::string> awkward;
    for (int i = 0; i < kRows; ++i) {
        switch (rng() % 20) {
        case 0:
            awkward.push_back("Setup " + std::to_string(rng() % 9 + 1) + "/" + std::to_string(rng() % 9 + 1));
            break;
        case 1:
            awkward.push_back(std::to_string(rng() % 10) + "-" + randomWord(rng, 3, 6));
            break;
        case 2:
            awkward.push_back(std::to_string(rng() % 10000));
            break;
        case 3:
            awkward.push_back("--");
            break;
        default:
            awkward.push_back(randomWord(rng, 3, 12));
        }
    }
    std::vector<std::string_view> awkwardViews(awkward.begin(), awkward.end());
    print("Full Sort pass order, words with awkward names", timeMs([&] { TableSort::passOrder(awkwardViews, cmp); }));
    std::printf("  (%s)\n", methodName(TableSort::passMethod(awkwardViews, cmp)));

    // Dates among words contradict themselves: the literal passes run. Their
    // cost grows with the square of the rows, so this column is smaller.
    std::vector<std::string> contradictory;
    for (int i = 0; i < 3000; ++i)
        contradictory.push_back(i % 5 ? randomWord(rng, 3, 10)
                                      : std::to_string(1 + rng() % 12) + "/" + std::to_string(1 + rng() % 28) + "/2003");
    std::vector<std::string_view> contradictoryViews(contradictory.begin(), contradictory.end());
    print("Full Sort pass order, dates among words, 3,000 rows",
          timeMs([&] { TableSort::passOrder(contradictoryViews, cmp); }));
    std::printf("  (%s)\n", methodName(TableSort::passMethod(contradictoryViews, cmp)));
    return 0;
}
