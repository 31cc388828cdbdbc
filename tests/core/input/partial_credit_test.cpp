#include "core/input/partial_credit.h"

#include <gtest/gtest.h>

#include "core/input/test_documents.h"

namespace jrv {
namespace {

// A test of `items` five-option items with the partial-credit window's fields.
EditorDocument test_of(int items, const char* pc_points, const char* mc_points) {
  EditorDocument doc;
  doc.editor.items = std::to_string(items);
  doc.editor.options = std::string(static_cast<std::size_t>(items), '5');
  doc.partial_credit = {pc_points, mc_points};
  return doc;
}

TEST(PartialCredit, OkAppendsOrReplacesThePointsOnTheOptionsLine) {
  EditorDocument doc = test_of(10, "5", "1");
  Workspace ws;
  CheckResult r = confirm_partial_credit(doc, ws);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.focus, "txt_options");
  EXPECT_TRUE(ws.pc_enabled);
  EXPECT_EQ(ws.pc_points, 5);
  EXPECT_EQ(doc.editor.options, "555555555505");

  doc.partial_credit.pc_points = "20";
  confirm_partial_credit(doc, ws);
  EXPECT_EQ(doc.editor.options, "555555555520");

  doc.editor.options = "5555555555201";
  r = confirm_partial_credit(doc, ws);
  EXPECT_EQ(r.messages, std::vector<std::string>{
                            "Please be sure that the correct number of Partial Credit points is at "
                            "the end of the OPTIONS line (after the last item number) -- you set a "
                            "total of 20 points."});
  EXPECT_EQ(doc.editor.options, "5555555555201");
}

TEST(PartialCredit, PointsThatDoNotFitFallBackWithANote) {
  struct Case {
    const char* typed;
    int points;
    std::string options_tail;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"0",
       0,
       "00",
       {"You have set the Number of Partial Credit points equal to Zero -- any points at the end "
        "of the data will be treated as extra credit."}},
      {"2.5",
       0,
       "00",
       {"Number of Partial Credit points must be a whole number -- it was set to 0",
        "You have set the Number of Partial Credit points equal to Zero -- any points at the end "
        "of the data will be treated as extra credit."}},
      {"-3",
       0,
       "00",
       {"Number of Partial Credit points must be a whole number -- it was set to 0",
        "You have set the Number of Partial Credit points equal to Zero -- any points at the end "
        "of the data will be treated as extra credit."}},
      {"100",
       0,
       "00",
       {"Number of Partial Credit points must be less than 100 -- it was set to 0.  You will need "
        "to put the appropriate value in place of the 00 at the end of the OPTIONS line."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EditorDocument doc = test_of(10, c.typed, "1");
    Workspace ws;
    const CheckResult r = confirm_partial_credit(doc, ws);
    EXPECT_EQ(r.messages, c.messages);
    EXPECT_EQ(ws.pc_points, c.points);
    EXPECT_EQ(doc.editor.options.substr(10), c.options_tail);
  }
}

TEST(PartialCredit, ItemLimitAndMcPoints) {
  EditorDocument doc = test_of(98, "1", "1");
  Workspace ws;
  confirm_partial_credit(doc, ws);
  EXPECT_TRUE(ws.pc_enabled);

  doc = test_of(99, "1", "2");
  ws = Workspace{};
  CheckResult r = confirm_partial_credit(doc, ws);
  EXPECT_FALSE(ws.pc_enabled);
  EXPECT_EQ(r.messages,
            std::vector<std::string>{
                "Partial Credit can only be given if Number of Items is less than 99."});
  EXPECT_EQ(ws.mc_points, 2.0);  // MC points are still taken
  EXPECT_EQ(doc.editor.options.size(), 99u);

  doc = test_of(40, "20", "2.5");
  r = confirm_partial_credit(doc, ws);
  EXPECT_EQ(ws.mc_points, 2.5);
  EXPECT_TRUE(r.messages.empty());

  const std::pair<const char*, const char*> fallbacks[] = {
      {"25", "Total Points cannot exceed 999...so MC points were set to 1"},
      {"lots", "Multiple Choice Items must be worth something...so MC points were set to 1"},
      {"-2", "Because you entered a negative value...MC points were set to 1"},
  };
  for (const auto& [typed, message] : fallbacks) {
    doc = test_of(40, "0", typed);
    r = confirm_partial_credit(doc, ws);
    EXPECT_EQ(ws.mc_points, 1.0) << typed;
    EXPECT_EQ(r.messages.back(), message);
  }
}

TEST(PartialCredit, WindowButtons) {
  PartialCreditFields window{"7", "3"};
  partial_credit_defaults(window);
  EXPECT_EQ(window, (PartialCreditFields{"0", "1"}));

  Workspace ws;
  ws.pc_points = 12;
  ws.mc_points = 2.5;
  open_partial_credit(window, ws);
  EXPECT_EQ(window, (PartialCreditFields{"12", "2.5"}));

  ws.pc_enabled = true;
  const CheckResult r = turn_off_partial_credit(ws);
  EXPECT_FALSE(ws.pc_enabled);
  EXPECT_EQ(ws.mc_points, 1.0);
  EXPECT_EQ(ws.pc_points, 12);
  EXPECT_EQ(r.messages,
            std::vector<std::string>{
                "Turning off the Partial Credit options does not change your data.\r\n\r\nYou "
                "may need to edit your OPTIONS line -- be sure that the last Number of Options "
                "lines up under the last item number.\r\n\r\nYou may also need to edit your "
                "Examinee Data -- be sure that your data end under the last item number.\r\n\r\n"
                "(Note that you do not really need to change your data or the OPTIONS line -- the "
                "program only goes to the # of items, so anything beyond that is ignored)."});
}

TEST(PartialCredit, ColumnsAfterTheResponses) {
  EXPECT_EQ(case_pc_points_of_line("abc0123456789"
                                   "7",
                                   3, 10),
            7);
  EXPECT_EQ(case_pc_points_of_line("abc0123456789"
                                   "  ",
                                   3, 10),
            0);
  EXPECT_EQ(case_pc_points_of_line("abc0123456789"
                                   "1x",
                                   3, 10),
            10);
  EXPECT_EQ(case_pc_points_of_line("abc0123456789", 3, 10), 0);
  EXPECT_EQ(case_pc_points_of_line("abc0123456789"
                                   "12 ",
                                   3, 10),
            std::nullopt);
  EXPECT_EQ(pc_points_of_options_line("5555"
                                      "x7",
                                      4),
            0);
  EXPECT_EQ(pc_points_of_options_line("5555"
                                      "07",
                                      4),
            7);
}

}  // namespace
}  // namespace jrv
