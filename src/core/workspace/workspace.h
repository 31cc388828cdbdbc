#pragma once
// The whole in-memory state of the one loaded test and of its last analysis.
// Tables are 1-based: examinees 1..num_cases, items 1..num_items (capacity 100).
// The per-item arrays and `responses` are always indexed by item number and input
// position; only `cases` and `items` are reordered by the sorts.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text/table1.h"
#include "core/workspace/analysis_options.h"
#include "core/workspace/grade_scale.h"
#include "core/workspace/limits.h"
#include "core/workspace/records.h"

namespace jrv {

// One examinee's responses: byte j (1..100) is the code 0..9 of item j; 9 = missing.
struct ResponseRow {
  std::array<std::uint8_t, kMaxItems + 1> code{};  // index 0 unused
  std::uint8_t& operator[](std::size_t item) { return code[item]; }
  std::uint8_t operator[](std::size_t item) const { return code[item]; }
  bool operator==(const ResponseRow&) const = default;
};

using AnswerSlots = std::array<std::int32_t, kAnswerSlots + 1>;  // slots 1..9
using AnswerTexts = std::array<std::string, kAnswerSlots + 1>;   // slots 1..9

// Content area and cognitive level of one item; 0 = none.
struct ItemSpec {
  std::int32_t content_area = 0;
  std::int32_t cognitive_level = 0;
  bool operator==(const ItemSpec&) const = default;
};

// The coding the data editor's lines were last converted to.
enum class DataCoding { original, right_wrong, letters, numbers };

struct TestStatistics {
  double mean_score = 0, variance_score = 0, sd_score = 0, min_score = 0, max_score = 0,
         median_score = 0, skewness = 0, kurtosis = 0;
  double total_possible = 0, mean_total = 0, variance_total = 0, sd_total = 0, min_total = 0,
         max_total = 0, median_total = 0, skewness_total = 0, kurtosis_total = 0;
  std::int32_t median_position = 0;
  double mean_difficulty = 0, variance_difficulty = 0, sd_difficulty = 0;
  double mean_correct_count = 0, variance_correct_count = 0, sd_correct_count = 0;
  double mean_discrimination = 0;
  double mean_point_biserial = 0;
  double mean_adj_point_biserial = 0;
  double kr20 = 0, kr21 = 0, sem_kr20 = 0, sem_kr21 = 0;
  double split_half_first_second = 0, split_half_odd_even = 0;
  std::int32_t high_group_size = 0, low_group_size = 0, high_group_min = 0, low_group_max = 0;
  std::array<std::int32_t, kMaxGradeCategories + 1> grade_counts{};  // categories 1..13
  std::int32_t problem_item_count = 0;

  bool operator==(const TestStatistics&) const = default;
};

// The report texts of the last analysis run, line by line.
struct ReportTexts {
  std::vector<std::string> quick_examinee;  // memo_results
  std::vector<std::string> quick_items;     // memo_items
  std::vector<std::string> full_results;    // results_box
  std::array<std::string, 3> banner_lines{};
  // What the run would have shown in message boxes (e.g. an impossible prophecy).
  std::vector<std::string> messages;
  bool operator==(const ReportTexts&) const = default;
};

struct Workspace {
  // Limits that can change at run time.
  int max_cases = kMaxCasesStart;
  int max_options = kMaxOptionsStart;

  // Test definition.
  std::string title;     // at most 70 characters
  std::string comments;  // at most 70 characters
  std::int32_t num_cases = 0;
  std::int32_t num_items = 0;
  std::int32_t label_length = 0;
  std::string missing_symbol = "9";
  std::string answer_key;            // normalised to digits
  std::string answer_key_typed;      // as typed
  std::string key_notice_given_for;  // the key text whose non-answers were last pointed out
  std::string option_counts;
  std::string include_codes;
  bool pc_enabled = false;
  double mc_points = 1.0;
  std::int32_t pc_points = 0;

  // Per-item arrays, items 1..100.
  Table1<std::int32_t> key_values = Table1<std::int32_t>(kMaxItems, 0);
  Table1<std::int32_t> option_values = Table1<std::int32_t>(kMaxItems, 0);
  Table1<std::int32_t> include_flags = Table1<std::int32_t>(kMaxItems, 0);
  Table1<AnswerSlots> correct_answers = Table1<AnswerSlots>(kMaxItems, AnswerSlots{});
  std::int32_t included_count = 0;
  std::int32_t max_options_used = 0;  // largest option_values entry; also largest_option_count

  // Responses, rows 1..num_cases, and partial-credit points per examinee.
  Table1<ResponseRow> responses;
  Table1<std::int32_t> case_pc_points;

  // Examinee and item tables.
  Table1<Case_Record> cases;
  Table1<ItemRecord> items = Table1<ItemRecord>(kMaxItems);

  // Statistics of the last analysis.
  TestStatistics stats;

  AnalysisOptions options;
  GradeScale grade_scale;

  // Alternative correct answers: the grid texts per item (slot 1 = key column).
  Table1<AnswerTexts> alt_answer_text = Table1<AnswerTexts>(kMaxItems, AnswerTexts{});
  std::int32_t alt_item_count = 0;
  std::int32_t answered_any_count = 0;

  // Table of specifications.
  std::int32_t content_area_count = 0;
  std::int32_t cognitive_level_count = 0;
  std::array<std::string, kMaxSpecAreas + 1> content_area_names{};     // 1..6
  std::array<std::string, kMaxSpecAreas + 1> cognitive_level_names{};  // 1..6
  Table1<ItemSpec> item_specs = Table1<ItemSpec>(kMaxItems, ItemSpec{});

  // Data coding and the saved copies used to convert back.
  bool right_wrong_mode = false;
  DataCoding data_coding = DataCoding::original;  // the Convert menu's heading when not right-wrong
  bool originals_saved = false;
  std::string original_key;
  std::vector<std::string> original_lines;
  Table1<std::int32_t> saved_key_values = Table1<std::int32_t>(kMaxItems, 0);
  Table1<std::int32_t> saved_option_values = Table1<std::int32_t>(kMaxItems, 0);
  Table1<ResponseRow> saved_responses;
  // What the right-wrong conversion replaced, so that converting back restores it exactly.
  Table1<AnswerSlots> saved_correct_answers = Table1<AnswerSlots>(kMaxItems, AnswerSlots{});
  std::vector<std::string> saved_lines;
  std::string saved_key_text, saved_options_text;
  // Right-wrong data carry no alternative answers (they are applied); these bring them back.
  std::string saved_include_text;
  Table1<std::int32_t> saved_include_flags = Table1<std::int32_t>(kMaxItems, 0);
  Table1<AnswerTexts> saved_alt_answer_text = Table1<AnswerTexts>(kMaxItems, AnswerTexts{});
  std::int32_t saved_alt_item_count = 0;
  std::vector<std::array<std::string, 11>> saved_alt_rows;  // the grid's rows
  int saved_alt_column_count = 0;

  // Output switches with their start values.
  bool save_exm = true, save_itm = true, save_opt = true, save_rpt = false;
  bool print_grades_on_reports = true;
  bool auto_save_input = true;
  bool alt_file_ok = false;
  bool change_seed_each_time = false;
  double desired_reliability = 0.8;

  // Texts of the last analysis run.
  ReportTexts reports;
  bool analysed = false;  // a run has completed since the test was loaded
};

}  // namespace jrv
