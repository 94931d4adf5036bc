#pragma once

#include <filesystem>

namespace qv {

// A new folder below the system's temporary folder that only this user can
// enter, removed with everything in it when the object goes. For files that
// must not land beside the person's own (the command line's working copies).
class PrivateFolder final {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // Empty when no folder could be made.
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace qv
