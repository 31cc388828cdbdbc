#pragma once
// Scoring: raw scores, percentages, partial-credit totals, split-half part scores and
// letter grades of every examinee, from the response matrix.

#include <array>
#include <cstdint>

#include "core/analysis/response_columns.h"
#include "core/workspace/workspace.h"

namespace jrv {

// Per item number, the response codes 0..9 that count as correct, as bits (bit c for code
// c); 0 for an excluded item, every code for a key of 9.
class CorrectCodes {
 public:
  explicit CorrectCodes(const Workspace& ws);
  bool correct(std::size_t item, std::uint8_t code) const { return bit(item, code) != 0; }
  // 1 when correct, else 0, without a branch (codes above 9 are never correct).
  std::uint32_t bit(std::size_t item, std::uint8_t code) const {
    return (mask_[item] >> (code < 31 ? code : 31)) & 1u;
  }
  bool included(std::size_t item) const { return included_[item]; }

 private:
  std::array<std::uint32_t, kMaxItems + 1> mask_{};  // by item number, index 0 unused
  std::array<bool, kMaxItems + 1> included_{};
};

// Zeroes every computed field of examinees 1..N and the grade counts, then scores and
// grades each examinee. Reads the examinee table in any order (responses by case_number).
void score_examinees(Workspace& ws);
// The same from a column copy of ws.responses made beforehand.
void score_examinees(Workspace& ws, const ResponseColumns& columns);

}  // namespace jrv
