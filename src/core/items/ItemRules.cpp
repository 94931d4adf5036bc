#include "items/ItemRules.h"

#include <cmath>

namespace qv {

std::string sizeText(std::int64_t bytes)
{
    const double mb = static_cast<double>(bytes) / 1024.0 / 1024.0;
    const auto n = static_cast<std::int64_t>(std::trunc(mb));
    return n >= 1 ? std::to_string(n) + " MB" : std::string("< 1 MB");
}

std::string cdPathOf(std::string_view folderText, std::string_view projectFolderText)
{
    if (folderText.empty())
        return "\\";
    std::string value(folderText);
    if (!projectFolderText.empty() && folderText.substr(0, projectFolderText.size()) == projectFolderText)
        value = std::string(folderText.substr(projectFolderText.size()));
    for (char& c : value) {
        if (c == '/')
            c = '\\';
    }
    if (value.empty() || value.front() != '\\')
        value.insert(value.begin(), '\\');
    return value;
}

std::string homepageOf(std::string_view scheme, std::string_view address)
{
    if (address.empty() || address == "n/a")
        return std::string(address);
    return std::string(scheme) + std::string(address);
}

}  // namespace qv
