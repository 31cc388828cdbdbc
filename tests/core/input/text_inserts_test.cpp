#include "core/input/text_inserts.h"

#include <gtest/gtest.h>

#include "core/text/errors.h"

namespace jrv {
namespace {

std::filesystem::path scratch(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "jrv_text_inserts";
  std::filesystem::create_directories(dir);
  return dir / name;
}

TEST(TextInsert, PaneTakesEveryLineAndCountsTrailingEmptyOne) {
  const auto path = scratch("plain.txt");
  write_lines(path, {"Ann 1234", "", "Bob 2341", ""});
  EditorDocument doc;
  doc.editor.data_lines = {"old"};
  insert_text_file(doc, path);
  EXPECT_EQ(doc.editor.data_lines, (Lines{"Ann 1234", "", "Bob 2341", ""}));
  EXPECT_EQ(doc.editor.cases, "4");
  EXPECT_EQ(doc.input_path, path.string());
  EXPECT_THROW(insert_text_file(doc, scratch("missing.txt")), FileError);
}

TEST(TextInsert, KeyLineStartsAtItsFirstDigit) {
  EditorDocument doc;
  doc.editor.cases = "7";
  ASSERT_TRUE(
      insert_data_and_key_lines(doc, {"KEY:    1234A", "Ann 1234", "Bob 2222"}, "k.txt").ok());
  EXPECT_EQ(doc.editor.answer_key, "1234A");
  EXPECT_EQ(doc.editor.data_lines, (Lines{"Ann 1234", "Bob 2222"}));
  EXPECT_EQ(doc.editor.cases, "7");
}

TEST(TextInsert, KeyLineWithoutDigitIsRefusedAndChangesNothing) {
  EditorDocument doc;
  doc.editor.answer_key = "111";
  doc.editor.data_lines = {"kept"};
  const EditorDocument before = doc;
  for (const Lines& file : {Lines{"ABCD", "Ann 1234"}, Lines{}, Lines{""}}) {
    const auto r = insert_data_and_key_lines(doc, file, "k.txt");
    ASSERT_TRUE(r.failed);
    EXPECT_EQ(r.messages, std::vector<std::string>{"The first line must hold the answer key"});
    EXPECT_EQ(doc.editor, before.editor);
    EXPECT_EQ(doc.input_path, before.input_path);
  }
}

TEST(TextInsert, SaveDataOnlyWritesThePaneAsItStands) {
  EditorDocument doc;
  doc.editor.data_lines = {"Ann 12 4", "", "  Bob"};
  const auto path = scratch("data_only.txt");
  save_data_only(doc, path);
  EXPECT_EQ(read_lines(path), doc.editor.data_lines);
}

}  // namespace
}  // namespace jrv
