#include "ui/reports/results_form_unit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/charts/graph_unit.h"
#include "ui/support/pane_actions.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TResultsForm::TResultsForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TResultsForm");
  setWindowTitle("View Results");
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);

  File1 = named_menu(this, "File1", "&File");
  Save1 = menu_item(File1, this, "Save1", "&Save");
  Print1 = menu_item(File1, this, "Print1", "&Print");
  File1->addSeparator();
  Exit1 = menu_item(File1, this, "Exit1", "E&xit");
  MainMenu1->addMenu(File1);
  Edit1 = named_menu(this, "Edit1", "&Edit");
  Cut1 = menu_item(Edit1, this, "Cut1", "Cu&t", QKeySequence::Cut);
  Copy1 = menu_item(Edit1, this, "Copy1", "&Copy", QKeySequence::Copy);
  Paste1 = menu_item(Edit1, this, "Paste1", "&Paste", QKeySequence::Paste);
  MainMenu1->addMenu(Edit1);
  Format1 = named_menu(this, "Format1", "F&ormat");
  Font1 = menu_item(Format1, this, "Font1", "&Font...");
  MainMenu1->addMenu(Format1);

  auto* buttons = new QHBoxLayout;
  btn_grades = named<QPushButton>(this, "btn_grades", "Bar Chart for Grades");
  btn_bar = named<QPushButton>(this, "btn_bar", "Bar Chart for Scores");
  btn_hist = named<QPushButton>(this, "btn_hist", "Histogram for Scores");
  btn_close = named<QPushButton>(this, "btn_close", "Close");
  for (auto* b : {btn_grades, btn_bar, btn_hist}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  btn_close->setAutoDefault(false);
  buttons->addWidget(btn_close);
  outer->addLayout(buttons);

  lbl_note = named<QLabel>(this, "lbl_note", kEditablePaneNote);
  lbl_note->setWordWrap(true);
  outer->addWidget(lbl_note);

  results_box = named<QPlainTextEdit>(this, "results_box");
  make_report_pane(*results_box, fixed_pitch_font_pixels(12), false);
  outer->addWidget(results_box, 1);

  connect(Save1, &QAction::triggered, this, &TResultsForm::Save1Click);
  connect(Print1, &QAction::triggered, this, &TResultsForm::Print1Click);
  connect(Exit1, &QAction::triggered, this, &TResultsForm::Exit1Click);
  connect(btn_close, &QPushButton::clicked, this, &TResultsForm::Exit1Click);
  connect(Cut1, &QAction::triggered, this, &TResultsForm::Cut1Click);
  connect(Copy1, &QAction::triggered, this, &TResultsForm::Copy1Click);
  connect(Paste1, &QAction::triggered, this, &TResultsForm::Paste1Click);
  connect(Font1, &QAction::triggered, this, &TResultsForm::Font1Click);
  connect(btn_hist, &QPushButton::clicked, this, &TResultsForm::btn_histClick);
  connect(btn_bar, &QPushButton::clicked, this, &TResultsForm::btn_barClick);
  connect(btn_grades, &QPushButton::clicked, this, &TResultsForm::btn_gradesClick);
  resize(860, 700);
}

void TResultsForm::set_results(const std::vector<std::string>& lines) {
  pending_ = lines;
  stale_ = true;
  if (isVisible()) fill_if_stale();
}

void TResultsForm::fill_if_stale() {
  if (!stale_) return;
  set_pane_lines(*results_box, pending_);
  stale_ = false;
}

void TResultsForm::showEvent(QShowEvent* event) {
  fill_if_stale();
  QDialog::showEvent(event);
}

void TResultsForm::Save1Click() {
  session_.windows.map->btn_saveresultsClick();
}

void TResultsForm::Print1Click() {
  fill_if_stale();
  print_pane(session_.prompter, this, *results_box, "JRV Output");
}

void TResultsForm::Exit1Click() {
  close();
}
void TResultsForm::Cut1Click() {
  results_box->cut();
}
void TResultsForm::Copy1Click() {
  results_box->copy();
}
void TResultsForm::Paste1Click() {
  results_box->paste();
}

void TResultsForm::Font1Click() {
  apply_font_to_selection(session_.prompter, this, *results_box);
}

void TResultsForm::btn_histClick() {
  session_.windows.graph->show_chart(ChartKind::histogram);
}
void TResultsForm::btn_barClick() {
  session_.windows.graph->show_chart(ChartKind::score_bars);
}
void TResultsForm::btn_gradesClick() {
  session_.windows.graph->show_chart(ChartKind::grade_bars);
}

}  // namespace jrv::ui
