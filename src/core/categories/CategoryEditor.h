#pragma once

#include "ui/Key.h"
#include "ui/Ui.h"
#include "categories/IconPicture.h"
#include "categories/IconChooser.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv {

class CategoryEditorHost;
class Language;
struct ProjectFiles;

// The category editor: creates, opens, changes and saves category files.
// Between prepare and OKClick its current file and the project's category
// file (ProjectFiles::genre_file) are the same value.
class CategoryEditor final : public ModalWindow, private IconChooserClient {
public:
    struct Entry {
        std::string caption;
        int picture = -1;  // index into pictures(); may name no picture
        std::filesystem::path iconSource;
    };

    static constexpr int kHelpTopic = 4050;

    CategoryEditor(Ui& ui, const Language& language, std::filesystem::path baseDir, ProjectFiles& data,
            IconChooser& iconChooser, CategoryEditorHost* host = nullptr);

    static constexpr WindowKind kKind = WindowKind::CategoryEditor;
    WindowKind kind() const override { return kKind; }

    // Shows the editor modally.
    void execute();

    // The free-text editor in category rename mode. By default the editor shows
    // its own CategoryRenameWindow; the application may put its free-text editor
    // here, whose OK then calls renameFromEditor().
    void setRenameEditor(std::function<void(CategoryEditor&)> open) { m_renameEditor = std::move(open); }
    // The rename editor's OK: an empty text brings M6 and false (the editor stays
    // open); otherwise the selected entry (the first when none is) is renamed.
    bool renameFromEditor(const std::string& text);

    // Commands
    void newClick();      // New
    void loadClick();       // Load
    void saveClick();       // Save
    void saveAsClick();    // Save As
    void addClick();       // Add, with the name field
    void removeClick();       // Remove
    void upClick();       // Up
    void downClick();     // Down
    void renameItemClick();
    void changeIconClick();  // Change Icon
    void OKClick();
    void CancelClick();
    void HelpClick();
    void categoryDoubleClick();
    void categoryKeyDown(Key key);
    // A caption edited in place in the list; false when it was refused (empty).
    bool genreitemsEdited(int index, const std::string& text);

    // View state
    void select(int index);  // -1: none
    int selected() const { return m_selected; }
    std::string& nameField() { return m_edit1; }
    bool nameFieldFocusRequested() const { return m_focusEdit1; }
    const std::vector<Entry>& entries() const { return m_entries; }
    const std::vector<IconPicture>& pictures() const { return m_pictures; }
    const std::string& caption() const { return m_caption; }

    // Used by the project dialog and the wizard.
    const std::filesystem::path& currentFile() const { return m_currentFile; }
    void setCurrentFile(std::filesystem::path file) { m_currentFile = std::move(file); }
    bool modified() const { return m_modified; }
    void clearModified() { m_modified = false; }
    void clearEntries();
    void clearPictures() { m_pictures.clear(); }
    // The wizard gives the Load dialog its own filter text; it stays for the run.
    void setOpenDialogFilter(std::string description) { m_openFilter = std::move(description); }

private:
    void onPrepare() override;
    void iconChosen(IconChooserMode mode, const IconPicture& icon) override;

    void info(const char* key);
    bool save();
    bool saveAs();
    bool writeTo(const std::filesystem::path& file);
    void readFile(const std::filesystem::path& file);
    void setFileCaption();
    void remove();
    void rename();
    FileDialogSpec dialogSpec(const std::string& filter, bool mustExist) const;
    int targetEntry() const;

    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    ProjectFiles& m_data;
    IconChooser& m_iconChooser;
    CategoryEditorHost* m_host;
    std::function<void(CategoryEditor&)> m_renameEditor;
    std::string m_openFilter;

    std::vector<Entry> m_entries;
    std::vector<IconPicture> m_pictures;
    std::filesystem::path m_currentFile;
    bool m_modified = false;
    int m_selected = -1;
    std::string m_edit1;
    bool m_focusEdit1 = false;
    std::string m_caption;
};

}  // namespace qv
