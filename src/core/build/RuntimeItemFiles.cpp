#include "build/RuntimeItemFiles.h"

#include "build/ItemType.h"
#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"

#include <string_view>
#include <system_error>
#include <unordered_map>

namespace qv {

namespace {

enum Field : std::size_t {
    kName = 0,
    kFileName,
    kCdPath,
    kSerial,
    kCdSize,
    kHdSize,
    kDescription,
    kCategory,
    kCopy,
    kSourceLocation,
    kHomepage,
    kExecute,
};

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

void clearItemFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directory(folder, ec);
        return;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (!entry.is_directory(ec))
            removeFileQuiet(entry.path());
}

}  // namespace

RuntimeItemSummary writeRuntimeItemFiles(const std::filesystem::path& cfgFolder, const RuntimeItemSource& source)
{
    const auto membersPath = cfgFolder / "members.cfg";
    const auto itemFolder = cfgFolder / "membersd";
    removeFileQuiet(membersPath);
    clearItemFolder(itemFolder);

    // Rows by caption, in table order, and the index an item file names as
    // its category: the last category of that caption.
    std::unordered_map<std::string_view, std::vector<std::size_t>> rowsOf;
    std::unordered_map<std::string_view, std::size_t> genreOf;
    for (std::size_t n = 0; n < source.categories.size(); ++n) {
        rowsOf.try_emplace(source.categories[n]);
        genreOf[source.categories[n]] = n;
    }
    for (std::size_t row = 0; row < source.items.size(); ++row) {
        const auto it = rowsOf.find(source.items[row][kCategory]);
        if (it != rowsOf.end())
            it->second.push_back(row);
    }

    ProfileBatch batch;
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
            members.writeString(section, "caption", oneLine(item[kName]));
            members.writeInteger(section, "icon_number", itemType(item[kFileName]));

            ProfileFile file(itemFolder / ("m" + section + ".dat"), &batch);
            file.writeString(section, "caption", oneLine(item[kName]));
            file.writeString(section, "pfad", oneLine(item[kCdPath] + item[kFileName]));
            file.writeBool(section, "copy", item[kCopy] == source.yesWord);
            file.writeBool(section, "execute", item[kExecute] == source.yesWord);
            file.writeInteger(section, "genre", static_cast<std::int32_t>(genreOf.at(item[kCategory])));
            file.writeString(section, "desc", oneLine(item[kDescription]));
            file.writeString(section, "serial", oneLine(item[kSerial]));
            file.writeString(section, "sizep", oneLine(item[kCdSize]));
            file.writeString(section, "sizeup", oneLine(item[kHdSize]));
            file.writeString(section, "url", oneLine(item[kHomepage]));

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
