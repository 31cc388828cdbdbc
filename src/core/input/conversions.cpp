#include "core/input/conversions.h"

#include <algorithm>

#include "core/input/comma_exports.h"
#include "core/input/editor_check.h"
#include "core/text/format.h"

namespace jrv {

namespace {

int item_count(const Workspace& ws) {
  return std::clamp(ws.num_items, 0, kMaxItems);
}

std::string two_digits(int v) {
  std::string s = int_str(v);
  if (v >= 0 && v < 10) s.insert(s.begin(), '0');
  return s;
}

const char* heading_of(DataCoding c) {
  switch (c) {
    case DataCoding::right_wrong:
      return "DATA are CODED as RIGHT-WRONG";
    case DataCoding::letters:
      return "DATA are in LETTER FORMAT";
    case DataCoding::numbers:
      return "DATA are in NUMERIC FORMAT";
    case DataCoding::original:
      break;
  }
  return "DATA are in ORIGINAL FORMAT";
}

void set_mode(Workspace& ws, bool right_wrong, DataCoding coding) {
  ws.right_wrong_mode = right_wrong;
  ws.data_coding = coding;
}

// The label as loaded, padded to the label length.
std::string padded_label(const Workspace& ws, int i) {
  return left(ws.cases[static_cast<std::size_t>(i)].label,
              static_cast<std::size_t>(std::max(0, ws.label_length)));
}

// Examinee i of the loaded test in input order (the check leaves the table so).
const Case_Record& loaded_case(const Workspace& ws, int i) {
  return ws.cases[static_cast<std::size_t>(i)];
}

char letter_of(int v, bool letters, bool key) {
  if (v == 9) return key ? '9' : '.';
  if (letters && v >= 1 && v <= 8) return static_cast<char>('A' + v - 1);
  return static_cast<char>('0' + std::clamp(v, 0, 9));
}

CheckResult rewrite_as(EditorDocument& doc, Workspace& ws, DataCoding coding) {
  CheckResult r = ReadEditorData(doc, ws);
  if (r.failed) return r;
  set_mode(ws, false, coding);
  const bool letters = coding == DataCoding::letters;
  const int k = item_count(ws);
  std::string key;
  for (int j = 1; j <= k; ++j)
    key += letter_of(ws.key_values[static_cast<std::size_t>(j)], letters, true);
  if (ws.pc_enabled) key += int_str(ws.pc_points);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(ws.num_cases));
  for (int i = 1; i <= ws.num_cases; ++i) {
    std::string line = padded_label(ws, i);
    const auto& row = ws.responses[static_cast<std::size_t>(i)];
    for (int j = 1; j <= k; ++j)
      line += letter_of(row[static_cast<std::size_t>(j)], letters, false);
    if (ws.pc_enabled) line += int_str(ws.case_pc_points[static_cast<std::size_t>(i)]);
    lines.push_back(std::move(line));
  }
  doc.editor.answer_key = std::move(key);
  doc.editor.data_lines = std::move(lines);
  return r;
}

// Scored 1/0, a response is right only as "1": the alternatives are already applied, and
// kept they would be checked against two options. Items coded "A" become plain "Y" items.
void set_aside_alternatives(EditorDocument& doc, Workspace& ws) {
  ws.saved_include_text = doc.editor.include;
  ws.saved_include_flags = ws.include_flags;
  ws.saved_alt_answer_text = ws.alt_answer_text;
  ws.saved_alt_item_count = ws.alt_item_count;
  ws.saved_alt_rows = doc.alternatives.rows;
  ws.saved_alt_column_count = doc.alternatives.column_count;
  for (char& c : doc.editor.include)
    if (c == 'A' || c == 'a') c = 'Y';
  for (char& c : ws.include_codes)
    if (c == 'A' || c == 'a') c = 'Y';
  for (int j = 1; j <= item_count(ws); ++j)
    if (ws.include_flags[static_cast<std::size_t>(j)] == 2)
      ws.include_flags[static_cast<std::size_t>(j)] = 1;
  ws.alt_answer_text.assign(kMaxItems, AnswerTexts{});
  ws.alt_item_count = 0;
  doc.alternatives = AltAnswerGrid{};
}

void restore_alternatives(EditorDocument& doc, Workspace& ws) {
  doc.editor.include = ws.saved_include_text;
  ws.include_codes = ws.saved_include_text;
  ws.include_flags = ws.saved_include_flags;
  ws.alt_answer_text = ws.saved_alt_answer_text;
  ws.alt_item_count = ws.saved_alt_item_count;
  doc.alternatives.rows = ws.saved_alt_rows;
  doc.alternatives.column_count = ws.saved_alt_column_count;
}

}  // namespace

ConvertMenuState convert_menu_state(const Workspace& ws) {
  ConvertMenuState m;
  const bool rw = ws.right_wrong_mode;
  m.heading = heading_of(
      rw ? DataCoding::right_wrong
         : (ws.data_coding == DataCoding::right_wrong ? DataCoding::original : ws.data_coding));
  m.toggle_checked = rw;
  m.toggle_caption = rw ? "DATA ARE CODED AS RIGHT-WRONG" : "RECODE data as RIGHT-WRONG";
  m.to_right_wrong = m.to_numbers = m.to_letters = m.back_to_lines = !rw;
  m.back_from_right_wrong = rw;
  return m;
}

ConvertMenuState toggle_right_wrong(Workspace& ws) {
  // Switching by hand means the pane was not recoded here: there is nothing of ours to restore.
  ws.saved_lines.clear();
  const bool on = !ws.right_wrong_mode;
  set_mode(ws, on, on ? DataCoding::right_wrong : DataCoding::original);
  return convert_menu_state(ws);
}

CheckResult convert_to_right_wrong(EditorDocument& doc, Workspace& ws) {
  if (ws.right_wrong_mode) return {};
  // The pane as it stands is what converting back must give again.
  const auto typed_lines = doc.editor.data_lines;
  const auto typed_key = doc.editor.answer_key;
  CheckResult r = ReadEditorData(doc, ws);
  if (r.failed) return r;
  ws.saved_lines = typed_lines;
  ws.saved_key_text = typed_key;
  ws.saved_options_text = doc.editor.options;
  set_mode(ws, true, DataCoding::right_wrong);

  const int k = item_count(ws);
  const int n = std::max(0, ws.num_cases);
  ws.saved_responses = ws.responses;
  std::vector<std::string> lines(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    auto& row = ws.responses[static_cast<std::size_t>(i)];
    std::string& line = lines[static_cast<std::size_t>(i) - 1];
    line = loaded_case(ws, i).label;
    for (int j = 1; j <= k; ++j) {
      const bool right = response_is_right(ws, j, row[static_cast<std::size_t>(j)]);
      row[static_cast<std::size_t>(j)] = right ? 1 : 0;
      line += right ? '1' : '0';
    }
    // Partial-credit points stay in their columns: they are no part of the recoding.
    if (ws.pc_enabled) line += two_digits(ws.case_pc_points[static_cast<std::size_t>(i)]);
  }
  for (int j = 1; j <= k; ++j) {
    const auto uj = static_cast<std::size_t>(j);
    ws.saved_key_values[uj] = ws.key_values[uj];
    ws.saved_option_values[uj] = ws.option_values[uj];
    ws.saved_correct_answers[uj] = ws.correct_answers[uj];
    ws.key_values[uj] = 1;
    ws.option_values[uj] = 2;
    ws.correct_answers[uj].fill(1);
  }
  set_aside_alternatives(doc, ws);
  doc.editor.data_lines = std::move(lines);
  doc.editor.answer_key = std::string(static_cast<std::size_t>(k), '1');
  doc.editor.options = std::string(static_cast<std::size_t>(k), '2');
  if (ws.pc_enabled) doc.editor.options += two_digits(ws.pc_points);
  return r;
}

CheckResult convert_back_from_right_wrong(EditorDocument& doc, Workspace& ws) {
  if (!ws.right_wrong_mode) return {};
  set_mode(ws, false, DataCoding::original);
  const int k = item_count(ws);
  const bool recoded_here = !ws.saved_lines.empty();
  ws.responses = ws.saved_responses;
  for (int j = 1; j <= k; ++j) {
    const auto uj = static_cast<std::size_t>(j);
    ws.key_values[uj] = ws.saved_key_values[uj];
    ws.option_values[uj] = ws.saved_option_values[uj];
    if (recoded_here) ws.correct_answers[uj] = ws.saved_correct_answers[uj];
  }
  if (recoded_here) {
    restore_alternatives(doc, ws);
    doc.editor.data_lines = std::move(ws.saved_lines);
    doc.editor.answer_key = ws.saved_key_text;
    doc.editor.options = ws.saved_options_text;
    ws.saved_lines.clear();
  } else {
    // Data that came in right-wrong (the toggle was set by hand or by an example) go back
    // to the lines first loaded.
    doc.editor.data_lines = ws.original_lines;
    doc.editor.answer_key = ws.original_key;
    doc.editor.options = ws.option_counts;
  }
  return {};
}

CheckResult convert_to_letters(EditorDocument& doc, Workspace& ws) {
  if (ws.right_wrong_mode) return {};
  return rewrite_as(doc, ws, DataCoding::letters);
}

CheckResult convert_to_numbers(EditorDocument& doc, Workspace& ws) {
  if (ws.right_wrong_mode) return {};
  return rewrite_as(doc, ws, DataCoding::numbers);
}

CheckResult convert_back_to_original_lines(EditorDocument& doc, Workspace& ws) {
  if (ws.right_wrong_mode) return {};
  set_mode(ws, false, DataCoding::original);
  if (ws.originals_saved) {
    doc.editor.answer_key = ws.original_key;
    doc.editor.options = ws.option_counts;
    doc.editor.include = ws.include_codes;
    doc.editor.data_lines = ws.original_lines;
  }
  return {};
}

CheckResult comma_01_export(EditorDocument& doc, Workspace& ws, Lines& lines) {
  lines.clear();
  CheckResult r = ReadEditorData(doc, ws);
  if (!r.failed) lines = comma_01_lines(ws);
  return r;
}

}  // namespace jrv
