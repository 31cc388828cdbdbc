#pragma once
// Exports of the last analysis for other software, written without a dialog beside the
// test and named after it: the right-wrong (0/1) data file and the alternative-answers
// export (data file plus, when needed, an exceptions file).

#include <filesystem>
#include <string>
#include <string_view>

#include "core/input/comma_exports.h"
#include "core/input/editor_document.h"
#include "core/text/text_file.h"
#include "core/workspace/workspace.h"

namespace jrv {

// File names from the main window's file name (empty or "UNSAVED" gives the fixed names).
struct DataExportNames {
  std::string item_stats;      // base_item_stats.txt | item_stats.txt
  std::string right_wrong;     // base_01_data.txt | data_01.txt
  std::string alt_data;        // base_alt.dat | alt.dat
  std::string alt_exceptions;  // base_alt.exp | alt.exp
};
DataExportNames data_export_names(std::string_view map_name);

// The right-wrong data file: the header, then each examinee in entry order with one 0/1
// per item (excluded items too). The loaded data keep their coding.
Lines right_wrong_data_lines(const Workspace& ws);

// The alternative-answers data file: counts line, key as typed, options, include as Y/N,
// then the editor's data lines as typed.
Lines alt_data_lines(const Workspace& ws, const EditorDocument& doc);

// Whether the exceptions file is written: some item has alternative answers or key 9.
bool alt_exceptions_needed(const Workspace& ws);

// The identification line heading the exceptions file.
inline constexpr std::string_view kAltExceptionsHead =
    "JRV alternative correct answers: item, keyed answer, further correct answers";

// The exceptions file: the identification line, then one line per alternative-answers row.
Lines alt_exception_lines(const EditorDocument& doc);

// "Save Comma-Delimited 01 Data": puts the tables in order and writes the file into
// `folder`. Returns the path written. Throws FileError.
std::filesystem::path save_right_wrong_data(Workspace& ws, std::string_view map_name,
                                            const std::filesystem::path& folder);

// "Save ALT file": writes nothing and returns false unless "Set ALT file OK" was chosen
// since the last analysis (ws.alt_file_ok). Throws FileError.
bool save_alt_files(Workspace& ws, const EditorDocument& doc, std::string_view map_name,
                    const std::filesystem::path& folder);

}  // namespace jrv
