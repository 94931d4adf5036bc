#pragma once

#include "project/FieldCapacity.h"
#include "project/ItemTableCommands.h"
#include "ui/Key.h"
#include "ui/Ui.h"

#include <functional>
#include <optional>
#include <string>

namespace qv {

class ItemTable;
class Language;

// The free-text editor: one edit field with OK and Cancel (language section
// "AllFilesEdit": E1 OK, E2 Cancel). It edits the text of a cell, names a
// renamed category, or asks for a folder name.
class FreeTextEditor final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::FreeTextEditor;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "AllFilesEdit";

    enum class Mode { Cell, CategoryRename, FolderName };

    FreeTextEditor(ItemTable& table, Ui& ui, const Language& language);

    // Mode cell: the text of the cell the request names, written back on OK.
    void editCell(const CellEditRequest& request);
    // Mode category rename: OK hands a non-empty text to rename and closes
    // when it returns true.
    void renameCategory(std::function<bool(const std::string&)> rename);
    // Mode folder name: the text given, empty when the person gave none.
    std::string askFolderName();

    Mode mode() const { return m_mode; }
    std::string title() const;
    const std::string& text() const { return m_text; }
    // Typed or pasted text; what doesn't fit the field's capacity stays out.
    void setText(std::string_view text);
    // The capacity of the field being edited; nothing in the folder name mode.
    std::optional<FieldCapacity> capacity() const;

    void okClick();
    void cancelClick();
    // A key released in the edit field (inField) or on either button.
    void keyReleased(Key key, bool inField);

private:
    void onPrepare() override;
    void accept();

    ItemTable& m_table;
    Ui& m_ui;
    const Language& m_language;
    Mode m_mode = Mode::Cell;
    CellEditRequest m_request;
    std::function<bool(const std::string&)> m_rename;
    std::string m_text;
};

}  // namespace qv
