#include "CliContext.h"

#include "Cli.h"

namespace qv::cli {

// The kinds of item that `add` makes, each in its own file.
int runAdd(CliContext& ctx, const CommandArgs& args)
{
    const std::string& kind = args.positional[1];
    if (kind == "link")
        return runAddLink(ctx, args);
    if (kind == "jump")
        return runAddJump(ctx, args);
    ctx.err << "Unknown kind of item " << kind << "; use link or jump.\n";
    return kUsage;
}

}  // namespace qv::cli
