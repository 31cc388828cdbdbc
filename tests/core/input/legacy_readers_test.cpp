#include "core/input/legacy_readers.h"

#include <gtest/gtest.h>

#include "core/input/editor_check.h"
#include "core/input/input_file_writer.h"
#include "core/text/errors.h"

namespace jrv {
namespace {

std::filesystem::path fixture(const std::string& name) {
  return std::filesystem::path(JRV_TEST_DATA_DIR) / "exports" / "legacy" / name;
}

void expect_same_reading(const EditorDocument& a, const Workspace& wa, const EditorDocument& b,
                         const Workspace& wb) {
  EXPECT_EQ(a.editor, b.editor);
  EXPECT_EQ(a.groups, b.groups);
  EXPECT_EQ(a.partial_credit, b.partial_credit);
  EXPECT_EQ(a.grades, b.grades);
  EXPECT_EQ(a.alternatives, b.alternatives);
  EXPECT_EQ(a.spec_table, b.spec_table);
  EXPECT_EQ(wa.num_cases, wb.num_cases);
  EXPECT_EQ(wa.num_items, wb.num_items);
  EXPECT_EQ(wa.pc_enabled, wb.pc_enabled);
  EXPECT_EQ(wa.pc_points, wb.pc_points);
  EXPECT_EQ(wa.mc_points, wb.mc_points);
  EXPECT_EQ(wa.options, wb.options);
  EXPECT_EQ(wa.grade_scale, wb.grade_scale);
  EXPECT_EQ(wa.alt_item_count, wb.alt_item_count);
  EXPECT_EQ(wa.alt_answer_text, wb.alt_answer_text);
  EXPECT_EQ(wa.correct_answers, wb.correct_answers);
  EXPECT_EQ(wa.content_area_count, wb.content_area_count);
  EXPECT_EQ(wa.cognitive_level_count, wb.cognitive_level_count);
  EXPECT_EQ(wa.content_area_names, wb.content_area_names);
  EXPECT_EQ(wa.cognitive_level_names, wb.cognitive_level_names);
  EXPECT_EQ(wa.item_specs, wb.item_specs);
}

TEST(LegacyReader, VersionFiveReadsAsTheSameFileWithTheVersionSixMarker) {
  EditorDocument d5, d6;
  Workspace w5, w6;
  const OpenResult r5 = open_legacy_input_file(5, fixture("v5_sample.jrv"), d5, w5);
  const OpenResult r6 = open_input_file(fixture("v6_sample.jrv"), d6, w6);
  ASSERT_TRUE(r5.read) << (r5.messages.empty() ? "" : r5.messages.back());
  ASSERT_TRUE(r6.read);
  EXPECT_EQ(r5.messages, r6.messages);
  d5.input_path = d6.input_path;
  expect_same_reading(d5, w5, d6, w6);
  EXPECT_TRUE(w5.pc_enabled);
  EXPECT_EQ(w5.grade_scale.grade_category_count, 3);
}

TEST(LegacyReader, VersionThreeFillsTheFiveCategoryScaleAndTwoCognitiveLevels) {
  EditorDocument doc;
  Workspace ws;
  // What the test before left: partial credit and other group percentages.
  ws.pc_enabled = true;
  ws.pc_points = 10;
  ws.mc_points = 2;
  doc.groups.top = "30";
  ws.options.upper_group_percent = 30;
  const OpenResult r = open_legacy_input_file(3, fixture("v3_five_grades.jrv"), doc, ws);
  ASSERT_TRUE(r.read) << (r.messages.empty() ? "" : r.messages.back());

  const auto& scale = ws.grade_scale;
  EXPECT_EQ(scale.grade_category_count, 5);
  EXPECT_EQ(doc.grades.scheme, GradeScheme::five);
  const double minimums[] = {88, 78, 68, 58};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(scale.grade_minimums[static_cast<std::size_t>(k)], minimums[k - 1]) << k;
    EXPECT_EQ(doc.grades.percents[static_cast<std::size_t>(k)],
              std::to_string(static_cast<int>(minimums[k - 1])));
  }
  EXPECT_EQ(scale.grade_labels[1], "A   ");
  EXPECT_EQ(scale.grade_labels[5], "F   ");
  EXPECT_TRUE(scale.grade_scale_set);

  EXPECT_EQ(ws.cognitive_level_count, 2);
  EXPECT_EQ(ws.cognitive_level_names[1], "Knowledge");
  EXPECT_EQ(ws.cognitive_level_names[2], "Beyond Knowledge");
  EXPECT_EQ(ws.content_area_names[2], "Genetics");
  EXPECT_EQ(ws.item_specs[3], (ItemSpec{2, 1}));
  EXPECT_EQ(ws.item_specs[4], (ItemSpec{2, 2}));

  EXPECT_FALSE(ws.pc_enabled);
  EXPECT_EQ(ws.mc_points, 1.0);
  EXPECT_EQ(doc.groups.top, "30");  // version 3 has no group percentages
  EXPECT_EQ(ws.options.upper_group_percent, 30);

  EXPECT_TRUE(ReadEditorData(doc, ws).ok());
  EXPECT_EQ(ws.num_cases, 4);
  EXPECT_EQ(ws.included_count, 5);
}

TEST(LegacyReader, VersionFourFillsTwelveCutOffsGroupsAndAlternatives) {
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = open_legacy_input_file(4, fixture("v4_twelve_grades.jrv"), doc, ws);
  ASSERT_TRUE(r.read) << (r.messages.empty() ? "" : r.messages.back());
  const double minimums[] = {95, 92, 89, 85, 82, 79, 75, 72, 69, 65, 62};
  EXPECT_EQ(ws.grade_scale.grade_category_count, 12);
  for (int k = 1; k <= 11; ++k)
    EXPECT_EQ(ws.grade_scale.grade_minimums[static_cast<std::size_t>(k)], minimums[k - 1]) << k;
  EXPECT_EQ(ws.grade_scale.grade_labels[12], "F   ");
  EXPECT_EQ(doc.groups.top, "25");
  EXPECT_EQ(ws.options.lower_group_percent, 30);
  ASSERT_EQ(doc.alternatives.rows.size(), 1u);
  EXPECT_EQ(doc.alternatives.rows[0][3], "4");
  ASSERT_TRUE(ReadEditorData(doc, ws).ok());
  EXPECT_EQ(ws.correct_answers[3][2], 4);
  EXPECT_EQ(ws.content_area_count, 0);
}

TEST(LegacyReader, ImportedTestSavesAsVersionSixAndReadsBack) {
  EditorDocument doc, again;
  Workspace ws, ws_again;
  ASSERT_TRUE(open_legacy_input_file(3, fixture("v3_five_grades.jrv"), doc, ws).read);
  const Lines v6 = input_file_lines(doc, ws);
  ASSERT_TRUE(read_input_lines(v6, again, ws_again).read);
  EXPECT_EQ(again.editor, doc.editor);
  // The version-6 file keeps the scale as user defined: same categories and minimums.
  EXPECT_EQ(ws_again.grade_scale.grade_category_count, 5);
  EXPECT_EQ(ws_again.grade_scale.grade_labels, ws.grade_scale.grade_labels);
  EXPECT_EQ(ws_again.grade_scale.grade_minimums, ws.grade_scale.grade_minimums);
  EXPECT_EQ(ws_again.item_specs, ws.item_specs);
  EXPECT_EQ(ws_again.cognitive_level_names, ws.cognitive_level_names);
}

TEST(LegacyReader, WrongLayoutStopsAtTheFirstCountThatIsNoNumber) {
  EditorDocument doc;
  Workspace ws;
  // A version-6 file read as version 4: the marker line is taken for the title and the
  // layout slips until a count does not convert.
  const OpenResult r = open_legacy_input_file(4, fixture("v6_sample.jrv"), doc, ws);
  EXPECT_FALSE(r.read);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.back().find("is not a valid"), std::string::npos) << r.messages.back();

  Lines bad = read_lines(fixture("v3_five_grades.jrv"));
  bad[16] = "B cut-off     = eighty";
  const OpenResult r3 = read_legacy_lines(3, bad, doc, ws);
  EXPECT_FALSE(r3.read);
  EXPECT_EQ(r3.messages.back(),
            "'eighty' is not a valid floating point value (line 17, \"B cut-off\")");
  EXPECT_EQ(doc.editor.title, "Old Biology Quiz");  // what was read before stays

  EXPECT_FALSE(read_legacy_lines(6, {}, doc, ws).read);
  EXPECT_FALSE(open_legacy_input_file(3, fixture("no_such_file.jrv"), doc, ws).read);
}

// Found by fuzzing: a version-3 file whose item count, 1979929312, was taken as it stood, so
// saving the import wrote that many item lines until memory ran out. The reading now stops at
// that count and says so; the import writes nothing.
TEST(LegacyReader, AnItemCountPastTheTableStopsTheReadingByName) {
  EditorDocument doc;
  Workspace ws;
  const OpenResult r = open_legacy_input_file(3, fixture("v3_huge_item_count.jrv"), doc, ws);
  EXPECT_FALSE(r.read);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.back().find("1979929312' is not a valid number of items (0 to 100)"),
            std::string::npos)
      << r.messages.back();
  EXPECT_THROW((void)input_file_lines(doc, ws), ConversionError);
}

}  // namespace
}  // namespace jrv
