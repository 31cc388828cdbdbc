#pragma once
// A readable dump of what reading an input file filled: the typed texts of the editor and
// its windows and the workspace values the windows set. Golden files hold such dumps.

#include <string>
#include <vector>

#include "core/input/editor_document.h"
#include "core/text/format.h"
#include "core/workspace/workspace.h"

namespace jrv::fixtures {

inline std::vector<std::string> dump(const EditorDocument& doc, const Workspace& ws) {
  std::vector<std::string> out;
  const auto put = [&out](const std::string& name, const std::string& value) {
    out.push_back(name + "=" + value);
  };
  const auto& e = doc.editor;
  put("txt_title", e.title);
  put("txt_comments", e.comments);
  put("txt_cases", e.cases);
  put("txt_items", e.items);
  put("txt_missing_data", e.missing_data);
  put("txt_label_length", e.label_length);
  put("txt_answer_key", e.answer_key);
  put("txt_options", e.options);
  put("txt_include", e.include);
  for (std::size_t i = 0; i < e.data_lines.size(); ++i)
    put("MemoData " + int_str(static_cast<std::int64_t>(i + 1)), e.data_lines[i]);
  put("txt_disc_top", doc.groups.top);
  put("txt_disc_bottom", doc.groups.bottom);
  put("txt_pc_points", doc.partial_credit.pc_points);
  put("txt_mc_points", doc.partial_credit.mc_points);
  put("txt_num_cats", doc.grades.num_cats);
  for (int k = 1; k <= 13; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (!doc.grades.labels[i].empty()) put("lbl_grade" + int_str(k), doc.grades.labels[i]);
    if (k <= 12 && !doc.grades.percents[i].empty())
      put("txt_grade" + int_str(k), doc.grades.percents[i]);
  }
  for (const auto& row : doc.alternatives.rows) {
    std::string cells;
    for (const auto& c : row) cells += c + "|";
    put("alternatives row", cells);
  }
  const auto& t = doc.spec_table;
  put("rdo_ca", int_str(t.content_count));
  put("rdo_cs", int_str(t.cognitive_count));
  for (std::size_t i = 1; i <= 6; ++i) {
    if (!t.content_names[i].empty())
      put("txt_content" + int_str(static_cast<int>(i)), t.content_names[i]);
    if (!t.skill_names[i].empty())
      put("txt_skill" + int_str(static_cast<int>(i)), t.skill_names[i]);
  }
  for (std::size_t i = 1; i < t.area_cells.size(); ++i)
    if (!t.area_cells[i].empty() || !t.level_cells[i].empty())
      put("item grid " + int_str(static_cast<int>(i)), t.area_cells[i] + "," + t.level_cells[i]);

  put("num_cases", int_str(ws.num_cases));
  put("num_items", int_str(ws.num_items));
  put("pc_enabled", ws.pc_enabled ? "on" : "off");
  put("pc_points", int_str(ws.pc_points));
  put("mc_points", general(ws.mc_points));
  put("upper_group_percent", general(ws.options.upper_group_percent));
  put("lower_group_percent", general(ws.options.lower_group_percent));
  const auto& g = ws.grade_scale;
  put("grade_category_count", int_str(g.grade_category_count));
  for (int k = 1; k <= g.grade_category_count; ++k)
    put("grade " + int_str(k), "'" + g.grade_labels[static_cast<std::size_t>(k)] + "' " +
                                   general(g.grade_minimums[static_cast<std::size_t>(k)]));
  put("alt_item_count", int_str(ws.alt_item_count));
  for (int j = 1; j <= ws.num_items && j <= 100; ++j) {
    std::string texts, slots;
    bool any_text = false;
    for (std::size_t s = 1; s <= 9; ++s) {
      texts += ws.alt_answer_text[j][s] + "|";
      any_text = any_text || !ws.alt_answer_text[j][s].empty();
      slots += int_str(ws.correct_answers[j][s]);
    }
    if (any_text) put("alt_answer_text " + int_str(j), texts);
    if (any_text) put("correct_answers " + int_str(j), slots);
  }
  put("content_area_count", int_str(ws.content_area_count));
  put("cognitive_level_count", int_str(ws.cognitive_level_count));
  for (std::size_t i = 1; i <= 6; ++i) {
    if (!ws.content_area_names[i].empty())
      put("content area " + int_str(static_cast<int>(i)), ws.content_area_names[i]);
    if (!ws.cognitive_level_names[i].empty())
      put("cognitive level " + int_str(static_cast<int>(i)), ws.cognitive_level_names[i]);
  }
  for (int j = 1; j <= ws.num_items && j <= 100; ++j)
    if (ws.item_specs[j] != ItemSpec{})
      put("item_specs " + int_str(j),
          int_str(ws.item_specs[j].content_area) + "," + int_str(ws.item_specs[j].cognitive_level));
  return out;
}

}  // namespace jrv::fixtures
