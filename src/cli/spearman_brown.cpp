// jrv-cli spearman-brown: analyse an input file and show the calculator's numbers for a
// desired reliability.

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/settings/spearman_brown.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage = "usage: jrv-cli spearman-brown IN.jrv [--desired R]\n";

int usage(const std::string& why) {
  return usage_error("spearman-brown", why, kUsage);
}

}  // namespace

int spearman_brown(const Args& args) {
  const CommandArgs parsed = parse_command_args(args, {"--desired"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string& input = parsed.positional;
  const std::string desired = parsed.value("--desired", "0.8");
  if (input.empty()) return usage("an input file is needed");

  EditorDocument doc;
  Workspace ws;
  const LoadResult load = load_test(input, doc, ws);
  print_messages(std::cerr, load.messages);
  if (!load.loaded) return 1;
  run_analysis(ws, doc);

  const SpearmanBrownOutcome sb =
      spearman_brown_for_text(ws.stats.kr20, ws.included_count, desired);
  print_messages(std::cerr, sb.check.messages);
  const auto& f = sb.fields;
  std::cout << "KR-20 of the test analyzed: " << f.rel_out << '\n'
            << "Items in the test now: " << f.current << '\n'
            << "Desired reliability: " << f.sbrel << '\n';
  if (sb.check.failed || f.totalitems.empty()) return 1;
  std::cout << "Length factor L: " << f.multiplier << '\n'
            << "Items to change: " << f.moreitems << ' ' << f.more_fewer << '\n'
            << "Total items needed: " << f.totalitems << '\n';
  return 0;
}

}  // namespace jrv::cli
