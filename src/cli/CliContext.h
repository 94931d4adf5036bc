#pragma once

#include "HeadlessUi.h"
#include "i18n/Language.h"

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv {
class ItemTable;
struct BuildSummary;
struct CutValue;
}

namespace qv::cli {

// What every command gets: the base directory, the interface language, the
// streams and a Ui that never asks.
struct CliContext {
    std::filesystem::path baseDir;
    Language language;
    std::ostream& out;
    std::ostream& err;
    HeadlessUi ui;

    CliContext(std::filesystem::path base, Language lang, std::ostream& o, std::ostream& e)
        : baseDir(std::move(base))
        , language(std::move(lang))
        , out(o)
        , err(e)
        , ui(e)
    {
    }
};

// A command's arguments after its name: positional words, --flags and
// --options with the value that follows them.
struct CommandArgs {
    std::vector<std::string> positional;
    std::vector<std::string> flags;
    std::map<std::string, std::string, std::less<>> values;

    bool has(std::string_view flag) const;
    // The value given to an option; nullptr when it wasn't given.
    const std::string* value(std::string_view option) const;
};

struct Command {
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;  // one line
    const char* details;  // the rest of its --help
    std::vector<const char*> allowedFlags;
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(CliContext& ctx, const CommandArgs& args);
    // Options that take the next word as their value ("--name N").
    std::vector<const char*> valueOptions = {};
};

const std::vector<Command>& commands();

// Notes for copies that found no source, apart from Unzdll.dll, which this
// platform's runtime doesn't need and which is not shipped.
void printMissingSources(CliContext& ctx, const BuildSummary& summary);
// A warning on the error stream for every value a written project file keeps
// only in part, naming its row and field.
void printCutValues(CliContext& ctx, const std::vector<CutValue>& cuts);
// One item row as show prints it: the twelve fields in field order, separated by TABs.
void printItemRow(CliContext& ctx, const ItemTable& table, int row);

// Commands, one file each.
int runDesign(CliContext& ctx, const CommandArgs& args);
int runDemo(CliContext& ctx, const CommandArgs& args);
int runShow(CliContext& ctx, const CommandArgs& args);
int runBuild(CliContext& ctx, const CommandArgs& args);
int runCheck(CliContext& ctx, const CommandArgs& args);
int runExport(CliContext& ctx, const CommandArgs& args);
int runRecord(CliContext& ctx, const CommandArgs& args);
int runAdd(CliContext& ctx, const CommandArgs& args);
int runInfo(CliContext& ctx, const CommandArgs& args);
int runScreenshot(CliContext& ctx, const CommandArgs& args);

}  // namespace qv::cli
