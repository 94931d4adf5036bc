// add: items made by the add dialogs, from the command line.
#include "CmdAdd.h"

#include <algorithm>

#include "CliProject.h"

#include "Cli.h"
#include "categories/CategoryList.h"
#include "items/AddFileDialog.h"
#include "items/AddFolderDialog.h"
#include "items/FolderItemNaming.h"
#include "items/ItemRules.h"
#include "project/FieldCapacity.h"
#include "project/ItemTable.h"
#include "project/ProjectSession.h"
#include "util/Fs.h"

namespace qv::cli {

const std::vector<AddKind>& addKinds()
{
    static const std::vector<AddKind> kinds{
        {"file",
         {"--name", "--category", "--serial", "--hdsize", "--description", "--homepage", "--copy", "--execute"},
         addFile},
        {"folder",
         {"--subfolders", "--name", "--category", "--serial", "--description", "--homepage", "--copy", "--execute"},
         addFolder},
        {"link", {"--name", "--password", "--description", "--category"}, addLink},
        {"jump", {"--name", "--serial", "--description", "--homepage", "--category"}, addJump},
    };
    return kinds;
}

ItemEntryContext entryContextOf(CliContext& ctx, CliProject& project)
{
    ProjectSession& s = project.session();
    return ItemEntryContext{s.table(), ctx.ui, ctx.language, s.categories(), [] { return true; },
                            [&s] { return s.projectFolder(); }, {}, {}};
}

std::optional<bool> yesNoOption(CliContext& ctx, const CommandArgs& args, std::string_view option, bool fallback)
{
    const std::string* value = args.value(option);
    if (!value)
        return fallback;
    if (*value == "yes")
        return true;
    if (*value == "no")
        return false;
    ctx.err << option << " takes yes or no, not \"" << *value << "\".\n";
    return std::nullopt;
}

std::optional<int> categoryOption(CliContext& ctx, const CommandArgs& args, const std::vector<std::string>& captions,
                                  int fallback)
{
    const std::string* value = args.value("--category");
    if (!value)
        return fallback;
    const auto it = std::find(captions.begin(), captions.end(), *value);
    if (it != captions.end())
        return static_cast<int>(it - captions.begin());
    ctx.err << "The project has no category \"" << *value << "\". Its categories are:";
    for (const auto& c : captions)
        ctx.err << " \"" << c << "\"";
    ctx.err << "\n";
    return std::nullopt;
}

bool fitsField(CliContext& ctx, std::string_view option, const std::string& value, const FieldCapacity& capacity)
{
    if (capacity.fits(value))
        return true;
    ctx.err << option << " is longer than its field holds (" << capacity.bytes() << " bytes).\n";
    return false;
}

namespace {

bool optionsFit(const std::vector<std::string_view>& allowed, const CommandArgs& args, CliContext& ctx,
                const char* kind)
{
    const auto check = [&](const std::string& option) {
        if (std::find(allowed.begin(), allowed.end(), option) != allowed.end())
            return true;
        ctx.err << option << " does not go with add " << kind << ".\n";
        return false;
    };
    for (const auto& f : args.flags)
        if (!check(f))
            return false;
    for (const auto& [option, value] : args.values)
        if (!check(option))
            return false;
    return true;
}

// Sets a typed field from its option when given; false when it doesn't fit.
template <class Dialog>
bool takeText(CliContext& ctx, Dialog& dialog, const CommandArgs& args, std::string_view option,
              typename Dialog::Input input)
{
    const std::string* value = args.value(option);
    if (!value)
        return true;
    if (!fitsField(ctx, option, *value, dialog.capacity(input)))
        return false;
    dialog.setInput(input, *value);
    return true;
}

// --homepage whole: its scheme (when it has one of the offered ones) goes to the choice.
template <class Dialog>
bool takeHomepage(CliContext& ctx, Dialog& dialog, const CommandArgs& args)
{
    const std::string* value = args.value("--homepage");
    if (!value)
        return true;
    const HomepageParts parts = splitHomepage(*value);
    if (!fitsField(ctx, "--homepage", parts.address, dialog.capacity(Dialog::Input::Address)))
        return false;
    dialog.setSchemeIndex(parts.scheme);
    dialog.setInput(Dialog::Input::Address, parts.address);
    return true;
}

// The settings every kind shares: category, copy and execute.
template <class Dialog>
bool takeCommon(CliContext& ctx, Dialog& dialog, const CommandArgs& args)
{
    const auto category = categoryOption(ctx, args, dialog.categories(), dialog.categoryIndex());
    const auto copy = yesNoOption(ctx, args, "--copy", dialog.copy());
    const auto execute = yesNoOption(ctx, args, "--execute", dialog.executable());
    if (!category || !copy || !execute)
        return false;
    dialog.setCategoryIndex(*category);
    dialog.setCopy(*copy);
    dialog.setExecutable(*execute);
    return true;
}

}  // namespace

int addFile(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args,
            AddedRows& added)
{
    const auto file = std::filesystem::absolute(pathFromText(path));
    if (!std::filesystem::is_regular_file(file)) {
        ctx.err << "The file " << path << " does not exist.\n";
        return kFailed;
    }
    AddFileDialog dialog(entryContextOf(ctx, project));
    using In = AddFileDialog::Input;
    dialog.prepare();
    dialog.fileChosen(file);
    if (!takeText(ctx, dialog, args, "--name", In::Name) || !takeText(ctx, dialog, args, "--serial", In::Serial) ||
        !takeText(ctx, dialog, args, "--hdsize", In::HdSize) ||
        !takeText(ctx, dialog, args, "--description", In::Description) || !takeHomepage(ctx, dialog, args) ||
        !takeCommon(ctx, dialog, args))
        return kFailed;
    if (dialog.input(In::Name).empty()) {
        ctx.err << ctx.language.message("M4") << "\n";
        return kFailed;
    }
    dialog.addClick();
    if (dialog.isOpen())
        return kFailed;
    added = dialog.addedRows();
    return kOk;
}

int addFolder(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args,
              AddedRows& added)
{
    const auto folder = std::filesystem::absolute(pathFromText(path));
    if (!std::filesystem::is_directory(folder)) {
        ctx.err << "The folder " << path << " does not exist.\n";
        return kFailed;
    }
    FolderItemNaming naming(ctx.ui);
    AddFolderDialog dialog(entryContextOf(ctx, project), naming);
    using In = AddFolderDialog::Input;
    dialog.prepare();
    dialog.setIncludeSubfolders(args.has("--subfolders"));
    if (args.value("--name")) {
        dialog.setNaming(AddFolderDialog::Naming::Common);
        if (!takeText(ctx, dialog, args, "--name", In::CommonName))
            return kFailed;
    }
    if (!takeText(ctx, dialog, args, "--serial", In::Serial) ||
        !takeText(ctx, dialog, args, "--description", In::Description) || !takeHomepage(ctx, dialog, args) ||
        !takeCommon(ctx, dialog, args))
        return kFailed;
    // The command line can't be stopped part way, so a search always completes.
    dialog.searchFolder(folder);
    if (dialog.selectedCount() == 0) {
        ctx.err << ctx.language.message("M2") << "\n";
        return kFailed;
    }
    dialog.addClick();
    if (dialog.isOpen())
        return kFailed;
    added = dialog.addedRows();
    return kOk;
}

int runAdd(CliContext& ctx, const CommandArgs& args)
{
    const std::string& kindName = args.positional[1];
    const auto& kinds = addKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const AddKind& k) { return kindName == k.name; });
    if (kind == kinds.end()) {
        ctx.err << "Unknown kind " << kindName << "; use";
        for (const auto& k : kinds)
            ctx.err << " " << k.name;
        ctx.err << ".\n";
        return kUsage;
    }
    if (!optionsFit(kind->options, args, ctx, kind->name))
        return kUsage;

    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    AddedRows added{0, 0};
    const int status = kind->run(ctx, project, args.positional[2], args, added);
    if (status != kOk)
        return status;

    ProjectSession& s = project.session();
    const YesNoWords words{s.table().yesWord(), s.table().noWord()};
    const auto cuts = FieldCapacity::cutsOf(s.header(), s.items(), words);
    if (!project.save())
        return kFailed;
    for (int row = added.first; row < added.first + added.second; ++row)
        printItemRow(ctx, s.table(), row);
    printCutValues(ctx, cuts);
    return kOk;
}

}  // namespace qv::cli
