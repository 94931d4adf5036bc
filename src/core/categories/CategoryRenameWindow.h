#pragma once

#include "app/Ui.h"

#include <string>

namespace qv {

class CategoryEditor;

// The free-text editor in its category rename mode: one text, OK and Cancel.
// The editor shows this window unless the application hands it its own
// free-text editor (CategoryEditor::setRenameEditor).
class CategoryRenameWindow final : public ModalWindow {
public:
    explicit CategoryRenameWindow(CategoryEditor& editor);

    std::string_view windowName() const override { return "CategoryRename"; }

    void FormShow();
    std::string& text() { return m_text; }
    // An empty text keeps the window open (the editor says M6).
    void okClick();
    void cancelClick();

    bool isShowing() const { return m_showing; }

private:
    CategoryEditor& m_editor;
    std::string m_text;
    bool m_showing = false;
};

}  // namespace qv
