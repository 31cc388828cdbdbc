#pragma once
// The flags of one item, each with a reason a teacher can act on.

#include <vector>

#include "core/diagnostics/item_diagnostics.h"
#include "core/workspace/analysis_options.h"

namespace jrv {

// A distractor is an option 1..k that is not keyed; the keyed options (the key and the
// alternative answers) are compared by the best of them. The too easy / too hard limits
// are the problem-item criteria.
std::vector<FlagNote> item_flags(const ItemDiagnostics& item, const AnalysisOptions& criteria);

// Below this share of the examinees a distractor does not work.
inline constexpr double kNonFunctioningShare = 0.05;

}  // namespace jrv
