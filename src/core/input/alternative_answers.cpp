#include "core/input/alternative_answers.h"

#include <algorithm>

#include "core/input/editor_messages.h"
#include "core/input/include_line.h"
#include "core/input/normalise.h"
#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {

namespace {

int digit_at(const std::string& s, int item) {
  const auto pos = static_cast<std::size_t>(item - 1);
  if (pos >= s.size() || s[pos] < '0' || s[pos] > '9') return -1;
  return s[pos] - '0';
}

}  // namespace

AltSetup set_up_alternative_answers(EditorDocument& doc, Workspace& ws) {
  AltSetup out;
  auto& f = doc.editor;
  doc.alternatives.rows.clear();

  const auto n = parse_int(f.items);
  if (!n) {
    out.check.fail(msg::kItemsNotInteger, "txt_items");
    return out;
  }
  if (*n < 1 || *n > kMaxItems) {
    out.check.fail(msg::items_out_of_range(), "txt_items");
    return out;
  }
  const bool have_include = !f.include.empty();
  const bool have_key = !f.answer_key.empty();
  const bool have_options = !f.options.empty();

  if (!have_include) set_include_text(doc, std::string(static_cast<std::size_t>(*n), 'Y'));
  if (!have_options) f.options = std::string(static_cast<std::size_t>(*n), '5');
  ws.answer_key_typed = f.answer_key;
  ws.option_counts = f.options;
  ws.include_codes = f.include;
  set_include_flags(ws, f.include, *n);

  const std::string options = one_byte_per_char(f.options);
  if (have_key) {
    const std::string key = one_byte_per_char(f.answer_key);
    std::string normalised;
    for (int j = 1; j <= *n; ++j) {
      const auto pos = static_cast<std::size_t>(j - 1);
      const int v = pos < key.size() ? normalise_response(key[pos], digit_at(options, j)) : -1;
      if (v < 0 || (v > ws.max_options && v != 9)) {
        out.check.fail(msg::alt_key_value(j, ws.max_options), "txt_answer_key");
        return out;
      }
      ws.key_values[j] = v;
      normalised.push_back(static_cast<char>('0' + v));
    }
    ws.answer_key = normalised;
  }

  int largest = 0;
  for (int j = 1; j <= *n; ++j) {
    const int v = digit_at(options, j);
    if (v < 1 || v > ws.max_options) {
      out.check.fail(msg::option_value(j, ws.max_options), "txt_options");
      return out;
    }
    ws.option_values[j] = v;
    largest = std::max(largest, v);
  }
  ws.max_options_used = largest;

  for (int j = 1; j <= *n; ++j) ws.correct_answers[j].fill(ws.key_values[j]);

  if (!(have_include && have_key && have_options)) {
    if (!have_options)
      out.check.inform(msg::kAltNeedOptions);
    else if (!have_key)
      out.check.inform(msg::kAltNeedKey);
    else
      out.check.inform(msg::kAltNeedInclude);
    return out;
  }

  auto& grid = doc.alternatives;
  grid.column_count = largest + 2;
  for (int j = 1; j <= *n; ++j) {
    if (ws.include_flags[j] != 2) continue;
    AltAnswerGrid::Row row{};
    row[0] = int_str(j);
    row[1] = std::string(1, options[static_cast<std::size_t>(j - 1)]);
    row[2] = std::string(1, static_cast<char>('0' + ws.key_values[j]));
    for (int c = 3; c <= largest + 1; ++c)
      row[static_cast<std::size_t>(c)] = ws.alt_answer_text[j][static_cast<std::size_t>(c - 1)];
    grid.rows.push_back(row);
  }
  ws.alt_item_count = static_cast<std::int32_t>(grid.rows.size());
  if (grid.rows.empty()) {
    out.check.inform(msg::kAltNoneFlagged);
    return out;
  }
  out.show_window = true;
  return out;
}

std::vector<AltHeading> alternative_answer_headings(int max_options_used) {
  static const char* const kRanks[] = {"2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th"};
  std::vector<AltHeading> h = {
      {"Item", "Number", ""}, {"Number", "of", "Options"}, {"Correct", "Answer", "in Key"}};
  for (int c = 3; c <= std::min(max_options_used + 1, 10); ++c)
    h.push_back({kRanks[c - 3], "Correct", "Answer"});
  return h;
}

AltConfirm confirm_alternative_answers(EditorDocument& doc, Workspace& ws) {
  AltConfirm out;
  for (const auto& row : doc.alternatives.rows) {
    const int item = to_int(row[0]);
    if (item < 1 || item > kMaxItems) continue;
    const int options = to_int(row[1]);
    for (std::size_t c = 2; c <= 10; ++c) {
      const std::string_view cell = trim(row[c]);
      if (cell.empty()) {
        ws.alt_answer_text[item][c - 1].clear();
        continue;
      }
      const int v = to_int(cell);
      if (v < 1 || v > options) {
        out.check.inform(msg::alt_out_of_range(item));
        out.stay_open = true;
        continue;
      }
      ws.correct_answers[item][c - 1] = v;
      ws.alt_answer_text[item][c - 1] = std::string(cell);
      doc.include_changed = false;
    }
  }
  return out;
}

void apply_correct_answers(Workspace& ws) {
  for (int j = 1; j <= ws.num_items && j <= kMaxItems; ++j) {
    const int key = ws.key_values[j];
    auto& slots = ws.correct_answers[j];
    if (ws.include_flags[j] == 1) {
      slots.fill(key);
    } else if (ws.include_flags[j] == 2) {
      slots.fill(key);
      for (std::size_t s = 2; s <= kAnswerSlots; ++s) {
        const auto v = parse_int(ws.alt_answer_text[j][s]);
        if (v && *v >= 1 && *v <= ws.option_values[j]) slots[s] = *v;
      }
    }
  }
}

}  // namespace jrv
