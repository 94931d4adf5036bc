#include "util/StartProgram.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qv {

namespace fs = std::filesystem;

#if defined(_WIN32)

bool startDetached(const fs::path& program)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(program, ec);
    if (ec || !fs::is_regular_file(absolute, ec))
        return false;
    std::wstring commandLine = L"\"" + absolute.wstring() + L"\"";
    const std::wstring folder = absolute.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(absolute.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

#else

bool startDetached(const fs::path& program)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(program, ec);
    if (ec || !fs::is_regular_file(absolute, ec))
        return false;
    const std::string path = absolute.string();
    const std::string folder = absolute.parent_path().string();

    // The grandchild reports a failed exec through a pipe that a successful
    // exec closes; the child in between exits at once, so the program is
    // nobody's child here and leaves no zombie.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0)
            _exit(grandchild < 0 ? 1 : 0);
        int error = 0;
        if (chdir(folder.c_str()) != 0) {
            error = errno;
        } else {
            char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
            execv(path.c_str(), argv);
            error = errno;
        }
        [[maybe_unused]] const auto written = write(report[1], &error, sizeof(error));
        _exit(127);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof(error));
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

#endif

}  // namespace qv
