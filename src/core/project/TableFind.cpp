#include "project/TableFind.h"

#include "project/ItemTable.h"
#include "util/Text.h"

#include <algorithm>

namespace qv {

namespace {

std::size_t codePointLength(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (c >= 0xF0)
        n = 4;
    else if (c >= 0xE0)
        n = 3;
    else if (c >= 0xC0)
        n = 2;
    // A broken sequence counts its lead byte alone.
    for (std::size_t k = 1; k < n; ++k) {
        if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    }
    return n;
}

}  // namespace

CellMatcher::CellMatcher(const FindOptions& options, const CellComparison& cmp) : m_options(options), m_cmp(cmp)
{
    m_foldedText = options.caseSensitive ? options.text : asciiLower(options.text);
    if (!options.regularExpressions)
        return;
    std::string_view pattern = options.text;
    if (!pattern.empty() && pattern.front() == '!') {
        m_negate = true;
        pattern.remove_prefix(1);
    }
    if (pattern.find_first_of("<>") == std::string_view::npos) {
        m_terms.push_back({Op::None, std::string(pattern)});
        return;
    }
    const std::size_t join = pattern.find_first_of("&^");
    std::vector<std::string_view> parts{pattern.substr(0, join)};
    if (join != std::string_view::npos) {
        m_all = pattern[join] == '&';
        parts.push_back(pattern.substr(join + 1));
    }
    for (std::string_view part : parts) {
        part = trimmed(part);
        Term term;
        if (part.starts_with(">=")) {
            term.op = Op::GreaterEqual;
            part.remove_prefix(2);
        } else if (part.starts_with("<=")) {
            term.op = Op::LessEqual;
            part.remove_prefix(2);
        } else if (part.starts_with(">")) {
            term.op = Op::Greater;
            part.remove_prefix(1);
        } else if (part.starts_with("<")) {
            term.op = Op::Less;
            part.remove_prefix(1);
        }
        term.value = std::string(term.op == Op::None ? part : trimmed(part));
        if (!term.value.empty())
            term.number = m_cmp.number(term.value);
        m_terms.push_back(std::move(term));
    }
}

bool CellMatcher::matches(std::string_view cell) const
{
    if (m_options.text.empty())
        return false;
    if (!m_options.regularExpressions) {
        bool contains = false;
        if (m_options.caseSensitive) {
            contains = cell.find(m_options.text) != std::string_view::npos;
        } else {
            const auto folded = [](char a, char b) { return asciiLower(a) == b; };
            contains = std::search(cell.begin(), cell.end(), m_foldedText.begin(), m_foldedText.end(), folded) != cell.end();
        }
        return contains && (!m_options.wholeWords || iequals(cell, m_options.text));
    }
    bool result = m_all;
    for (const Term& term : m_terms) {
        const bool holds = termHolds(term, cell);
        result = m_all ? (result && holds) : (result || holds);
    }
    return result != m_negate;
}

bool CellMatcher::termHolds(const Term& term, std::string_view cell) const
{
    if (term.op == Op::None)
        return wildcard(term.value, cell);
    const int c = compareValues(cell, term);
    switch (term.op) {
    case Op::Less:
        return c < 0;
    case Op::LessEqual:
        return c <= 0;
    case Op::Greater:
        return c > 0;
    case Op::GreaterEqual:
        return c >= 0;
    case Op::None:
        break;
    }
    return false;
}

int CellMatcher::compareValues(std::string_view cell, const Term& term) const
{
    // The empty cell reads as no number here: it is a missing value, not 0.
    if (term.number && !cell.empty()) {
        if (const auto a = m_cmp.number(cell))
            return *a < *term.number ? -1 : (*a > *term.number ? 1 : 0);
    }
    return m_options.caseSensitive ? CellComparison::compareText(cell, term.value) : icompare(cell, term.value);
}

bool CellMatcher::wildcard(std::string_view pattern, std::string_view cell) const
{
    const auto same = [this](char a, char b) {
        return m_options.caseSensitive ? a == b : asciiLower(a) == asciiLower(b);
    };
    // Greedy match with one backtrack point: the last star and where its run ended.
    std::size_t p = 0;
    std::size_t c = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starC = 0;
    while (c < cell.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starC = c;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            c += codePointLength(cell, c);
        } else if (p < pattern.size() && same(pattern[p], cell[c])) {
            ++p;
            ++c;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            starC += codePointLength(cell, starC);
            c = starC;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::optional<CellPosition> findCell(const ItemTable& table, const CellMatcher& matcher, const FindOptions& options,
                                     CellPosition scopeCell, std::optional<CellPosition> after)
{
    std::vector<int> columns;
    if (options.scope == FindOptions::Scope::CurrentColumn) {
        if (scopeCell.column >= 1 && !table.isHidden(scopeCell.column))
            columns.push_back(scopeCell.column);
    } else {
        for (int c = 1; c < ItemTable::kColumns; ++c) {
            if (!table.isHidden(c))
                columns.push_back(c);
        }
    }
    int firstRow = 1;
    int lastRow = table.rowCount() - 1;
    if (options.scope == FindOptions::Scope::CurrentRow) {
        if (scopeCell.row < 1 || scopeCell.row > lastRow)
            return std::nullopt;
        firstRow = lastRow = scopeCell.row;
    }
    const auto rows = static_cast<std::size_t>(lastRow - firstRow + 1);
    const std::size_t cols = columns.size();
    const std::size_t total = rows * cols;
    const bool topDown = options.direction == FindOptions::Direction::TopDown;

    std::size_t index = 0;
    if (after) {
        std::size_t ci = cols;
        for (std::size_t i = 0; i < cols; ++i) {
            if (columns[i] == after->column)
                ci = i;
        }
        // A remembered cell outside the walk (its column hidden, its row gone)
        // starts the walk again from the beginning.
        if (ci < cols && after->row >= firstRow && after->row <= lastRow) {
            const auto ri = static_cast<std::size_t>(after->row - firstRow);
            index = (topDown ? ci * rows + ri : ri * cols + ci) + 1;
        }
    }
    for (; index < total; ++index) {
        const std::size_t ci = topDown ? index / rows : index % cols;
        const std::size_t ri = topDown ? index % rows : index / cols;
        const CellPosition pos{firstRow + static_cast<int>(ri), columns[ci]};
        if (matcher.matches(table.cell(pos.row, pos.column)))
            return pos;
    }
    return std::nullopt;
}

}  // namespace qv
