#include "project/ProjectSession.h"

#include "app/MainWindowModel.h"
#include "util/ProjectFiles.h"
#include "categories/CategoryFile.h"
#include "categories/CategoryList.h"
#include "design/DesignEditor.h"
#include "i18n/Language.h"
#include "project/ItemTable.h"
#include "project/ProjectLoader.h"
#include "util/Colour.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <optional>
#include <system_error>

namespace qv {

namespace {

constexpr const char* kProjectFilter = "Krynt - Quenvar - Projectfile";
constexpr const char* kProjectPattern = "*.qvp";

bool samePath(const std::filesystem::path& a, const std::filesystem::path& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    return std::filesystem::absolute(a, ec).lexically_normal() == std::filesystem::absolute(b, ec).lexically_normal();
}

}  // namespace

ProjectSession::ProjectSession(std::filesystem::path baseDir, ProjectFiles& data, ItemTable& table,
                               CategoryList& categories, MenuDesign& design, Ui& ui, const Language& language,
                               ProjectFileReaders readers)
    : m_baseDir(std::move(baseDir))
    , m_data(data)
    , m_table(table)
    , m_categories(categories)
    , m_design(design)
    , m_ui(ui)
    , m_language(language)
    , m_readers(std::move(readers))
{
}

void ProjectSession::attachFrame(MainWindowModel& frame)
{
    m_frame = &frame;
    frame.hooks().save = [this] { return save(); };
    frame.hooks().modified = [this] { return modified(); };
    frame.hooks().cdName = [this] { return m_cdName; };
    frame.hooks().markUnmodified = [this] { setModified(false); };
    frame.setHandler(CommandId::New, [this] { newClick(); });
    frame.setHandler(CommandId::Open, [this] { openClick(); });
    frame.setHandler(CommandId::Save, [this] { saveClick(); });
    frame.setHandler(CommandId::SaveAs, [this] { saveAsClick(); });
    frame.setHandler(CommandId::EditProject, [this] { editProjectClick(); });
    frame.setHandler(CommandId::CategoryEditor, [this] { categoryEditorClick(); });
    frame.setHandler(CommandId::MenuDesignEditor, [this] { designEditorClick(); });
}

// --- State ---------------------------------------------------------------------

void ProjectSession::setCdName(std::string name)
{
    m_cdName = std::move(name);
}

void ProjectSession::setProjectFolder(std::string folder)
{
    m_projectFolder = std::move(folder);
}

bool ProjectSession::modified() const
{
    return m_table.isModified();
}

void ProjectSession::setModified(bool modified)
{
    m_table.setModified(modified);
}

std::string ProjectSession::proposedFileName() const
{
    return pathText(m_savePath);
}

std::filesystem::path ProjectSession::projectFile() const
{
    return m_data.Project_file.fullPath();
}

std::filesystem::path ProjectSession::workingCopy() const
{
    return m_data.Project_Temp.fullPath();
}

std::filesystem::path ProjectSession::categoryFile() const
{
    return m_data.genre_file.fullPath();
}

std::filesystem::path ProjectSession::designFile() const
{
    return m_data.menudesign_file.fullPath();
}

ProjectHeader ProjectSession::header() const
{
    ProjectHeader h;
    h.cdName = m_cdName;
    h.projectFolder = m_projectFolder;
    h.setCategoryFile(m_data.genre_file);
    h.setDesignFile(m_data.menudesign_file);
    return h;
}

std::vector<ItemFieldTexts> ProjectSession::items() const
{
    std::vector<ItemFieldTexts> rows;
    rows.reserve(static_cast<std::size_t>(m_table.rowCount() - 1));
    for (int r = 1; r < m_table.rowCount(); ++r) {
        ItemFieldTexts& item = rows.emplace_back();
        for (int f = 1; f <= ItemTable::kFields; ++f)
            item[static_cast<std::size_t>(f - 1)] = m_table.read(f, r);
    }
    return rows;
}

Message ProjectSession::message(const char* key) const
{
    return Message{key, m_language.message(key)};
}

void ProjectSession::showError(const std::string& text)
{
    m_ui.messageBox(Message{std::string(), text}, MsgKind::Error, MsgButtons::Ok);
}

FileDialogSpec ProjectSession::projectDialogSpec(const char* hintKey) const
{
    FileDialogSpec spec;
    spec.title = m_language.windowText("Main", hintKey);
    spec.filters = {{kProjectFilter, kProjectPattern}};
    spec.initialDir = m_baseDir / "projects";
    return spec;
}

// --- Table and records -----------------------------------------------------------

void ProjectSession::fillTable(const std::vector<ItemFieldTexts>& items)
{
    // Row 1 is emptied first: a file without item records must not leave the
    // previous project's first row behind.
    m_table.setRowCount(2);
    m_table.clearRow1();
    m_table.setRowCount(std::max<int>(static_cast<int>(items.size()) + 1, 2));
    int row = 1;
    for (const auto& item : items) {
        for (int f = 1; f <= ItemTable::kFields; ++f)
            m_table.write(f, row, item[static_cast<std::size_t>(f - 1)]);
        ++row;
    }
}

void ProjectSession::afterRowsReplaced()
{
    if (m_table.rowCount() == 2 && m_table.read(FieldName, 1).empty())
        m_table.clearRow1();
    m_table.normaliseYesNo();
    m_table.refreshCategoryColouring();
    if (m_hooks.rowsChanged)
        m_hooks.rowsChanged();
}

std::string ProjectSession::bytesOf(const std::vector<std::string>& categories) const
{
    return projectFileBytes(header(), items(), categories, YesNoWords{m_table.yesWord(), m_table.noWord()});
}

std::filesystem::path ProjectSession::workingCopyOf(const std::filesystem::path& projectFile) const
{
    const auto beside = workingCopyPath(projectFile);
    if (!m_workingCopyFolder.empty())
        return m_workingCopyFolder / beside.filename();
    if (m_sharedWithOther && m_sharedCopyFolder && !m_sharedCopyFolder->path().empty())
        return m_sharedCopyFolder->path() / beside.filename();
    return beside;
}

bool ProjectSession::putWorkingCopy(const std::string& bytes)
{
    if (m_data.Project_file.empty())
        return false;
    // Written at the name the project file gives, so a working copy that
    // could not be made before is made now.
    const auto path = workingCopyOf(m_data.Project_file.fullPath());
    if (!writeFileAtomic(path, bytes)) {
        // An older working copy that is still there stays named, so exit deletes it.
        m_data.Project_Temp.assign(path);
        return false;
    }
    setArchive(path);
    m_data.Project_Temp.assign(path);
    return true;
}

bool ProjectSession::writeWorkingCopy()
{
    if (m_data.Project_file.empty())
        return false;
    const auto work = m_ui.beginWork("save");
    return putWorkingCopy(bytesOf(m_categories.captions()));
}

void ProjectSession::readCategoryList()
{
    if (isFile(m_data.genre_file.fullPath()) && m_readers.readCategories)
        m_readers.readCategories(m_categories, m_data.genre_file.fullPath());
}

void ProjectSession::reReadThroughWorkingCopy()
{
    // The rows name their categories by the list they were made with; the
    // records keep those positions, so a caption renamed in the category
    // file is found again at its place in the new list.
    const auto work = m_ui.beginWork("load");
    const std::vector<std::string> before = m_categories.captions();
    readCategoryList();
    const std::string bytes = bytesOf(before);
    putWorkingCopy(bytes);
    // The bytes just written are the working copy's content; reading them
    // here spares a second trip through the disk and works without one.
    const ProjectFileContents contents = decodeProjectFile(bytes, m_categories.captions());
    const ItemTable::Batch batch(m_table);  // a view sees the new rows as one reset
    fillTable(contents.items);
    afterRowsReplaced();
}

void ProjectSession::makeWorkingCopy(const std::filesystem::path& projectFile)
{
    // The old working copy goes, also one a failed save let go, unless the
    // person opened or saved over it as a project file.
    std::filesystem::path oldCopy = m_data.Project_Temp.fullPath();
    if (oldCopy.empty() && !m_data.Project_file.empty())
        oldCopy = workingCopyOf(m_data.Project_file.fullPath());
    setArchive(oldCopy);
    m_data.Project_file.assign(projectFile);
    m_data.Project_Temp.clear();
    // Only the program marks a project as open; a caller with its own
    // working copy folder (the command line) leaves nothing beside it.
    if (m_workingCopyFolder.empty()) {
        m_sharedWithOther = ProjectLock::heldByOther(projectFile).has_value();
        if (m_sharedWithOther) {
            m_lock.release();
            if (!m_sharedCopyFolder)
                m_sharedCopyFolder = std::make_unique<PrivateFolder>();
        } else {
            m_lock.acquire(projectFile);
        }
    }
    if (!samePath(oldCopy, projectFile))
        removeFileQuiet(oldCopy);
    const auto copy = workingCopyOf(projectFile);
    copyFileReplace(projectFile, copy);
    m_data.Project_Temp.assign(copy);
    setArchive(copy);
}

// --- The loader ------------------------------------------------------------------

LoadResult ProjectSession::loadProject(const std::filesystem::path& path, LoadMode mode)
{
    const auto work = m_ui.beginWork("load");
    LoadResult result;
    const bool ask = mode == LoadMode::Interactive;
    auto failed = [&](std::string text) {
        result.error = std::move(text);
        if (ask)
            showError(result.error);
        return result;
    };

    ProjectHeader header;
    try {
        header = readProjectHeader(path);
    } catch (const ProjectFileError& e) {
        return failed(e.what());
    }
    if (ask) {
        if (const auto other = ProjectLock::heldByOther(path)) {
            const std::string who = std::to_string(other->pid) + (other->host.empty() ? "" : " / " + other->host);
            const Message question{"M60", formatS(m_language.message("M60"), who)};
            if (m_ui.messageBox(question, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes) {
                result.cancelled = true;
                return result;
            }
        }
    }

    // Both files are resolved into locals: the open project keeps its own
    // until the load completes.
    auto resolve = [&](ProjectCompanion companion) -> std::optional<std::filesystem::path> {
        if (auto found = findCompanion(m_baseDir, header, companion))
            return found;
        const bool categories = companion == ProjectCompanion::Categories;
        if (!ask) {
            const std::string& stored = categories ? header.categoryPath : header.designPath;
            result.error = std::string(categories ? "The category file " : "The design file ") +
                           (stored.empty() ? "(none named)" : stored) + " of this project was not found.";
            return std::nullopt;
        }
        const Message missing = message(categories ? "M29" : "M30");
        if (m_ui.messageBox(missing, MsgKind::Error, MsgButtons::OkCancel) != MsgResult::Ok) {
            result.cancelled = true;
            return std::nullopt;
        }
        FileDialogSpec spec;
        if (categories) {
            spec.filters = {{CategoryFile::kDialogFilter, CategoryFile::kDialogPattern}};
            spec.initialDir = m_baseDir / "genre";
        } else {
            spec.filters = {{DesignEditor::kDesignFilter, "*.qvd"}};
            spec.initialDir = m_baseDir / "menudesign";
        }
        const auto picked = m_ui.openFile(spec);
        if (!picked || !isFile(*picked)) {
            result.cancelled = true;
            return std::nullopt;
        }
        std::error_code ec;
        return std::filesystem::absolute(*picked, ec).lexically_normal();
    };

    const auto categoryPath = resolve(ProjectCompanion::Categories);
    if (!categoryPath)
        return result;
    CategoryList categories;
    if (m_readers.readCategories)
        m_readers.readCategories(categories, *categoryPath);
    const auto designPath = resolve(ProjectCompanion::Design);
    if (!designPath)
        return result;

    ProjectFileContents contents;
    try {
        contents = readProjectFile(path, categories.captions());
    } catch (const ProjectFileError& e) {
        return failed(e.what());
    }

    // From here on the load completes.
    try {
        if (m_readers.readDesign)
            m_readers.readDesign(m_design, *designPath);
    } catch (const std::exception& e) {
        // The design is read all the same; the first bad value is named.
        result.warnings.emplace_back(e.what());
        if (ask)
            showError(e.what());
    }
    m_data.menudesign_file.assign(*designPath);
    m_data.genre_file.assign(*categoryPath);
    m_categories = std::move(categories);
    const ItemTable::Batch batch(m_table);  // a view sees the new rows as one reset
    fillTable(contents.items);
    setCdName(contents.header.cdName);
    setProjectFolder(contents.header.projectFolder);
    makeWorkingCopy(path);
    m_savePath = m_data.Project_file.fullPath();
    announce(TitleCause::Opened);
    setModified(false);
    afterRowsReplaced();
    result.loaded = true;
    return result;
}

void ProjectSession::announce(TitleCause cause)
{
    if (!m_frame)
        return;
    m_frame->projectChanged(cause);
    m_frame->commands().enableProjectCommands();
}

// --- Commands ---------------------------------------------------------------------

bool ProjectSession::askSaveFirst()
{
    if (!modified())
        return true;
    if (m_ui.messageBox(message("M28"), MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes)
        return true;
    // The person asked for the changes to be kept: a save that didn't happen
    // stops the command rather than dropping them.
    return save();
}

void ProjectSession::openClick()
{
    m_ui.playClick();
    if (!askSaveFirst())
        return;
    FileDialogSpec spec = projectDialogSpec("E4");
    spec.mustExist = true;
    if (const auto chosen = m_ui.openFile(spec))
        loadProject(*chosen, LoadMode::Interactive);
}

void ProjectSession::saveClick()
{
    m_ui.playClick();
    save();
}

bool ProjectSession::save()
{
    if (!isFile(m_data.Project_file.fullPath()))
        return saveAs();
    const auto work = m_ui.beginWork("save");
    const std::filesystem::path project = m_data.Project_file.fullPath();
    const std::string bytes = bytesOf(m_categories.captions());
    putWorkingCopy(bytes);
    // The project file is replaced in one step from the same bytes, so a
    // failure leaves its old content whole.
    if (!writeFileAtomic(project, bytes)) {
        // M57 tells the person the changes are kept in the working copy, so
        // it is let go: closing the program deletes only a working copy the
        // reference still names.
        m_data.Project_Temp.clear();
        m_ui.messageBox(message("M57"), MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    setArchive(project);
    setModified(false);
    m_table.refreshCategoryColouring();
    return true;
}

void ProjectSession::saveAsClick()
{
    m_ui.playClick();
    saveAs();
}

bool ProjectSession::saveAs(const std::string& proposedName)
{
    FileDialogSpec spec = projectDialogSpec("E6");
    spec.fileName = proposedName;
    spec.defaultExt = "qvp";
    spec.mustExist = false;
    const auto chosen = m_ui.saveFile(spec);
    if (!chosen || chosen->empty())
        return false;
    const auto work = m_ui.beginWork("save");
    try {
        writeProjectFile(*chosen, header(), items(), m_categories.captions(),
                         YesNoWords{m_table.yesWord(), m_table.noWord()});
    } catch (const ProjectFileError& e) {
        showError(e.what());
        return false;
    }
    setArchive(*chosen);
    makeWorkingCopy(*chosen);
    m_savePath = m_data.Project_file.fullPath();
    setModified(false);
    m_table.refreshCategoryColouring();
    return true;
}

void ProjectSession::newClick()
{
    m_ui.playClick();
    if (!askSaveFirst())
        return;
    m_dialogMode = ProjectDialogMode::New;
    if (m_hooks.projectDialog)
        m_hooks.projectDialog(ProjectDialogMode::New);
}

void ProjectSession::editProjectClick()
{
    m_ui.playClick();
    writeWorkingCopy();
    m_dialogMode = ProjectDialogMode::Edit;
    if (!m_hooks.projectDialog || !m_hooks.projectDialog(ProjectDialogMode::Edit))
        return;
    announce(TitleCause::Edited);
    if (modified())
        reReadThroughWorkingCopy();
}

void ProjectSession::categoryEditorClick()
{
    m_ui.playClick();
    writeWorkingCopy();
    if (m_hooks.categoryEditor)
        m_hooks.categoryEditor();
    if (modified())
        reReadThroughWorkingCopy();
}

void ProjectSession::designEditorClick()
{
    m_ui.playClick();
    if (m_hooks.designEditor)
        m_hooks.designEditor();
    if (!modified() || m_data.Project_file.empty())
        return;
    // The working copy names the design file the editor ended with.
    const auto copy = workingCopyOf(m_data.Project_file.fullPath());
    try {
        writeProjectHeader(copy, header(), static_cast<std::size_t>(m_table.rowCount() - 1));
        m_data.Project_Temp.assign(copy);
    } catch (const ProjectFileError&) {
        // A missing working copy is written whole instead.
        writeWorkingCopy();
    }
}

}  // namespace qv
