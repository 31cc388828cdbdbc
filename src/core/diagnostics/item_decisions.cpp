#include "core/diagnostics/item_decisions.h"

#include <algorithm>

#include "core/input/normalise.h"
#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv {

namespace {

enum class KeyStyle { digit, upper, lower, true_false_upper, true_false_lower };

char typed_key_char(const Workspace& ws, int item) {
  const auto pos = static_cast<std::size_t>(item - 1);
  return pos < ws.answer_key_typed.size() ? ws.answer_key_typed[pos] : '9';
}

// The style of one key character, when it shows one (a "9" or a blank does not).
std::optional<KeyStyle> style_of(char c, int options) {
  if (options == 2 && (c == 'T' || c == 'F')) return KeyStyle::true_false_upper;
  if (options == 2 && (c == 't' || c == 'f')) return KeyStyle::true_false_lower;
  if (c >= 'A' && c <= 'H') return KeyStyle::upper;
  if (c >= 'a' && c <= 'h') return KeyStyle::lower;
  if (c >= '0' && c <= '8') return KeyStyle::digit;
  return std::nullopt;
}

// How the key writes this item: its own character, else the first other key character
// that shows a style, else digits.
KeyStyle key_style(const Workspace& ws, int item) {
  const int options = ws.option_values[static_cast<std::size_t>(item)];
  if (const auto own = style_of(typed_key_char(ws, item), options)) return *own;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto s = style_of(typed_key_char(ws, j), ws.option_values[static_cast<std::size_t>(j)]);
    if (!s) continue;
    if (*s == KeyStyle::true_false_upper) return KeyStyle::upper;
    if (*s == KeyStyle::true_false_lower) return KeyStyle::lower;
    return *s;
  }
  return KeyStyle::digit;
}

char option_char(KeyStyle style, int option) {
  switch (style) {
    case KeyStyle::upper:
      return static_cast<char>('A' + option - 1);
    case KeyStyle::lower:
      return static_cast<char>('a' + option - 1);
    case KeyStyle::true_false_upper:
      return option == 1 ? 'T' : 'F';
    case KeyStyle::true_false_lower:
      return option == 1 ? 't' : 'f';
    case KeyStyle::digit:
      break;
  }
  return static_cast<char>('0' + option);
}

// The options an item already counts correct: its key and, for an "A" item, the
// alternatives the last analysis scored with.
bool already_accepted(const Workspace& ws, int item, int option) {
  const auto j = static_cast<std::size_t>(item);
  if (ws.key_values[j] == option) return true;
  if (ws.include_flags[j] != 2) return false;
  const auto& slots = ws.correct_answers[j];
  return std::find(slots.begin() + 1, slots.end(), option) != slots.end();
}

void set_char(std::string& line, int item, char c, char filler) {
  const auto pos = static_cast<std::size_t>(item - 1);
  if (line.size() <= pos) line.resize(pos + 1, filler);
  line[pos] = c;
}

// The grid row of `item`, made in item order when there is none, holding the alternatives
// the analysis scored the item with (none unless it is an "A" item): a row left from an
// earlier "A" code must not bring back answers the teacher no longer accepts.
AltAnswerGrid::Row& fresh_grid_row(EditorDocument& doc, const Workspace& ws, int item) {
  auto& rows = doc.alternatives.rows;
  auto it = std::find_if(rows.begin(), rows.end(),
                         [&](const auto& r) { return parse_int(r[0]) == item; });
  if (it == rows.end()) {
    const auto at = std::find_if(rows.begin(), rows.end(),
                                 [&](const auto& r) { return parse_int(r[0]).value_or(0) > item; });
    it = rows.insert(at, AltAnswerGrid::Row{});
  }
  const auto j = static_cast<std::size_t>(item);
  auto& row = *it;
  row[0] = int_str(item);
  row[1] = int_str(ws.option_values[j]);
  row[2] = int_str(ws.key_values[j]);
  for (std::size_t s = 2; s <= kAnswerSlots; ++s)
    row[s + 1] = ws.include_flags[j] == 2 ? ws.alt_answer_text[j][s] : std::string();
  doc.alternatives.column_count = std::max(doc.alternatives.column_count, ws.max_options_used + 2);
  return row;
}

AltAnswerGrid::Row& grid_row(EditorDocument& doc, int item) {
  auto& rows = doc.alternatives.rows;
  return *std::find_if(rows.begin(), rows.end(),
                       [&](const auto& r) { return parse_int(r[0]) == item; });
}

void accept_in_row(AltAnswerGrid::Row& row, int option) {
  const std::string digit = int_str(option);
  for (std::size_t c = 3; c <= 10; ++c)
    if (trim(row[c]) == digit) return;
  for (std::size_t c = 3; c <= 10; ++c) {
    if (trim(row[c]).empty()) {
      row[c] = digit;
      return;
    }
  }
}

}  // namespace

int option_code(const Workspace& ws, int item, char typed) {
  if (item < 1 || item > ws.num_items) return 9;
  return normalise_response(typed, ws.option_values[static_cast<std::size_t>(item)]);
}

std::string option_text(const Workspace& ws, int item, int option) {
  if (item < 1 || item > ws.num_items || option < 1 || option > kOptionSlots)
    return int_str(option);
  return std::string(1, option_char(key_style(ws, item), option));
}

std::string describe_decision(const Workspace& ws, const ItemDecision& d) {
  const std::string item = int_str(d.item);
  switch (d.kind) {
    case DecisionKind::rekey:
      return "Rekey item " + item + " to " + option_text(ws, d.item, d.option);
    case DecisionKind::accept:
      return "Also accept " + option_text(ws, d.item, d.option) + " on item " + item;
    case DecisionKind::credit:
      return "Credit everyone on item " + item;
    case DecisionKind::drop:
      return "Drop item " + item;
  }
  return {};
}

std::optional<std::string> decision_refusal(const Workspace& ws,
                                            std::span<const ItemDecision> earlier,
                                            const ItemDecision& next) {
  const std::string item = "Item " + int_str(next.item);
  if (next.item < 1 || next.item > ws.num_items)
    return item + " is not on this test: its items are 1 to " + int_str(ws.num_items) + ".";
  const auto j = static_cast<std::size_t>(next.item);
  if (ws.include_flags[j] == 0) return item + " is not included in the analysis.";

  const bool has_option = next.kind == DecisionKind::rekey || next.kind == DecisionKind::accept;
  if (has_option) {
    const int options = ws.option_values[j];
    if (next.option < 1 || next.option > options) {
      return item + " has " + int_str(options) + " options: option " +
             option_text(ws, next.item, next.option) + " is not one of them.";
    }
  }

  for (const auto& e : earlier) {
    if (e.item != next.item) continue;
    if (e.kind == DecisionKind::accept && next.kind == DecisionKind::accept) {
      if (e.option == next.option)
        return item + ": option " + option_text(ws, next.item, next.option) + " is accepted twice.";
      continue;
    }
    return item + ": \"" + describe_decision(ws, e) + "\" and \"" + describe_decision(ws, next) +
           "\" contradict each other; decide once per item.";
  }

  switch (next.kind) {
    case DecisionKind::rekey:
      if (ws.key_values[j] == next.option)
        return item + " is already keyed to " + option_text(ws, next.item, next.option) + ".";
      break;
    case DecisionKind::accept:
      if (ws.key_values[j] == 9) return item + " already counts every answer as correct.";
      if (already_accepted(ws, next.item, next.option))
        return item + " already counts " + option_text(ws, next.item, next.option) + " as correct.";
      break;
    case DecisionKind::credit:
      if (ws.key_values[j] == 9) return item + " already counts every answer as correct.";
      break;
    case DecisionKind::drop:
      break;
  }
  return std::nullopt;
}

std::vector<int> apply_decisions(EditorDocument& doc, const Workspace& ws,
                                 std::span<const ItemDecision> decisions) {
  auto& f = doc.editor;
  std::vector<int> rows_changed;
  for (const auto& d : decisions) {
    if (d.item < 1 || d.item > ws.num_items) continue;
    switch (d.kind) {
      case DecisionKind::rekey:
        set_char(f.answer_key, d.item, option_char(key_style(ws, d.item), d.option), '9');
        break;
      case DecisionKind::credit:
        set_char(f.answer_key, d.item, '9', '9');
        break;
      case DecisionKind::drop:
        set_char(f.include, d.item, 'N', 'Y');
        break;
      case DecisionKind::accept: {
        const auto pos = static_cast<std::size_t>(d.item - 1);
        if (pos >= f.include.size() || (f.include[pos] != 'A' && f.include[pos] != 'a'))
          set_char(f.include, d.item, 'A', 'Y');
        const bool first =
            std::find(rows_changed.begin(), rows_changed.end(), d.item) == rows_changed.end();
        if (first) rows_changed.push_back(d.item);
        accept_in_row(first ? fresh_grid_row(doc, ws, d.item) : grid_row(doc, d.item), d.option);
        break;
      }
    }
  }
  // The key column of a changed item's row shows the key the item is now scored with.
  for (const auto& d : decisions) {
    if (d.kind != DecisionKind::rekey && d.kind != DecisionKind::credit) continue;
    for (auto& row : doc.alternatives.rows)
      if (parse_int(row[0]) == d.item)
        row[2] = d.kind == DecisionKind::credit ? "9" : int_str(d.option);
  }
  return rows_changed;
}

}  // namespace jrv
