#include "check/CheckCommand.h"

#include <utility>

namespace qv {

CheckCommand::CheckCommand(ItemTable& table, Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_ui(ui)
    , m_language(language)
    , m_check(table, language)
    , m_location(ui, language, baseDir)
    , m_summary(table, ui, language, baseDir)
{
}

void CheckCommand::checkClick(std::string_view projectFolder)
{
    m_ui.playClick();
    const auto choose = [this](const std::string& name, const std::string& fileName,
                               const std::vector<std::string>& folders) {
        m_location.prepare(name, fileName, folders);
        m_ui.showModal(m_location);
        return m_location.chosenIndex();
    };
    const auto progress = [this](int row, int rows) {
        if (row == 1 || row % 256 == 0 || row == rows)
            m_ui.progress("check", row, rows);
    };
    CheckResult result = m_check.run(projectFolder, choose, progress);
    if (result.projectFolderMissing) {
        m_ui.messageBox(Message{"M58", ProjectCheck::missingFolderText(m_language, projectFolder)}, MsgKind::Error,
                        MsgButtons::Ok);
        return;
    }
    m_summary.prepare(std::move(result));
    m_ui.showModal(m_summary);
    m_summary.FormClose();
}

}  // namespace qv
