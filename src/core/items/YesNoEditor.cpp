#include "items/YesNoEditor.h"

#include "project/ItemTable.h"

namespace qv {

YesNoEditor::YesNoEditor(ItemTable& table, Ui& ui)
    : m_table(table), m_ui(ui)
{
}

void YesNoEditor::editCell(const CellEditRequest& request)
{
    m_request = request;
    exec(m_ui);
}

void YesNoEditor::write(const std::string& word)
{
    m_ui.playClick();
    m_table.setModified(true);
    m_table.setCell(m_request.row, m_request.column, word);
    close(ModalResult::Ok);
}

void YesNoEditor::yesClick()
{
    write(m_table.yesWord());
}

void YesNoEditor::noClick()
{
    write(m_table.noWord());
}

void YesNoEditor::cancelClick()
{
    m_ui.playClick();
    close(ModalResult::Cancel);
}

void YesNoEditor::keyReleased(Key key)
{
    if (key == Key::Escape)
        close(ModalResult::Cancel);
}

}  // namespace qv
