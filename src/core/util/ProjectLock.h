#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// Marks a project file as open in this program, so a second program that
// opens it can tell: a hidden lock file beside the project names the process
// and machine. A lock whose process has ended on this machine is stale and
// counts as none.
class ProjectLock final {
public:
    struct Holder {
        long pid = 0;
        std::string host;
    };

    ProjectLock() = default;
    ~ProjectLock() { release(); }
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // Who else has the project open, if anyone does.
    static std::optional<Holder> heldByOther(const std::filesystem::path& projectFile);
    static std::filesystem::path lockFileOf(const std::filesystem::path& projectFile);

    // Takes the lock of a project file, giving up the one held before. False
    // when the lock file can't be written (a read-only folder): the project
    // then opens unmarked.
    bool acquire(const std::filesystem::path& projectFile);
    // Deletes the lock file while it still names this process.
    void release();
    const std::filesystem::path& projectFile() const { return m_projectFile; }

private:
    std::filesystem::path m_projectFile;
};

}  // namespace qv
