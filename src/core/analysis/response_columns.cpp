#include "core/analysis/response_columns.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace jrv {

namespace {

// Swaps the lanes of x selected by ~mask with those of y selected by mask, `shift` bits apart.
inline void swap_lanes(std::uint64_t& x, std::uint64_t& y, std::uint64_t mask, unsigned shift) {
  const std::uint64_t a = x, b = y;
  x = (a & mask) | ((b & mask) << shift);
  y = ((a >> shift) & mask) | (b & ~mask);
}

// Transposes an 8 x 8 block of bytes held as eight words, row k in word k, byte b in lane b
// (bits 8b..8b+7): afterwards word b holds column b. Three rounds swap 1, 2, then 4 lanes.
void transpose_bytes(std::array<std::uint64_t, 8>& a) {
  constexpr std::uint64_t m1 = 0x00FF00FF00FF00FFull, m2 = 0x0000FFFF0000FFFFull,
                          m4 = 0x00000000FFFFFFFFull;
  swap_lanes(a[0], a[1], m1, 8);
  swap_lanes(a[2], a[3], m1, 8);
  swap_lanes(a[4], a[5], m1, 8);
  swap_lanes(a[6], a[7], m1, 8);
  swap_lanes(a[0], a[2], m2, 16);
  swap_lanes(a[1], a[3], m2, 16);
  swap_lanes(a[4], a[6], m2, 16);
  swap_lanes(a[5], a[7], m2, 16);
  swap_lanes(a[0], a[4], m4, 32);
  swap_lanes(a[1], a[5], m4, 32);
  swap_lanes(a[2], a[6], m4, 32);
  swap_lanes(a[3], a[7], m4, 32);
}

}  // namespace

ResponseColumns::ResponseColumns(const Workspace& ws)
    : cases_(static_cast<std::size_t>(std::max(ws.num_cases, 0))), stride_((cases_ + 7) / 8 * 8) {
  const auto items = static_cast<std::size_t>(std::max(0, std::min(ws.num_items, kMaxItems)));
  codes_ = std::make_unique_for_overwrite<std::uint8_t[]>(items * stride_);
  std::uint8_t* const out = codes_.get();
  for (std::size_t j = 0; j < items; ++j)
    std::fill(out + j * stride_ + cases_, out + (j + 1) * stride_, kPadding);
  // Blocks of eight examinees by eight items, moved as words; the items of an incomplete
  // block one byte at a time.
  const std::size_t whole_items =
      std::endian::native == std::endian::little && cases_ >= 8 ? items / 8 * 8 : 0;
  const std::size_t whole_cases = cases_ / 8 * 8;
  for (std::size_t first = 0; first < whole_cases; first += 8) {
    std::array<const std::uint8_t*, 8> rows;
    for (std::size_t k = 0; k < 8; ++k) rows[k] = ws.responses[first + k + 1].code.data();
    for (std::size_t j = 1; j <= whole_items; j += 8) {
      std::array<std::uint64_t, 8> block;
      for (std::size_t k = 0; k < 8; ++k) std::memcpy(&block[k], rows[k] + j, 8);
      transpose_bytes(block);
      for (std::size_t b = 0; b < 8; ++b)
        std::memcpy(out + (j - 1 + b) * stride_ + first, &block[b], 8);
    }
  }
  for (std::size_t i = 0; i < cases_; ++i) {
    const std::uint8_t* row = ws.responses[i + 1].code.data();
    const std::size_t from = i < whole_cases ? whole_items + 1 : 1;
    for (std::size_t j = from; j <= items; ++j) out[(j - 1) * stride_ + i] = row[j];
  }
}

}  // namespace jrv
