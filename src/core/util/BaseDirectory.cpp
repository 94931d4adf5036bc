#include "util/BaseDirectory.h"

#include <cstdlib>
#include <system_error>

namespace qv {

std::filesystem::path withTrailingSeparator(std::filesystem::path folder)
{
    if (!folder.empty() && !folder.has_filename())
        return folder;
    folder /= "";
    return folder;
}

std::filesystem::path executablePath(const char* argv0)
{
    std::error_code ec;
#if defined(__linux__)
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty())
        return self;
#endif
    if (argv0 && *argv0)
        return std::filesystem::absolute(argv0, ec);
    return {};
}

std::filesystem::path resolveBaseDirectory(const char* argv0, const std::optional<std::filesystem::path>& explicitBase)
{
    std::error_code ec;
    if (explicitBase && !explicitBase->empty())
        return withTrailingSeparator(std::filesystem::absolute(*explicitBase, ec));
    if (const char* env = std::getenv("QUENVAR_BASE"); env && *env)
        return withTrailingSeparator(std::filesystem::absolute(env, ec));
    return withTrailingSeparator(executablePath(argv0).parent_path());
}

}  // namespace qv
