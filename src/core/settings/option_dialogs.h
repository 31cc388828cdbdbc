#pragma once
// Checks of the group-percentage dialog and the problem-item criteria dialog.

#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/analysis_options.h"

namespace jrv {

// TDiscForm OK. Failed: the dialog stays open with the focus named. A passing result may
// still carry the middle-group warning. On success the percentages go into `options`.
CheckResult confirm_group_percentages(const GroupWindowFields& window, AnalysisOptions& options);

// The group percentage an analysis run uses for a box's text: the number, or 27.0 when the
// text is not a number (left so by Cancel).
double group_percent_for_run(const std::string& text);

// TProbForm's typed fields.
struct ProblemCriteriaFields {
  std::string plo = "0.2", phi = "0.9", d = "0.2", r = "0.2", a = "0.2";  // txt_crit_*
  bool suggest = true;                                                     // chk_suggest
  bool operator==(const ProblemCriteriaFields&) const = default;
};

// TProbForm OK: each value is stored as soon as it is read; failed keeps the dialog open.
CheckResult confirm_problem_criteria(const ProblemCriteriaFields& window, AnalysisOptions& options);

}  // namespace jrv
