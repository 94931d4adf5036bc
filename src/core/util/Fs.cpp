#include "util/Fs.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace qv {

namespace {

// The temporary file a replacement is written to before it takes the
// target's place: hidden, so nothing that lists the folder (the build, the
// recording project, the check) picks one up that a crash left behind, and
// named by process, so two programs replacing one file never share it.
fs::path replacementFile(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
#if defined(_WIN32)
    const long pid = _getpid();
#else
    const long pid = static_cast<long>(::getpid());
#endif
    return target.parent_path() / pathFromText("." + pathText(target.filename()) + "." + std::to_string(pid) + "-" +
                                               std::to_string(++counter) + ".qvtmp");
}

}  // namespace

bool isFile(const fs::path& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

std::optional<std::string> readFileBytes(const fs::path& path)
{
    // A folder opens as a stream on some systems and reports a huge size.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(data.data(), size);
        if (!in)
            return std::nullopt;
    }
    return data;
}

bool writeFileAtomic(const fs::path& path, std::string_view bytes)
{
    std::error_code ec;
    if (fs::exists(path, ec) && (isReadOnly(path) || fs::is_directory(path, ec)))
        return false;
    const fs::path tmp = replacementFile(path);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool copyFileReplace(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        return false;
    if (fs::exists(to, ec) && isReadOnly(to))
        fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, ec);
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool removeFileQuiet(const fs::path& path)
{
    std::error_code ec;
    return fs::remove(path, ec);
}

bool isHiddenName(const fs::path& path)
{
    const auto name = path.filename().string();
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

bool isReadOnly(const fs::path& path)
{
    std::error_code ec;
    const auto st = fs::status(path, ec);
    if (ec || !fs::exists(st))
        return false;
    return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void setReadOnly(const fs::path& path, bool readOnly)
{
    std::error_code ec;
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (readOnly)
        fs::permissions(path, write, fs::perm_options::remove, ec);
    else
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

void setArchive(const fs::path& path)
{
    if (isReadOnly(path))
        setReadOnly(path, false);
}

FileAttributes fileAttributes(const fs::path& path)
{
    return FileAttributes{isHiddenName(path), false, isReadOnly(path)};
}

std::string pathText(const fs::path& path)
{
    const auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

fs::path pathFromText(std::string_view utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string folderText(const fs::path& folder)
{
    std::string text = pathText(folder);
    if (text.empty() || text.back() != static_cast<char>(fs::path::preferred_separator))
        text += static_cast<char>(fs::path::preferred_separator);
    return text;
}

}  // namespace qv
