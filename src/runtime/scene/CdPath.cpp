#include "CdPath.h"

#include <vector>

#include "util/Fs.h"
#include "util/Text.h"

namespace rnv {

namespace fs = std::filesystem;

bool isWebAddress(std::string_view pfad)
{
    const std::string_view t = qv::trimmed(pfad);
    for (std::string_view prefix : {"http:", "https:", "ftp:", "www.", "mailto:"}) {
        if (qv::istartsWith(t, prefix))
            return true;
    }
    return false;
}

namespace {

bool isBelow(const fs::path& inner, const fs::path& outer)
{
    auto o = outer.begin();
    auto i = inner.begin();
    for (; o != outer.end(); ++o, ++i) {
        if (o->empty())
            continue;  // the empty last element of a path ending in a separator
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

// CDs are written on a file system that ignores letter case, so a name that
// is not there as written is looked up without case.
fs::path matchingEntry(const fs::path& folder, const std::string& name)
{
    fs::path exact = folder / qv::pathFromText(name);
    std::error_code ec;
    if (fs::exists(exact, ec) || !fs::is_directory(folder, ec))
        return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (qv::iequals(qv::pathText(it->path().filename()), name))
            return it->path();
    }
    return exact;
}

}  // namespace

ResolvedPath resolveCdPath(const fs::path& root, std::string_view pfad)
{
    ResolvedPath result;
    const std::string_view text = qv::trimmed(pfad);
    if (text.empty())
        return result;
    result.status = ResolvedPath::Status::Outside;

    // "\\server\share" and "C:\..." name places that are not on this CD.
    if (text.size() >= 2 && (text[0] == '\\' || text[0] == '/') && (text[1] == '\\' || text[1] == '/'))
        return result;
    if (text.find(':') != std::string_view::npos)
        return result;

    std::vector<std::string> parts;
    std::string part;
    auto endPart = [&]() -> bool {
        if (part.empty() || part == ".") {
            part.clear();
            return true;
        }
        if (part == "..") {
            if (parts.empty())
                return false;
            parts.pop_back();
        } else {
            parts.push_back(part);
        }
        part.clear();
        return true;
    };
    for (char c : text) {
        if (c == '\\' || c == '/') {
            if (!endPart())
                return result;
        } else if (c == '\0') {
            return result;
        } else {
            part += c;
        }
    }
    if (!endPart())
        return result;

    fs::path path = root;
    for (const auto& p : parts)
        path = matchingEntry(path, p);

    // A link on the CD may point anywhere; follow it before trusting the path.
    std::error_code ec;
    const fs::path realRoot = fs::weakly_canonical(root, ec);
    const fs::path realPath = ec ? fs::path() : fs::weakly_canonical(path, ec);
    if (ec || !isBelow(realPath, realRoot))
        return result;

    result.status = ResolvedPath::Status::Inside;
    result.path = path;
    return result;
}

std::string companionCdPath(std::string_view pfad, std::string_view ext)
{
    const std::string_view t = qv::trimmed(pfad);
    std::string out(t.substr(0, t.size() >= 3 ? t.size() - 3 : 0));
    out += ext;
    return out;
}

std::string kryntdatName(std::string_view caption)
{
    std::string out(caption);
    for (char& c : out) {
        if (c == '"' || c == '*' || c == '/' || c == ':' || c == '<' || c == '>' || c == '?' || c == '\\' || c == '|')
            c = '_';
    }
    return out;
}

}  // namespace rnv
