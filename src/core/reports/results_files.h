#pragma once
// The results file of an analysis and its companions: the full results (.txt), the quick
// examinee results (.exm), the quick item analysis (.itm) and the quick options analysis
// (.opt). Each is a list of lines; saving writes them with CR LF, each file atomically.

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

Lines results_file_lines(const Workspace& ws);
Lines examinee_file_lines(const Workspace& ws);
Lines item_file_lines(const Workspace& ws);
Lines options_file_lines(const Workspace& ws);

// The companion beside `results`: its file name with the extension replaced (".exm").
std::filesystem::path companion_path(const std::filesystem::path& results,
                                     std::string_view extension);

struct CompanionSelection {
  bool exm = true, itm = true, opt = true;  // the main window's start values
};

// Puts the tables into input and item-number order, then writes the results file and the
// selected companions, in that order. Returns the paths written. A FileError stops the
// saving; the files written before it stay.
std::vector<std::filesystem::path> save_results(Workspace& ws, const std::filesystem::path& results,
                                                const CompanionSelection& selection);

}  // namespace jrv
