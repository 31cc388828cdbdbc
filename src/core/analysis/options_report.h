#pragma once
// The options (distractor) analysis: the pages at the end of the full results and the
// quick options analysis of the quick results viewer and the .opt file. Both only read the
// counts stored in the item records by the last run.

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Appended to the full results; items in the table's order (item-number order in a run).
void add_options_pages(Lines& out, const Workspace& ws);

// The quick options analysis text, closed by the banner lines of the last run.
Lines quick_options_lines(const Workspace& ws);

}  // namespace jrv
