#pragma once
// One examinee and one item of the loaded test, with the fields the analysis fills.

#include <array>
#include <cstdint>
#include <string>

#include "core/workspace/limits.h"

namespace jrv {

struct Case_Record {
  std::int32_t case_number = 0;  // position in the input, 1..N; restores input order
  std::string label;
  std::int32_t mc_score = 0;
  std::int32_t pc_score = 0;
  std::int32_t raw_score = 0;
  double total_score = 0;
  double percent_score = 0;
  double total_percent = 0;
  std::string grade;        // at most 4 characters
  std::string total_grade;  // at most 4 characters
  std::int32_t rank = 0;
  std::int32_t total_rank = 0;
  double band68_high_raw = 0, band68_low_raw = 0, band95_high_raw = 0, band95_low_raw = 0;
  double band68_high_pct = 0, band68_low_pct = 0, band95_high_pct = 0, band95_low_pct = 0;
  std::string band68_high_letter, band68_low_letter, band95_high_letter,
      band95_low_letter;  // at most 2 characters each
  std::int32_t first_half_score = 0, second_half_score = 0;
  std::int32_t odd_score = 0, even_score = 0;

  bool operator==(const Case_Record&) const = default;
};

// Options 1..8 of an item; index 0 unused so that entry k is option k.
using OptionCounts = std::array<std::int32_t, kOptionSlots + 1>;
using OptionProps = std::array<double, kOptionSlots + 1>;

struct ItemRecord {
  std::int32_t item_number = 0;  // position in the input, 1-based; restores item order
  std::int32_t correct_count = 0;
  std::int32_t include_flag = 0;  // copies refreshed by every item sort
  std::int32_t key_value = 0;
  std::int32_t option_count = 0;
  double difficulty = 0;
  double discrimination = 0;
  double point_biserial = 0;  // 9.0 when everyone is correct
  double biserial = 0;
  std::int32_t high_correct = 0, low_correct = 0;
  double high_p = 0, low_p = 0;
  double mean_score_correct = 0;
  OptionCounts option_count_total{}, option_count_high{}, option_count_low{};
  OptionProps option_prop_total{}, option_prop_high{}, option_prop_low{};
  double kr20_if_deleted = 0;
  double mean_if_deleted = 0;
  double variance_if_deleted = 0;
  double adj_point_biserial = 0;  // 9.0 when everyone is correct
  double sem_if_deleted = 0;
  double adj_biserial = 0;
  bool problem = false;  // marked as a potential problem item by the last run

  bool operator==(const ItemRecord&) const = default;
};

// The marker of a correlation that cannot be computed (every examinee correct).
inline constexpr double kNotComputable = 9.0;

}  // namespace jrv
