#include "categories/IconChooser.h"

#include "categories/IconPack.h"
#include "i18n/Language.h"

namespace qv {

IconChooser::IconChooser(Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
{
}

bool IconChooser::execute(IconChooserMode mode, IconChooserClient& client)
{
    m_mode = mode;
    m_client = &client;
    m_confirmed = false;
    exec(m_ui);
    m_client = nullptr;
    return m_confirmed;
}

void IconChooser::onPrepare()
{
    if (!m_packsListed) {
        m_packsListed = true;
        for (const auto& nn : IconPack::scan(m_baseDir))
            m_packChoices.push_back(IconPack::kPackTitle + nn);
        m_packIndex = m_packChoices.empty() ? -1 : 0;
    }
    loadPack();
}

void IconChooser::ipwahlChange(int index)
{
    m_packIndex = index >= 0 && index < static_cast<int>(m_packChoices.size()) ? index : -1;
    loadPack();
}

void IconChooser::loadPack()
{
    m_captions.clear();
    m_pictures.clear();
    m_selected = -1;
    m_packNumber.clear();
    if (m_packIndex < 0)
        return;
    const std::string& choice = m_packChoices[static_cast<std::size_t>(m_packIndex)];
    m_packNumber = choice.substr(choice.size() - 2);
    const int count = IconPack::iconCount(m_baseDir, m_packNumber);
    for (int k = 1; k <= count; ++k) {
        const std::string caption = IconPack::numberText(k);
        m_captions.push_back(caption);
        m_pictures.push_back(IconPicture::load(IconPack::iconPath(m_baseDir, m_packNumber, caption)));
    }
}

void IconChooser::selectIcon(int index)
{
    m_selected = index >= 0 && index < static_cast<int>(m_captions.size()) ? index : -1;
}

void IconChooser::OKClick()
{
    if (m_selected < 0) {
        m_ui.messageBox({"M25", m_language.message("M25")}, MsgKind::Information, MsgButtons::Ok);
        return;
    }
    const auto path = IconPack::iconPath(m_baseDir, m_packNumber, m_captions[static_cast<std::size_t>(m_selected)]);
    m_confirmed = true;
    close(ModalResult::Ok);
    if (m_client)
        m_client->iconChosen(m_mode, IconPicture::load(path));
}

void IconChooser::CancelClick()
{
    close(ModalResult::Cancel);
}

}  // namespace qv
