#pragma once
// The arguments of `jrv-cli analyze`, parsed but not yet applied.

#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/input/editor_document.h"
#include "core/workspace/analysis_options.h"
#include "core/workspace/workspace.h"

namespace jrv::cli {

// What --save names; the defaults are the main window's start values.
struct SaveList {
  bool exm = true, itm = true, opt = true, rpt = false, jrv = true;
  bool item_stats = false, right_wrong_data = false, alt = false;
  bool gradebook = false, xlsx = false;
};

struct AnalyzeArgs {
  std::string input;
  std::string output;  // -o; empty: print the quick reports
  std::string json;    // --json; empty: no machine-readable results
  bool save_given = false;
  SaveList save;
  std::optional<ExamineeSort> examinee_sort;
  std::optional<ItemSort> item_sort;
  std::optional<BandUnits> bands;
  std::optional<std::string> groups;    // "TOP,BOTTOM" as typed in the group window
  std::optional<std::string> criteria;  // "PLO,PHI,D,R,A" as typed in the criteria window
  bool no_problems = false;
  bool absolute_grades = false;
  bool hide_labels = false;
  bool no_grades_on_reports = false;
  std::optional<std::string> grades_file;
  std::optional<int> max_options;
};

// Parses `args`; on a usage error returns nothing and sets `error`.
std::optional<AnalyzeArgs> parse_analyze_args(const Args& args, std::string& error);

// Loads the input, applies the options as the windows would and runs the analysis.
// Returns 0, or the exit status of a refusal (its messages on stderr).
int load_and_analyse(const AnalyzeArgs& args, EditorDocument& doc, Workspace& ws);

}  // namespace jrv::cli
