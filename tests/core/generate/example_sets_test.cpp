#include "core/generate/example_sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/analysis/analysis_run.h"
#include "core/input/editor_check.h"
#include "core/text/format.h"

namespace jrv {
namespace {

constexpr ExampleSet kAll[] = {ExampleSet::sample1,    ExampleSet::sample2,     ExampleSet::sample3,
                               ExampleSet::numeric,    ExampleSet::right_wrong, ExampleSet::letter,
                               ExampleSet::true_false, ExampleSet::mixture,     ExampleSet::qzr1,
                               ExampleSet::qzl1};

struct Loaded {
  EditorDocument doc;
  Workspace ws;
};

// Loads the example and leaves the editor as "Close && Analyze" would, checked and loaded.
Loaded load_and_check(ExampleSet set) {
  Loaded l;
  const CheckResult loaded = load_example(set, l.doc, l.ws);
  EXPECT_TRUE(loaded.ok()) << example_name(set);
  EXPECT_TRUE(loaded.messages.empty())
      << example_name(set) << ": " << (loaded.messages.empty() ? "" : loaded.messages[0]);
  if (set != ExampleSet::qzl1) {
    const CheckResult check = ReadEditorData(l.doc, l.ws);
    EXPECT_TRUE(check.ok()) << example_name(set);
    EXPECT_TRUE(check.messages.empty())
        << example_name(set) << ": " << (check.messages.empty() ? "" : check.messages[0]);
  }
  return l;
}

// 1 where the examinee's response is accepted for the item, else 0; examinees in input order.
std::vector<std::string> right_wrong(const Workspace& ws) {
  std::vector<std::string> rows;
  for (int e = 1; e <= ws.num_cases; ++e) {
    std::string row;
    for (int i = 1; i <= ws.num_items; ++i) {
      bool right = ws.key_values[i] == 9;
      for (int slot = 1; slot <= 9; ++slot)
        right = right || ws.correct_answers[i][slot] == ws.responses[e][i];
      row += right ? '1' : '0';
    }
    rows.push_back(row);
  }
  return rows;
}

bool has_bad_number(const std::vector<std::string>& lines) {
  for (const auto& l : lines)
    if (l.find("nan") != std::string::npos || l.find("inf") != std::string::npos) return true;
  return false;
}

TEST(Examples, EveryExampleLoadsChecksAndAnalyses) {
  for (const ExampleSet set : kAll) {
    Loaded l = load_and_check(set);
    EXPECT_EQ(example_by_name(example_name(set)), set);
    EXPECT_EQ(l.doc.editor.data_lines.size(), static_cast<std::size_t>(l.ws.num_cases));
    EXPECT_LE(l.doc.editor.title.size(), 70u) << l.doc.editor.title;
    EXPECT_LE(l.doc.editor.comments.size(), 70u) << l.doc.editor.comments;
    EXPECT_FALSE(l.doc.example_loading);
    run_analysis(l.ws, l.doc);
    const TestStatistics& s = l.ws.stats;
    for (const double v : {s.mean_score, s.sd_score, s.kr20, s.kr21, s.sem_kr20})
      EXPECT_TRUE(std::isfinite(v)) << example_name(set);
    EXPECT_GT(s.sd_score, 0.0) << example_name(set);
    EXPECT_FALSE(has_bad_number(l.ws.reports.quick_examinee)) << example_name(set);
    EXPECT_FALSE(has_bad_number(l.ws.reports.quick_items)) << example_name(set);
    EXPECT_FALSE(has_bad_number(l.ws.reports.full_results)) << example_name(set);
  }
  EXPECT_FALSE(example_by_name("sample4"));
}

TEST(Examples, SampleSetsCarryTheStatisticsOfTheirOwnAnalysis) {
  for (const ExampleSet set : {ExampleSet::sample1, ExampleSet::sample2, ExampleSet::sample3}) {
    Loaded l = load_and_check(set);
    run_analysis(l.ws, l.doc);
    const TestStatistics& s = l.ws.stats;
    const std::string name = "Sample Data Set #" + std::string(example_name(set).substr(6));
    const std::string title = name + " (N=" + int_str(l.ws.num_cases) +
                              ", Mean=" + fixed(s.mean_score, 3) + ", SD=" + fixed(s.sd_score, 3) +
                              ", KR21=" + fixed(s.kr21, 3) + ")";
    const std::string comments = "Min=" + fixed(s.min_score, 3) + " Max=" + fixed(s.max_score, 3) +
                                 " Median=" + fixed(s.median_score, 3) +
                                 " KR20=" + fixed(s.kr20, 3) + " SEM=" + fixed(s.sem_kr20, 3);
    EXPECT_EQ(l.doc.editor.title, title);
    EXPECT_EQ(l.doc.editor.comments, comments);
  }
}

TEST(Examples, FiveCodingsDecodeToOneRightWrongPattern) {
  const std::vector<std::string> numeric = right_wrong(load_and_check(ExampleSet::numeric).ws);
  ASSERT_EQ(numeric.size(), 15u);
  for (const ExampleSet set :
       {ExampleSet::right_wrong, ExampleSet::letter, ExampleSet::true_false, ExampleSet::mixture}) {
    const Loaded l = load_and_check(set);
    EXPECT_EQ(right_wrong(l.ws), numeric) << example_name(set);
    EXPECT_EQ(l.doc.editor.data_lines[0].substr(0, 15), "Student 01     ");
    EXPECT_EQ(l.doc.editor.data_lines[14].substr(0, 15), "Student 15     ");
    EXPECT_EQ(l.ws.grade_scale.grade_category_count, 12);
    EXPECT_EQ(l.ws.grade_scale.grade_minimums[1], 94);
    EXPECT_EQ(l.ws.options.band_units, BandUnits::letters);
    EXPECT_EQ(l.ws.options.upper_group_percent, 27.0);
  }
  const Loaded mixture = load_and_check(ExampleSet::mixture);
  EXPECT_EQ(mixture.doc.editor.answer_key, "1111210000ABbbBTtfTF");
  EXPECT_EQ(mixture.doc.editor.comments,
            "With 2 options ONLY, (1AaTt) are interchangeable, as are (20BbFf)");
}

TEST(Examples, SampleOneChoosesItsSettingsThroughTheWindows) {
  const Loaded l = load_and_check(ExampleSet::sample1);
  const Workspace& ws = l.ws;
  EXPECT_EQ(ws.num_cases, 23);
  EXPECT_EQ(ws.num_items, 49);
  EXPECT_EQ(ws.label_length, 20);
  EXPECT_EQ(ws.included_count, 47);
  EXPECT_EQ(ws.grade_scale.grade_category_count, 5);
  EXPECT_EQ(ws.grade_scale.grade_minimums[1], 82);
  EXPECT_EQ(ws.grade_scale.grade_minimums[4], 52);
  EXPECT_EQ(ws.options.band_units, BandUnits::letters);
  EXPECT_EQ(ws.options.examinee_sort, ExamineeSort::by_score);
  EXPECT_EQ(ws.options.item_sort, ItemSort::point_biserial);
  EXPECT_EQ(ws.options.upper_group_percent, 25.0);
  EXPECT_EQ(ws.alt_item_count, 2);
  EXPECT_EQ(ws.correct_answers[12][2], 4);
  EXPECT_EQ(ws.correct_answers[30][2], 1);
  EXPECT_EQ(ws.content_area_count, 3);
  EXPECT_EQ(ws.cognitive_level_count, 3);
  EXPECT_EQ(ws.content_area_names[2], "Geometry and Measurement");
  EXPECT_EQ(ws.item_specs[49], (ItemSpec{3, 1}));
}

TEST(Examples, MixedCodesGiveTheAnswersOfSampleOne) {
  const Loaded sample = load_and_check(ExampleSet::sample1);
  const Loaded mixed = load_and_check(ExampleSet::qzr1);
  EXPECT_NE(mixed.doc.editor.answer_key, sample.doc.editor.answer_key);
  EXPECT_EQ(right_wrong(mixed.ws), right_wrong(sample.ws));
  EXPECT_EQ(mixed.ws.options.examinee_sort, ExamineeSort::by_label);
  EXPECT_EQ(mixed.ws.alt_item_count, 2);
  EXPECT_EQ(mixed.ws.content_area_count, 3);
}

TEST(Examples, OtherSetsLeaveNothingOfTheTestBefore) {
  Loaded l;
  ASSERT_TRUE(load_example(ExampleSet::sample1, l.doc, l.ws).ok());
  ASSERT_TRUE(load_example(ExampleSet::sample2, l.doc, l.ws).ok());
  EXPECT_EQ(l.ws.alt_item_count, 0);
  EXPECT_TRUE(l.doc.alternatives.rows.empty());
  EXPECT_EQ(l.ws.content_area_count, 0);
  EXPECT_EQ(l.ws.grade_scale.grade_category_count, 12);
  EXPECT_EQ(l.ws.options.lower_group_percent, 25.0);
  ASSERT_TRUE(load_example(ExampleSet::sample3, l.doc, l.ws).ok());
  EXPECT_EQ(l.ws.options.band_units, BandUnits::raw);
  EXPECT_EQ(l.ws.options.examinee_sort, ExamineeSort::by_label);
  EXPECT_EQ(l.doc.editor.options, std::string(46, '4'));
}

TEST(Examples, HiddenRightWrongSetIsLoadedInRightWrongMode) {
  const Loaded l = load_and_check(ExampleSet::qzl1);
  EXPECT_EQ(l.doc.editor.title, "Data for Biserial Example");
  EXPECT_EQ(l.doc.editor.comments, "Use to illustrate item discrimination characteristics");
  EXPECT_EQ(l.ws.num_cases, 200);
  EXPECT_EQ(l.ws.num_items, 75);
  EXPECT_EQ(l.doc.editor.data_lines[0].substr(0, 15), "Examinee   1   ");
  EXPECT_EQ(l.doc.editor.data_lines[199].substr(0, 15), "Examinee 200   ");
  EXPECT_TRUE(l.ws.right_wrong_mode);
  EXPECT_EQ(l.ws.saved_key_values[75], 1);
  EXPECT_EQ(l.ws.saved_option_values[75], 2);
  EXPECT_EQ(l.ws.saved_responses, l.ws.responses);
  EXPECT_EQ(l.ws.grade_scale.grade_category_count, 0);
}

}  // namespace
}  // namespace jrv
