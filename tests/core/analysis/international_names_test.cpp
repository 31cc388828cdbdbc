// Names in any alphabet, from the file to the reports: a UTF-8 and a Windows-1252 file of
// the same test read alike, every column counts characters, and the reports keep their
// columns whatever letters the names are made of.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "core/analysis/analysis_run.h"
#include "core/analysis/report_fixture.h"
#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/input/input_file_writer.h"
#include "core/reports/grade_reports.h"
#include "core/text/encoding.h"

namespace jrv {
namespace {

namespace fs = std::filesystem;
using test::same_lines;

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("jrv_names_test_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

void put_bytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string bytes_of(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The file of the fault as a user met it: "José" fills the 4-character label and answers
// every item right; Ana gets three.
std::string jose_file_text() {
  return join_crlf({"JRV: Orvandel (version 6)",
                    "Title         = Quiz",
                    "Comments      = Café",
                    "# Examinees   = 2",
                    "# Items       = 4",
                    "Missing Data  = 9",
                    "Not reached   = x",
                    "Label Length  = 4",
                    "Answer Key    = ABCD",
                    "# Options     = 4444",
                    "Item Analyzed = YYYY",
                    "High Group D% = 27.0",
                    "Low Group D%  = 27.0",
                    "Partial Credit= NO",
                    "MC Points     = NO",
                    "JoséABCD",
                    "Ana ABDD",
                    "# Grades      = 0",
                    "#Alternatives = 0",
                    "#Content Areas= 0",
                    "#Cognitives   = 0"});
}

struct Analysed {
  EditorDocument doc;
  Workspace ws;
};

// Opens the file and leaves the editor with "Close && Analyze", as jrv-cli analyze does.
Analysed open_and_analyse(const fs::path& path) {
  Analysed a;
  const OpenResult opened = open_input_file(path, a.doc, a.ws);
  EXPECT_TRUE(opened.read) << path;
  const EditorExit exit = leave_editor(a.doc, a.ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(exit.accepted) << (exit.check.messages.empty() ? "" : exit.check.messages[0]);
  if (exit.accepted) run_analysis(a.ws, a.doc);
  return a;
}

TEST(InternationalNames, JoseInUtf8AndWindows1252GivesTheSameScoresAndReportLines) {
  TempDir dir;
  const std::string utf8 = jose_file_text();
  const auto cp1252 = to_windows_1252(utf8);
  ASSERT_TRUE(cp1252.has_value());
  put_bytes(dir / "utf8.jrv", utf8);
  put_bytes(dir / "cp1252.jrv", *cp1252);
  put_bytes(dir / "bom.jrv", "\xEF\xBB\xBF" + utf8);

  const Analysed a = open_and_analyse(dir / "utf8.jrv");
  EXPECT_EQ(a.ws.cases[1].label, "José");
  EXPECT_EQ(a.ws.cases[1].raw_score, 4);
  EXPECT_EQ(a.ws.cases[2].raw_score, 3);
  EXPECT_EQ(a.ws.comments, "Café");
  for (const char* other : {"cp1252.jrv", "bom.jrv"}) {
    SCOPED_TRACE(other);
    const Analysed b = open_and_analyse(dir / other);
    EXPECT_EQ(b.doc.editor, a.doc.editor);
    EXPECT_EQ(b.ws.cases[1], a.ws.cases[1]);
    EXPECT_TRUE(same_lines(a.ws.reports.quick_examinee, b.ws.reports.quick_examinee));
    EXPECT_TRUE(same_lines(a.ws.reports.quick_items, b.ws.reports.quick_items));
    EXPECT_TRUE(
        same_lines(grade_report_file_lines(a.ws, a.doc), grade_report_file_lines(b.ws, b.doc)));
  }
  // José's line has the 4-character label and the same columns as Ana's.
  const Lines& quick = a.ws.reports.quick_examinee;
  const auto jose = std::find_if(quick.begin(), quick.end(),
                                 [](const std::string& l) { return l.starts_with("José"); });
  const auto ana = std::find_if(quick.begin(), quick.end(),
                                [](const std::string& l) { return l.starts_with("Ana "); });
  ASSERT_TRUE(jose != quick.end() && ana != quick.end());
  EXPECT_EQ(char_count(*jose), char_count(*ana)) << *jose << "\n" << *ana;

  // Saved again, the file is Windows-1252 as it always was: é fits.
  ASSERT_TRUE(save_input_file(dir / "saved.jrv", a.doc, a.ws, InputSave::explicit_save).written);
  EXPECT_EQ(bytes_of(dir / "saved.jrv"), *cp1252);
}

// Labels of `width` characters, every examinee answering alike, so that every line of the
// quick examinee results should match after the label.
EditorDocument named_test(const std::vector<std::string>& names, int width) {
  EditorDocument doc;
  auto& f = doc.editor;
  f.title = "Ελληνικά, Русский, Polski, Türkçe";
  f.comments = "Łódź";
  f.cases = std::to_string(names.size());
  f.items = "5";
  f.label_length = std::to_string(width);
  f.answer_key = "ABCDA";
  f.options = "44444";
  f.include = "YYYYY";
  for (const auto& n : names)
    f.data_lines.push_back(pad_right(n, static_cast<std::size_t>(width)) + "ABCAA");
  return doc;
}

// The names with every character outside ASCII as "?".
std::vector<std::string> masked(const std::vector<std::string>& names) {
  std::vector<std::string> out;
  for (const auto& n : names) out.push_back(one_byte_per_char(n));
  return out;
}

Workspace analysed(EditorDocument& doc) {
  Workspace ws;
  const EditorExit exit = leave_editor(doc, ws, EditorExitButton::close_and_analyze, "");
  EXPECT_TRUE(exit.accepted) << (exit.check.messages.empty() ? "" : exit.check.messages[0]);
  run_analysis(ws, doc);
  return ws;
}

// Every character outside ASCII as "?".
Lines masked_lines(const Lines& lines) {
  Lines out;
  for (const auto& l : lines) out.push_back(one_byte_per_char(l));
  return out;
}

TEST(InternationalNames, PolishTurkishGreekAndCyrillicNamesLineUpInTheReports) {
  const std::vector<std::string> names = {"Łukasz Żółw", "Şule Yılmaz", "Ελένη Παππά", "Дмитрий",
                                          "Anna"};
  EditorDocument doc = named_test(names, 12);
  const Workspace ws = analysed(doc);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(ws.cases[static_cast<std::size_t>(i)].raw_score, 4) << names[i - 1];
  EXPECT_EQ(ws.cases[1].label, "Łukasz Żółw ");

  // The same test typed in ASCII with "?" for every other letter gives the same reports,
  // character for character: each name stands where its twin does, and nothing else moves.
  EditorDocument twin = named_test(masked(names), 12);
  twin.editor.title = one_byte_per_char(doc.editor.title);
  twin.editor.comments = one_byte_per_char(doc.editor.comments);
  const Workspace plain = analysed(twin);
  EXPECT_TRUE(same_lines(plain.reports.quick_examinee, masked_lines(ws.reports.quick_examinee)));
  EXPECT_TRUE(same_lines(plain.reports.quick_items, masked_lines(ws.reports.quick_items)));
  EXPECT_TRUE(same_lines(grade_report_file_lines(plain, twin),
                         masked_lines(grade_report_file_lines(ws, doc))));

  // Hidden labels are the only other way the listing is drawn.
  Workspace hidden = ws;
  hidden.options.hide_labels = true;
  run_analysis(hidden, doc);
  Workspace plain_hidden = plain;
  plain_hidden.options.hide_labels = true;
  run_analysis(plain_hidden, twin);
  EXPECT_TRUE(
      same_lines(plain_hidden.reports.quick_examinee, masked_lines(hidden.reports.quick_examinee)));
}

TEST(InternationalNames, NamesRoundTripThroughTheWriterAndTheReader) {
  TempDir dir;
  const std::vector<std::string> names = {"Łukasz Żółw", "Şule Yılmaz", "Ελένη Παππά", "Дмитрий",
                                          "王芳"};
  EditorDocument doc = named_test(names, 12);
  const Workspace ws = analysed(doc);
  ASSERT_TRUE(save_input_file(dir / "names.jrv", doc, ws, InputSave::explicit_save).written);
  // Letters outside Windows-1252 make the file UTF-8, without a byte-order mark.
  const std::string bytes = bytes_of(dir / "names.jrv");
  EXPECT_TRUE(bytes.starts_with("JRV: "));
  EXPECT_TRUE(is_valid_utf8(bytes));
  EXPECT_NE(bytes.find("Дмитрий     ABCAA\r\n"), std::string::npos);

  EditorDocument back;
  Workspace ws_back;
  ASSERT_TRUE(open_input_file(dir / "names.jrv", back, ws_back).read);
  EXPECT_EQ(back.editor, doc.editor);
  const Workspace again = analysed(back);
  EXPECT_TRUE(same_lines(ws.reports.quick_examinee, again.reports.quick_examinee));
}

TEST(InternationalNames, TitleAndCommentsAreCutToSeventyCharacters) {
  std::string greek;
  for (int i = 0; i < 40; ++i) greek += "αβ";  // 80 characters, 160 bytes
  EditorDocument doc = named_test({"Anna"}, 4);
  doc.editor.title = greek;
  doc.editor.comments = "é" + greek;
  const Workspace ws = analysed(doc);
  EXPECT_EQ(char_count(ws.title), 70u);
  EXPECT_TRUE(greek.starts_with(ws.title));
  EXPECT_EQ(ws.comments, "é" + std::string(cut_chars(greek, 69)));
}

}  // namespace
}  // namespace jrv
