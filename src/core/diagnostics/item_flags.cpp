#include "core/diagnostics/item_flags.h"

#include <algorithm>

#include "core/text/format.h"

namespace jrv {

std::string_view flag_key(ItemFlag flag) {
  switch (flag) {
    case ItemFlag::possible_miskey:
      return "possible_miskey";
    case ItemFlag::non_functioning_distractor:
      return "non_functioning_distractor";
    case ItemFlag::negative_discrimination:
      return "negative_discrimination";
    case ItemFlag::too_easy:
      return "too_easy";
    case ItemFlag::too_hard:
      return "too_hard";
  }
  return "";
}

std::string_view flag_title(ItemFlag flag) {
  switch (flag) {
    case ItemFlag::possible_miskey:
      return "Possible miskey";
    case ItemFlag::non_functioning_distractor:
      return "Non-functioning distractor";
    case ItemFlag::negative_discrimination:
      return "Negative discrimination";
    case ItemFlag::too_easy:
      return "Too easy";
    case ItemFlag::too_hard:
      return "Too hard";
  }
  return "";
}

namespace {

std::string f3(double x) {
  return fixed(x, 3);
}

std::string option_list(const std::vector<int>& options) {
  std::string text;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (i > 0) text += i + 1 == options.size() ? " and " : ", ";
    text += int_str(options[i]);
  }
  return text;
}

}  // namespace

std::vector<FlagNote> item_flags(const ItemDiagnostics& item, const AnalysisOptions& criteria) {
  std::vector<FlagNote> flags;
  if (!item.included) return flags;
  const ItemRecord& rec = item.record;

  std::vector<const OptionDiagnostics*> keyed, distractors;
  for (const auto& o : item.options) {
    if (o.option == 0) continue;
    (o.keyed ? keyed : distractors).push_back(&o);
  }

  if (!keyed.empty()) {
    const auto best_r = std::max_element(keyed.begin(), keyed.end(), [](auto a, auto b) {
      return a->rest_point_biserial < b->rest_point_biserial;
    });
    const auto best_upper = std::max_element(keyed.begin(), keyed.end(),
                                             [](auto a, auto b) { return a->upper < b->upper; });
    const std::string key_name = keyed.size() == 1 ? "the key" : "the best keyed option";
    for (const auto* d : distractors) {
      std::string reason;
      if (d->rest_point_biserial > 0 && d->rest_point_biserial > (*best_r)->rest_point_biserial)
        reason = "Option " + int_str(d->option) + " correlates better with the rest of the test (" +
                 f3(d->rest_point_biserial) + ") than " + key_name + " " +
                 int_str((*best_r)->option) + " (" + f3((*best_r)->rest_point_biserial) + ")";
      else if (d->upper > (*best_upper)->upper)
        reason = "The upper group chooses option " + int_str(d->option) + " (" + f3(d->upper) +
                 ") more often than " + key_name + " " + int_str((*best_upper)->option) + " (" +
                 f3((*best_upper)->upper) + ")";
      if (!reason.empty())
        flags.push_back({ItemFlag::possible_miskey, reason + ": check the key."});
    }
  }

  std::vector<int> unused;
  for (const auto* d : distractors)
    if (d->proportion < kNonFunctioningShare) unused.push_back(d->option);
  if (!unused.empty())
    flags.push_back({ItemFlag::non_functioning_distractor,
                     (unused.size() == 1 ? "Option " : "Options ") + option_list(unused) +
                         (unused.size() == 1 ? " is" : " are") +
                         " chosen by fewer than 5 % of the examinees: replace or drop."});

  const bool adjusted = rec.adj_point_biserial != kNotComputable;
  if (rec.discrimination < 0 || (adjusted && rec.adj_point_biserial < 0)) {
    std::string reason = rec.discrimination < 0
                             ? "The lower group answers it better than the upper group (D = " +
                                   f3(rec.discrimination) + ")"
                             : "Those who answer it right score lower on the rest of the test "
                               "(adjusted point-biserial " +
                                   f3(rec.adj_point_biserial) + ")";
    flags.push_back({ItemFlag::negative_discrimination, reason + ": check the item and its key."});
  }

  if (rec.difficulty > criteria.crit_difficulty_high)
    flags.push_back({ItemFlag::too_easy, "p = " + f3(rec.difficulty) + " is above " +
                                             general(criteria.crit_difficulty_high) + "."});
  if (rec.difficulty < criteria.crit_difficulty_low)
    flags.push_back({ItemFlag::too_hard, "p = " + f3(rec.difficulty) + " is below " +
                                             general(criteria.crit_difficulty_low) + "."});
  return flags;
}

}  // namespace jrv
