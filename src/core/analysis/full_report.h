#pragma once
// The full results of an analysis run (the results viewer's text and the body of the
// results file). Reorders the tables on the way and leaves the examinees in input order
// and the items in item-number order.

#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Needs ws.reports.quick_examinee and quick_items of the same run. Messages that the run
// would show in a box (such as an impossible prophecy) are appended to `messages`.
Lines full_results_lines(Workspace& ws, const EditorDocument& doc,
                         std::vector<std::string>& messages);

// The percentile-rank stanine: above 95 -> 9, above 88 -> 8, ... else 1.
int stanine(double percentile_rank);

}  // namespace jrv
