#include "core/settings/grade_lookup.h"

#include <gtest/gtest.h>

#include "core/settings/grade_window.h"

namespace jrv {
namespace {

struct GradeLookupTest : ::testing::Test {
  GradeWindowFields window;
  GradeScale scale;
  AnalysisOptions options;

  void confirm_scheme(GradeScheme s) {
    choose_grade_scheme(s, window, scale, options);
    ASSERT_TRUE(confirm_grades(window, scale).ok());
  }
};

TEST_F(GradeLookupTest, RoundingHalvesToEvenOrAbsolutePercentages) {
  confirm_scheme(GradeScheme::five);
  EXPECT_EQ(grade_letter(scale, 89.5, true), "A   ");
  EXPECT_EQ(grade_letter(scale, 88.5, true), "B   ");
  EXPECT_EQ(grade_letter(scale, 89.99, false), "B   ");
  EXPECT_EQ(grade_letter(scale, 90, false), "A   ");
  EXPECT_EQ(grade_letter(scale, 60, false), "D   ");
  EXPECT_EQ(grade_letter(scale, 59.9, false), "F   ");
  EXPECT_EQ(grade_category(scale, 0, true), 5);
}

TEST_F(GradeLookupTest, BelowEveryMinimumGetsTheLastLabel) {
  confirm_scheme(GradeScheme::two);
  EXPECT_EQ(grade_letter(scale, 69, false), "Fail");
  EXPECT_EQ(grade_letter(scale, 70, false), "Pass");
  confirm_scheme(GradeScheme::none);
  EXPECT_EQ(grade_letter(scale, 50, true), "");
  EXPECT_EQ(grade_category(scale, 50, true), 0);
}

TEST_F(GradeLookupTest, SummaryLinesForFiveAndEightCategories) {
  confirm_scheme(GradeScheme::five);
  auto lines = grade_summary_lines(scale, window);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "A   = 90, B   = 80, C   = 70, D   = 60");

  choose_grade_scheme(GradeScheme::user, window, scale, options);
  window.num_cats = "8";
  change_grade_category_count(window, scale);
  const char* mins[] = {"", "95", "90", "80", "70", "60", "50", "40"};
  for (int k = 1; k <= 8; ++k)
    window.labels[static_cast<std::size_t>(k)] = std::string(1, 'A' + k - 1);
  for (int k = 1; k <= 7; ++k) window.percents[static_cast<std::size_t>(k)] = mins[k];
  ASSERT_TRUE(confirm_grades(window, scale).ok());
  lines = grade_summary_lines(scale, window);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "A   = 95, B   = 90, C   = 80, D   = 70, E   = 60, F   = 50");
  EXPECT_EQ(lines[1], "G   = 40");

  confirm_scheme(GradeScheme::none);
  EXPECT_TRUE(grade_summary_lines(scale, window).empty());
}

TEST_F(GradeLookupTest, SevenCategoriesStayOnOneLine) {
  choose_grade_scheme(GradeScheme::user, window, scale, options);
  window.num_cats = "7";
  change_grade_category_count(window, scale);
  for (int k = 1; k <= 6; ++k)
    window.percents[static_cast<std::size_t>(k)] = std::to_string(90 - 10 * k);
  ASSERT_TRUE(confirm_grades(window, scale).ok());
  EXPECT_EQ(grade_summary_lines(scale, window).size(), 1u);
}

}  // namespace
}  // namespace jrv
