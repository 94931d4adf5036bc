#include "items/CategoryChoiceEditor.h"

#include "categories/CategoryList.h"
#include "project/ItemTable.h"

namespace qv {

CategoryChoiceEditor::CategoryChoiceEditor(ItemTable& table, Ui& ui, const CategoryList& categories)
    : m_table(table), m_ui(ui), m_categories(categories)
{
}

void CategoryChoiceEditor::editCell(const CellEditRequest& request)
{
    m_request = request;
    exec(m_ui);
}

void CategoryChoiceEditor::onPrepare()
{
    // The first caption, whatever the cell held.
    m_choices = m_categories.captions();
    m_chosen = m_choices.empty() ? -1 : 0;
}

bool CategoryChoiceEditor::choose(int index)
{
    if (index < 0 || index >= static_cast<int>(m_choices.size()))
        return false;
    m_chosen = index;
    return true;
}

void CategoryChoiceEditor::okClick()
{
    m_ui.playClick();
    if (m_chosen < 0 || m_chosen >= static_cast<int>(m_choices.size()))
        return;
    m_table.setModified(true);
    m_table.setCell(m_request.row, m_request.column, m_choices[static_cast<std::size_t>(m_chosen)]);
    close(ModalResult::Ok);
    m_table.refreshCategoryColouring();
}

void CategoryChoiceEditor::cancelClick()
{
    m_ui.playClick();
    close(ModalResult::Cancel);
}

void CategoryChoiceEditor::keyReleased(Key key)
{
    if (key == Key::Escape)
        close(ModalResult::Cancel);
}

}  // namespace qv
