// Fills the runtime's model from the category file and the design file,
// read by the same core readers the authoring program uses.
#include "MenuData.h"

#include <system_error>

#include "DesignLook.h"
#include "categories/CategoryFile.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "design/MenuDesign.h"
#include "util/ProjectFiles.h"

namespace rnv {

namespace fs = std::filesystem;

std::vector<MenuCategory> readCategories(const fs::path& genreFile, const fs::path& cfg)
{
    std::vector<MenuCategory> categories;
    for (const qv::CategoryFile::Record& r : qv::CategoryFile::read(genreFile))
        categories.push_back({r.caption, findEntry(cfg, std::to_string(r.iconNumber) + ".ico"), {}});
    return categories;
}

namespace {

// Registers the design's own fonts for this process, but only files of the
// CFG folder itself: a design file names its fonts by file name, and a name
// like ..\..\x.ttf must not reach outside the CD.
class CfgFontRegistrar final : public qv::FontRegistrar {
public:
    CfgFontRegistrar(fs::path cfg, const MenuFonts& fonts)
        : m_cfg(std::move(cfg))
        , m_fonts(fonts)
    {
    }
    bool addFont(const fs::path& file) override
    {
        std::error_code ec;
        if (fs::weakly_canonical(file.parent_path(), ec) != fs::weakly_canonical(m_cfg, ec) || ec)
            return false;
        if (!fs::is_regular_file(file, ec))
            return false;
        return m_fonts.addFont && m_fonts.addFont(file);
    }
    // The window draws with these fonts for as long as it lives; a
    // registration outlives the reader on purpose.
    void removeFont(const fs::path&) override {}

private:
    fs::path m_cfg;
    const MenuFonts& m_fonts;
};

}  // namespace

MenuLook readLook(const fs::path& designFile, const MenuFonts& fonts)
{
    const fs::path cfg = designFile.parent_path();
    qv::ProjectFiles references;
    CfgFontRegistrar registrar(cfg, fonts);
    qv::DesignFonts designFonts(fonts.installed, registrar);
    qv::MenuDesign design(references, designFonts);
    try {
        design.read(designFile, qv::MenuDesign::Companions::AsBuilt);
    } catch (const std::exception&) {
        // A colour that is no colour keeps its default; the rest of the read stands.
    }
    return lookOf(design.settings());
}

}  // namespace rnv
