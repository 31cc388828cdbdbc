#include "core/input/rulers.h"

#include <gtest/gtest.h>

namespace jrv {
namespace {

TEST(Rulers, ItemRowsMarkFivesTensAndTheLastItem) {
  const Rulers r = build_rulers("0", "12");
  ASSERT_TRUE(r.drawn);
  EXPECT_EQ(r.plain.scale1, "Item#    1 1");
  EXPECT_EQ(r.plain.scale2, "1...5....0.2");
  EXPECT_EQ(r.plain.key_scale1, r.plain.scale1);
  EXPECT_EQ(r.plain.key_scale4, r.plain.scale2);
  EXPECT_EQ(r.pc.scale2, "1...5....0.2PC");
  EXPECT_EQ(r.pc.key_scale2, "1...5....0.2PC");
  EXPECT_EQ(r.pc.scale1, r.plain.scale1);
  EXPECT_EQ(&r.shown(true), &r.pc);
}

TEST(Rulers, LabelPartCaptionsByWidth) {
  EXPECT_EQ(build_rulers("12", "3").plain.scale1, "Examinee ID|Ite");
  EXPECT_EQ(build_rulers("12", "3").plain.scale2, "-----------|1.3");
  EXPECT_EQ(build_rulers("9", "3").plain.scale1, "Examinee|Ite");
  EXPECT_EQ(build_rulers("3", "3").plain.scale1, "ID|Ite");
  EXPECT_EQ(build_rulers("2", "3").plain.scale1, " |Ite");
  EXPECT_EQ(build_rulers("1", "3").plain.scale2, "|1.3");
  // The key and include rulers never carry the label part.
  EXPECT_EQ(build_rulers("12", "3").plain.key_scale3, "Ite");
}

TEST(Rulers, HundredItemsAndUnknownCounts) {
  const Rulers hundred = build_rulers("0", "100");
  // The count 100 shows as "10" and an appended "0"; without a count there is no "0".
  EXPECT_EQ(hundred.plain.scale1.size(), 102u);
  EXPECT_EQ(hundred.plain.scale1.substr(89), "9    9    100");
  EXPECT_EQ(hundred.plain.key_scale1.substr(89), "9    9    100");
  EXPECT_EQ(build_rulers("0", "99").plain.scale1.substr(89), "9    9   9");
  EXPECT_EQ(build_rulers("0", "").plain.scale1.substr(89), "9    9    10");
  EXPECT_EQ(hundred.plain.scale2.substr(90), "....5....0");

  // Every row stops at 105 columns.
  const Rulers wide = build_rulers("5", "100");
  EXPECT_EQ(wide.plain.scale1.size(), 105u);
  EXPECT_EQ(wide.plain.scale2.size(), 105u);

  // Without an item count 100 positions are drawn, cut to 105 with a label.
  const Rulers unknown = build_rulers("10", "");
  ASSERT_TRUE(unknown.drawn);
  EXPECT_EQ(unknown.plain.scale2.size(), 105u);
  EXPECT_EQ(unknown.plain.key_scale2.size(), 100u);
  EXPECT_EQ(build_rulers("x", "4").plain.scale2, "1..4");

  EXPECT_FALSE(build_rulers("6", "100").drawn);
  EXPECT_FALSE(build_rulers("106", "").drawn);
}

TEST(FieldChecks, ItemsFieldMessagesAndTableOfSpecifications) {
  FieldChange c = items_changed("", "");
  EXPECT_FALSE(c.check.failed);
  EXPECT_FALSE(c.spec_table_enabled);

  c = items_changed("", "4O");
  EXPECT_EQ(c.check.messages, std::vector<std::string>{"Number of Items must be an integer"});
  EXPECT_EQ(c.check.focus, "txt_items");
  EXPECT_FALSE(c.spec_table_enabled);

  c = items_changed("", "0");
  EXPECT_EQ(c.check.messages,
            std::vector<std::string>{"Number of Items must be between 1 and 100"});

  c = items_changed("10", "40");
  EXPECT_FALSE(c.check.failed);
  EXPECT_TRUE(c.spec_table_enabled);

  c = items_changed("10", "96");
  EXPECT_EQ(c.check.messages,
            std::vector<std::string>{"Length of Examinee ID Label plus data must be less than 105 "
                                     "-- maximum label length here must be < 9"});
  EXPECT_EQ(c.check.focus, "txt_items");
  EXPECT_FALSE(c.rulers.drawn);
  EXPECT_TRUE(c.spec_table_enabled);
}

TEST(FieldChecks, LabelLengthFieldMessages) {
  const auto message = [](const char* label, const char* items) {
    const FieldChange c = label_length_changed(label, items);
    EXPECT_TRUE(c.check.messages.empty() || c.check.focus == "txt_label_length");
    return c.check.messages.empty() ? std::string() : c.check.messages.front();
  };
  EXPECT_EQ(message("", "10"), "");
  EXPECT_EQ(message("12", "10"), "");
  EXPECT_EQ(message("a", "10"), "Length of Examinee ID Label must be an integer");
  EXPECT_EQ(message("-1", "10"), "Length of Examinee ID Label must be positive value");
  EXPECT_EQ(message("106", ""),
            "Length of Examinee ID Label plus data must be less than 105 (even smaller if you "
            "want any data)");
  EXPECT_EQ(message("6", "100"),
            "Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
            "here must be < 5");
}

}  // namespace
}  // namespace jrv
