#pragma once

#include "ui/Ui.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class CategoryEditor;
class FreeTextEditor;
class Language;
class MainWindowModel;
class ProjectDialog;
class ProjectSession;

// The main window's commands the wizard runs; each may be left empty.
struct WizardCommands {
    std::function<void()> addFile;
    std::function<void()> addFolder;
    std::function<void()> addUrl;
    std::function<void()> addJump;
    std::function<void()> build;
};

// The project wizard: six numbered pages that set up a project and fill it.
// It keeps no project logic of its own: the steps drive the project dialog
// in its new mode (never shown), the category and design editors and the
// add dialogs. Items are added to the table before any project file exists;
// the project file is made only at the finish, so Cancel leaves none behind.
class ProjectWizard final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::ProjectWizard;
    WindowKind kind() const override { return kKind; }
    static constexpr const char* kSection = "Wizard";

    enum class Page { Welcome, Folder, General, Categories, Design, Items, Finish };
    static constexpr int kPageCount = 7;
    static int helpTopic(Page page);

    // Texts of section Wizard, in layout order (E1..E59).
    enum Text {
        WelcomeHeading = 1, WelcomeText1, WelcomeText2,
        FolderHeading, FolderText, DriveLabel, FolderListLabel, MakeDirButton, ExploreButton, DeleteDirButton,
        GeneralHeading, GeneralText, CdNameLabel, FolderLabel, BrowseButton,
        CategoriesHeading, CategoriesText, CategoryEditorButton, DefaultCategoriesButton, CategoryFileLabel,
        DesignHeading, DesignText, DesignEditorButton, DefaultDesignButton, DesignFileLabel, SampleLink,
        ItemsHeading, ItemsText, AddFileButton, AddFolderButton, AddUrlButton, AddJumpButton,
        FinishHeading, FinishText, BuildButton, ViewButton,
        BackButton, NextButton, FinishButton, CancelButton, HelpButton,
        MakeDirHint, ExploreHint, DeleteDirHint, BrowseHint, CategoryEditorHint, DefaultCategoriesHint,
        DesignEditorHint, DefaultDesignHint, AddFileHint, AddFolderHint, AddUrlHint, AddJumpHint, BuildHint,
        ViewHint, SummaryFolder, SummaryCategories, SummaryDesign, DeleteDirQuestion
    };
    static std::string text(const Language& language, Text which);

    ProjectWizard(Ui& ui, const Language& language, std::filesystem::path baseDir, ProjectSession& session,
                  MainWindowModel& frame, ProjectDialog& dialog, CategoryEditor& categoryEditor,
                  FreeTextEditor& folderNames, WizardCommands commands);

    // The main window's Wizard command: asks to save unsaved changes, shows
    // the wizard and, when it created no project, brings back the project
    // that was open before (or the empty state).
    void wizardClick();

    // --- Frame ----------------------------------------------------------------
    Page page() const { return m_page; }
    // Next refuses on steps 2 to 4 while their value is unset.
    bool nextEnabled() const;
    void nextClick();
    void backClick();
    // Finish and View Project: the project dialog's OK creates the project.
    void finishClick();
    void viewProjectClick() { finishClick(); }
    void buildProjectClick();
    void cancelClick();
    void helpClick();

    // --- Step 1: the folder list ----------------------------------------------
    static std::vector<std::filesystem::path> drives();
    const std::filesystem::path& listFolder() const { return m_listFolder; }
    // The folders inside the list's folder, by name; hidden ones left out.
    std::vector<std::filesystem::path> subfolders() const;
    // Choosing a folder in the list (or a drive) makes it the project folder.
    void chooseFolder(const std::filesystem::path& folder);
    // Where the list starts when the wizard opens.
    void setListStart(std::filesystem::path folder) { m_listStart = std::move(folder); }
    void makeDirectoryClick();
    void exploreClick();
    void deleteDirectoryClick();

    // --- Step 2 ---------------------------------------------------------------
    const std::string& cdName() const { return m_cdName; }
    void setCdName(std::string_view text);
    const std::string& folderDisplay() const { return m_folderDisplay; }
    void browseClick();

    // --- Step 3 ---------------------------------------------------------------
    const std::string& categoryDisplay() const { return m_categoryDisplay; }
    void categoryEditorClick();
    void defaultCategoriesClick();

    // --- Step 4 ---------------------------------------------------------------
    const std::string& designDisplay() const { return m_designDisplay; }
    void designEditorClick();
    void defaultDesignClick();
    void sampleMenuClick();

    // --- Step 5 ---------------------------------------------------------------
    void addFileClick() { runAddCommand(m_commands.addFile); }
    void addFolderClick() { runAddCommand(m_commands.addFolder); }
    void addUrlClick() { runAddCommand(m_commands.addUrl); }
    void addJumpClick() { runAddCommand(m_commands.addJump); }

    // Whether the last showing created the project.
    bool projectCreated() const { return m_projectCreated; }

private:
    void onPrepare() override;
    bool showFolder(const std::filesystem::path& folder);
    void runAddCommand(const std::function<void()>& command);
    bool folderChosen() const;
    bool categoryChosen() const;
    bool designChosen() const;
    void restoreEarlierState(const std::filesystem::path& earlierProject);
    std::filesystem::path standardCategories() const;
    std::filesystem::path standardDesign() const;

    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    ProjectSession& m_session;
    MainWindowModel& m_frame;
    ProjectDialog& m_dialog;
    CategoryEditor& m_categoryEditor;
    FreeTextEditor& m_folderNames;
    WizardCommands m_commands;

    Page m_page = Page::Welcome;
    std::string m_cdName;
    std::string m_folderDisplay;
    std::string m_categoryDisplay;
    std::string m_designDisplay;
    std::filesystem::path m_listFolder;
    std::filesystem::path m_listStart;
    bool m_projectCreated = false;
    bool m_buildRequested = false;
};

}  // namespace qv
