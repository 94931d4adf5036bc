#include "CliContext.h"
#include "CliProject.h"

#include "Cli.h"
#include "DemoProject.h"
#include "build/BuildPipeline.h"
#include "util/Fs.h"

namespace qv::cli {

int runDemo(CliContext& ctx, const CommandArgs& args)
{
    const DemoProject demo = makeDemoProject(pathFromText(args.positional[0]), ctx.baseDir, ctx.language);
    ctx.out << "project\t" << pathText(demo.projectFile) << "\n"
            << "folder\t" << pathText(demo.projectFolder) << "\n";
    for (const auto& s : demo.samples)
        ctx.out << "sample\t" << pathText(s) << "\n";
    for (const auto& c : demo.companions)
        ctx.out << (c.extension() == ".txt" ? "info\t" : "screenshot\t") << pathText(c) << "\n";
    ctx.out << "items\t" << demo.itemCount << "\n";
    printCutValues(ctx, demo.cuts);

    // The project folder is the CD: the menu goes in beside the samples.
    CliProject project(ctx);
    if (!project.open(pathText(demo.projectFile)))
        return kFailed;
    ProjectSession& s = project.session();
    const BuildSummary summary = BuildPipeline::buildInto(
        BuildInput::fromProject(ctx.baseDir, s.table(), s.categories(), s.data(), s.cdName(), s.projectFolder()),
        demo.projectFolder);
    ctx.out << "cd\t" << pathText(summary.folders.root) << "\n";
    printMissingSources(ctx, summary);
    return kOk;
}

}  // namespace qv::cli
