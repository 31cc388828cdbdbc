#pragma once
// Reading the lines of an input file strictly in order. Past the end every line is empty,
// so a short file yields empty values (and a count then fails to convert).

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/encoding.h"
#include "core/text/text_file.h"

namespace jrv {

class LineCursor {
 public:
  explicit LineCursor(Lines lines) : lines_(std::move(lines)) {}

  // The next line, or an empty one past the end.
  std::string next() {
    if (!at_end()) return lines_[pos_++];
    ++read_past_end_;
    return {};
  }
  // The next line moved out of the cursor, for lines kept whole (the data lines): no copy
  // of thousands of lines. last_line() is then empty until the next line is read.
  std::string take() {
    if (!at_end()) return std::move(lines_[pos_++]);
    ++read_past_end_;
    return {};
  }
  // The value of the next labelled line: everything from column 17 on.
  std::string next_value() { return value(next()); }

  bool at_end() const { return pos_ >= lines_.size(); }
  // Nothing but empty lines is left (a file may end in a few).
  bool only_empty_lines_left() const {
    for (std::size_t i = pos_; i < lines_.size(); ++i)
      if (!lines_[i].empty()) return false;
    return true;
  }
  // Number of the last line handed out (1-based), for messages; lines read past the end
  // count on.
  std::size_t line_number() const { return pos_ + read_past_end_; }
  bool past_end() const { return read_past_end_ > 0; }
  // The last line handed out from the file (empty before the first and past the end).
  std::string_view last_line() const {
    return pos_ == 0 || past_end() ? std::string_view() : std::string_view(lines_[pos_ - 1]);
  }

  // Columns 17 onward; a line of 16 characters or fewer has an empty value.
  static std::string value(std::string_view line) {
    return std::string(sub_chars(line, kLabelWidth));
  }

  static constexpr std::size_t kLabelWidth = 16;

 private:
  Lines lines_;
  std::size_t pos_ = 0;
  std::size_t read_past_end_ = 0;
};

}  // namespace jrv
