#pragma once
// What the Options menu items do to the options, and the captions they set.

#include <string>

#include "core/workspace/analysis_options.h"

namespace jrv {

// The Analyze button's caption after an option changed: a stale analysis is marked.
std::string analyze_caption_after_option_change(bool analyze_enabled);

// "Hide Examinee Labels (names)": hiding the labels also sorts the examinees by score, so
// that the listing no longer follows the order of the names.
void set_hide_labels(AnalysisOptions& options, bool hide);

// The caption of btn_unhide for the current state.
std::string unhide_button_caption(bool labels_hidden);

// "Suggest Problem Items" toggles.
void toggle_suggest_problem_items(AnalysisOptions& options);

}  // namespace jrv
