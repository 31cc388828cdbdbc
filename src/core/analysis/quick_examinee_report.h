#pragma once
// The quick examinee results (the main window's upper pane and the .exm file).

#include "core/input/editor_document.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// The report for the examinee table in its current (listing) order. The grade window's
// fields give the minimum percentages exactly as typed for the scale summary.
Lines quick_examinee_lines(const Workspace& ws, const GradeWindowFields& grades);

// The label column of one listed examinee: the label, or "Case 007 " when labels are hidden.
std::string listing_label(const Workspace& ws, const Case_Record& c, int position);

}  // namespace jrv
