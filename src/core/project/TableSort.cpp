#include "project/TableSort.h"

#include "project/ItemTable.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <numeric>

namespace qv::TableSort {

namespace {

// The classes a cell falls into for the consistency test: a readable number,
// a number-like cell that does not read (compares equal to everything from
// above), a date, a text.
enum Class : std::uint8_t { Num = 0, BadNum = 1, Dat = 2, Txt = 3 };

struct Keys {
    std::vector<std::uint8_t> rank;  // place of the cell's class in the order
    std::vector<std::uint8_t> cls;
    std::vector<double> value;       // number or day; 0 for unreadable numbers
};

// Decides whether the cells carry a consistent order, and if so the rank of
// every class. Within a class the order is plain (numbers, days, bytes); across
// classes every pair must be strictly ordered the same way from both sides,
// which min/max bounds per class settle in linear time.
std::optional<Keys> consistentKeys(std::span<const std::string_view> cells, const CellComparison& cmp)
{
    Keys k;
    const std::size_t n = cells.size();
    k.cls.resize(n);
    k.value.resize(n);
    std::array<bool, 4> present{};
    // With comma and point as the separators, a cell that reads as a number is
    // always of the number kind, so dates and texts need no reading.
    const auto commaOrPoint = [](char c) { return c == ',' || c == '.'; };
    const bool othersMayRead =
        !commaOrPoint(cmp.format().decimalSeparator) || !commaOrPoint(cmp.format().thousandsSeparator);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view c = cells[i];
        switch (cmp.kindOf(c)) {
        case CellComparison::Kind::Number:
            if (const auto v = cmp.number(c)) {
                k.cls[i] = Num;
                k.value[i] = *v;
            } else {
                k.cls[i] = BadNum;
            }
            break;
        case CellComparison::Kind::Date:
            // A date or text that a number above it could read breaks the
            // "numbers never push down non-numbers" rule below.
            if (othersMayRead && cmp.number(c))
                return std::nullopt;
            k.cls[i] = Dat;
            k.value[i] = cmp.date(c);
            break;
        case CellComparison::Kind::Text:
            if (othersMayRead && cmp.number(c))
                return std::nullopt;
            k.cls[i] = Txt;
            break;
        }
        present[k.cls[i]] = true;
    }

    // Readable numbers and unreadable ones each compare "not greater" with every
    // other class from above, so they can only come first, and not both.
    if (present[Num] && present[BadNum])
        return std::nullopt;

    std::array<double, 4> dayMin;
    std::array<double, 4> dayMax;
    dayMin.fill(1e300);
    dayMax.fill(-1e300);
    std::array<std::string_view, 4> textMin{};
    std::array<std::string_view, 4> textMax{};
    std::array<bool, 4> seen{};
    const int classes = static_cast<int>(std::count(present.begin(), present.end(), true));
    if (classes > 1) {
        for (std::size_t i = 0; i < n; ++i) {
            const int c = k.cls[i];
            const double d = present[Dat] ? (c == Dat ? k.value[i] : cmp.date(cells[i])) : 0.0;
            dayMin[c] = std::min(dayMin[c], d);
            dayMax[c] = std::max(dayMax[c], d);
            if (!seen[c] || cells[i] < textMin[c])
                textMin[c] = cells[i];
            if (!seen[c] || cells[i] > textMax[c])
                textMax[c] = cells[i];
            seen[c] = true;
        }
    }

    // X before Y: a cell of Y above one of X is always greater, one of X above
    // one of Y never is.
    const auto before = [&](int x, int y) {
        bool xNeverGreater = true;
        if (x == Dat)
            xNeverGreater = dayMax[x] <= dayMin[y];
        else if (x == Txt)
            xNeverGreater = CellComparison::compareText(textMax[x], textMin[y]) <= 0;
        bool yAlwaysGreater = false;
        if (y == Dat)
            yAlwaysGreater = dayMin[y] > dayMax[x];
        else if (y == Txt)
            yAlwaysGreater = CellComparison::compareText(textMin[y], textMax[x]) > 0;
        return xNeverGreater && yAlwaysGreater;
    };

    std::vector<int> head;
    if (present[Num])
        head.push_back(Num);
    if (present[BadNum])
        head.push_back(BadNum);
    std::vector<std::vector<int>> candidates;
    if (present[Dat] && present[Txt]) {
        candidates.push_back({Dat, Txt});
        candidates.push_back({Txt, Dat});
    } else if (present[Dat]) {
        candidates.push_back({Dat});
    } else if (present[Txt]) {
        candidates.push_back({Txt});
    } else {
        candidates.emplace_back();
    }
    for (auto tail : candidates) {
        std::vector<int> order = head;
        order.insert(order.end(), tail.begin(), tail.end());
        bool ok = true;
        for (std::size_t a = 0; a < order.size() && ok; ++a) {
            for (std::size_t b = a + 1; b < order.size() && ok; ++b)
                ok = before(order[a], order[b]);
        }
        if (!ok)
            continue;
        std::array<std::uint8_t, 4> rankOf{};
        for (std::size_t a = 0; a < order.size(); ++a)
            rankOf[static_cast<std::size_t>(order[a])] = static_cast<std::uint8_t>(a);
        k.rank.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            k.rank[i] = rankOf[k.cls[i]];
        return k;
    }
    return std::nullopt;
}

bool keyLess(const Keys& k, std::span<const std::string_view> cells, std::uint32_t a, std::uint32_t b)
{
    if (k.rank[a] != k.rank[b])
        return k.rank[a] < k.rank[b];
    switch (k.cls[a]) {
    case Txt:
        return CellComparison::compareText(cells[a], cells[b]) < 0;
    case BadNum:
        return false;
    default:
        return k.value[a] < k.value[b];
    }
}

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Position-dependent hash of an order, kept up to date swap by swap, so that
// comparing two orders costs a full scan only when their hashes agree.
std::uint64_t slotHash(std::uint32_t element, std::size_t place)
{
    return mix((static_cast<std::uint64_t>(element) << 32) ^ place);
}

// Every cell read once, so that the passes compare without parsing again.
class PreparedCells {
public:
    PreparedCells(std::span<const std::string_view> cells, const CellComparison& cmp) : m_cells(cells)
    {
        m_kind.resize(cells.size());
        m_number.resize(cells.size());
        m_day.resize(cells.size());
        m_readable.resize(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            m_kind[i] = cmp.kindOf(cells[i]);
            const auto v = cmp.number(cells[i]);
            m_readable[i] = v.has_value();
            m_number[i] = v.value_or(0.0);
            m_day[i] = cmp.date(cells[i]);
        }
    }

    // As CellComparison::compare for the cells at these indices.
    int compare(std::uint32_t upper, std::uint32_t lower) const
    {
        switch (m_kind[upper]) {
        case CellComparison::Kind::Number:
            if (!m_readable[upper] || !m_readable[lower])
                return 0;
            return sign(m_number[upper] - m_number[lower]);
        case CellComparison::Kind::Date:
            return sign(m_day[upper] - m_day[lower]);
        case CellComparison::Kind::Text:
            break;
        }
        return CellComparison::compareText(m_cells[upper], m_cells[lower]);
    }

private:
    static int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

    std::span<const std::string_view> m_cells;
    std::vector<CellComparison::Kind> m_kind;
    std::vector<double> m_number;
    std::vector<double> m_day;
    std::vector<bool> m_readable;
};

// The literal passes, one at a time.
class Passes {
public:
    Passes(const PreparedCells& cells, std::vector<std::uint32_t> order) : m_cells(&cells), m_order(std::move(order))
    {
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_hash += slotHash(m_order[i], i);
    }

    // One pass; false when it swapped nothing.
    bool step()
    {
        // Before the first swap of the previous pass nothing changed, so those
        // neighbours compare as they did then: start just before it.
        std::size_t firstSwap = m_order.size();
        for (std::size_t i = m_start; i + 1 < m_order.size(); ++i) {
            if (m_cells->compare(m_order[i], m_order[i + 1]) > 0) {
                m_hash -= slotHash(m_order[i], i) + slotHash(m_order[i + 1], i + 1);
                std::swap(m_order[i], m_order[i + 1]);
                m_hash += slotHash(m_order[i], i) + slotHash(m_order[i + 1], i + 1);
                firstSwap = std::min(firstSwap, i);
            }
        }
        if (firstSwap == m_order.size())
            return false;
        m_start = firstSwap == 0 ? 0 : firstSwap - 1;
        return true;
    }

    bool sameOrder(const Passes& other) const { return m_hash == other.m_hash && m_order == other.m_order; }
    std::vector<std::uint32_t>& order() { return m_order; }

private:
    const PreparedCells* m_cells;
    std::vector<std::uint32_t> m_order;
    std::uint64_t m_hash = 0;
    std::size_t m_start = 0;
};

std::vector<std::uint32_t> identity(std::size_t n)
{
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

std::vector<std::uint32_t> literalPassOrder(std::span<const std::string_view> cells, const CellComparison& cmp)
{
    // Brent's cycle search over the sequence of orders after each pass: either
    // a pass swaps nothing (the normal end), or the sequence comes round.
    const PreparedCells prepared(cells, cmp);
    Passes hare(prepared, identity(cells.size()));
    Passes tortoise = hare;
    std::size_t power = 1;
    std::size_t lambda = 1;
    if (!hare.step())
        return std::move(hare.order());
    while (!tortoise.sameOrder(hare)) {
        if (power == lambda) {
            tortoise = hare;
            power *= 2;
            lambda = 0;
        }
        if (!hare.step())
            return std::move(hare.order());
        ++lambda;
    }
    // A cycle of length lambda: find the first order on it, the one the passes
    // come back to first.
    Passes first(prepared, identity(cells.size()));
    Passes ahead = first;
    for (std::size_t i = 0; i < lambda; ++i)
        ahead.step();
    while (!first.sameOrder(ahead)) {
        first.step();
        ahead.step();
    }
    return std::move(first.order());
}

// Merge sort that only ever compares the heads of two runs, so it ends and
// stays in bounds whatever the comparison says.
void mergeSort(std::vector<std::uint32_t>& order, const std::function<bool(std::uint32_t, std::uint32_t)>& takeRight)
{
    std::vector<std::uint32_t> buffer(order.size());
    for (std::size_t width = 1; width < order.size(); width *= 2) {
        for (std::size_t lo = 0; lo < order.size(); lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, order.size());
            const std::size_t hi = std::min(lo + 2 * width, order.size());
            std::size_t a = lo;
            std::size_t b = mid;
            std::size_t out = lo;
            while (a < mid && b < hi)
                buffer[out++] = takeRight(order[a], order[b]) ? order[b++] : order[a++];
            while (a < mid)
                buffer[out++] = order[a++];
            while (b < hi)
                buffer[out++] = order[b++];
        }
        order.swap(buffer);
    }
}

std::vector<std::string_view> columnCells(const ItemTable& table, int column)
{
    std::vector<std::string_view> cells;
    cells.reserve(static_cast<std::size_t>(table.rowCount() - 1));
    for (int r = 1; r < table.rowCount(); ++r)
        cells.emplace_back(table.cell(r, column));
    return cells;
}

// When no two cells are each greater than the other from above, a pair of
// cells changes its order at most once (only a swap of the two as neighbours
// changes it, and the swap back would need the other one greater), so the
// passes end, and they end where an insertion sort with the same comparison
// ends: each cell, taken in table order, climbs over the cells above it while
// the one above is greater. The climb is found in a balanced tree (an implicit
// treap whose subtrees know their smallest text, number and day) in O(log n).
class InsertionTree {
public:
    enum Cls : std::uint8_t { Number, Text, Date, Passive };

    struct Cells {
        std::vector<std::uint8_t> cls;
        std::vector<double> number;  // for Number cells
        std::vector<double> day;     // for every cell: how a date above reads it
    };

    InsertionTree(std::span<const std::string_view> cells, Cells classes)
        : m_cells(cells), m_c(std::move(classes)), m_nodes(cells.size())
    {
    }

    std::vector<std::uint32_t> run()
    {
        for (std::uint32_t i = 0; i < m_nodes.size(); ++i) {
            m_nodes[i].priority = static_cast<std::uint32_t>(mix(i));
            update(static_cast<int>(i));
            const int place = climbTarget(i);
            auto [left, right] = split(m_root, place);
            m_root = merge(merge(left, static_cast<int>(i)), right);
        }
        std::vector<std::uint32_t> order;
        order.reserve(m_nodes.size());
        inorder(m_root, order);
        return order;
    }

private:
    struct Node {
        int left = -1;
        int right = -1;
        std::uint32_t priority = 0;
        int size = 1;
        int passive = 0;  // passive cells in the subtree
        int numbers = 0;  // number cells in the subtree
        double minNumber = 0;
        double minDay = 0;
        bool hasDay = false;
        int minText = -1;  // the text cell with the smallest bytes in the subtree
    };

    int size(int t) const { return t < 0 ? 0 : m_nodes[static_cast<std::size_t>(t)].size; }

    void update(int t)
    {
        Node& n = m_nodes[static_cast<std::size_t>(t)];
        const auto self = static_cast<std::size_t>(t);
        const std::uint8_t cls = m_c.cls[self];
        n.size = 1;
        n.passive = cls == Passive ? 1 : 0;
        n.numbers = cls == Number ? 1 : 0;
        n.minNumber = cls == Number ? m_c.number[self] : 0;
        n.hasDay = cls == Date;
        n.minDay = cls == Date ? m_c.day[self] : 0;
        n.minText = cls == Text ? t : -1;
        for (const int c : {n.left, n.right}) {
            if (c < 0)
                continue;
            const Node& k = m_nodes[static_cast<std::size_t>(c)];
            n.size += k.size;
            n.passive += k.passive;
            if (k.numbers > 0 && (n.numbers == 0 || k.minNumber < n.minNumber))
                n.minNumber = k.minNumber;
            n.numbers += k.numbers;
            if (k.hasDay && (!n.hasDay || k.minDay < n.minDay))
                n.minDay = k.minDay;
            n.hasDay = n.hasDay || k.hasDay;
            if (k.minText >= 0 && (n.minText < 0 || m_cells[static_cast<std::size_t>(k.minText)] <
                                                         m_cells[static_cast<std::size_t>(n.minText)]))
                n.minText = k.minText;
        }
    }

    // Whether a subtree holds a cell that stops x's climb (one that is not
    // greater than x when it stands above it).
    bool holdsStop(int t, std::uint32_t x) const
    {
        if (t < 0)
            return false;
        const Node& n = m_nodes[static_cast<std::size_t>(t)];
        if (n.passive > 0)
            return true;
        if (n.minText >= 0 && m_cells[static_cast<std::size_t>(n.minText)] <= m_cells[x])
            return true;
        if (n.hasDay && n.minDay <= m_c.day[x])
            return true;
        if (m_c.cls[x] == Number)
            return n.numbers > 0 && n.minNumber <= m_c.number[x];
        return n.numbers > 0;
    }

    bool stops(std::uint32_t above, std::uint32_t x) const
    {
        switch (m_c.cls[above]) {
        case Passive:
            return true;
        case Number:
            return m_c.cls[x] != Number || m_c.number[above] <= m_c.number[x];
        case Date:
            return m_c.day[above] <= m_c.day[x];
        default:
            return m_cells[above] <= m_cells[x];
        }
    }

    // The number of cells above the place where x comes to rest: just below the
    // lowest stopping cell, or at the top.
    int climbTarget(std::uint32_t x) const
    {
        int t = m_root;
        int offset = 0;
        while (t >= 0) {
            const Node& n = m_nodes[static_cast<std::size_t>(t)];
            if (holdsStop(n.right, x)) {
                offset += size(n.left) + 1;
                t = n.right;
            } else if (stops(static_cast<std::uint32_t>(t), x)) {
                return offset + size(n.left) + 1;
            } else {
                t = n.left;
            }
        }
        return 0;
    }

    std::pair<int, int> split(int t, int count)
    {
        if (t < 0)
            return {-1, -1};
        Node& n = m_nodes[static_cast<std::size_t>(t)];
        if (size(n.left) < count) {
            auto [l, r] = split(n.right, count - size(n.left) - 1);
            m_nodes[static_cast<std::size_t>(t)].right = l;
            update(t);
            return {t, r};
        }
        auto [l, r] = split(n.left, count);
        m_nodes[static_cast<std::size_t>(t)].left = r;
        update(t);
        return {l, t};
    }

    int merge(int a, int b)
    {
        if (a < 0)
            return b;
        if (b < 0)
            return a;
        if (m_nodes[static_cast<std::size_t>(a)].priority > m_nodes[static_cast<std::size_t>(b)].priority) {
            const int r = merge(m_nodes[static_cast<std::size_t>(a)].right, b);
            m_nodes[static_cast<std::size_t>(a)].right = r;
            update(a);
            return a;
        }
        const int l = merge(a, m_nodes[static_cast<std::size_t>(b)].left);
        m_nodes[static_cast<std::size_t>(b)].left = l;
        update(b);
        return b;
    }

    void inorder(int t, std::vector<std::uint32_t>& out) const
    {
        std::vector<int> stack;
        while (t >= 0 || !stack.empty()) {
            while (t >= 0) {
                stack.push_back(t);
                t = m_nodes[static_cast<std::size_t>(t)].left;
            }
            t = stack.back();
            stack.pop_back();
            out.push_back(static_cast<std::uint32_t>(t));
            t = m_nodes[static_cast<std::size_t>(t)].right;
        }
    }

    std::span<const std::string_view> m_cells;
    Cells m_c;
    std::vector<Node> m_nodes;
    int m_root = -1;
};

// The classes for InsertionTree, or nothing when two cells may each be greater
// than the other from above. Numbers, unreadable numbers and texts never are
// (a number above anything but a number counts as equal); only a date above a
// text that reads as an earlier day while the text's bytes sort after the
// date's can be, and a text that reads as a number would make one more case.
std::optional<InsertionTree::Cells> insertionClasses(std::span<const std::string_view> cells,
                                                     const CellComparison& cmp)
{
    const std::size_t n = cells.size();
    InsertionTree::Cells c;
    c.cls.resize(n);
    c.number.assign(n, 0.0);
    c.day.resize(n);
    std::vector<std::uint32_t> texts;
    std::vector<std::uint32_t> dates;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view cell = cells[i];
        const CellComparison::Kind kind = cmp.kindOf(cell);
        const auto v = cmp.number(cell);
        c.day[i] = cmp.date(cell);
        switch (kind) {
        case CellComparison::Kind::Number:
            c.cls[i] = v ? InsertionTree::Number : InsertionTree::Passive;
            c.number[i] = v.value_or(0.0);
            break;
        case CellComparison::Kind::Date:
            if (v)
                return std::nullopt;
            c.cls[i] = InsertionTree::Date;
            dates.push_back(static_cast<std::uint32_t>(i));
            break;
        case CellComparison::Kind::Text:
            if (v)
                return std::nullopt;
            c.cls[i] = InsertionTree::Text;
            texts.push_back(static_cast<std::uint32_t>(i));
            break;
        }
    }
    if (dates.empty() || texts.empty())
        return c;
    // For each date: the greatest bytes among the texts of an earlier day.
    std::sort(texts.begin(), texts.end(), [&](std::uint32_t a, std::uint32_t b) { return c.day[a] < c.day[b]; });
    std::vector<std::string_view> greatest(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k)
        greatest[k] = k == 0 ? cells[texts[0]] : std::max(greatest[k - 1], cells[texts[k]]);
    for (const std::uint32_t d : dates) {
        const auto earlier = static_cast<std::size_t>(
            std::lower_bound(texts.begin(), texts.end(), c.day[d],
                             [&](std::uint32_t t, double day) { return c.day[t] < day; }) -
            texts.begin());
        if (earlier > 0 && greatest[earlier - 1] > cells[d])
            return std::nullopt;
    }
    return c;
}

}  // namespace

bool isConsistentOrder(std::span<const std::string_view> cells, const CellComparison& cmp)
{
    return consistentKeys(cells, cmp).has_value();
}

PassMethod passMethod(std::span<const std::string_view> cells, const CellComparison& cmp)
{
    if (consistentKeys(cells, cmp))
        return PassMethod::StableSort;
    if (insertionClasses(cells, cmp))
        return PassMethod::InsertionTree;
    return PassMethod::LiteralPasses;
}

std::vector<std::uint32_t> passOrder(std::span<const std::string_view> cells, const CellComparison& cmp)
{
    const auto keys = consistentKeys(cells, cmp);
    if (!keys) {
        if (auto classes = insertionClasses(cells, cmp))
            return InsertionTree(cells, std::move(*classes)).run();
        return literalPassOrder(cells, cmp);
    }
    std::vector<std::uint32_t> order = identity(cells.size());
    std::stable_sort(order.begin(), order.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return keyLess(*keys, cells, a, b); });
    return order;
}

std::vector<std::uint32_t> quickOrder(std::span<const std::string_view> cells, const CellComparison& cmp,
                                      bool ascending)
{
    std::vector<std::uint32_t> order = identity(cells.size());
    if (const auto keys = consistentKeys(cells, cmp)) {
        if (ascending)
            std::sort(order.begin(), order.end(),
                      [&](std::uint32_t a, std::uint32_t b) { return keyLess(*keys, cells, a, b); });
        else
            std::sort(order.begin(), order.end(),
                      [&](std::uint32_t a, std::uint32_t b) { return keyLess(*keys, cells, b, a); });
        return order;
    }
    // No consistent order: std::sort could run off the range, so merge instead,
    // with the left run's head as the upper cell.
    const PreparedCells prepared(cells, cmp);
    mergeSort(order, [&](std::uint32_t left, std::uint32_t right) {
        const int c = prepared.compare(left, right);
        return ascending ? c > 0 : c < 0;
    });
    return order;
}

void fullSort(ItemTable& table, const CellComparison& cmp)
{
    for (const int field : {FieldName, FieldCategory}) {
        const std::vector<std::string_view> cells = columnCells(table, table.columnOf(field));
        const std::vector<std::uint32_t> order = passOrder(cells, cmp);
        table.reorderItemRows(order);
    }
}

void sortByColumn(ItemTable& table, int column, bool ascending, const CellComparison& cmp)
{
    const std::vector<std::string_view> cells = columnCells(table, column);
    const std::vector<std::uint32_t> order = quickOrder(cells, cmp, ascending);
    table.reorderItemRows(order);
}

}  // namespace qv::TableSort
