#include "ItemActions.h"

#include <cctype>
#include <fstream>
#include <vector>

#include "CdPath.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace rnv {

namespace fs = std::filesystem;

bool hasValue(const std::string& field)
{
    const std::string_view t = qv::trimmed(field);
    return !t.empty() && !qv::iequals(t, "n/a");
}

namespace {

bool isJumpPoint(const MenuItem& item)
{
    return item.type == kJumpPointType;
}

// The folder part of a CD path: everything up to its last backslash.
std::string cdFolder(std::string_view pfad)
{
    const auto cut = pfad.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(pfad.substr(0, cut + 1));
}

bool pathExists(const fs::path& p)
{
    std::error_code ec;
    return fs::exists(p, ec);
}

}  // namespace

std::optional<std::string> webAddress(std::string_view text)
{
    const std::string t(qv::trimmed(text));
    if (t.empty())
        return std::nullopt;
    const auto colon = t.find(':');
    std::size_t schemeEnd = 0;
    while (schemeEnd < t.size() && (std::isalnum(static_cast<unsigned char>(t[schemeEnd])) || t[schemeEnd] == '+' ||
                                    t[schemeEnd] == '-' || t[schemeEnd] == '.'))
        ++schemeEnd;
    // "example.org:8080/x" is a host with a port, not a scheme.
    const bool hasScheme = colon != std::string::npos && colon == schemeEnd && colon > 0 &&
                           !(colon + 1 < t.size() && std::isdigit(static_cast<unsigned char>(t[colon + 1])));
    if (!hasScheme)
        return colon == 1 ? std::nullopt : std::optional<std::string>("http://" + t);  // "C:..." is a drive
    const std::string scheme = qv::asciiLower(t.substr(0, colon));
    for (const char* allowed : {"http", "https", "ftp", "mailto"}) {
        if (scheme == allowed)
            return t;
    }
    return std::nullopt;
}

ItemActions::ItemActions(const MenuData& data, Desktop& desktop)
    : m_data(data)
    , m_desktop(desktop)
{
}

fs::path ItemActions::companionFile(const MenuItem& item, std::string_view ext) const
{
    if (!item.hasDetails)
        return {};
    // Beside the item's own file, where the authoring program puts it for file items.
    if (!isJumpPoint(item) && !isWebAddress(item.pfad) && hasValue(item.pfad)) {
        const ResolvedPath beside = resolveCdPath(m_data.root, companionCdPath(item.pfad, ext));
        std::error_code ec;
        if (beside.status == ResolvedPath::Status::Inside && fs::is_regular_file(beside.path, ec))
            return beside.path;
    }
    // Hyperlinks, jump points and items whose file has none: kryntdat\ by the item's name.
    const ResolvedPath byName =
        resolveCdPath(m_data.root, "\\kryntdat\\" + kryntdatName(item.caption) + "." + std::string(ext));
    std::error_code ec;
    if (byName.status == ResolvedPath::Status::Inside && fs::is_regular_file(byName.path, ec))
        return byName.path;
    return {};
}

fs::path ItemActions::infoFile(const MenuItem& item) const
{
    return companionFile(item, "txt");
}

fs::path ItemActions::screenshotFile(const MenuItem& item) const
{
    return companionFile(item, "jpg");
}

ActionSet ItemActions::available(const MenuItem& item) const
{
    ActionSet set;
    if (!item.hasDetails)
        return set;
    const bool hasPath = hasValue(item.pfad);
    set.run = item.execute && hasPath;
    set.runIsProgram = item.type == 0 && !isWebAddress(item.pfad);
    set.copy = item.copy && hasPath && !isWebAddress(item.pfad) && !isJumpPoint(item);
    set.info = !infoFile(item).empty();
    set.screenshot = !screenshotFile(item).empty();
    set.homepage = hasValue(item.url) && webAddress(item.url).has_value();
    return set;
}

fs::path ItemActions::resolveOrTell(const std::string& pfad)
{
    const ResolvedPath resolved = resolveCdPath(m_data.root, pfad);
    if (resolved.status != ResolvedPath::Status::Inside) {
        m_desktop.message(m_data.words.format(Word::PathRefused, pfad));
        return {};
    }
    if (!pathExists(resolved.path)) {
        m_desktop.message(m_data.words.format(Word::NotFound, pfad));
        return {};
    }
    return resolved.path;
}

bool ItemActions::run(const MenuItem& item)
{
    if (!available(item).run)
        return false;
    if (isWebAddress(item.pfad))
        return openWeb(item.pfad);

    if (isJumpPoint(item) || looksLikeJumpPoint(item)) {
        // A jump point's pfad is its folder followed by the jump word.
        const fs::path folder = resolveOrTell(cdFolder(item.pfad).empty() ? "\\" : cdFolder(item.pfad));
        return !folder.empty() && m_desktop.openPath(folder);
    }

    const fs::path target = resolveOrTell(item.pfad);
    if (target.empty())
        return false;
    std::error_code ec;
    bool started = false;
    if (item.type == 0 && fs::is_regular_file(target, ec))
        started = m_desktop.startProgram(target);
    else
        started = m_desktop.openPath(target);
    if (!started)
        m_desktop.message(m_data.words.format(Word::StartFailed, item.pfad));
    return started;
}

bool ItemActions::looksLikeJumpPoint(const MenuItem& item) const
{
    // The build types a jump point 12 only when the authoring language's jump
    // word is "Jump Point"; in other languages its word ("Sprungpunkt") has no
    // ending and gets type 2. Such an entry names no file, but its folder is there.
    if (item.type != 2)
        return false;
    const std::string folder = cdFolder(item.pfad);
    const std::string last = item.pfad.substr(folder.size());
    if (last.empty() || last.find('.') != std::string::npos)
        return false;
    const ResolvedPath target = resolveCdPath(m_data.root, item.pfad);
    const ResolvedPath parent = resolveCdPath(m_data.root, folder.empty() ? "\\" : folder);
    std::error_code ec;
    return target.status == ResolvedPath::Status::Inside && !fs::exists(target.path, ec) &&
           parent.status == ResolvedPath::Status::Inside && fs::is_directory(parent.path, ec);
}

bool ItemActions::openWeb(const std::string& text)
{
    const auto address = webAddress(text);
    if (!address) {
        m_desktop.message(m_data.words.format(Word::PathRefused, text));
        return false;
    }
    return m_desktop.openAddress(*address);
}

bool ItemActions::openHomepage(const MenuItem& item)
{
    if (!hasValue(item.url))
        return false;
    return openWeb(item.url);
}

bool ItemActions::copy(const MenuItem& item, const Progress& progress)
{
    if (!available(item).copy)
        return false;
    if (resolveOrTell(item.pfad).empty())
        return false;
    const auto folder = m_desktop.chooseFolder(m_data.words[Word::CopyTitle]);
    if (!folder)
        return false;
    return copyTo(item, *folder, progress);
}

bool ItemActions::copyTo(const MenuItem& item, const fs::path& folder, const Progress& progress)
{
    if (!available(item).copy)
        return false;
    const fs::path source = resolveOrTell(item.pfad);
    if (source.empty())
        return false;

    // Every file with its target first, so the progress knows the total.
    std::vector<std::pair<fs::path, fs::path>> files;
    std::vector<fs::path> folders;
    std::uintmax_t total = 0;
    std::error_code ec;
    const fs::path target = folder / source.filename();
    if (fs::is_directory(source, ec)) {
        folders.push_back(target);
        for (fs::recursive_directory_iterator it(source, fs::directory_options::none, ec), end; !ec && it != end;
             it.increment(ec)) {
            // A link inside the folder could lead off the CD.
            if (it->is_symlink(ec))
                continue;
            const fs::path to = target / fs::relative(it->path(), source, ec);
            if (it->is_directory(ec)) {
                folders.push_back(to);
            } else if (it->is_regular_file(ec)) {
                total += it->file_size(ec);
                files.emplace_back(it->path(), to);
            }
        }
    } else {
        total = fs::file_size(source, ec);
        files.emplace_back(source, target);
    }

    bool ok = true;
    for (const auto& f : folders) {
        fs::create_directories(f, ec);
        ok = ok && !ec;
    }
    std::uintmax_t done = 0;
    std::vector<char> buffer(1 << 20);
    for (const auto& [from, to] : files) {
        // Copying a file onto itself (the user chose the item's own folder)
        // would empty it when the target is opened; it is already there.
        if (fs::equivalent(from, to, ec)) {
            done += fs::file_size(from, ec);
            continue;
        }
        std::ifstream in(from, std::ios::binary);
        std::ofstream out(to, std::ios::binary | std::ios::trunc);
        if (!in || !out) {
            ok = false;
            continue;
        }
        while (in) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            const auto got = in.gcount();
            if (got <= 0)
                break;
            out.write(buffer.data(), got);
            done += static_cast<std::uintmax_t>(got);
            if (progress && !progress(done, total)) {
                out.close();
                fs::remove(to, ec);  // a half-copied file is worse than none
                return false;
            }
        }
        out.close();
        if (!out || in.bad())
            ok = false;
    }
    if (!ok)
        m_desktop.message(m_data.words.format(Word::CopyFailed, item.pfad));
    return ok;
}

}  // namespace rnv
