#include "MenuData.h"

#include <algorithm>

#include "profile/ProfileBatch.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace rnv {

namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string pairName(int n, int i)
{
    return std::to_string(n) + "-" + std::to_string(i);
}

void readItems(MenuData& data)
{
    qv::ProfileBatch batch;
    const fs::path membersPath = cfgFile(data.cfg, "members.cfg");
    if (membersPath.empty())
        return;
    const qv::ProfileFile members(membersPath, &batch);
    const qv::ProfileDocument& index = batch.document(membersPath);
    data.cdName = members.readString("general", "cdname", "");

    const fs::path itemFolder = findEntry(data.cfg, "membersd");
    for (std::size_t n = 0; n < data.categories.size(); ++n) {
        const int category = static_cast<int>(n);
        const int count = std::clamp(members.readInteger(std::to_string(n), "anz_items", 0), 0, kMaxItemsPerCategory);
        for (int i = 0; i < count; ++i) {
            const std::string section = pairName(category, i);
            // The index is the authority: an item it does not name is not shown.
            if (!index.find(section, "caption") && !index.find(section, "icon_number"))
                continue;
            MenuItem item;
            item.category = category;
            item.index = i;
            item.caption = members.readString(section, "caption", "");
            const int type = members.readInteger(section, "icon_number", 2);
            item.type = type >= 0 && type < kItemTypeCount ? type : 2;

            const fs::path itemPath = findEntry(itemFolder, "m" + section + ".dat");
            if (isFile(itemPath)) {
                qv::ProfileBatch itemBatch;
                const qv::ProfileFile file(itemPath, &itemBatch);
                if (itemBatch.document(itemPath).find(section, "pfad") || itemBatch.document(itemPath).find(section, "caption")) {
                    item.hasDetails = true;
                    const std::string caption = file.readString(section, "caption", "");
                    if (item.caption.empty())
                        item.caption = caption;
                    item.pfad = file.readString(section, "pfad", "");
                    item.copy = file.readInteger(section, "copy", 0) == 1;
                    item.execute = file.readInteger(section, "execute", 0) == 1;
                    item.desc = file.readString(section, "desc", "");
                    item.serial = file.readString(section, "serial", "");
                    item.sizeCd = file.readString(section, "sizep", "");
                    item.sizeHd = file.readString(section, "sizeup", "");
                    item.url = file.readString(section, "url", "");
                }
            }
            data.categories[n].items.push_back(std::move(item));
        }
    }
}

}  // namespace

// The build writes the files of CFG/ with fixed spellings, but a CD may come
// back from a file system that changed their case.
fs::path findEntry(const fs::path& folder, std::string_view name)
{
    const fs::path exact = folder / qv::pathFromText(name);
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (qv::iequals(qv::pathText(it->path().filename()), name))
            return it->path();
    }
    return exact;
}

// Only regular files count: a folder in a file's place must not be read as one.
fs::path cfgFile(const fs::path& cfg, std::string_view name)
{
    const fs::path found = findEntry(cfg, name);
    return isFile(found) ? found : fs::path();
}

fs::path MenuData::typeIcon(int type) const
{
    return findEntry(cfg, "m" + std::to_string(std::clamp(type, 0, kItemTypeCount - 1) + 1) + ".ico");
}

const MenuItem* MenuData::item(int category, int index) const
{
    if (category < 0 || static_cast<std::size_t>(category) >= categories.size())
        return nullptr;
    const auto& items = categories[static_cast<std::size_t>(category)].items;
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

MenuData readMenu(const fs::path& cfg, const fs::path& root, const MenuFonts& fonts)
{
    MenuData data;
    data.cfg = cfg;
    data.root = root;
    std::error_code ec;
    data.cfgFound = fs::is_directory(cfg, ec);
    if (!data.cfgFound) {
        // Even with nothing to read, the words follow the design's default case.
        data.words = RuntimeWords::load({}, data.look.letterCase);
        return data;
    }

    const fs::path design = cfgFile(cfg, "design.cfg");
    if (!design.empty())
        data.look = readLook(design, fonts);
    data.words = RuntimeWords::load(cfgFile(cfg, "language.vlx"), data.look.letterCase);
    const fs::path genre = cfgFile(cfg, "genre.cfg");
    if (!genre.empty())
        data.categories = readCategories(genre, cfg);
    readItems(data);

    data.splash = cfgFile(cfg, "splash.bmp");
    data.background = cfgFile(cfg, "back.bmp");
    data.buttonPicture = cfgFile(cfg, "button.bmp");
    data.icon = cfgFile(cfg, "rnv.ico");
    for (std::size_t s = 0; s < data.sounds.size(); ++s)
        data.sounds[s] = cfgFile(cfg, "Sound" + std::to_string(s + 1) + ".wav");
    for (fs::directory_iterator it(cfg, ec), end; !ec && it != end; it.increment(ec)) {
        if (qv::iendsWith(qv::pathText(it->path().filename()), ".ttf") && isFile(it->path()))
            data.fonts.push_back(it->path());
    }
    std::sort(data.fonts.begin(), data.fonts.end());
    return data;
}

}  // namespace rnv
