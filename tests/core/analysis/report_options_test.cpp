// The options analysis pages and the quick options analysis.

#include <gtest/gtest.h>

#include "core/analysis/options_report.h"
#include "core/analysis/report_fixture.h"

namespace jrv {
namespace {

using test::same_lines;

void set_counts(ItemRecord& it, std::vector<int> total, std::vector<int> high, std::vector<int> low,
                int n, int nh, int nl) {
  for (std::size_t k = 1; k <= total.size(); ++k) {
    it.option_count_total[k] = total[k - 1];
    it.option_count_high[k] = high[k - 1];
    it.option_count_low[k] = low[k - 1];
    it.option_prop_total[k] = total[k - 1] / double(n);
    it.option_prop_high[k] = high[k - 1] / double(nh);
    it.option_prop_low[k] = low[k - 1] / double(nl);
  }
}

// Twenty-five two-option items, all included but `excluded`.
Workspace many_items(std::initializer_list<int> excluded) {
  Workspace ws;
  ws.title = "Long";
  ws.num_items = 25;
  ws.max_options_used = 2;
  for (int j = 1; j <= 25; ++j) {
    auto& it = ws.items[static_cast<std::size_t>(j)];
    it.item_number = j, it.option_count = 2, it.key_value = 1, it.include_flag = 1;
    ws.include_flags[static_cast<std::size_t>(j)] = 1;
    ws.correct_answers[static_cast<std::size_t>(j)].fill(1);
  }
  for (int j : excluded) {
    ws.items[static_cast<std::size_t>(j)].include_flag = 0;
    ws.include_flags[static_cast<std::size_t>(j)] = 0;
  }
  ws.reports.banner_lines = {"b1", "b2", "b3"};
  return ws;
}

TEST(OptionsReport, ItemBlocksMarkKeysAndBetterDiscriminatingOptions) {
  Workspace ws = test::small_workspace();
  set_counts(ws.items[1], {3, 1, 1, 0}, {2, 0, 0, 0}, {0, 1, 1, 0}, 5, 2, 2);
  set_counts(ws.items[2], {5, 0, 0, 0}, {2, 0, 0, 0}, {2, 0, 0, 0}, 5, 2, 2);
  set_counts(ws.items[4], {1, 1, 1, 1, 1}, {0, 0, 1, 1, 0}, {1, 1, 0, 0, 0}, 5, 2, 2);
  Lines out;
  add_options_pages(out, ws);
  const std::string tilde(75, '~');
  const Lines expected = {
      "",
      "\f",
      "\tTITLE:   Unit Quiz",
      std::string(75, '*'),
      "Options Analysis",
      tilde,
      "Item Frequencies and Percentages                                  -- page1",
      tilde,
      "* is keyed answer, # is option that discriminates better than keyed answer",
      "",
      "Item Group   Option 1     Option 2     Option 3     Option 4     Option 5  ",
      "---- ----- ------------ ------------ ------------ ------------ ------------",
      "  1  TOTAL    3*(0.600)    1 (0.200)    1 (0.200)    0 (0.000)",
      "     High     2 (1.000)    0 (0.000)    0 (0.000)    0 (0.000)",
      "     Low      0 (0.000)    1 (0.500)    1 (0.500)    0 (0.000)",
      "     Diff     2 (1.000)   -1(-0.500)   -1(-0.500)    0 (0.000)",
      "",
      "  2  TOTAL    5 (1.000)    0 (0.000)    5*(1.000)    0 (0.000)",
      "     High     2 (1.000)    0 (0.000)    0 (0.000)    0 (0.000)",
      "     Low      2 (1.000)    0 (0.000)    0 (0.000)    0 (0.000)",
      "     Diff     0 (0.000)    0 (0.000)    0 (0.000)    0 (0.000)",
      "",
      "  4  TOTAL    1 (0.200)    1*(0.200)    1 (0.200)    1*(0.200)    1 (0.200)",
      "     High     0 (0.000)    0 (0.000)    1 (0.500)    1 (0.500)    0 (0.000)",
      "     Low      1 (0.500)    1 (0.500)    0 (0.000)    0 (0.000)    0 (0.000)",
      "     Diff    -1(-0.500)   -1(-0.500)    1#(0.500)    1#(0.500)    0#(0.000)",
      "",
  };
  // Item 2's third column: key 3 is keyed though its counts came from slot 1 here.
  ws.items[2].option_count_total[3] = 5, ws.items[2].option_prop_total[3] = 1.0;
  out.clear();
  add_options_pages(out, ws);
  EXPECT_TRUE(same_lines(expected, out));
}

// 44/45 - 45/46 prints as 0.000; its option column stays 13 characters wide.
TEST(OptionsReport, ATinyNegativeDifferencePrintedAsZeroKeepsItsColumn) {
  Workspace ws = many_items({});
  ws.num_items = 1;
  set_counts(ws.items[1], {89, 2}, {44, 1}, {45, 1}, 91, 45, 46);
  ws.items[1].discrimination = 0.5;
  Lines out;
  add_options_pages(out, ws);
  EXPECT_EQ(out[15], "     Diff    -1 (0.000)    0 (0.000)");
}

TEST(OptionsReport, KeyNineStarsEveryColumnAndRightWrongHasTwoColumns) {
  Workspace ws = many_items({});
  ws.num_items = 1;
  ws.items[1].key_value = 9;
  ws.items[1].option_count = 3;
  Lines out;
  add_options_pages(out, ws);
  EXPECT_EQ(out[12], "  1  TOTAL    0*(0.000)    0*(0.000)    0*(0.000)");

  ws.right_wrong_mode = true;
  ws.items[1].key_value = 0;
  ws.items[1].option_count = 5;
  ws.correct_answers[1].fill(0);
  out.clear();
  add_options_pages(out, ws);
  EXPECT_EQ(out[10], "Item Group    RIGHT        WRONG     ");
  EXPECT_EQ(out[11], "---- ----- ------------ ------------ ");
  EXPECT_EQ(out[12], "  1  TOTAL    0 (0.000)    0*(0.000)");
}

TEST(OptionsReport, PagesBreakOnItemNumbersNotOnPrintedItems) {
  Workspace ws = many_items({11});
  Lines out;
  add_options_pages(out, ws);
  const std::string page =
      "Item Frequencies and Percentages                                  -- page";
  const auto second = std::find(out.begin() + 2, out.end(), "\f");
  ASSERT_NE(second, out.end());
  const Lines expected = {
      "\f",
      "\tTITLE:   Long",
      std::string(75, '~'),
      page + "2",
      std::string(75, '~'),
      "* is keyed answer, # is option that discriminates better than keyed answer",
      "",
      "Item Group   Option 1     Option 2  ",
      "---- ----- ------------ ------------",
      " 21  TOTAL    0*(0.000)    0 (0.000)",
  };
  EXPECT_TRUE(same_lines(expected, Lines(second, second + 10)));
  EXPECT_EQ(std::count(out.begin(), out.end(), "\f"), 2);
  EXPECT_EQ(*(second - 5), " 20  TOTAL    0*(0.000)    0 (0.000)");

  // Nine-option tests print no heading pair.
  ws.max_options_used = 9;
  out.clear();
  add_options_pages(out, ws);
  EXPECT_EQ(out[10], "  1  TOTAL    0*(0.000)    0 (0.000)");
}

TEST(QuickOptionsReport, HeadingsBeforeItemsOneSixElevenAndClosingBanner) {
  Workspace ws = many_items({6, 8, 9, 10, 12, 13, 14, 15, 17, 18, 19, 20, 22, 23, 24, 25});
  const Lines lines = quick_options_lines(ws);
  const std::string dash = "---- ----- ------------ ------------";
  const std::string head = "Item Group   Option 1     Option 2  ";
  const Lines expected = {
      "Quick Options Analysis Results:",
      std::string(75, '~'),
      "* is keyed answer, # is option that discriminates better than keyed answer",
      std::string(75, '~'),
      "",
      dash,
      head,
      dash,
      "  1  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "  2  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "  3  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "  4  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "  5  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "  7  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      dash,
      head,
      dash,
      " 11  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      dash,
      head,
      dash,
      " 16  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      dash,
      head,
      dash,
      " 21  TOTAL",
      "     High ",
      "     Low  ",
      "     Diff ",
      "",
      "",
      std::string(42, '~'),
      "b1",
      "b2",
      "b3",
  };
  Lines starts;
  for (const auto& l : lines)
    starts.push_back(
        l.find("TOTAL") != std::string::npos || l.rfind("     ", 0) == 0 ? l.substr(0, 10) : l);
  EXPECT_TRUE(same_lines(expected, starts));
}

}  // namespace
}  // namespace jrv
