#include "core/diagnostics/diagnostics_texts.h"

#include "core/text/format.h"

namespace jrv {

std::string key_text(const ItemDiagnostics& item) {
  if (item.record.key_value == 9) return "any";
  std::string text;
  for (const auto& o : item.options) {
    if (!o.keyed || o.option == 0) continue;
    if (!text.empty()) text += ", ";
    text += int_str(o.option);
  }
  return text.empty() ? int_str(item.record.key_value) : text;
}

std::string option_name(const OptionDiagnostics& option) {
  return option.option == 0 ? "Missing" : int_str(option.option);
}

std::string flag_titles(const ItemDiagnostics& item) {
  std::string text;
  ItemFlag last{};
  for (std::size_t i = 0; i < item.flags.size(); ++i) {
    // Several distractors may each suggest a miskey; the title is said once.
    if (i > 0 && item.flags[i].flag == last) continue;
    if (!text.empty()) text += ", ";
    text += flag_title(item.flags[i].flag);
    last = item.flags[i].flag;
  }
  return text;
}

std::string stat_text(double value) {
  return value == kNotComputable ? "n/a" : fixed(value, 3);
}

std::string interval_text(const std::optional<Interval>& interval) {
  return interval ? fixed(interval->low, 3) + " to " + fixed(interval->high, 3) : "n/a";
}

std::string score_group_label(const ScoreGroups& groups, int group) {
  const auto g = static_cast<std::size_t>(group);
  std::string text = int_str(group + 1) + " (";
  if (groups.sizes[g] == 0) return text + "none)";
  text += int_str(groups.min_score[g]);
  if (groups.max_score[g] != groups.min_score[g]) text += "-" + int_str(groups.max_score[g]);
  return text + ")";
}

}  // namespace jrv
