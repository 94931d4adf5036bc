#include "categories/CategoryRenameWindow.h"

#include "categories/CategoryEditor.h"

namespace qv {

CategoryRenameWindow::CategoryRenameWindow(CategoryEditor& editor)
    : m_editor(editor)
{
}

void CategoryRenameWindow::onPrepare()
{
    m_text.clear();
}

void CategoryRenameWindow::okClick()
{
    if (m_editor.renameFromEditor(m_text))
        close(ModalResult::Ok);
}

void CategoryRenameWindow::cancelClick()
{
    m_text.clear();
    close(ModalResult::Cancel);
}

}  // namespace qv
