#include <gtest/gtest.h>

#include "core/settings/grade_window.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

const Lines kFive = {"USER=NO", "5",  "A   =", "90", "B   =", "80",
                     "C   =",   "70", "D   =", "60", "F   "};

struct GradeSettingsFileTest : ::testing::Test {
  GradeWindowFields window;
  GradeScale scale;
  AnalysisOptions options;
};

TEST_F(GradeSettingsFileTest, FiveCategoryFileHasElevenLines) {
  choose_grade_scheme(GradeScheme::five, window, scale, options);
  EXPECT_EQ(grade_settings_lines(window, scale), kFive);
}

TEST_F(GradeSettingsFileTest, UserSchemeWritesFieldTextsAsTyped) {
  choose_grade_scheme(GradeScheme::user, window, scale, options);
  window.num_cats = "3";
  change_grade_category_count(window, scale);
  window.labels[1] = "Top =";
  window.percents[1] = "85.50";
  window.labels[2] = "Mid";
  window.percents[2] = "60";
  const Lines expected = {"USER=YES", "3", "Top =", "85.50", "Mid", "60", "Fail"};
  EXPECT_EQ(grade_settings_lines(window, scale), expected);

  choose_grade_scheme(GradeScheme::none, window, scale, options);
  EXPECT_EQ(grade_settings_lines(window, scale), (Lines{"USER=NO", "0"}));
}

TEST_F(GradeSettingsFileTest, ReadingIntoTheWindowStoresNothing) {
  const Lines file = {"USER=NO", "5",  "A   =", "91", "B   =", "81",
                      "C   =",   "71", "D   =", "61", "F   "};
  EXPECT_TRUE(read_grade_settings_into_window(file, window, scale, options).ok());
  EXPECT_EQ(window.scheme, GradeScheme::five);
  EXPECT_EQ(scale.grade_category_count, 5);
  EXPECT_EQ(window.percents[1], "91");
  EXPECT_EQ(window.labels[5], "F   ");
  EXPECT_FALSE(scale.grade_scale_set);
  EXPECT_EQ(scale.grade_minimums[1], 0);
  // OK then takes it in.
  EXPECT_TRUE(confirm_grades(window, scale).ok());
  EXPECT_EQ(scale.grade_minimums[4], 61);
}

TEST_F(GradeSettingsFileTest, WrittenUserScaleReadsBackIntoTheScale) {
  choose_grade_scheme(GradeScheme::user, window, scale, options);
  window.num_cats = "4";
  change_grade_category_count(window, scale);
  const char* labels[] = {"", "Hi", "Good", "Fair", "Low"};
  const char* percents[] = {"", "85", "70.5", "40"};
  for (int k = 1; k <= 4; ++k) window.labels[static_cast<std::size_t>(k)] = labels[k];
  for (int k = 1; k <= 3; ++k) window.percents[static_cast<std::size_t>(k)] = percents[k];
  const Lines file = grade_settings_lines(window, scale);

  GradeWindowFields w2;
  GradeScale s2;
  AnalysisOptions o2;
  EXPECT_TRUE(read_grade_settings_into_scale(file, w2, s2, o2, true).ok());
  EXPECT_EQ(w2.scheme, GradeScheme::user);
  EXPECT_TRUE(s2.user_defined_grades);
  EXPECT_TRUE(s2.grade_scale_set);
  EXPECT_EQ(s2.grade_category_count, 4);
  EXPECT_EQ(w2.num_cats, "4");
  EXPECT_EQ(w2.labels[2], "Good");
  EXPECT_EQ(w2.percents[2], "70.5");
  EXPECT_EQ(s2.grade_labels[1], "Hi  ");
  EXPECT_EQ(s2.grade_labels[4], "Low ");
  EXPECT_EQ(s2.grade_minimums[2], 70.5);
  EXPECT_EQ(s2.grade_minimums[3], 40);
  EXPECT_EQ(grade_settings_lines(w2, s2), file);
}

TEST_F(GradeSettingsFileTest, LowerCaseUserLineIsNotUserDefined) {
  const Lines file = {"user=yes", "2", "Pass =", "65", "Fail  "};
  read_grade_settings_into_window(file, window, scale, options);
  EXPECT_EQ(window.scheme, GradeScheme::two);
  EXPECT_FALSE(scale.user_defined_grades);
  EXPECT_EQ(window.percents[1], "65");
}

TEST_F(GradeSettingsFileTest, OtherCountsWithoutUserChooseNoGrading) {
  const Lines file = {"USER=NO", "3", "X", "50", "Y", "20", "Z"};
  options.band_units = BandUnits::letters;
  read_grade_settings_into_window(file, window, scale, options);
  EXPECT_EQ(window.scheme, GradeScheme::none);
  EXPECT_EQ(scale.grade_category_count, 0);
  EXPECT_NE(options.band_units, BandUnits::letters);
}

TEST_F(GradeSettingsFileTest, NonNumericCountOrPercentageStopsWithConversionError) {
  try {
    read_grade_settings_into_window({"USER=NO", "five"}, window, scale, options);
    ADD_FAILURE() << "no ConversionError";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'five' is not a valid integer value (line 2)");
  }
  // A file that ends early reads as empty lines; an empty count is not a number.
  EXPECT_THROW(read_grade_settings_into_scale({"USER=NO"}, window, scale, options, true),
               ConversionError);

  const Lines bad = {"USER=NO", "5",  "A   =", "90", "B   =", "eighty",
                     "C   =",   "70", "D   =", "60", "F   "};
  // The message names the line of the file.
  try {
    read_grade_settings_into_scale(bad, window, scale, options, true);
    ADD_FAILURE() << "no ConversionError";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'eighty' is not a valid floating point value (line 6)");
  }
  // What was read before the fault stays; the scale is not marked set.
  EXPECT_EQ(scale.grade_minimums[1], 90);
  EXPECT_EQ(scale.grade_labels[2], "B   ");
  EXPECT_FALSE(scale.grade_scale_set);
}

TEST_F(GradeSettingsFileTest, CountBeyondTheTableIsRefusedWithoutReadingLines) {
  Lines file = {"USER=YES", "14"};
  for (int i = 0; i < 40; ++i) file.push_back("1");
  const CheckResult r = read_grade_settings_into_scale(file, window, scale, options, true);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Number of Categories must be a whole number between 2-13");
  EXPECT_FALSE(scale.grade_scale_set);

  file[0] = "USER=NO";
  EXPECT_TRUE(read_grade_settings_into_window(file, window, scale, options).failed);
}

TEST_F(GradeSettingsFileTest, OpeningTheWindowReadsSavedDefaultsIntoTheScale) {
  window.set_caption = "old";
  EXPECT_TRUE(open_grade_window(std::nullopt, window, scale, options).ok());
  EXPECT_EQ(window.set_caption, "");
  EXPECT_FALSE(scale.grade_scale_set);

  EXPECT_TRUE(open_grade_window(kFive, window, scale, options).ok());
  EXPECT_EQ(window.scheme, GradeScheme::five);
  EXPECT_TRUE(scale.grade_scale_set);
  EXPECT_EQ(scale.grade_minimums[3], 70);
  EXPECT_EQ(scale.grade_labels[5], "F   ");
}

TEST_F(GradeSettingsFileTest, GradeLettersInBandsReadsConfirmsAndSelectsLetters) {
  EXPECT_TRUE(use_grade_letters_in_bands(kFive, window, scale, options).ok());
  EXPECT_EQ(options.band_units, BandUnits::letters);
  EXPECT_TRUE(scale.grade_scale_set);
  EXPECT_EQ(scale.grade_category_count, 5);

  // A user-defined file does not choose the user button here.
  GradeWindowFields w2;
  GradeScale s2;
  AnalysisOptions o2;
  const Lines user = {"USER=YES", "3", "Hi", "80", "Mid", "50", "Lo"};
  EXPECT_TRUE(use_grade_letters_in_bands(user, w2, s2, o2).ok());
  EXPECT_EQ(w2.scheme, GradeScheme::none);
  EXPECT_FALSE(s2.user_defined_grades);
  EXPECT_EQ(s2.grade_category_count, 3);
  EXPECT_EQ(s2.grade_labels[2], "Mid ");
  EXPECT_EQ(o2.band_units, BandUnits::letters);

  // Without a saved file only the unit changes; a bad saved scale still selects letters.
  GradeScale s3;
  AnalysisOptions o3;
  EXPECT_TRUE(use_grade_letters_in_bands(std::nullopt, w2, s3, o3).ok());
  EXPECT_EQ(o3.band_units, BandUnits::letters);
  EXPECT_EQ(s3, GradeScale{});
  const Lines unordered = {"USER=NO", "2", "Pass =", "120", "Fail  "};
  const CheckResult r = use_grade_letters_in_bands(unordered, w2, s3, o3);
  EXPECT_EQ(r.focus, "txt_grade01");
  EXPECT_EQ(o3.band_units, BandUnits::letters);
}

}  // namespace
}  // namespace jrv
