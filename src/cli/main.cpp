#include "Cli.h"

#ifdef QUENVAR_WITH_WINDOW
#include "app/GuiMain.h"
#endif

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef QUENVAR_WITH_WINDOW
    return qv::cli::run(args, std::cout, std::cerr, argv[0], qv::gui::runWindow);
#else
    return qv::cli::run(args, std::cout, std::cerr, argv[0]);
#endif
}
