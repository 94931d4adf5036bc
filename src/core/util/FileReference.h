#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qv {

// One file that the open project uses. The path is kept only when a file
// exists there at the moment it is assigned; callers test exists() before use.
class FileReference final {
public:
    FileReference() = default;

    // Expands the path to a full path and keeps it only if a file exists there.
    // Assigning the path the reference already holds does nothing (no new test).
    void assign(const std::filesystem::path& path);
    void clear();

    const std::filesystem::path& fullPath() const { return m_path; }
    bool exists() const { return m_exists; }
    bool empty() const { return m_path.empty(); }
    // The folder, ending in a separator; empty when the reference is.
    std::filesystem::path folder() const;
    // File name with extension.
    std::string fileName() const;
    // File name cut before its first dot: a.b.qvp -> a.
    std::string bareName() const;
    // From the last dot, dot included: a.b.qvp -> .qvp.
    std::string extension() const;
    std::uintmax_t size() const { return m_size; }
    std::filesystem::file_time_type time() const { return m_time; }

    // Deletes the named file, or the reference's own file when path is empty.
    // Deleting its own file empties the reference. A failed deletion is silent.
    void remove(const std::filesystem::path& path = {});

private:
    std::filesystem::path m_path;
    bool m_exists = false;
    std::uintmax_t m_size = 0;
    std::filesystem::file_time_type m_time{};
};

}  // namespace qv
