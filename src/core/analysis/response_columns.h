#pragma once
// The response matrix item by item: for every item, the codes of all examinees in input
// order, side by side. Scoring and the tally of answers read one item at a time, so this
// copy lets them run over contiguous bytes, eight answers per machine word.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "core/workspace/workspace.h"

namespace jrv {

class ResponseColumns {
 public:
  // A code no examinee can give; it fills each column up to a whole number of words.
  static constexpr std::uint8_t kPadding = 0xFF;

  // Items 1..num_items of examinees 1..num_cases, as ws.responses holds them now.
  explicit ResponseColumns(const Workspace& ws);

  std::size_t cases() const { return cases_; }
  // Cases rounded up to whole words; every column is this long.
  std::size_t stride() const { return stride_; }
  // The codes of item `item` (1-based), entry i for the examinee with case_number i + 1.
  std::span<const std::uint8_t> column(std::size_t item) const {
    return {codes_.get() + (item - 1) * stride_, stride_};
  }

 private:
  std::size_t cases_ = 0;
  std::size_t stride_ = 0;
  std::unique_ptr<std::uint8_t[]> codes_;  // every byte written by the constructor
};

}  // namespace jrv
