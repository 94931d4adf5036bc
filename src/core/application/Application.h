#pragma once

#include "app/MainWindowModel.h"
#include "util/ProjectFiles.h"
#include "ui/Ui.h"
#include "build/BuildPipeline.h"
#include "categories/CategoryEditor.h"
#include "categories/CategoryList.h"
#include "categories/IconChooser.h"
#include "check/CheckCommand.h"
#include "design/DesignEditor.h"
#include "design/DesignFonts.h"
#include "design/MenuDesign.h"
#include "export/ItemListExport.h"
#include "export/OfficeAdapter.h"
#include "items/AddFileDialog.h"
#include "items/AddFolderDialog.h"
#include "items/AddItemTip.h"
#include "items/FolderItemNaming.h"
#include "items/CategoryChoiceEditor.h"
#include "items/FreeTextEditor.h"
#include "items/HyperlinkDialog.h"
#include "items/InfoFileDialog.h"
#include "items/JumpPointDialog.h"
#include "items/YesNoEditor.h"
#include "project/ItemTable.h"
#include "project/ItemTableCommands.h"
#include "project/ProjectSession.h"
#include "record/RecordingDialog.h"
#include "setup/ProjectDialog.h"
#include "setup/ProjectWizard.h"
#include "setup/WelcomeScreen.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace qv {

class FontCatalogue;
class FontRegistrar;

// What the program around the application provides; each may be left
// empty and then has a stand-in that works without a display.
struct ApplicationServices {
    const FontCatalogue* fonts = nullptr;   // installed fonts (fontconfig when empty)
    FontRegistrar* fontRegistrar = nullptr; // registration of design fonts (fontconfig when empty)
    OfficeAdapter* office = nullptr;        // Word and Excel output ("not found" when empty)
};

// The program: the open project with its table, category list and design,
// the frame (language, settings, title, commands) and every window class,
// with every command of the command table wired to its handler. The GUI,
// the command line and the tests all build on this one object.
class Application final : private DesignEditorHost {
public:
    Application(std::filesystem::path baseDir, Ui& ui, ApplicationServices services = {});
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up as the main window runs it: window settings while it is
    // created, then language, table, settings and the welcome screen (when
    // the settings ask for it and offerWelcome is on: a window rendered
    // off screen has nobody to greet).
    void start(bool offerWelcome = true);
    // The two halves of start() for a window that shows itself in between.
    void create();
    void firstShow(bool offerWelcome = true);

    // A command from the menu, a tool button or a key; false when it is disabled.
    bool run(CommandId id) { return m_frame.run(id); }
    bool runButton(ToolButton button) { return m_frame.runButton(button); }
    bool runKey(std::string_view key) { return m_frame.runKey(key); }
    // Whether a command has a window or behaviour behind it in this build;
    // the others answer with a "not available yet" box.
    static bool commandAvailable(CommandId id);

    // The commands of later windows that the program around may supply (the
    // item dialogs, the project dialog, the wizard, the welcome screen).
    void setHandler(CommandId id, std::function<void()> handler) { m_frame.setHandler(id, std::move(handler)); }

    const std::filesystem::path& baseDir() const { return m_baseDir; }
    Ui& ui() { return m_ui; }
    MainWindowModel& frame() { return m_frame; }
    const MainWindowModel& frame() const { return m_frame; }
    const Language& language() const { return m_frame.language().current(); }
    ProjectFiles& files() { return m_files; }
    ItemTable& table() { return m_table; }
    const ItemTable& table() const { return m_table; }
    CategoryList& categories() { return m_categories; }
    MenuDesign& design() { return m_design; }
    ProjectSession& session() { return m_session; }
    ItemTableCommands& tableCommands() { return m_tableCommands; }
    CategoryEditor& categoryEditor() { return m_categoryEditor; }
    IconChooser& iconChooser() { return m_iconChooser; }
    DesignEditor& designEditor() { return m_designEditor; }
    CheckCommand& check() { return m_check; }
    RecordingDialog& recordingDialog() { return m_recording; }
    ItemListExport& listExport() { return m_export; }
    BuildPipeline& buildPipeline() { return m_build; }
    AddItemTip& addItemTip() { return m_addItemTip; }
    AddFileDialog& addFileDialog() { return m_addFile; }
    AddFolderDialog& addFolderDialog() { return m_addFolder; }
    FolderItemNaming& folderItemNaming() { return m_folderItemNaming; }
    HyperlinkDialog& hyperlinkDialog() { return m_hyperlink; }
    JumpPointDialog& jumpPointDialog() { return m_jumpPoint; }
    InfoFileDialog& infoFileDialog() { return m_infoFile; }
    FreeTextEditor& freeTextEditor() { return m_freeText; }
    YesNoEditor& yesNoEditor() { return m_yesNo; }
    CategoryChoiceEditor& categoryChoiceEditor() { return m_categoryChoice; }
    ProjectDialog& projectDialog() { return m_projectDialog; }
    ProjectWizard& wizard() { return m_wizard; }
    WelcomeScreen& welcomeScreen() { return m_welcome; }

    // Double click or Space on the cursor cell: the editor the table gives
    // it, or the table's refusal. False when no editor opened.
    bool activateCell();
    // The context menu's Edit entry of a field.
    bool editEntryClick(int field);
    void editCell(const CellEditRequest& request);

    // The chosen-item panel for the cursor row.
    ChosenItemPanel chosenItemPanel() const;

    // How wide a text is on screen, for Auto Grid Size. With a measure, the
    // first project opened on a program without a settings file gets its
    // columns sized to their contents, so nothing starts cut to 50 pixels.
    void setTextMeasure(ItemTable::TextMeasure measure) { m_measure = std::move(measure); }
    static constexpr int kRowsSizedOnFirstLoad = 500;

    // The design editor's picture preview; the GUI shows the picture.
    void setPicturePreview(std::function<void(const std::filesystem::path&)> show) { m_picturePreview = std::move(show); }

private:
    // True while every shown column has the default width.
    bool columnsNeverSized() const;
    void wireFrame();
    void wireCommands();
    void notAvailable();
    void buildClick();
    void recordClick();
    ItemEntryContext itemEntryContext();

    // DesignEditorHost
    void setProjectModified() override { m_session.setModified(true); }
    void showPicturePreview(const std::filesystem::path& picture) override;
    void showAbout() override { m_frame.run(CommandId::Info); }

    std::filesystem::path m_baseDir;
    Ui& m_ui;
    std::unique_ptr<FontCatalogue> m_ownFonts;
    std::unique_ptr<FontRegistrar> m_ownRegistrar;
    std::unique_ptr<OfficeAdapter> m_ownOffice;

    ProjectFiles m_files;
    ItemTable m_table;
    CategoryList m_categories;
    MainWindowModel m_frame;
    DesignFonts m_fonts;
    MenuDesign m_design;
    ProjectSession m_session;
    ItemTableCommands m_tableCommands;
    IconChooser m_iconChooser;
    CategoryEditor m_categoryEditor;
    DesignEditor m_designEditor;
    CheckCommand m_check;
    RecordingDialog m_recording;
    ItemListExport m_export;
    BuildPipeline m_build;
    AddItemTip m_addItemTip;
    FolderItemNaming m_folderItemNaming;
    AddFileDialog m_addFile;
    AddFolderDialog m_addFolder;
    HyperlinkDialog m_hyperlink;
    JumpPointDialog m_jumpPoint;
    InfoFileDialog m_infoFile;
    FreeTextEditor m_freeText;
    YesNoEditor m_yesNo;
    CategoryChoiceEditor m_categoryChoice;
    ProjectDialog m_projectDialog;
    ProjectWizard m_wizard;
    WelcomeScreen m_welcome;
    bool m_offerWelcome = true;
    std::function<void(const std::filesystem::path&)> m_picturePreview;
    ItemTable::TextMeasure m_measure;
    bool m_sizeColumnsOnFirstLoad = false;
};

}  // namespace qv
