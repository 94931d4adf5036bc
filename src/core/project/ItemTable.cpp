#include "project/ItemTable.h"

#include "i18n/Language.h"
#include "util/Text.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace qv {

namespace {

constexpr std::array<std::string_view, ItemTable::kFields> kEnglishNames = {
    "Name",     "File Name", "CD Path",  "Serial", "CD Size",  "HD Size",
    "Description", "Category", "Copy", "File Source Location", "Homepage", "Execute",
};

// The yes words of the four languages that a Copy or Execute cell may still
// hold, Russian in its UTF-8 form. Everything else, the no words ("no",
// "nein", "Нет") included, ends as the current no word.
bool isAnyYesWord(std::string_view cell)
{
    return iequals(cell, "yes") || iequals(cell, "ja") || cell == "\xD0\x94\xD0\xB0" /* Да */ || iequals(cell, "si");
}


}  // namespace

std::optional<bool> GridLayout::visibilityFromText(std::string_view text)
{
    if (text == "visible")
        return true;
    if (text == "hidden")
        return false;
    return std::nullopt;
}

ItemTable::ItemTable()
{
    setRowCount(2);
    for (int f = 1; f <= kFields; ++f) {
        m_words.headings[static_cast<std::size_t>(f - 1)] = std::string(englishName(f));
        (*m_rows[0])[static_cast<std::size_t>(f)] = std::string(englishName(f));
        m_checked[static_cast<std::size_t>(f)] = true;
    }
    m_words.yes = "yes";
    m_words.no = "no";
    m_words.jump = "Jump Point";
    m_previous = m_words;
    m_widths.fill(50);
    recomputeColumnMap();
    refreshCategoryColouring();
}

ItemTable::ItemTable(const ItemTable& other)
{
    copyContentsFrom(other);
}

ItemTable& ItemTable::operator=(const ItemTable& other)
{
    if (this == &other)
        return *this;
    before([](ItemTableObserver& o) { o.tableAboutToBeReset(); });
    copyContentsFrom(other);
    after([](ItemTableObserver& o) { o.tableReset(); });
    return *this;
}

ItemTable::ItemTable(ItemTable&& other) noexcept
{
    moveContentsFrom(other);
}

ItemTable& ItemTable::operator=(ItemTable&& other) noexcept
{
    if (this == &other)
        return *this;
    before([](ItemTableObserver& o) { o.tableAboutToBeReset(); });
    moveContentsFrom(other);
    after([](ItemTableObserver& o) { o.tableReset(); });
    return *this;
}

void ItemTable::moveContentsFrom(ItemTable& other)
{
    m_rows = std::move(other.m_rows);
    m_map = other.m_map;
    m_words = std::move(other.m_words);
    m_previous = std::move(other.m_previous);
    m_languageApplied = other.m_languageApplied;
    m_hidden = other.m_hidden;
    m_widths = other.m_widths;
    m_checked = other.m_checked;
    m_gridMode = other.m_gridMode;
    m_colour1 = other.m_colour1;
    m_colour2 = other.m_colour2;
    m_rowColours = std::move(other.m_rowColours);
    m_cursorRow = other.m_cursorRow;
    m_cursorColumn = other.m_cursorColumn;
    m_modified = other.m_modified;
    // A moved-from table keeps the invariant of at least two rows.
    other.m_rows.clear();
    other.m_rows.push_back(std::make_unique<Row>());
    other.m_rows.push_back(std::make_unique<Row>());
}

void ItemTable::copyContentsFrom(const ItemTable& other)
{
    std::vector<std::unique_ptr<Row>> rows;
    rows.reserve(other.m_rows.size());
    for (const auto& row : other.m_rows)
        rows.push_back(std::make_unique<Row>(*row));
    m_rows = std::move(rows);
    m_map = other.m_map;
    m_words = other.m_words;
    m_previous = other.m_previous;
    m_languageApplied = other.m_languageApplied;
    m_hidden = other.m_hidden;
    m_widths = other.m_widths;
    m_checked = other.m_checked;
    m_gridMode = other.m_gridMode;
    m_colour1 = other.m_colour1;
    m_colour2 = other.m_colour2;
    m_rowColours = other.m_rowColours;
    m_cursorRow = other.m_cursorRow;
    m_cursorColumn = other.m_cursorColumn;
    m_modified = other.m_modified;
}

void ItemTable::addObserver(ItemTableObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void ItemTable::removeObserver(ItemTableObserver* observer)
{
    std::erase(m_observers, observer);
}

template <class Fn>
void ItemTable::before(Fn fn)
{
    if (m_batchDepth > 0) {
        if (!m_batchAnnounced) {
            m_batchAnnounced = true;
            for (ItemTableObserver* o : m_observers)
                o->tableAboutToBeReset();
        }
        return;
    }
    for (ItemTableObserver* o : m_observers)
        fn(*o);
}

template <class Fn>
void ItemTable::after(Fn fn)
{
    if (m_batchDepth > 0) {
        // Changes without a "before" of their own still make the batch a reset.
        if (!m_batchAnnounced) {
            m_batchAnnounced = true;
            for (ItemTableObserver* o : m_observers)
                o->tableAboutToBeReset();
        }
        return;
    }
    for (ItemTableObserver* o : m_observers)
        fn(*o);
}

template <class Fn>
void ItemTable::notify(Fn fn)
{
    // Layout, colours, cursor and the modified flag need no "before"; a reset
    // already announced covers them.
    if (m_batchDepth > 0 && m_batchAnnounced)
        return;
    for (ItemTableObserver* o : m_observers)
        fn(*o);
}

ItemTable::Batch::~Batch()
{
    m_table.endBatch();
}

void ItemTable::endBatch()
{
    if (--m_batchDepth > 0 || !m_batchAnnounced)
        return;
    m_batchAnnounced = false;
    for (ItemTableObserver* o : m_observers)
        o->tableReset();
}

std::string_view ItemTable::englishName(int field)
{
    return kEnglishNames.at(static_cast<std::size_t>(checkedField(field) - 1));
}

int ItemTable::fieldOfEnglishName(std::string_view text)
{
    for (int f = 1; f <= kFields; ++f) {
        if (iequals(text, kEnglishNames[static_cast<std::size_t>(f - 1)]))
            return f;
    }
    return 0;
}

int ItemTable::checkedField(int field)
{
    if (field < 0 || field > kFields)
        throw std::out_of_range("item field " + std::to_string(field));
    return field;
}

int ItemTable::checkedColumn(int column)
{
    if (column < 0 || column >= kColumns)
        throw std::out_of_range("item table column " + std::to_string(column));
    return column;
}

const std::string& ItemTable::cell(int row, int column) const
{
    return (*m_rows.at(static_cast<std::size_t>(row)))[static_cast<std::size_t>(checkedColumn(column))];
}

void ItemTable::setCell(int row, int column, std::string text)
{
    std::string& target = (*m_rows.at(static_cast<std::size_t>(row)))[static_cast<std::size_t>(checkedColumn(column))];
    if (target == text)
        return;
    // Inside a batch the reset has to be announced before the first change.
    if (m_batchDepth > 0)
        before([](ItemTableObserver&) {});
    target = std::move(text);
    if (row == 0)
        after([](ItemTableObserver& o) { o.headingsChanged(); });
    else
        after([row, column](ItemTableObserver& o) { o.cellsChanged(row, row, column, column); });
}

void ItemTable::setRowCount(int count)
{
    const int old = rowCount();
    const int n = std::max(2, count);
    if (n < old) {
        before([n, old](ItemTableObserver& o) { o.rowsAboutToBeRemoved(n, old - 1); });
        m_rows.resize(static_cast<std::size_t>(n));
        after([n, old](ItemTableObserver& o) { o.rowsRemoved(n, old - 1); });
    } else if (n > old) {
        before([n, old](ItemTableObserver& o) { o.rowsAboutToBeInserted(old, n - 1); });
        m_rows.reserve(static_cast<std::size_t>(n));
        while (m_rows.size() < static_cast<std::size_t>(n))
            m_rows.push_back(std::make_unique<Row>());
        after([n, old](ItemTableObserver& o) { o.rowsInserted(old, n - 1); });
    }
    setCurrentRow(m_cursorRow);
}

int ItemTable::appendRow()
{
    setRowCount(rowCount() + 1);
    return rowCount() - 1;
}

void ItemTable::clearRow1()
{
    for (int c = 1; c < kColumns; ++c)
        setCell(1, c, {});
}

bool ItemTable::isEmptyRow(int row) const
{
    return read(FieldName, row).empty() && read(FieldFileName, row).empty();
}

bool ItemTable::isJumpPoint(int row) const
{
    const std::string& fileName = read(FieldFileName, row);
    return iequals(fileName, m_words.jump) || m_words.jumpWords.matches(fileName);
}

int ItemTable::fieldAt(int column) const
{
    if (column <= 0)
        return 0;
    for (int f = 1; f <= kFields; ++f) {
        if (m_map[static_cast<std::size_t>(f)] == column)
            return f;
    }
    return 0;
}

void ItemTable::recomputeColumnMap()
{
    m_map[0] = 0;
    for (int f = 1; f <= kFields; ++f) {
        int found = 0;
        for (int c = 1; c < kColumns; ++c) {
            if ((*m_rows[0])[static_cast<std::size_t>(c)] == m_words.headings[static_cast<std::size_t>(f - 1)])
                found = c;  // the last matching column wins
        }
        m_map[static_cast<std::size_t>(f)] = found;
    }
}

void ItemTable::useLanguage(const Language& language)
{
    m_words.headings = language.fieldTitles();
    m_words.yes = language.yesWord();
    m_words.no = language.noWord();
    m_words.jump = language.jumpWord();
    m_words.jumpWords = language.jumpWords();
}

void ItemTable::applyStartHeadings(const Language& language, const std::array<std::string, kFields>& celld)
{
    useLanguage(language);
    std::array<bool, kFields + 1> named{};
    std::vector<int> unknown;
    for (int n = 1; n <= kFields; ++n) {
        const std::string& key = celld[static_cast<std::size_t>(n - 1)];
        std::string& headingCell = (*m_rows[0])[static_cast<std::size_t>(n)];
        if (const int f = fieldOfEnglishName(key)) {
            headingCell = m_words.headings[static_cast<std::size_t>(f - 1)];
            named[static_cast<std::size_t>(f)] = true;
        } else if (iequals(key, "yes")) {
            headingCell = m_words.yes;
        } else if (iequals(key, "no")) {
            headingCell = m_words.no;
        } else {
            unknown.push_back(n);
        }
    }
    // A missing or unknown celld key would leave its own text in the heading and
    // lose a field; the fields no key names fill those places in field order.
    int nextField = 1;
    for (const int n : unknown) {
        while (nextField <= kFields && named[static_cast<std::size_t>(nextField)])
            ++nextField;
        std::string& headingCell = (*m_rows[0])[static_cast<std::size_t>(n)];
        if (nextField <= kFields) {
            headingCell = m_words.headings[static_cast<std::size_t>(nextField - 1)];
            named[static_cast<std::size_t>(nextField)] = true;
        } else {
            headingCell = "celld_" + std::to_string(n);
        }
    }
    recomputeColumnMap();
    m_previous = m_words;
    m_languageApplied = true;
    after([](ItemTableObserver& o) { o.headingsChanged(); });
}

void ItemTable::changeLanguage(const Language& language)
{
    Words previous = m_previous;
    useLanguage(language);
    for (int c = 1; c < kColumns; ++c) {
        std::string& headingCell = (*m_rows[0])[static_cast<std::size_t>(c)];
        bool done = false;
        for (int f = 1; f <= kFields && !done; ++f) {
            if (iequals(headingCell, previous.headings[static_cast<std::size_t>(f - 1)])) {
                headingCell = m_words.headings[static_cast<std::size_t>(f - 1)];
                done = true;
            }
        }
        if (done)
            continue;
        if (iequals(headingCell, previous.yes))
            headingCell = m_words.yes;
        else if (iequals(headingCell, previous.no))
            headingCell = m_words.no;
        // Anything else keeps its own text.
    }
    recomputeColumnMap();
    m_previous = m_words;
    m_languageApplied = true;
    after([](ItemTableObserver& o) { o.headingsChanged(); });
}

std::string ItemTable::englishNameOfHeading(int column) const
{
    const std::string& h = heading(column);
    for (int f = 1; f <= kFields; ++f) {
        if (iequals(h, m_words.headings[static_cast<std::size_t>(f - 1)]))
            return std::string(englishName(f));
    }
    if (iequals(h, m_words.yes))
        return "yes";
    if (iequals(h, m_words.no))
        return "no";
    return h;
}

void ItemTable::normaliseYesNo()
{
    // One batch: a load of many rows announces one reset, not a change per cell.
    const Batch batch(*this);
    for (const int field : {FieldCopy, FieldExecute}) {
        const int column = m_map[static_cast<std::size_t>(field)];
        for (int r = 1; r < rowCount(); ++r) {
            const std::string& value = cell(r, column);
            // The current words are compared ignoring ASCII case as well, so a
            // yes word with capitals (German "Ja") survives its own normalisation.
            if (isAnyYesWord(value) || iequals(value, m_words.yes))
                setCell(r, column, m_words.yes);
            else if (value != m_words.no)
                setCell(r, column, m_words.no);
        }
    }
}

void ItemTable::setHidden(int column, bool hidden)
{
    m_hidden[static_cast<std::size_t>(checkedColumn(column))] = hidden;
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

void ItemTable::setWidth(int column, int w)
{
    m_widths[static_cast<std::size_t>(checkedColumn(column))] = w;
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

void ItemTable::setGridMode(int mode)
{
    m_gridMode = mode;
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

bool ItemTable::anyFieldColumnHidden() const
{
    return std::any_of(m_hidden.begin() + 1, m_hidden.end(), [](bool h) { return h; });
}

int ItemTable::displayToReal(int a) const
{
    if (a <= 0)
        return 0;
    int visible = 0;
    for (int c = 1; c < kColumns; ++c) {
        if (!m_hidden[static_cast<std::size_t>(c)] && ++visible == a)
            return c;
    }
    return kColumns - 1;
}

int ItemTable::realToDisplay(int column) const
{
    int hidden = 0;
    for (int c = 1; c <= column && c < kColumns; ++c)
        hidden += m_hidden[static_cast<std::size_t>(c)] ? 1 : 0;
    return column - hidden;
}

void ItemTable::moveColumn(int from, int to)
{
    if (from < 1 || from >= kColumns || to < 1 || to >= kColumns || from == to)
        return;
    const auto rotate = [from, to](auto& arr) {
        if (from < to)
            std::rotate(arr.begin() + from, arr.begin() + from + 1, arr.begin() + to + 1);
        else
            std::rotate(arr.begin() + to, arr.begin() + from, arr.begin() + from + 1);
    };
    before([from, to](ItemTableObserver& o) { o.columnAboutToBeMoved(from, to); });
    for (auto& row : m_rows)
        rotate(*row);
    rotate(m_hidden);
    rotate(m_widths);
    if (m_cursorColumn == from)
        m_cursorColumn = to;
    else if (from < to && m_cursorColumn > from && m_cursorColumn <= to)
        --m_cursorColumn;
    else if (to < from && m_cursorColumn >= to && m_cursorColumn < from)
        ++m_cursorColumn;
    recomputeColumnMap();
    after([from, to](ItemTableObserver& o) { o.columnMoved(from, to); });
}

void ItemTable::setFieldShown(int field, bool shown)
{
    m_checked[static_cast<std::size_t>(field)] = shown;
    // An unmapped field would name column 0, the fixed column, which stays.
    if (const int c = m_map[static_cast<std::size_t>(field)])
        m_hidden[static_cast<std::size_t>(c)] = !shown;
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

void ItemTable::toggleGridColumn(int field)
{
    setFieldShown(checkedField(field), !m_checked[static_cast<std::size_t>(field)]);
}

void ItemTable::showAllColumns()
{
    for (int f = 1; f <= kFields; ++f) {
        m_checked[static_cast<std::size_t>(f)] = false;
        toggleGridColumn(f);
    }
}

void ItemTable::applyGridLayout(const GridLayout& layout)
{
    for (int f = 1; f <= kFields; ++f) {
        if (const auto& v = layout.fieldVisible[static_cast<std::size_t>(f)])
            setFieldShown(f, *v);
    }
    for (int c = 0; c < kColumns; ++c) {
        if (!m_hidden[static_cast<std::size_t>(c)])
            m_widths[static_cast<std::size_t>(c)] = layout.widths[static_cast<std::size_t>(c)];
    }
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

void ItemTable::restoreGridSettings(const GridLayout& layout)
{
    // Every column is shown, so every check mark goes with it; a field whose
    // stored visibility is unreadable then stays shown and checked.
    m_hidden.fill(false);
    for (int f = 1; f <= kFields; ++f)
        m_checked[static_cast<std::size_t>(f)] = true;
    applyGridLayout(layout);
}

void ItemTable::autoGridSize(const TextMeasure& measure, int rowLimit)
{
    const std::size_t rows = rowLimit < 0 ? m_rows.size() : std::min(m_rows.size(), static_cast<std::size_t>(rowLimit) + 1);
    for (int c = 1; c < kColumns; ++c) {
        int widest = 0;
        for (std::size_t r = 0; r < rows; ++r)
            widest = std::max(widest, measure((*m_rows[r])[static_cast<std::size_t>(c)], r == 0));
        m_widths[static_cast<std::size_t>(c)] = widest + 10;
    }
    notify([](ItemTableObserver& o) { o.columnLayoutChanged(); });
}

void ItemTable::moveRow(int from, int to)
{
    const int last = rowCount() - 1;
    if (from < 1 || from > last || to < 1 || to > last || from == to)
        return;
    before([from, to](ItemTableObserver& o) { o.rowAboutToBeMoved(from, to); });
    if (from < to)
        std::rotate(m_rows.begin() + from, m_rows.begin() + from + 1, m_rows.begin() + to + 1);
    else
        std::rotate(m_rows.begin() + to, m_rows.begin() + from, m_rows.begin() + from + 1);
    after([from, to](ItemTableObserver& o) { o.rowMoved(from, to); });
    if (m_cursorRow == from)
        setCurrentRow(to);
    refreshCategoryColouring();
}

void ItemTable::reorderItemRows(std::span<const std::uint32_t> order)
{
    // The order is checked whole before a row moves: a short order would drop
    // rows and a repeated index would leave an empty slot behind.
    const std::size_t items = m_rows.size() - 1;
    if (order.size() != items)
        throw std::invalid_argument("item row order has " + std::to_string(order.size()) + " entries for " +
                                    std::to_string(items) + " rows");
    std::vector<bool> seen(items, false);
    for (const std::uint32_t i : order) {
        if (i >= items || seen[i])
            throw std::invalid_argument("item row order is no permutation of the rows");
        seen[i] = true;
    }
    before([](ItemTableObserver& o) { o.tableAboutToBeReset(); });
    std::vector<std::unique_ptr<Row>> rows;
    rows.reserve(m_rows.size());
    rows.push_back(std::move(m_rows[0]));
    for (const std::uint32_t i : order)
        rows.push_back(std::move(m_rows[i + 1]));
    m_rows = std::move(rows);
    after([](ItemTableObserver& o) { o.tableReset(); });
}

void ItemTable::removeCurrentRow()
{
    if (rowCount() < 3) {
        clearRow1();
    } else {
        // Only the twelve field cells move up; column 0 keeps its place.
        const int removed = m_cursorRow;
        before([removed](ItemTableObserver& o) { o.rowsAboutToBeRemoved(removed, removed); });
        const auto r = static_cast<std::size_t>(m_cursorRow);
        const bool column0Used = std::any_of(m_rows.begin() + static_cast<std::ptrdiff_t>(r), m_rows.end(),
                                             [](const auto& row) { return !(*row)[0].empty(); });
        std::vector<std::string> fixed;
        if (column0Used) {
            for (std::size_t i = r; i < m_rows.size(); ++i)
                fixed.push_back(std::move((*m_rows[i])[0]));
        }
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(r));
        if (column0Used) {
            for (std::size_t i = r; i < m_rows.size(); ++i)
                (*m_rows[i])[0] = std::move(fixed[i - r]);
        }
        after([removed](ItemTableObserver& o) { o.rowsRemoved(removed, removed); });
        setCurrentRow(m_cursorRow);
    }
    setModified(true);
    refreshCategoryColouring();
}

void ItemTable::setColours(ColourValue colour1, ColourValue colour2)
{
    m_colour1 = colour1;
    m_colour2 = colour2;
    refreshCategoryColouring();
}

void ItemTable::refreshCategoryColouring()
{
    m_rowColours.assign(m_rows.size(), m_colour1);
    const auto column = static_cast<std::size_t>(m_map[FieldCategory]);
    for (std::size_t r = 2; r < m_rows.size(); ++r) {
        if ((*m_rows[r])[column] == (*m_rows[r - 1])[column])
            m_rowColours[r] = m_rowColours[r - 1];
        else
            m_rowColours[r] = m_rowColours[r - 1] == m_colour1 ? m_colour2 : m_colour1;
    }
    notify([](ItemTableObserver& o) { o.coloursChanged(); });
}

ColourValue ItemTable::rowColour(int row) const
{
    if (row < 1 || static_cast<std::size_t>(row) >= m_rowColours.size())
        return m_colour1;
    return m_rowColours[static_cast<std::size_t>(row)];
}

void ItemTable::setCurrentRow(int row)
{
    const int clamped = std::clamp(row, 1, rowCount() - 1);
    if (clamped == m_cursorRow)
        return;
    m_cursorRow = clamped;
    notify([this](ItemTableObserver& o) { o.cursorChanged(m_cursorRow, m_cursorColumn); });
}

void ItemTable::setCursor(int row, int displayColumn)
{
    setCursorReal(row, displayToReal(displayColumn));
}

void ItemTable::setCursorReal(int row, int column)
{
    const int c = checkedColumn(column);
    const bool columnChanged = c != m_cursorColumn;
    m_cursorColumn = c;
    const int oldRow = m_cursorRow;
    setCurrentRow(row);
    if (columnChanged && oldRow == m_cursorRow)
        notify([this](ItemTableObserver& o) { o.cursorChanged(m_cursorRow, m_cursorColumn); });
}

void ItemTable::moveCursorToField(int field)
{
    setCursorReal(m_cursorRow, m_map[static_cast<std::size_t>(checkedField(field))]);
}

void ItemTable::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    notify([modified](ItemTableObserver& o) { o.modifiedChanged(modified); });
}

}  // namespace qv
