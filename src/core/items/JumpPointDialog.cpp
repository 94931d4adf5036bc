#include "items/JumpPointDialog.h"

#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/ItemRows.h"
#include "items/ItemRules.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

namespace qv {

namespace {

bool endsWithSeparator(const std::string& folder)
{
    return !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
}

int validScheme(int scheme)
{
    return scheme >= 0 && scheme < 3 ? scheme : 0;
}

}  // namespace

JumpPointDialog::JumpPointDialog(ItemEntryContext context)
    : m_context(std::move(context))
{
}

void JumpPointDialog::addJumpClick()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    exec(m_context.ui);
}

void JumpPointDialog::onPrepare()
{
    m_selectEnabled = true;
    m_fields.name.clear();
    m_fields.path.clear();
    m_fields.serial.clear();
    m_fields.description.clear();
    m_fields.address.clear();
    m_fields.scheme = 0;
    m_fields.category = categoryIndexKept(m_fields.category, m_context.categories.size());
    m_addedRow = 0;
}

std::string JumpPointDialog::title() const
{
    return m_context.language.text("T5");
}

FieldCapacity JumpPointDialog::addressCapacity() const
{
    const std::size_t scheme = kHomepageSchemes[validScheme(m_fields.scheme)].size();
    const std::size_t whole = FieldCapacity::ofItem(FieldHomepage).bytes();
    return FieldCapacity(whole > scheme ? whole - scheme : 0);
}

std::string JumpPointDialog::browseStart() const
{
    std::string start = m_context.folder();
    if (start.size() > 3 && endsWithSeparator(start))
        start.pop_back();
    return start;
}

void JumpPointDialog::selectFolderClick()
{
    const auto chosen = m_context.ui.browseFolder(kBrowsePrompt, pathFromText(browseStart()));
    if (!chosen)
        return;
    folderChosen(pathText(*chosen));
}

void JumpPointDialog::folderChosen(const std::string& folder)
{
    m_fields.name = "n/a";
    m_fields.path = folder;
    if (!endsWithSeparator(m_fields.path))
        m_fields.path += static_cast<char>(std::filesystem::path::preferred_separator);
    m_fields.serial = "n/a";
    m_fields.description = "n/a";
    m_fields.scheme = 0;
    m_fields.address = "n/a";
}

std::optional<std::string> JumpPointDialog::refusal() const
{
    // The proposal "n/a" counts as no name, so a name has to be typed.
    if (m_fields.name.empty() || m_fields.name == "n/a")
        return std::string("M5");
    return std::nullopt;
}

ItemFieldTexts JumpPointDialog::item() const
{
    const ItemTable& table = m_context.table;
    const auto& captions = m_context.categories.captions();
    ItemFieldTexts item;
    fieldOf(item, FieldName) = m_fields.name;
    fieldOf(item, FieldFileName) = m_context.language.jumpWord();
    fieldOf(item, FieldCdPath) = cdPathOf(m_fields.path, m_context.folder());
    fieldOf(item, FieldSerial) = m_fields.serial;
    fieldOf(item, FieldCdSize) = "n/a";
    fieldOf(item, FieldHdSize) = "n/a";
    fieldOf(item, FieldDescription) = m_fields.description;
    fieldOf(item, FieldCategory) = m_fields.category >= 0 && m_fields.category < static_cast<int>(captions.size())
                                       ? captions[static_cast<std::size_t>(m_fields.category)]
                                       : std::string();
    fieldOf(item, FieldCopy) = table.noWord();
    fieldOf(item, FieldSourceLocation) = "n/a";
    fieldOf(item, FieldHomepage) = homepageOf(kHomepageSchemes[validScheme(m_fields.scheme)], m_fields.address);
    fieldOf(item, FieldExecute) = table.yesWord();
    return item;
}

void JumpPointDialog::okClick()
{
    m_context.ui.playClick();
    if (const auto key = refusal()) {
        m_context.ui.messageBox({*key, m_context.language.message(*key)}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    m_context.tip();
    m_addedRow = addItemRow(m_context.table, item());
    close(ModalResult::Ok);
}

void JumpPointDialog::cancelClick()
{
    m_context.ui.playClick();
    close(ModalResult::Cancel);
}

void JumpPointDialog::helpClick()
{
    m_context.ui.playClick();
    m_context.help(kHelpTopic);
}

}  // namespace qv
