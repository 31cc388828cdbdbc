#pragma once
// Reading an input file into the data editor and its side windows. The reader fills the
// typed texts and "presses OK" in each window through the same functions the windows call;
// it does not validate the test (the editor's check does that on leaving the editor).
//
// The steps are separate so that readers of older layouts can run them in their own order.
// Each step throws ConversionError where a value must be a number and is not; what was
// filled before keeps its value, and the messages gathered so far stay in the reading.

#include <filesystem>
#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/input/line_cursor.h"
#include "core/workspace/workspace.h"

namespace jrv {

struct InputReading {
  InputReading(Lines lines, EditorDocument& d, Workspace& w)
      : cursor(std::move(lines)), doc(d), ws(w) {}
  LineCursor cursor;
  EditorDocument& doc;
  Workspace& ws;
  std::vector<std::string> messages;  // what the windows show while the file is read
  bool data_ran_into_grades = false;  // a data line was the "# Grades" line
};

// Where reading stopped, to follow a conversion error's text:
// ` (line 17, "# Grades")`, with a hint when "# Examinees" counted more lines than the data.
std::string reading_place(const InputReading& r);

// Before the file is opened: the title, comments, examinee and item fields are emptied and
// the document remembers where it came from. A new test keeps no originals of the last one.
void begin_reading(EditorDocument& doc, Workspace& ws, const std::string& path);

// Version-6 line 1. False (and the message) when it is not exactly the version marker.
bool read_version_marker(InputReading& r);

// Title, comments, number of examinees and of items (num_cases, num_items at once).
void read_test_counts(InputReading& r);
// Missing-data symbol, the ignored not-reached line, label length, key, options, include.
void read_test_definition(InputReading& r);
// The two group percentages as typed (the group window's fields).
void read_group_percentages(InputReading& r);
// "Partial Credit" and "MC Points", then the partial-credit window's OK when it is on.
void read_partial_credit(InputReading& r);
// The group window's OK.
void apply_group_percentages(InputReading& r);
// num_cases data lines; empty ones are skipped but counted.
void read_data_lines(InputReading& r);
// "# Grades" and the user-defined categories, then the grade window's OK.
void read_grades(InputReading& r);
// "#Alternatives" and its rows, then the alternative-answers set-up and OK.
void read_alternatives(InputReading& r);
// "#Content Areas" / "#Cognitives" with their names.
void read_content_areas(InputReading& r);
void read_cognitive_levels(InputReading& r);
// One item line per item when either count is above 0.
void read_item_specs(InputReading& r);
// Forgets the alternatives and the table of specifications of the test before.
void clear_trailing_sections(InputReading& r);
// The table of specifications handed to its window.
void finish_reading(InputReading& r);

// Lines 2 onward of a version-6 file (the marker already read).
void read_version6_body(InputReading& r);

// What opening a file brought: the messages in the order the windows show them (the
// conversion or file error last), and whether the file was read to its end.
struct OpenResult {
  bool read = false;
  std::vector<std::string> messages;
};

// "Open JRV File" on `path`: begin, read the lines, check the marker, read the body.
OpenResult open_input_file(const std::filesystem::path& path, EditorDocument& doc, Workspace& ws);

// The same over lines already in memory.
OpenResult read_input_lines(Lines lines, EditorDocument& doc, Workspace& ws);

}  // namespace jrv
