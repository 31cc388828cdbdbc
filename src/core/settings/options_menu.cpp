#include "core/settings/options_menu.h"

namespace jrv {

std::string analyze_caption_after_option_change(bool analyze_enabled) {
  return analyze_enabled ? "Analyze with NEW Options (F9)" : "Analyze (F9)";
}

void set_hide_labels(AnalysisOptions& options, bool hide) {
  options.hide_labels = hide;
  if (hide) options.examinee_sort = ExamineeSort::by_score;
}

std::string unhide_button_caption(bool labels_hidden) {
  return labels_hidden ? "UN-Hide names" : "Hide names";
}

void toggle_suggest_problem_items(AnalysisOptions& options) {
  options.suggest_problem_items = !options.suggest_problem_items;
}

}  // namespace jrv
