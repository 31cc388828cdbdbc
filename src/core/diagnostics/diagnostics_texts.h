#pragma once
// How the diagnostics read in the window and the report: one text per value, so that both
// say the same thing.

#include <string>

#include "core/diagnostics/item_diagnostics.h"

namespace jrv {

// The options that count as correct: "2", "1, 3", or "any" for a key of 9.
std::string key_text(const ItemDiagnostics& item);

// "1".."k", or "Missing" for the other answers.
std::string option_name(const OptionDiagnostics& option);

// The titles of the item's flags joined by ", "; empty when it has none.
std::string flag_titles(const ItemDiagnostics& item);

// A statistic with three decimals; "n/a" for the 9.0 marker.
std::string stat_text(double value);

// "0.612 to 0.851", or "n/a".
std::string interval_text(const std::optional<Interval>& interval);

// The five score groups as the curves' axis names them: "1 (0-12)" ... with the scores of
// each group, "1 (none)" when it is empty.
std::string score_group_label(const ScoreGroups& groups, int group);

}  // namespace jrv
