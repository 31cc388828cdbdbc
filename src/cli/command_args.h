#pragma once
// Arguments of the simple commands: at most one input (or name), options that take a
// value, and switches. Anything else is wrong usage.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace jrv::cli {

struct CommandArgs {
  std::string positional;                     // the input file or name, "" when absent
  std::map<std::string, std::string> values;  // option -> value, e.g. "-o" -> path
  std::set<std::string> switches;
  bool help = false;  // -h or --help
  std::string error;  // why the arguments are wrong, "" when they are not

  std::string value(const std::string& option, std::string fallback = {}) const {
    auto it = values.find(option);
    return it == values.end() ? fallback : it->second;
  }
  bool has(const std::string& option) const { return values.count(option) > 0; }
  bool on(const std::string& sw) const { return switches.count(sw) > 0; }
};

CommandArgs parse_command_args(const Args& args, std::vector<std::string_view> value_options,
                               std::vector<std::string_view> switch_options = {});

// Prints "jrv-cli NAME: why" and the usage text on stderr; returns the usage status 2.
int usage_error(std::string_view command, const std::string& why, std::string_view usage);

}  // namespace jrv::cli
