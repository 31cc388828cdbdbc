#include "core/analysis/options_report.h"

#include <algorithm>

#include "core/analysis/report_lines.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr const char* kLegend =
    "* is keyed answer, # is option that discriminates better than keyed answer";

struct Headings {
  std::string heading;
  std::string dashes;
  bool present = false;
};

Headings headings(const Workspace& ws) {
  Headings h;
  if (ws.right_wrong_mode) {
    h.heading = "Item Group    RIGHT        WRONG     ";
    h.dashes = "---- ----- ------------ ------------ ";
    h.present = true;
    return h;
  }
  const int n = ws.max_options_used;
  if (n < 2 || n > 8) return h;
  h.heading = "Item Group";
  h.dashes = "---- -----";
  for (int k = 1; k <= n; ++k) {
    h.heading += "   Option " + int_str(k) + "  ";
    h.dashes += " ------------";
  }
  h.present = true;
  return h;
}

int columns(const Workspace& ws, const ItemRecord& it) {
  if (ws.right_wrong_mode) return 2;
  return std::clamp(it.option_count, 1, kOptionSlots);
}

bool keyed(const Workspace& ws, const ItemRecord& it, int k) {
  if (it.key_value == k || it.key_value == 9) return true;
  if (ws.right_wrong_mode && k == 2 && it.key_value == 0) return true;
  const auto& answers = ws.correct_answers[static_cast<std::size_t>(it.item_number)];
  for (int s = 1; s <= kAnswerSlots; ++s)
    if (answers[static_cast<std::size_t>(s)] == k) return true;
  return false;
}

void add_item_block(Lines& out, const Workspace& ws, const ItemRecord& it) {
  const int n = columns(ws, it);
  std::string total, high = "     High ", low = "     Low  ", diff = "     Diff ";
  {
    LineWriter t(total), h(high), l(low), d(diff);
    t.right(it.item_number, 3);
    t.text("  TOTAL");
    for (int k = 1; k <= n; ++k) {
      const auto s = static_cast<std::size_t>(k);
      t.right(it.option_count_total[s], 5);
      t.text(keyed(ws, it, k) ? "*(" : " (");
      t.fixed(it.option_prop_total[s], 3);
      t.text(')');
      h.right(it.option_count_high[s], 5);
      h.text(" (");
      h.fixed(it.option_prop_high[s], 3);
      h.text(')');
      l.right(it.option_count_low[s], 5);
      l.text(" (");
      l.fixed(it.option_prop_low[s], 3);
      l.text(')');
      const double gap = it.option_prop_high[s] - it.option_prop_low[s];
      const std::string value = fixed(gap, 3);
      const char* open = value[0] == '-'                                  ? "("
                         : (gap > it.discrimination && k != it.key_value) ? "#("
                                                                          : " (";
      d.right(it.option_count_high[s] - it.option_count_low[s], 5);
      d.text(open);
      d.text(value);
      d.text(')');
    }
  }
  out.push_back(std::move(total));
  out.push_back(std::move(high));
  out.push_back(std::move(low));
  out.push_back(std::move(diff));
  out.emplace_back();
}

void add_page_head(Lines& out, const Headings& h, int page) {
  out.push_back(repeat('~', 75));
  out.push_back("Item Frequencies and Percentages                                  -- page" +
                int_str(page));
  out.push_back(repeat('~', 75));
  out.emplace_back(kLegend);
  out.emplace_back();
  if (h.present) {
    out.push_back(h.heading);
    out.push_back(h.dashes);
  }
}

}  // namespace

void add_options_pages(Lines& out, const Workspace& ws) {
  const Headings h = headings(ws);
  int page = 1;
  out.emplace_back();
  out.emplace_back("\f");
  out.push_back(title_line(ws.title));
  out.push_back(repeat('*', 75));
  out.emplace_back("Options Analysis");
  add_page_head(out, h, page);
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    // Pages break on the item number, not on a count of printed items.
    if (it.item_number % 10 == 1 && it.item_number > 1) {
      out.emplace_back("\f");
      out.push_back(title_line(ws.title));
      add_page_head(out, h, ++page);
    }
    add_item_block(out, ws, it);
  }
}

Lines quick_options_lines(const Workspace& ws) {
  const Headings h = headings(ws);
  Lines out;
  out.emplace_back("Quick Options Analysis Results:");
  out.push_back(repeat('~', 75));
  out.emplace_back(kLegend);
  out.push_back(repeat('~', 75));
  out.emplace_back();
  for (int j = 1; j <= ws.num_items; ++j) {
    const auto& it = ws.items[static_cast<std::size_t>(j)];
    if (it.include_flag <= 0) continue;
    if (it.item_number % 5 == 1 && h.present) {
      out.push_back(h.dashes);
      out.push_back(h.heading);
      out.push_back(h.dashes);
    }
    add_item_block(out, ws, it);
  }
  out.emplace_back();
  out.push_back(repeat('~', 42));
  for (const auto& b : ws.reports.banner_lines) out.push_back(b);
  return out;
}

}  // namespace jrv
