#include "setup/ProjectWizard.h"

#include "app/MainWindowModel.h"
#include "categories/CategoryEditor.h"
#include "categories/CategoryFile.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "items/FreeTextEditor.h"
#include "project/ItemTable.h"
#include "project/ProjectSession.h"
#include "setup/ProjectDialog.h"
#include "util/Colour.h"
#include "util/Fs.h"
#include "util/ProjectFiles.h"
#include "util/Text.h"

#include <algorithm>
#include <system_error>

namespace qv {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// A name typed for a new folder names one folder inside the list's folder,
// nothing above or below it.
bool isPlainFolderName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos;
}

}  // namespace

std::string ProjectWizard::text(const Language& language, Text which)
{
    return language.windowText(kSection, "E" + std::to_string(static_cast<int>(which)));
}

int ProjectWizard::helpTopic(Page page)
{
    // welcome 6100, step 1 6150, ... step 6 6400
    return 6100 + 50 * static_cast<int>(page);
}

ProjectWizard::ProjectWizard(Ui& ui, const Language& language, fs::path baseDir, ProjectSession& session,
                             MainWindowModel& frame, ProjectDialog& dialog, CategoryEditor& categoryEditor,
                             FreeTextEditor& folderNames, WizardCommands commands)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
    , m_session(session)
    , m_frame(frame)
    , m_dialog(dialog)
    , m_categoryEditor(categoryEditor)
    , m_folderNames(folderNames)
    , m_commands(std::move(commands))
{
}

fs::path ProjectWizard::standardCategories() const
{
    return (CategoryFile::defaultFile(m_baseDir)).lexically_normal();
}

fs::path ProjectWizard::standardDesign() const
{
    return (m_baseDir / "Files" / "Standard.qvd").lexically_normal();
}

// --- Opening and closing -------------------------------------------------------

void ProjectWizard::wizardClick()
{
    m_ui.playClick();
    if (m_session.modified()
        && m_ui.messageBox({"M28", m_language.message("M28")}, MsgKind::Confirmation, MsgButtons::YesNo)
               == MsgResult::Yes
        && !m_session.save())
        return;  // the changes the person asked to keep were not saved: nothing is thrown away
    const fs::path earlier = m_session.projectFile();
    m_dialog.prepareFor(ProjectDialogMode::New);
    m_frame.setWizardRunning(true);
    m_projectCreated = false;
    m_buildRequested = false;
    ProjectFiles& data = m_session.data();
    data.menudesign_file.clear();
    data.genre_file.clear();
    {
        ItemTable& table = m_session.table();
        const ItemTable::Batch batch(table);
        table.setRowCount(2);
        table.clearRow1();
    }
    if (m_session.hooks().rowsChanged)
        m_session.hooks().rowsChanged();

    exec(m_ui);
    m_frame.setWizardRunning(false);
    if (m_dialog.isOpen())
        m_dialog.close(ModalResult::Cancel);
    if (m_projectCreated) {
        if (m_buildRequested && m_commands.build)
            m_commands.build();
        return;
    }
    restoreEarlierState(earlier);
}

void ProjectWizard::restoreEarlierState(const fs::path& earlier)
{
    // Nothing the wizard collected is kept: no project file was made, and the
    // rows go with the project that is brought back.
    if (isFile(earlier) && m_session.loadProject(earlier, LoadMode::Interactive).loaded) {
        m_session.setModified(true);
        return;
    }
    ProjectFiles& data = m_session.data();
    data.menudesign_file.clear();
    data.genre_file.clear();
    m_session.setProjectFolder(std::string());
    m_categoryEditor.setCurrentFile({});
    {
        ItemTable& table = m_session.table();
        const ItemTable::Batch batch(table);
        table.setRowCount(2);
        table.clearRow1();
    }
    if (m_session.hooks().rowsChanged)
        m_session.hooks().rowsChanged();
    m_session.setModified(false);
}

void ProjectWizard::onPrepare()
{
    m_categoryEditor.setOpenDialogFilter("krynt - quenvar - category file");
    m_page = Page::Welcome;
    m_cdName = m_language.text("T51");
    m_dialog.setCdName(m_cdName);
    m_folderDisplay = m_language.text("T52");
    m_categoryDisplay = m_folderDisplay;
    m_designDisplay = m_folderDisplay;
    if (isFolder(m_listStart))
        m_listFolder = m_listStart;
    else if (!isFolder(m_listFolder))
        m_listFolder = drives().front();
}

// --- Frame ---------------------------------------------------------------------

bool ProjectWizard::folderChosen() const
{
    return m_folderDisplay != m_language.text("T52") && !m_dialog.projectFolder().empty();
}

bool ProjectWizard::categoryChosen() const
{
    return isFile(m_session.categoryFile());
}

bool ProjectWizard::designChosen() const
{
    return isFile(m_session.designFile());
}

bool ProjectWizard::nextEnabled() const
{
    switch (m_page) {
    case Page::General: return folderChosen();
    case Page::Categories: return categoryChosen();
    case Page::Design: return designChosen();
    case Page::Finish: return false;
    default: return true;
    }
}

void ProjectWizard::nextClick()
{
    if (m_page == Page::General)
        m_dialog.setCdName(m_cdName);
    if (!nextEnabled())
        return;
    m_page = static_cast<Page>(static_cast<int>(m_page) + 1);
}

void ProjectWizard::backClick()
{
    if (m_page != Page::Welcome)
        m_page = static_cast<Page>(static_cast<int>(m_page) - 1);
}

void ProjectWizard::finishClick()
{
    m_dialog.setCdName(m_cdName);
    m_dialog.okClick();
    m_projectCreated = m_dialog.result() == ModalResult::Ok;
    // A cancelled Save As keeps the wizard open with everything collected,
    // so the person can try again or give up with Cancel.
    if (!m_projectCreated)
        return;
    m_session.readCategoryList();
    close(ModalResult::Ok);
}

void ProjectWizard::buildProjectClick()
{
    m_ui.messageBox({"M53", m_language.message("M53")}, MsgKind::Information, MsgButtons::Ok);
    finishClick();
    m_buildRequested = m_projectCreated;
}

void ProjectWizard::cancelClick()
{
    m_ui.playClick();
    close(ModalResult::Cancel);
}

void ProjectWizard::helpClick()
{
    m_ui.playClick();
    m_frame.helpContext(helpTopic(m_page));
}

// --- Step 1 ----------------------------------------------------------------------

std::vector<fs::path> ProjectWizard::drives()
{
    std::vector<fs::path> found;
#ifdef _WIN32
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const fs::path root = std::string(1, letter) + ":\\";
        if (isFolder(root))
            found.push_back(root);
    }
#endif
    if (found.empty())
        found.push_back(fs::path("/"));
    return found;
}

std::vector<fs::path> ProjectWizard::subfolders() const
{
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(m_listFolder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !isHiddenName(it->path()))
            folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end(), [](const fs::path& a, const fs::path& b) {
        return icompare(pathText(a.filename()), pathText(b.filename())) < 0;
    });
    return folders;
}

bool ProjectWizard::showFolder(const fs::path& folder)
{
    if (!m_dialog.setProjectFolder(folder))
        return false;
    m_folderDisplay = m_dialog.projectFolder();
    m_session.setProjectFolder(m_folderDisplay);
    return true;
}

void ProjectWizard::chooseFolder(const fs::path& folder)
{
    if (!isFolder(folder))
        return;
    m_listFolder = folder;
    showFolder(folder);
}

void ProjectWizard::makeDirectoryClick()
{
    const std::string name = m_folderNames.askFolderName();
    if (name.empty())
        return;
    const fs::path target = m_listFolder / pathFromText(name);
    std::error_code ec;
    const bool made = isPlainFolderName(name) && fs::create_directory(target, ec) && !ec;
    if (made)
        m_ui.messageBox({"M55", m_language.message("M55")}, MsgKind::Information, MsgButtons::Ok);
    else
        m_ui.messageBox({"M54", m_language.message("M54")}, MsgKind::Warning, MsgButtons::Ok);
    if (isPlainFolderName(name))
        chooseFolder(target);
}

void ProjectWizard::exploreClick()
{
    m_ui.shellExplore(m_listFolder);
}

void ProjectWizard::deleteDirectoryClick()
{
    const fs::path folder = m_listFolder;
    if (folder.empty() || folder == folder.root_path()) {
        m_ui.messageBox({"M56", m_language.message("M56")}, MsgKind::Error, MsgButtons::Ok);
        return;
    }
    const Message question{std::string(), formatS(text(m_language, DeleteDirQuestion), pathText(folder))};
    if (m_ui.messageBox(question, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    // The list leaves the folder first, so nothing of ours holds it.
    chooseFolder(folder.parent_path());
    std::error_code ec;
    // Removes an empty folder only: a folder with anything in it stays whole.
    const bool removed = !fs::is_symlink(folder, ec) && fs::remove(folder, ec) && !ec;
    if (!removed)
        m_ui.messageBox({"M56", m_language.message("M56")}, MsgKind::Error, MsgButtons::Ok);
}

// --- Steps 2 to 5 ----------------------------------------------------------------

void ProjectWizard::setCdName(std::string_view text)
{
    m_cdName = std::string(ProjectDialog::cdNameCapacity().kept(text));
    m_dialog.setCdName(m_cdName);
}

void ProjectWizard::browseClick()
{
    m_ui.playClick();
    if (m_dialog.browseClick(false))
        showFolder(pathFromText(m_dialog.projectFolder()));
}

void ProjectWizard::categoryEditorClick()
{
    m_dialog.categoryEditorClick();
    m_session.readCategoryList();
    m_categoryDisplay = pathText(m_session.categoryFile());
}

void ProjectWizard::defaultCategoriesClick()
{
    m_ui.playClick();
    const fs::path file = standardCategories();
    m_session.data().genre_file.assign(file);
    m_categoryEditor.setCurrentFile(file);
    m_session.readCategoryList();
    m_categoryDisplay = pathText(m_session.categoryFile());
}

void ProjectWizard::designEditorClick()
{
    m_dialog.designEditorClick();
    m_designDisplay = pathText(m_session.designFile());
}

void ProjectWizard::defaultDesignClick()
{
    m_ui.playClick();
    const fs::path file = standardDesign();
    m_session.data().menudesign_file.assign(file);
    m_designDisplay = pathText(m_session.designFile());
    try {
        m_session.design().read(file);
    } catch (const ColourConversionError& e) {
        m_ui.messageBox({std::string(), e.what()}, MsgKind::Error, MsgButtons::Ok);
    }
}

void ProjectWizard::sampleMenuClick()
{
    m_frame.helpContext(helpTopic(Page::Design));
}

void ProjectWizard::runAddCommand(const std::function<void()>& command)
{
    if (!command)
        return;
    // The add dialogs work while `add` is enabled; a project open before the
    // wizard keeps its enabled commands afterwards.
    CommandState& commands = m_frame.commands();
    const bool wasEnabled = commands.buttonEnabled(ToolButton::AddFile);
    commands.setButtonEnabled(ToolButton::AddFile, true);
    command();
    commands.setButtonEnabled(ToolButton::AddFile, wasEnabled);
}

}  // namespace qv
