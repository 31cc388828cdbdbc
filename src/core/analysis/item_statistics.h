#pragma once
// Item statistics of the included items: difficulty, group counts and discrimination,
// point-biserial and biserial correlations, the item-deleted values and the problem-item
// marks. Excluded items keep the values they had.
//
// Undefined values: a proportion of an empty group is 0; a correlation with a zero score
// spread (or a zero spread without the item) is 0; the KR-20 without an item is 0 for
// k <= 2 or a zero variance without the item; a mean over no item is 0.

#include <array>
#include <cstdint>

#include "core/analysis/response_tally.h"
#include "core/workspace/limits.h"
#include "core/workspace/workspace.h"

namespace jrv {

// What the first stage hands to the item-deleted stage, per item record position.
struct ItemPassValues {
  std::array<double, kMaxItems + 1> ordinate{};                // normal ordinate at z(p)
  std::array<std::int64_t, kMaxItems + 1> score_of_correct{};  // raw scores of the correct
  std::int64_t sum_scores = 0, sum_squared_scores = 0;         // over all examinees
};

// Correct counts, difficulties and their summaries, group counts and discrimination,
// mean score of the correct, point-biserial, the normal ordinate and the biserial.
// Needs the scores, the distribution, the groups and their tally of the responses.
ItemPassValues compute_item_statistics(Workspace& ws, const ResponseTally& tally);

// Mean, variance, KR-20 and SEM with each item deleted, and the adjusted correlations.
void compute_item_deleted_statistics(Workspace& ws, const ItemPassValues& pass);

// Marks the potential problem items by the criteria (none when the switch is off) and
// counts them.
void mark_problem_items(Workspace& ws);

// Whether one included item is a potential problem under the given criteria.
bool is_problem_item(const ItemRecord& item, const AnalysisOptions& criteria);

}  // namespace jrv
