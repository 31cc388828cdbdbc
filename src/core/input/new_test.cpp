#include "core/input/new_test.h"

#include "core/input/include_line.h"
#include "core/input/table_of_specs.h"
#include "core/settings/grade_window.h"

namespace jrv {

CheckResult new_test(EditorDocument& doc, Workspace& ws) {
  ws.pc_enabled = false;
  ws.mc_points = 1.0;
  ws.pc_points = 0;
  doc.partial_credit = PartialCreditFields{};

  auto& f = doc.editor;
  f.title.clear();
  f.comments.clear();
  f.answer_key.clear();
  f.cases.clear();
  f.items.clear();
  f.label_length.clear();
  f.options.clear();
  set_include_text(doc, "");
  f.missing_data = EditorFields{}.missing_data;
  f.data_lines.clear();

  reset_spec_table(doc.spec_table, ws);
  clear_spec_table(ws);

  doc.alternatives = AltAnswerGrid{};
  ws.alt_item_count = 0;
  ws.alt_answer_text.assign(kMaxItems, AnswerTexts{});

  // The originals kept for "convert back" belong to the test before.
  ws.originals_saved = false;
  ws.key_notice_given_for.clear();

  choose_grade_scheme(GradeScheme::none, doc.grades, ws.grade_scale, ws.options);

  CheckResult r;
  r.set_focus("txt_title");
  return r;
}

}  // namespace jrv
