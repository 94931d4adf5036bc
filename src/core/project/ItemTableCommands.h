#pragma once

#include "ui/Ui.h"
#include "project/CellComparison.h"
#include "project/ItemTable.h"
#include "project/FindDialog.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace qv {

class Language;

// The editor that a cell activation opens (the editors themselves live with
// the item entry dialogs).
enum class CellEditor { FreeText, CategoryChoice, YesNoChoice };

struct CellEditRequest {
    int field = 0;
    int row = 0;
    int column = 0;  // real column
    CellEditor editor = CellEditor::FreeText;
};

// One indicator of the chosen-item panel.
struct ItemIndicator {
    std::string text;
    ColourValue colour = 0;
};

// The line above the table: label, "Name  (File Name)", and whether the item
// has an info file and a screenshot.
struct ChosenItemPanel {
    std::string label;
    std::string item;
    ItemIndicator info;
    ItemIndicator screenshot;
};

// The table's context menu ("Chosen Item Control") as it opens.
struct TableContextMenu {
    static constexpr int kHelpTopic = 1600;
    std::string title = "Chosen Item Control";
    std::string removeText;      // T27
    std::string infoText;        // T28
    std::string screenshotText;  // T29
    std::string editText;        // T30
    bool itemEntriesEnabled = false;
    std::array<std::string, 13> editLabels;  // by field, index 0 unused
    std::array<bool, 13> editEnabled{};       // by field, index 0 unused
};

// The commands of the item table and its sort and find, as the main window
// forwards them. Menu commands and buttons play the click sound themselves;
// double clicks, the Space key, heading clicks and the two Grid Colors
// entries play nothing.
class ItemTableCommands final {
public:
    using ColourChooser = std::function<std::optional<ColourValue>(ColourValue current)>;

    // language is the program's current language object; it is read at each
    // command, so it may be replaced in place when the language changes.
    ItemTableCommands(ItemTable& table, Ui& ui, const Language& language, RegionalFormat format = RegionalFormat::fromEnvironment());

    ItemTable& table() { return m_table; }

    // After the current language object was (re)loaded: at start and from the
    // welcome screen the headings come from the settings' celld_1..12; from
    // the menu they are translated in place, and an open project's Copy and
    // Execute cells take the new yes and no words.
    void languageAppliedAtStart(const std::array<std::string, ItemTable::kFields>& celld);
    void languageChosenFromMenu(bool projectOpen);

    // Remove (removeClick and the context menu's first entry); no confirmation.
    void removeClick();

    // Double click or Space on the cursor cell: the editor it gets, or nothing
    // when a restriction refuses it (M31..M34 shown) or no field stands there.
    std::optional<CellEditRequest> cellActivated();
    // The context menu's Edit entry of a field: cursor to that field's column, then as a double click.
    std::optional<CellEditRequest> editEntryClick(int field);

    TableContextMenu contextMenu() const;
    void contextHelpClick(const std::filesystem::path& helpFile);

    // From the cursor row; projectFolder empty when no project is open.
    ChosenItemPanel chosenItemPanel(const std::filesystem::path& projectFolder) const;

    // Settings menu, Grid part.
    void showGridColumnClick(int field);
    void showAllColumnsClick();
    void restoreGridSettingsClick(const GridLayout& layout);
    void autoGridSizeClick(const ItemTable::TextMeasure& measure);
    // False when refused (Column Move while a column is hidden: M37).
    bool gridModeClick(int mode);
    // which: 1 or 2.
    void gridColorClick(int which, const ColourChooser& choose);

    // Full Sort (sortClick): by Name, then by Category, stable.
    void sortClick();
    // Quick Sort: a click on the heading of a real column. False when nothing was sorted.
    bool headingClick(int column);
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_sortAscending; }

    // Find (findClick) shows the find dialog; Find next (findNextClick) goes on from the last match.
    FindDialog& findDialog() { return m_findDialog; }
    void findClick();
    void findNextClick();

    const CellComparison& comparison() const { return m_cmp; }

private:
    void showInformation(const char* key);
    void findFrom(std::optional<CellPosition> after, CellPosition scopeCell);

    ItemTable& m_table;
    Ui& m_ui;
    const Language& m_language;
    CellComparison m_cmp;

    // The heading sort starts as if column 3 had just been sorted ascending.
    int m_sortColumn = 3;
    bool m_sortAscending = true;

    FindDialog m_findDialog;
    std::optional<CellPosition> m_lastFound;
};

}  // namespace qv
