#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

class ProfileBatch;

// Raised when a profile file can't be written (read-only file, missing
// folder, full disk). Values written before stay written.
class ProfileWriteError final : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::filesystem::path& path);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A handle on one profile (INI) file. It holds only the path: every read and
// write goes to the file at the moment of the call, so two handles on one
// file see each other's writes. Opened through a batch, reads and writes go
// to the batch's copy, which reaches the disk when the batch is flushed.
class ProfileFile final {
public:
    static constexpr std::size_t kMaxRead = 2047;

    explicit ProfileFile(std::filesystem::path path, ProfileBatch* batch = nullptr);

    const std::filesystem::path& path() const { return m_path; }

    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    std::filesystem::path m_path;
    ProfileBatch* m_batch;
};

}  // namespace qv
