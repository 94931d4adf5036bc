#include "project/ProjectLoader.h"

#include "project/ProjectFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <system_error>

namespace qv {

std::filesystem::path workingCopyPath(const std::filesystem::path& projectFile)
{
    const std::string name = pathText(projectFile.filename());
    const std::string tmpName = name.substr(0, name.find('.')) + ".tmp";
    // Windows compares names without letter case, so A.TMP is a.tmp there too.
    if (iequals(tmpName, name))
        return projectFile.parent_path() / pathFromText(name + ".tmp");
    return projectFile.parent_path() / pathFromText(tmpName);
}

std::array<std::filesystem::path, 3> companionCandidates(const std::filesystem::path& baseDir,
                                                         const ProjectHeader& header, ProjectCompanion companion)
{
    const bool categories = companion == ProjectCompanion::Categories;
    const std::string& stored = categories ? header.categoryPath : header.designPath;
    const std::string& bare = categories ? header.categoryBareName : header.designBareName;
    const std::string& ext = categories ? header.categoryExtension : header.designExtension;
    const std::filesystem::path folder = baseDir / (categories ? "genre" : "menudesign");

    std::array<std::filesystem::path, 3> candidates;
    if (!stored.empty())
        candidates[0] = pathFromText(stored);
    const std::string fileName = bare + ext;
    if (!fileName.empty()) {
        candidates[1] = folder / pathFromText(fileName);
        if (!bare.empty())
            candidates[2] = folder / pathFromText(bare) / pathFromText(fileName);
    }
    return candidates;
}

std::optional<std::filesystem::path> findCompanion(const std::filesystem::path& baseDir, const ProjectHeader& header,
                                                   ProjectCompanion companion)
{
    for (const auto& candidate : companionCandidates(baseDir, header, companion)) {
        std::error_code ec;
        if (!candidate.empty() && std::filesystem::is_regular_file(candidate, ec))
            return std::filesystem::absolute(candidate, ec).lexically_normal();
    }
    return std::nullopt;
}

}  // namespace qv
