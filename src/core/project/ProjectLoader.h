#pragma once

#include <array>
#include <filesystem>
#include <optional>

namespace qv {

struct ProjectHeader;

// The working copy beside a project file: the project file's folder, its
// bare name (cut before the first dot) and ".tmp", so my.project.qvp works
// in my.tmp. A project file that itself carries that name (a.tmp) gets
// a.tmp.tmp, so the working copy never is the project file.
std::filesystem::path workingCopyPath(const std::filesystem::path& projectFile);

// The two files a project names in its header.
enum class ProjectCompanion { Categories, Design };

// Where a companion file is looked for, in order: the stored full path, then
// base/genre/<bare><ext>, then base/genre/<bare>/<bare><ext> (menudesign/
// for the design). An entry is empty where the header gives nothing to try.
std::array<std::filesystem::path, 3> companionCandidates(const std::filesystem::path& baseDir,
                                                         const ProjectHeader& header, ProjectCompanion companion);

// The first candidate that is an existing file.
std::optional<std::filesystem::path> findCompanion(const std::filesystem::path& baseDir, const ProjectHeader& header,
                                                   ProjectCompanion companion);

}  // namespace qv
