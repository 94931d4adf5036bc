#include "CliContext.h"

#include "Cli.h"
#include "DemoProject.h"
#include "util/Fs.h"

namespace qv::cli {

int runDemo(CliContext& ctx, const CommandArgs& args)
{
    const DemoProject demo = makeDemoProject(pathFromText(args.positional[0]), ctx.baseDir, ctx.language);
    ctx.out << "project\t" << pathText(demo.projectFile) << "\n"
            << "folder\t" << pathText(demo.projectFolder) << "\n";
    for (const auto& s : demo.samples)
        ctx.out << "sample\t" << pathText(s) << "\n";
    ctx.out << "items\t" << demo.itemCount << "\n";
    return kOk;
}

}  // namespace qv::cli
