#pragma once
// The quick results viewer: its text for the examinee results and the item analysis, and
// what "Save" writes for each of the three views it can hold.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/input/editor_document.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

enum class ViewerContent { examinee_results, item_analysis, options_analysis };

// The viewer's text after "View && Print Quick Examinee Results" and "... Item Analysis".
Lines quick_view_examinee_lines(const Workspace& ws);
Lines quick_view_item_lines(const Workspace& ws);

// The name the save dialog proposes from the main window's results name.
std::string quick_view_proposed_name(ViewerContent content, std::string_view results_name);

// The saved file: title and comment head, the viewer's lines, then the closing lines of
// that view (the viewer already ends with them, so they appear twice, as users know them).
Lines quick_view_save_lines(const Workspace& ws, ViewerContent content, const Lines& viewer);

// Where the input-file copy of a saved view goes: the same name with ".jrv".
std::filesystem::path quick_view_input_copy_path(const std::filesystem::path& saved);

// "Save" of the viewer: writes the file, then the input file under the same name with
// ".jrv" (only while auto_save_input is on). Returns whether that copy was written.
// Throws FileError; a refused copy leaves the saved view in place.
bool save_quick_view(const std::filesystem::path& path, const Workspace& ws,
                     const EditorDocument& doc, ViewerContent content, const Lines& viewer);

}  // namespace jrv
