#include "items/FreeTextEditor.h"

#include "i18n/Language.h"
#include "project/ItemTable.h"

namespace qv {

FreeTextEditor::FreeTextEditor(ItemTable& table, Ui& ui, const Language& language)
    : m_table(table), m_ui(ui), m_language(language)
{
}

void FreeTextEditor::editCell(const CellEditRequest& request)
{
    m_mode = Mode::Cell;
    m_request = request;
    exec(m_ui);
}

void FreeTextEditor::renameCategory(std::function<bool(const std::string&)> rename)
{
    m_mode = Mode::CategoryRename;
    m_rename = std::move(rename);
    exec(m_ui);
    m_rename = nullptr;
}

std::string FreeTextEditor::askFolderName()
{
    m_mode = Mode::FolderName;
    if (exec(m_ui) != ModalResult::Ok)
        return {};
    return m_text;
}

void FreeTextEditor::onPrepare()
{
    m_text = m_mode == Mode::Cell ? m_table.cell(m_request.row, m_request.column) : std::string();
}

std::string FreeTextEditor::title() const
{
    return m_language.text(m_mode == Mode::FolderName ? "T18" : "T3");
}

std::optional<FieldCapacity> FreeTextEditor::capacity() const
{
    switch (m_mode) {
    case Mode::Cell:
        if (m_request.field >= 1 && m_request.field <= kItemFieldCount)
            return FieldCapacity::ofItem(m_request.field);
        return std::nullopt;
    case Mode::CategoryRename:
        // Items keep their category's caption in a field of this size.
        return FieldCapacity::ofItem(FieldCategory);
    case Mode::FolderName:
        break;
    }
    return std::nullopt;
}

void FreeTextEditor::setText(std::string_view text)
{
    const auto cap = capacity();
    m_text = std::string(cap ? cap->kept(text) : text);
}

void FreeTextEditor::okClick()
{
    m_ui.playClick();
    accept();
}

void FreeTextEditor::accept()
{
    switch (m_mode) {
    case Mode::Cell:
        // Every text is taken, an empty one too: the table refused the
        // cells that may not change before the editor opened.
        m_table.setCell(m_request.row, m_request.column, m_text);
        m_table.setModified(true);
        close(ModalResult::Ok);
        return;
    case Mode::CategoryRename:
        if (m_text.empty()) {
            m_ui.messageBox({"M6", m_language.message("M6")}, MsgKind::Information, MsgButtons::Ok);
            return;
        }
        if (!m_rename || m_rename(m_text))
            close(ModalResult::Ok);
        return;
    case Mode::FolderName:
        if (m_text.empty()) {
            m_ui.messageBox({"M7", m_language.message("M7")}, MsgKind::Information, MsgButtons::Ok);
            return;
        }
        close(ModalResult::Ok);
        return;
    }
}

void FreeTextEditor::cancelClick()
{
    m_ui.playClick();
    m_text.clear();
    close(ModalResult::Cancel);
}

void FreeTextEditor::keyReleased(Key key, bool inField)
{
    if (key == Key::Escape) {
        m_text.clear();
        close(ModalResult::Cancel);
        return;
    }
    // Enter names no folder: a folder name is only taken by OK.
    if (key == Key::Enter && inField && m_mode != Mode::FolderName)
        accept();
}

}  // namespace qv
