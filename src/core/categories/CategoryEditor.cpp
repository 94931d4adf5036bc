#include "categories/CategoryEditor.h"

#include "util/ProjectFiles.h"
#include "categories/CategoryEditorHost.h"
#include "categories/CategoryFile.h"
#include "categories/CategoryRenameWindow.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <system_error>

namespace qv {

namespace {

std::filesystem::path fullPath(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::absolute(path, ec).lexically_normal();
}

// A file saved under a new name gets a folder of its own named like the file:
// Fun.qvc chosen in /menus is written as /menus/Fun/Fun.qvc.
std::filesystem::path ownFolderTarget(const std::filesystem::path& chosen)
{
    const std::string name = pathText(chosen.filename());
    std::string bare;
    if (iendsWith(name, ".qvc"))
        bare = name.substr(0, name.size() - 4);
    else
        bare = pathText(chosen.filename().stem());
    if (bare.empty())
        bare = name;
    return chosen.parent_path() / pathFromText(bare) / chosen.filename();
}

}  // namespace

CategoryEditor::CategoryEditor(Ui& ui, const Language& language, std::filesystem::path baseDir, ProjectFiles& data,
                 IconChooser& iconChooser, CategoryEditorHost* host)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
    , m_data(data)
    , m_iconChooser(iconChooser)
    , m_host(host)
    , m_openFilter(CategoryFile::kDialogFilter)
{
}

void CategoryEditor::execute()
{
    exec(m_ui);
}

void CategoryEditor::info(const char* key)
{
    m_ui.messageBox({key, m_language.message(key)}, MsgKind::Information, MsgButtons::Ok);
}

void CategoryEditor::setFileCaption()
{
    m_caption = m_language.text("T22") + " " + pathText(m_currentFile);
}

void CategoryEditor::clearEntries()
{
    m_entries.clear();
    m_selected = -1;
}

void CategoryEditor::readFile(const std::filesystem::path& file)
{
    const auto records = CategoryFile::read(file);
    const auto folder = file.parent_path();
    clearEntries();
    m_pictures.clear();
    for (std::size_t k = 0; k < records.size(); ++k)
        m_pictures.push_back(IconPicture::load(CategoryFile::iconPath(folder, static_cast<int>(k))));
    for (const auto& r : records)
        m_entries.push_back({r.caption, r.iconNumber, CategoryFile::iconPath(folder, r.iconNumber)});
}

void CategoryEditor::onPrepare()
{
    const auto projectFile = m_data.genre_file.fullPath();
    if (isFile(projectFile)) {
        m_currentFile = projectFile;
    } else {
        m_currentFile = fullPath(CategoryFile::defaultFile(m_baseDir));
        m_data.genre_file.assign(m_currentFile);
    }
    readFile(m_currentFile);
    m_modified = false;
    m_focusEdit1 = false;
    setFileCaption();
}

void CategoryEditor::select(int index)
{
    m_selected = index >= 0 && index < static_cast<int>(m_entries.size()) ? index : -1;
}

int CategoryEditor::targetEntry() const
{
    if (m_entries.empty())
        return -1;
    return m_selected >= 0 ? m_selected : 0;
}

FileDialogSpec CategoryEditor::dialogSpec(const std::string& filter, bool mustExist) const
{
    FileDialogSpec spec;
    spec.filters = {{filter, CategoryFile::kDialogPattern}};
    spec.initialDir = CategoryFile::genreFolder(m_baseDir);
    spec.defaultExt = "qvc";
    spec.mustExist = mustExist;
    return spec;
}

bool CategoryEditor::writeTo(const std::filesystem::path& file)
{
    std::vector<CategoryFile::Source> sources;
    sources.reserve(m_entries.size());
    for (const auto& e : m_entries)
        sources.push_back({e.caption, e.iconSource});
    try {
        CategoryFile::write(file, sources);
    } catch (const ProfileWriteError& error) {
        m_ui.messageBox({"", error.what()}, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}

bool CategoryEditor::save()
{
    if (m_currentFile.empty())
        return saveAs();
    if (m_entries.empty()) {
        info("M24");
        return false;
    }
    if (CategoryFile::isDefaultFile(m_currentFile, m_baseDir))
        return saveAs();
    if (!writeTo(m_currentFile))
        return false;
    m_modified = false;
    setFileCaption();
    return true;
}

bool CategoryEditor::saveAs()
{
    if (m_entries.empty()) {
        info("M24");
        return false;
    }
    const auto chosen = m_ui.saveFile(dialogSpec(CategoryFile::kDialogFilter, false));
    if (!chosen || chosen->empty())
        return false;
    auto target = fullPath(*chosen);
    // The default category file is kept as shipped: choosing it saves a copy
    // into a folder of its own, as a new name would.
    if (!isFile(target) || CategoryFile::isDefaultFile(target, m_baseDir)) {
        target = ownFolderTarget(target);
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
    }
    if (!writeTo(target))
        return false;
    m_currentFile = target;
    m_modified = false;
    setFileCaption();
    return true;
}

void CategoryEditor::newClick()
{
    m_ui.playClick();
    clearEntries();
    m_pictures.clear();
    m_currentFile.clear();
    m_modified = true;
    m_caption = m_language.text("T21");
}

void CategoryEditor::loadClick()
{
    m_ui.playClick();
    const auto chosen = m_ui.openFile(dialogSpec(m_openFilter, true));
    if (!chosen || chosen->empty())
        return;
    m_currentFile = fullPath(*chosen);
    readFile(m_currentFile);
    m_modified = false;
    if (m_host)
        m_host->setProjectModified();
    setFileCaption();
}

void CategoryEditor::saveClick()
{
    m_ui.playClick();
    save();
}

void CategoryEditor::saveAsClick()
{
    m_ui.playClick();
    saveAs();
}

void CategoryEditor::addClick()
{
    m_ui.playClick();
    m_focusEdit1 = false;
    // Profile values lose their surrounding blanks, so a blank name is no name.
    const std::string name = CategoryFile::storableCaption(m_edit1);
    if (name.empty()) {
        info("M22");
        m_focusEdit1 = true;
        return;
    }
    if (static_cast<int>(m_entries.size()) >= CategoryFile::kMaxCategories) {
        m_ui.messageBox({"M59", formatS(m_language.message("M59"), std::to_string(CategoryFile::kMaxCategories))},
                        MsgKind::Information, MsgButtons::Ok);
        return;
    }
    m_iconChooser.execute(IconChooserMode::Add, *this);
}

void CategoryEditor::changeIconClick()
{
    m_ui.playClick();
    if (m_entries.empty())
        return;
    m_iconChooser.execute(IconChooserMode::Change, *this);
}

void CategoryEditor::iconChosen(IconChooserMode mode, const IconPicture& icon)
{
    const int picture = static_cast<int>(m_pictures.size());
    if (mode == IconChooserMode::Add) {
        m_entries.push_back({CategoryFile::storableCaption(m_edit1), picture, icon.source});
        m_edit1.clear();
    } else {
        const int target = targetEntry();
        if (target < 0)
            return;
        auto& e = m_entries[static_cast<std::size_t>(target)];
        e.picture = picture;
        e.iconSource = icon.source;
    }
    m_pictures.push_back(icon);
    m_modified = true;
}

void CategoryEditor::remove()
{
    if (m_entries.empty()) {
        info("M17");
        return;
    }
    if (m_selected < 0) {
        info("M16");
        return;
    }
    m_entries.erase(m_entries.begin() + m_selected);
    m_selected = -1;
    m_modified = true;
}

void CategoryEditor::removeClick()
{
    m_ui.playClick();
    remove();
}

void CategoryEditor::upClick()
{
    m_ui.playClick();
    if (m_entries.empty()) {
        info("M19");
        return;
    }
    if (m_selected < 0) {
        info("M16");
        return;
    }
    if (m_selected == 0) {
        info("M18");
        return;
    }
    std::swap(m_entries[static_cast<std::size_t>(m_selected)], m_entries[static_cast<std::size_t>(m_selected - 1)]);
    --m_selected;
    m_modified = true;
}

void CategoryEditor::downClick()
{
    m_ui.playClick();
    if (m_entries.empty()) {
        info("M21");
        return;
    }
    if (m_selected < 0) {
        info("M16");
        return;
    }
    if (m_selected == static_cast<int>(m_entries.size()) - 1) {
        info("M20");
        return;
    }
    std::swap(m_entries[static_cast<std::size_t>(m_selected)], m_entries[static_cast<std::size_t>(m_selected + 1)]);
    ++m_selected;
    m_modified = true;
}

void CategoryEditor::rename()
{
    // Nothing to rename: no dialog that could only fail.
    if (m_entries.empty())
        return;
    m_modified = true;
    if (m_renameEditor) {
        m_renameEditor(*this);
        return;
    }
    CategoryRenameWindow window(*this);
    window.exec(m_ui);
}

bool CategoryEditor::renameFromEditor(const std::string& text)
{
    const std::string caption = CategoryFile::storableCaption(text);
    if (caption.empty()) {
        info("M6");
        return false;
    }
    const int target = targetEntry();
    if (target >= 0)
        m_entries[static_cast<std::size_t>(target)].caption = caption;
    return true;
}

void CategoryEditor::renameItemClick()
{
    m_ui.playClick();
    rename();
}

void CategoryEditor::categoryDoubleClick()
{
    rename();
}

void CategoryEditor::categoryKeyDown(Key key)
{
    if (key == Key::Delete)
        remove();
    else if (key == Key::F2 || key == Key::Space)
        rename();
}

bool CategoryEditor::genreitemsEdited(int index, const std::string& text)
{
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return false;
    const std::string caption = CategoryFile::storableCaption(text);
    if (caption.empty()) {
        info("M6");
        return false;
    }
    m_entries[static_cast<std::size_t>(index)].caption = caption;
    m_modified = true;
    return true;
}

void CategoryEditor::OKClick()
{
    m_ui.playClick();
    if (m_modified) {
        if (m_ui.messageBox({"M23", m_language.message("M23")}, MsgKind::Information, MsgButtons::OkCancel)
            != MsgResult::Ok)
            return;
        // A save that did not happen (a refused write, a cancelled Save As)
        // keeps the editor open, so the edits are not lost behind the
        // person's back. An empty list can't be saved at all (M24 said so):
        // there is nothing to stay open for.
        if (!save() && !m_entries.empty())
            return;
        if (m_host)
            m_host->setProjectModified();
    }
    if (isFile(m_currentFile))
        m_data.genre_file.assign(m_currentFile);
    else
        m_data.genre_file.clear();
    if (m_host)
        m_host->categoryEditorConfirmed();
    m_modified = false;
    close(ModalResult::Ok);
}

void CategoryEditor::CancelClick()
{
    m_ui.playClick();
    close(ModalResult::Cancel);
}

void CategoryEditor::HelpClick()
{
    m_ui.playClick();
    m_ui.showHelp(m_baseDir / "Help" / pathFromText(m_language.helpFileName()), kHelpTopic);
}

}  // namespace qv
