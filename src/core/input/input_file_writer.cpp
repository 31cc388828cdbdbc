#include "core/input/input_file_writer.h"

#include <string>

#include "core/input/input_file_format.h"
#include "core/text/convert.h"
#include "core/text/errors.h"
#include "core/text/format.h"

namespace jrv {

namespace {

std::string labelled(std::string_view label, std::string_view value) {
  std::string line(label);
  line += value;
  return line;
}

// A grade row's label as the file holds it: exactly four characters.
std::string grade_label(const EditorDocument& doc, const Workspace& ws, int k) {
  const auto& field = doc.grades.labels[static_cast<std::size_t>(k)];
  const auto& stored = ws.grade_scale.grade_labels[static_cast<std::size_t>(k)];
  return left(cut(field.empty() ? stored : field, 4), 4);
}

// A grade row's percentage: the field as typed, or the stored minimum when the field holds
// no number (a file must read back without a conversion error).
std::string grade_percent(const EditorDocument& doc, const Workspace& ws, int k) {
  const auto& field = doc.grades.percents[static_cast<std::size_t>(k)];
  if (parse_double(field)) return field;
  return general(ws.grade_scale.grade_minimums[static_cast<std::size_t>(k)]);
}

std::string alt_cell(const std::string& cell) {
  const auto text = trim(cell);
  if (text.empty()) return "* ";
  const int v = to_int(text);
  if (v < 0 || v > 9)
    throw ConversionError("'" + std::string(text) + "' is not a valid alternative answer");
  return int_str(v) + " ";
}

std::string item_line(int item, const ItemSpec& spec) {
  return (item < 10 ? "0" : "") + int_str(item) + "," + int_str(spec.content_area) + "," +
         int_str(spec.cognitive_level);
}

}  // namespace

Lines input_file_lines(const EditorDocument& doc, const Workspace& ws) {
  namespace f = jrv_file;
  const auto& e = doc.editor;
  Lines out;
  out.reserve(e.data_lines.size() + 64);
  out.emplace_back(f::kVersionMarker);
  out.push_back(labelled(f::kTitle, e.title));
  out.push_back(labelled(f::kComments, e.comments));
  out.push_back(labelled(f::kExaminees, e.cases));
  out.push_back(labelled(f::kItems, e.items));
  out.push_back(labelled(f::kMissingData, e.missing_data));
  out.emplace_back(f::kNotReached);
  out.push_back(labelled(f::kLabelLength, e.label_length));
  out.push_back(labelled(f::kAnswerKey, e.answer_key));
  out.push_back(labelled(f::kOptions, e.options));
  out.push_back(labelled(f::kInclude, e.include));
  out.push_back(labelled(f::kHighGroup, doc.groups.top));
  out.push_back(labelled(f::kLowGroup, doc.groups.bottom));
  out.push_back(labelled(f::kPartialCredit, ws.pc_enabled ? int_str(ws.pc_points) : f::kNo));
  out.push_back(labelled(f::kMcPoints, ws.pc_enabled ? general(ws.mc_points) : f::kNo));

  out.insert(out.end(), e.data_lines.begin(), e.data_lines.end());

  const int g = ws.grade_scale.grade_category_count;
  out.push_back(labelled(f::kGrades, int_str(g)));
  if (g >= 2) {
    for (int k = 1; k < g; ++k)
      out.push_back(grade_label(doc, ws, k) + std::string(f::kGradeValue) +
                    grade_percent(doc, ws, k));
    out.push_back(grade_label(doc, ws, g) + std::string(f::kLastGrade));
  }

  // The count written is the number of rows that follow, so the sections after them can
  // never be read out of place.
  const auto& rows = doc.alternatives.rows;
  out.push_back(labelled(f::kAlternatives, int_str(static_cast<std::int64_t>(rows.size()))));
  for (const auto& row : rows) {
    out.push_back(labelled(f::kAltItem, int_str(to_int(row[0]))));
    std::string cells(f::kAltCells);
    for (std::size_t c = 2; c <= 10; ++c) cells += alt_cell(row[c]);
    out.push_back(std::move(cells));
  }

  const int areas = ws.content_area_count, levels = ws.cognitive_level_count;
  out.push_back(labelled(f::kContentAreas, int_str(areas)));
  for (int i = 1; i <= areas; ++i)
    out.push_back(std::string(f::kContentArea) + int_str(i) + "= " +
                  ws.content_area_names[static_cast<std::size_t>(i)]);
  out.push_back(labelled(f::kCognitives, int_str(levels)));
  for (int i = 1; i <= levels; ++i)
    out.push_back(std::string(f::kCognitive) + int_str(i) + "= " +
                  ws.cognitive_level_names[static_cast<std::size_t>(i)]);
  if (areas > 0 || levels > 0) {
    // As many item lines as the reader will take: the item count the file states, which
    // the reader refuses past the item table (and so must the writer, before it loops).
    const std::string count = parse_int(e.items) ? e.items : int_str(ws.num_items);
    const int k = to_count(count, kMaxItems, "number of items");
    for (int i = 1; i <= k; ++i) out.push_back(item_line(i, ws.item_specs[i]));
  }
  return out;
}

CheckResult check_input_file_savable(const EditorDocument& doc) {
  CheckResult r;
  const auto& e = doc.editor;
  const std::string lines = int_str(static_cast<std::int64_t>(e.data_lines.size()));
  const auto cases = parse_int(e.cases);
  if (!cases) {
    r.fail(
        "The JRV file was not saved: # Examinees must be a whole number (the data window "
        "holds " +
            lines + " lines).",
        "txt_cases");
  } else if (*cases < 0 || static_cast<std::size_t>(*cases) != e.data_lines.size()) {
    r.fail("The JRV file was not saved: the data window holds " + lines +
               " lines but # Examinees is " + int_str(*cases) +
               ". Make the two numbers agree and save again.",
           "txt_cases");
  } else if (!parse_int(e.items)) {
    r.fail("The JRV file was not saved: # Items must be a whole number.", "txt_items");
  }
  return r;
}

SaveResult save_input_file(const std::filesystem::path& path, const EditorDocument& doc,
                           const Workspace& ws, InputSave kind) {
  SaveResult out;
  if (kind == InputSave::automatic_copy && !ws.auto_save_input) return out;
  out.check = check_input_file_savable(doc);
  if (out.check.failed) return out;
  write_lines(path, input_file_lines(doc, ws));
  out.written = true;
  return out;
}

}  // namespace jrv
