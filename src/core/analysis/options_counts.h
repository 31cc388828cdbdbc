#pragma once
// The options (distractor) counts: how many examinees chose each option of every included
// item, in the whole group and in the upper and lower groups, with the proportions. In
// right-wrong mode slot 1 counts RIGHT (code 1) and slot 2 WRONG (code 0).

#include "core/analysis/response_tally.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Needs the scores, the groups and their tally of the responses. Leaves the item table in
// item-number order. An empty group gives proportions of 0.
void count_options(Workspace& ws, const ResponseTally& tally);

}  // namespace jrv
