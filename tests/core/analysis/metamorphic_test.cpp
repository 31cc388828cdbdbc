// Results that must agree: tests made by the generator with many seeds, changed in ways that
// must not change what the analysis says (or change exactly one known thing), analysed
// through the editor's check as a user's test is.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/analysis/analysis_run.h"
#include "core/generate/generator.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/reports/data_exports.h"
#include "core/reports/grade_reports.h"
#include "core/reports/item_stats_file.h"
#include "core/reports/results_files.h"

namespace jrv {
namespace {

struct Generated {
  EditorDocument doc;
  Workspace ws;  // what the generator left (maximum options, MC points)
  int label_length = 0;
  std::string what;  // names the test in a failure
};

// A generated test with a few excluded items and missing answers, so that the paths beside
// the plain one are crossed too.
Generated generated(int seed) {
  std::mt19937 pick(static_cast<unsigned>(seed));
  Generated t;
  GeneratorFields window;
  window.num_cases = std::to_string(5 + pick() % 120);
  window.num_items = std::to_string(3 + pick() % 98);
  window.seed = std::to_string(seed);
  window.options = static_cast<GenOptions>(pick() % 5);
  window.difficulty = static_cast<GenDifficulty>(pick() % 7);
  RandomState rng;
  EXPECT_TRUE(generate_data(window, t.doc, t.ws, rng).ok());
  auto& e = t.doc.editor;
  t.label_length = std::stoi(e.label_length);
  const auto items = e.answer_key.size();
  for (std::size_t j = 0; j < items; ++j)
    if (pick() % 9 == 0 && j > 0) e.include[j] = 'N';
  for (auto& line : e.data_lines)
    for (std::size_t c = static_cast<std::size_t>(t.label_length); c < line.size(); ++c)
      if (pick() % 40 == 0) line[c] = ' ';
  t.what = "seed " + std::to_string(seed) + ": " + e.title + ", include " + e.include;
  return t;
}

// "Close && Analyze" on the test, then a run with the start options.
Workspace analysed(const Generated& t, EditorDocument doc) {
  Workspace ws = t.ws;
  const EditorExit exit = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(exit.accepted) << t.what << ": "
                             << (exit.check.messages.empty() ? "" : exit.check.messages[0]);
  if (exit.accepted) run_analysis(ws, doc);
  return ws;
}
Workspace analysed(const Generated& t) {
  return analysed(t, t.doc);
}

// Every file an analysis writes, by name.
std::vector<std::pair<std::string, Lines>> files(const Workspace& ws, const EditorDocument& doc) {
  Workspace w = ws;  // the savers put the tables in order first
  return {{"results", results_file_lines(w)},
          {"examinees", examinee_file_lines(w)},
          {"items", item_file_lines(w)},
          {"options", options_file_lines(w)},
          {"item statistics", item_stats_lines(w)},
          {"0/1 data", right_wrong_data_lines(w)},
          {"grade reports", grade_report_file_lines(w, doc)}};
}

// The first line where two texts differ, with both lines.
void expect_same_lines(const Lines& a, const Lines& b, const std::string& what) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string x = i < a.size() ? a[i] : "<no line>";
    const std::string y = i < b.size() ? b[i] : "<no line>";
    if (x != y) {
      ADD_FAILURE() << what << ", line " << i + 1 << "\n  " << x << "\n  " << y;
      return;
    }
  }
}

void expect_near(double a, double b, const std::string& what) {
  if (!(std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a))))
    ADD_FAILURE() << what << ": " << a << " and " << b;
}

// Every statistic of an item but its option counts.
void expect_same_item(const ItemRecord& a, const ItemRecord& b, const std::string& what) {
  EXPECT_EQ(a.correct_count, b.correct_count) << what;
  EXPECT_EQ(a.high_correct, b.high_correct) << what;
  EXPECT_EQ(a.low_correct, b.low_correct) << what;
  EXPECT_EQ(a.problem, b.problem) << what;
  const std::pair<const char*, double ItemRecord::*> fields[] = {
      {"difficulty", &ItemRecord::difficulty},
      {"discrimination", &ItemRecord::discrimination},
      {"point-biserial", &ItemRecord::point_biserial},
      {"biserial", &ItemRecord::biserial},
      {"mean score of the correct", &ItemRecord::mean_score_correct},
      {"KR-20 if deleted", &ItemRecord::kr20_if_deleted},
      {"mean if deleted", &ItemRecord::mean_if_deleted},
      {"variance if deleted", &ItemRecord::variance_if_deleted},
      {"adjusted point-biserial", &ItemRecord::adj_point_biserial},
      {"SEM if deleted", &ItemRecord::sem_if_deleted},
      {"adjusted biserial", &ItemRecord::adj_biserial},
  };
  for (const auto& [name, field] : fields) expect_near(a.*field, b.*field, what + ", " + name);
}

void expect_same_test_statistics(const TestStatistics& a, const TestStatistics& b,
                                 const std::string& what) {
  const std::pair<const char*, double TestStatistics::*> fields[] = {
      {"mean", &TestStatistics::mean_score},
      {"variance", &TestStatistics::variance_score},
      {"median", &TestStatistics::median_score},
      {"skewness", &TestStatistics::skewness},
      {"kurtosis", &TestStatistics::kurtosis},
      {"mean difficulty", &TestStatistics::mean_difficulty},
      {"mean discrimination", &TestStatistics::mean_discrimination},
      {"mean point-biserial", &TestStatistics::mean_point_biserial},
      {"KR-20", &TestStatistics::kr20},
      {"KR-21", &TestStatistics::kr21},
      {"split half, first and second", &TestStatistics::split_half_first_second},
      {"split half, odd and even", &TestStatistics::split_half_odd_even},
  };
  for (const auto& [name, field] : fields) expect_near(a.*field, b.*field, what + ", " + name);
  EXPECT_EQ(a.high_group_size, b.high_group_size) << what;
  EXPECT_EQ(a.low_group_size, b.low_group_size) << what;
  EXPECT_EQ(a.grade_counts, b.grade_counts) << what;
}

constexpr int kSeeds = 40;

TEST(Metamorphic, ShufflingTheExamineesChangesNoItemStatistic) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    const Generated t = generated(seed);
    EditorDocument shuffled = t.doc;
    std::mt19937 g(static_cast<unsigned>(seed));
    std::shuffle(shuffled.editor.data_lines.begin(), shuffled.editor.data_lines.end(), g);
    const Workspace a = analysed(t), b = analysed(t, shuffled);
    for (int j = 1; j <= a.num_items; ++j)
      expect_same_item(a.items[j], b.items[j], t.what + ", item " + std::to_string(j));
    expect_same_test_statistics(a.stats, b.stats, t.what);
    const auto fa = files(a, t.doc), fb = files(b, shuffled);
    for (const std::size_t k : {2, 3, 4})  // the item, options and item statistics files
      expect_same_lines(fa[k].second, fb[k].second, t.what + ", " + fa[k].first);
  }
}

// The responses and the key of `doc` written with `code(value, options)` for each answer.
template <typename Code>
EditorDocument recoded(const Generated& t, Code code) {
  EditorDocument doc = t.doc;
  auto& e = doc.editor;
  const auto label = static_cast<std::size_t>(t.label_length);
  for (std::size_t j = 0; j < e.answer_key.size(); ++j) {
    const int options = e.options[j] - '0';
    e.answer_key[j] = code(e.answer_key[j] - '0', options, j);
    for (auto& line : e.data_lines)
      if (label + j < line.size() && line[label + j] != ' ')
        line[label + j] = code(line[label + j] - '0', options, j);
  }
  return doc;
}

TEST(Metamorphic, NumbersLettersAndTrueFalseGiveTheSameFiles) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    const Generated t = generated(seed);
    const auto numbers = files(analysed(t), t.doc);
    const EditorDocument letters = recoded(t, [](int v, int, std::size_t j) {
      return static_cast<char>((j % 2 ? 'a' : 'A') + v - 1);
    });
    const EditorDocument true_false = recoded(t, [](int v, int options, std::size_t j) {
      if (options != 2) return static_cast<char>('0' + v);
      static const char *const kTrue = "Tt", *const kFalse = "Ff0";
      return v == 1 ? kTrue[j % 2] : kFalse[j % 3];
    });
    for (const auto* doc : {&letters, &true_false}) {
      const auto other = files(analysed(t, *doc), *doc);
      for (std::size_t k = 0; k < numbers.size(); ++k)
        expect_same_lines(numbers[k].second, other[k].second,
                          t.what + ", " + numbers[k].first + ", key " + doc->editor.answer_key);
    }
  }
}

TEST(Metamorphic, SwappingTwoDistractorsChangesOnlyTheirOptionCounts) {
  int swapped = 0;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    const Generated t = generated(seed);
    const auto& e = t.doc.editor;
    // An item with two distractors or more, and two of them.
    std::vector<std::size_t> candidates;
    for (std::size_t j = 0; j < e.options.size(); ++j)
      if (e.options[j] >= '3') candidates.push_back(j);
    if (candidates.empty()) continue;
    const std::size_t item = candidates[static_cast<std::size_t>(seed) % candidates.size()];
    std::vector<int> distractors;
    for (int v = 1; v <= e.options[item] - '0'; ++v)
      if (v != e.answer_key[item] - '0') distractors.push_back(v);
    const int x = distractors.front(), y = distractors.back();
    EditorDocument doc = t.doc;
    const auto col = static_cast<std::size_t>(t.label_length) + item;
    for (auto& line : doc.editor.data_lines) {
      if (col >= line.size()) continue;
      if (line[col] - '0' == x)
        line[col] = static_cast<char>('0' + y);
      else if (line[col] - '0' == y)
        line[col] = static_cast<char>('0' + x);
    }
    ++swapped;
    const Workspace a = analysed(t), b = analysed(t, doc);
    const std::string what = t.what + ", options " + std::to_string(x) + " and " +
                             std::to_string(y) + " of item " + std::to_string(item + 1);
    for (int j = 1; j <= a.num_items; ++j) {
      const ItemRecord &p = a.items[j], &q = b.items[j];
      expect_same_item(p, q, what + ", item " + std::to_string(j));
      ItemRecord back = q;  // swapping the counts back gives the first run's counts
      if (j == static_cast<int>(item) + 1) {
        for (auto* counts :
             {&back.option_count_total, &back.option_count_high, &back.option_count_low})
          std::swap((*counts)[static_cast<std::size_t>(x)], (*counts)[static_cast<std::size_t>(y)]);
        for (auto* props : {&back.option_prop_total, &back.option_prop_high, &back.option_prop_low})
          std::swap((*props)[static_cast<std::size_t>(x)], (*props)[static_cast<std::size_t>(y)]);
      }
      EXPECT_EQ(p.option_count_total, back.option_count_total) << what << ", item " << j;
      EXPECT_EQ(p.option_count_high, back.option_count_high) << what << ", item " << j;
      EXPECT_EQ(p.option_count_low, back.option_count_low) << what << ", item " << j;
      EXPECT_EQ(p.option_prop_total, back.option_prop_total) << what << ", item " << j;
    }
    expect_same_test_statistics(a.stats, b.stats, what);
  }
  EXPECT_GT(swapped, kSeeds / 2);
}

TEST(Metamorphic, AnExcludedItemLeavesTheOthersAsATestWithoutIt) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    const Generated t = generated(seed);
    const auto& e = t.doc.editor;
    if (e.answer_key.size() < 2) continue;
    const std::size_t drop = static_cast<std::size_t>(seed) % e.answer_key.size();
    Generated excluded = t, without = t;
    excluded.doc.editor.include[drop] = 'N';
    auto& w = without.doc.editor;
    for (auto* field : {&w.answer_key, &w.options, &w.include}) field->erase(drop, 1);
    const auto col = static_cast<std::size_t>(t.label_length) + drop;
    for (auto& line : w.data_lines)
      if (col < line.size()) line.erase(col, 1);
    w.items = std::to_string(w.answer_key.size());
    if (w.include.find_first_not_of('N') == std::string::npos) continue;

    const Workspace a = analysed(excluded), b = analysed(without);
    const std::string what = t.what + ", item " + std::to_string(drop + 1) + " left out";
    for (int j = 1; j <= b.num_items; ++j) {
      const int same = j <= static_cast<int>(drop) ? j : j + 1;
      if (b.include_flags[j] == 0) continue;
      expect_same_item(a.items[same], b.items[j], what + ", item " + std::to_string(same));
      EXPECT_EQ(a.items[same].option_count_total, b.items[j].option_count_total) << what;
    }
    expect_near(a.stats.mean_score, b.stats.mean_score, what + ", mean");
    expect_near(a.stats.variance_score, b.stats.variance_score, what + ", variance");
    expect_near(a.stats.kr20, b.stats.kr20, what + ", KR-20");
    expect_near(a.stats.kr21, b.stats.kr21, what + ", KR-21");
    expect_near(a.stats.mean_difficulty, b.stats.mean_difficulty, what + ", mean difficulty");
    EXPECT_EQ(a.stats.grade_counts, b.stats.grade_counts) << what;
    for (int i = 1; i <= a.num_cases; ++i)
      EXPECT_EQ(a.cases[i].raw_score, b.cases[i].raw_score) << what << ", examinee " << i;
  }
}

TEST(Metamorphic, SavingAndReadingTheInputFileGivesTheSameFiles) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    const Generated t = generated(seed);
    const Workspace first = analysed(t);
    Generated again;
    again.ws.max_options = t.ws.max_options;
    again.label_length = t.label_length;
    again.what = t.what;
    const OpenResult read = read_input_lines(input_file_lines(t.doc, first), again.doc, again.ws);
    ASSERT_TRUE(read.read) << t.what;
    const auto a = files(first, t.doc), b = files(analysed(again), again.doc);
    for (std::size_t k = 0; k < a.size(); ++k)
      expect_same_lines(a[k].second, b[k].second, t.what + ", " + a[k].first);
  }
}

}  // namespace
}  // namespace jrv
