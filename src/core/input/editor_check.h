#pragma once
// The data editor's check-and-load: validates every field of the editor and, when all
// pass, loads the test into the workspace (per-item arrays, labels, responses).

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Checks the editor's texts in order and stops at the first failure (its message and the
// objectName of the field at fault). Writes back into the document what the editor then
// shows (an empty include line filled with "Y", empty options with "5", the two
// partial-credit digits of the options line); never changes the data lines.
CheckResult ReadEditorData(EditorDocument& doc, Workspace& ws);

}  // namespace jrv
