#pragma once
// What a teacher looks at before releasing grades: per item and option who chose what and
// how that relates to the score, flags with a reason a teacher can act on, and the
// reliability with its confidence intervals. Computed from the workspace after a run; the
// statistics the run already holds are copied, never recomputed another way.
//
// Options are 1..k of each item ("option" 0 collects every other response: blank, the
// missing symbol, 0, a digit above k). In right-wrong data option 1 is a 1 and option 2 a
// 0, as in the options analysis. Undefined values are 0, as everywhere else.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/workspace/workspace.h"

namespace jrv {

inline constexpr int kScoreGroups = 5;

enum class ItemFlag {
  possible_miskey,
  non_functioning_distractor,
  negative_discrimination,
  too_easy,
  too_hard
};

// "possible_miskey", ...: the names files use.
std::string_view flag_key(ItemFlag flag);
// "Possible miskey", ...: the names a reader sees.
std::string_view flag_title(ItemFlag flag);

struct FlagNote {
  ItemFlag flag = ItemFlag::too_easy;
  std::string reason;
  bool operator==(const FlagNote&) const = default;
};

struct OptionDiagnostics {
  int option = 0;      // 1..k; 0 = missing
  bool keyed = false;  // counts as correct (the key or an alternative answer)
  int count = 0;
  double proportion = 0;
  double mean_score = 0;           // mean raw score of those who chose it
  double rest_point_biserial = 0;  // choosing it (1/0) against the score without this item
  double upper = 0, lower = 0;     // proportions in the upper and lower groups
  std::array<double, kScoreGroups> groups{};  // proportions in the five score groups, lowest first
  bool operator==(const OptionDiagnostics&) const = default;
};

struct ItemDiagnostics {
  int item = 0;  // item number
  bool included = false;
  ItemRecord record;                       // the run's statistics of the item
  std::vector<OptionDiagnostics> options;  // 1..k, then missing; empty when excluded
  std::vector<FlagNote> flags;
  bool has(ItemFlag flag) const;
  bool operator==(const ItemDiagnostics&) const = default;
};

struct Interval {
  double low = 0, high = 0;
  bool operator==(const Interval&) const = default;
};

// The score groups: examinees with equal scores always share a group.
struct ScoreGroups {
  std::array<int, kScoreGroups> sizes{};
  std::array<int, kScoreGroups> min_score{}, max_score{};  // of the members; 0 when empty
  bool operator==(const ScoreGroups&) const = default;
};

struct DiagnosticsResult {
  std::string title;
  int examinees = 0, items = 0, included_items = 0;
  TestStatistics stats;  // the run's test statistics
  std::optional<Interval> kr20_ci95, kr20_ci90;
  ScoreGroups groups;
  std::vector<ItemDiagnostics> item_list;  // every item, by item number
  int flagged_count() const;
  bool operator==(const DiagnosticsResult&) const = default;
};

// The diagnostics of the last analysis of `ws` (which must have been analysed).
DiagnosticsResult diagnose(const Workspace& ws);

// The group (0..4) of each raw score 0..max, from the number of examinees per score: a score
// goes to the fifth that holds the middle of its examinees in ascending order.
std::vector<int> score_group_of(const std::vector<int>& examinees_per_score);

// Feldt's interval for KR-20 (coefficient alpha) at `confidence` (0.95 ...); nothing when it
// is undefined (fewer than 2 examinees or items, or no score spread).
std::optional<Interval> feldt_interval(double kr20, int examinees, int items, double variance,
                                       double confidence);

}  // namespace jrv
