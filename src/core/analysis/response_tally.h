#pragma once
// How the examinees answered each included item, gathered in one pass over the response
// matrix for both the item statistics and the option counts: per response code (0..9,
// anything above as 10) the number of examinees who gave it, of the upper and of the lower
// group, and the sum of their raw scores.

#include <array>
#include <cstdint>
#include <vector>

#include "core/analysis/response_columns.h"
#include "core/workspace/workspace.h"

namespace jrv {

struct CodeTally {
  static constexpr std::size_t kCodes = 11;
  std::array<std::int32_t, kCodes> total{}, high{}, low{};
  std::array<std::int64_t, kCodes> score_sum{};
};

// By item number, 1 to kMaxItems (entry 0 unused); all zero for an item not included.
using ResponseTally = std::vector<CodeTally>;

// Needs the scores and the groups; reads the item table in any order.
ResponseTally tally_responses(const Workspace& ws);
// The same from a column copy of ws.responses made beforehand.
ResponseTally tally_responses(const Workspace& ws, const ResponseColumns& columns);

}  // namespace jrv
