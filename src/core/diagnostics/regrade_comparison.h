#pragma once
// What a regrade changed: the reliability and the score distribution before and after, and
// every examinee whose score, percentage or letter grade moved.

#include <string>
#include <vector>

#include "core/workspace/workspace.h"

namespace jrv {

struct StatChange {
  double before = 0, after = 0;
  bool operator==(const StatChange&) const = default;
};

// One examinee whose raw score, percentage or letter grade differs between the two runs.
// The grade is the letter the examinee is graded with (the total grade with partial
// credit), without the blanks that pad it; empty without a grade scale.
struct ExamineeChange {
  int case_number = 0;  // input position
  std::string label;
  int old_score = 0, new_score = 0;
  double old_percent = 0, new_percent = 0;
  std::string old_grade, new_grade;
  int grade_step = 0;  // categories moved: above 0 a better grade, below 0 a worse one
  bool operator==(const ExamineeChange&) const = default;
};

struct RegradeComparison {
  StatChange kr20, mean, sd, sem;       // raw scores: KR-20, mean, SD and its SEM
  std::vector<ExamineeChange> changed;  // in input order
  int grades_up = 0, grades_down = 0;   // examinees graded higher / lower
  bool operator==(const RegradeComparison&) const = default;
};

// Compares two analyses of the same examinees (the same test before and after decisions).
// The tables may be in any order; examinees are matched by input position.
RegradeComparison compare_analyses(const Workspace& before, const Workspace& after);

}  // namespace jrv
