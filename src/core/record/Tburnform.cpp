#include "record/Tburnform.h"

#include "i18n/Language.h"
#include "record/RecordingProject.h"

namespace qv {

Tburnform::Tburnform(Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
{
}

void Tburnform::setProject(std::string rootName, std::string cdName)
{
    m_rootName = std::move(rootName);
    m_cdName = std::move(cdName);
}

void Tburnform::FormShow()
{
    m_recorderIndex = 0;
    m_closeRequested = false;
}

void Tburnform::addClick()
{
    m_ui.playClick();
    if (RecordingProject(m_baseDir).run(m_ui, m_language, m_rootName, m_cdName, true))
        m_closeRequested = true;
}

void Tburnform::generateClick()
{
    if (m_build)
        m_build();
}

void Tburnform::cancelClick()
{
    m_closeRequested = true;
}

void Tburnform::helpClick()
{
    m_ui.showHelp(m_baseDir / "Help" / m_language.helpFileName(), kHelpTopic);
}

}  // namespace qv
