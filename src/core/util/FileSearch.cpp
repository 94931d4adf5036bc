#include "util/FileSearch.h"

#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>

namespace qv {

namespace {

bool listingLess(const std::string& a, const std::string& b)
{
    const int c = icompare(a, b);
    return c != 0 ? c < 0 : a < b;
}

// Length of the UTF-8 sequence starting at s[i]; an invalid byte counts as one character.
std::size_t charLength(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (b >= 0xF0 && b < 0xF8)
        n = 4;
    else if (b >= 0xE0)
        n = 3;
    else if (b >= 0xC0)
        n = 2;
    if (n == 1 || i + n > s.size())
        return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    }
    return n;
}

void searchInto(const std::string& folder, std::string_view pattern, std::vector<FoundFile>& found,
                std::int64_t* directoryReads)
{
    const FolderListing listing = listFolder(pathFromText(folder), directoryReads);
    for (const std::string& name : listing.files) {
        if (matchesFilePattern(name, pattern))
            found.push_back({folder, name});
    }
    for (const std::string& sub : listing.folders)
        searchInto(withFinalSeparator(folder + sub), pattern, found, directoryReads);
}

}  // namespace

FolderListing listFolder(const std::filesystem::path& folder, std::int64_t* directoryReads)
{
    FolderListing listing;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, ec);
    if (ec)
        return listing;
    if (directoryReads)
        ++*directoryReads;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const std::filesystem::directory_entry& entry = *it;
        if (isHiddenName(entry.path()))
            continue;
        std::error_code typeEc;
        if (entry.is_symlink(typeEc)) {
            // A link to a file is met as the file; a link to a folder is not followed.
            if (entry.is_regular_file(typeEc))
                listing.files.push_back(pathText(entry.path().filename()));
        } else if (entry.is_directory(typeEc)) {
            listing.folders.push_back(pathText(entry.path().filename()));
        } else if (entry.is_regular_file(typeEc)) {
            listing.files.push_back(pathText(entry.path().filename()));
        }
    }
    std::sort(listing.files.begin(), listing.files.end(), listingLess);
    std::sort(listing.folders.begin(), listing.folders.end(), listingLess);
    return listing;
}

bool hasWildcards(std::string_view pattern)
{
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matchesFilePattern(std::string_view name, std::string_view pattern)
{
    if (pattern.empty() || name.empty())
        return false;
    if (pattern == "*.*")
        pattern = "*";
    // Greedy match with one backtrack point: the last '*' seen.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
            continue;
        }
        if (p < pattern.size()) {
            const std::size_t nl = charLength(name, n);
            if (pattern[p] == '?') {
                ++p;
                n += nl;
                continue;
            }
            const std::size_t pl = charLength(pattern, p);
            if (nl == pl && (nl == 1 ? asciiLower(name[n]) == asciiLower(pattern[p])
                                     : name.substr(n, nl) == pattern.substr(p, pl))) {
                p += pl;
                n += nl;
                continue;
            }
        }
        if (starP == std::string_view::npos)
            return false;
        p = starP;
        starN += charLength(name, starN);
        n = starN;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string withFinalSeparator(std::string_view folder)
{
    std::string text(folder);
    constexpr char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    if (!text.empty() && text.back() != sep && text.back() != '/')
        text += sep;
    return text;
}

std::vector<FoundFile> searchFiles(std::string_view folder, std::string_view pattern, std::int64_t* directoryReads)
{
    std::vector<FoundFile> found;
    if (folder.empty())
        return found;
    searchInto(withFinalSeparator(folder), pattern, found, directoryReads);
    return found;
}

}  // namespace qv
