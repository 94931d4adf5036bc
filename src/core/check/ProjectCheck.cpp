#include "check/ProjectCheck.h"

#include "check/FileTreeIndex.h"
#include "i18n/Language.h"
#include "items/ItemRules.h"
#include "project/ItemTable.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <memory>

namespace qv {

namespace {

namespace fs = std::filesystem;

constexpr char kNativeSeparator = static_cast<char>(fs::path::preferred_separator);

bool isExistingFile(const std::string& location)
{
    if (location.empty())
        return false;
    std::error_code ec;
    const fs::file_status status = fs::status(pathFromText(location), ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

// The distinct folders of the files found, in the order they were met: a
// pattern may match several files of one folder, and one folder is one choice.
std::vector<std::string> distinctFolders(const std::vector<FoundFile>& found)
{
    std::vector<std::string> folders;
    for (const FoundFile& f : found) {
        if (std::find(folders.begin(), folders.end(), f.folder) == folders.end())
            folders.push_back(f.folder);
    }
    return folders;
}

}  // namespace

ProjectCheck::ProjectCheck(ItemTable& table, const Language& language)
    : m_table(table)
    , m_language(language)
{
}

std::string ProjectCheck::cdPathOfFolder(std::string_view folder, std::string_view projectFolder)
{
    // The add dialogs' rule, which always starts from a folder with its final
    // separator; the check makes sure of the final backslash itself.
    std::string path = cdPathOf(folder, projectFolder);
    if (path.back() != '\\')
        path += '\\';
    return path;
}

fs::path ProjectCheck::jumpFolder(std::string_view projectFolder, std::string_view cdPath)
{
    std::string host(cdPath);
    if constexpr (kNativeSeparator == '/')
        std::replace(host.begin(), host.end(), '\\', '/');
    return pathFromText(std::string(projectFolder) + host);
}

CheckResult ProjectCheck::run(std::string_view projectFolder, const LocationChooser& choose, const Progress& progress)
{
    m_stats = {};
    CheckResult result;
    std::error_code folderError;
    if (projectFolder.empty() || !fs::is_directory(pathFromText(projectFolder), folderError)) {
        result.projectFolderMissing = true;
        return result;
    }
    // Made at the first missing file and kept for the run: one walk answers every item.
    std::unique_ptr<FileTreeIndex> index;

    const int cursorRow = m_table.currentRow();
    const int cursorColumn = m_table.currentRealColumn();
    const int rows = m_table.rowCount() - 1;
    const auto stop = [] {
        CheckResult stopped;
        stopped.stopped = true;
        return stopped;
    };

    // First every row is judged against the disk, with the table as it is:
    // a stop up to here leaves every row as it was.
    std::vector<int> removedRows;
    std::vector<int> repointedRows;
    auto remove = [&](int row) {
        result.removed.push_back({m_table.read(FieldName, row), m_table.read(FieldFileName, row),
                                  m_table.read(FieldCdPath, row), m_table.read(FieldSourceLocation, row)});
        removedRows.push_back(row);
    };
    for (int row = 1; row <= rows; ++row) {
        if (progress && !progress(row, rows))
            return stop();
        const std::string& fileName = m_table.read(FieldFileName, row);
        const std::string& cdPath = m_table.read(FieldCdPath, row);

        if (m_language.isJumpWord(fileName)) {
            std::error_code ec;
            if (!fs::is_directory(jumpFolder(projectFolder, cdPath), ec))
                remove(row);
            continue;
        }
        if (cdPath.empty() || isExistingFile(m_table.read(FieldSourceLocation, row)))
            continue;

        ++m_stats.searches;
        if (!index) {
            int folders = 0;
            const auto goOn = [&] { return !progress || ++folders % kFoldersPerReport != 0 || progress(row, rows); };
            index = std::make_unique<FileTreeIndex>(projectFolder, goOn);
            ++m_stats.walks;
            m_stats.directoryReads += index->directoryReads();
            if (index->stopped())
                return stop();
        }
        const std::vector<std::string> folders = distinctFolders(index->find(fileName));
        if (folders.empty()) {
            remove(row);
            continue;
        }
        std::size_t chosen = 0;
        if (folders.size() > 1 && choose)
            chosen = std::min(choose(m_table.read(FieldName, row), fileName, folders), folders.size() - 1);
        const std::string& folder = folders[chosen];
        result.repointed.push_back({m_table.read(FieldName, row), fileName, cdPathOfFolder(folder, projectFolder),
                                    cdPath, folder + fileName, m_table.read(FieldSourceLocation, row)});
        repointedRows.push_back(row);
    }

    // Then the changes: the re-pointed rows while every row has its first
    // number, then the removals from the last up, so no removal moves a row
    // still to be removed. Removing every row leaves the one empty row.
    for (std::size_t i = 0; i < repointedRows.size(); ++i) {
        m_table.write(FieldSourceLocation, repointedRows[i], result.repointed[i].newSourceLocation);
        m_table.write(FieldCdPath, repointedRows[i], result.repointed[i].newCdPath);
    }
    for (auto it = removedRows.rbegin(); it != removedRows.rend(); ++it) {
        m_table.setCurrentRow(*it);
        m_table.removeCurrentRow();
    }

    m_table.setCursorReal(cursorRow, cursorColumn);
    return result;
}

std::string ProjectCheck::missingFolderText(const Language& language, std::string_view projectFolder)
{
    const std::string text = language.message("M58");
    return formatS(text.empty() ? "M58 %s" : text, projectFolder);
}

CheckResult ProjectCheck::runUnattended(std::string_view projectFolder, const Progress& progress)
{
    CheckResult result = run(projectFolder, {}, progress);
    markCheckedProject(m_table, result);
    return result;
}

}  // namespace qv
