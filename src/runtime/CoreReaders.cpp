// The Qt runtime reads its menu against fontconfig's installed fonts and
// registers the design's own fonts with Qt.
#include "MenuData.h"

#include <QFontDatabase>

#include "Painting.h"
#include "design/FontCatalogue.h"

namespace rnv {

MenuData readMenu(const std::filesystem::path& cfg, const std::filesystem::path& root)
{
    const qv::FontconfigCatalogue catalogue;
    const MenuFonts fonts{catalogue, [](const std::filesystem::path& file) {
                              return QFontDatabase::addApplicationFont(toQString(file)) >= 0;
                          }};
    return readMenu(cfg, root, fonts);
}

}  // namespace rnv
