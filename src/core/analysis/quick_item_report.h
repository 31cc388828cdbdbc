#pragma once
// The quick item analysis (the main window's lower pane and the .itm file).

#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// The report for the item table in its current (listing) order; included items only.
Lines quick_item_lines(const Workspace& ws);

}  // namespace jrv
