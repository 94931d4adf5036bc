#pragma once

#include "CliContext.h"
#include "items/ItemEntryContext.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {
class FieldCapacity;
}

namespace qv::cli {

class CliProject;

// The rows a kind added: the first and how many.
using AddedRows = std::pair<int, int>;

// One kind of item that `add` makes. Each drives its core dialog as if the
// person pressed OK right after choosing; it checks every answer before it
// touches the table, so an error leaves nothing to save. A kind lives in
// its own file and is listed in addKinds().
struct AddKind {
    const char* name;
    // The options this kind takes, out of those of the add command.
    std::vector<std::string_view> options;
    // kOk with the rows added, else the status after printing why.
    int (*run)(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args,
               AddedRows& added);
};

const std::vector<AddKind>& addKinds();

int addFile(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args,
            AddedRows& added);
int addFolder(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args,
              AddedRows& added);
int addLink(CliContext& ctx, CliProject& project, const std::string& url, const CommandArgs& args, AddedRows& added);
int addJump(CliContext& ctx, CliProject& project, const std::string& path, const CommandArgs& args, AddedRows& added);

// The open project as the add dialogs see it from the command line: no tip, no help.
ItemEntryContext entryContextOf(CliContext& ctx, CliProject& project);

// Helpers the kinds share. Each prints what is wrong and gives nullopt (or false).
// --copy / --execute: "yes" or "no"; fallback when not given.
std::optional<bool> yesNoOption(CliContext& ctx, const CommandArgs& args, std::string_view option, bool fallback);
// --category: the index of a caption of the list; fallback when not given.
std::optional<int> categoryOption(CliContext& ctx, const CommandArgs& args, const std::vector<std::string>& captions,
                                  int fallback);
// A text option that must fit the field it goes to.
bool fitsField(CliContext& ctx, std::string_view option, const std::string& value, const FieldCapacity& capacity);

}  // namespace qv::cli
