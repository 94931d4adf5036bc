#include "util/ProjectLock.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace qv;
namespace fs = std::filesystem;

namespace {

std::string thisHost()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// A process id of this machine that surely ran and has ended.
long endedPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

TEST(ProjectLock, TellsALiveHolderFromAStaleOrOwnLock)
{
    test::TempDir dir;
    const fs::path project = dir.path() / "cd.qvp";
    test::writeFile(project, "project");
    const fs::path lockFile = ProjectLock::lockFileOf(project);
    EXPECT_EQ(lockFile.filename(), ".cd.qvp.lock") << "hidden beside the project";

    struct Case {
        const char* what;
        std::string text;  // the lock file; empty: none
        bool held;
    };
    const Case cases[] = {
        {"no lock file", "", false},
        {"a running process of this machine", "pid=1\r\nhost=" + thisHost() + "\r\n", true},
        {"an ended process of this machine", "pid=" + std::to_string(endedPid()) + "\r\nhost=" + thisHost() + "\r\n", false},
        {"this process", "pid=" + std::to_string(::getpid()) + "\r\nhost=" + thisHost() + "\r\n", false},
        {"another machine, whose processes can't be asked", "pid=12345\r\nhost=elsewhere.invalid\r\n", true},
        {"a damaged lock file", "garbage\x01\x02", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(lockFile);
        if (!c.text.empty())
            test::writeFile(lockFile, c.text);
        EXPECT_EQ(ProjectLock::heldByOther(project).has_value(), c.held);
    }
}

TEST(ProjectLock, IsTakenMovedAndGivenBackOnlyWhileItIsOwn)
{
    test::TempDir dir;
    const fs::path a = dir.path() / "a.qvp";
    const fs::path b = dir.path() / "b.qvp";
    {
        ProjectLock lock;
        ASSERT_TRUE(lock.acquire(a));
        EXPECT_TRUE(fs::exists(ProjectLock::lockFileOf(a)));
        EXPECT_FALSE(ProjectLock::heldByOther(a)) << "its own lock is no other program's";
        ASSERT_TRUE(lock.acquire(b));
        EXPECT_FALSE(fs::exists(ProjectLock::lockFileOf(a)));
        // Another program took b over meanwhile: its lock stays.
        test::writeFile(ProjectLock::lockFileOf(b), "pid=1\r\nhost=" + thisHost() + "\r\n");
    }
    EXPECT_TRUE(fs::exists(ProjectLock::lockFileOf(b)));

    // A folder that can't be written opens the project unmarked.
    ProjectLock lock;
    EXPECT_FALSE(lock.acquire(dir.path() / "missing-folder" / "c.qvp"));
}
