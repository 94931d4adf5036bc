#include "profile/ProfileBatch.h"

#include "profile/ProfileDocument.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <fstream>
#include <optional>

namespace qv {

struct ProfileBatch::Entry {
    std::filesystem::path path;
    ProfileDocument doc;
    bool dirty = false;
    bool checked = false;
    bool anew = false;               // startAnew(): written in place
    bool removeUnlessWritten = false;  // startAnew() and no write since
};

namespace {

// Overwrites the file's bytes and then cuts it to their length. Emptying it
// first would make the file system (ext4 and others) flush each such file at
// close, which costs a hundred times the write itself over thousands of files.
bool writeInPlace(const std::filesystem::path& path, const std::string& bytes)
{
    {
        std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
        if (!out) {
            std::ofstream created(path, std::ios::binary | std::ios::trunc);
            created.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            created.flush();
            return static_cast<bool>(created);
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out)
            return false;
    }
    std::error_code ec;
    std::filesystem::resize_file(path, bytes.size(), ec);
    return !ec;
}

}  // namespace

ProfileBatch::ProfileBatch() = default;

ProfileBatch::~ProfileBatch()
{
    try {
        flush();
    } catch (const ProfileWriteError&) {
        // Callers that care call flush() themselves; a destructor must not throw.
    }
}

ProfileBatch::Entry& ProfileBatch::entry(const std::filesystem::path& path)
{
    auto it = m_files.find(path.native());
    if (it == m_files.end()) {
        auto e = std::make_unique<Entry>();
        e->path = path;
        if (const auto bytes = readFileBytes(path))
            e->doc = ProfileDocument::parse(*bytes);
        it = m_files.emplace(path.native(), std::move(e)).first;
    }
    return *it->second;
}

const ProfileDocument& ProfileBatch::document(const std::filesystem::path& path)
{
    return entry(path).doc;
}

void ProfileBatch::startAnew(const std::filesystem::path& path)
{
    auto& slot = m_files[path.native()];
    if (!slot) {
        slot = std::make_unique<Entry>();
        slot->path = path;
    }
    slot->doc = ProfileDocument::parse("");
    slot->dirty = false;
    slot->checked = false;
    slot->anew = true;
    slot->removeUnlessWritten = true;
}

ProfileDocument& ProfileBatch::documentForWrite(const std::filesystem::path& path)
{
    Entry& e = entry(path);
    if (!e.checked) {
        std::error_code ec;
        const auto status = std::filesystem::status(path, ec);
        const bool exists = std::filesystem::exists(status);
        // Read-only as isReadOnly() sees it, from the one status already taken.
        bool refused = exists && (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
        // A file made anew counts as deleted, and deleting ignores its read-only flag.
        if (refused && e.anew)
            refused = !removeFileQuiet(path);
        const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
        if (refused || (!exists && !std::filesystem::is_directory(folder, ec)))
            throw ProfileWriteError(path);
        e.checked = true;
    }
    e.dirty = true;
    e.removeUnlessWritten = false;
    return e.doc;
}

void ProfileBatch::flush()
{
    std::optional<std::filesystem::path> failed;
    for (auto& [key, e] : m_files) {
        if (e->removeUnlessWritten) {
            removeFileQuiet(e->path);
            e->removeUnlessWritten = false;
        }
        if (!e->dirty)
            continue;
        const std::string bytes = e->doc.serialize();
        if (e->anew ? writeInPlace(e->path, bytes) : writeFileAtomic(e->path, bytes))
            e->dirty = false;
        else if (!failed)
            failed = e->path;
    }
    if (failed) {
        // Drop what could not be written so a later flush doesn't repeat the error.
        for (auto& [key, e] : m_files)
            e->dirty = false;
        throw ProfileWriteError(*failed);
    }
}

}  // namespace qv
