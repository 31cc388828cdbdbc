#pragma once
// The report texts of an analysis run: the quick examinee results, the quick item
// analysis and the full results, written into ws.reports after the statistics.

#include "core/input/editor_document.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Writes every report text of the run into ws.reports. Leaves the examinee table in
// input order and the item table in item-number order.
void write_report_texts(Workspace& ws, const EditorDocument& doc);

}  // namespace jrv
