#include "build/RuntimeItemFiles.h"

#include "build/ItemType.h"
#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace qv {

namespace {


// A line break inside a value would end the value early and turn the rest of
// the text into lines of their own, which the runtime would read as keys or
// sections; it becomes a blank.
std::string oneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

// Every file directly in the folder goes, but for those about to be written
// again, which the batch makes anew in place: the same outcome, without
// deleting and recreating thousands of files on every build.
void clearItemFolder(const std::filesystem::path& folder, const std::unordered_set<std::string>& rewritten)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directory(folder, ec);
        return;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_directory(ec))
            continue;
        if (!rewritten.contains(entry.path().filename().string()))
            removeFileQuiet(entry.path());
    }
}

std::string itemFileName(const std::string& section)
{
    return "m" + section + ".dat";
}

}  // namespace

RuntimeItemSummary writeRuntimeItemFiles(const std::filesystem::path& cfgFolder, const RuntimeItemSource& source)
{
    const auto membersPath = cfgFolder / "members.cfg";
    const auto itemFolder = cfgFolder / "membersd";

    // Rows by caption, in table order, and the index an item file names as
    // its category: the last category of that caption.
    std::unordered_map<std::string_view, std::vector<std::size_t>> rowsOf;
    std::unordered_map<std::string_view, std::size_t> genreOf;
    for (std::size_t n = 0; n < source.categories.size(); ++n) {
        rowsOf.try_emplace(source.categories[n]);
        genreOf[source.categories[n]] = n;
    }
    for (std::size_t row = 0; row < source.items.size(); ++row) {
        const auto it = rowsOf.find(fieldOf(source.items[row], FieldCategory));
        if (it != rowsOf.end())
            it->second.push_back(row);
    }
    std::unordered_set<std::string> rewritten;
    for (std::size_t n = 0; n < source.categories.size(); ++n) {
        const std::size_t count = rowsOf.at(source.categories[n]).size();
        for (std::size_t i = 0; i < count; ++i)
            rewritten.insert(itemFileName(std::to_string(n) + "-" + std::to_string(i)));
    }
    clearItemFolder(itemFolder, rewritten);

    ProfileBatch batch;
    batch.startAnew(membersPath);
    ProfileFile members(membersPath, &batch);
    members.writeString("general", "cdname", oneLine(source.cdName));
    members.writeString("general", "rootname", oneLine(source.rootName));

    RuntimeItemSummary summary;
    for (std::size_t n = 0; n < source.categories.size(); ++n) {
        const auto& rows = rowsOf.at(source.categories[n]);
        const std::string category = std::to_string(n);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ItemFieldTexts& item = source.items[rows[i]];
            const std::string section = category + "-" + std::to_string(i);
            members.writeString(section, "caption", oneLine(fieldOf(item, FieldName)));
            members.writeInteger(section, "icon_number", itemType(fieldOf(item, FieldFileName), source.jumpWords));

            const auto itemPath = itemFolder / itemFileName(section);
            batch.startAnew(itemPath);
            ProfileFile file(itemPath, &batch);
            file.writeString(section, "caption", oneLine(fieldOf(item, FieldName)));
            file.writeString(section, "pfad", oneLine(fieldOf(item, FieldCdPath) + fieldOf(item, FieldFileName)));
            file.writeBool(section, "copy", fieldOf(item, FieldCopy) == source.yesWord);
            file.writeBool(section, "execute", fieldOf(item, FieldExecute) == source.yesWord);
            file.writeInteger(section, "genre", static_cast<std::int32_t>(genreOf.at(fieldOf(item, FieldCategory))));
            file.writeString(section, "desc", oneLine(fieldOf(item, FieldDescription)));
            file.writeString(section, "serial", oneLine(fieldOf(item, FieldSerial)));
            file.writeString(section, "sizep", oneLine(fieldOf(item, FieldCdSize)));
            file.writeString(section, "sizeup", oneLine(fieldOf(item, FieldHdSize)));
            file.writeString(section, "url", oneLine(fieldOf(item, FieldHomepage)));

            members.writeInteger(category, "anz_items", static_cast<std::int32_t>(i + 1));
            ++summary.itemFiles;
        }
        if (!rows.empty())
            ++summary.categoriesWithItems;
    }
    batch.flush();
    return summary;
}

}  // namespace qv
