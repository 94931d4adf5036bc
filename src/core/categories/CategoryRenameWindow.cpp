#include "categories/CategoryRenameWindow.h"

#include "categories/CategoryEditor.h"

namespace qv {

CategoryRenameWindow::CategoryRenameWindow(CategoryEditor& editor)
    : m_editor(editor)
{
}

void CategoryRenameWindow::FormShow()
{
    m_text.clear();
    m_showing = true;
}

void CategoryRenameWindow::okClick()
{
    if (m_editor.renameFromEditor(m_text))
        m_showing = false;
}

void CategoryRenameWindow::cancelClick()
{
    m_text.clear();
    m_showing = false;
}

}  // namespace qv
