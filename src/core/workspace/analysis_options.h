#pragma once
// What the Options menu and its dialogs set; read by every analysis run.

namespace jrv {

enum class ExamineeSort { none, by_label, by_score };

// Item sort keys as the sort selector numbers them.
enum class ItemSort {
  item_number = 1,
  difficulty = 2,
  discrimination = 3,
  point_biserial = 4,
  adj_point_biserial = 5
};

enum class BandUnits { raw, percent, letters };

struct AnalysisOptions {
  ExamineeSort examinee_sort = ExamineeSort::none;
  ItemSort item_sort = ItemSort::item_number;
  BandUnits band_units = BandUnits::raw;
  double upper_group_percent = 27.0;
  double lower_group_percent = 27.0;
  double crit_difficulty_low = 0.2;
  double crit_difficulty_high = 0.9;
  double crit_discrimination = 0.2;
  double crit_point_biserial = 0.2;
  double crit_adj_point_biserial = 0.2;
  bool suggest_problem_items = true;
  bool round_grade_percent = true;
  bool hide_labels = false;

  bool operator==(const AnalysisOptions&) const = default;
};

}  // namespace jrv
