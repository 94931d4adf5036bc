#pragma once

#include "project/FieldCapacity.h"
#include "project/ProjectSession.h"
#include "ui/Ui.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

class AddFileDialog;
class CategoryEditor;
class DesignEditor;
class Language;
class MainWindowModel;

// The new and edit project dialog: the CD name and the project folder are
// asked here, the category file and the design file are left to their
// editors. In the new mode the steps come in a fixed order (folder,
// categories, design, OK) and OK creates the project file and its working
// copy; in the edit mode OK changes the values of the open project.
class ProjectDialog final : public ModalWindow {
public:
    static constexpr WindowKind kKind = WindowKind::ProjectDialog;
    WindowKind kind() const override { return kKind; }
    static constexpr int kHelpTopic = 2050;
    static constexpr const char* kSection = "NewProj";

    // Texts of section NewProj, in layout order. The OK caption is T54 or T56.
    enum Text {
        CdNameLabel = 1, FolderLabel, BrowseButton, CategoryButton, DesignButton, OkButton, CancelButton,
        HelpButton, Explanation, FolderTooLong
    };
    static std::string text(const Language& language, Text which);

    ProjectDialog(Ui& ui, const Language& language, ProjectSession& session, MainWindowModel& frame,
                  CategoryEditor& categoryEditor, DesignEditor& designEditor, AddFileDialog& addFile);

    // Shows the dialog modally in mode; true when OK closed it.
    bool execute(ProjectDialogMode mode);
    // The dialog made ready in mode without showing it (the wizard drives it so).
    void prepareFor(ProjectDialogMode mode);

    // --- Commands -------------------------------------------------------------
    // Browse; askFirst is off for the wizard, which asks nothing before its browser.
    // True when a folder was chosen.
    bool browseClick(bool askFirst = true);
    void categoryEditorClick();
    void designEditorClick();
    void okClick();
    void cancelClick();
    void helpClick();

    // --- Fields ---------------------------------------------------------------
    ProjectDialogMode mode() const { return m_mode; }
    const std::string& cdName() const { return m_cdName; }
    // Typed text up to what the project file holds.
    void setCdName(std::string_view text);
    static FieldCapacity cdNameCapacity() { return FieldCapacity::ofHeader(HeaderCdName); }
    static FieldCapacity folderCapacity() { return FieldCapacity::ofHeader(HeaderProjectFolder); }
    // Empty while no folder was chosen; ends in the native separator.
    const std::string& projectFolder() const { return m_folder; }
    // A folder set from outside the browser (the wizard's folder list). False
    // (and E10 shown) when the project file could not hold its path.
    bool setProjectFolder(const std::filesystem::path& folder);

    const std::string& title() const { return m_title; }
    const std::string& okCaption() const { return m_okCaption; }
    bool okEnabled() const { return m_okEnabled; }
    bool categoryEditorEnabled() const { return m_categoryEnabled; }
    bool designEditorEnabled() const { return m_designEnabled; }

private:
    void onPrepare() override;
    void adoptValues();
    void createProject();

    Ui& m_ui;
    const Language& m_language;
    ProjectSession& m_session;
    MainWindowModel& m_frame;
    CategoryEditor& m_categoryEditor;
    DesignEditor& m_designEditor;
    AddFileDialog& m_addFile;

    ProjectDialogMode m_mode = ProjectDialogMode::New;
    std::string m_cdName;
    std::string m_folder;
    std::string m_title;
    std::string m_okCaption;
    bool m_okEnabled = false;
    bool m_categoryEnabled = false;
    bool m_designEnabled = false;
};

}  // namespace qv
