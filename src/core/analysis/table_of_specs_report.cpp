#include "core/analysis/table_of_specs_report.h"

#include "core/analysis/report_lines.h"
#include "core/analysis/table_of_specs_groups.h"
#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {

namespace {

std::string average(const SpecGroup& g) {
  return fixed(g.average_difficulty(), 3);
}

std::string name_part(std::string_view name) {
  return left(cut(name, 20), 21) + "  ";
}

void add_entries(Lines& out, const Table1<SpecGroup>& groups,
                 const std::array<std::string, kMaxSpecAreas + 1>& names, int count) {
  for (int i = 1; i <= count; ++i) {
    const auto& g = groups[static_cast<std::size_t>(i)];
    const std::string name = name_part(names[static_cast<std::size_t>(i)]);
    if (g.item_count == 0) {
      out.push_back(name + "             No items specified for this area");
      continue;
    }
    const auto pieces = wrap_item_list(g.item_list, 38, 40);
    out.push_back(name + average(g) + repeat(' ', 8) + pieces.front());
    for (std::size_t p = 1; p < pieces.size(); ++p) out.push_back(repeat(' ', 36) + pieces[p]);
  }
}

void add_combined(Lines& out, const Workspace& ws, const SpecGroups& g) {
  add_banner(out, '=', 40, "CONTENT AND COGNITIVE COMBINED ANALYSIS:");
  out.emplace_back("                                            Avg.                       ");
  out.emplace_back("Content Area          Cognitive Level       Diff.  Items               ");
  out.emplace_back("--------------------  --------------------  -----  --------------------");
  for (int a = 1; a <= ws.content_area_count; ++a) {
    for (int l = 1; l <= ws.cognitive_level_count; ++l) {
      const auto& cell = g.cells[static_cast<std::size_t>(a)][static_cast<std::size_t>(l)];
      const std::string names =
          left(cut(left(cut(ws.content_area_names[static_cast<std::size_t>(a)], 20), 21) + " " +
                       ws.cognitive_level_names[static_cast<std::size_t>(l)],
                   40),
               42) +
          "  ";
      if (cell.item_count == 0) {
        out.push_back(names + "       <no items specified>");
        continue;
      }
      const std::string entry = names + average(cell) + "  " + cell.item_list;
      const auto pieces = wrap_item_list(entry, 78, 20);
      out.push_back(pieces.front());
      for (std::size_t p = 1; p < pieces.size(); ++p) out.push_back(repeat(' ', 51) + pieces[p]);
    }
  }
}

}  // namespace

std::vector<std::string> wrap_item_list(std::string_view text, std::size_t first,
                                        std::size_t step) {
  // Positions count characters: the names in front of the list may hold any letters.
  const std::string columns = one_byte_per_char(text);
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t b = first; columns.size() > b + 2; b += step) {
    std::size_t end = b;
    if (columns[b] == ',')
      end = b + 1;
    else if (columns[b + 1] == ',')
      end = b + 2;
    if (end <= start) continue;
    pieces.emplace_back(sub_chars(text, start, end - start));
    start = end;
  }
  pieces.emplace_back(sub_chars(text, start));
  return pieces;
}

void add_spec_analysis(Lines& out, const Workspace& ws) {
  const int na = ws.content_area_count;
  const int nl = ws.cognitive_level_count;
  if (na <= 0 && nl <= 0) return;
  const SpecGroups g = group_by_specifications(ws);
  add_banner(out, '*', 75, "Table of Specifications Analysis");
  if (na > 0) {
    add_banner(out, '=', 22, "CONTENT AREA ANALYSIS:");
    out.emplace_back("                       Average                           ");
    out.emplace_back("Content Area           Difficulty   Items in Content Area");
    out.emplace_back("--------------------   ----------   ------------------------------");
    add_entries(out, g.areas, ws.content_area_names, na);
  }
  if (nl > 0) {
    out.emplace_back();
    add_banner(out, '=', 31, "COGNITIVE SKILL LEVEL ANALYSIS:");
    out.emplace_back("                       Average                              ");
    out.emplace_back("Cognitive Level        Difficulty   Items in Cognitive Level");
    out.emplace_back("--------------------   ----------   -----------------------------");
    add_entries(out, g.levels, ws.cognitive_level_names, nl);
  }
  if (na > 0 && nl > 0) add_combined(out, ws, g);
}

}  // namespace jrv
