#include "Cli.h"

#include "CliContext.h"
#include "app/AppInfo.h"
#include "util/BaseDirectory.h"
#include "i18n/Settings.h"
#include "util/Fs.h"
#include "util/IntegerText.h"
#include "util/LegacyCodePage.h"
#include "util/Text.h"

#include <algorithm>
#include <optional>

namespace qv::cli {

bool CommandArgs::has(std::string_view flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const std::string* CommandArgs::value(std::string_view option) const
{
    const auto it = values.find(option);
    return it == values.end() ? nullptr : &it->second;
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table{
        {"show", "PROJECT", "print a project's header and its items",
         "Prints cdname, rootname, categories (the resolved category file) and design (the resolved design\n"
         "file), each followed by a TAB and its value, then one line per item row: the twelve fields in\n"
         "field order (Name, File Name, CD Path, Serial, CD Size, HD Size, Description, Category, Copy,\n"
         "File Source Location, Homepage, Execute) separated by TABs.\n",
         {}, 1, 1, runShow},
        {"build", "PROJECT OUTDIR [--run]", "build the CD folder of a project into OUTDIR",
         "Writes rnv.exe, autorun.inf and CFG/ with every file the menu runtime reads into OUTDIR, as the\n"
         "Build command does with OUTDIR chosen. --run starts the menu runtime afterwards.\n",
         {"--run"}, 2, 2, runBuild},
        {"check", "PROJECT [--save]", "check a project's items against the disk",
         "Re-points items whose files moved below the project folder (the first place found when there are\n"
         "several) and removes items whose files are gone. Prints one line per removed item:\n"
         "  removed<TAB>number<TAB>Name<TAB>File Name<TAB>CD Path<TAB>File Source Location\n"
         "and per re-pointed item:\n"
         "  replaced<TAB>number<TAB>Name<TAB>File Name<TAB>new CD Path<TAB>old CD Path<TAB>\n"
         "  new File Source Location<TAB>old File Source Location\n"
         "--save saves the project when anything changed.\n",
         {"--save"}, 1, 1, runCheck},
        {"export", "PROJECT FORMAT FILE", "export the item list (asc, cvs, html, doc, xls)",
         "Writes the item table as the program shows it after start-up (the settings file's column order,\n"
         "visibility and colours) as fixed-width text (asc), comma-separated values (cvs), HTML (html),\n"
         "a Word document (doc) or an Excel workbook (xls).\n",
         {}, 3, 3, runExport},
        {"record", "PROJECT [--open]", "write the recording project of a built project folder",
         "Lists the built project folder in the recording program's project format and writes\n"
         "Files/burn vlx.cpj below the base directory; prints its path. --open opens it.\n",
         {"--open"}, 1, 1, runRecord},
        {"design", "IN.qvd OUT.qvd", "read a design file and write it again as the design editor writes it",
         "Reads IN.qvd with every default and fallback of the design reader and writes it to OUT.qvd in the\n"
         "fixed layout. A colour that can't be read is an error; nothing is written then.\n",
         {}, 2, 2, runDesign},
        {"demo", "DIR", "make a ready-to-build demo project below DIR",
         "Makes DIR/cd, a project folder with a few small sample items in sub-folders (a text, a web page,\n"
         "a picture, a tune, a program), a hyperlink and a jump point, and DIR/demo.qvp, a project file\n"
         "that uses the shipped default categories and design, then builds the CD folder into DIR/cd.\n"
         "The setup program gets an info text and the picture a screenshot, as the info file dialog makes them.\n",
         {}, 1, 1, runDemo},
        {"add", "PROJECT KIND PATH [OPTIONS]", "add items to a project (KIND: file, folder, link, jump)",
         "Adds items as the add dialogs do, saves the project and prints the rows added as show prints them.\n"
         "  add PROJECT file PATH [--name N] [--category C] [--serial S] [--hdsize T] [--description D]\n"
         "                        [--homepage URL] [--copy yes|no] [--execute yes|no]\n"
         "      One item for the file PATH. Defaults: Name the file name up to its first dot; Serial, HD\n"
         "      Size, Description and Homepage n/a; CD Size the file's whole megabytes (\"< 1 MB\" below\n"
         "      one); Copy yes; Execute yes unless the file is of no kind the menu can run; the first\n"
         "      category.\n"
         "  add PROJECT folder PATH [--subfolders] [--name COMMON] [--category C] [--serial S]\n"
         "                          [--description D] [--homepage URL] [--copy yes|no] [--execute yes|no]\n"
         "      One item for every file of the folder PATH (and of every folder below it with\n"
         "      --subfolders) that is not hidden. Names are the file names up to their first dot, or\n"
         "      with --name COMMON \"COMMON 1\", \"COMMON 2\", ...; HD Size is n/a.\n"
         "  add PROJECT link URL --name N [--password P] [--description D] [--category C]\n"
         "      One hyperlink item, as the add-hyperlink dialog makes it.\n"
         "  add PROJECT jump FOLDER --name N [--serial S] [--description D] [--homepage URL] [--category C]\n"
         "      One jump point to the existing FOLDER; its CD Path is taken relative to the project folder.\n"
         "A URL or --homepage beginning with http://, https:// or ftp:// keeps that scheme; other text gets\n"
         "http:// in front; n/a stays n/a. An item outside the project folder is added with a warning.\n"
         "A missing file or folder, an unknown category or an empty name is an error; the project\n"
         "file is then left as it was.\n",
         {"--subfolders"}, 3, 3, runAdd,
         {"--name", "--category", "--serial", "--hdsize", "--description", "--homepage", "--copy", "--execute", "--password"}},
        {"info", "PROJECT ROW (--text FILE | --delete)", "create, replace or delete an item's info file",
         "Writes the text of FILE (UTF-8 with CR LF line ends) as the info file of item row ROW (counted\n"
         "from 1), or deletes it, as the info file dialog's Create/Save and Delete do. The info file lies\n"
         "beside the item's source file with the ending .txt, or for hyperlinks and jump points in kryntdat/\n"
         "below the project folder under the item's name; kryntdat/ is made when missing. Prints\n"
         "\"wrote<TAB>path\" or \"deleted<TAB>path\". The project file is not changed.\n",
         {"--delete"}, 2, 2, runInfo, {"--text"}},
        {"screenshot", "PROJECT ROW (--picture FILE | --delete)", "create, replace or delete an item's screenshot",
         "Writes the picture FILE (.bmp, .jpg or .png) as the screenshot of item row ROW (counted from 1),\n"
         "a baseline JPEG of quality 90, or deletes it, as the screenshot dialog does. The screenshot lies\n"
         "where the info file does (Tovald info --help), with the ending .jpg. Prints \"wrote<TAB>path\" or\n"
         "\"deleted<TAB>path\". The project file is not changed.\n",
         {"--delete"}, 2, 2, runScreenshot, {"--picture"}},
    };
    return table;
}

namespace {

const Command* findCommand(std::string_view name)
{
    for (const auto& c : commands()) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

void printHelp(std::ostream& out)
{
    out << kProgramName << " - " << kVersionLine << "\n"
        << "Authoring tool for autostart menus on data CDs.\n\n"
        << "Usage: Tovald [--base DIR] [--language N] [--progress] [COMMAND ... | PROJECT.qvp]\n"
        << "       Tovald [--base DIR] [--language N] --screenshot WINDOW FILE.png | --screenshot --list\n\n"
        << "Without a command the program window opens (with PROJECT.qvp loaded when one is named).\n"
        << "--screenshot renders a window off-screen with the demo project loaded and exits.\n\n"
        << "Commands:\n";
    for (const auto& c : commands())
        out << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
    out << "\nOptions (before the command):\n"
        << "  --base DIR      base directory (default: QUENVAR_BASE, else the folder of Tovald)\n"
        << "  --language N    1 English, 2 German, 3 Russian, 4 Spanish (default: the settings file's)\n"
        << "  --progress      a line \"<work>: <n>%\" on stderr as long work goes on\n"
        << "  --help          this text; COMMAND --help describes one command\n"
        << "  --version       the version line\n\n"
        << "Exit status: 0 success, 1 the command failed, 2 wrong usage.\n";
}

void printCommandHelp(std::ostream& out, const Command& c)
{
    out << "Usage: Tovald [--base DIR] [--language N] [--progress] " << c.name << " " << c.usage << "\n\n"
        << c.summary << ".\n\n"
        << c.details;
}

int usageError(std::ostream& err, const std::string& text)
{
    err << text << "\nTry Tovald --help.\n";
    return kUsage;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* argv0,
        const WindowStarter& window)
{
    std::optional<std::filesystem::path> base;
    std::optional<int> languageNumber;
    WindowRequest request;
    bool screenshot = false;
    bool showProgress = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h" || a == "help") {
            if (i + 1 < args.size()) {
                if (const Command* c = findCommand(args[i + 1])) {
                    printCommandHelp(out, *c);
                    return kOk;
                }
            }
            printHelp(out);
            return kOk;
        }
        if (a == "--version") {
            out << kVersionLine << "\n";
            return kOk;
        }
        if (a == "--progress") {
            showProgress = true;
            continue;
        }
        if (a == "--screenshot") {
            screenshot = true;
            if (i + 1 < args.size() && args[i + 1] == "--list") {
                request.listWindows = true;
                ++i;
                continue;
            }
            if (i + 2 >= args.size())
                return usageError(err, "--screenshot needs a window name and a PNG file (or --list).");
            request.screenshotWindow = args[++i];
            request.screenshotFile = pathFromText(args[++i]);
            continue;
        }
        if (a == "--base" || a == "--language") {
            if (i + 1 >= args.size())
                return usageError(err, a + " needs a value.");
            const std::string& value = args[++i];
            if (a == "--base") {
                base = pathFromText(value);
            } else {
                std::int32_t n = 0;
                if (!parseInteger(value, n) || n < 1 || n > 4)
                    return usageError(err, "--language takes 1, 2, 3 or 4.");
                languageNumber = n;
            }
            continue;
        }
        break;
    }
    // A project file opens in the window; any other word must be a command.
    const bool projectNamed = i + 1 == args.size() && !findCommand(args[i]) &&
                              iequals(pathFromText(args[i]).extension().string(), ".qvp");
    if (i >= args.size() || projectNamed || screenshot) {
        if (!window) {
            err << "The program window is not part of this build; see Tovald --help for the commands.\n";
            return kUsage;
        }
        if (i + 1 < args.size() || (i < args.size() && !projectNamed))
            return usageError(err, "A command can't be combined with --screenshot.");
        request.baseDir = resolveBaseDirectory(argv0, base);
        request.language = languageNumber;
        if (projectNamed)
            request.project = pathFromText(args[i]);
        return window(request);
    }

    const Command* command = findCommand(args[i]);
    if (!command)
        return usageError(err, "Unknown command: " + args[i]);

    CommandArgs cargs;
    for (std::size_t k = i + 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--help" || a == "-h") {
            printCommandHelp(out, *command);
            return kOk;
        }
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            // An option with a value takes the next word, or what follows "=".
            const auto eq = a.find('=');
            const std::string name = a.substr(0, eq);
            const auto matches = [&](const char* f) { return name == f; };
            if (std::find_if(command->valueOptions.begin(), command->valueOptions.end(), matches) !=
                command->valueOptions.end()) {
                if (eq != std::string::npos) {
                    cargs.values[name] = a.substr(eq + 1);
                    continue;
                }
                if (k + 1 >= args.size())
                    return usageError(err, a + " needs a value.");
                cargs.values[a] = args[++k];
                continue;
            }
            if (std::find_if(command->allowedFlags.begin(), command->allowedFlags.end(),
                             [&](const char* f) { return a == f; }) == command->allowedFlags.end())
                return usageError(err, std::string("Unknown option for ") + command->name + ": " + a);
            cargs.flags.push_back(a);
        } else {
            cargs.positional.push_back(a);
        }
    }
    if (cargs.positional.size() < command->minArgs || cargs.positional.size() > command->maxArgs)
        return usageError(err, std::string("Usage: Tovald ") + command->name + " " + command->usage);

    const auto baseDir = resolveBaseDirectory(argv0, base);
    int number = languageNumber.value_or(loadLanguageNumber(settingsFile(baseDir)));
    if (number < 1 || number > 4)
        number = 1;
    CliContext ctx(baseDir, Language::load(baseDir, number), out, err);
    // The command line applies no language through the language manager; its
    // files are read in the chosen language's code page all the same, and a
    // run leaves the process's setting as it found it.
    const LegacyCodePage::Scope codePage(ctx.language.legacyCodePage());
    ctx.ui.setShowProgress(showProgress);
    try {
        return command->run(ctx, cargs);
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return kFailed;
    }
}

}  // namespace qv::cli
