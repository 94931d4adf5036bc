#include "items/InfoFileDialog.h"

#include "i18n/Language.h"
#include "items/PictureCodecs.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include <system_error>

namespace qv {

InfoFileDialog::InfoFileDialog(ItemEntryContext context)
    : m_context(std::move(context))
{
}

void InfoFileDialog::show(const char* key, MsgKind kind, std::string suffix)
{
    m_context.ui.messageBox({key, m_context.language.message(key) + suffix}, kind, MsgButtons::Ok);
}

void InfoFileDialog::infoFileClick(CompanionKind kind)
{
    m_context.ui.playClick();
    if (!m_context.isProjectOpen()) {
        show("M1", MsgKind::Information);
        return;
    }
    const ItemTable& table = m_context.table;
    const int row = table.currentRow();
    if (!ItemCompanionFiles::canHaveCompanions(ItemCompanionFiles::itemOf(table, row), table.isJumpPoint(row),
                                               m_context.folder())) {
        m_context.ui.messageBox({"M39", m_context.language.message("M39") + "\n\r" + m_context.language.message("M39_2")},
                                MsgKind::Information, MsgButtons::Ok);
        return;
    }
    m_kind = kind;
    m_row = row;
    exec(m_context.ui);
}

void InfoFileDialog::onPrepare()
{
    m_target = ItemCompanionFiles::target(m_context.table, m_row, m_context.folder(), m_kind);
    m_text.clear();
    m_picture.reset();
    if (!isFile(m_target))
        return;
    if (m_kind == CompanionKind::InfoText)
        m_text = ItemCompanionFiles::readText(m_target).value_or(std::string());
    else
        m_picture = PictureCodecs::readPictureFile(m_target);
}

void InfoFileDialog::onClosed()
{
    // The picture can be large; it is not kept between showings.
    m_picture.reset();
}

std::string InfoFileDialog::title() const
{
    return m_context.language.text(m_kind == CompanionKind::InfoText ? "T19" : "T20") + " " +
           m_context.table.read(FieldName, m_row);
}

std::string InfoFileDialog::heading() const
{
    return m_context.language.text(m_kind == CompanionKind::InfoText ? "T40" : "T43");
}

std::string InfoFileDialog::frameCaption() const
{
    return m_context.language.text(m_kind == CompanionKind::InfoText ? "T42" : "T45");
}

std::string InfoFileDialog::clearCaption() const
{
    return m_context.language.text(m_kind == CompanionKind::InfoText ? "T41" : "T44");
}

std::vector<std::pair<std::string, std::string>> InfoFileDialog::templateFilters(CompanionKind kind)
{
    if (kind == CompanionKind::InfoText)
        return {{"All supported files (*.txt,*.diz,*.nfo)", "*.txt;*.diz;*.nfo"},
                {"Text Files (*.txt)", "*.txt"},
                {"File ID Files (*.diz)", "*.diz"},
                {"Nfo Files (*.nfo)", "*.nfo"}};
    return {{"All Supported Files (*.jpg,*.jpeg,*.bmp)", "*.jpg;*.jpeg;*.bmp"},
            {"JPG (*.jpg;*.jpeg)", "*.jpg;*.jpeg"},
            {"Bitmaps (*.bmp)", "*.bmp"}};
}

void InfoFileDialog::openTemplateClick()
{
    m_context.ui.playClick();
    FileDialogSpec spec;
    spec.title = m_context.language.windowText(kSection, m_kind == CompanionKind::InfoText ? "E11" : "E12");
    spec.filters = templateFilters(m_kind);
    spec.mustExist = true;
    const auto chosen = m_context.ui.openFile(spec);
    if (!chosen)
        return;
    if (m_kind == CompanionKind::InfoText) {
        m_text.clear();
        if (auto text = ItemCompanionFiles::readText(*chosen))
            m_text = std::move(*text);
        else
            show("M15", MsgKind::Error);
        return;
    }
    // A picture that can't be read leaves the one shown before.
    if (auto picture = PictureCodecs::readPictureFile(*chosen))
        m_picture = std::move(picture);
    else
        show("M15", MsgKind::Error);
}

void InfoFileDialog::clearClick()
{
    m_context.ui.playClick();
    m_text.clear();
    m_picture.reset();
}

void InfoFileDialog::pasteClick()
{
    auto picture = m_context.ui.clipboardBitmap();
    if (!picture || picture->width <= 0 || picture->height <= 0 ||
        picture->rgb.size() != static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height) * 3) {
        show("M12", MsgKind::Error);
        return;
    }
    m_picture = std::move(picture);
}

void InfoFileDialog::saveClick()
{
    const std::string folder = m_context.folder();
    const auto data = ItemCompanionFiles::ensureDataFolder(folder);
    if (!data.ok) {
        m_context.ui.messageBox({std::string(), data.error}, MsgKind::Error, MsgButtons::Ok);
        return;
    }
    if (data.created)
        show("M10", MsgKind::Information, pathText(data.path) + ".");
    m_context.ui.playClick();
    const auto target = ItemCompanionFiles::target(m_context.table, m_row, folder, m_kind);
    // The old file is replaced in one step, so a failed write keeps it, and
    // the dialog stays open with the person's text or picture.
    bool written = false;
    if (m_kind == CompanionKind::InfoText)
        written = ItemCompanionFiles::writeText(target, m_text);
    else if (m_picture)
        written = ItemCompanionFiles::writeScreenshot(target, *m_picture);
    if (!written) {
        show("M12", MsgKind::Error);
        return;
    }
    if (target != m_target && isFile(m_target))
        ItemCompanionFiles::remove(m_target);
    show(m_kind == CompanionKind::InfoText ? "M11" : "M13", MsgKind::Information);
    close(ModalResult::Ok);
}

void InfoFileDialog::deleteClick()
{
    m_context.ui.playClick();
    if (!isFile(m_target)) {
        show("M14", MsgKind::Information);
        return;
    }
    if (!ItemCompanionFiles::remove(m_target)) {
        show("M12", MsgKind::Error);
        return;
    }
    close(ModalResult::Ok);
}

void InfoFileDialog::cancelClick()
{
    m_context.ui.playClick();
    close(ModalResult::Cancel);
}

void InfoFileDialog::helpClick()
{
    m_context.ui.playClick();
    m_context.help(m_kind == CompanionKind::InfoText ? kInfoHelpTopic : kScreenshotHelpTopic);
}

}  // namespace qv
