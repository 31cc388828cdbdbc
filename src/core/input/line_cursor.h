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
  std::string next() { return at_end() ? std::string() : lines_[pos_++]; }
  // The value of the next labelled line: everything from column 17 on.
  std::string next_value() { return value(next()); }

  bool at_end() const { return pos_ >= lines_.size(); }
  // Number of the last line handed out (1-based), for messages.
  std::size_t line_number() const { return pos_; }

  // Columns 17 onward; a line of 16 characters or fewer has an empty value.
  static std::string value(std::string_view line) {
    return std::string(sub_chars(line, kLabelWidth));
  }

  static constexpr std::size_t kLabelWidth = 16;

 private:
  Lines lines_;
  std::size_t pos_ = 0;
};

}  // namespace jrv
