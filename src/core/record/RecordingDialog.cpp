#include "record/RecordingDialog.h"

#include "i18n/Language.h"
#include "record/RecordingProject.h"

namespace qv {

RecordingDialog::RecordingDialog(Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
{
}

void RecordingDialog::setProject(std::string rootName, std::string cdName)
{
    m_rootName = std::move(rootName);
    m_cdName = std::move(cdName);
}

void RecordingDialog::onPrepare()
{
    m_recorderIndex = 0;
}

void RecordingDialog::addClick()
{
    m_ui.playClick();
    if (RecordingProject(m_baseDir).run(m_ui, m_language, m_rootName, m_cdName, true))
        close(ModalResult::Ok);
}

void RecordingDialog::buildClick()
{
    if (m_build)
        m_build();
}

void RecordingDialog::cancelClick()
{
    close(ModalResult::Cancel);
}

void RecordingDialog::helpClick()
{
    m_ui.showHelp(m_baseDir / "Help" / m_language.helpFileName(), kHelpTopic);
}

}  // namespace qv
