#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace qv {

class ProfileDocument;

// Keeps the writes of one operation in memory and writes each touched file
// once, at flush(). Reads through the batch see its writes. The bytes on disk
// are the same as if every value had been written one at a time.
//
// A file that can't be written is refused at its first write (read-only file,
// missing folder) so the error comes where one-at-a-time writing would raise
// it; a disk that fills up is only seen by flush().
class ProfileBatch final {
public:
    ProfileBatch();
    ~ProfileBatch();  // flushes what is left; errors there are swallowed: call flush()
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Writes every changed file; raises ProfileWriteError for the first that fails
    // after trying the rest.
    void flush();

    // The file is made anew by this batch, as if it had been deleted first:
    // its present content is not read, and flush() removes it when nothing
    // was written to it. It is written in place rather than through a
    // temporary file: a file made whole again has no old content worth
    // keeping, and the build saves a read and a new file per item this way.
    void startAnew(const std::filesystem::path& path);

    // Used by ProfileFile.
    const ProfileDocument& document(const std::filesystem::path& path);
    ProfileDocument& documentForWrite(const std::filesystem::path& path);

private:
    struct Entry;
    // Keyed by the path's text: comparing path objects element by element
    // costs more than the writes themselves when one batch holds thousands of files.
    std::map<std::filesystem::path::string_type, std::unique_ptr<Entry>> m_files;
    Entry& entry(const std::filesystem::path& path);
};

}  // namespace qv
