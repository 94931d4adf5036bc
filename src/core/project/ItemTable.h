#pragma once

#include "i18n/JumpWords.h"
#include "project/ItemFields.h"
#include "project/ItemTableObserver.h"
#include "util/Colour.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class Language;


// Grid modes as the settings file numbers them; any other value is "no mode",
// which allows both column dragging and heading sorts.
enum GridMode : int { GridModeNone = 0, GridModeColumnMove = 1, GridModeQuickSort = 2 };

// Column visibility and widths as the settings file keeps them
// (state_grid_<n>, grid_<n>): visibility by field number, widths by real column.
struct GridLayout {
    // Index 1..12 by field; nullopt for a text that is neither "visible" nor "hidden".
    std::array<std::optional<bool>, 13> fieldVisible{};
    // Index 0..12 by real column.
    std::array<int, 13> widths{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};

    // Reads the texts of state_grid_1..12 ("visible", "hidden", anything else).
    static std::optional<bool> visibilityFromText(std::string_view text);
};

// The open project in memory (the grid `allfiles`): 13 columns, row 0 the
// heading row, rows 1.. the items; column 0 holds nothing. Every other part
// addresses item fields through the column map, never by column number.
class ItemTable final {
public:
    static constexpr int kColumns = 13;
    static constexpr int kFields = 12;
    using Row = std::array<std::string, kColumns>;

    // Starts with 2 rows and the English field names as headings in field
    // order, so the map is the identity until a language is applied.
    ItemTable();
    ItemTable(const ItemTable& other);
    ItemTable& operator=(const ItemTable& other);
    // Observers stay with the object: assigning announces a reset to them.
    ItemTable(ItemTable&& other) noexcept;
    ItemTable& operator=(ItemTable&& other) noexcept;
    ~ItemTable() = default;

    // --- Change notification -------------------------------------------------
    void addObserver(ItemTableObserver* observer);
    void removeObserver(ItemTableObserver* observer);
    // Everything changed while a batch is open (a load, a sort, a language
    // change) reaches the observers as one reset: announced before the first
    // change, completed when the outermost batch ends. Batches nest.
    class Batch final {
    public:
        explicit Batch(ItemTable& table) : m_table(table) { ++m_table.m_batchDepth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    private:
        ItemTable& m_table;
    };

    // English names of fields 1..12: the settings file's vocabulary for the column order.
    static std::string_view englishName(int field);
    // Field whose English name equals text ignoring ASCII case; 0 when none.
    static int fieldOfEnglishName(std::string_view text);

    // --- Cells ---------------------------------------------------------------
    const std::string& read(int field, int row) const { return cell(row, m_map[checkedField(field)]); }
    void write(int field, int row, std::string text) { setCell(row, m_map[checkedField(field)], std::move(text)); }
    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    // Heading row included; never below 2.
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Rows are added or dropped at the end; new rows are empty.
    void setRowCount(int count);
    // Appends an empty item row and returns its number.
    int appendRow();
    // Empties the field cells of row 1 (the empty row after loading, the check, the wizard).
    void clearRow1();
    // Both Name and File Name empty: the context menu's and the add dialogs' notion of an empty row.
    bool isEmptyRow(int row) const;
    // File Name equals the jump word, or that of another interface language
    // (the one the item was made in), ignoring ASCII case.
    bool isJumpPoint(int row) const;

    // --- Column map and headings ---------------------------------------------
    // Real column of a field; 0 when no heading matches its word.
    int columnOf(int field) const { return m_map[checkedField(field)]; }
    // Field shown in a real column (the inverse of the map); 0 for none.
    int fieldAt(int column) const;
    const std::string& heading(int column) const { return cell(0, column); }
    void recomputeColumnMap();

    // Current language's words.
    const std::string& headingWord(int field) const { return m_words.headings[static_cast<std::size_t>(checkedField(field) - 1)]; }
    const std::string& yesWord() const { return m_words.yes; }
    const std::string& noWord() const { return m_words.no; }
    const std::string& jumpWord() const { return m_words.jump; }
    const JumpWords& jumpWords() const { return m_words.jumpWords; }
    bool languageApplied() const { return m_languageApplied; }

    // At program start and from the welcome screen: heading n shows the current
    // language's word of the field named by celld[n-1] (an English name, or
    // "yes"/"no" for the yes and no words). Positions whose key names nothing
    // get the fields that no other position names, in field order.
    void applyStartHeadings(const Language& language, const std::array<std::string, kFields>& celld);
    // A language picked from the menu: every heading is translated in place from
    // the previous language's words; a heading that is none of them keeps its text.
    void changeLanguage(const Language& language);
    // The English name of the heading in a column, for celld_<n>; a heading that
    // is no field word is returned as it is.
    std::string englishNameOfHeading(int column) const;

    // Rewrites every Copy and Execute cell to the current yes or no word.
    void normaliseYesNo();

    // --- Columns on screen ---------------------------------------------------
    bool isHidden(int column) const { return m_hidden[checkedColumn(column)]; }
    void setHidden(int column, bool hidden);
    bool anyFieldColumnHidden() const;
    // Display position a (0 = the fixed column) to real column and back.
    int displayToReal(int a) const;
    int realToDisplay(int column) const;
    int width(int column) const { return m_widths[checkedColumn(column)]; }
    void setWidth(int column, int w);
    // Moves a field column (1..12) to another place; cells, width and
    // visibility go with it and the map is recomputed. Not a modification.
    void moveColumn(int from, int to);

    // Show Grid Column check marks; the context menu's Edit entries follow them.
    bool isFieldChecked(int field) const { return m_checked[checkedField(field)]; }
    void toggleGridColumn(int field);
    void showAllColumns();
    // Load settings steps 11 and 12; restoreGridSettings first shows every column.
    void applyGridLayout(const GridLayout& layout);
    void restoreGridSettings(const GridLayout& layout);
    // Every column but column 0 gets its widest cell plus 10 pixels.
    using TextMeasure = std::function<int(std::string_view text, bool heading)>;
    // rowLimit: only the heading and the first rowLimit item rows are measured (-1: all).
    void autoGridSize(const TextMeasure& measure, int rowLimit = -1);

    int gridMode() const { return m_gridMode; }
    void setGridMode(int mode);
    bool columnsCanBeDragged() const { return m_gridMode == GridModeColumnMove || !isKnownGridMode(); }
    bool headingClickSorts() const { return m_gridMode == GridModeQuickSort || !isKnownGridMode(); }

    // --- Rows on screen ------------------------------------------------------
    // Moves item row from to place to (a drag); refreshes the colouring, not a modification.
    void moveRow(int from, int to);
    // order[i] is the item index (row - 1) of the row that goes to row i + 1.
    void reorderItemRows(std::span<const std::uint32_t> order);
    // Remove: the cursor row goes, or row 1 is emptied when it is the only one.
    void removeCurrentRow();

    // --- Category colouring --------------------------------------------------
    ColourValue colour1() const { return m_colour1; }
    ColourValue colour2() const { return m_colour2; }
    void setColours(ColourValue colour1, ColourValue colour2);
    void refreshCategoryColouring();
    // Colour of an item row (row >= 1) after the last refresh.
    ColourValue rowColour(int row) const;

    // --- Cursor --------------------------------------------------------------
    int currentRow() const { return m_cursorRow; }
    int currentRealColumn() const { return m_cursorColumn; }
    // Display position of the cursor's column.
    int currentColumn() const { return realToDisplay(m_cursorColumn); }
    void setCurrentRow(int row);
    void setCursor(int row, int displayColumn);
    void setCursorReal(int row, int column);
    void moveCursorToField(int field);

    // --- Modified flag -------------------------------------------------------
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

private:
    struct Words {
        std::array<std::string, kFields> headings;
        std::string yes;
        std::string no;
        std::string jump;
        JumpWords jumpWords;
    };

    friend class Batch;
    // Calls fn on every observer, or, inside a batch, announces the batch's
    // reset once and swallows the rest.
    template <class Fn> void before(Fn fn);
    template <class Fn> void after(Fn fn);
    template <class Fn> void notify(Fn fn);
    void endBatch();
    void copyContentsFrom(const ItemTable& other);
    void moveContentsFrom(ItemTable& other);

    static int checkedField(int field);
    static int checkedColumn(int column);
    bool isKnownGridMode() const { return m_gridMode >= GridModeNone && m_gridMode <= GridModeQuickSort; }
    void useLanguage(const Language& language);
    void setFieldShown(int field, bool shown);

    // Rows live on the heap so that sorting, removing and dragging move
    // pointers rather than thirteen strings per row.
    std::vector<std::unique_ptr<Row>> m_rows;
    std::array<int, kColumns> m_map{};
    Words m_words;
    // The words of the language in use when the headings were last set, by
    // which a language change recognises the old headings.
    Words m_previous;
    bool m_languageApplied = false;

    std::array<bool, kColumns> m_hidden{};
    std::array<int, kColumns> m_widths{};
    std::array<bool, kColumns> m_checked{};  // index by field, 0 unused
    int m_gridMode = GridModeNone;

    ColourValue m_colour1 = rgbColour(0xC0, 0xC0, 0xC0);  // clSilver
    ColourValue m_colour2 = rgbColour(0xFF, 0xFF, 0xFF);  // clWhite
    // The colour half of the companion list allfiles_temp, by row.
    std::vector<ColourValue> m_rowColours;

    int m_cursorRow = 1;
    int m_cursorColumn = 1;
    bool m_modified = false;

    std::vector<ItemTableObserver*> m_observers;
    int m_batchDepth = 0;
    bool m_batchAnnounced = false;
};

}  // namespace qv
