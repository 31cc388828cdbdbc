#include "core/analysis/quick_item_report.h"

#include "core/analysis/report_lines.h"
#include "core/text/format.h"

namespace jrv {

namespace {

const char* sort_note(ItemSort sort) {
  switch (sort) {
    case ItemSort::item_number:
      return "These results have been sorted by item number";
    case ItemSort::difficulty:
      return "These results have been sorted by item difficulty";
    case ItemSort::discrimination:
      return "These results have been sorted by item discrimination";
    case ItemSort::point_biserial:
      return "These results have been sorted by item-total (point-biserial) correlation";
    case ItemSort::adj_point_biserial:
      return "These results have been sorted by adjusted point-biserial correlation";
  }
  return "";
}

// A correlation column: the 9.0 marker prints as "****"; a negative value takes one of the
// leading blanks for its sign.
std::string correlation(double r, std::size_t blanks) {
  if (r > 1) return repeat(' ', blanks) + "****";
  return signed_column(r, 2, blanks);
}

std::string item_line(const Workspace& ws, const ItemRecord& it, bool& starred) {
  const auto& st = ws.stats;
  std::string s = item_name(it.item_number);
  const bool star = it.include_flag == 2 || it.key_value == 9;
  starred = starred || star;
  s += " (" + int_str(it.key_value) + (star ? "*)" : " )");
  s += ws.options.suggest_problem_items && it.problem ? "#" : " ";
  s += right(it.correct_count, 7);
  s += "   " + fixed(it.difficulty, 2);
  s += signed_column(it.discrimination, 2, 2);
  s +=
      right(it.high_correct, 5) + " (" + fixed(ratio(it.high_correct, st.high_group_size), 2) + ")";
  s += right(it.low_correct, 5) + " (" + fixed(ratio(it.low_correct, st.low_group_size), 2) + ")";
  s += correlation(it.point_biserial, 3);
  s += correlation(it.adj_point_biserial, 4);
  return s;
}

// ")   = " for groups up to 9, then one blank less per digit, so the values stay aligned.
std::string group_closing(int size, int blanks_below_ten) {
  int blanks = blanks_below_ten;
  if (size >= 10) --blanks;
  if (size >= 100) --blanks;
  if (size >= 1000) --blanks;
  return ")" + repeat(' ', static_cast<std::size_t>(blanks)) + "= ";
}

}  // namespace

Lines quick_item_lines(const Workspace& ws) {
  const auto& st = ws.stats;
  const auto& opt = ws.options;
  Lines out;
  if (ws.pc_enabled) {
    out.emplace_back("  ALL Item Analyses performed using ONLY 1-point Multiple Choice Items   ");
    out.push_back(repeat('^', 73));
  }
  out.emplace_back("              Number  Item  Disc.  # Correct  # Correct   Point   Adj.   ");
  out.emplace_back("Item    Key   Correct Diff. Index in High Grp in Low Grp  Biser.  Pt Bis ");
  out.emplace_back("------- ----- ------- ----- ----- ----------- ----------- ------- -------");

  bool starred = false;
  bool marked = false;
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    marked = marked || (opt.suggest_problem_items && it.problem);
    out.push_back(item_line(ws, it, starred));
  }

  const std::string equals = repeat('=', 74);
  out.push_back(equals);
  if (starred) out.emplace_back("* indicates that there are multiple correct answers for the item");
  if (marked)
    out.push_back("# marks potential problems (p<" + general(opt.crit_difficulty_low) + " or p>" +
                  general(opt.crit_difficulty_high) + ", D<" + general(opt.crit_discrimination) +
                  ", pbis<" + general(opt.crit_point_biserial) + ", adjpbis<" +
                  general(opt.crit_adj_point_biserial) + ")");
  out.emplace_back(sort_note(opt.item_sort));
  out.push_back(equals);
  const auto excluded = excluded_items(ws);
  if (!excluded.empty()) {
    out.push_back(excluded_items_line(excluded));
    out.push_back(equals);
  }

  out.emplace_back();
  out.push_back("Number of Items Excluded   = " + int_str(ws.num_items - ws.included_count));
  out.push_back("Number of Items Analyzed   = " + int_str(ws.included_count));
  out.push_back("Mean Item Difficulty       = " + fixed(st.mean_difficulty, 3));
  out.push_back("Mean Item Discrimination   = " + fixed(st.mean_discrimination, 3));
  out.push_back("Mean Point Biserial        = " + fixed(st.mean_point_biserial, 3));
  out.push_back("Mean Adj. Point Biserial   = " + fixed(st.mean_adj_point_biserial, 3));
  out.push_back("KR20 (Alpha)               = " + fixed(st.kr20, 3));
  out.push_back("KR21                       = " + fixed(st.kr21, 3));
  out.push_back("SEM (from KR20)            = " + fixed(st.sem_kr20, 3));
  if (st.problem_item_count > 0)
    out.push_back("# Potential Problem Items  = " + int_str(st.problem_item_count));
  out.push_back("High Grp Min Score (n=" + int_str(st.high_group_size) +
                group_closing(st.high_group_size, 3) + fixed(st.high_group_min, 3));
  out.push_back("Low Grp Max Score (n=" + int_str(st.low_group_size) +
                group_closing(st.low_group_size, 4) + fixed(st.low_group_max, 3));
  return out;
}

}  // namespace jrv
