#pragma once

#include "check/CheckResult.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ItemTable;
class Language;

// What a run cost on disk: the bench and the tests show that the tree is walked once.
struct CheckStats {
    std::int64_t walks = 0;
    std::int64_t directoryReads = 0;
    // Items whose source file was missing and that were looked for below the project folder.
    std::int64_t searches = 0;
};

// The repair of the item table against the disk, without any window: jump
// points whose folder is gone are removed, hyperlinks are left alone, and a
// file item whose source file is missing is looked for below the project
// folder, then re-pointed to where it lies or removed. It reads no file
// contents and writes nothing to disk.
class ProjectCheck final {
public:
    // Picks one of several folders (each ending in the separator) where the
    // item's file lies; returns its index. Used only for two folders or more.
    using LocationChooser = std::function<std::size_t(const std::string& name, const std::string& fileName,
                                                      const std::vector<std::string>& folders)>;
    // Reports the row being judged; false when the person asked to stop.
    using Progress = std::function<bool(int row, int rows)>;
    // While the project folder is walked, progress hears the row again every
    // this many folders, so a stop is heard during a long walk too.
    static constexpr int kFoldersPerReport = 4;

    // language: the current language object, read at each run (the jump word).
    ProjectCheck(ItemTable& table, const Language& language);

    // Visits the rows from the first to the last; projectFolder is rootname
    // with its final separator. Without a chooser the first folder is taken.
    // When the project folder does not exist, nothing below it can be judged:
    // the run changes no row and says so (projectFolderMissing).
    // The modified flag is left to the caller (markCheckedProject). Every row
    // is judged (and the person asked where to) before any row changes, so a
    // stop heard through progress returns a stopped result with the table
    // untouched; once the changes begin they are made whole.
    CheckResult run(std::string_view projectFolder, const LocationChooser& choose = {}, const Progress& progress = {});
    // The command line's check: never asks, takes the first of several
    // folders as OK in the location dialog does, and marks the project as
    // closing the summary does.
    CheckResult runUnattended(std::string_view projectFolder, const Progress& progress = {});

    const CheckStats& stats() const { return m_stats; }

    // The text of M58 that tells a missing project folder, naming it.
    static std::string missingFolderText(const Language& language, std::string_view projectFolder);

    // The CD Path the check writes for a folder: the project folder cut from
    // its front (compared with case), backslashes, one at the end and one in
    // front; the project folder itself gives "\".
    static std::string cdPathOfFolder(std::string_view folder, std::string_view projectFolder);
    // The host folder a jump point names: the project folder followed by the CD Path.
    static std::filesystem::path jumpFolder(std::string_view projectFolder, std::string_view cdPath);

private:
    ItemTable& m_table;
    const Language& m_language;
    CheckStats m_stats;
};

}  // namespace qv
