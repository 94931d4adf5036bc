#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class FileReference;

// The open project's categories: the captions of its category file in file
// order, numbered from 0. The item dialogs offer them as choices (the first
// preselected), the project file stores positions in it and the build numbers
// the categories by it.
class CategoryList final {
public:
    // Reads the captions of the project's category file. Does nothing when
    // that file doesn't exist, so the list read before stays.
    void read(const FileReference& genreFile);
    void read(const std::filesystem::path& categoryFile);
    void clear();

    const std::vector<std::string>& captions() const { return m_captions; }
    int size() const { return static_cast<int>(m_captions.size()); }
    // 0 once read, -1 while empty.
    int preselected() const { return m_captions.empty() ? -1 : 0; }
    // The position the project file and the build give a caption: the last
    // entry equal to it (with case), -1 when none is.
    int lastIndexOf(std::string_view caption) const;

private:
    std::vector<std::string> m_captions;
};

}  // namespace qv
