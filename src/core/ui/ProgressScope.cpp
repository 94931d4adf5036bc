#include "ui/ProgressScope.h"

#include "ui/Ui.h"

namespace qv {

ProgressScope::ProgressScope(Ui& ui, std::string_view what, std::int64_t total, Stopping stopping)
    : m_ui(&ui)
    , m_total(total)
{
    m_ui->workBegun(what, total, stopping);
}

ProgressScope::~ProgressScope()
{
    if (m_ui)
        m_ui->workEnded();
}

ProgressScope::ProgressScope(ProgressScope&& other) noexcept
    : m_ui(other.m_ui)
    , m_total(other.m_total)
    , m_stopped(other.m_stopped)
{
    other.m_ui = nullptr;
}

bool ProgressScope::step(std::int64_t done, std::int64_t total)
{
    m_total = total;
    return step(done);
}

bool ProgressScope::step(std::int64_t done)
{
    if (!m_stopped && !m_ui->workProgress(done, m_total))
        m_stopped = true;
    return !m_stopped;
}

}  // namespace qv
