#include "core/sheets/sheet_mapping.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <set>

#include "core/input/new_test.h"
#include "core/text/encoding.h"
#include "core/workspace/limits.h"

namespace jrv {

namespace {

constexpr std::size_t kMaxTextOptions = 8;
constexpr std::size_t kCaseLimit = kMaxCasesStart;
constexpr std::size_t kItemLimit = kMaxItems;

constexpr bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Whether the text holds more than blanks: !trim(s).empty(), found at the first letter.
bool has_text(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return !blank(c); });
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

constexpr char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool answer_char(char c) {
  c = upper(c);
  return (c >= 'A' && c <= 'H') || (c >= '0' && c <= '8') || c == 'T';
}

enum class Kind : std::uint8_t { blank, answer, other, several, text };

struct Cell {
  Kind kind = Kind::blank;
  char answer = 0;  // the answer character, letters in capitals
};

Cell classify(std::string_view raw) {
  if (raw.size() == 1) {  // most cells of a large sheet: no need to trim
    if (blank(raw[0])) return {};
    if (answer_char(raw[0])) return {Kind::answer, upper(raw[0])};
    return {Kind::other, 0};
  }
  const std::string_view t = trim(raw);
  if (t.empty()) return {};
  if (t.size() == 1) {
    if (answer_char(t[0])) return {Kind::answer, upper(t[0])};
    return {Kind::other, 0};
  }
  int answers = 0;
  for (char c : t) {
    if (answer_char(c))
      ++answers;
    else if (c != ',' && c != ';' && c != '/' && c != ' ' && c != '|' && c != '&')
      return {Kind::text, 0};
  }
  return {answers >= 2 ? Kind::several : Kind::text, 0};
}

// A cell of an item column in one byte: its answer character ('0'-'8', 'A'-'H', 'T'), or
// one of the codes below for what is not an answer; kLong marks more than one character.
constexpr std::uint8_t kBlank = 0, kOther = 1, kSeveral = 2, kText = 3, kLong = 0x80;

constexpr std::array<std::uint8_t, 256> kOneByteCodes = [] {
  std::array<std::uint8_t, 256> codes{};
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    codes[c] = blank(ch) ? kBlank : answer_char(ch) ? static_cast<std::uint8_t>(upper(ch)) : kOther;
  }
  return codes;
}();

std::uint8_t cell_code(std::string_view raw) {
  if (raw.size() == 1) return kOneByteCodes[static_cast<unsigned char>(raw[0])];
  const Cell c = classify(raw);
  std::uint8_t code = c.kind == Kind::answer    ? static_cast<std::uint8_t>(c.answer)
                      : c.kind == Kind::blank   ? kBlank
                      : c.kind == Kind::several ? kSeveral
                      : c.kind == Kind::text    ? kText
                                                : kOther;
  const std::string_view v = trim(raw);
  if (v.size() > 1 && char_count(v) > 1) code |= kLong;
  return code;
}

bool is_answer_code(std::uint8_t code) {
  return code >= '0' && code < kLong;
}

// Codes numbered without gaps (an answer is never long): for tables by code.
constexpr std::size_t kCodeSlots = 'T' + 4;
constexpr std::size_t code_slot(std::uint8_t code) {
  return code & kLong ? 'T' + (code & 3u) : code;
}
static_assert(code_slot(kText | kLong) < kCodeSlots);

bool is_key_marker(std::string_view raw) {
  const std::string_view t = trim(raw);
  const auto is = [&](std::string_view marker) {
    return t.size() == marker.size() && std::equal(t.begin(), t.end(), marker.begin(),
                                                   [](char a, char b) { return upper(a) == b; });
  };
  return is("KEY") || is("ANSWER KEY");
}

// The option an answer character stands for in a column of letters or digits.
int option_value(char c) {
  if (c >= 'A' && c <= 'H') return c - 'A' + 1;
  if (c >= '0' && c <= '8') return c - '0';
  return 0;  // T outside a true/false column
}

std::string plural(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string clean_label(std::string_view text) {
  std::string s(trim(text));
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

bool text_less(const std::string& a, const std::string& b) {
  const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
  return less || (!greater && a < b);
}

class Mapper {
 public:
  Mapper(const CellTable& table, const ImportChoices& choices, std::string_view file_name)
      : t_(table), c_(choices), file_(file_name) {}

  SheetImport run(std::string_view default_title) {
    find_key_row();
    find_header();
    find_items();
    find_labels();
    find_examinees();
    make_labels();
    code_items();
    if (!cut_warning_.empty()) out_.warnings.push_back(std::move(cut_warning_));
    fill_fields(default_title);
    return std::move(out_);
  }

 private:
  [[noreturn]] void fail(const std::string& why) const {
    throw SheetError(std::string(file_) + ": " + why);
  }

  Cell cell(std::uint32_t r, std::uint32_t col) const { return classify(t_.at(r, col)); }

  bool row_empty(std::uint32_t r) const { return t_.row(r).empty(); }

  void find_key_row() {
    if (c_.key_row && !c_.typed_key) {
      if (*c_.key_row >= t_.row_count() || row_empty(*c_.key_row))
        fail("row " + std::to_string(*c_.key_row + 1) + " holds no key");
      key_row_ = *c_.key_row;
    } else {
      // A row marked as the key is never an examinee, even when the key is typed.
      for (std::uint32_t r = 0; r < t_.row_count() && !key_row_; ++r)
        for (const CellRef& ref : t_.row(r))
          if (is_key_marker(t_.text(ref))) {
            key_row_ = r;
            break;
          }
    }
    if (key_row_) {
      out_.key_row = *key_row_;
      for (const CellRef& ref : t_.row(*key_row_))
        if (is_key_marker(t_.text(ref))) key_markers_.insert(ref.column);
    }
    if (c_.typed_key) out_.key_source = KeySource::typed;
  }

  std::uint32_t first_row() const {
    for (std::uint32_t r = 0; r < t_.row_count(); ++r)
      if (!row_empty(r) && (!key_row_ || r != *key_row_)) return r;
    return t_.row_count();
  }

  // A row of item numbers (1, 2, 3, ... in consecutive columns) heads the items.
  bool numbers_items(std::uint32_t r) const {
    int expected = 1;
    for (const CellRef& ref : t_.row(r)) {
      if (trim(t_.text(ref)) == std::to_string(expected))
        ++expected;
      else if (expected > 1)
        break;
    }
    return expected > 2;
  }

  void find_header() {
    const std::uint32_t first = first_row();
    if (first >= t_.row_count()) return;
    bool header = false;
    if (c_.header) {
      header = *c_.header;
    } else if (key_row_ && first > *key_row_) {
      header = false;  // the key row comes first: nothing above it heads the sheet
    } else if (key_row_ && *key_row_ == first + 1) {
      header = true;  // the row just above the key names the columns, even "A" to "D"
    } else {
      header = true;
      for (const CellRef& ref : t_.row(first))
        if (classify(t_.text(ref)).kind == Kind::answer) header = false;
      if (!header) header = numbers_items(first);
    }
    if (header) out_.header_row = first;
  }

  bool data_row(std::uint32_t r) const {
    return (!key_row_ || r != *key_row_) && (!out_.header_row || r != *out_.header_row);
  }

  void find_items() {
    if (c_.items) {
      out_.item_columns = *c_.items;
    } else if (key_row_) {
      for (const CellRef& ref : t_.row(*key_row_))
        if (!key_markers_.count(ref.column) && has_text(t_.text(ref)))
          out_.item_columns.push_back(ref.column);
    } else {
      // The longest run of columns whose cells are answers.
      std::vector<std::size_t> answers(t_.column_count()), others(t_.column_count());
      for (std::uint32_t r = 0; r < t_.row_count(); ++r) {
        if (!data_row(r)) continue;
        for (const CellRef& ref : t_.row(r)) {
          const Kind k = classify(t_.text(ref)).kind;
          if (k == Kind::answer || k == Kind::several)
            ++answers[ref.column];
          else if (k != Kind::blank)
            ++others[ref.column];
        }
      }
      std::uint32_t best_start = 0, best_size = 0, start = 0, size = 0;
      for (std::uint32_t col = 0; col < t_.column_count(); ++col) {
        if (answers[col] > 0 && others[col] * 9 <= answers[col]) {
          if (size == 0) start = col;
          if (++size > best_size) best_start = start, best_size = size;
        } else {
          size = 0;
        }
      }
      for (std::uint32_t i = 0; i < best_size; ++i) out_.item_columns.push_back(best_start + i);
    }
    if (out_.item_columns.empty())
      fail(key_row_ ? "no item columns: the key row (row " + std::to_string(*key_row_ + 1) +
                          ") holds no answers"
                    : "no item columns: no column holds answers (A-H, 0-8, T/F); name the "
                      "item columns");
    if (out_.item_columns.size() > kItemLimit)
      fail(plural(out_.item_columns.size(), "item column", "item columns") +
           "; a test can have at most " + std::to_string(kItemLimit) + " items");
  }

  void find_labels() {
    if (c_.labels) {
      out_.label_columns = *c_.labels;
      return;
    }
    const std::uint32_t first_item =
        *std::min_element(out_.item_columns.begin(), out_.item_columns.end());
    std::vector<bool> used(first_item, false);
    for (std::uint32_t r = 0; r < t_.row_count(); ++r) {
      if (!data_row(r)) continue;
      for (const CellRef& ref : t_.row(r)) {
        if (ref.column >= first_item) break;  // the cells of a row are in column order
        if (has_text(t_.text(ref))) used[ref.column] = true;
      }
    }
    for (std::uint32_t col = 0; col < first_item; ++col)
      if (used[col]) out_.label_columns.push_back(col);
  }

  void find_examinees() {
    std::vector<std::string> unanswered;
    const std::uint32_t start = out_.header_row ? *out_.header_row + 1 : 0;
    // What each column is to a row: 1 a label, 2 an item, 3 both.
    std::vector<std::uint8_t> role(t_.column_count(), 0);
    for (std::uint32_t col : out_.label_columns)
      if (col < role.size()) role[col] |= 1;
    for (std::uint32_t col : out_.item_columns)
      if (col < role.size()) role[col] |= 2;
    for (std::uint32_t r = start; r < t_.row_count(); ++r) {
      if (!data_row(r)) continue;
      int filled = 0;
      for (const CellRef& ref : t_.row(r)) {
        if (role[ref.column] != 0 && has_text(t_.text(ref))) filled |= role[ref.column];
        if (filled == 3) break;
      }
      const bool label = (filled & 1) != 0, answered = (filled & 2) != 0;
      if (!label && !answered) continue;  // formatted or blank rows
      if (!answered) unanswered.push_back(std::to_string(r + 1));
      out_.examinee_rows.push_back(r);
      if (out_.examinee_rows.size() > kCaseLimit)
        fail("more than " + std::to_string(kCaseLimit) + " examinee rows (row " +
             std::to_string(r + 1) + " is the " + std::to_string(kCaseLimit + 1) +
             "th); a test can have at most " + std::to_string(kCaseLimit) + " examinees");
    }
    if (out_.examinee_rows.empty()) fail("the sheet holds no examinee rows");
    if (!unanswered.empty()) {
      std::string rows;
      for (const auto& r : unanswered) rows += (rows.empty() ? "" : ", ") + r;
      out_.warnings.push_back(std::string(file_) + ": " +
                              plural(unanswered.size(), "labelled row has", "labelled rows have") +
                              " no answers (every item missing): row" +
                              (unanswered.size() == 1 ? " " : "s ") + rows);
    }
  }

  std::string heading(std::uint32_t col) const {
    if (out_.header_row) {
      const std::string h = clean_label(t_.at(*out_.header_row, col));
      if (!h.empty()) return h;
    }
    return "Column " + column_letters(col);
  }

  // What the cells of one item column hold, counted by cell code.
  struct ColumnCells {
    std::size_t filled = 0, long_cells = 0;
    bool only_tf = true, only_01 = true;
    int highest = 0;
    std::size_t several = 0, other = 0, t = 0;                    // several answers, no answer, "T"
    std::size_t first_several = 0, first_other = 0, first_t = 0;  // examinee of the first
  };

  // Every item cell of every examinee read once, row by row (walking the table down its
  // columns would miss the cache on every cell of a large sheet): its answer goes straight
  // into the data line and its code is counted for the column.
  std::vector<ColumnCells> read_items() {
    const std::size_t n = out_.examinee_rows.size();
    const std::size_t k = out_.item_columns.size();
    constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    // By code, then item: the items of one code lie together, as a row's cells use them.
    constexpr std::size_t kStride = 128;
    static_assert(kItemLimit <= kStride);
    std::vector<std::uint32_t> counts(kCodeSlots * kStride), firsts(kCodeSlots * kStride, kNone);
    std::vector<std::int32_t> index(t_.column_count(), -1);
    std::vector<std::pair<std::size_t, std::size_t>> twice;  // a column named again reads the same
    for (std::size_t i = 0; i < k; ++i) {
      const std::uint32_t col = out_.item_columns[i];
      if (col >= index.size()) continue;
      if (index[col] < 0)
        index[col] = static_cast<std::int32_t>(i);
      else
        twice.emplace_back(i, static_cast<std::size_t>(index[col]));
    }
    for (std::size_t e = 0; e < n; ++e) {
      std::string& line = out_.fields.data_lines[e];
      char* answers = line.data() + line.size() - k;
      t_.each(out_.examinee_rows[e], [&](const CellRef& ref) {
        const std::int32_t i = index[ref.column];
        if (i < 0) return;
        const std::string_view raw = t_.text(ref);
        const std::uint8_t code = raw.size() == 1  // most cells: no call
                                      ? kOneByteCodes[static_cast<unsigned char>(raw[0])]
                                      : cell_code(raw);
        const std::size_t at = code_slot(code) * kStride + static_cast<std::size_t>(i);
        if (counts[at]++ == 0) firsts[at] = static_cast<std::uint32_t>(e);
        if (is_answer_code(code)) answers[i] = static_cast<char>(code);
      });
      for (const auto& [i, same] : twice) answers[i] = answers[same];
    }
    for (const auto& [i, same] : twice)
      for (std::size_t slot = 0; slot < kCodeSlots; ++slot) {
        counts[slot * kStride + i] = counts[slot * kStride + same];
        firsts[slot * kStride + i] = firsts[slot * kStride + same];
      }

    std::vector<ColumnCells> columns(k);
    for (std::size_t i = 0; i < k; ++i) {
      const auto count = [&](std::uint8_t code) { return counts[code_slot(code) * kStride + i]; };
      const auto first = [&](std::uint8_t code) { return firsts[code_slot(code) * kStride + i]; };
      ColumnCells& c = columns[i];
      for (std::size_t slot = 1; slot < kCodeSlots; ++slot) {
        const auto code = static_cast<std::uint8_t>(slot <= 'T' ? slot : kLong | (slot - 'T'));
        if (count(code) == 0) continue;
        c.filled += count(code);
        if (code & kLong) c.long_cells += count(code);
        const char a = static_cast<char>(code);
        if (is_answer_code(static_cast<std::uint8_t>(code))) {
          c.only_tf &= a == 'T' || a == 'F';
          c.only_01 &= a == '0' || a == '1';
          c.highest = std::max(c.highest, option_value(a));
        }
      }
      c.t = count('T');
      c.first_t = first('T');
      c.several = count(kSeveral) + count(kSeveral | kLong);
      c.first_several = std::min(first(kSeveral), first(kSeveral | kLong));
      c.other = count(kOther) + count(kOther | kLong) + count(kText) + count(kText | kLong);
      c.first_other =
          std::min({first(kOther), first(kOther | kLong), first(kText), first(kText | kLong)});
    }
    return columns;
  }

  // The answers, key character and option count of each item column.
  void code_items() {
    const std::size_t k = out_.item_columns.size();
    key_.assign(k, '1');
    options_.assign(k, '2');
    if (c_.typed_key) {
      const std::size_t typed = char_count(*c_.typed_key);
      if (typed != k)
        fail("the key has " + plural(typed, "answer", "answers") + " for " +
             plural(k, "item column", "item columns"));
    }
    const std::vector<ColumnCells> columns = read_items();
    bool all_right_wrong = true;
    std::size_t several = 0, other = 0;
    std::string first_several, first_other;
    const auto quoted = [&](std::size_t e, std::uint32_t col) {
      const std::uint32_t r = out_.examinee_rows[e];
      return cell_position(r, col) + ": \"" + std::string(trim(t_.at(r, col))) + "\"";
    };
    for (std::size_t i = 0; i < k; ++i) {
      const std::uint32_t col = out_.item_columns[i];
      const ColumnCells& cells = columns[i];
      const bool key_from_row = key_row_ && !c_.typed_key;
      const std::string_view key_text =
          key_from_row ? trim(t_.at(*key_row_, col)) : std::string_view{};
      if (key_from_row && key_text.empty())
        fail(cell_position(*key_row_, col) + ": the key row holds no answer for this item");
      // Text answers: a key of several characters, or without a key row most cells so.
      const bool text =
          key_from_row ? char_count(key_text) > 1 : cells.long_cells * 2 > cells.filled;
      if (text) {
        code_text_column(i, col, key_text);
        all_right_wrong = false;
        continue;
      }
      // Letters, digits, true/false or right/wrong.
      const Cell key_cell = key_from_row ? classify(key_text) : Cell{};
      if (key_from_row && key_cell.kind != Kind::answer)
        fail(cell_position(*key_row_, col) + ": the key '" + std::string(key_text) +
             "' is not an answer (A-H, 0-8, T or F)");
      bool tf = cells.only_tf, only_01 = cells.only_01;
      int highest = cells.highest;
      if (key_cell.kind == Kind::answer) {
        tf &= key_cell.answer == 'T' || key_cell.answer == 'F';
        only_01 &= key_cell.answer == '0' || key_cell.answer == '1';
        highest = std::max(highest, option_value(key_cell.answer));
      }
      if (cells.several > 0 && several == 0) first_several = quoted(cells.first_several, col);
      several += cells.several;
      // T means true only where every answer is T or F; elsewhere it is no answer.
      const std::size_t t_missing = tf ? 0 : cells.t;
      if (other == 0 && cells.other > 0)
        first_other = quoted(cells.first_other, col);
      else if (other == 0 && t_missing > 0)
        first_other = cell_position(out_.examinee_rows[cells.first_t], col) + ": \"T\"";
      other += cells.other + t_missing;
      all_right_wrong &= only_01;
      const int options = (tf || only_01) ? 2 : std::max(highest, 2);
      if (t_missing > 0) drop_answer(i, 'T');
      if (key_from_row) key_[i] = key_cell.answer;
      options_[i] = static_cast<char>('0' + options);
    }
    if (c_.typed_key) {
      key_ = *c_.typed_key;
      out_.key_source = KeySource::typed;
    } else if (!key_row_) {
      if (!all_right_wrong)
        fail(
            "no key: no row has a cell reading KEY or Answer Key, and the answers are not all "
            "0/1 right-wrong; name the key row or type the key");
      out_.key_source = KeySource::all_right;
    }
    if (several > 0)
      out_.warnings.push_back(std::string(file_) + ": " +
                              plural(several, "cell holds", "cells hold") +
                              " several answers and " + (several == 1 ? "counts" : "count") +
                              " as missing (first at " + first_several + ")");
    if (other > 0)
      out_.warnings.push_back(
          std::string(file_) + ": " + plural(other, "cell holds", "cells hold") +
          " something that is not an answer and " + (other == 1 ? "counts" : "count") +
          " as missing (first at " + first_other + ")");
  }

  // Item i's answer in examinee e's data line (the answers end the line).
  char& answer(std::size_t e, std::size_t i) {
    std::string& line = out_.fields.data_lines[e];
    return line[line.size() - out_.item_columns.size() + i];
  }

  void drop_answer(std::size_t i, char a) {
    for (std::size_t e = 0; e < out_.examinee_rows.size(); ++e)
      if (answer(e, i) == a) answer(e, i) = '.';
  }

  void code_text_column(std::size_t i, std::uint32_t col, std::string_view key_text) {
    std::set<std::string> distinct;
    if (!key_text.empty()) distinct.emplace(key_text);
    for (std::uint32_t r : out_.examinee_rows) {
      const std::string_view v = trim(t_.at(r, col));
      if (!v.empty()) distinct.emplace(v);
      if (distinct.size() > kMaxTextOptions)
        fail("column " + column_letters(col) + " (" + heading(col) + "): more than " +
             std::to_string(kMaxTextOptions) +
             " different answers; a text-answer column can have at most " +
             std::to_string(kMaxTextOptions) + " (row " + std::to_string(r + 1) +
             " holds the 9th)");
    }
    TextAnswerMapping map;
    map.column = col;
    map.heading = heading(col);
    map.texts.assign(distinct.begin(), distinct.end());
    std::sort(map.texts.begin(), map.texts.end(), text_less);
    const auto digit_of = [&](std::string_view v) {
      const auto it = std::find(map.texts.begin(), map.texts.end(), v);
      return static_cast<char>('1' + (it - map.texts.begin()));
    };
    for (std::size_t e = 0; e < out_.examinee_rows.size(); ++e) {
      const std::string_view v = trim(t_.at(out_.examinee_rows[e], col));
      answer(e, i) = v.empty() ? '.' : digit_of(v);
    }
    if (!key_text.empty()) {
      key_[i] = digit_of(key_text);
      map.keyed = key_[i] - '0';
    }
    options_[i] = static_cast<char>('0' + std::max<std::size_t>(map.texts.size(), 2));
    out_.text_columns.push_back(std::move(map));
  }

  // The labels, cut to what the items leave, begin the data lines; the answers that end
  // them are filled in by code_items.
  void make_labels() {
    const std::size_t k = out_.item_columns.size();
    const std::size_t n = out_.examinee_rows.size();
    out_.roster.reserve(n + 1);
    out_.roster.emplace_back();
    for (std::uint32_t col : out_.label_columns) out_.roster.back().push_back(heading(col));
    // A label is its roster row's parts that are not empty, joined by blanks.
    const auto join = [](const std::vector<std::string>& parts, std::string& label) {
      for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!label.empty()) label += ' ';
        label += part;
      }
    };
    std::vector<std::size_t> chars(n);
    std::size_t longest = 0;
    std::string label;
    for (std::size_t e = 0; e < n; ++e) {
      std::vector<std::string> parts;
      parts.reserve(out_.label_columns.size());
      for (std::uint32_t col : out_.label_columns)
        parts.push_back(clean_label(t_.at(out_.examinee_rows[e], col)));
      label.clear();
      join(parts, label);
      chars[e] = char_count(label);
      longest = std::max(longest, chars[e]);
      out_.roster.push_back(std::move(parts));
    }
    label_length_ = std::min(longest, kMaxLineColumns - k);
    std::string cut;
    auto& lines = out_.fields.data_lines;
    lines.reserve(n);
    for (std::size_t e = 0; e < n; ++e) {
      std::string line;
      if (chars[e] > label_length_) {
        label.clear();
        join(out_.roster[e + 1], label);
        ++out_.labels_cut;
        if (!cut.empty()) cut += ", ";
        (cut += '"') += label;
        cut += '"';
        const std::string_view kept = cut_chars(label, label_length_);
        const std::size_t kept_chars = char_count(kept);
        line.reserve(kept.size() + label_length_ - std::min(kept_chars, label_length_) + k);
        line = kept;
        if (kept_chars < label_length_) line.append(label_length_ - kept_chars, ' ');
      } else {
        line.reserve(label_length_ + chars[e] * 3 + k);  // bytes enough for any characters
        join(out_.roster[e + 1], line);
        line.append(label_length_ - chars[e], ' ');
      }
      line.append(k, '.');
      lines.push_back(std::move(line));
    }
    if (out_.labels_cut > 0)
      cut_warning_ = std::string(file_) + ": " + plural(out_.labels_cut, "label is", "labels are") +
                     " cut to " + std::to_string(label_length_) + " characters: " + cut;
  }

  void fill_fields(std::string_view default_title) {
    const std::size_t n = out_.examinee_rows.size();
    const std::size_t k = out_.item_columns.size();
    EditorFields& f = out_.fields;
    f.title = std::string(cut_chars(c_.title.empty() ? default_title : c_.title, 70));
    f.cases = std::to_string(n);
    f.items = std::to_string(k);
    f.label_length = std::to_string(label_length_);
    f.missing_data = "9";
    f.answer_key = key_;
    if (c_.options.empty())
      f.options = options_;
    else if (c_.options.size() == 1)
      f.options = std::string(k, c_.options[0]);
    else
      f.options = c_.options;
    f.include = std::string(k, 'Y');
    std::string key_words;
    switch (out_.key_source) {
      case KeySource::row:
        key_words = "key from row " + std::to_string(out_.key_row + 1);
        break;
      case KeySource::typed:
        key_words = "key typed";
        break;
      case KeySource::all_right:
        key_words = "key all 1 (right-wrong)";
        break;
    }
    out_.summary =
        plural(n, "examinee", "examinees") + ", " + plural(k, "item", "items") + ", " + key_words;
    if (out_.labels_cut > 0)
      out_.summary += ", " + plural(out_.labels_cut, "label cut", "labels cut");
  }

  const CellTable& t_;
  const ImportChoices& c_;
  std::string_view file_;
  SheetImport out_;
  std::optional<std::uint32_t> key_row_;
  std::set<std::uint32_t> key_markers_;
  std::string cut_warning_;  // told after the warnings about answers
  std::string key_, options_;
  std::size_t label_length_ = 0;
};

std::optional<std::uint32_t> parse_column(std::string_view s) {
  if (s.empty() || s.size() > 7) return std::nullopt;
  std::uint64_t n = 0;
  if (std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    for (char c : s) n = n * 10 + static_cast<std::uint64_t>(c - '0');
    if (n == 0 || n > CellTable::kMaxColumns) return std::nullopt;
    return static_cast<std::uint32_t>(n - 1);
  }
  for (char c : s) {
    c = upper(c);
    if (c < 'A' || c > 'Z') return std::nullopt;
    n = n * 26 + static_cast<std::uint64_t>(c - 'A' + 1);
  }
  if (n == 0 || n > CellTable::kMaxColumns) return std::nullopt;
  return static_cast<std::uint32_t>(n - 1);
}

}  // namespace

SheetImport map_sheet(const CellTable& table, const ImportChoices& choices,
                      std::string_view file_name, std::string_view default_title) {
  return Mapper(table, choices, file_name).run(default_title);
}

std::optional<std::vector<std::uint32_t>> parse_columns(std::string_view text, std::string& error) {
  std::vector<std::uint32_t> out;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view part = trim(text.substr(start, comma - start));
    const std::size_t dash = part.find('-');
    const auto first = parse_column(trim(part.substr(0, dash)));
    const auto last =
        dash == std::string_view::npos ? first : parse_column(trim(part.substr(dash + 1)));
    if (!first || !last || *last < *first) {
      error = "'" + std::string(part) +
              "' is not a column or a range of columns (for example 3, C or D-AQ)";
      return std::nullopt;
    }
    if (out.size() + (*last - *first) >= CellTable::kMaxColumns) {
      error = "'" + std::string(part) + "' names more columns than a test can use";
      return std::nullopt;
    }
    for (std::uint32_t c = *first; c <= *last; ++c) out.push_back(c);
    start = comma + 1;
  }
  return out;
}

std::string columns_text(const std::vector<std::uint32_t>& columns) {
  std::string out;
  for (std::size_t i = 0; i < columns.size();) {
    std::size_t j = i;
    while (j + 1 < columns.size() && columns[j + 1] == columns[j] + 1) ++j;
    if (!out.empty()) out += ',';
    out += column_letters(columns[i]);
    if (j > i) out += "-" + column_letters(columns[j]);
    i = j + 1;
  }
  return out;
}

CheckResult load_sheet_import(const SheetImport& imported, EditorDocument& doc, Workspace& ws) {
  CheckResult result = new_test(doc, ws);
  doc.editor = imported.fields;
  doc.input_opened = false;
  doc.input_path.clear();
  return result;
}

}  // namespace jrv
