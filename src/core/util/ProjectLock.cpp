#include "util/ProjectLock.h"

#include "util/Fs.h"
#include "util/IntegerText.h"

#include <cerrno>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#else
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace qv {

namespace {

long ownPid()
{
#if defined(_WIN32)
    return static_cast<long>(GetCurrentProcessId());
#else
    return static_cast<long>(::getpid());
#endif
}

std::string hostName()
{
#if defined(_WIN32)
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
#else
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
#endif
}

// Whether a process of this machine still runs. Where that can't be told,
// it counts as running: a lock is never taken from a program that may live.
bool processAlive(long pid)
{
    if (pid <= 0)
        return false;
#if defined(_WIN32)
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

std::optional<ProjectLock::Holder> readHolder(const std::filesystem::path& lockFile)
{
    const auto bytes = readFileBytes(lockFile);
    if (!bytes)
        return std::nullopt;
    ProjectLock::Holder holder;
    std::string_view text = *bytes;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with("pid=")) {
            std::int32_t pid = 0;
            if (parseInteger(line.substr(4), pid))
                holder.pid = pid;
        } else if (line.starts_with("host=")) {
            holder.host = std::string(line.substr(5));
        }
    }
    return holder;
}

}  // namespace

std::filesystem::path ProjectLock::lockFileOf(const std::filesystem::path& projectFile)
{
    return projectFile.parent_path() / ("." + pathText(projectFile.filename()) + ".lock");
}

std::optional<ProjectLock::Holder> ProjectLock::heldByOther(const std::filesystem::path& projectFile)
{
    const auto holder = readHolder(lockFileOf(projectFile));
    if (!holder)
        return std::nullopt;
    const bool thisMachine = holder->host == hostName();
    if (thisMachine && holder->pid == ownPid())
        return std::nullopt;
    // Another machine's process can't be asked; an unreadable lock file
    // (no pid) is taken as held.
    if (thisMachine && holder->pid > 0 && !processAlive(holder->pid))
        return std::nullopt;
    return holder;
}

bool ProjectLock::acquire(const std::filesystem::path& projectFile)
{
    release();
    const std::string text = "pid=" + std::to_string(ownPid()) + "\r\nhost=" + hostName() + "\r\n";
    if (!writeFileAtomic(lockFileOf(projectFile), text))
        return false;
    m_projectFile = projectFile;
    return true;
}

void ProjectLock::release()
{
    if (m_projectFile.empty())
        return;
    const auto lockFile = lockFileOf(m_projectFile);
    const auto holder = readHolder(lockFile);
    if (holder && holder->pid == ownPid() && holder->host == hostName())
        removeFileQuiet(lockFile);
    m_projectFile.clear();
}

}  // namespace qv
