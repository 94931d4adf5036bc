// add PROJECT link URL ... and add PROJECT jump FOLDER ...: the hyperlink and
// jump point dialogs given their answers on the command line.
#include "CliContext.h"
#include "CliProject.h"

#include "Cli.h"
#include "categories/CategoryList.h"
#include "items/HyperlinkDialog.h"
#include "items/ItemRules.h"
#include "items/JumpPointDialog.h"
#include "project/FieldCapacity.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include <span>
#include <system_error>

namespace qv::cli {

namespace {

// The options that only one of the two kinds takes.
constexpr const char* kLinkOnly[] = {"--password"};
constexpr const char* kJumpOnly[] = {"--serial", "--homepage"};

ItemEntryContext contextOf(CliContext& ctx, CliProject& project)
{
    ProjectSession& s = project.session();
    return ItemEntryContext{s.table(), ctx.ui, ctx.language, s.categories(), [] { return true; },
                            [&s] { return s.projectFolder(); }, {}, {}};
}

bool refuseOptionsOf(CliContext& ctx, const CommandArgs& args, std::span<const char* const> others, const char* kind)
{
    for (const char* flag : others) {
        if (args.value(flag)) {
            ctx.err << flag << " is no option of add " << kind << ".\n";
            return true;
        }
    }
    return false;
}

// The category's index, the first caption without --category; nothing after
// saying why when the project has no such category.
std::optional<int> categoryIndex(CliContext& ctx, const CommandArgs& args, const CategoryList& categories)
{
    const auto wanted = args.value("--category");
    if (!wanted)
        return categories.preselected();
    const auto& captions = categories.captions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == *wanted)
            return static_cast<int>(i);
    ctx.err << "The project has no category " << *wanted << ". Its categories are:";
    for (const auto& c : captions)
        ctx.err << " \"" << c << "\"";
    ctx.err << "\n";
    return std::nullopt;
}

std::string messageText(CliContext& ctx, const std::string& key)
{
    const std::string text = ctx.language.message(key);
    return text.empty() ? key : text;
}

// Saves the project with its new row and prints that row; false when the save failed.
int saveAndPrint(CliContext& ctx, CliProject& project, int row)
{
    ProjectSession& s = project.session();
    const YesNoWords words{s.table().yesWord(), s.table().noWord()};
    const auto cuts = FieldCapacity::cutsOf(s.header(), s.items(), words);
    if (!s.save())
        return kFailed;
    printItemRow(ctx, s.table(), row);
    printCutValues(ctx, cuts);
    return kOk;
}

}  // namespace

int runAddLink(CliContext& ctx, const CommandArgs& args)
{
    if (refuseOptionsOf(ctx, args, kJumpOnly, "link"))
        return kUsage;
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    HyperlinkDialog dialog(contextOf(ctx, project));
    dialog.prepare();
    auto& f = dialog.fields();
    const auto url = splitWebAddress(args.positional[2]);
    f.scheme = url.scheme;
    f.address = url.address;
    f.name = args.value("--name").value_or(std::string());
    f.password = args.value("--password").value_or(f.password);
    f.description = args.value("--description").value_or(f.description);
    const auto category = categoryIndex(ctx, args, project.session().categories());
    if (!category)
        return kFailed;
    f.category = *category;
    if (const auto key = dialog.refusal()) {
        ctx.err << messageText(ctx, *key) << "\n";
        return kFailed;
    }
    dialog.okClick();
    return saveAndPrint(ctx, project, dialog.addedRow());
}

int runAddJump(CliContext& ctx, const CommandArgs& args)
{
    if (refuseOptionsOf(ctx, args, kLinkOnly, "jump"))
        return kUsage;
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    std::error_code ec;
    const auto folder = std::filesystem::absolute(pathFromText(args.positional[2]), ec).lexically_normal();
    if (ec || !std::filesystem::is_directory(folder, ec)) {
        ctx.err << "The folder " << args.positional[2] << " does not exist.\n";
        return kFailed;
    }
    JumpPointDialog dialog(contextOf(ctx, project));
    dialog.prepare();
    dialog.folderChosen(pathText(folder));
    auto& f = dialog.fields();
    f.name = args.value("--name").value_or(std::string());
    f.serial = args.value("--serial").value_or(f.serial);
    f.description = args.value("--description").value_or(f.description);
    if (const auto homepage = args.value("--homepage")) {
        const auto split = splitWebAddress(*homepage);
        f.scheme = split.scheme;
        f.address = split.address;
    }
    const auto category = categoryIndex(ctx, args, project.session().categories());
    if (!category)
        return kFailed;
    f.category = *category;
    if (const auto key = dialog.refusal()) {
        ctx.err << messageText(ctx, *key) << "\n";
        return kFailed;
    }
    dialog.okClick();
    return saveAndPrint(ctx, project, dialog.addedRow());
}

}  // namespace qv::cli
