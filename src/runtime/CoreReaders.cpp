// Fills the runtime's model from the category file and the design file,
// read by the same core readers the authoring program uses.
#include "MenuData.h"

#include <algorithm>
#include <map>

#include <QFontDatabase>

#include "DesignLook.h"
#include "Painting.h"
#include "util/ProjectFiles.h"
#include "categories/CategoryFile.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "design/MenuDesign.h"
#include "util/Colour.h"
#include "util/Fs.h"

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
    explicit CfgFontRegistrar(fs::path cfg)
        : m_cfg(std::move(cfg))
    {
    }
    bool addFont(const fs::path& file) override
    {
        std::error_code ec;
        if (fs::weakly_canonical(file.parent_path(), ec) != fs::weakly_canonical(m_cfg, ec) || ec)
            return false;
        if (!fs::is_regular_file(file, ec))
            return false;
        const int id = QFontDatabase::addApplicationFont(toQString(file));
        if (id < 0)
            return false;
        m_ids[file] = id;
        return true;
    }
    void removeFont(const fs::path& file) override
    {
        // The window draws with these fonts for as long as it lives; a
        // registration outlives the reader on purpose.
        m_ids.erase(file);
    }

private:
    fs::path m_cfg;
    std::map<fs::path, int> m_ids;
};

}  // namespace

MenuLook readLook(const fs::path& designFile)
{
    const fs::path cfg = designFile.parent_path();
    qv::ProjectFiles references;
    const qv::FontconfigCatalogue catalogue;
    CfgFontRegistrar registrar(cfg);
    qv::DesignFonts fonts(catalogue, registrar);
    qv::MenuDesign design(references, fonts);
    try {
        design.read(designFile, qv::MenuDesign::Companions::AsBuilt);
    } catch (const std::exception&) {
        // A colour that is no colour keeps its default; the rest of the read stands.
    }
    return lookOf(design.settings());
}

}  // namespace rnv
