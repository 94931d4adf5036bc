#pragma once

#include "design/FontRegistrar.h"

#include <filesystem>
#include <map>

namespace qv::gui {

// A design's own fonts as application fonts of the program, so the editor's
// samples and font lists draw in them while the design is loaded.
class QtFontRegistrar final : public FontRegistrar {
public:
    bool addFont(const std::filesystem::path& file) override;
    void removeFont(const std::filesystem::path& file) override;

private:
    struct Registered {
        int id = -1;
        int uses = 0;  // two slots may bring the same file
    };
    std::map<std::filesystem::path, Registered> m_fonts;
};

}  // namespace qv::gui
