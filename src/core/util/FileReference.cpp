#include "util/FileReference.h"

#include "util/BaseDirectory.h"
#include "util/Fs.h"

#include <system_error>

namespace qv {

void FileReference::assign(const std::filesystem::path& path)
{
    if (!path.empty() && path == m_path)
        return;
    std::error_code ec;
    const auto full = path.empty() ? std::filesystem::path() : std::filesystem::absolute(path, ec).lexically_normal();
    if (!m_path.empty() && full == m_path)
        return;
    if (!full.empty() && std::filesystem::is_regular_file(full, ec)) {
        m_path = full;
        m_exists = true;
        m_size = std::filesystem::file_size(full, ec);
        m_time = std::filesystem::last_write_time(full, ec);
    } else {
        clear();
    }
}

void FileReference::clear()
{
    m_path.clear();
    m_exists = false;
    m_size = 0;
    m_time = {};
}

std::filesystem::path FileReference::folder() const
{
    return m_path.empty() ? std::filesystem::path() : withTrailingSeparator(m_path.parent_path());
}

std::string FileReference::fileName() const
{
    return pathText(m_path.filename());
}

std::string FileReference::bareName() const
{
    const std::string name = fileName();
    return name.substr(0, name.find('.'));
}

std::string FileReference::extension() const
{
    const std::string name = fileName();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

void FileReference::remove(const std::filesystem::path& path)
{
    const std::filesystem::path target = path.empty() ? m_path : path;
    if (target.empty())
        return;
    removeFileQuiet(target);
    std::error_code ec;
    if (!m_path.empty() && std::filesystem::absolute(target, ec).lexically_normal() == m_path)
        clear();
}

}  // namespace qv
