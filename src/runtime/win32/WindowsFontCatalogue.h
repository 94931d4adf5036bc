#pragma once

#include <map>
#include <set>
#include <string>

#include "design/FontCatalogue.h"

namespace rnv::win32 {

// The installed fonts as the registry lists them ("Arial Bold (TrueType)" -> arialbd.ttf).
class WindowsFontCatalogue final : public qv::FontCatalogue {
public:
    WindowsFontCatalogue();

    std::string entry(std::string_view entryName) const override;
    bool hasFace(std::string_view face) const override;
    std::vector<std::string> faces() const override;
    std::optional<std::filesystem::path> installedFile(std::string_view fileName) const override;

private:
    std::map<std::string, std::string, std::less<>> m_entries;
    std::set<std::string, std::less<>> m_faces;
    std::filesystem::path m_folder;
};

}  // namespace rnv::win32
