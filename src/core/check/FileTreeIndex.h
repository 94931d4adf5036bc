#pragma once

#include "util/FileSearch.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

// One walk of a folder tree that answers any number of searches by pattern
// afterwards, each with exactly the files and order that searchFiles would
// give: the walk meets the files in the same order, so filtering its list
// keeps the search's order.
class FileTreeIndex final {
public:
    // Walks the folder and everything below it now; an empty folder text walks
    // nothing. goOn is asked before each folder is read; once it says false
    // the walk ends there and the index is stopped() (and incomplete).
    explicit FileTreeIndex(std::string_view folder, const std::function<bool()>& goOn = {});

    // The files whose name matches pattern, in search order.
    std::vector<FoundFile> find(std::string_view pattern) const;

    std::int64_t directoryReads() const { return m_directoryReads; }
    std::size_t fileCount() const { return m_files.size(); }
    bool stopped() const { return m_stopped; }

private:
    struct File {
        std::uint32_t folder;  // index into m_folders
        std::string name;
    };

    void walk(const std::string& folder, const std::function<bool()>& goOn);

    std::vector<std::string> m_folders;
    std::vector<File> m_files;
    // Lower-cased name to the files of that name, in walk order.
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byName;
    std::int64_t m_directoryReads = 0;
    bool m_stopped = false;
};

}  // namespace qv
