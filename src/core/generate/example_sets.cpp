#include "core/generate/example_sets.h"

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/generate/random_numbers.h"
#include "core/generate/sample_data.h"
#include "core/input/alternative_answers.h"
#include "core/input/conversions.h"
#include "core/input/editor_check.h"
#include "core/input/new_test.h"
#include "core/input/table_of_specs.h"
#include "core/settings/grade_window.h"
#include "core/settings/option_dialogs.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr std::array<std::pair<std::string_view, ExampleSet>, 10> kNames = {{
    {"sample1", ExampleSet::sample1},
    {"sample2", ExampleSet::sample2},
    {"sample3", ExampleSet::sample3},
    {"numeric", ExampleSet::numeric},
    {"right-wrong", ExampleSet::right_wrong},
    {"letter", ExampleSet::letter},
    {"true-false", ExampleSet::true_false},
    {"mixture", ExampleSet::mixture},
    {"qzr1", ExampleSet::qzr1},
    {"qzl1", ExampleSet::qzl1},
}};

void merge(CheckResult& into, const CheckResult& from) {
  into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
  if (!from.focus.empty()) into.focus = from.focus;
  into.failed = into.failed || from.failed;
}

// What an example replaces: a new, unsaved test in its own coding, without partial credit,
// alternatives or a table of specifications left from the test before.
void start_new_test(EditorDocument& doc, Workspace& ws) {
  new_test(doc, ws);
  doc.example_loading = true;
  doc.input_opened = false;
  doc.input_path.clear();
  if (ws.right_wrong_mode) toggle_right_wrong(ws);
  ws.data_coding = DataCoding::original;
}

struct TestText {
  std::string title, comments;
  int label_length = 0;
  std::string key, options, include;
  std::vector<std::string> lines;
};

void put_test(const TestText& t, EditorDocument& doc, Workspace& ws) {
  EditorFields& ed = doc.editor;
  ed.title = t.title;
  ed.comments = t.comments;
  ed.cases = int_str(static_cast<std::int64_t>(t.lines.size()));
  ed.items = int_str(static_cast<std::int64_t>(t.key.size()));
  ed.missing_data = "9";
  ed.label_length = int_str(t.label_length);
  ed.answer_key = t.key;
  ed.options = t.options;
  ed.include = t.include;
  ed.data_lines = t.lines;
  doc.include_changed = false;

  ws.title = cut(t.title, kMaxTitleLength);
  ws.comments = cut(t.comments, kMaxTitleLength);
  ws.num_cases = static_cast<std::int32_t>(t.lines.size());
  ws.num_items = static_cast<std::int32_t>(t.key.size());
  ws.missing_symbol = "9";
  ws.label_length = t.label_length;
  ws.answer_key_typed = t.key;
  ws.option_counts = t.options;
  ws.include_codes = t.include;
}

std::vector<std::string> lines_of(std::span<const char* const> lines) {
  return {lines.begin(), lines.end()};
}

// Grading through the grade window: a fixed scheme, optionally with its own minimums or
// the program defaults, then OK.
CheckResult choose_grades(EditorDocument& doc, Workspace& ws, GradeScheme scheme,
                          std::span<const char* const> minimums, bool program_defaults) {
  choose_grade_scheme(scheme, doc.grades, ws.grade_scale, ws.options);
  if (program_defaults) use_program_grade_defaults(doc.grades);
  for (std::size_t k = 0; k < minimums.size(); ++k) doc.grades.percents[k + 1] = minimums[k];
  return confirm_grades(doc.grades, ws.grade_scale);
}

CheckResult use_letter_bands(EditorDocument& doc, Workspace& ws) {
  // The example's own scale, not a saved default scale, is the one the bands use.
  return use_grade_letters_in_bands(std::nullopt, doc.grades, ws.grade_scale, ws.options);
}

CheckResult set_groups(EditorDocument& doc, Workspace& ws, const char* top, const char* bottom) {
  doc.groups.top = top;
  doc.groups.bottom = bottom;
  return confirm_group_percentages(doc.groups, ws.options);
}

// Items 12 and 30 of set #1 also accept their most popular distractor.
CheckResult set_sample1_alternatives(EditorDocument& doc, Workspace& ws) {
  CheckResult result;
  const AltSetup setup = set_up_alternative_answers(doc, ws);
  merge(result, setup.check);
  if (!setup.show_window) return result;
  for (auto& row : doc.alternatives.rows) {
    if (row[0] == "12") row[3] = "4";
    if (row[0] == "30") row[3] = "1";
  }
  merge(result, confirm_alternative_answers(doc, ws).check);
  return result;
}

CheckResult set_sample1_specifications(EditorDocument& doc, Workspace& ws, int items) {
  SpecTableFields& t = doc.spec_table;
  choose_content_area_count(t, ws, 3);
  choose_cognitive_level_count(t, ws, 3);
  t.content_names[1] = "Numbers and Operations";
  t.content_names[2] = "Geometry and Measurement";
  t.content_names[3] = "Data and Probability";
  t.skill_names[1] = "Knowledge";
  t.skill_names[2] = "Application";
  t.skill_names[3] = "Reasoning";
  for (int i = 1; i <= items; ++i) {
    const int area = i <= 16 ? 1 : i <= 33 ? 2 : 3;
    t.area_cells[i] = int_str(area);
    t.level_cells[i] = int_str((i - 1) % 3 + 1);
  }
  return save_spec_table(t, ws, items).check;
}

// Sample sets #1 and the mixed-code set share their shape and settings.
CheckResult load_sample1_shape(EditorDocument& doc, Workspace& ws, TestText text,
                               ExamineeSort sort) {
  put_test(text, doc, ws);
  CheckResult result;
  static const char* const kMinimums[] = {"82", "72", "62", "52"};
  merge(result, choose_grades(doc, ws, GradeScheme::five, kMinimums, false));
  merge(result, use_letter_bands(doc, ws));
  ws.options.examinee_sort = sort;
  ws.options.item_sort = ItemSort::point_biserial;
  merge(result, set_groups(doc, ws, "25.0", "25.0"));
  merge(result, set_sample1_alternatives(doc, ws));
  merge(result, set_sample1_specifications(doc, ws, static_cast<int>(text.key.size())));
  return result;
}

// The small test: every coding turns one right-wrong pattern into its own characters.
constexpr std::string_view kNumericKey = "11112122221222211212";

TestText student_test(ExampleSet set) {
  TestText t;
  t.label_length = 15;
  t.options = std::string(20, '2');
  t.include = std::string(20, 'Y');
  // Each value (1 or 2) in the coding's own characters; the mixture cycles through every
  // character that means that value on a two-option item.
  auto code = [set](int value, std::size_t position) -> char {
    switch (set) {
      case ExampleSet::letter:
        return value == 1 ? 'A' : 'B';
      case ExampleSet::true_false:
        return value == 1 ? 'T' : 'F';
      case ExampleSet::mixture: {
        static constexpr std::string_view ones = "1AaTt", twos = "20BbFf";
        return value == 1 ? ones[position % ones.size()] : twos[position % twos.size()];
      }
      default:
        return static_cast<char>('0' + value);
    }
  };
  switch (set) {
    case ExampleSet::numeric:
      t.title = "Example Test Data: As Numeric Data (1, 2)";
      t.comments = "In paricular, note the Answer Key with 1 and 2";
      t.key = kNumericKey;
      break;
    case ExampleSet::right_wrong:
      t.title = "Example Test Data: As Right-Wrong Data (1, 0=wrong)";
      t.comments = "Every key is 1; a wrong answer is 0";
      t.key = std::string(20, '1');
      break;
    case ExampleSet::letter:
      t.title = "Example Test Data: As Letter Data (A, B)";
      t.comments = "In paricular, note the Answer Key with A and B";
      t.key = "AAAABABBBBABBBBAABAB";
      break;
    case ExampleSet::true_false:
      t.title = "Example Test Data: As True-False Data (T, F)";
      t.comments = "In paricular, note the Answer Key with T and F";
      t.key = "TTTTFTFFFFTFFFFTTFTF";
      break;
    default:
      t.title = "Example Test Data: As a Mixture of Codes";
      t.comments = "With 2 options ONLY, (1AaTt) are interchangeable, as are (20BbFf)";
      t.key = "1111210000ABbbBTtfTF";
      break;
  }
  int student = 0;
  for (const char* pattern : sample_data::kStudentPattern) {
    ++student;
    std::string line =
        left("Student " + std::string(student < 10 ? "0" : "") + int_str(student), 15);
    for (std::size_t i = 0; i < kNumericKey.size(); ++i) {
      const bool right = pattern[i] == '1';
      if (set == ExampleSet::right_wrong) {
        line += right ? '1' : '0';
        continue;
      }
      const int key = kNumericKey[i] - '0';
      line += code(right ? key : 3 - key, static_cast<std::size_t>(student) * 20 + i);
    }
    t.lines.push_back(std::move(line));
  }
  return t;
}

// A right-wrong test of 200 examinees whose items run from negative to strong
// discrimination, so that the item statistics show the whole range.
TestText biserial_test() {
  TestText t;
  t.title = "Data for Biserial Example";
  t.comments = "Use to illustrate item discrimination characteristics";
  t.label_length = 15;
  t.key = std::string(75, '1');
  t.options = std::string(75, '2');
  RandomState rng;
  rng.reseed(1975);
  std::array<double, 75> slope{}, location{};
  for (int i = 0; i < 75; ++i) {
    slope[i] = -0.6 + 3.0 * i / 74.0;
    location[i] = 0.8 * normal(rng);
  }
  for (int e = 1; e <= 200; ++e) {
    const double ability = normal(rng);
    std::string line = "Examinee" + right(e, 4) + "   ";
    for (int i = 0; i < 75; ++i) {
      const double p = 1.0 / (1.0 + std::exp(-1.7 * slope[i] * (ability - location[i])));
      line += uniform(rng) < p ? '1' : '0';
    }
    t.lines.push_back(std::move(line));
  }
  return t;
}

CheckResult load_biserial(EditorDocument& doc, Workspace& ws) {
  put_test(biserial_test(), doc, ws);
  CheckResult result;
  merge(result, choose_grades(doc, ws, GradeScheme::none, {}, false));
  ws.options.band_units = BandUnits::raw;
  doc.example_loading = false;
  const CheckResult check = ReadEditorData(doc, ws);
  merge(result, check);
  if (check.failed) return result;
  for (int i = 1; i <= kMaxItems; ++i) {
    ws.saved_key_values[i] = ws.key_values[i];
    ws.saved_option_values[i] = ws.option_values[i];
  }
  ws.saved_responses = ws.responses;
  toggle_right_wrong(ws);
  return result;
}

}  // namespace

std::optional<ExampleSet> example_by_name(std::string_view name) {
  for (const auto& [n, set] : kNames)
    if (n == name) return set;
  return std::nullopt;
}

std::string_view example_name(ExampleSet set) {
  for (const auto& [n, s] : kNames)
    if (s == set) return n;
  return {};
}

CheckResult load_example(ExampleSet set, EditorDocument& doc, Workspace& ws) {
  start_new_test(doc, ws);
  CheckResult result;
  switch (set) {
    case ExampleSet::sample1: {
      TestText t{"Sample Data Set #1 (N=23, Mean=27.696, SD=9.313, KR21=0.888)",
                 "Min=6.000 Max=44.000 Median=28.000 KR20=0.919 SEM=2.657",
                 20,
                 std::string(sample_data::kSample1Key),
                 std::string(sample_data::kSample1Options),
                 std::string(sample_data::kSample1Include),
                 lines_of(sample_data::kSample1Lines)};
      result = load_sample1_shape(doc, ws, std::move(t), ExamineeSort::by_score);
      break;
    }
    case ExampleSet::qzr1: {
      TestText t{"Mixed Response Codes (the answers of Sample Data Set #1)",
                 "Digits, A-D, a-d, T/t/F/f on 2-option items, blanks as missing",
                 20,
                 std::string(sample_data::kMixedKey),
                 std::string(sample_data::kSample1Options),
                 std::string(sample_data::kSample1Include),
                 lines_of(sample_data::kMixedLines)};
      result = load_sample1_shape(doc, ws, std::move(t), ExamineeSort::by_label);
      break;
    }
    case ExampleSet::sample2: {
      TestText t{"Sample Data Set #2 (N=17, Mean=35.765, SD=16.145, KR21=0.953)",
                 "Min=8.000 Max=63.000 Median=39.000 KR20=0.968 SEM=2.878",
                 15,
                 std::string(sample_data::kSample2Key),
                 std::string(sample_data::kSample2Options),
                 std::string(sample_data::kSample2Key.size(), 'Y'),
                 lines_of(sample_data::kSample2Lines)};
      put_test(t, doc, ws);
      merge(result, set_groups(doc, ws, "27.0", "25.0"));
      merge(result, choose_grades(doc, ws, GradeScheme::twelve, {}, true));
      merge(result, use_letter_bands(doc, ws));
      break;
    }
    case ExampleSet::sample3: {
      TestText t{"Sample Data Set #3 (N=50, Mean=28.540, SD=10.511, KR21=0.922)",
                 "Min=4.000 Max=46.000 Median=29.500 KR20=0.946 SEM=2.454",
                 22,
                 std::string(sample_data::kSample3Key),
                 std::string(sample_data::kSample3Key.size(), '4'),
                 std::string(sample_data::kSample3Key.size(), 'Y'),
                 lines_of(sample_data::kSample3Lines)};
      put_test(t, doc, ws);
      merge(result, set_groups(doc, ws, "27.0", "27.0"));
      merge(result, choose_grades(doc, ws, GradeScheme::none, {}, false));
      ws.options.band_units = BandUnits::raw;
      ws.options.examinee_sort = ExamineeSort::by_label;
      break;
    }
    case ExampleSet::numeric:
    case ExampleSet::right_wrong:
    case ExampleSet::letter:
    case ExampleSet::true_false:
    case ExampleSet::mixture:
      put_test(student_test(set), doc, ws);
      merge(result, choose_grades(doc, ws, GradeScheme::twelve, {}, true));
      merge(result, use_letter_bands(doc, ws));
      merge(result, set_groups(doc, ws, "27.0", "27.0"));
      break;
    case ExampleSet::qzl1:
      result = load_biserial(doc, ws);
      break;
  }
  doc.example_loading = false;
  return result;
}

}  // namespace jrv
