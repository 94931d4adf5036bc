#pragma once

#include <string>
#include <vector>

namespace qv {

class ItemTable;

struct RemovedItem {
    std::string name;
    std::string fileName;
    std::string cdPath;
    std::string sourceLocation;

    bool operator==(const RemovedItem&) const = default;
};

struct RepointedItem {
    std::string name;
    std::string fileName;
    std::string newCdPath;
    std::string oldCdPath;
    std::string newSourceLocation;
    std::string oldSourceLocation;

    bool operator==(const RepointedItem&) const = default;
};

// The two lists of one check run, in the order the rows were visited; the
// lists number their entries from 1.
struct CheckResult {
    std::vector<RemovedItem> removed;
    std::vector<RepointedItem> repointed;
    // The project folder was not there (an unmounted disc or network folder,
    // a project from another machine): the run stopped before any row.
    bool projectFolderMissing = false;
    // The person stopped the run: no row was changed and the lists are empty.
    bool stopped = false;

    bool changedAnything() const { return !removed.empty() || !repointed.empty(); }
};

// What ending a check does to the project: when either list holds an entry the
// project is marked modified and the category bands are redrawn.
void markCheckedProject(ItemTable& table, const CheckResult& result);

// The result as lines for the command line, without line ends:
// "removed<TAB>n<TAB>Name<TAB>File Name<TAB>CD Path<TAB>File Source Location" and
// "replaced<TAB>n<TAB>Name<TAB>File Name<TAB>new CD Path<TAB>old CD Path<TAB>
// new File Source Location<TAB>old File Source Location". A TAB, CR or LF
// inside a field is written as one blank, so every entry stays one line.
std::vector<std::string> checkReportLines(const CheckResult& result);

}  // namespace qv
