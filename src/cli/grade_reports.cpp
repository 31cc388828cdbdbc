// jrv-cli grade-reports: analyse an input file and save its individual grade reports.

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/analysis/analysis_run.h"
#include "core/reports/grade_reports.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage = "usage: jrv-cli grade-reports IN.jrv -o OUT.rpt\n";

int usage(const std::string& why) {
  return usage_error("grade-reports", why, kUsage);
}

}  // namespace

int grade_reports(const Args& args) {
  const CommandArgs parsed = parse_command_args(args, {"-o"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const std::string& input = parsed.positional;
  const std::string output = parsed.value("-o");
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
