#pragma once

#include <filesystem>
#include <vector>

namespace qv {

// Makes a design's own font files usable while the design is loaded. The GUI
// implements it with QFontDatabase; headless code uses fontconfig.
class FontRegistrar {
public:
    virtual ~FontRegistrar() = default;
    // False when the file is missing or no font; nothing is reported.
    virtual bool addFont(const std::filesystem::path& file) = 0;
    virtual void removeFont(const std::filesystem::path& file) = 0;
};

// Adds the files to fontconfig's application fonts of this process.
// fontconfig can't drop a single application font, so removing one clears
// them all and adds back the others.
class FontconfigRegistrar final : public FontRegistrar {
public:
    bool addFont(const std::filesystem::path& file) override;
    void removeFont(const std::filesystem::path& file) override;

private:
    std::vector<std::filesystem::path> m_added;
};

}  // namespace qv
