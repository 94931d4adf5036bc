#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

namespace fs = std::filesystem;

// The whole file, or nothing when it can't be read.
// A regular file exists at path (an empty path names none); no error is raised.
bool isFile(const fs::path& path);

std::optional<std::string> readFileBytes(const fs::path& path);

// Replaces path with bytes through a temporary file beside it and a rename,
// so a failure never leaves the file half-written. Returns false on failure
// (missing folder, read-only file, full disk); the old file is then untouched.
bool writeFileAtomic(const fs::path& path, std::string_view bytes);

// Copies with overwrite; the outcome is ignored by callers, so a missing
// source leaves the target as it was. Returns whether the copy happened.
bool copyFileReplace(const fs::path& from, const fs::path& to);
// Deleting a missing file is no error.
bool removeFileQuiet(const fs::path& path);

// Windows file attributes as they map here: hidden = name begins with a dot,
// no file is a system file, read-only = no write permission for the owner,
// the archive attribute has no meaning.
struct FileAttributes {
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};
FileAttributes fileAttributes(const fs::path& path);
bool isHiddenName(const fs::path& path);
// Checks the permission bits themselves, so the answer is the same for root.
bool isReadOnly(const fs::path& path);
void setReadOnly(const fs::path& path, bool readOnly);
// The plain archive attribute: read-only and hidden cleared. Here that gives
// the owner write permission back (a copy takes its source's permissions, so
// a file copied from a CD would stay unwritable); a hidden name is left as it is.
void setArchive(const fs::path& path);

// The path as UTF-8 text (std::filesystem::path::string() is not UTF-8 everywhere).
std::string pathText(const fs::path& path);
fs::path pathFromText(std::string_view utf8);

// A folder path as text ending in the native separator.
std::string folderText(const fs::path& folder);

}  // namespace qv
