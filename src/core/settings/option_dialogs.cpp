#include "core/settings/option_dialogs.h"

#include <optional>

#include "core/text/convert.h"

namespace jrv {

namespace {

// A group percentage box: the number, or a failure with its message.
std::optional<double> check_group_box(const std::string& text, const char* field,
                                      CheckResult& result) {
  const auto value = parse_double(text);
  if (!value) {
    result.fail("Percentage must be a numeric value between 0-100", field);
    return std::nullopt;
  }
  if (*value < 0 || *value > 100) {
    result.fail("Percentage must be between 0 and 100", field);
    return std::nullopt;
  }
  return value;
}

// A criterion box: the number when it lies in low..high, else a failure with `message`.
std::optional<double> check_criterion(const std::string& text, double low, double high,
                                      const char* message, const char* field, CheckResult& result) {
  const auto value = parse_double(text);
  if (!value || *value < low || *value > high) {
    result.fail(message, field);
    return std::nullopt;
  }
  return value;
}

}  // namespace

CheckResult confirm_group_percentages(const GroupWindowFields& window, AnalysisOptions& options) {
  CheckResult result;
  const auto top = check_group_box(window.top, "txt_disc_top", result);
  if (!top) return result;
  const auto bottom = check_group_box(window.bottom, "txt_disc_bottom", result);
  if (!bottom) return result;
  const double sum = *top + *bottom;
  if (sum > 100) {
    // A bottom of exactly 50 (as in 60 + 50) is also the one to correct.
    result.fail("Percentages cannot total more than 100",
                *bottom >= 50 ? "txt_disc_bottom" : "txt_disc_top");
    return result;
  }
  if (sum > 80) result.inform("Percentages provided do not provide a very large middle group");
  options.upper_group_percent = *top;
  options.lower_group_percent = *bottom;
  return result;
}

GroupWindowFields default_group_percentages() {
  return {kDefaultGroupPercentText, kDefaultGroupPercentText};
}

double group_percent_for_run(const std::string& text) {
  const auto value = parse_double(text);
  if (!value || *value < 0 || *value > 100) return kDefaultGroupPercent;
  return *value;
}

GroupPercents group_percents_for_run(const GroupWindowFields& window) {
  const GroupPercents p{group_percent_for_run(window.top), group_percent_for_run(window.bottom)};
  if (p.upper + p.lower > 100) return {};
  return p;
}

CheckResult confirm_problem_criteria(const ProblemCriteriaFields& window,
                                     AnalysisOptions& options) {
  CheckResult result;
  const auto plo = check_criterion(
      window.plo, 0, 1, "Item Difficulty (low) criterion must be a numeric value between 0-1",
      "txt_crit_plo", result);
  if (!plo) return result;
  const auto phi = check_criterion(
      window.phi, 0, 1, "Item Difficulty (high) criterion must be a numeric value between 0-1",
      "txt_crit_phi", result);
  if (!phi) return result;
  if (*plo >= *phi) {
    result.fail(
        "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion",
        "txt_crit_phi");
    return result;
  }
  options.crit_difficulty_low = *plo;
  options.crit_difficulty_high = *phi;

  const auto d = check_criterion(
      window.d, -1, 1, "Item Discrimination criterion must be a numeric value between -1 and 1",
      "txt_crit_d", result);
  if (!d) return result;
  options.crit_discrimination = *d;
  const auto r = check_criterion(
      window.r, -1, 1,
      "Point-Biserial Correlation criterion must be a numeric value between -1 and 1", "txt_crit_r",
      result);
  if (!r) return result;
  options.crit_point_biserial = *r;
  const auto a = check_criterion(
      window.a, -1, 1,
      "Adjusted Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
      "txt_crit_a", result);
  if (!a) return result;
  options.crit_adj_point_biserial = *a;

  options.suggest_problem_items = window.suggest;
  return result;
}

void open_problem_criteria(ProblemCriteriaFields& window, const AnalysisOptions& options) {
  window.suggest = options.suggest_problem_items;
}

void set_problem_criteria_defaults(ProblemCriteriaFields& window) {
  window.plo = kCritDefaultDifficultyLow;
  window.phi = kCritDefaultDifficultyHigh;
  window.d = window.r = window.a = kCritDefaultCorrelation;
}

void set_problem_criteria_remove(ProblemCriteriaFields& window) {
  window.plo = kCritRemoveDifficultyLow;
  window.phi = kCritRemoveDifficultyHigh;
  window.d = window.r = window.a = kCritRemoveCorrelation;
}

}  // namespace jrv
