#pragma once

#include "ui/Ui.h"

#include <string>

namespace qv {

class CategoryEditor;

// The free-text editor in its category rename mode: one text, OK and Cancel.
// The editor shows this window unless the application hands it its own
// free-text editor (CategoryEditor::setRenameEditor).
class CategoryRenameWindow final : public ModalWindow {
public:
    explicit CategoryRenameWindow(CategoryEditor& editor);

    static constexpr WindowKind kKind = WindowKind::CategoryRename;
    WindowKind kind() const override { return kKind; }

    std::string& text() { return m_text; }
    // An empty text keeps the window open (the editor says M6).
    void okClick();
    void cancelClick();


private:
    void onPrepare() override;

    CategoryEditor& m_editor;
    std::string m_text;
};

}  // namespace qv
