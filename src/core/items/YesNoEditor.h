#pragma once

#include "project/ItemTableCommands.h"
#include "ui/Key.h"
#include "ui/Ui.h"

namespace qv {

class ItemTable;

// The yes/no editor of Copy and Execute: Yes, No and Cancel (language
// section "AllFilesYN": E1 Yes, E2 No, E3 Cancel). Yes has the focus when it opens.
class YesNoEditor final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::YesNoEditor;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "AllFilesYN";

    YesNoEditor(ItemTable& table, Ui& ui);

    void editCell(const CellEditRequest& request);
    // The current language's yes or no word into the cell.
    void yesClick();
    void noClick();
    void cancelClick();
    // Escape released on any of the buttons closes without writing.
    void keyReleased(Key key);

private:
    void write(const std::string& word);

    ItemTable& m_table;
    Ui& m_ui;
    CellEditRequest m_request;
};

}  // namespace qv
