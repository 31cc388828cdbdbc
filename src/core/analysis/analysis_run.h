#pragma once
// One analysis run: scores every examinee, computes the test, item and option statistics
// and writes the report texts, from the loaded workspace and the typed side windows.

#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Expects a test accepted by the editor's check (at least one included item). Leaves the
// examinee table in input order and the item table in item-number order.
void run_analysis(Workspace& ws, const EditorDocument& doc);

// The statistics half of a run, without the report texts.
void compute_analysis(Workspace& ws, double upper_fraction, double lower_fraction);

}  // namespace jrv
