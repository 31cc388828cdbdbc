// jrv-cli grade-reports: analyse an input file and save its individual grade reports.

#include <iostream>

#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/reports/grade_reports.h"

namespace jrv::cli {

namespace {

int usage(const std::string& why) {
  std::cerr << "jrv-cli grade-reports: " << why
            << "\nusage: jrv-cli grade-reports IN.jrv -o OUT.rpt\n";
  return 2;
}

}  // namespace

int grade_reports(const Args& args) {
  std::string input, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" && i + 1 >= args.size()) return usage("-o needs a value");
    if (a == "-o")
      output = args[++i];
    else if (!a.empty() && a[0] == '-')
      return usage("unknown option " + a);
    else if (input.empty())
      input = a;
    else
      return usage("more than one input file");
  }
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  EditorDocument doc;
  Workspace ws;
  const LoadResult load = load_test(input, doc, ws);
  print_messages(std::cerr, load.messages);
  if (!load.loaded) return 1;
  run_analysis(ws, doc);
  const CheckResult saved = save_grade_reports(ws, doc, output);
  print_messages(std::cerr, saved.messages);
  return saved.failed ? 1 : 0;
}

}  // namespace jrv::cli
