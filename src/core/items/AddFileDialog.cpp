#include "items/AddFileDialog.h"

#include "build/ItemType.h"
#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/ItemRows.h"
#include "items/ItemRules.h"
#include "project/ItemFields.h"
#include "project/ItemTable.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace qv {

namespace {

constexpr std::string_view kNotAvailable = "n/a";

}  // namespace

AddFileDialog::AddFileDialog(ItemEntryContext context)
    : m_context(std::move(context))
{
}

std::string AddFileDialog::text(const Language& language, Text which)
{
    return language.windowText("AFile", "E" + std::to_string(static_cast<int>(which)));
}

std::string AddFileDialog::title(const Language& language)
{
    return language.text("T4");
}

const std::vector<std::pair<std::string, std::string>>& AddFileDialog::chooserFilters()
{
    static const std::vector<std::pair<std::string, std::string>> filters{
        {"All Supported Files",
         "*.exe;*.zip;*.hlp;*.htm;*.html;*.url;*.wav;*.mod;*.xm;*.it;*.s3m;*.stm;*.med;*.669;*.bmp;*.gif;*.jpg;"
         "*.jpeg;*.txt;*.doc;*.avi; *.mp3;*.mov;*.mpg;*.mpeg;*.ico;*.ttf"},
        {"All Files ", "*.*"},
        {"Executable files (*.exe)", "*.exe"},
        {"Help files (*.hlp)", "*.hlp"},
        {"HTML Files (*.htm;*.html)", "*.htm;*.html"},
        {"Icons (*.ico)", "*.ico"},
        {"Mod Files (*.mod;*.xm;*.it;*.s3m;*.stm;*.med;*.669)", "*.mod;*.xm;*.it;*.s3m;*.stm;*.med;*.669"},
        {"Pictures (*.bmp;*.gif;*.jpg;*.jpeg)", "*.bmp;*.gif;*.jpg;*.jpeg"},
        {"Text Files (*.txt)", "*.txt"},
        {"True Type Fonts", "*.ttf"},
        {"URL (*.url)", "*.url"},
        {"Video Files (*.avi; *.mp3;*.mov;*.mpg;*.mpeg)", "*.avi; *.mp3;*.mov;*.mpg;*.mpeg"},
        {"Wave Files (*.wav)", "*.wav"},
        {"Word Documents (*.doc)", "*.doc"},
        {"Zip files (*.zip)", "*.zip"},
    };
    return filters;
}

FileDialogSpec AddFileDialog::chooserSpec() const
{
    FileDialogSpec spec;
    spec.title = title(m_context.language);
    spec.filters = chooserFilters();
    spec.initialDir = m_startFolder;
    spec.mustExist = true;
    return spec;
}

void AddFileDialog::execute()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    exec(m_context.ui);
}

void AddFileDialog::onPrepare()
{
    m_name.clear();
    m_fileName.clear();
    m_filePath.clear();
    m_serial.clear();
    m_description.clear();
    m_cdSize.clear();
    m_hdSize.clear();
    m_address.clear();
    m_chosen.clear();
    m_focusName = false;
    m_copy = true;
    m_scheme = 0;
    // The list may have changed since the last showing (the category editor);
    // a choice that still exists stays.
    m_categories = m_context.categories.captions();
    if (m_categoryIndex < 0 || m_categoryIndex >= static_cast<int>(m_categories.size()))
        m_categoryIndex = m_categories.empty() ? -1 : 0;
}

void AddFileDialog::selectFileClick()
{
    m_context.ui.playClick();
    const auto file = m_context.ui.openFile(chooserSpec());
    if (file)
        fileChosen(*file);
}

void AddFileDialog::fileChosen(const std::filesystem::path& file)
{
    m_chosen = file;
    m_fileName = pathText(file.filename());
    setInput(Input::Name, bareNameOf(m_fileName));
    m_filePath = folderText(file.parent_path());
    m_serial = kNotAvailable;
    m_cdSize = sizeText(fileSizeOf(file));
    m_hdSize = kNotAvailable;
    m_description = kNotAvailable;
    m_scheme = 0;
    m_address = kNotAvailable;
    m_copy = true;
    // Types 2 (nothing known) and 12 (a jump point) are nothing the menu can run.
    const int type = itemType(pathText(file), m_context.table.jumpWords());
    m_execute = type != 2 && type != 12;
    m_focusName = true;
}

void AddFileDialog::sizeFillInClick()
{
    m_hdSize = m_cdSize;
}

void AddFileDialog::addClick()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        finish();
        return;
    }
    if (m_name.empty()) {
        m_context.ui.messageBox({"M4", m_context.language.message("M4")}, MsgKind::Information, MsgButtons::Ok);
        m_focusName = true;
        finish();
        return;
    }
    m_context.tip();

    const std::string projectFolder = m_context.folder();
    ItemFieldTexts item;
    fieldOf(item, FieldName) = m_name;
    fieldOf(item, FieldFileName) = m_fileName;
    fieldOf(item, FieldCdPath) = cdPathOf(m_filePath, projectFolder);
    fieldOf(item, FieldSerial) = m_serial;
    fieldOf(item, FieldCdSize) = m_cdSize;
    fieldOf(item, FieldHdSize) = m_hdSize;
    fieldOf(item, FieldDescription) = m_description;
    if (m_categoryIndex >= 0 && m_categoryIndex < static_cast<int>(m_categories.size()))
        fieldOf(item, FieldCategory) = m_categories[static_cast<std::size_t>(m_categoryIndex)];
    fieldOf(item, FieldCopy) = m_copy ? m_context.table.yesWord() : m_context.table.noWord();
    // Only the file of this showing: a path kept from an earlier one would
    // point the item at another file than its name says.
    fieldOf(item, FieldSourceLocation) = pathText(m_chosen);
    fieldOf(item, FieldHomepage) = homepageOf(kHomepageSchemes[static_cast<std::size_t>(m_scheme)], m_address);
    fieldOf(item, FieldExecute) = m_execute ? m_context.table.yesWord() : m_context.table.noWord();

    const int row = rowsForNewItems(m_context.table, 1);
    writeItemRow(m_context.table, row, item);
    m_added = {row, 1};
    m_context.table.setModified(true);
    if (!m_chosen.empty())
        m_startFolder = m_chosen.parent_path();

    close(ModalResult::Ok);
    m_context.table.setCursor(m_context.table.rowCount() - 1, 1);
    // Compared without case here, so a folder typed in another case than the
    // project folder isn't reported; nothing was chosen, nothing lies outside.
    if (!m_filePath.empty() &&
        asciiUpper(std::string_view(m_filePath).substr(0, projectFolder.size())) != asciiUpper(projectFolder))
        m_context.ui.messageBox({"M3", m_context.language.message("M3")}, MsgKind::Warning, MsgButtons::Ok);
    finish();
}

void AddFileDialog::finish()
{
    m_context.table.refreshCategoryColouring();
}

void AddFileDialog::cancelClick()
{
    m_context.ui.playClick();
    close(ModalResult::Cancel);
}

void AddFileDialog::helpClick()
{
    m_context.ui.playClick();
    m_context.help(kHelpTopic);
}

const std::string& AddFileDialog::input(Input which) const
{
    return const_cast<AddFileDialog*>(this)->field(which);
}

std::string& AddFileDialog::field(Input which)
{
    switch (which) {
    case Input::Name: return m_name;
    case Input::Serial: return m_serial;
    case Input::CdSize: return m_cdSize;
    case Input::HdSize: return m_hdSize;
    case Input::Description: return m_description;
    case Input::Address: return m_address;
    }
    return m_name;
}

FieldCapacity AddFileDialog::capacity(Input which) const
{
    switch (which) {
    case Input::Name: return FieldCapacity::ofItem(FieldName);
    case Input::Serial: return FieldCapacity::ofItem(FieldSerial);
    case Input::CdSize: return FieldCapacity::ofItem(FieldCdSize);
    case Input::HdSize: return FieldCapacity::ofItem(FieldHdSize);
    case Input::Description: return FieldCapacity::ofItem(FieldDescription);
    case Input::Address: return addressCapacity();
    }
    return FieldCapacity::ofItem(FieldName);
}

void AddFileDialog::setInput(Input which, std::string_view text)
{
    field(which) = std::string(capacity(which).kept(text));
}

void AddFileDialog::setCategoryIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(m_categories.size()))
        m_categoryIndex = index;
}

void AddFileDialog::setSchemeIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(kHomepageSchemes.size()))
        m_scheme = index;
}

}  // namespace qv
