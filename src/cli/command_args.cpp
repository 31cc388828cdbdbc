#include "cli/command_args.h"

#include <algorithm>
#include <iostream>

namespace jrv::cli {

CommandArgs parse_command_args(const Args& args, std::vector<std::string_view> value_options,
                               std::vector<std::string_view> switch_options) {
  CommandArgs out;
  auto among = [](const std::vector<std::string_view>& list, const std::string& a) {
    return std::find(list.begin(), list.end(), a) != list.end();
  };
  for (std::size_t i = 0; i < args.size() && out.error.empty(); ++i) {
    const std::string& a = args[i];
    if (a == "-h" || a == "--help") {
      out.help = true;
    } else if (among(switch_options, a)) {
      out.switches.insert(a);
    } else if (among(value_options, a)) {
      if (i + 1 >= args.size())
        out.error = a + " needs a value";
      else
        out.values[a] = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      out.error = "unknown option " + a;
    } else if (out.positional.empty()) {
      out.positional = a;
    } else {
      out.error = "unexpected argument " + a;
    }
  }
  return out;
}

int usage_error(std::string_view command, const std::string& why, std::string_view usage) {
  std::cerr << "jrv-cli " << command << ": " << why << "\n" << usage;
  return 2;
}

}  // namespace jrv::cli
