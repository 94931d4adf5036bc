#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

class Ui;

// Whether the person is offered a way to stop the work: only where stopping
// leaves nothing half-done.
enum class Stopping { NotOffered, Offered };

// One piece of long work as the Ui shows it (the wait window, a progress
// dialog, lines on the command line): begun on construction, ended on
// destruction, so every way out of the work takes the window down.
// Obtained from Ui::beginWork.
class ProgressScope final {
public:
    ProgressScope(Ui& ui, std::string_view what, std::int64_t total, Stopping stopping = Stopping::NotOffered);
    ~ProgressScope();
    ProgressScope(ProgressScope&& other) noexcept;
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    ProgressScope& operator=(ProgressScope&&) = delete;

    // Reports the work done so far (of the total given at the start; a total
    // of 0 means unknown). False once the person asked to stop, and from then
    // on: the work decides where stopping is safe and ends there.
    bool step(std::int64_t done);
    // The same for work whose total changes as it goes (rows removed on the way).
    bool step(std::int64_t done, std::int64_t total);
    bool stopRequested() const { return m_stopped; }
    std::int64_t total() const { return m_total; }

private:
    Ui* m_ui;
    std::int64_t m_total;
    bool m_stopped = false;
};

}  // namespace qv
