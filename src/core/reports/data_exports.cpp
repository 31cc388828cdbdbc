#include "core/reports/data_exports.h"

#include <algorithm>

#include "core/analysis/sorting.h"
#include "core/text/convert.h"
#include "core/text/csv_field.h"
#include "core/text/format.h"

namespace jrv {

namespace {

bool fixed_name(std::string_view map_name) {
  return map_name.empty() || map_name == "UNSAVED";
}

// Examinee input positions in entry order (the order of the examinee table's numbers).
std::vector<const Case_Record*> entry_order(const Workspace& ws) {
  std::vector<const Case_Record*> out(static_cast<std::size_t>(std::max(0, ws.num_cases)));
  for (int i = 1; i <= ws.num_cases && i <= static_cast<int>(ws.cases.size()); ++i) {
    const auto& c = ws.cases[static_cast<std::size_t>(i)];
    if (c.case_number >= 1 && c.case_number <= ws.num_cases)
      out[static_cast<std::size_t>(c.case_number) - 1] = &c;
  }
  return out;
}

}  // namespace

DataExportNames data_export_names(std::string_view map_name) {
  if (fixed_name(map_name)) return {"item_stats.txt", "data_01.txt", "alt.dat", "alt.exp"};
  const std::string base(map_name);
  return {base + "_item_stats.txt", base + "_01_data.txt", base + "_alt.dat", base + "_alt.exp"};
}

Lines right_wrong_data_lines(const Workspace& ws) {
  const int k = std::clamp(ws.num_items, 0, kMaxItems);
  Lines out{item_column_header(k)};
  out.reserve(static_cast<std::size_t>(std::max(0, ws.num_cases)) + 1);
  const auto order = entry_order(ws);
  for (int i = 1; i <= static_cast<int>(order.size()); ++i) {
    const Case_Record* c = order[static_cast<std::size_t>(i) - 1];
    std::string line = c ? csv_field(c->label) : std::string();
    line.reserve(line.size() + 2 * static_cast<std::size_t>(k));
    const auto& row = ws.responses[static_cast<std::size_t>(i)];
    for (int j = 1; j <= k; ++j) {
      line += ',';
      line += response_is_right(ws, j, row[static_cast<std::size_t>(j)]) ? '1' : '0';
    }
    out.push_back(std::move(line));
  }
  return out;
}

Lines alt_data_lines(const Workspace& ws, const EditorDocument& doc) {
  const int k = std::clamp(ws.num_items, 0, kMaxItems);
  Lines out;
  std::string counts = int_str(k);
  if (k < 100) counts.insert(counts.begin(), '0');
  out.push_back(counts + " " + ws.missing_symbol + " x " + int_str(ws.label_length));
  out.push_back(ws.answer_key_typed);
  out.push_back(ws.option_counts);
  std::string include;
  for (int j = 1; j <= k; ++j) include += ws.include_flags[static_cast<std::size_t>(j)] ? 'Y' : 'N';
  out.push_back(include);
  out.insert(out.end(), doc.editor.data_lines.begin(), doc.editor.data_lines.end());
  return out;
}

bool alt_exceptions_needed(const Workspace& ws) {
  for (int j = 1; j <= std::clamp(ws.num_items, 0, kMaxItems); ++j) {
    const auto uj = static_cast<std::size_t>(j);
    if (ws.include_flags[uj] == 2 || ws.key_values[uj] == 9) return true;
  }
  return false;
}

Lines alt_exception_lines(const EditorDocument& doc) {
  Lines out{std::string(kAltExceptionsHead)};
  for (const auto& row : doc.alternatives.rows) {
    const int item = parse_int(row[0]).value_or(0);
    // Three columns: " 07", " 42", "100".
    std::string line = int_str(item);
    if (item < 10) line.insert(line.begin(), '0');
    if (item < 100) line.insert(line.begin(), ' ');
    line += "  ";
    auto cell = [](const std::string& text) {
      const auto v = parse_int(text);
      return v ? int_str(*v) : std::string(trim(text));
    };
    if (!trim(row[2]).empty()) line += cell(row[2]);
    for (std::size_t c = 3; c <= 10; ++c)
      if (!trim(row[c]).empty()) {
        line += ' ';
        line += cell(row[c]);
      }
    out.push_back(std::move(line));
  }
  return out;
}

std::filesystem::path save_right_wrong_data(Workspace& ws, std::string_view map_name,
                                            const std::filesystem::path& folder) {
  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);
  const auto path = folder / data_export_names(map_name).right_wrong;
  write_lines(path, right_wrong_data_lines(ws));
  return path;
}

bool save_alt_files(Workspace& ws, const EditorDocument& doc, std::string_view map_name,
                    const std::filesystem::path& folder) {
  if (!ws.alt_file_ok) return false;
  sort_cases_by_input_order(ws);
  sort_items(ws, ItemSort::item_number);
  const auto names = data_export_names(map_name);
  write_lines(folder / names.alt_data, alt_data_lines(ws, doc));
  if (alt_exceptions_needed(ws))
    write_lines(folder / names.alt_exceptions, alt_exception_lines(doc));
  return true;
}

}  // namespace jrv
