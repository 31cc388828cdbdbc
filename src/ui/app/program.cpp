#include "ui/app/program.h"

#include <QApplication>

#include "ui/app/about_form_unit.h"
#include "ui/app/ack_form_unit.h"
#include "ui/app/code_form_unit.h"
#include "ui/app/map_main_diagnostics.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/user_form_unit.h"
#include "ui/charts/graph_unit.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/input/answer_form_unit.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/import_unit.h"
#include "ui/input/pc_unit.h"
#include "ui/input/spss_unit.h"
#include "ui/input/table_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/reports/report_form_unit.h"
#include "ui/reports/results_form_unit.h"
#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/prob_unit.h"
#include "ui/settings/spearman_form_unit.h"
#include "ui/support/pane_glyphs.h"
#include "ui/support/qt_prompter.h"

namespace jrv::ui {

void name_the_application() {
  QApplication::setApplicationName(QString::fromLatin1(kMessageBoxTitle));
}

Program::Program(Prompter& prompter) : Program(prompter, main_window_first) {
  create_side_windows();
}

Program::Program(Prompter& prompter, MainWindowFirst) : session_(prompter) {
  main_ = std::make_unique<TMapForm>(session_);
  session_.windows.map = main_.get();
  new DiagnosticsCommands(session_, *main_);
}

void Program::create_side_windows() {
  if (has_side_windows()) return;
  Windows& w = session_.windows;
  // The other windows belong to the main window, stay hidden until called and keep their
  // state between showings.
  QWidget* owner = main_.get();
  w.edit = new TEditForm(session_, owner);
  w.user = new TUserForm(session_, owner);
  w.about = new TAboutForm(session_, owner);
  w.code = new TCodeForm(session_, owner);
  w.gen = new TGenForm(session_, owner);
  w.results = new TResultsForm(session_, owner);
  w.grade = new TGradeForm(session_, owner);
  w.disc = new TDiscForm(session_, owner);
  w.spearman = new TSpearmanForm(session_, owner);
  w.ack = new TAckForm(session_, owner);
  w.table = new TTableForm(session_, owner);
  w.answer = new TAnswerForm(session_, owner);
  w.report = new TReportForm(session_, owner);
  w.graph = new TGraph(session_, owner);
  w.spss = new TSPSSform(session_, owner);
  w.pc = new TPCform(session_, owner);
  w.quick_view = new TQuickViewForm(session_, owner);
  w.import = new TImportForm(session_, owner);
  w.prob = new TProbForm(session_, owner);
  // Done after the main window was drawn, like the windows above: the first results then
  // find their characters rendered.
  render_glyphs(*main_);
  render_glyphs(*main_->memo_results);
}

Program::~Program() = default;

}  // namespace jrv::ui
