#pragma once
// Checks of the group-percentage dialog and the problem-item criteria dialog, and the
// values their default buttons put back.

#include <string>

#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/analysis_options.h"

namespace jrv {

inline constexpr const char* kDefaultGroupPercentText = "27.0";
inline constexpr double kDefaultGroupPercent = 27.0;

// TDiscForm OK. Failed: the dialog stays open with the focus named. A passing result may
// still carry the middle-group warning. On success the percentages go into `options`.
CheckResult confirm_group_percentages(const GroupWindowFields& window, AnalysisOptions& options);

// TDiscForm "Defaults".
GroupWindowFields default_group_percentages();

// The group percentage an analysis run uses for a box's text: the number, or 27.0 when the
// text is not a number or lies outside 0..100 (left so by Cancel).
double group_percent_for_run(const std::string& text);

struct GroupPercents {
  double upper = kDefaultGroupPercent;
  double lower = kDefaultGroupPercent;
  bool operator==(const GroupPercents&) const = default;
};

// Both percentages of a run. A pair that totals more than 100 (left so by Cancel) would
// make the groups overlap, so the run then uses 27.0 for both.
GroupPercents group_percents_for_run(const GroupWindowFields& window);

// TProbForm's typed fields.
struct ProblemCriteriaFields {
  std::string plo = "0.2", phi = "0.9", d = "0.2", r = "0.2", a = "0.2";  // txt_crit_*
  bool suggest = true;                                                    // chk_suggest
  bool operator==(const ProblemCriteriaFields&) const = default;
};

// TProbForm OK, in the order of the boxes. A value is stored once it passes its own
// check; the two difficulty criteria are stored together, and only when low < high, so a
// refused dialog never leaves a pair that flags every item. Failed keeps the dialog open.
CheckResult confirm_problem_criteria(const ProblemCriteriaFields& window, AnalysisOptions& options);

// Opening TProbForm: chk_suggest follows the check mark of "Suggest Problem Items".
void open_problem_criteria(ProblemCriteriaFields& window, const AnalysisOptions& options);

// "Set all to Default Values": the five start texts (chk_suggest unchanged).
void set_problem_criteria_defaults(ProblemCriteriaFields& window);

// The texts of the "Set to Default" and "Set to Remove" buttons of each box.
inline constexpr const char* kCritDefaultDifficultyLow = "0.2";
inline constexpr const char* kCritDefaultDifficultyHigh = "0.9";
inline constexpr const char* kCritDefaultCorrelation = "0.2";  // d, r and a
inline constexpr const char* kCritRemoveDifficultyLow = "0.0";
inline constexpr const char* kCritRemoveDifficultyHigh = "1.0";
inline constexpr const char* kCritRemoveCorrelation = "-1.0";  // d, r and a

// "Set to Remove" for every box: criteria that mark no item.
void set_problem_criteria_remove(ProblemCriteriaFields& window);

}  // namespace jrv
