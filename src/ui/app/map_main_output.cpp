// The main window's results output: the analysis run's texts, saving results and the
// quick views.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "core/analysis/analysis_run.h"
#include "core/analysis/options_report.h"
#include "core/input/input_file_writer.h"
#include "core/reports/grade_reports.h"
#include "core/reports/quick_view_texts.h"
#include "core/reports/results_files.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

bool TMapForm::run_core_analysis() {
  try {
    run_analysis(session_.ws, session_.doc);
  } catch (const std::exception& e) {
    show_error(session_.prompter, this, e);
    return false;
  }
  show_messages(session_.prompter, this, session_.ws.reports.messages);
  return true;
}

void TMapForm::fill_quick_view_exam() {
  session_.windows.quick_view->set_content(ViewerContent::examinee_results,
                                           quick_view_examinee_lines(session_.ws));
}

void TMapForm::fill_quick_view_item() {
  session_.windows.quick_view->set_content(ViewerContent::item_analysis,
                                           quick_view_item_lines(session_.ws));
}

void TMapForm::ViewOptions1Click() {
  session_.windows.quick_view->set_content(ViewerContent::options_analysis,
                                           quick_options_lines(session_.ws));
  session_.windows.quick_view->show();
  session_.windows.quick_view->raise();
}

void TMapForm::btn_saveresultsClick() {
  Workspace& ws = session_.ws;
  ws.save_exm = chk_save_score_file->isChecked();
  ws.save_itm = chk_save_item_file->isChecked();
  FileDialogSpec spec;
  spec.default_extension = "txt";
  spec.filter = "Text files (*.TXT)|*.txt";
  spec.overwrite_prompt = true;
  spec.proposed_name =
      txt_results_name->text().isEmpty() ? QStringLiteral("Results") : txt_results_name->text();
  if (const auto chosen = session_.prompter.save_file(this, spec)) {
    const std::filesystem::path results = to_path(*chosen);
    try {
      save_results(ws, results, CompanionSelection{ws.save_exm, ws.save_itm, ws.save_opt});
      session_.results_path = results.string();
      if (ws.save_opt) {
        // The options file is what the quick viewer then holds.
        session_.windows.quick_view->set_content(ViewerContent::options_analysis,
                                                 quick_options_lines(ws));
      }
      if (ws.save_rpt) {
        const CheckResult r = save_grade_reports(ws, session_.doc, companion_path(results, ".rpt"));
        show_messages(session_.prompter, this, r);
      }
      session_.output_input_path = companion_path(results, ".jrv").string();
      const SaveResult copy =
          save_input_file(session_.output_input_path, session_.doc, ws, InputSave::automatic_copy);
      show_messages(session_.prompter, this, copy.check);
      if (copy.written) session_.mark_test_saved();
    } catch (const std::exception& e) {  // FileError, ConversionError: files before it stay
      show_error(session_.prompter, this, e);
      return;
    }
  }
  after_results_saved();
}

void TMapForm::after_results_saved() {
  session_.input_saved = true;
  session_.doc.input_opened = false;
  const std::filesystem::path last(session_.results_path);
  session_.current_file_name = last.filename().string();
  const QString base = from_path(last.stem());
  txt_map_name->setText(base);
  txt_results_name->setText(base);
  if (session_.ws.save_exm) txt_score_filename->setText(base);
  if (session_.ws.save_itm) txt_item_filename->setText(base);
  Label6->hide();
  rdo_edit_data->setChecked(true);
  session_.editor_start_mode = kEditCurrent;
}

}  // namespace jrv::ui
