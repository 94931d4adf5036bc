#pragma once

#include "ui/Ui.h"
#include "categories/CategoryEditorHost.h"
#include "project/ProjectFile.h"
#include "util/PrivateFolder.h"
#include "util/ProjectLock.h"

#include <filesystem>
#include <memory>
#include <functional>
#include <string>
#include <vector>

namespace qv {

class CategoryList;
class ItemTable;
class Language;
class MainWindowModel;
enum class TitleCause;
class MenuDesign;
struct ProjectFiles;

// How a load treats a missing category or design file: ask (M29/M30 and a
// chooser), or fail with a plain sentence naming the file and never ask
// (command line: M29 and M30 offer buttons it doesn't have).
enum class LoadMode { Interactive, NoQuestions };

struct LoadResult {
    bool loaded = false;
    // The person gave up at M29/M30 or in the chooser that follows.
    bool cancelled = false;
    // Why the load failed: a message text (M29, M30; without questions a
    // sentence naming the missing file) or a read error.
    std::string error;
    // Problems that did not stop the load (a design colour that could not be
    // read); shown as error boxes in the interactive mode.
    std::vector<std::string> warnings;

    explicit operator bool() const { return loaded; }
};

// How the session reads the files that belong to other parts: the category
// list and the design. They come from the caller (ProjectReaders.h holds the
// usual ones) so that the project module links without those parts.
struct ProjectFileReaders {
    // Fills list from a category file.
    std::function<void(CategoryList& list, const std::filesystem::path& file)> readCategories;
    // Makes the design file current: its settings into design, its
    // companions and menudesign_file into the shared data module. May raise
    // once the read is complete (a colour it could not read).
    std::function<void(MenuDesign& design, const std::filesystem::path& file)> readDesign;
};

// The project dialog's mode text.
enum class ProjectDialogMode { New, Edit };

// Windows that belong to other parts; each may be left empty.
struct ProjectSessionHooks {
    // The new/edit project dialog, shown modally; false when it was cancelled.
    std::function<bool(ProjectDialogMode)> projectDialog;
    // The category editor (CategoryEditor), shown modally.
    std::function<void()> categoryEditor;
    // The design editor (DesignEditor), shown modally.
    std::function<void()> designEditor;
    // The rows were replaced (a load or a read-back): the chosen-item panel follows.
    std::function<void()> rowsChanged;
};

// The open project: its file and working copy, CD name and project folder,
// the item table, the category list and the current design, and the
// commands that open, save and re-read it. The objects it works on belong
// to the program; the session keeps them consistent.
//
// The project's modified flag is the item table's, which the table commands
// set; the frame, when attached, asks the session for it.
class ProjectSession final : public CategoryEditorHost {
public:
    ProjectSession(std::filesystem::path baseDir, ProjectFiles& data, ItemTable& table, CategoryList& categories,
                   MenuDesign& design, Ui& ui, const Language& language, ProjectFileReaders readers);

    ProjectSessionHooks& hooks() { return m_hooks; }
    // Where working copies are made: beside the project file (empty, the
    // program's way) or in a folder of the caller's own, so that a command
    // that only reads a project changes nothing beside it.
    void setWorkingCopyFolder(std::filesystem::path folder) { m_workingCopyFolder = std::move(folder); }
    // Registers the project commands with the frame and takes over its Save
    // hook and modified flag; the title and the command enabling follow
    // every load from then on.
    void attachFrame(MainWindowModel& frame);

    // --- The loader -----------------------------------------------------------
    // Opens the project file at path. Until the load completes the open
    // project keeps its references, category list, design and rows; a load
    // that stops changes nothing.
    LoadResult loadProject(const std::filesystem::path& path, LoadMode mode = LoadMode::Interactive);

    // --- Commands -------------------------------------------------------------
    void openClick();  // Open
    void saveClick();       // Save
    void saveAsClick();    // Save As
    void newClick();        // New
    void editProjectClick();      // Edit
    void categoryEditorClick();  // category editor
    void designEditorClick();     // design editor

    // Save without the click: the working copy is written, then the project
    // file is replaced by the same bytes in one step. A project never saved
    // runs saveAs. False when nothing was saved (M57 shown, or the chooser
    // cancelled); the modified flag then stays set.
    bool save();
    // Save As without the click; proposedName is the file name the chooser
    // shows. False when cancelled or the file could not be written.
    bool saveAs(const std::string& proposedName);
    bool saveAs() { return saveAs(proposedFileName()); }

    // The table turned into records in the working copy (created when
    // missing). False when it could not be written; nothing is reported, as
    // the table still holds everything and Save writes the project file anyway.
    bool writeWorkingCopy();
    // After the category editor or the project dialog changed the project:
    // the category list is read again, the rows go through the records with
    // the list they were stored against and come back resolved against the
    // new list, then yes/no words and colouring are refreshed.
    void reReadThroughWorkingCopy();
    // The category list from the project's category file; nothing when that
    // file doesn't exist.
    void readCategoryList();
    // A project was opened, created (project dialog, wizard) or its set-up
    // edited: the frame's title names its CD and the project commands are
    // enabled. Nothing without a frame.
    void announce(TitleCause cause);

    // --- State ----------------------------------------------------------------
    const std::string& cdName() const { return m_cdName; }
    void setCdName(std::string name);
    // Ends in the native separator once chosen.
    const std::string& projectFolder() const { return m_projectFolder; }
    void setProjectFolder(std::string folder);

    bool modified() const;
    void setModified(bool modified);
    void setProjectModified() override { setModified(true); }

    ProjectDialogMode dialogMode() const { return m_dialogMode; }
    // The file name the project save dialog proposes.
    std::string proposedFileName() const;

    std::filesystem::path projectFile() const;
    std::filesystem::path workingCopy() const;
    std::filesystem::path categoryFile() const;
    std::filesystem::path designFile() const;

    ProjectFiles& data() { return m_data; }
    ItemTable& table() { return m_table; }
    const ItemTable& table() const { return m_table; }
    CategoryList& categories() { return m_categories; }
    const CategoryList& categories() const { return m_categories; }
    MenuDesign& design() { return m_design; }
    const std::filesystem::path& baseDir() const { return m_baseDir; }

    // The header of the open project from the current state.
    ProjectHeader header() const;
    // The item rows in field order.
    std::vector<ItemFieldTexts> items() const;

private:

    bool askSaveFirst();
    void fillTable(const std::vector<ItemFieldTexts>& items);
    void afterRowsReplaced();
    std::filesystem::path workingCopyOf(const std::filesystem::path& projectFile) const;
    void makeWorkingCopy(const std::filesystem::path& projectFile);
    std::string bytesOf(const std::vector<std::string>& categories) const;
    bool putWorkingCopy(const std::string& bytes);
    void showError(const std::string& text);
    Message message(const char* key) const;
    FileDialogSpec projectDialogSpec(const char* hintKey) const;

    std::filesystem::path m_baseDir;
    ProjectFiles& m_data;
    ItemTable& m_table;
    CategoryList& m_categories;
    MenuDesign& m_design;
    Ui& m_ui;
    const Language& m_language;
    MainWindowModel* m_frame = nullptr;
    ProjectFileReaders m_readers;
    ProjectSessionHooks m_hooks;

    std::string m_cdName;
    std::string m_projectFolder;
    ProjectDialogMode m_dialogMode = ProjectDialogMode::New;
    std::filesystem::path m_savePath;
    std::filesystem::path m_workingCopyFolder;
    // The program's mark on the open project file, and whether another
    // program has it open too: this one's working copy then lies in a
    // private folder, so neither overwrites the other's.
    ProjectLock m_lock;
    bool m_sharedWithOther = false;
    std::unique_ptr<PrivateFolder> m_sharedCopyFolder;
};

}  // namespace qv
