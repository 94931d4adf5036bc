#include "util/PrivateFolder.h"

#include <random>
#include <string>
#include <system_error>

namespace qv {

namespace fs = std::filesystem;

PrivateFolder::PrivateFolder()
{
    std::error_code ec;
    const fs::path parent = fs::temp_directory_path(ec);
    if (ec)
        return;
    std::random_device random;
    // create_directory says whether it made the folder, so a name another
    // process holds already is never shared.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = parent / ("quenvar-" + std::to_string(random()) + std::to_string(random()));
        if (fs::create_directory(candidate, ec)) {
            fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace, ec);
            m_path = candidate;
            return;
        }
    }
}

PrivateFolder::~PrivateFolder()
{
    if (m_path.empty())
        return;
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

}  // namespace qv
