#pragma once

#include "Cli.h"
#include "TestAssets.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command line in-process against the source tree's assets as base directory.
inline CliResult runCli(std::vector<std::string> args, const std::filesystem::path& base = {})
{
    std::vector<std::string> full;
    full.push_back("--base");
    if (!base.empty()) {
        full.push_back(base.string());
    } else {
        full.push_back(testBase().string());
    }
    full.insert(full.end(), args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    CliResult r;
    r.status = qv::cli::run(full, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace qv::test
