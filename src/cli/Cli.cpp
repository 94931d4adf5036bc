#include "Cli.h"

#include "app/AppInfo.h"

namespace qv::cli {

namespace {

void printHelp(std::ostream& out)
{
    out << kProgramName << " - " << kVersionLine << "\n"
        << "Authoring tool for autostart menus on data CDs.\n\n"
        << "Usage: Tovald [--base DIR] [--language N] [COMMAND ...]\n\n"
        << "Without a command the program window opens.\n\n"
        << "Options:\n"
        << "  --base DIR      base directory (default: the folder of Tovald, or QUENVAR_BASE)\n"
        << "  --language N    interface language 1 English, 2 German, 3 Russian, 4 Spanish\n"
        << "  --help          this text\n"
        << "  --version       the version line\n";
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* /*argv0*/)
{
    if (args.empty()) {
        err << "The program window is not available in this build; see --help.\n";
        return kUsage;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(out);
        return kOk;
    }
    if (first == "--version") {
        out << kVersionLine << "\n";
        return kOk;
    }
    err << "Unknown command: " << first << "\nTry Tovald --help.\n";
    return kUsage;
}

}  // namespace qv::cli
