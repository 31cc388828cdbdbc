#pragma once
// The texts of a regrade comparison: the before -> after summary and the changes file.

#include <array>
#include <string>

#include "core/diagnostics/regrade_comparison.h"
#include "core/text/text_file.h"

namespace jrv {

// "KR-20: 0.812 -> 0.845", the same for the mean, SD and SEM (three decimals), then
// "Grade changes: 3 (2 up, 1 down)" and "Examinees changed: 17".
Lines regrade_summary_lines(const RegradeComparison& c);

// The changes file: the header `label,old_score,new_score,old_percent,new_percent,old_grade,
// new_grade`, then one row per changed examinee in input order. Labels are UTF-8 without
// their surrounding blanks, quoted when they hold a comma, a quote or a line break;
// percentages have two decimals as the quick examinee results print them.
Lines regrade_changes_csv(const RegradeComparison& c);

// One changed examinee as a list on screen shows it: the label as the changes file writes
// it, then "old -> new" for the raw score, the percentage (two decimals) and the grade
// (empty without a grade scale).
std::array<std::string, 4> examinee_change_cells(const ExamineeChange& e);

}  // namespace jrv
