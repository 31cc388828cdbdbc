#pragma once
// "New (reset)" in the data editor.

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// An empty editor for a new test: no partial credit, no grading, and no alternatives or
// table of specifications left from the test before. The focus goes to the title.
CheckResult new_test(EditorDocument& doc, Workspace& ws);

}  // namespace jrv
