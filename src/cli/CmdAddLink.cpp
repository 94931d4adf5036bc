// The kinds link and jump of add: the hyperlink and jump point dialogs given
// their answers on the command line.
#include "CmdAdd.h"

#include "CliProject.h"

#include "Cli.h"
#include "categories/CategoryList.h"
#include "items/HyperlinkDialog.h"
#include "items/ItemRules.h"
#include "items/JumpPointDialog.h"
#include "project/ItemTable.h"
#include "project/ProjectSession.h"
#include "util/Fs.h"

#include <system_error>

namespace qv::cli {

namespace {

std::string messageText(CliContext& ctx, const std::string& key)
{
    const std::string text = ctx.language.message(key);
    return text.empty() ? key : text;
}

void takeValue(const CommandArgs& args, std::string_view option, std::string& field)
{
    if (const std::string* value = args.value(option))
        field = *value;
}

// The dialog's answers are complete: OK, or why not.
template <class Dialog>
int finish(CliContext& ctx, Dialog& dialog, AddedRows& added)
{
    if (const auto key = dialog.refusal()) {
        ctx.err << messageText(ctx, *key) << "\n";
        return kFailed;
    }
    dialog.okClick();
    added = {dialog.addedRow(), 1};
    return kOk;
}

}  // namespace

int addLink(CliContext& ctx, CliProject& project, const std::string& url, const CommandArgs& args, AddedRows& added)
{
    HyperlinkDialog dialog(entryContextOf(ctx, project));
    dialog.prepare();
    auto& f = dialog.fields();
    const auto address = splitHomepage(url);
    f.scheme = address.scheme;
    f.address = address.address;
    f.name.clear();
    takeValue(args, "--name", f.name);
    takeValue(args, "--password", f.password);
    takeValue(args, "--description", f.description);
    const auto& categories = project.session().categories();
    const auto category = categoryOption(ctx, args, categories.captions(), categories.preselected());
    if (!category)
        return kFailed;
    f.category = *category;
    return finish(ctx, dialog, added);
}

int addJump(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args, AddedRows& added)
{
    std::error_code ec;
    const auto folder = std::filesystem::absolute(pathFromText(path), ec).lexically_normal();
    if (ec || !std::filesystem::is_directory(folder, ec)) {
        ctx.err << "The folder " << path << " does not exist.\n";
        return kFailed;
    }
    JumpPointDialog dialog(entryContextOf(ctx, project));
    dialog.prepare();
    dialog.folderChosen(pathText(folder));
    auto& f = dialog.fields();
    f.name.clear();
    takeValue(args, "--name", f.name);
    takeValue(args, "--serial", f.serial);
    takeValue(args, "--description", f.description);
    if (const std::string* homepage = args.value("--homepage")) {
        const auto split = splitHomepage(*homepage);
        f.scheme = split.scheme;
        f.address = split.address;
    }
    const auto& categories = project.session().categories();
    const auto category = categoryOption(ctx, args, categories.captions(), categories.preselected());
    if (!category)
        return kFailed;
    f.category = *category;
    return finish(ctx, dialog, added);
}

}  // namespace qv::cli
