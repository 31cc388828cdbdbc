#pragma once
// The subcommands of jrv-cli. Each takes the arguments after its name and returns the
// exit status: 0 success, 1 input refused (messages on stderr), 2 wrong usage.

#include <string>
#include <vector>

namespace jrv::cli {

using Args = std::vector<std::string>;

int analyze(const Args& args);

}  // namespace jrv::cli
