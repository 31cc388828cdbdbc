#include "core/input/text_inserts.h"

#include <algorithm>
#include <cctype>

#include "core/text/format.h"

namespace jrv {

void insert_text_lines(EditorDocument& doc, const Lines& file_lines,
                       const std::filesystem::path& path) {
  doc.input_path = path.string();
  doc.editor.data_lines = file_lines;
  doc.editor.cases = int_str(static_cast<std::int64_t>(file_lines.size()));
}

CheckResult insert_data_and_key_lines(EditorDocument& doc, const Lines& file_lines,
                                      const std::filesystem::path& path) {
  CheckResult result;
  const std::string& first = file_lines.empty() ? std::string() : file_lines.front();
  const auto digit = std::find_if(first.begin(), first.end(),
                                  [](unsigned char c) { return std::isdigit(c) != 0; });
  if (digit == first.end()) {
    result.fail("The first line must hold the answer key");
    return result;
  }
  doc.input_path = path.string();
  doc.editor.answer_key.assign(digit, first.end());
  doc.editor.data_lines.assign(file_lines.begin() + 1, file_lines.end());
  return result;
}

void insert_text_file(EditorDocument& doc, const std::filesystem::path& path) {
  insert_text_lines(doc, read_lines(path), path);
}

CheckResult insert_data_and_key_file(EditorDocument& doc, const std::filesystem::path& path) {
  return insert_data_and_key_lines(doc, read_lines(path), path);
}

void save_data_only(const EditorDocument& doc, const std::filesystem::path& path) {
  write_lines(path, doc.editor.data_lines);
}

Lines spss_sample_syntax() {
  return {
      "* Writes a text file that JRV inserts with its answer key:",
      "* the first line holds the key, every further line one examinee,",
      "* the name in columns 1-9 and one digit per item from column 10 on.",
      "* Change the file name, the key and the item variables to your own.",
      "",
      "DO IF $CASENUM = 1.",
      "WRITE OUTFILE='C:\\temp\\jrvdata.txt'",
      "  /'KEY      1234123412'.",
      "END IF.",
      "WRITE OUTFILE='C:\\temp\\jrvdata.txt'",
      "  /name (A9) item1 TO item10 (10F1.0).",
      "EXECUTE.",
  };
}

}  // namespace jrv
