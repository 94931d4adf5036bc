#include "check/FileTreeIndex.h"

#include "util/Fs.h"
#include "util/Text.h"

namespace qv {

FileTreeIndex::FileTreeIndex(std::string_view folder, const std::function<bool()>& goOn)
{
    if (!folder.empty())
        walk(withFinalSeparator(folder), goOn);
}

void FileTreeIndex::walk(const std::string& folder, const std::function<bool()>& goOn)
{
    if (m_stopped || (goOn && !goOn())) {
        m_stopped = true;
        return;
    }
    FolderListing listing = listFolder(pathFromText(folder), &m_directoryReads);
    const auto folderIndex = static_cast<std::uint32_t>(m_folders.size());
    m_folders.push_back(folder);
    for (std::string& name : listing.files) {
        const auto fileIndex = static_cast<std::uint32_t>(m_files.size());
        m_byName[asciiLower(name)].push_back(fileIndex);
        m_files.push_back({folderIndex, std::move(name)});
    }
    for (const std::string& sub : listing.folders)
        walk(withFinalSeparator(folder + sub), goOn);
}

std::vector<FoundFile> FileTreeIndex::find(std::string_view pattern) const
{
    std::vector<FoundFile> found;
    if (hasWildcards(pattern)) {
        for (const File& f : m_files) {
            if (matchesFilePattern(f.name, pattern))
                found.push_back({m_folders[f.folder], f.name});
        }
        return found;
    }
    const auto it = m_byName.find(asciiLower(pattern));
    if (it == m_byName.end())
        return found;
    for (const std::uint32_t i : it->second)
        found.push_back({m_folders[m_files[i].folder], m_files[i].name});
    return found;
}

}  // namespace qv
