#include "project/ItemTableCommands.h"

#include "i18n/Language.h"
#include "project/TableSort.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <system_error>

namespace qv {

namespace {

constexpr ColourValue kGreen = rgbColour(0x00, 0x80, 0x00);
constexpr ColourValue kNavy = rgbColour(0x00, 0x00, 0x80);

// The context menu's Edit entries, in field order.
constexpr std::array<const char*, 12> kEditLabels = {
    "Name", "File Name", "CD Path", "Serial", "CD Size", "HD Size", "Description", "Category", "Copy", "File Source",
    "Homepage", "Execute",
};

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The item's name as a file name: characters no file name may hold become "_".
std::string safeFileName(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        switch (c) {
        case '"':
        case '*':
        case '/':
        case ':':
        case '<':
        case '>':
        case '?':
        case '\\':
        case '|':
            c = '_';
            break;
        default:
            break;
        }
    }
    return out;
}

}  // namespace

ItemTableCommands::ItemTableCommands(ItemTable& table, Ui& ui, const Language& language, RegionalFormat format)
    : m_table(table), m_ui(ui), m_language(language), m_cmp(format)
{
}

void ItemTableCommands::showInformation(const char* key)
{
    m_ui.messageBox(Message{key, m_language.message(key)}, MsgKind::Information, MsgButtons::Ok);
}

void ItemTableCommands::languageAppliedAtStart(const std::array<std::string, ItemTable::kFields>& celld)
{
    m_table.applyStartHeadings(m_language, celld);
}

void ItemTableCommands::languageChosenFromMenu(bool projectOpen)
{
    m_table.changeLanguage(m_language);
    if (projectOpen)
        m_table.normaliseYesNo();
}

void ItemTableCommands::removeClick()
{
    m_ui.playClick();
    m_table.removeCurrentRow();
}

std::optional<CellEditRequest> ItemTableCommands::cellActivated()
{
    const int row = m_table.currentRow();
    const int column = m_table.currentRealColumn();
    const int field = m_table.fieldAt(column);
    if (field == 0)
        return std::nullopt;
    const bool jump = m_table.isJumpPoint(row);
    const bool noCdPath = m_table.read(FieldCdPath, row).empty();
    CellEditor editor = CellEditor::FreeText;
    switch (field) {
    case FieldFileName:
        if (jump) {
            showInformation("M31");
            return std::nullopt;
        }
        break;
    case FieldCdPath:
        if (noCdPath) {
            showInformation("M32");
            return std::nullopt;
        }
        break;
    case FieldCopy:
        if (jump || noCdPath) {
            showInformation("M33");
            return std::nullopt;
        }
        editor = CellEditor::YesNoChoice;
        break;
    case FieldSourceLocation:
        if (jump || noCdPath) {
            showInformation("M34");
            return std::nullopt;
        }
        break;
    case FieldCategory:
        editor = CellEditor::CategoryChoice;
        break;
    case FieldExecute:
        editor = CellEditor::YesNoChoice;
        break;
    default:
        break;
    }
    return CellEditRequest{field, row, column, editor};
}

std::optional<CellEditRequest> ItemTableCommands::editEntryClick(int field)
{
    m_ui.playClick();
    m_table.moveCursorToField(field);
    return cellActivated();
}

TableContextMenu ItemTableCommands::contextMenu() const
{
    TableContextMenu menu;
    const int row = m_table.currentRow();
    menu.itemEntriesEnabled = !m_table.isEmptyRow(row);
    const std::string suffix = menu.itemEntriesEnabled ? ": " + m_table.read(FieldName, row) : std::string();
    menu.removeText = m_language.text("T27") + suffix;
    menu.infoText = m_language.text("T28") + suffix;
    menu.screenshotText = m_language.text("T29") + suffix;
    menu.editText = m_language.text("T30") + suffix;
    for (int f = 1; f <= ItemTable::kFields; ++f) {
        menu.editLabels[static_cast<std::size_t>(f)] = kEditLabels[static_cast<std::size_t>(f - 1)];
        menu.editEnabled[static_cast<std::size_t>(f)] = m_table.isFieldChecked(f);
    }
    return menu;
}

void ItemTableCommands::contextHelpClick(const std::filesystem::path& helpFile)
{
    m_ui.playClick();
    m_ui.showHelp(helpFile, TableContextMenu::kHelpTopic);
}

ChosenItemPanel ItemTableCommands::chosenItemPanel(const std::filesystem::path& projectFolder) const
{
    ChosenItemPanel panel;
    const int row = m_table.currentRow();
    const std::string& name = m_table.read(FieldName, row);
    panel.item = name + "  (" + m_table.read(FieldFileName, row) + ")";
    if (!m_table.languageApplied()) {
        panel.label = "Chosen Item:  ";
        panel.info = {"no ", kNavy};
        panel.screenshot = {"no ", kNavy};
        return panel;
    }
    panel.label = m_language.windowText("Main", "E41") + " ";
    const std::string& source = m_table.read(FieldSourceLocation, row);
    const auto companion = [&](std::string_view ext) {
        // An empty source would name a file "jpg" in whatever folder we run in.
        if (!source.empty()) {
            const std::size_t len = utf8Length(source);
            const std::string beside = utf8Left(source, len >= 3 ? len - 3 : 0) + std::string(ext);
            if (fileExists(pathFromText(beside)))
                return true;
        }
        if (projectFolder.empty())
            return false;
        return fileExists(projectFolder / "kryntdat" / pathFromText(safeFileName(name) + "." + std::string(ext)));
    };
    const auto indicator = [&](bool present) {
        return present ? ItemIndicator{m_language.text("SYES") + " ", kGreen}
                       : ItemIndicator{m_language.text("SNO") + " ", kNavy};
    };
    panel.info = indicator(companion("txt"));
    panel.screenshot = indicator(companion("jpg"));
    return panel;
}

void ItemTableCommands::showGridColumnClick(int field)
{
    m_ui.playClick();
    m_table.toggleGridColumn(field);
}

void ItemTableCommands::showAllColumnsClick()
{
    m_ui.playClick();
    m_table.showAllColumns();
}

void ItemTableCommands::restoreGridSettingsClick(const GridLayout& layout)
{
    m_ui.playClick();
    m_table.restoreGridSettings(layout);
}

void ItemTableCommands::autoGridSizeClick(const ItemTable::TextMeasure& measure)
{
    m_ui.playClick();
    m_table.autoGridSize(measure);
}

bool ItemTableCommands::gridModeClick(int mode)
{
    m_ui.playClick();
    if (mode == m_table.gridMode())
        return true;
    if (mode == GridModeColumnMove && m_table.anyFieldColumnHidden()) {
        showInformation("M37");
        return false;
    }
    m_table.setGridMode(mode);
    return true;
}

void ItemTableCommands::gridColorClick(int which, const ColourChooser& choose)
{
    const ColourValue current = which == 1 ? m_table.colour1() : m_table.colour2();
    const std::optional<ColourValue> chosen = choose(current);
    if (!chosen)
        return;
    if (which == 1)
        m_table.setColours(*chosen, m_table.colour2());
    else
        m_table.setColours(m_table.colour1(), *chosen);
}

void ItemTableCommands::sortClick()
{
    m_ui.playClick();
    const auto work = m_ui.beginWork("sort");
    {
        // Both passes reach a view as one reset.
        const ItemTable::Batch batch(m_table);
        TableSort::fullSort(m_table, m_cmp);
        m_table.refreshCategoryColouring();
    }
    m_table.setModified(true);
}

bool ItemTableCommands::headingClick(int column)
{
    if (!m_table.headingClickSorts() || column < 1 || column >= ItemTable::kColumns || m_table.rowCount() < 3)
        return false;
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;
    TableSort::sortByColumn(m_table, column, m_sortAscending, m_cmp);
    m_table.refreshCategoryColouring();
    m_table.setModified(true);
    return true;
}

void ItemTableCommands::findClick()
{
    m_ui.playClick();
    if (m_findDialog.exec(m_ui) != ModalResult::Ok)
        return;
    findFrom(std::nullopt, {m_table.currentRow(), m_table.currentRealColumn()});
}

void ItemTableCommands::findNextClick()
{
    m_ui.playClick();
    const CellPosition scopeCell =
        m_lastFound ? *m_lastFound : CellPosition{m_table.currentRow(), m_table.currentRealColumn()};
    findFrom(m_lastFound, scopeCell);
}

void ItemTableCommands::findFrom(std::optional<CellPosition> after, CellPosition scopeCell)
{
    const CellMatcher matcher(m_findDialog.options(), m_cmp);
    const auto found = findCell(m_table, matcher, m_findDialog.options(), scopeCell, after);
    if (!found) {
        // Forgotten, so the next Find next starts from the beginning again.
        m_lastFound.reset();
        showInformation("M36");
        return;
    }
    m_table.setCursorReal(found->row, found->column);
    m_lastFound = found;
}

}  // namespace qv
