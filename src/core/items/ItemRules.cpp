#include "items/ItemRules.h"

#include "project/ItemTable.h"

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

HomepageParts splitHomepage(std::string_view homepage)
{
    for (std::size_t i = 0; i < kHomepageSchemes.size(); ++i) {
        if (homepage.substr(0, kHomepageSchemes[i].size()) == kHomepageSchemes[i])
            return {static_cast<int>(i), std::string(homepage.substr(kHomepageSchemes[i].size()))};
    }
    return {0, std::string(homepage)};
}

std::string bareNameOf(std::string_view fileName)
{
    return std::string(fileName.substr(0, fileName.find('.')));
}

std::int64_t fileSizeOf(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size == static_cast<std::uintmax_t>(-1))
        return -1;
    return static_cast<std::int64_t>(size);
}

int categoryIndexKept(int lastIndex, int captionCount)
{
    if (captionCount <= 0)
        return -1;
    return lastIndex >= 0 && lastIndex < captionCount ? lastIndex : 0;
}

}  // namespace qv
