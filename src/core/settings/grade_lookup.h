#pragma once
// Grading with a confirmed scale: the category of a percentage and the summary lines
// that the reports print under "Grading Scale".

#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/workspace/grade_scale.h"

namespace jrv {

// The category (1..N) of `percent`: the first k in 1..N-1 whose minimum is at most the
// value, else N. With `round` the value is first rounded to an integer, halves to even.
// 0 when the scale has no categories.
int grade_category(const GradeScale& scale, double percent, bool round);

// The stored 4-character label of that category ("" when there is no grading).
std::string grade_letter(const GradeScale& scale, double percent, bool round);

// Line 1 holds categories 1..min(6, N-1), line 2 (only when N >= 8) categories 7..N-1;
// each piece is the label, "= " and the percentage field's text, joined with ", ".
std::vector<std::string> grade_summary_lines(const GradeScale& scale,
                                             const GradeWindowFields& window);

}  // namespace jrv
