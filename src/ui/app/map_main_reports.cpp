// The main window's grade reports and its exports of the last analysis: the item
// statistics file, the 0/1 data file and the alternative-answers export.

#include <QAction>
#include <QLineEdit>
#include <filesystem>

#include "core/reports/data_exports.h"
#include "core/reports/grade_reports.h"
#include "core/reports/item_stats_file.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/reports/report_form_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

namespace {

// The exports go into the program's current folder, named after the test.
std::filesystem::path current_folder() {
  std::error_code ignored;
  return std::filesystem::current_path(ignored);
}

}  // namespace

void TMapForm::ViewGradeReports1Click() {
  const CheckResult allowed = check_grade_report_view(session_.ws);
  show_messages(session_.prompter, this, allowed);
  if (allowed.failed) return;
  TReportForm& viewer = *session_.windows.report;
  viewer.set_report(grade_report_viewer_lines(session_.ws, session_.doc));
  session_.prompter.show_modal(viewer);
}

void TMapForm::SaveGradeReports1Click() {
  const CheckResult allowed = check_grade_report_save(session_.ws);
  show_messages(session_.prompter, this, allowed);
  if (allowed.failed) return;
  FileDialogSpec spec;
  spec.default_extension = "rpt";
  spec.filter =
      "Report files (*.rpt,*.txt,*.out,*.dat,*.csv)|*.rpt;*.txt;*.out;*.dat;*.csv|All Files "
      "(*.*)|*.*";
  spec.overwrite_prompt = true;
  spec.proposed_name = to_q(grade_report_proposed_name(from_q(txt_map_name->text())));
  QWidget* parent = session_.windows.report->isVisible()
                        ? static_cast<QWidget*>(session_.windows.report)
                        : static_cast<QWidget*>(this);
  const auto path = session_.prompter.save_file(parent, spec);
  if (!path) return;
  try {
    const CheckResult saved = save_grade_reports(session_.ws, session_.doc, to_path(*path));
    show_messages(session_.prompter, parent, saved);
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, parent, e);
  }
}

void TMapForm::SaveItemFile1Click() {
  try {
    save_item_stats(session_.ws, current_folder(), from_q(txt_map_name->text()));
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TMapForm::SaveRightWrongData1Click() {
  try {
    save_right_wrong_data(session_.ws, from_q(txt_map_name->text()), current_folder());
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TMapForm::SaveALTfile1Click() {
  try {
    save_alt_files(session_.ws, session_.doc, from_q(txt_map_name->text()), current_folder());
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

}  // namespace jrv::ui
