#include "core/input/input_file_reader.h"

#include <algorithm>

#include "core/input/alternative_answers.h"
#include "core/input/include_line.h"
#include "core/input/input_file_format.h"
#include "core/input/partial_credit.h"
#include "core/input/table_of_specs.h"
#include "core/settings/grade_window.h"
#include "core/settings/option_dialogs.h"
#include "core/text/convert.h"
#include "core/text/encoding.h"
#include "core/text/errors.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr const char* kWrongVersion =
    "Sorry, your input file was not created by JRV Version 6.x.x (or was created before this "
    "feature was added).\r\n\r\nYou can see a sample JRV Version 6.x.x INPUT file by running of "
    "the Sample Data Sets under Help and saving the JRV file.\r\n\r\nIf you created the input "
    "file using JRV Version 3 or 4, you can try importing it using the options under the Help "
    "Menu in the Data Editor";

void add(InputReading& r, const CheckResult& result) {
  r.messages.insert(r.messages.end(), result.messages.begin(), result.messages.end());
}

int digit_after(const std::string& line, std::size_t comma) {
  if (comma == std::string::npos || comma + 1 >= line.size()) return 0;
  const char c = line[comma + 1];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

std::string reading_place(const InputReading& r) {
  const auto& c = r.cursor;
  std::string place = " (line " + int_str(static_cast<std::int64_t>(c.line_number()));
  if (c.past_end()) {
    place += ", past the end of the file";
  } else {
    const std::string_view line = c.last_line();
    const auto equals = line.find('=');
    const std::string_view label = equals < LineCursor::kLabelWidth
                                       ? trim(line.substr(0, equals))
                                       : trim(line.substr(0, LineCursor::kLabelWidth + 4));
    if (!label.empty()) place += ", \"" + std::string(label) + "\"";
  }
  place += ")";
  if (r.data_ran_into_grades) place += " -- the file has fewer data lines than # Examinees";
  return place;
}

void begin_reading(EditorDocument& doc, Workspace& ws, const std::string& path) {
  doc.editor.title.clear();
  doc.editor.comments.clear();
  doc.editor.cases.clear();
  doc.editor.items.clear();
  doc.input_opened = true;
  doc.input_path = path;
  ws.originals_saved = false;
  ws.key_notice_given_for.clear();
}

bool read_version_marker(InputReading& r) {
  if (r.cursor.next() == jrv_file::kVersionMarker) return true;
  r.messages.push_back(kWrongVersion);
  return false;
}

void read_test_counts(InputReading& r) {
  auto& f = r.doc.editor;
  f.title = r.cursor.next_value();
  f.comments = r.cursor.next_value();
  f.cases = r.cursor.next_value();
  r.ws.num_cases = to_int(f.cases);
  f.items = r.cursor.next_value();
  r.ws.num_items = to_int(f.items);
}

void read_test_definition(InputReading& r) {
  auto& f = r.doc.editor;
  f.missing_data = r.cursor.next_value();
  r.cursor.next();  // not reached: always "x", never used
  f.label_length = r.cursor.next_value();
  f.answer_key = r.cursor.next_value();
  f.options = r.cursor.next_value();
  set_include_text(r.doc, "");
  set_include_text(r.doc, r.cursor.next_value());
}

void read_group_percentages(InputReading& r) {
  r.doc.groups.top = r.cursor.next_value();
  r.doc.groups.bottom = r.cursor.next_value();
}

void read_partial_credit(InputReading& r) {
  auto& ws = r.ws;
  const std::string pc = r.cursor.next_value();
  const bool on = pc != jrv_file::kNo;
  if (on) ws.pc_points = to_int(pc);
  const std::string mc = r.cursor.next_value();
  ws.mc_points = mc != jrv_file::kNo ? to_double(mc) : 1.0;

  // The window's OK decides whether partial credit can be on for this test.
  ws.pc_enabled = false;
  if (on) {
    r.doc.partial_credit.mc_points = general(ws.mc_points);
    r.doc.partial_credit.pc_points = int_str(ws.pc_points);
    add(r, confirm_partial_credit(r.doc, ws));
  } else {
    partial_credit_defaults(r.doc.partial_credit);
    ws.mc_points = 1.0;
    ws.pc_points = 0;
  }
}

void apply_group_percentages(InputReading& r) {
  add(r, confirm_group_percentages(r.doc.groups, r.ws.options));
}

void read_data_lines(InputReading& r) {
  auto& lines = r.doc.editor.data_lines;
  lines.clear();
  // Past the end every line is empty and skipped, so reading stops there.
  for (int i = 1; i <= r.ws.num_cases && !r.cursor.at_end(); ++i) {
    std::string line = r.cursor.take();
    if (line.rfind(trim(jrv_file::kGrades.substr(0, 8)), 0) == 0) r.data_ran_into_grades = true;
    if (!line.empty()) lines.push_back(std::move(line));
  }
}

void read_grades(InputReading& r) {
  auto& window = r.doc.grades;
  auto& scale = r.ws.grade_scale;
  const int g = to_count(r.cursor.next_value(), kMaxGradeCategories, "number of grade categories");
  if (g == 0) {
    add(r, choose_grade_scheme(GradeScheme::none, window, scale, r.ws.options));
  } else {
    add(r, choose_grade_scheme(GradeScheme::user, window, scale, r.ws.options));
    window.num_cats = int_str(g);
    add(r, change_grade_category_count(window, scale));
  }
  if (g >= 2) {
    for (int j = 1; j <= g; ++j) {
      const std::string line = r.cursor.next();
      const auto k = static_cast<std::size_t>(j);
      window.labels[k] = cut(line, 4);
      scale.grade_labels[k] = left(cut(line, 4), 4);
      if (j < g) {
        window.percents[k] = LineCursor::value(line);
        scale.grade_minimums[k] = to_double(window.percents[k]);
      }
    }
  }
  add(r, confirm_grades(window, scale));
}

void read_alternatives(InputReading& r) {
  auto& ws = r.ws;
  auto& grid = r.doc.alternatives;
  // One row per item at most; the count is kept, so it is checked before it is trusted.
  const int count =
      to_count(r.cursor.next_value(), kMaxItems, "number of items with alternative answers");
  ws.alt_item_count = count;
  grid.rows.clear();
  for (int row = 1; row <= count; ++row) {
    AltAnswerGrid::Row cells{};
    cells[0] = r.cursor.next_value();
    const int item = to_int(cells[0]);
    if (item < 1 || item > kMaxItems)
      throw ConversionError("'" + cells[0] + "' is not a valid item number (1 to 100)");
    const std::string line = r.cursor.next();
    for (int j = 1; j <= kAnswerSlots; ++j) {
      const std::string_view c = sub_chars(line, jrv_file::alt_cell_column(j), 1);
      if (!c.empty() && c != "*")
        cells[static_cast<std::size_t>(j + 1)] = int_str(to_int(std::string(c)));
    }
    grid.rows.push_back(cells);
    for (int s = 1; s <= kAnswerSlots; ++s)
      ws.alt_answer_text[item][static_cast<std::size_t>(s)] =
          cells[static_cast<std::size_t>(s + 1)];
  }
  if (count > 0) add(r, set_up_alternative_answers(r.doc, ws).check);
  add(r, confirm_alternative_answers(r.doc, ws).check);
}

void read_content_areas(InputReading& r) {
  auto& ws = r.ws;
  ws.content_area_count = to_count(r.cursor.next_value(), kMaxSpecAreas, "number of content areas");
  for (int i = 1; i <= ws.content_area_count; ++i)
    ws.content_area_names[static_cast<std::size_t>(i)] =
        cut(r.cursor.next_value(), kMaxSpecNameLength);
}

void read_cognitive_levels(InputReading& r) {
  auto& ws = r.ws;
  ws.cognitive_level_count =
      to_count(r.cursor.next_value(), kMaxSpecAreas, "number of cognitive levels");
  for (int i = 1; i <= ws.cognitive_level_count; ++i)
    ws.cognitive_level_names[static_cast<std::size_t>(i)] =
        cut(r.cursor.next_value(), kMaxSpecNameLength);
}

void read_item_specs(InputReading& r) {
  auto& ws = r.ws;
  if (ws.content_area_count == 0 && ws.cognitive_level_count == 0) return;
  // One line per item of the table; the count is checked before it is trusted.
  const int items = to_count(r.doc.editor.items, kMaxItems, "number of items");
  for (int i = 1; i <= items; ++i) {
    const std::string line = r.cursor.next();
    const auto first = line.find(',');
    const auto second = first == std::string::npos ? first : line.find(',', first + 1);
    // A number beyond the table's counts names nothing: the item belongs to none.
    int area = digit_after(line, first), level = digit_after(line, second);
    if (area > ws.content_area_count) area = 0;
    if (level > ws.cognitive_level_count) level = 0;
    ws.item_specs[i] = {area, level};
  }
}

void clear_trailing_sections(InputReading& r) {
  r.doc.alternatives = AltAnswerGrid{};
  r.ws.alt_item_count = 0;
  r.ws.alt_answer_text.assign(kMaxItems, AnswerTexts{});
  clear_spec_table(r.ws);
}

void finish_reading(InputReading& r) {
  show_spec_table(r.doc.spec_table, r.ws, r.ws.num_items);
  // An "A" read from a file was not typed: it asks for no alternatives before an analysis.
  r.doc.include_changed = false;
}

void read_version6_body(InputReading& r) {
  read_test_counts(r);
  read_test_definition(r);
  read_group_percentages(r);
  read_partial_credit(r);
  apply_group_percentages(r);
  read_data_lines(r);
  read_grades(r);
  clear_trailing_sections(r);
  while (!r.cursor.only_empty_lines_left()) {
    read_alternatives(r);
    read_content_areas(r);
    read_cognitive_levels(r);
    read_item_specs(r);
  }
  finish_reading(r);
}

OpenResult read_input_lines(Lines lines, EditorDocument& doc, Workspace& ws) {
  OpenResult out;
  InputReading r(std::move(lines), doc, ws);
  try {
    if (read_version_marker(r)) {
      read_version6_body(r);
      out.read = true;
    }
  } catch (const ConversionError& e) {
    r.messages.push_back(e.what() + reading_place(r));
  }
  out.messages = std::move(r.messages);
  return out;
}

OpenResult open_input_file(const std::filesystem::path& path, EditorDocument& doc, Workspace& ws) {
  begin_reading(doc, ws, path.string());
  Lines lines;
  try {
    lines = read_lines(path);
  } catch (const FileError& e) {
    return OpenResult{false, {e.what()}};
  }
  return read_input_lines(std::move(lines), doc, ws);
}

}  // namespace jrv
