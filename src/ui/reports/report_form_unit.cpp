#include "ui/reports/report_form_unit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/support/pane_actions.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TReportForm::TReportForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TReportForm");
  setWindowTitle("Grade Reports");
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

  Label1 = named<QLabel>(this, "Label1", kEditablePaneNote);
  Label1->setWordWrap(true);
  outer->addWidget(Label1);
  report_box = named<QPlainTextEdit>(this, "report_box");
  make_report_pane(*report_box, fixed_pitch_font(9), false);
  outer->addWidget(report_box, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  BitBtn1 = named<QPushButton>(this, "BitBtn1", "&Close");
  BitBtn1->setAutoDefault(false);
  buttons->addWidget(BitBtn1);
  outer->addLayout(buttons);

  connect(Save1, &QAction::triggered, this, &TReportForm::Save1Click);
  connect(Print1, &QAction::triggered, this, &TReportForm::Print1Click);
  connect(Exit1, &QAction::triggered, this, &TReportForm::Exit1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TReportForm::Exit1Click);
  connect(Cut1, &QAction::triggered, this, &TReportForm::Cut1Click);
  connect(Copy1, &QAction::triggered, this, &TReportForm::Copy1Click);
  connect(Paste1, &QAction::triggered, this, &TReportForm::Paste1Click);
  connect(Font1, &QAction::triggered, this, &TReportForm::Font1Click);
  resize(760, 680);
}

void TReportForm::set_report(const std::vector<std::string>& lines) {
  report_box->clear();
  set_pane_lines(*report_box, lines);
  report_box->moveCursor(QTextCursor::Start);
}

void TReportForm::Save1Click() {
  session_.windows.map->SaveGradeReports1Click();
}

void TReportForm::Print1Click() {
  print_pane(session_.prompter, this, *report_box, "Grade Reports");
}

void TReportForm::Exit1Click() {
  accept();
}
void TReportForm::Cut1Click() {
  report_box->cut();
}
void TReportForm::Copy1Click() {
  report_box->copy();
}
void TReportForm::Paste1Click() {
  report_box->paste();
}

void TReportForm::Font1Click() {
  apply_font_to_selection(session_.prompter, this, *report_box);
}

}  // namespace jrv::ui
