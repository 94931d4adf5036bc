// A design file as the design editor and the runtime read it, written back.
#include "FuzzSupport.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "design/MenuDesign.h"
#include "util/Colour.h"
#include "util/ProjectFiles.h"

#include <exception>

namespace {

class NoFonts final : public qv::FontRegistrar {
public:
    bool addFont(const std::filesystem::path&) override { return true; }
    void removeFont(const std::filesystem::path&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static qv::FolderFontCatalogue catalogue(qv::fuzz::scratchFolder() / "fonts");
    static NoFonts registrar;
    const auto file = qv::fuzz::writeInput("design/d.qvd", qv::fuzz::asText(data, size));
    qv::ProjectFiles files;
    qv::DesignFonts fonts(catalogue, registrar);
    qv::MenuDesign design(files, fonts);
    for (const auto companions : {qv::MenuDesign::Companions::AsNamed, qv::MenuDesign::Companions::AsBuilt}) {
        try {
            design.read(file, companions);
        } catch (const std::exception&) {
            // A bad colour is reported after the read completes.
        }
    }
    try {
        design.write(qv::fuzz::scratchFolder() / "design" / "out.qvd");
    } catch (const std::exception&) {
    }
    return 0;
}
