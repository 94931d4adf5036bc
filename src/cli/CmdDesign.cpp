#include "CliContext.h"

#include "Cli.h"
#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "design/MenuDesign.h"
#include "util/Colour.h"
#include "util/Fs.h"

namespace qv::cli {

int runDesign(CliContext& ctx, const CommandArgs& args)
{
    const auto in = pathFromText(args.positional[0]);
    const auto out = pathFromText(args.positional[1]);
    if (!std::filesystem::is_regular_file(in)) {
        ctx.err << "The design file " << args.positional[0] << " does not exist.\n";
        return kFailed;
    }
    ProjectFiles data;
    FontconfigCatalogue catalogue;
    FontconfigRegistrar registrar;
    DesignFonts fonts(catalogue, registrar);
    MenuDesign design(data, fonts);
    try {
        design.read(in);
    } catch (const ColourConversionError& e) {
        ctx.err << e.what() << "\n";
        return kFailed;
    }
    design.write(out);
    ctx.out << "wrote\t" << pathText(std::filesystem::absolute(out)) << "\n";
    return kOk;
}

}  // namespace qv::cli
