#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qv::cli {

// Exit statuses of the command line.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// Runs the command line (arguments without the program name) with the given
// streams; argv0 locates the base directory when --base and QUENVAR_BASE are absent.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* argv0 = nullptr);

}  // namespace qv::cli
