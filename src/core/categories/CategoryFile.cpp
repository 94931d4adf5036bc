#include "categories/CategoryFile.h"

#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <system_error>

namespace qv {

namespace {

// The copies of the first pass are hidden from the person (a leading dot is
// the hidden attribute here) and can't collide with a project's working copy
// <bare name>.tmp when a project file shares the folder.
std::filesystem::path hiddenTempPath(const std::filesystem::path& folder, std::size_t n)
{
    return folder / ("." + std::to_string(n) + ".tmp");
}

}  // namespace

int CategoryFile::readCount(const ProfileFile& file)
{
    return std::clamp(file.readInteger("general", "anz_items", 0), 0, kMaxCategories);
}

std::vector<CategoryFile::Record> CategoryFile::read(const std::filesystem::path& file)
{
    // A batch reads the file once instead of once per value.
    ProfileBatch batch;
    const ProfileFile profile(file, &batch);
    const int count = readCount(profile);
    std::vector<Record> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const std::string section = std::to_string(n);
        records.push_back({profile.readString(section, "caption", kMissingCaption),
                           profile.readInteger(section, "icon_number", 0)});
    }
    return records;
}

std::vector<std::string> CategoryFile::readCaptions(const std::filesystem::path& file)
{
    std::vector<std::string> captions;
    for (auto& r : read(file))
        captions.push_back(std::move(r.caption));
    return captions;
}

void CategoryFile::write(const std::filesystem::path& file, const std::vector<Source>& categories)
{
    const auto folder = file.parent_path();
    {
        ProfileBatch batch;
        ProfileFile profile(file, &batch);
        profile.writeInteger("general", "anz_items", static_cast<std::int32_t>(categories.size()));
        for (std::size_t n = 0; n < categories.size(); ++n) {
            const std::string section = std::to_string(n);
            profile.writeString(section, "caption", storableCaption(categories[n].caption));
            profile.writeInteger(section, "icon_number", static_cast<std::int32_t>(n));
        }
        batch.flush();
    }

    // The sources may be this folder's own icons in a new order, so every
    // source is read before any target is replaced.
    for (std::size_t n = 0; n < categories.size(); ++n) {
        const auto tmp = hiddenTempPath(folder, n);
        removeFileQuiet(tmp);
        copyFileReplace(categories[n].icon, tmp);
    }
    for (std::size_t n = 0; n < categories.size(); ++n) {
        const auto tmp = hiddenTempPath(folder, n);
        const auto target = iconPath(folder, static_cast<int>(n));
        // A missing source left no copy: the old icon stays, as a failed copy
        // would leave it. The copy takes the icon's place in one step, so a
        // crash never leaves half an icon.
        if (isFile(tmp)) {
            std::error_code ec;
            setReadOnly(target, false);
            std::filesystem::rename(tmp, target, ec);
            if (ec)
                copyFileReplace(tmp, target);
        }
        removeFileQuiet(tmp);
        setReadOnly(target, false);
        setArchive(target);
    }
}

std::filesystem::path CategoryFile::iconPath(const std::filesystem::path& folder, int k)
{
    return folder / (std::to_string(k) + ".ico");
}

std::vector<std::filesystem::path> CategoryFile::iconPaths(const std::filesystem::path& file)
{
    const int count = readCount(ProfileFile(file));
    std::vector<std::filesystem::path> paths;
    for (int k = 0; k < count; ++k)
        paths.push_back(iconPath(file.parent_path(), k));
    return paths;
}

std::filesystem::path CategoryFile::defaultFile(const std::filesystem::path& baseDir)
{
    return baseDir / "Files" / "Standard.qvc";
}

bool CategoryFile::isDefaultFile(const std::filesystem::path& file, const std::filesystem::path& baseDir)
{
    if (file.empty())
        return false;
    std::error_code ec;
    const auto def = defaultFile(baseDir);
    const auto a = std::filesystem::absolute(file, ec).lexically_normal();
    const auto b = std::filesystem::absolute(def, ec).lexically_normal();
    if (a == b)
        return true;
    // Another spelling of the same file (a link, a relative path) is the same file.
    return std::filesystem::equivalent(file, def, ec) && !ec;
}

std::filesystem::path CategoryFile::genreFolder(const std::filesystem::path& baseDir)
{
    return baseDir / "genre" / "";
}

std::string CategoryFile::storableCaption(std::string_view caption)
{
    std::string text(caption);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return std::string(trimmed(text));
}

}  // namespace qv
