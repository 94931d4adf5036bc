#include "items/HyperlinkDialog.h"

#include "categories/CategoryList.h"
#include "i18n/Language.h"
#include "items/ItemRows.h"
#include "items/ItemRules.h"
#include "project/ItemTable.h"

namespace qv {

HyperlinkDialog::HyperlinkDialog(ItemEntryContext context)
    : m_context(std::move(context))
{
}

void HyperlinkDialog::addUrlClick()
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        m_context.ui.messageBox({"M1", m_context.language.message("M1")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    exec(m_context.ui);
}

void HyperlinkDialog::onPrepare()
{
    m_fields.name.clear();
    m_fields.scheme = 0;
    m_fields.address = "www.";
    m_fields.password = "n/a";
    m_fields.description = "n/a";
    m_fields.category = categoryIndexKept(m_fields.category, m_context.categories.size());
    m_addedRow = 0;
}

std::string HyperlinkDialog::title() const
{
    return m_context.language.text("T8");
}

FieldCapacity HyperlinkDialog::addressCapacity() const
{
    const std::size_t scheme = kHomepageSchemes[m_fields.scheme >= 0 && m_fields.scheme < 3 ? m_fields.scheme : 0].size();
    const std::size_t whole = FieldCapacity::ofItem(FieldFileName).bytes();
    return FieldCapacity(whole > scheme ? whole - scheme : 0);
}

std::optional<std::string> HyperlinkDialog::refusal() const
{
    if (m_fields.name.empty())
        return std::string("M8");
    return std::nullopt;
}

ItemFieldTexts HyperlinkDialog::item() const
{
    const ItemTable& table = m_context.table;
    const auto& captions = m_context.categories.captions();
    const int scheme = m_fields.scheme >= 0 && m_fields.scheme < 3 ? m_fields.scheme : 0;
    ItemFieldTexts item;
    fieldOf(item, FieldName) = m_fields.name;
    fieldOf(item, FieldFileName) = std::string(kHomepageSchemes[scheme]) + m_fields.address;
    fieldOf(item, FieldCdPath) = "";
    fieldOf(item, FieldSerial) = m_fields.password;
    fieldOf(item, FieldCdSize) = "n/a";
    fieldOf(item, FieldHdSize) = "n/a";
    fieldOf(item, FieldDescription) = m_fields.description;
    fieldOf(item, FieldCategory) = m_fields.category >= 0 && m_fields.category < static_cast<int>(captions.size())
                                       ? captions[static_cast<std::size_t>(m_fields.category)]
                                       : std::string();
    fieldOf(item, FieldCopy) = table.noWord();
    fieldOf(item, FieldSourceLocation) = "n/a";
    fieldOf(item, FieldHomepage) = "n/a";
    fieldOf(item, FieldExecute) = table.yesWord();
    return item;
}

void HyperlinkDialog::okClick()
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

void HyperlinkDialog::cancelClick()
{
    m_context.ui.playClick();
    close(ModalResult::Cancel);
}

void HyperlinkDialog::helpClick()
{
    m_context.ui.playClick();
    m_context.help(kHelpTopic);
}

}  // namespace qv
