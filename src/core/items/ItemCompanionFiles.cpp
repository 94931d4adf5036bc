#include "items/ItemCompanionFiles.h"

#include "items/PictureCodecs.h"
#include "project/ItemTable.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <system_error>

namespace qv {

namespace {

bool isFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

void makeWritable(const std::filesystem::path& file)
{
    if (isFile(file) && isReadOnly(file))
        setReadOnly(file, false);
}

}  // namespace

std::string ItemCompanionFiles::safeName(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos)
            c = '_';
    }
    return out;
}

std::filesystem::path ItemCompanionFiles::dataFolder(const std::string& projectFolder)
{
    return pathFromText(projectFolder) / kDataFolder;
}

std::filesystem::path ItemCompanionFiles::target(const ItemFieldTexts& item, bool jumpPoint,
                                                 const std::string& projectFolder, CompanionKind kind)
{
    const std::string ext = extensionOf(kind);
    const std::string& source = fieldOf(item, FieldSourceLocation);
    if (!jumpPoint && !fieldOf(item, FieldCdPath).empty() && pathFromText(source).is_absolute()) {
        const std::size_t length = utf8Length(source);
        return pathFromText(utf8Left(source, length >= 3 ? length - 3 : 0) + ext);
    }
    return dataFolder(projectFolder) / pathFromText(safeName(fieldOf(item, FieldName)) + "." + ext);
}

ItemFieldTexts ItemCompanionFiles::itemOf(const ItemTable& table, int row)
{
    ItemFieldTexts item;
    for (int field = 1; field <= kItemFieldCount; ++field)
        fieldOf(item, field) = table.read(field, row);
    return item;
}

std::filesystem::path ItemCompanionFiles::target(const ItemTable& table, int row, const std::string& projectFolder,
                                                 CompanionKind kind)
{
    return target(itemOf(table, row), table.isJumpPoint(row), projectFolder, kind);
}

bool ItemCompanionFiles::canHaveCompanions(const ItemFieldTexts& item, bool jumpPoint, const std::string& projectFolder)
{
    if (fieldOf(item, FieldFileName).empty())
        return false;
    const bool sourceThere = isFile(pathFromText(fieldOf(item, FieldSourceLocation)));
    const bool projectThere = !projectFolder.empty() && isFolder(pathFromText(projectFolder));
    return sourceThere || projectThere || jumpPoint || fieldOf(item, FieldCdPath).empty();
}

ItemCompanionFiles::DataFolder ItemCompanionFiles::ensureDataFolder(const std::string& projectFolder)
{
    DataFolder result;
    result.path = dataFolder(projectFolder);
    if (isFolder(result.path)) {
        result.ok = true;
        return result;
    }
    std::error_code ec;
    // Not create_directories: a project folder that is gone is not made anew here.
    if (projectFolder.empty() || !std::filesystem::create_directory(result.path, ec)) {
        result.error = ec ? ec.message() : std::string("No such folder");
        result.error = "The folder " + pathText(result.path) + " can't be created: " + result.error + ".";
        return result;
    }
    result.ok = true;
    result.created = true;
    return result;
}

std::string ItemCompanionFiles::withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool ItemCompanionFiles::writeText(const std::filesystem::path& file, std::string_view text)
{
    makeWritable(file);
    return writeFileAtomic(file, withCrLf(text));
}

bool ItemCompanionFiles::writeScreenshot(const std::filesystem::path& file, const RgbImage& picture)
{
    const std::string jpeg = PictureCodecs::encodeJpeg(picture);
    if (jpeg.empty())
        return false;
    makeWritable(file);
    return writeFileAtomic(file, jpeg);
}

std::optional<std::string> ItemCompanionFiles::readText(const std::filesystem::path& file)
{
    auto bytes = readFileBytes(file);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

bool ItemCompanionFiles::remove(const std::filesystem::path& file)
{
    if (!isFile(file))
        return false;
    makeWritable(file);
    std::error_code ec;
    return std::filesystem::remove(file, ec);
}

}  // namespace qv
