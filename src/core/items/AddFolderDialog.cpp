#include "items/AddFolderDialog.h"

#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/FolderItemNaming.h"
#include "items/ItemRows.h"
#include "items/ItemRules.h"
#include "project/ItemFields.h"
#include "project/ItemTable.h"
#include "util/FileSearch.h"
#include "util/Fs.h"

#include <algorithm>
#include <cstdint>

namespace qv {

namespace {

constexpr std::string_view kNotAvailable = "n/a";
// A blank and up to six digits of the counter behind a common name.
constexpr std::size_t kCounterRoom = 7;
// Progress is reported every so many files read, so the report costs nothing beside the reading.
constexpr std::size_t kReportEvery = 256;

}  // namespace

AddFolderDialog::AddFolderDialog(ItemEntryContext context, FolderItemNaming& naming)
    : m_context(std::move(context))
    , m_askName(naming)
{
}

std::string AddFolderDialog::text(const Language& language, Text which)
{
    return language.windowText("AddDir", "E" + std::to_string(static_cast<int>(which)));
}

std::string AddFolderDialog::title(const Language& language)
{
    return language.text("T2");
}

std::string AddFolderDialog::note() const
{
    return m_listVisible ? std::string() : m_context.language.text("T53");
}

void AddFolderDialog::execute()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    exec(m_context.ui);
}

void AddFolderDialog::onPrepare()
{
    m_listVisible = false;
    m_entries.clear();
    m_selected.clear();
    m_naming = Naming::Original;
    m_commonName.clear();
    m_filePath.clear();
    m_serial = kNotAvailable;
    m_description = kNotAvailable;
    m_address = kNotAvailable;
    m_copy = true;
    m_execute = true;
    m_scheme = 0;
    m_categories = m_context.categories.captions();
    if (m_categoryIndex < 0 || m_categoryIndex >= static_cast<int>(m_categories.size()))
        m_categoryIndex = m_categories.empty() ? -1 : 0;
}

void AddFolderDialog::selectFileClick()
{
    m_context.ui.playClick();
    // A drive root keeps its separator; any other folder is offered without it.
    std::string start = m_context.folder();
    if (start.size() > 3 && (start.back() == '/' || start.back() == '\\'))
        start.pop_back();
    const auto folder = m_context.ui.browseFolder(title(m_context.language), pathFromText(start));
    if (folder)
        searchFolder(*folder);
}

bool AddFolderDialog::searchFolder(const std::filesystem::path& folder)
{
    m_filePath = pathText(folder);
    m_listVisible = true;
    m_entries.clear();
    m_selected.clear();
    bool complete = false;
    {
        auto work = m_context.ui.beginWork(kWork, 0, Stopping::Offered);
        complete = walk(withFinalSeparator(m_filePath), work);
    }
    // A list cut short by a stop would look like the whole folder.
    if (!complete)
        m_entries.clear();
    m_filePath = withFinalSeparator(m_filePath);
    selectAllClick();
    return complete;
}

bool AddFolderDialog::walk(const std::string& folder, ProgressScope& work)
{
    if (!work.step(static_cast<std::int64_t>(m_entries.size())))
        return false;
    FolderListing listing = listFolder(pathFromText(folder));
    for (std::string& name : listing.files)
        m_entries.push_back({folder, std::move(name)});
    if (!m_subfolders)
        return true;
    for (const std::string& sub : listing.folders) {
        if (!walk(withFinalSeparator(folder + sub), work))
            return false;
    }
    return true;
}

void AddFolderDialog::selectAllClick()
{
    if (m_listVisible)
        m_selected.assign(m_entries.size(), 1);
}

void AddFolderDialog::setSelected(std::size_t entry, bool on)
{
    if (entry < m_selected.size())
        m_selected[entry] = on ? 1 : 0;
}

std::size_t AddFolderDialog::selectedCount() const
{
    return static_cast<std::size_t>(std::count(m_selected.begin(), m_selected.end(), 1));
}

std::vector<std::string> AddFolderDialog::namesOfSelected()
{
    std::vector<std::string> names;
    int counter = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (!m_selected[i])
            continue;
        // Taken from the name itself, so a file gone since the search still
        // gets its name rather than an empty one.
        std::string bare = bareNameOf(m_entries[i].name);
        switch (m_naming) {
        case Naming::Original:
            names.push_back(std::move(bare));
            break;
        case Naming::Common:
            ++counter;
            names.push_back(m_commonName.empty() ? std::to_string(counter)
                                                 : m_commonName + " " + std::to_string(counter));
            break;
        case Naming::Ask:
            names.push_back(m_askName.ask(m_entries[i].name, bare));
            break;
        }
    }
    return names;
}

void AddFolderDialog::addClick()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        m_context.table.refreshCategoryColouring();
        return;
    }
    const std::size_t count = selectedCount();
    if (count == 0) {
        m_context.ui.messageBox({"M2", m_context.language.message("M2")}, MsgKind::Information, MsgButtons::Ok);
        m_context.table.refreshCategoryColouring();
        return;
    }
    const std::vector<std::string> names = namesOfSelected();

    // The sizes are read first, where a stop is still harmless; the rows are
    // then written in one step.
    std::vector<std::int64_t> sizes;
    sizes.reserve(count);
    {
        auto work = m_context.ui.beginWork(kWork, static_cast<std::int64_t>(count), Stopping::Offered);
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (!m_selected[i])
                continue;
            if (sizes.size() % kReportEvery == 0 && !work.step(static_cast<std::int64_t>(sizes.size())))
                return;
            sizes.push_back(fileSizeOf(pathFromText(m_entries[i].folder + m_entries[i].name)));
        }
        if (!work.step(static_cast<std::int64_t>(count)))
            return;
    }

    const std::string projectFolder = m_context.folder();
    ItemFieldTexts item;
    fieldOf(item, FieldSerial) = m_serial;
    fieldOf(item, FieldHdSize) = kNotAvailable;
    fieldOf(item, FieldDescription) = m_description;
    if (m_categoryIndex >= 0 && m_categoryIndex < static_cast<int>(m_categories.size()))
        fieldOf(item, FieldCategory) = m_categories[static_cast<std::size_t>(m_categoryIndex)];
    fieldOf(item, FieldCopy) = m_copy ? m_context.table.yesWord() : m_context.table.noWord();
    fieldOf(item, FieldHomepage) = homepageOf(kHomepageSchemes[static_cast<std::size_t>(m_scheme)], m_address);
    fieldOf(item, FieldExecute) = m_execute ? m_context.table.yesWord() : m_context.table.noWord();
    {
        // One reset for a view however many files there are.
        const ItemTable::Batch batch(m_context.table);
        const int first = rowsForNewItems(m_context.table, static_cast<int>(count));
        int row = first;
        std::size_t n = 0;
        const std::string* lastFolder = nullptr;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (!m_selected[i])
                continue;
            const Entry& e = m_entries[i];
            // The entries of one folder come together; its CD Path is worked out once.
            if (!lastFolder || *lastFolder != e.folder) {
                fieldOf(item, FieldCdPath) = cdPathOf(e.folder, projectFolder);
                lastFolder = &e.folder;
            }
            fieldOf(item, FieldName) = names[n];
            fieldOf(item, FieldFileName) = e.name;
            fieldOf(item, FieldCdSize) = sizeText(sizes[n]);
            fieldOf(item, FieldSourceLocation) = e.folder + e.name;
            writeItemRow(m_context.table, row, item);
            ++row;
            ++n;
        }
        m_added = {first, static_cast<int>(count)};
    }
    m_context.table.setModified(true);
    close(ModalResult::Ok);
    m_context.table.setCursor(m_context.table.rowCount() - 1, 1);
    // Compared with case here, unlike the add-file dialog.
    if (m_filePath.compare(0, projectFolder.size(), projectFolder) != 0)
        m_context.ui.messageBox({"M3", m_context.language.message("M3")}, MsgKind::Warning, MsgButtons::Ok);
    m_context.tip();
    m_context.table.refreshCategoryColouring();
}

void AddFolderDialog::cancelClick()
{
    m_context.ui.playClick();
    close(ModalResult::Cancel);
}

void AddFolderDialog::helpClick()
{
    m_context.ui.playClick();
    m_context.help(kHelpTopic);
}

const std::string& AddFolderDialog::input(Input which) const
{
    return const_cast<AddFolderDialog*>(this)->field(which);
}

std::string& AddFolderDialog::field(Input which)
{
    switch (which) {
    case Input::CommonName: return m_commonName;
    case Input::Serial: return m_serial;
    case Input::Description: return m_description;
    case Input::Address: return m_address;
    }
    return m_commonName;
}

FieldCapacity AddFolderDialog::capacity(Input which) const
{
    switch (which) {
    case Input::CommonName: {
        const std::size_t room = FieldCapacity::ofItem(FieldName).bytes();
        return FieldCapacity(room > kCounterRoom ? room - kCounterRoom : 0);
    }
    case Input::Serial: return FieldCapacity::ofItem(FieldSerial);
    case Input::Description: return FieldCapacity::ofItem(FieldDescription);
    case Input::Address: return addressCapacity();
    }
    return FieldCapacity::ofItem(FieldName);
}

void AddFolderDialog::setInput(Input which, std::string_view text)
{
    field(which) = std::string(capacity(which).kept(text));
}

void AddFolderDialog::setCategoryIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(m_categories.size()))
        m_categoryIndex = index;
}

void AddFolderDialog::setSchemeIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(kHomepageSchemes.size()))
        m_scheme = index;
}

}  // namespace qv
