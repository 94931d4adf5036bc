#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// The icon packs below ip/ in the base directory: ipNN.cfg (NN = 01..99) with
// general/anz_icons = K, and the folder ipNN/ with ipNNi01.ico .. ipNNi<K>.ico.
class IconPack final {
public:
    static constexpr int kFirstPack = 1;
    static constexpr int kLastPack = 99;
    static constexpr const char* kPackTitle = "Icon Pack ";

    // Two digits below 10 ("07"), plainly from 10 on ("10", "123").
    static std::string numberText(int k);
    // The packs whose ipNN.cfg exists, in number order, as their two-digit NN.
    static std::vector<std::string> scan(const std::filesystem::path& baseDir);
    static std::filesystem::path configFile(const std::filesystem::path& baseDir, const std::string& nn);
    static std::filesystem::path folder(const std::filesystem::path& baseDir, const std::string& nn);
    // anz_icons, missing as 0, clamped to 0..255 like the category count.
    static int iconCount(const std::filesystem::path& baseDir, const std::string& nn);
    // ip/ipNN/ipNNi<caption>.ico
    static std::filesystem::path iconPath(const std::filesystem::path& baseDir, const std::string& nn,
                                          const std::string& caption);
};

}  // namespace qv
