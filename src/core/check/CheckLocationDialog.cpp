#include "check/CheckLocationDialog.h"

#include "i18n/Language.h"
#include "util/Fs.h"

namespace qv {

CheckLocationDialog::CheckLocationDialog(Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
{
}

void CheckLocationDialog::setChoice(std::string name, std::string fileName, std::vector<std::string> folders)
{
    m_name = std::move(name);
    m_fileName = std::move(fileName);
    m_folders = std::move(folders);
    m_itemIndex = 0;
}

std::string CheckLocationDialog::title() const
{
    return m_language.text("T10");
}

std::string CheckLocationDialog::explanation() const
{
    return m_language.windowText(kSection, "E1");
}

std::string CheckLocationDialog::okCaption() const
{
    return m_language.windowText(kSection, "E2");
}

std::string CheckLocationDialog::helpCaption() const
{
    return m_language.windowText(kSection, "E3");
}

void CheckLocationDialog::setItemIndex(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < m_folders.size())
        m_itemIndex = index;
}

void CheckLocationDialog::HelpClick()
{
    m_ui.showHelp(m_baseDir / "Help" / pathFromText(m_language.helpFileName()), kHelpTopic);
}

}  // namespace qv
