#include "build/ItemType.h"

#include "util/Text.h"

#include <initializer_list>
#include <string>

namespace qv {

namespace {

struct Rule {
    int type;
    std::initializer_list<std::string_view> endings;
    std::initializer_list<std::string_view> beginnings;
};

// Applied in this order; every rule that applies replaces the type found so
// far, so "http://x/a.gif" is 5 and "http://x/a.exe" is 4.
const Rule kRules[] = {
    {0, {"exe"}, {}},
    {1, {"zip"}, {}},
    {3, {"hlp"}, {}},
    {4, {"url", "htm", "html"}, {"http", "https", "ftp"}},
    {5, {"bmp", "jpg", "jpeg", "gif"}, {}},
    {6, {"wav", "mod", "xm", "it", "s3m", "stm", "med", "669"}, {}},
    {7, {"txt"}, {}},
    {8, {"doc"}, {}},
    {9, {"avi", "mp3", "mov", "mpg", "mpeg"}, {}},
    {10, {"ttf"}, {}},
    {11, {"ico"}, {}},
    {13, {"pdf", "ppt", "xls", "mdb", "psd"}, {}},
};

bool applies(const Rule& rule, std::string_view name)
{
    // Endings need no dot: "toolkit" ends in "it".
    for (const auto ending : rule.endings)
        if (name.ends_with(ending))
            return true;
    for (const auto beginning : rule.beginnings)
        if (name.starts_with(beginning))
            return true;
    return false;
}

}  // namespace

int itemType(std::string_view fileName, const JumpWords& jumpWords)
{
    const std::string name = asciiLower(fileName);
    // A jump point names a folder, whatever its word happens to end in.
    if (jumpWords.matches(fileName))
        return 12;
    int type = 2;
    for (const auto& rule : kRules)
        if (applies(rule, name))
            type = rule.type;
    return type;
}

}  // namespace qv
