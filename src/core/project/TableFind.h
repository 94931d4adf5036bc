#pragma once

#include "project/CellComparison.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ItemTable;

// The entries of the find dialog, kept between uses.
struct FindOptions {
    enum class Direction { TopDown, LeftRight };
    enum class Scope { EntireGrid, CurrentColumn, CurrentRow };

    std::string text;
    bool caseSensitive = false;
    bool wholeWords = false;
    bool regularExpressions = false;
    Direction direction = Direction::TopDown;
    Scope scope = Scope::EntireGrid;
};

// Whether one cell matches the find text under the options.
//  - plain: the cell contains the text (ASCII case folded unless case
//    sensitive); with whole words it must also equal the text ignoring case;
//  - "regular expressions": the text is a pattern for the whole cell, `*` any
//    run, `?` one character, a leading `!` negates; a pattern with `>`, `>=`,
//    `<` or `<=` compares the cell with the value after the sign (as numbers
//    when both read as numbers, else as texts), and two comparisons joined by
//    `&` must both hold, joined by `^` either.
// The empty text matches nothing.
class CellMatcher final {
public:
    CellMatcher(const FindOptions& options, const CellComparison& cmp);
    bool matches(std::string_view cell) const;

private:
    enum class Op { None, Less, LessEqual, Greater, GreaterEqual };
    struct Term {
        Op op = Op::None;
        std::string value;  // the value after the sign, or a wildcard pattern
        std::optional<double> number;  // the value read as a number
    };

    bool termHolds(const Term& term, std::string_view cell) const;
    bool wildcard(std::string_view pattern, std::string_view cell) const;
    int compareValues(std::string_view cell, const Term& term) const;

    FindOptions m_options;
    const CellComparison& m_cmp;
    std::string m_foldedText;
    bool m_negate = false;
    std::vector<Term> m_terms;
    bool m_all = true;  // & joins (or a single term); false for ^
};

struct CellPosition {
    int row = 0;
    int column = 0;  // real column
    bool operator==(const CellPosition&) const = default;
};

// The walk of Find and Find next over the item cells of the visible field
// columns (the heading row and column 0 are never searched), top-down column
// by column or left-right row by row, within the scope. after: start with the
// cell that follows this one in the walk; nullopt: start with the first cell.
// scopeCell names the column or row that a narrower scope keeps to.
std::optional<CellPosition> findCell(const ItemTable& table, const CellMatcher& matcher, const FindOptions& options,
                                     CellPosition scopeCell, std::optional<CellPosition> after);

}  // namespace qv
