#include "profile/ProfileBatch.h"

#include "profile/ProfileDocument.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <optional>

namespace qv {

struct ProfileBatch::Entry {
    ProfileDocument doc;
    bool dirty = false;
    bool checked = false;
};

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
    auto it = m_files.find(path);
    if (it == m_files.end()) {
        auto e = std::make_unique<Entry>();
        if (const auto bytes = readFileBytes(path))
            e->doc = ProfileDocument::parse(*bytes);
        it = m_files.emplace(path, std::move(e)).first;
    }
    return *it->second;
}

const ProfileDocument& ProfileBatch::document(const std::filesystem::path& path)
{
    return entry(path).doc;
}

ProfileDocument& ProfileBatch::documentForWrite(const std::filesystem::path& path)
{
    Entry& e = entry(path);
    if (!e.checked) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(path, ec);
        const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
        if ((exists && isReadOnly(path)) || (!exists && !std::filesystem::is_directory(folder, ec)))
            throw ProfileWriteError(path);
        e.checked = true;
    }
    e.dirty = true;
    return e.doc;
}

void ProfileBatch::flush()
{
    std::optional<std::filesystem::path> failed;
    for (auto& [path, e] : m_files) {
        if (!e->dirty)
            continue;
        if (writeFileAtomic(path, e->doc.serialize()))
            e->dirty = false;
        else if (!failed)
            failed = path;
    }
    if (failed) {
        // Drop what could not be written so a later flush doesn't repeat the error.
        for (auto& [path, e] : m_files)
            e->dirty = false;
        throw ProfileWriteError(*failed);
    }
}

}  // namespace qv
