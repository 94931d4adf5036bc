#include "setup/ProjectDialog.h"

#include "app/MainWindowModel.h"
#include "categories/CategoryEditor.h"
#include "design/DesignEditor.h"
#include "i18n/Language.h"
#include "items/AddFileDialog.h"
#include "project/ItemTable.h"
#include "util/Fs.h"
#include "util/ProjectFiles.h"
#include "util/Text.h"

#include <system_error>

namespace qv {

std::string ProjectDialog::text(const Language& language, Text which)
{
    return language.windowText(kSection, "E" + std::to_string(static_cast<int>(which)));
}

ProjectDialog::ProjectDialog(Ui& ui, const Language& language, ProjectSession& session, MainWindowModel& frame,
                             CategoryEditor& categoryEditor, DesignEditor& designEditor, AddFileDialog& addFile)
    : m_ui(ui)
    , m_language(language)
    , m_session(session)
    , m_frame(frame)
    , m_categoryEditor(categoryEditor)
    , m_designEditor(designEditor)
    , m_addFile(addFile)
{
}

bool ProjectDialog::execute(ProjectDialogMode mode)
{
    m_mode = mode;
    return exec(m_ui) == ModalResult::Ok;
}

void ProjectDialog::prepareFor(ProjectDialogMode mode)
{
    m_mode = mode;
    prepare();
}

void ProjectDialog::onPrepare()
{
    ProjectFiles& data = m_session.data();
    m_categoryEditor.clearModified();
    m_categoryEditor.setCurrentFile(data.genre_file.fullPath());
    if (m_mode == ProjectDialogMode::New) {
        m_categoryEditor.clearEntries();
        m_okCaption = m_language.text("T54");
        m_cdName = m_language.text("T55");
        m_folder.clear();
        m_title = m_language.text("T48");
        m_categoryEditor.setCurrentFile({});
        m_okEnabled = false;
        m_designEnabled = false;
        m_categoryEnabled = false;
    } else {
        m_categoryEditor.clearPictures();
        m_designEnabled = true;
        m_categoryEnabled = true;
        m_okEnabled = true;
        m_okCaption = m_language.text("T56");
        m_cdName = m_session.cdName();
        m_folder = m_session.projectFolder();
        m_title = m_language.text("T24") + " - " + pathText(data.genre_file.fullPath());
    }
    if (!isFile(data.genre_file.fullPath()))
        m_okEnabled = false;
}

void ProjectDialog::setCdName(std::string_view text)
{
    std::string kept(cdNameCapacity().kept(text));
    if (kept == m_cdName)
        return;
    m_cdName = std::move(kept);
    m_session.setModified(true);
}

bool ProjectDialog::setProjectFolder(const std::filesystem::path& folder)
{
    const std::string text = folderText(folder);
    // The project file keeps the folder in a record of fixed size; a path cut
    // there would name another folder, so a longer one is refused.
    if (!folderCapacity().fits(text)) {
        m_ui.messageBox({std::string(), ProjectDialog::text(m_language, FolderTooLong)}, MsgKind::Warning,
                        MsgButtons::Ok);
        return false;
    }
    if (text != m_folder) {
        m_folder = text;
        m_session.setModified(true);
    }
    m_addFile.setStartFolder(pathFromText(m_folder));
    m_categoryEnabled = true;
    m_title = m_language.text("T49");
    return true;
}

bool ProjectDialog::browseClick(bool askFirst)
{
    if (askFirst && !m_folder.empty()) {
        if (m_ui.messageBox({"M49", m_language.message("M49")}, MsgKind::Information, MsgButtons::OkCancel)
            != MsgResult::Ok)
            return false;
    }
    const std::filesystem::path start = pathFromText(m_folder.empty() ? m_session.projectFolder() : m_folder);
    const auto chosen = m_ui.browseFolder(m_language.text("T59"), start);
    if (!chosen || chosen->empty())
        return false;
    return setProjectFolder(*chosen);
}

void ProjectDialog::categoryEditorClick()
{
    m_ui.playClick();
    m_categoryEditor.execute();
    // The editor's OK decides the category file; the title and the design
    // button follow it.
    if (m_categoryEditor.result() != ModalResult::Ok)
        return;
    m_title = m_language.text(m_mode == ProjectDialogMode::New ? "T23" : "T24");
    m_designEnabled = isFile(m_session.categoryFile());
}

void ProjectDialog::designEditorClick()
{
    m_ui.playClick();
    m_designEditor.execute();
    if (m_mode == ProjectDialogMode::New) {
        if (isFile(m_session.designFile())) {
            m_title = m_language.text("T46");
            m_okEnabled = true;
        }
    } else {
        m_title = m_language.text("T24");
    }
    m_categoryEditor.clearModified();
}

void ProjectDialog::adoptValues()
{
    ProjectFiles& data = m_session.data();
    if (isFile(m_categoryEditor.currentFile()))
        data.genre_file.assign(m_categoryEditor.currentFile());
    m_session.setCdName(m_cdName);
    m_session.setProjectFolder(m_folder);
}

void ProjectDialog::okClick()
{
    m_ui.playClick();
    if (!isFile(m_session.designFile())) {
        m_ui.messageBox({"M48", m_language.message("M48")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    if (m_mode == ProjectDialogMode::Edit) {
        // The follow-up moves the chooser to a changed folder once the rows are read back.
        m_addFile.setStartFolder(pathFromText(m_session.projectFolder()));
        adoptValues();
        m_session.writeWorkingCopy();
        close(ModalResult::Ok);
        return;
    }
    createProject();
}

void ProjectDialog::createProject()
{
    // Every item's CD path is made from the project folder: without one
    // there is no project to create.
    if (m_folder.empty()) {
        m_ui.messageBox({"M52", m_language.message("M52")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    // The project file and its working copy come from Save As; until the
    // person accepts it nothing is created and nothing changes.
    if (!m_session.saveAs(std::string()))
        return;
    m_addFile.setStartFolder(pathFromText(m_folder));
    adoptValues();
    m_session.announce(TitleCause::Created);
    ItemTable& table = m_session.table();
    // The wizard's items were added before the project existed: they stay.
    if (!m_frame.wizardRunning()) {
        const ItemTable::Batch batch(table);
        table.setRowCount(2);
        table.clearRow1();
    }
    m_session.readCategoryList();
    table.refreshCategoryColouring();
    if (m_session.hooks().rowsChanged)
        m_session.hooks().rowsChanged();
    m_session.setModified(false);
    m_session.save();
    close(ModalResult::Ok);
}

void ProjectDialog::cancelClick()
{
    m_ui.playClick();
    if (!m_folder.empty())
        m_addFile.setStartFolder(pathFromText(m_folder));
    m_categoryEditor.setCurrentFile(m_session.categoryFile());
    close(ModalResult::Cancel);
}

void ProjectDialog::helpClick()
{
    m_ui.playClick();
    m_frame.helpContext(kHelpTopic);
}

}  // namespace qv
