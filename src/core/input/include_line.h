#pragma once
// The include line of the data editor: its text and the per-item flags it gives.

#include <string>

#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Puts `text` into txt_include the way typing does: a change marks include_changed, so
// that a new "A" code is noticed before the alternatives have been set.
void set_include_text(EditorDocument& doc, std::string text);

// include_flags of items 1..item_count from `include` and included_count. A line shorter
// than the test leaves the missing codes blank, which includes those items.
void set_include_flags(Workspace& ws, const std::string& include, int item_count);

}  // namespace jrv
