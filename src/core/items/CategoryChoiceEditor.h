#pragma once

#include "project/ItemTableCommands.h"
#include "ui/Key.h"
#include "ui/Ui.h"

#include <string>
#include <vector>

namespace qv {

class CategoryList;
class ItemTable;

// The category choice editor: a fixed choice of the project's categories with
// OK and Cancel (language section "AllFilesCombo": E1 OK, E2 Cancel).
class CategoryChoiceEditor final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::CategoryChoiceEditor;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "AllFilesCombo";

    CategoryChoiceEditor(ItemTable& table, Ui& ui, const CategoryList& categories);

    void editCell(const CellEditRequest& request);

    const std::vector<std::string>& choices() const { return m_choices; }
    // -1 when the project has no categories.
    int chosen() const { return m_chosen; }
    // False for an index outside the choices; the choice stays as it was.
    bool choose(int index);

    // Writes the chosen caption; without a valid choice nothing is written
    // and the editor stays open.
    void okClick();
    void cancelClick();
    void keyReleased(Key key);

private:
    void onPrepare() override;

    ItemTable& m_table;
    Ui& m_ui;
    const CategoryList& m_categories;
    CellEditRequest m_request;
    std::vector<std::string> m_choices;
    int m_chosen = -1;
};

}  // namespace qv
