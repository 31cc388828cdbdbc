#include "core/input/editor_check.h"

#include <algorithm>

#include "core/input/alternative_answers.h"
#include "core/input/editor_messages.h"
#include "core/input/include_line.h"
#include "core/input/normalise.h"
#include "core/input/partial_credit.h"
#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Sizes the examinee tables to `n` rows so that they always match num_cases.
void size_case_tables(Workspace& ws, int n) {
  const auto rows = static_cast<std::size_t>(n);
  ws.responses.resize(rows);
  ws.case_pc_points.resize(rows);
  ws.cases.resize(rows);
}

// The answers of one line through each item's coding table (entry j - 1 for item j), four
// at a time: one indexed load per answer.
void code_answers(std::string_view answers, const std::vector<ResponseCodes>& codes,
                  ResponseRow& row) {
  const std::size_t n = codes.size();
  const auto* in = reinterpret_cast<const unsigned char*>(answers.data());
  std::uint8_t* out = row.code.data() + 1;
  const ResponseCodes* table = codes.data();
  std::size_t j = 0;
  for (; j + 4 <= n; j += 4) {
    out[j] = table[j][in[j]];
    out[j + 1] = table[j + 1][in[j + 1]];
    out[j + 2] = table[j + 2][in[j + 2]];
    out[j + 3] = table[j + 3][in[j + 3]];
  }
  for (; j < n; ++j) out[j] = table[j][in[j]];
}

}  // namespace

CheckResult ReadEditorData(EditorDocument& doc, Workspace& ws) {
  CheckResult r;
  auto& f = doc.editor;

  ws.title = cut(f.title, kMaxTitleLength);
  ws.comments = cut(f.comments, kMaxTitleLength);
  ws.missing_symbol = f.missing_data;
  ws.answer_key = f.answer_key;
  ws.answer_key_typed = f.answer_key;
  if (!ws.originals_saved) ws.original_key = f.answer_key;
  ws.option_counts = f.options;
  ws.include_codes = f.include;

  const auto cases = parse_int(f.cases);
  if (!cases) {
    r.fail(msg::kCasesNotInteger, "txt_cases");
    return r;
  }
  if (*cases < 1 || *cases > ws.max_cases) {
    r.fail(msg::cases_out_of_range(ws.max_cases), "txt_cases");
    return r;
  }
  const int n_cases = *cases;
  ws.num_cases = n_cases;
  size_case_tables(ws, n_cases);

  const auto items = parse_int(f.items);
  if (!items) {
    r.fail(msg::kItemsNotInteger, "txt_items");
    return r;
  }
  if (*items < 1 || *items > kMaxItems) {
    r.fail(msg::items_out_of_range(), "txt_items");
    return r;
  }
  const int n = *items;
  ws.num_items = n;

  const auto label = parse_int(f.label_length);
  if (!label) {
    r.fail(msg::kLabelNotInteger, "txt_label_length");
    return r;
  }
  if (*label < 0) {
    r.fail(msg::kLabelNegative, "txt_label_length");
    return r;
  }
  if (*label > kMaxLabelPlusItems - n) {
    r.fail(msg::label_plus_items(n), "txt_label_length");
    return r;
  }
  const int L = *label;
  ws.label_length = L;

  if (f.include.empty()) set_include_text(doc, std::string(static_cast<std::size_t>(n), 'Y'));
  ws.include_codes = f.include;
  set_include_flags(ws, f.include, n);
  if (ws.included_count == 0) {
    r.fail(msg::kNothingIncluded, "txt_include");
    return r;
  }

  if (f.options.empty()) f.options = std::string(static_cast<std::size_t>(n), '5');
  ws.option_counts = f.options;
  const std::string options = one_byte_per_char(f.options);
  int largest = 0;
  for (int j = 1; j <= n; ++j) {
    const auto pos = static_cast<std::size_t>(j - 1);
    const int v = pos < options.size() && is_digit(options[pos]) ? options[pos] - '0' : -1;
    if (v < 1 || v > ws.max_options) {
      r.fail(msg::option_value(j, ws.max_options), "txt_options");
      return r;
    }
    ws.option_values[j] = v;
    largest = std::max(largest, v);
  }
  ws.max_options_used = largest;

  const std::string typed_key = one_byte_per_char(f.answer_key);
  std::string key(static_cast<std::size_t>(n), '9');
  std::vector<std::pair<int, char>> keys_not_answers;
  for (int j = 1; j <= n; ++j) {
    const auto pos = static_cast<std::size_t>(j - 1);
    if (pos >= typed_key.size()) {
      r.fail(msg::key_not_converted(j, ws.max_options), "txt_answer_key");
      return r;
    }
    const int v = normalise_response(typed_key[pos], ws.option_values[j]);
    if (v == 9 && typed_key[pos] != '9') keys_not_answers.emplace_back(j, typed_key[pos]);
    key[pos] = static_cast<char>('0' + v);
    ws.key_values[j] = v;
    if (v > ws.max_options && v != 9) {
      r.fail(msg::key_above_max_first(j, ws.max_options), "txt_answer_key");
      r.inform(msg::key_above_max_second(j, ws.max_options));
      return r;
    }
  }
  ws.answer_key = key;

  apply_correct_answers(ws);

  for (int i = 1; i <= n_cases; ++i) {
    ws.cases[i].label.clear();
    ws.responses[i] = ResponseRow{};
    ws.case_pc_points[i] = 0;
  }

  if (ws.pc_enabled) {
    complete_pc_options_line(f.options, n, r);
    ws.option_counts = f.options;
    ws.pc_points = pc_points_of_options_line(f.options, n);
  } else {
    ws.pc_points = 0;
  }

  const auto line_count = f.data_lines.size();
  if (line_count > static_cast<std::size_t>(n_cases)) {
    r.fail(msg::kMoreLines, "txt_cases");
    return r;
  }
  if (line_count < static_cast<std::size_t>(n_cases)) {
    r.fail(msg::kFewerLines, "txt_cases");
    return r;
  }

  std::vector<ResponseCodes> codes(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j)
    codes[static_cast<std::size_t>(j - 1)] = response_codes(ws.option_values[j]);
  // Columns are characters: a label "José" takes four of them, whatever its bytes.
  const auto label_width = static_cast<std::size_t>(L);
  const auto data_width = label_width + static_cast<std::size_t>(n);
  for (int i = 1; i <= n_cases; ++i) {
    const std::string& line = f.data_lines[static_cast<std::size_t>(i - 1)];
    const std::size_t columns = char_count(line);
    if (columns < 2) {
      r.fail(msg::blank_line(i - 1, i > 1 ? ws.cases[i - 1].label : std::string()), "MemoData");
      return r;
    }
    auto& rec = ws.cases[i];
    rec.label = cut_chars(line, label_width);
    if (columns < data_width) {
      r.fail(msg::missing_data(i, rec.label), "MemoData");
      return r;
    }
    auto& row = ws.responses[i];
    // An ASCII line, the usual kind, already has one byte per column.
    std::string narrowed;
    const std::string_view answers =
        columns == line.size()
            ? std::string_view(line).substr(label_width, static_cast<std::size_t>(n))
            : (narrowed = one_byte_per_char(sub_chars(line, label_width, n)));
    code_answers(answers, codes, row);
    if (ws.pc_enabled) {
      const auto points = case_pc_points_of_line(line, L, n);
      if (!points) {
        r.fail(msg::pc_extra_blanks(rec.label), "MemoData");
        return r;
      }
      ws.case_pc_points[i] = *points;
    }
  }

  for (int i = 1; i <= n_cases; ++i) ws.cases[i].case_number = i;
  for (int j = 1; j <= kMaxItems; ++j) ws.items[j].item_number = j;

  if (ws.right_wrong_mode) {
    for (int j = 1; j <= n; ++j) {
      if (ws.option_values[j] > 2) {
        r.fail(msg::right_wrong_options(j), "txt_options");
        return r;
      }
    }
  }

  if (!ws.originals_saved) {
    ws.originals_saved = true;
    ws.original_lines = f.data_lines;
  }
  // Such a key keeps the meaning of "9"; said once for each key text, so that checking the
  // same test again does not repeat it.
  if (keys_not_answers.empty()) {
    ws.key_notice_given_for.clear();
  } else if (ws.key_notice_given_for != f.answer_key) {
    ws.key_notice_given_for = f.answer_key;
    r.inform(msg::keys_not_answers(keys_not_answers));
  }
  return r;
}

}  // namespace jrv
