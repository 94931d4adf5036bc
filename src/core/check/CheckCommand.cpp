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
        m_location.setChoice(name, fileName, folders);
        m_location.exec(m_ui);
        return m_location.chosenIndex();
    };
    CheckResult result;
    {
        // Ended before the summary or an error box appears. The check changes
        // nothing until every row is judged, so it may be stopped.
        auto work = m_ui.beginWork("check", 0, Stopping::Offered);
        int reports = 0;
        const auto progress = [&work, &reports](int row, int rows) {
            // The walk repeats its row; every report counts, only some are shown.
            if (row == 1 || row % 256 == 0 || row == rows || ++reports % 64 == 0)
                return work.step(row, rows);
            return !work.stopRequested();
        };
        result = m_check.run(projectFolder, choose, progress);
    }
    if (result.stopped)
        return;
    if (result.projectFolderMissing) {
        m_ui.messageBox(Message{"M58", ProjectCheck::missingFolderText(m_language, projectFolder)}, MsgKind::Error,
                        MsgButtons::Ok);
        return;
    }
    m_summary.setResult(std::move(result));
    m_summary.exec(m_ui);
}

}  // namespace qv
