#pragma once
// The individual grade reports: one instructor list of scores and wrong answers, then a
// one-page report per examinee. The saved file is paginated for printing; the viewer
// shows the same content with a lighter layout.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

inline constexpr int kMaxGradeReportSaveCases = 500;
inline constexpr int kMaxGradeReportViewCases = 200;

// Refuses more than 500 (save) or 200 (view) examinees with the user's message.
CheckResult check_grade_report_save(const Workspace& ws);
CheckResult check_grade_report_view(const Workspace& ws);

// The lines of the saved file and of the viewer. Examinees are taken in entry order and
// items in item-number order whatever order the tables are in. `doc` supplies the grade
// window's percentage texts and the alternative-answers grid.
Lines grade_report_file_lines(const Workspace& ws, const EditorDocument& doc);
Lines grade_report_viewer_lines(const Workspace& ws, const EditorDocument& doc);

// The name the save dialog proposes: the main window's file name, or "Grade_Report".
std::string grade_report_proposed_name(std::string_view map_name);

// Puts the tables back in entry and item-number order and writes the file.
// Throws FileError; refuses (nothing written) when there are too many examinees.
CheckResult save_grade_reports(Workspace& ws, const EditorDocument& doc,
                               const std::filesystem::path& path);

}  // namespace jrv
