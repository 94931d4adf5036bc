#pragma once

#include "project/CellComparison.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qv {

class ItemTable;

// The two sorts of the item table. Orders are permutations: order[i] is the
// index (into the given cells) of the cell that goes to place i.
namespace TableSort {

// How the bubble passes of Full Sort will treat a column. Consistent means
// "the upper cell is greater" is a strict weak order on these cells, so a
// stable sort gives exactly the result of the passes.
bool isConsistentOrder(std::span<const std::string_view> cells, const CellComparison& cmp);

// How passOrder gets its result for these cells: a stable sort (consistent
// order), an insertion climb in a balanced tree (no two cells each greater
// than the other from above, so the passes end where an insertion sort ends),
// or the passes themselves.
enum class PassMethod { StableSort, InsertionTree, LiteralPasses };
PassMethod passMethod(std::span<const std::string_view> cells, const CellComparison& cmp);

// Exactly the order that repeated passes give which swap two neighbours when
// the upper one is greater, until a pass swaps nothing. O(n log n) unless a
// date above a text and the text above the date would both swap; only then
// the passes themselves run (quadratic). Cells whose
// comparison contradicts itself (a date above a text that sorts after it, say)
// can make the passes go round for ever: the order returned is then the first
// one the passes come back to.
std::vector<std::uint32_t> passOrder(std::span<const std::string_view> cells, const CellComparison& cmp);

// The heading sort: ascending or descending, not necessarily stable, and safe
// for any mix of cells.
std::vector<std::uint32_t> quickOrder(std::span<const std::string_view> cells, const CellComparison& cmp,
                                      bool ascending);

// Full Sort of the item rows: by Name, then by Category, each as passOrder.
// Only the rows move; the caller refreshes colouring and the modified flag.
void fullSort(ItemTable& table, const CellComparison& cmp);
// Quick Sort by one real column.
void sortByColumn(ItemTable& table, int column, bool ascending, const CellComparison& cmp);

}  // namespace TableSort

}  // namespace qv
