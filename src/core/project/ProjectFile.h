#pragma once

#include "project/ItemFields.h"
#include "project/ProjectRecord.h"

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class FileReference;


// The fields of record 0 that readers use, by record field number.
enum HeaderField : int {
    HeaderCdName = 1,
    HeaderProjectFolder = 2,
    HeaderCategoryPath = 3,
    HeaderCategoryBareName = 4,
    HeaderCategoryExtension = 5,
    HeaderDesignPath = 6,
    HeaderDesignBareName = 7,
    HeaderDesignExtension = 8,
};

// Record 0 of a project file.
struct ProjectHeader {
    std::string cdName;
    std::string projectFolder;
    std::string categoryPath;
    std::string categoryBareName;
    std::string categoryExtension;
    std::string designPath;
    std::string designBareName;
    std::string designExtension;

    // Full path, bare name and extension of the reference; all empty when it is.
    void setCategoryFile(const FileReference& ref);
    void setDesignFile(const FileReference& ref);

    bool operator==(const ProjectHeader&) const = default;
};

// A project file that can't be read or written. what() names the file.
class ProjectFileError final : public std::runtime_error {
public:
    ProjectFileError(const std::string& what, std::filesystem::path path);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct ProjectFileContents {
    ProjectHeader header;
    // Records 1 to N-1, N = file size / 1153; trailing bytes are ignored.
    // A table shows max(N, 2) rows.
    std::vector<ItemFieldTexts> items;
};

// The words the table holds in Copy and Execute; the file stores them as
// "yes" and "no".
struct YesNoWords {
    std::string yes = "yes";
    std::string no = "no";
};

// The record field that holds item field 1..12. The category's caption is
// field 13; field 8 holds its position in the category list instead.
int recordFieldOf(int itemField);

// The record of one item row. The category is stored twice: its caption
// (field 13) and its 0-based position in the category list (field 8, the last
// equal entry, "0" when none).
ProjectRecord itemRecord(const ItemFieldTexts& item, const std::vector<std::string>& categories,
                         const YesNoWords& words);
ProjectRecord headerRecord(const ProjectHeader& header, std::size_t itemCount);

// The item fields of a stored record, its category resolved against the list.
ItemFieldTexts itemFromRecord(const ProjectRecord& record, const std::vector<std::string>& categories);
ProjectHeader headerFromRecord(const ProjectRecord& record);

// Writes the header and one record per item row, replacing the file
// atomically. items are the table's item rows; a table always has one, so an
// empty list is written as the one empty row. Raises ProjectFileError.
void writeProjectFile(const std::filesystem::path& path, const ProjectHeader& header,
                      const std::vector<ItemFieldTexts>& items, const std::vector<std::string>& categories,
                      const YesNoWords& words);

// The bytes writeProjectFile writes, for callers that put the same content
// into more than one file.
std::string projectFileBytes(const ProjectHeader& header, const std::vector<ItemFieldTexts>& items,
                             const std::vector<std::string>& categories, const YesNoWords& words);

// Header and item records of a project file held in memory, read as
// readProjectFile reads a file. Raises ProjectFileError (naming path) when
// bytes hold no whole record.
ProjectFileContents decodeProjectFile(std::string_view bytes, const std::vector<std::string>& categories,
                                      const std::filesystem::path& path = {});

// Rewrites only record 0 of an existing project file. Raises ProjectFileError.
void writeProjectHeader(const std::filesystem::path& path, const ProjectHeader& header, std::size_t itemCount);

// Record 0 alone. Raises ProjectFileError.
ProjectHeader readProjectHeader(const std::filesystem::path& path);

// Header and item records. Copy and Execute come back as stored ("yes" or
// "no"); the caller turns them into the current language's words. When the
// file holds a single item whose Name is empty, that item comes back with
// every field empty. Raises ProjectFileError.
ProjectFileContents readProjectFile(const std::filesystem::path& path, const std::vector<std::string>& categories);

}  // namespace qv
