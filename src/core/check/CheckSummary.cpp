#include "check/CheckSummary.h"

#include "i18n/Language.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

namespace qv {

CheckSummary::CheckSummary(ItemTable& table, Ui& ui, const Language& language, std::filesystem::path baseDir)
    : m_table(table)
    , m_ui(ui)
    , m_language(language)
    , m_baseDir(std::move(baseDir))
{
}

void CheckSummary::setResult(CheckResult result)
{
    m_result = std::move(result);
    m_applied = false;
}

std::string CheckSummary::title() const
{
    return m_language.text("T11");
}

std::string CheckSummary::titleLine() const
{
    return m_language.windowText(kSection, "E1");
}

std::string CheckSummary::removedLine() const
{
    return m_language.windowText(kSection, "E2");
}

std::string CheckSummary::repointedLine() const
{
    return m_language.windowText(kSection, "E3");
}

std::string CheckSummary::closeCaption() const
{
    return m_language.windowText(kSection, "E4");
}

std::string CheckSummary::helpCaption() const
{
    return m_language.windowText(kSection, "E5");
}

CheckSummary::RemovedRow CheckSummary::removedTitles() const
{
    return {m_language.text("T31"), m_language.text("T32"), m_language.text("T33"), m_language.text("T34"),
            m_language.text("T35")};
}

CheckSummary::RepointedRow CheckSummary::repointedTitles() const
{
    return {m_language.text("T31"), m_language.text("T32"), m_language.text("T33"), m_language.text("T36"),
            m_language.text("T37"), m_language.text("T38"), m_language.text("T39")};
}

std::vector<CheckSummary::RemovedRow> CheckSummary::removedRows() const
{
    std::vector<RemovedRow> rows;
    rows.reserve(m_result.removed.size());
    for (std::size_t i = 0; i < m_result.removed.size(); ++i) {
        const RemovedItem& r = m_result.removed[i];
        rows.push_back({std::to_string(i + 1), r.name, r.fileName, r.cdPath, r.sourceLocation});
    }
    return rows;
}

std::vector<CheckSummary::RepointedRow> CheckSummary::repointedRows() const
{
    std::vector<RepointedRow> rows;
    rows.reserve(m_result.repointed.size());
    for (std::size_t i = 0; i < m_result.repointed.size(); ++i) {
        const RepointedItem& r = m_result.repointed[i];
        rows.push_back({std::to_string(i + 1), r.name, r.fileName, r.newCdPath, r.oldCdPath, r.newSourceLocation,
                        r.oldSourceLocation});
    }
    return rows;
}

void CheckSummary::CloseClick()
{
    markOnce();
    close(ModalResult::Ok);
}

void CheckSummary::markOnce()
{
    if (m_applied)
        return;
    m_applied = true;
    markCheckedProject(m_table, m_result);
}

void CheckSummary::HelpClick()
{
    m_ui.showHelp(m_baseDir / "Help" / pathFromText(m_language.helpFileName()), kHelpTopic);
}

}  // namespace qv
