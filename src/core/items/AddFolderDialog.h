#pragma once

#include "items/ItemEntryContext.h"
#include "project/FieldCapacity.h"
#include "ui/Ui.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace qv {

class FolderItemNaming;

// The add-folder dialog: the files of a folder (and, on request, of every
// folder below it) are listed, and OK turns each selected one into an item
// row with the settings the dialog holds in common. Kept between showings:
// "Include Subfolders" and the category choice.
class AddFolderDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::AddFolder;
    WindowKind kind() const override { return kKind; }
    static constexpr int kHelpTopic = 2150;
    // What the progress of the search and of OK is called.
    static constexpr std::string_view kWork = "addfolder";

    // Texts of section AddDir, in layout order; the title is T2, the note
    // shown while no folder is chosen T53.
    enum Text {
        SelectFileButton = 1, SubfoldersBox, PathColumn, FileNameColumn, ListHint, SelectAllButton, NameLabel,
        OriginalNameOption, AskOption, FilePathLabel, SerialLabel, DescriptionLabel, CategoryLabel, CopyBox,
        ExecuteBox, WebsiteLabel, OkButton, CancelButton, HelpButton
    };
    static std::string text(const Language& language, Text which);
    static std::string title(const Language& language);

    enum class Naming { Original, Common, Ask };
    enum class Input { CommonName, Serial, Description, Address };

    // One file found: its folder (ending in the separator) and its name.
    struct Entry {
        std::string folder;
        std::string name;
    };

    AddFolderDialog(ItemEntryContext context, FolderItemNaming& naming);

    // The main window's Add Folder: M1 without a project, else prepared and shown modally.
    void execute();

    // --- Commands -------------------------------------------------------------
    // Select File: the folder browser, then the search.
    void selectFileClick();
    // The search of a chosen folder, as Select File runs it; every entry
    // found is selected. False when the person stopped it: the list is then empty.
    bool searchFolder(const std::filesystem::path& folder);
    void selectAllClick();
    // OK: one row per selected entry, added in one step; a stop while the
    // files are read adds nothing and leaves the dialog open.
    void addClick();
    void cancelClick();
    void helpClick();

    // --- Fields ---------------------------------------------------------------
    bool includeSubfolders() const { return m_subfolders; }
    void setIncludeSubfolders(bool on) { m_subfolders = on; }
    bool listVisible() const { return m_listVisible; }
    // T53 while no folder is chosen, else empty.
    std::string note() const;
    const std::vector<Entry>& entries() const { return m_entries; }
    bool isSelected(std::size_t entry) const { return entry < m_selected.size() && m_selected[entry]; }
    void setSelected(std::size_t entry, bool on);
    std::size_t selectedCount() const;

    Naming naming() const { return m_naming; }
    void setNaming(Naming naming) { m_naming = naming; }
    const std::string& input(Input which) const;
    void setInput(Input which, std::string_view text);
    // The common name leaves room for a blank and the counter.
    FieldCapacity capacity(Input which) const;
    // The chosen folder, ending in the separator after a search.
    const std::string& filePath() const { return m_filePath; }

    const std::vector<std::string>& categories() const { return m_categories; }
    int categoryIndex() const { return m_categoryIndex; }
    void setCategoryIndex(int index);
    bool copy() const { return m_copy; }
    void setCopy(bool on) { m_copy = on; }
    bool executable() const { return m_execute; }
    void setExecutable(bool on) { m_execute = on; }
    int schemeIndex() const { return m_scheme; }
    void setSchemeIndex(int index);

    // The rows the last OK wrote: the first and how many (0 before any).
    std::pair<int, int> addedRows() const { return m_added; }

private:
    void onPrepare() override;
    std::string& field(Input which);
    bool walk(const std::string& folder, ProgressScope& work);
    std::vector<std::string> namesOfSelected();

    ItemEntryContext m_context;
    FolderItemNaming& m_askName;

    bool m_subfolders = false;
    bool m_listVisible = false;
    std::vector<Entry> m_entries;
    std::vector<char> m_selected;
    Naming m_naming = Naming::Original;
    std::string m_commonName;
    std::string m_filePath;
    std::string m_serial;
    std::string m_description;
    std::string m_address;
    std::vector<std::string> m_categories;
    int m_categoryIndex = -1;
    bool m_copy = true;
    bool m_execute = true;
    int m_scheme = 0;
    std::pair<int, int> m_added{0, 0};
};

}  // namespace qv
