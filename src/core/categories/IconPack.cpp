#include "categories/IconPack.h"

#include "profile/ProfileFile.h"

#include <algorithm>
#include <system_error>

namespace qv {

std::string IconPack::numberText(int k)
{
    return (k >= 0 && k < 10 ? "0" : "") + std::to_string(k);
}

std::vector<std::string> IconPack::scan(const std::filesystem::path& baseDir)
{
    std::vector<std::string> packs;
    std::error_code ec;
    for (int nn = kFirstPack; nn <= kLastPack; ++nn) {
        const std::string text = numberText(nn);
        if (std::filesystem::is_regular_file(configFile(baseDir, text), ec))
            packs.push_back(text);
    }
    return packs;
}

std::filesystem::path IconPack::configFile(const std::filesystem::path& baseDir, const std::string& nn)
{
    return baseDir / "ip" / ("ip" + nn + ".cfg");
}

std::filesystem::path IconPack::folder(const std::filesystem::path& baseDir, const std::string& nn)
{
    return baseDir / "ip" / ("ip" + nn) / "";
}

int IconPack::iconCount(const std::filesystem::path& baseDir, const std::string& nn)
{
    return std::clamp(ProfileFile(configFile(baseDir, nn)).readInteger("general", "anz_icons", 0), 0, 255);
}

std::filesystem::path IconPack::iconPath(const std::filesystem::path& baseDir, const std::string& nn,
                                         const std::string& caption)
{
    return baseDir / "ip" / ("ip" + nn) / ("ip" + nn + "i" + caption + ".ico");
}

}  // namespace qv
