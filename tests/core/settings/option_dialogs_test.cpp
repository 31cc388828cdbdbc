#include "core/settings/option_dialogs.h"

#include <gtest/gtest.h>

#include "core/settings/options_menu.h"

namespace jrv {
namespace {

TEST(GroupPercentages, ChecksInOrderWithMessageAndFocus) {
  struct Case {
    const char *top, *bottom, *message, *focus;
  };
  const Case cases[] = {
      {"abc", "x", "Percentage must be a numeric value between 0-100", "txt_disc_top"},
      {"101", "27", "Percentage must be between 0 and 100", "txt_disc_top"},
      {"-1", "27", "Percentage must be between 0 and 100", "txt_disc_top"},
      {"27", "", "Percentage must be a numeric value between 0-100", "txt_disc_bottom"},
      {"27", "100.1", "Percentage must be between 0 and 100", "txt_disc_bottom"},
      {"60", "50", "Percentages cannot total more than 100", "txt_disc_bottom"},
      {"51", "55", "Percentages cannot total more than 100", "txt_disc_bottom"},
      {"60", "49", "Percentages cannot total more than 100", "txt_disc_top"},
  };
  for (const Case& c : cases) {
    AnalysisOptions options;
    const CheckResult r = confirm_group_percentages({c.top, c.bottom}, options);
    EXPECT_TRUE(r.failed) << c.top << "/" << c.bottom;
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], c.message) << c.top << "/" << c.bottom;
    EXPECT_EQ(r.focus, c.focus) << c.top << "/" << c.bottom;
    EXPECT_EQ(options, AnalysisOptions{});
  }
}

TEST(GroupPercentages, AcceptedWithOrWithoutTheMiddleGroupWarning) {
  AnalysisOptions options;
  CheckResult r = confirm_group_percentages({"27", "27"}, options);
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(r.messages.empty());

  r = confirm_group_percentages({"45", "40"}, options);
  EXPECT_TRUE(r.ok());
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Percentages provided do not provide a very large middle group");
  EXPECT_EQ(options.upper_group_percent, 45);
  EXPECT_EQ(options.lower_group_percent, 40);

  EXPECT_TRUE(confirm_group_percentages({"100", "0"}, options).ok());
  EXPECT_TRUE(confirm_group_percentages({"40", "40"}, options).messages.empty());
  EXPECT_EQ(default_group_percentages(), (GroupWindowFields{"27.0", "27.0"}));
}

TEST(GroupPercentages, RunFallsBackToDefaultsForTextsLeftByCancel) {
  EXPECT_EQ(group_percent_for_run("33.5"), 33.5);
  EXPECT_EQ(group_percent_for_run("abc"), 27.0);
  EXPECT_EQ(group_percent_for_run(""), 27.0);
  EXPECT_EQ(group_percent_for_run("150"), 27.0);
  EXPECT_EQ(group_percents_for_run({"30", "20"}), (GroupPercents{30, 20}));
  EXPECT_EQ(group_percents_for_run({"x", "20"}), (GroupPercents{27, 20}));
  EXPECT_EQ(group_percents_for_run({"60", "50"}), (GroupPercents{27, 27}));
}

TEST(ProblemCriteria, ChecksInOrderWithMessageAndFocus) {
  struct Case {
    ProblemCriteriaFields fields;
    const char *message, *focus;
  };
  auto with = [](auto change) {
    ProblemCriteriaFields f;
    change(f);
    return f;
  };
  const Case cases[] = {
      {with([](auto& f) { f.plo = "x"; }),
       "Item Difficulty (low) criterion must be a numeric value between 0-1", "txt_crit_plo"},
      {with([](auto& f) { f.plo = "-0.1"; }),
       "Item Difficulty (low) criterion must be a numeric value between 0-1", "txt_crit_plo"},
      {with([](auto& f) { f.phi = "1.1"; }),
       "Item Difficulty (high) criterion must be a numeric value between 0-1", "txt_crit_phi"},
      {with([](auto& f) { f.plo = f.phi = "0.5"; }),
       "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion",
       "txt_crit_phi"},
      {with([](auto& f) { f.d = "-1.5"; }),
       "Item Discrimination criterion must be a numeric value between -1 and 1", "txt_crit_d"},
      {with([](auto& f) { f.r = "two"; }),
       "Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
       "txt_crit_r"},
      {with([](auto& f) { f.a = "1.01"; }),
       "Adjusted Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
       "txt_crit_a"},
  };
  for (const Case& c : cases) {
    AnalysisOptions options;
    const CheckResult r = confirm_problem_criteria(c.fields, options);
    EXPECT_TRUE(r.failed) << c.message;
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], c.message);
    EXPECT_EQ(r.focus, c.focus) << c.message;
  }
}

TEST(ProblemCriteria, ValuesStoredUpToTheFirstFailureAndTheSwitchOnlyAtTheEnd) {
  AnalysisOptions options;
  ProblemCriteriaFields f{"0.1", "0.95", "0.3", "bad", "0.4", false};
  EXPECT_TRUE(confirm_problem_criteria(f, options).failed);
  EXPECT_EQ(options.crit_difficulty_low, 0.1);
  EXPECT_EQ(options.crit_difficulty_high, 0.95);
  EXPECT_EQ(options.crit_discrimination, 0.3);
  EXPECT_EQ(options.crit_point_biserial, 0.2);
  EXPECT_TRUE(options.suggest_problem_items);

  f.r = "0.35";
  EXPECT_TRUE(confirm_problem_criteria(f, options).ok());
  EXPECT_EQ(options.crit_point_biserial, 0.35);
  EXPECT_EQ(options.crit_adj_point_biserial, 0.4);
  EXPECT_FALSE(options.suggest_problem_items);
}

TEST(ProblemCriteria, RefusedDifficultyPairNeverReachesTheOptions) {
  AnalysisOptions options;
  EXPECT_TRUE(confirm_problem_criteria({"0.95", "abc"}, options).failed);
  EXPECT_TRUE(confirm_problem_criteria({"0.6", "0.5"}, options).failed);
  EXPECT_EQ(options.crit_difficulty_low, 0.2);
  EXPECT_EQ(options.crit_difficulty_high, 0.9);
}

TEST(ProblemCriteria, DefaultAndRemoveValues) {
  ProblemCriteriaFields f{"0.3", "0.7", "0.1", "0.1", "0.1", false};
  set_problem_criteria_remove(f);
  EXPECT_EQ(f, (ProblemCriteriaFields{"0.0", "1.0", "-1.0", "-1.0", "-1.0", false}));
  AnalysisOptions options;
  EXPECT_TRUE(confirm_problem_criteria(f, options).ok());  // the extremes are accepted
  EXPECT_EQ(options.crit_difficulty_low, 0.0);
  EXPECT_EQ(options.crit_difficulty_high, 1.0);
  EXPECT_EQ(options.crit_adj_point_biserial, -1.0);
  set_problem_criteria_defaults(f);
  EXPECT_EQ(f, (ProblemCriteriaFields{"0.2", "0.9", "0.2", "0.2", "0.2", false}));

  options.suggest_problem_items = false;
  f.suggest = true;
  open_problem_criteria(f, options);
  EXPECT_FALSE(f.suggest);
}

TEST(OptionsMenu, HidingLabelsSortsByScore) {
  AnalysisOptions options;
  set_hide_labels(options, true);
  EXPECT_TRUE(options.hide_labels);
  EXPECT_EQ(options.examinee_sort, ExamineeSort::by_score);
  EXPECT_EQ(unhide_button_caption(true), "UN-Hide names");
  options.examinee_sort = ExamineeSort::by_label;
  set_hide_labels(options, false);
  EXPECT_FALSE(options.hide_labels);
  EXPECT_EQ(options.examinee_sort, ExamineeSort::by_label);
  EXPECT_EQ(unhide_button_caption(false), "Hide names");
  EXPECT_EQ(analyze_caption_after_option_change(true), "Analyze with NEW Options (F9)");
  EXPECT_EQ(analyze_caption_after_option_change(false), "Analyze (F9)");
}

}  // namespace
}  // namespace jrv
