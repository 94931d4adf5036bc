#include "project/ProjectFile.h"

#include "app/FileReference.h"
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

ProjectRecord headerRecord(const ProjectHeader& header, std::size_t itemCount)
{
    ProjectRecord r;
    r.setField(1, header.cdName);
    r.setField(2, header.projectFolder);
    r.setField(3, header.categoryPath);
    r.setField(4, header.categoryBareName);
    r.setField(5, header.categoryExtension);
    r.setField(6, header.designPath);
    r.setField(7, header.designBareName);
    r.setField(8, header.designExtension);
    r.setField(9, std::to_string(itemCount));
    for (int f = 10; f <= 13; ++f)
        r.setField(f, "#");
    return r;
}

ProjectHeader headerFromRecord(const ProjectRecord& r)
{
    ProjectHeader h;
    h.cdName = r.field(1);
    h.projectFolder = r.field(2);
    h.categoryPath = r.field(3);
    h.categoryBareName = r.field(4);
    h.categoryExtension = r.field(5);
    h.designPath = r.field(6);
    h.designBareName = r.field(7);
    h.designExtension = r.field(8);
    return h;
}

ProjectRecord itemRecord(const ItemFieldTexts& item, const std::vector<std::string>& categories,
                         const YesNoWords& words)
{
    ProjectRecord r;
    for (int f = FieldName; f <= FieldDescription; ++f)
        r.setField(f, fieldOf(item, f));
    const std::string& category = fieldOf(item, FieldCategory);
    std::size_t position = 0;
    for (std::size_t p = 0; p < categories.size(); ++p)
        if (categories[p] == category)
            position = p;
    r.setField(8, std::to_string(position));
    r.setField(9, storedYesNo(fieldOf(item, FieldCopy), words));
    r.setField(10, fieldOf(item, FieldSourceLocation));
    r.setField(11, fieldOf(item, FieldHomepage));
    r.setField(12, storedYesNo(fieldOf(item, FieldExecute), words));
    r.setField(13, category);
    return r;
}

ItemFieldTexts itemFromRecord(const ProjectRecord& r, const std::vector<std::string>& categories)
{
    ItemFieldTexts item;
    for (int f = FieldName; f <= FieldDescription; ++f)
        fieldOf(item, f) = r.field(f);
    fieldOf(item, FieldCopy) = r.field(9);
    fieldOf(item, FieldSourceLocation) = r.field(10);
    fieldOf(item, FieldHomepage) = r.field(11);
    fieldOf(item, FieldExecute) = r.field(12);

    // By caption first, by stored position as fallback. Taking whichever
    // matches last instead would move every item of a category to another one
    // as soon as the category file's entries change their order. A caption
    // found nowhere, without a usable position, stays as stored rather than
    // being dropped, so the next save keeps it.
    const std::string& caption = r.field(13);
    const auto position = parsePosition(r.field(8));
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
