// info and screenshot: an item's info file and screenshot written or deleted
// as the info file dialog's Create/Save and Delete do.
#include "CliContext.h"
#include "CliProject.h"

#include "Cli.h"
#include "items/ItemCompanionFiles.h"
#include "items/PictureCodecs.h"
#include "project/ItemTable.h"
#include "util/Fs.h"
#include "util/IntegerText.h"

namespace qv::cli {

namespace {

std::string messageText(CliContext& ctx, const std::string& key)
{
    const std::string text = ctx.language.message(key);
    return text.empty() ? key : text;
}

int runCompanion(CliContext& ctx, const CommandArgs& args, CompanionKind kind, const char* sourceFlag)
{
    const auto source = args.value(sourceFlag);
    const bool remove = args.has("--delete");
    if ((source != nullptr) == remove) {
        ctx.err << "Give either " << sourceFlag << " FILE or --delete.\n";
        return kUsage;
    }
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    ProjectSession& s = project.session();
    const ItemTable& table = s.table();
    std::int32_t row = 0;
    if (!parseInteger(args.positional[1], row) || row < 1 || row >= table.rowCount() || table.isEmptyRow(row)) {
        ctx.err << "The project has no item row " << args.positional[1] << ".\n";
        return kFailed;
    }
    const std::string folder = s.projectFolder();
    if (!ItemCompanionFiles::canHaveCompanions(ItemCompanionFiles::itemOf(table, row), table.isJumpPoint(row), folder)) {
        ctx.err << messageText(ctx, "M39") << "\n" << messageText(ctx, "M39_2") << "\n";
        return kFailed;
    }
    const auto target = ItemCompanionFiles::target(table, row, folder, kind);
    if (remove) {
        if (!ItemCompanionFiles::remove(target)) {
            ctx.err << messageText(ctx, "M14") << " (" << pathText(target) << ")\n";
            return kFailed;
        }
        ctx.out << "deleted\t" << pathText(target) << "\n";
        return kOk;
    }

    // Everything is read before anything is made.
    const auto sourcePath = pathFromText(*source);
    std::optional<std::string> text;
    std::optional<RgbImage> picture;
    if (kind == CompanionKind::InfoText) {
        text = ItemCompanionFiles::readText(sourcePath);
        if (!text) {
            ctx.err << "The text file " << *source << " can't be read.\n";
            return kFailed;
        }
    } else {
        picture = PictureCodecs::readPictureFile(sourcePath);
        if (!picture) {
            ctx.err << "The picture " << *source << " can't be read; give a BMP, JPEG or PNG file.\n";
            return kFailed;
        }
    }
    const auto data = ItemCompanionFiles::ensureDataFolder(folder);
    if (!data.ok) {
        ctx.err << data.error << "\n";
        return kFailed;
    }
    if (data.created)
        ctx.out << "created\t" << pathText(data.path) << "\n";
    const bool written = text ? ItemCompanionFiles::writeText(target, *text)
                              : ItemCompanionFiles::writeScreenshot(target, *picture);
    if (!written) {
        ctx.err << messageText(ctx, "M12") << " (" << pathText(target) << ")\n";
        return kFailed;
    }
    ctx.out << "wrote\t" << pathText(target) << "\n";
    return kOk;
}

}  // namespace

int runInfo(CliContext& ctx, const CommandArgs& args)
{
    return runCompanion(ctx, args, CompanionKind::InfoText, "--text");
}

int runScreenshot(CliContext& ctx, const CommandArgs& args)
{
    return runCompanion(ctx, args, CompanionKind::Screenshot, "--picture");
}

}  // namespace qv::cli
