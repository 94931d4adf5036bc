#include "project/ProjectFile.h"

#include "util/FileReference.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <system_error>

namespace qv {

namespace {

// A cell holding neither word is stored as it is, so nothing is lost; the
// table's normalisation decides about it after the next read.
std::string storedYesNo(const std::string& text, const YesNoWords& words)
{
    if (iequals(text, words.yes))
        return "yes";
    if (iequals(text, words.no))
        return "no";
    return text;
}

std::optional<std::size_t> parsePosition(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

void setFileTriple(const FileReference& ref, std::string& path, std::string& bare, std::string& ext)
{
    if (ref.empty()) {
        path.clear();
        bare.clear();
        ext.clear();
        return;
    }
    path = pathText(ref.fullPath());
    bare = ref.bareName();
    ext = ref.extension();
}

std::string recordBytes(const ProjectHeader& header, const std::vector<ItemFieldTexts>& items,
                        const std::vector<std::string>& categories, const YesNoWords& words)
{
    static const ItemFieldTexts kEmptyRow{};
    const std::size_t rows = items.empty() ? 1 : items.size();
    std::string bytes;
    bytes.reserve((rows + 1) * ProjectRecord::kSize);
    headerRecord(header, rows).appendTo(bytes);
    if (items.empty())
        itemRecord(kEmptyRow, categories, words).appendTo(bytes);
    for (const auto& item : items)
        itemRecord(item, categories, words).appendTo(bytes);
    return bytes;
}

[[noreturn]] void fail(const char* pattern, const std::filesystem::path& path)
{
    throw ProjectFileError(formatS(pattern, pathText(path)), path);
}

constexpr std::array<int, kItemFieldCount> kRecordFieldOf{1, 2, 3, 4, 5, 6, 7, 13, 9, 10, 11, 12};
constexpr int kCategoryPositionField = 8;

// Calls each(index, record, record count) for record 0 alone or for every
// whole record of the file.
template <typename Each>
void readRecords(const std::filesystem::path& path, bool headerOnly, Each each)
{
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!in || ec)
        fail("Cannot open %s", path);
    const std::uintmax_t n = size / ProjectRecord::kSize;
    if (n == 0)
        fail("%s is not a project file", path);
    const std::uintmax_t count = headerOnly ? 1 : n;
    std::string buffer(ProjectRecord::kSize, '\0');
    for (std::uintmax_t i = 0; i < count; ++i) {
        if (!in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())))
            fail("Cannot read %s", path);
        each(i, ProjectRecord::decode(buffer), n);
    }
}

}  // namespace

ProjectFileError::ProjectFileError(const std::string& what, std::filesystem::path path)
    : std::runtime_error(what)
    , m_path(std::move(path))
{
}

void ProjectHeader::setCategoryFile(const FileReference& ref)
{
    setFileTriple(ref, categoryPath, categoryBareName, categoryExtension);
}

void ProjectHeader::setDesignFile(const FileReference& ref)
{
    setFileTriple(ref, designPath, designBareName, designExtension);
}

int recordFieldOf(int itemField)
{
    return kRecordFieldOf.at(static_cast<std::size_t>(itemField - 1));
}

ProjectRecord headerRecord(const ProjectHeader& header, std::size_t itemCount)
{
    ProjectRecord r;
    r.setField(HeaderCdName, header.cdName);
    r.setField(HeaderProjectFolder, header.projectFolder);
    r.setField(HeaderCategoryPath, header.categoryPath);
    r.setField(HeaderCategoryBareName, header.categoryBareName);
    r.setField(HeaderCategoryExtension, header.categoryExtension);
    r.setField(HeaderDesignPath, header.designPath);
    r.setField(HeaderDesignBareName, header.designBareName);
    r.setField(HeaderDesignExtension, header.designExtension);
    r.setField(9, std::to_string(itemCount));
    for (int f = 10; f <= 13; ++f)
        r.setField(f, "#");
    return r;
}

ProjectHeader headerFromRecord(const ProjectRecord& r)
{
    ProjectHeader h;
    h.cdName = r.field(HeaderCdName);
    h.projectFolder = r.field(HeaderProjectFolder);
    h.categoryPath = r.field(HeaderCategoryPath);
    h.categoryBareName = r.field(HeaderCategoryBareName);
    h.categoryExtension = r.field(HeaderCategoryExtension);
    h.designPath = r.field(HeaderDesignPath);
    h.designBareName = r.field(HeaderDesignBareName);
    h.designExtension = r.field(HeaderDesignExtension);
    return h;
}

ProjectRecord itemRecord(const ItemFieldTexts& item, const std::vector<std::string>& categories,
                         const YesNoWords& words)
{
    ProjectRecord r;
    for (int f = 1; f <= kItemFieldCount; ++f)
        r.setField(recordFieldOf(f), fieldOf(item, f));
    r.setField(recordFieldOf(FieldCopy), storedYesNo(fieldOf(item, FieldCopy), words));
    r.setField(recordFieldOf(FieldExecute), storedYesNo(fieldOf(item, FieldExecute), words));
    const std::string& category = fieldOf(item, FieldCategory);
    std::size_t position = 0;
    for (std::size_t p = 0; p < categories.size(); ++p)
        if (categories[p] == category)
            position = p;
    r.setField(kCategoryPositionField, std::to_string(position));
    return r;
}

ItemFieldTexts itemFromRecord(const ProjectRecord& r, const std::vector<std::string>& categories)
{
    ItemFieldTexts item;
    for (int f = 1; f <= kItemFieldCount; ++f) {
        if (f != FieldCategory)
            fieldOf(item, f) = r.field(recordFieldOf(f));
    }

    // By caption first, by stored position as fallback. Taking whichever
    // matches last instead would move every item of a category to another one
    // as soon as the category file's entries change their order. A caption
    // found nowhere, without a usable position, stays as stored rather than
    // being dropped, so the next save keeps it.
    const std::string& caption = r.field(recordFieldOf(FieldCategory));
    const auto position = parsePosition(r.field(kCategoryPositionField));
    const bool listed = std::find(categories.begin(), categories.end(), caption) != categories.end();
    if (!listed && position && *position < categories.size())
        fieldOf(item, FieldCategory) = categories[*position];
    else
        fieldOf(item, FieldCategory) = caption;
    return item;
}

void writeProjectFile(const std::filesystem::path& path, const ProjectHeader& header,
                      const std::vector<ItemFieldTexts>& items, const std::vector<std::string>& categories,
                      const YesNoWords& words)
{
    if (!writeFileAtomic(path, recordBytes(header, items, categories, words)))
        fail("Cannot write %s", path);
}

std::string projectFileBytes(const ProjectHeader& header, const std::vector<ItemFieldTexts>& items,
                             const std::vector<std::string>& categories, const YesNoWords& words)
{
    return recordBytes(header, items, categories, words);
}

ProjectFileContents decodeProjectFile(std::string_view bytes, const std::vector<std::string>& categories,
                                      const std::filesystem::path& path)
{
    const std::size_t n = bytes.size() / ProjectRecord::kSize;
    if (n == 0)
        fail("%s is not a project file", path);
    ProjectFileContents contents;
    contents.header = headerFromRecord(ProjectRecord::decode(bytes));
    contents.items.reserve(n - 1);
    for (std::size_t i = 1; i < n; ++i)
        contents.items.push_back(itemFromRecord(ProjectRecord::decode(bytes.substr(i * ProjectRecord::kSize)), categories));
    if (contents.items.size() == 1 && contents.items.front()[0].empty())
        contents.items.front() = ItemFieldTexts{};
    return contents;
}

void writeProjectHeader(const std::filesystem::path& path, const ProjectHeader& header, std::size_t itemCount)
{
    auto bytes = readFileBytes(path);
    if (!bytes)
        fail("Cannot open %s", path);
    const std::string record = headerRecord(header, itemCount).encode();
    if (bytes->size() < record.size())
        bytes->resize(record.size());
    bytes->replace(0, record.size(), record);
    if (!writeFileAtomic(path, *bytes))
        fail("Cannot write %s", path);
}

ProjectHeader readProjectHeader(const std::filesystem::path& path)
{
    ProjectHeader header;
    readRecords(path, true, [&](std::uintmax_t, const ProjectRecord& r, std::uintmax_t) { header = headerFromRecord(r); });
    return header;
}

ProjectFileContents readProjectFile(const std::filesystem::path& path, const std::vector<std::string>& categories)
{
    ProjectFileContents contents;
    readRecords(path, false, [&](std::uintmax_t i, const ProjectRecord& r, std::uintmax_t n) {
        if (i == 0) {
            contents.header = headerFromRecord(r);
            contents.items.reserve(static_cast<std::size_t>(n - 1));
        } else {
            contents.items.push_back(itemFromRecord(r, categories));
        }
    });
    if (contents.items.size() == 1 && contents.items.front()[0].empty())
        contents.items.front() = ItemFieldTexts{};
    return contents;
}

}  // namespace qv
