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

    auto remove = [&](int row) {
        result.removed.push_back({m_table.read(FieldName, row), m_table.read(FieldFileName, row),
                                  m_table.read(FieldCdPath, row), m_table.read(FieldSourceLocation, row)});
        const bool onlyRow = m_table.rowCount() < 3;
        m_table.setCurrentRow(row);
        m_table.removeCurrentRow();
        return onlyRow;
    };

    int row = 1;
    while (row < m_table.rowCount()) {
        if (progress)
            progress(row, m_table.rowCount() - 1);
        const std::string& fileName = m_table.read(FieldFileName, row);
        const std::string& cdPath = m_table.read(FieldCdPath, row);

        if (m_language.isJumpWord(fileName)) {
            std::error_code ec;
            if (fs::is_directory(jumpFolder(projectFolder, cdPath), ec)) {
                ++row;
            } else if (remove(row)) {
                ++row;
            }
            continue;
        }
        if (cdPath.empty() || isExistingFile(m_table.read(FieldSourceLocation, row))) {
            ++row;
            continue;
        }

        ++m_stats.searches;
        if (!index) {
            index = std::make_unique<FileTreeIndex>(projectFolder);
            ++m_stats.walks;
            m_stats.directoryReads += index->directoryReads();
        }
        const std::vector<std::string> folders = distinctFolders(index->find(fileName));
        if (folders.empty()) {
            if (remove(row))
                ++row;
            continue;
        }
        std::size_t chosen = 0;
        if (folders.size() > 1 && choose)
            chosen = std::min(choose(m_table.read(FieldName, row), fileName, folders), folders.size() - 1);
        const std::string& folder = folders[chosen];

        RepointedItem entry{m_table.read(FieldName, row), fileName, cdPathOfFolder(folder, projectFolder), cdPath,
                            folder + fileName, m_table.read(FieldSourceLocation, row)};
        m_table.write(FieldSourceLocation, row, entry.newSourceLocation);
        m_table.write(FieldCdPath, row, entry.newCdPath);
        result.repointed.push_back(std::move(entry));
        ++row;
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
