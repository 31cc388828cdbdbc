#pragma once
// Partial credit and MC points: the window's buttons, and the two partial-credit columns
// that the editor's check reads from the options line and from every data line.

#include <optional>
#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Opening the window: its fields show the current points.
void open_partial_credit(PartialCreditFields& window, const Workspace& ws);

// "Defaults": one point per item, no partial-credit points.
void partial_credit_defaults(PartialCreditFields& window);

// OK: switches partial credit on (unless the test has more than 98 items), puts the total
// possible points at the end of the options line, and takes the MC points. Every value
// that does not fit falls back with a note; nothing here fails.
CheckResult confirm_partial_credit(EditorDocument& doc, Workspace& ws);

// "Turn Off Partial Credit": MC points back to 1; the data and the options line keep
// their extra columns (the check ignores them). Returns the note the window shows.
CheckResult turn_off_partial_credit(Workspace& ws);

// The check's handling of the options line with partial credit on: one trailing digit
// becomes two, none becomes "00"; a longer line gets a note (the check goes on).
void complete_pc_options_line(std::string& options, int item_count, CheckResult& result);

// The total possible points written after the item digits; 0 when they are not a number.
int pc_points_of_options_line(const std::string& options, int item_count);

// An examinee's points from the columns after the responses (a missing or non-digit
// character counts 0); nothing when the line runs on beyond them.
std::optional<int> case_pc_points_of_line(const std::string& line, int label_length,
                                          int item_count);

}  // namespace jrv
