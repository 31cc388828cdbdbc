#include "core/input/card_import.h"

#include <gtest/gtest.h>

#include "core/text/encoding.h"
#include "core/text/format.h"

namespace jrv {
namespace {

// An 80-column card: `body` from column 1, blank-padded, `marker` in column 80.
std::string card(const std::string& body, char marker) {
  return std::string(cut_chars(left(body, 79), 79)) + marker;
}

TEST(CardImport, PairsBuildTheKeyAndOneLinePerExaminee) {
  EditorDocument doc;
  doc.editor.items = "5";
  const std::string name(43, 'n');
  doc.editor.data_lines = {
      card(name + "12345", '1'),
      card(std::string(10, 'x') + "ignored?", '2'),
      card("Ann" + std::string(40, ' ') + "1*3 4", '1'),
      card("", '2'),
      // Without the markers only columns 11-79 of the second card count.
      card("dropped", ' '),
      std::string(10, '-') + std::string(43, 'B') + "21",
  };
  const auto r = import_card_images(doc);
  ASSERT_TRUE(r.ok()) << r.messages.front();
  // The key pair's second card adds columns 11-79, which the cut to 43 + 5 drops.
  EXPECT_EQ(doc.editor.answer_key, "12345");
  ASSERT_EQ(doc.editor.data_lines.size(), 2u);
  EXPECT_EQ(doc.editor.data_lines[0], "Ann" + std::string(40, ' ') + "19394");
  EXPECT_EQ(doc.editor.data_lines[1], std::string(43, 'B') + "21");
  EXPECT_EQ(doc.editor.label_length, "43");
  EXPECT_EQ(doc.editor.items, "5");
  EXPECT_EQ(doc.editor.cases, "2");
  EXPECT_EQ(doc.editor.options, "55555");
  EXPECT_EQ(doc.editor.include, "YYYYY");
}

TEST(CardImport, ItemCountKeyShorterThanItemsAndOddLastLine) {
  EditorDocument doc;
  doc.editor.items = "8";
  doc.editor.data_lines = {"", std::string(10, ' ') + std::string(43, ' ') + "123",
                           card(std::string(43, 'C') + "1", '1')};
  ASSERT_TRUE(import_card_images(doc).ok());
  EXPECT_EQ(doc.editor.items, "3");  // the key's length, not the typed count
  EXPECT_EQ(doc.editor.options, "555");
  // A last card without a partner contributes nothing of its own.
  EXPECT_EQ(doc.editor.data_lines, (std::vector<std::string>{""}));
}

TEST(CardImport, CardColumnsAreCharacters) {
  EditorDocument doc;
  doc.editor.items = "3";
  const std::string name = left("Żaneta Wójcik", 43);
  doc.editor.data_lines = {card(std::string(43, ' ') + "123", '1'), card("", '2'),
                           card(name + "1 3", '1'), card("", '2')};
  ASSERT_TRUE(import_card_images(doc).ok());
  EXPECT_EQ(doc.editor.answer_key, "123");
  ASSERT_EQ(doc.editor.data_lines.size(), 1u);
  EXPECT_EQ(doc.editor.data_lines[0], name + "193");
}

TEST(CardImport, RefusalsChangeNothing) {
  EditorDocument doc;
  doc.editor.data_lines = {card("x", '1'), card("y", '2')};
  const EditorDocument before = doc;
  auto expect_refused = [&](const std::string& items, const std::string& message,
                            const std::string& focus) {
    doc.editor.items = items;
    const auto r = import_card_images(doc);
    ASSERT_TRUE(r.failed) << items;
    EXPECT_EQ(r.messages, std::vector<std::string>{message});
    EXPECT_EQ(r.focus, focus);
    EXPECT_EQ(doc.editor.data_lines, before.editor.data_lines);
  };
  expect_refused("abc", "Number of Items must be an integer", "txt_items");
  expect_refused("0", "Number of Items must be between 1 and 100", "txt_items");
  expect_refused("101", "Number of Items must be between 1 and 100", "txt_items");
  doc.editor.data_lines.assign(kMaxCardLines + 1, card("z", '1'));
  doc.editor.items = "5";
  const auto r = import_card_images(doc);
  ASSERT_TRUE(r.failed);
  EXPECT_EQ(doc.editor.data_lines.size(), kMaxCardLines + 1);
  EXPECT_EQ(doc.editor.label_length, "");
}

TEST(CardImport, HowToNamesTheSteps) {
  const std::string text = card_import_howto();
  EXPECT_EQ(text.rfind("Steps to follow for importing VKM TESTSCORE data:", 0), 0u);
  EXPECT_NE(text.find("43, which is typical for TESTSCORE data will be entered automatically"),
            std::string::npos);
}

}  // namespace
}  // namespace jrv
