#include "core/input/legacy_readers.h"

#include "core/input/partial_credit.h"
#include "core/settings/grade_window.h"
#include "core/text/convert.h"
#include "core/text/errors.h"

namespace jrv {

namespace {

void add(InputReading& r, const CheckResult& result) {
  r.messages.insert(r.messages.end(), result.messages.begin(), result.messages.end());
}

// Versions 3 and 4 knew no partial credit: a test read from them has none, whatever the
// test before had (stale points would change every total).
void no_partial_credit(InputReading& r) {
  r.ws.pc_enabled = false;
  r.ws.mc_points = 1.0;
  r.ws.pc_points = 0;
  partial_credit_defaults(r.doc.partial_credit);
}

// "# Grades" chooses one of the fixed scales; its cut-offs go into that scale's own
// percentage fields 1..g-1, in order. Any other count leaves grading off.
void read_fixed_grades(InputReading& r) {
  auto& window = r.doc.grades;
  auto& scale = r.ws.grade_scale;
  const int g = to_int(r.cursor.next_value());
  GradeScheme scheme = GradeScheme::none;
  if (g == 2) scheme = GradeScheme::two;
  if (g == 5) scheme = GradeScheme::five;
  if (g == 12) scheme = GradeScheme::twelve;
  add(r, choose_grade_scheme(scheme, window, scale, r.ws.options));
  if (scheme != GradeScheme::none) {
    for (int k = 1; k < g; ++k) {
      std::string cutoff = r.cursor.next_value();
      to_double(cutoff);  // a cut-off that is not a number stops the reading here
      window.percents[static_cast<std::size_t>(k)] = std::move(cutoff);
    }
  }
  add(r, confirm_grades(window, scale));
}

// Version 3 had content areas only; its two cognitive levels were fixed.
void read_version3_specifications(InputReading& r) {
  read_content_areas(r);
  auto& ws = r.ws;
  ws.cognitive_level_count = 2;
  ws.cognitive_level_names[1] = "Knowledge";
  ws.cognitive_level_names[2] = "Beyond Knowledge";
  read_item_specs(r);
}

}  // namespace

bool is_legacy_version(int version) {
  return version >= 3 && version <= 5;
}

void read_legacy_body(int version, InputReading& r) {
  if (version == 5) {
    read_version6_body(r);  // version 6 only added the marker line
    return;
  }
  if (version != 3 && version != 4) return;
  read_test_counts(r);
  read_test_definition(r);
  if (version == 4) read_group_percentages(r);
  no_partial_credit(r);
  if (version == 4) apply_group_percentages(r);
  read_data_lines(r);
  read_fixed_grades(r);
  clear_trailing_sections(r);
  if (version == 3) {
    if (!r.cursor.only_empty_lines_left()) read_version3_specifications(r);
  } else {
    while (!r.cursor.only_empty_lines_left()) {
      read_alternatives(r);
      read_content_areas(r);
      read_cognitive_levels(r);
      read_item_specs(r);
    }
  }
  finish_reading(r);
}

OpenResult read_legacy_lines(int version, Lines lines, EditorDocument& doc, Workspace& ws) {
  OpenResult out;
  if (!is_legacy_version(version)) {
    out.messages.push_back("Only input files of versions 3, 4 and 5 can be imported");
    return out;
  }
  InputReading r(std::move(lines), doc, ws);
  try {
    read_legacy_body(version, r);
    out.read = true;
  } catch (const ConversionError& e) {
    r.messages.push_back(e.what() + reading_place(r));
  }
  out.messages = std::move(r.messages);
  return out;
}

OpenResult open_legacy_input_file(int version, const std::filesystem::path& path,
                                  EditorDocument& doc, Workspace& ws) {
  if (!is_legacy_version(version)) return read_legacy_lines(version, {}, doc, ws);
  begin_reading(doc, ws, path.string());
  Lines lines;
  try {
    lines = read_lines(path);
  } catch (const FileError& e) {
    return OpenResult{false, {e.what()}};
  }
  return read_legacy_lines(version, std::move(lines), doc, ws);
}

}  // namespace jrv
