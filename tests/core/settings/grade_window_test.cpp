#include "core/settings/grade_window.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

struct GradeWindowTest : ::testing::Test {
  GradeWindowFields window;
  GradeScale scale;
  AnalysisOptions options;

  CheckResult choose(GradeScheme s) { return choose_grade_scheme(s, window, scale, options); }
  // Sets the percentage fields 1.. from `values` and confirms.
  CheckResult confirm_with(std::initializer_list<const char*> values) {
    int k = 1;
    for (const char* v : values) window.percents[static_cast<std::size_t>(k++)] = v;
    return confirm_grades(window, scale);
  }
};

TEST_F(GradeWindowTest, FixedSchemesShowTheirRowsLabelsAndDefaults) {
  choose(GradeScheme::five);
  EXPECT_EQ(scale.grade_category_count, 5);
  EXPECT_EQ(window.visible_labels, 5);
  EXPECT_EQ(window.visible_percents, 4);
  EXPECT_FALSE(window.labels_editable);
  EXPECT_EQ(window.set_caption, "Set the minimum percentages for each Grading Category:");
  EXPECT_EQ(window.labels[1], "A   =");
  EXPECT_EQ(window.labels[5], "F   ");
  EXPECT_EQ(window.percents[1], "90");
  EXPECT_EQ(window.percents[4], "60");

  choose(GradeScheme::twelve);
  EXPECT_EQ(scale.grade_category_count, 12);
  EXPECT_EQ(window.labels[2], "A-  =");
  EXPECT_EQ(window.percents[11], "61");

  choose(GradeScheme::two);
  EXPECT_EQ(window.labels[1], "Pass =");
  EXPECT_EQ(window.labels[2], "Fail  ");
  EXPECT_EQ(window.percents[1], "70");
  EXPECT_FALSE(scale.user_defined_grades);
}

TEST_F(GradeWindowTest, ConfirmedFixedSchemeStoresFourCharacterLabels) {
  choose(GradeScheme::twelve);
  ASSERT_TRUE(confirm_grades(window, scale).ok());
  EXPECT_TRUE(scale.grade_scale_set);
  EXPECT_EQ(scale.grade_labels[1], "A   ");
  EXPECT_EQ(scale.grade_labels[2], "A-  ");
  EXPECT_EQ(scale.grade_labels[3], "B+  ");
  EXPECT_EQ(scale.grade_labels[12], "F   ");
  EXPECT_EQ(scale.grade_labels[13], "    ");
  EXPECT_EQ(scale.grade_minimums[11], 61);

  choose(GradeScheme::two);
  EXPECT_EQ(window.percents[1], "94");  // the stored minimum, not the scheme's default
  ASSERT_TRUE(confirm_grades(window, scale).ok());
  EXPECT_EQ(scale.grade_labels[1], "Pass");
  EXPECT_EQ(scale.grade_labels[2], "Fail");
  EXPECT_EQ(scale.grade_minimums[1], 94);
  EXPECT_EQ(scale.grade_minimums[2], 0);  // minimums from N on are cleared
  EXPECT_EQ(scale.grade_minimums[11], 0);
}

TEST_F(GradeWindowTest, AfterAConfirmedScaleSchemeButtonsShowStoredMinimums) {
  choose(GradeScheme::five);
  ASSERT_TRUE(confirm_with({"90", "80", "70", "60"}).ok());
  choose(GradeScheme::twelve);
  EXPECT_EQ(window.percents[1], "90");
  EXPECT_EQ(window.percents[4], "60");
  EXPECT_EQ(window.percents[5], "0");
  EXPECT_EQ(window.percents[11], "0");
  // The labels still come from the scheme.
  EXPECT_EQ(window.labels[2], "A-  =");
}

TEST_F(GradeWindowTest, NoGradingHidesEverythingAndDropsLetterBands) {
  choose(GradeScheme::five);
  options.band_units = BandUnits::letters;
  choose(GradeScheme::none);
  EXPECT_EQ(scale.grade_category_count, 0);
  EXPECT_EQ(window.visible_labels, 0);
  EXPECT_EQ(window.visible_percents, 0);
  EXPECT_EQ(window.set_caption, "");
  EXPECT_EQ(window.labels[1], "");
  EXPECT_EQ(window.percents[1], "");
  EXPECT_NE(options.band_units, BandUnits::letters);

  options.band_units = BandUnits::percent;
  choose(GradeScheme::none);
  EXPECT_EQ(options.band_units, BandUnits::percent);
}

TEST_F(GradeWindowTest, UserSchemeStartsWithEmptyEditableFieldsAndTheCurrentCount) {
  choose(GradeScheme::five);
  const CheckResult r = choose(GradeScheme::user);
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(scale.user_defined_grades);
  EXPECT_TRUE(window.labels_editable);
  EXPECT_EQ(window.set_caption,
            "Name your Grading Categories and set the minimum percentages for each category:");
  EXPECT_EQ(window.num_cats, "5");
  EXPECT_EQ(window.visible_labels, 5);
  EXPECT_EQ(window.visible_percents, 4);
  // No scale confirmed yet: everything empty except the last label.
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(window.labels[static_cast<std::size_t>(k)], "") << k;
  EXPECT_EQ(window.labels[5], "Fail");
  EXPECT_EQ(window.percents[1], "");
}

TEST_F(GradeWindowTest, CountChangeFillsFromTheStoredScaleOnceSet) {
  choose(GradeScheme::five);
  ASSERT_TRUE(confirm_with({"90", "80", "70", "60"}).ok());
  choose(GradeScheme::user);
  window.num_cats = "3";
  ASSERT_TRUE(change_grade_category_count(window, scale).ok());
  EXPECT_EQ(scale.grade_category_count, 3);
  EXPECT_EQ(window.labels[1], "A   ");
  EXPECT_EQ(window.labels[3], "C   ");
  EXPECT_EQ(window.percents[2], "80");
  EXPECT_EQ(window.percents[3], "");  // hidden rows are emptied
  EXPECT_EQ(window.labels[4], "");
}

TEST_F(GradeWindowTest, CountChangeRefusesNonNumbersAndCountsAboveThirteen) {
  choose(GradeScheme::user);
  for (const char* bad : {"abc", "14", "2.5"}) {
    window.num_cats = bad;
    const CheckResult r = change_grade_category_count(window, scale);
    ASSERT_EQ(r.messages.size(), 1u) << bad;
    EXPECT_EQ(r.messages[0], "Number of Categories must be a whole number between 2-13") << bad;
    EXPECT_EQ(r.focus, "txt_num_cats");
    EXPECT_EQ(window.visible_labels, 0) << bad;
  }
  window.num_cats = "13";
  EXPECT_TRUE(change_grade_category_count(window, scale).ok());
  EXPECT_EQ(scale.grade_category_count, 13);
  EXPECT_EQ(window.visible_percents, 12);

  // Below 2: no rows, no message, N unchanged.
  window.num_cats = "1";
  const CheckResult low = change_grade_category_count(window, scale);
  EXPECT_TRUE(low.messages.empty());
  EXPECT_EQ(window.visible_labels, 0);
  EXPECT_EQ(scale.grade_category_count, 13);

  // An emptied field keeps the previous number.
  window.num_cats = "4";
  change_grade_category_count(window, scale);
  window.num_cats = "";
  EXPECT_TRUE(change_grade_category_count(window, scale).ok());
  EXPECT_EQ(scale.grade_category_count, 4);
  EXPECT_EQ(window.visible_labels, 4);
}

// A count that is refused ("x", or 14) leaves the rows and the names typed into them.
TEST_F(GradeWindowTest, RefusedCountKeepsWhatWasTyped) {
  choose(GradeScheme::user);
  window.num_cats = "3";
  ASSERT_TRUE(change_grade_category_count(window, scale).ok());
  window.labels[1] = "Top", window.labels[2] = "Mid", window.percents[1] = "80";
  const GradeWindowFields typed = window;
  for (const char* bad : {"x", "14"}) {
    window.num_cats = bad;
    EXPECT_TRUE(change_grade_category_count(window, scale).failed) << bad;
    window.num_cats = "3";
    EXPECT_EQ(window, typed) << bad;
    EXPECT_EQ(scale.grade_category_count, 3) << bad;
  }
}

TEST_F(GradeWindowTest, ProgramDefaultsPerScheme) {
  choose(GradeScheme::two);
  window.percents[1] = "55";
  use_program_grade_defaults(window);
  EXPECT_EQ(window.labels[1], "Pass = ");
  EXPECT_EQ(window.labels[2], "Fail");
  EXPECT_EQ(window.percents[1], "70");

  choose(GradeScheme::twelve);
  window.percents[11] = "1";
  use_program_grade_defaults(window);
  EXPECT_EQ(window.labels[11], "D-  = ");
  EXPECT_EQ(window.labels[12], "F   ");
  EXPECT_EQ(window.percents[11], "61");

  choose(GradeScheme::user);
  window.labels[1] = "Top";
  window.percents[1] = "50";
  use_program_grade_defaults(window);
  EXPECT_EQ(window.labels[1], "");
  EXPECT_EQ(window.percents[1], "");

  choose(GradeScheme::none);
  window.labels[1] = "kept";
  use_program_grade_defaults(window);
  EXPECT_EQ(window.labels[1], "kept");
}

TEST_F(GradeWindowTest, ConfirmationMessagesAndFocusInOrder) {
  struct Case {
    std::initializer_list<const char*> values;
    std::string message, focus;
  };
  const Case cases[] = {
      {{"90", "x", "70", "60"}, "Percentage must be a numeric value between 0-100", "txt_grade02"},
      {{"90", "80", "", "60"}, "Percentage must be a numeric value between 0-100", "txt_grade03"},
      {{"100.5", "80", "70", "60"}, "Percentage must be between 0 and 100", "txt_grade01"},
      {{"90", "80", "70", "-1"}, "Percentage must be between 0 and 100", "txt_grade04"},
      {{"90", "90", "70", "60"},
       "Grades are not in numerical order (check Category 1 or 2",
       "txt_grade02"},
      {{"90", "80", "85", "60"},
       "Grades are not in numerical order (check Category 2 or 3",
       "txt_grade03"},
  };
  for (const Case& c : cases) {
    scale = GradeScale{};
    choose(GradeScheme::five);
    const CheckResult r = confirm_with(c.values);
    EXPECT_TRUE(r.failed) << c.message;
    ASSERT_EQ(r.messages.size(), 1u) << c.message;
    EXPECT_EQ(r.messages[0], c.message);
    EXPECT_EQ(r.focus, c.focus) << c.message;
    EXPECT_FALSE(scale.grade_scale_set) << c.message;
  }
}

TEST_F(GradeWindowTest, BoundaryPercentagesAccepted) {
  choose(GradeScheme::five);
  EXPECT_TRUE(confirm_with({"100", "89.5", "70", "0"}).ok());
  EXPECT_EQ(scale.grade_minimums[1], 100);
  EXPECT_EQ(scale.grade_minimums[2], 89.5);
  EXPECT_EQ(scale.grade_minimums[4], 0);
  EXPECT_TRUE(confirm_with({" 90 ", "89.5", "70", "60"}).ok());
}

TEST_F(GradeWindowTest, FailedConfirmationKeepsWhatWasTakenInBefore) {
  choose(GradeScheme::five);
  ASSERT_TRUE(confirm_with({"90", "80", "70", "60"}).ok());
  choose(GradeScheme::five);
  const CheckResult r = confirm_with({"95", "85", "150", "60"});
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(scale.grade_minimums[1], 95);
  EXPECT_EQ(scale.grade_minimums[2], 85);
  EXPECT_EQ(scale.grade_minimums[3], 70);  // the refused value never reaches the scale
}

TEST_F(GradeWindowTest, UserLabelsAreCutOrPaddedToFourCharacters) {
  choose(GradeScheme::user);
  window.num_cats = "3";
  change_grade_category_count(window, scale);
  window.labels[1] = "Excellent";
  window.labels[2] = "G";
  window.labels[3] = "Poor";
  ASSERT_TRUE(confirm_with({"80", "50"}).ok());
  EXPECT_EQ(scale.grade_labels[1], "Exce");
  EXPECT_EQ(scale.grade_labels[2], "G   ");
  EXPECT_EQ(scale.grade_labels[3], "Poor");
}

TEST_F(GradeWindowTest, ConfirmingNoGradingSetsTheScale) {
  choose(GradeScheme::none);
  EXPECT_TRUE(confirm_grades(window, scale).ok());
  EXPECT_TRUE(scale.grade_scale_set);
  EXPECT_EQ(scale.grade_category_count, 0);
}

TEST(GradePercentFieldName, TwoDigits) {
  EXPECT_EQ(grade_percent_field_name(1), "txt_grade01");
  EXPECT_EQ(grade_percent_field_name(12), "txt_grade12");
}

}  // namespace
}  // namespace jrv
