// jrv-cli spearman-brown: analyse an input file and show the calculator's numbers for a
// desired reliability.

#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/settings/spearman_brown.h"

namespace jrv::cli {

namespace {

int usage(const std::string& why) {
  std::cerr << "jrv-cli spearman-brown: " << why
            << "\nusage: jrv-cli spearman-brown IN.jrv [--desired R]\n";
  return 2;
}

}  // namespace

int spearman_brown(const Args& args) {
  std::string input, desired = "0.8";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--desired" && i + 1 >= args.size()) return usage("--desired needs a value");
    if (a == "--desired")
      desired = args[++i];
    else if (!a.empty() && a[0] == '-')
      return usage("unknown option " + a);
    else if (input.empty())
      input = a;
    else
      return usage("more than one input file");
  }
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
