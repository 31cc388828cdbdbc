// The main window's panels, buttons and panes.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/workspace/identity.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {
constexpr int kWindowWidth = 1240;
constexpr int kWindowHeight = 800;
}  // namespace

TMapForm::TMapForm(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("TMapForm");
  setWindowTitle(QString::fromLatin1(kProgramCaption));
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  build_panels();
  build_menus();
  build_sheet_menu_items();
  connect_handlers();
  connect_examples();
  add_file_commands();
  // Outside a dialog Qt buttons ignore Enter; here Enter presses the focused one.
  for (auto* b : findChildren<QPushButton*>()) b->setAutoDefault(true);
  setFixedSize(kWindowWidth, kWindowHeight);
}

void TMapForm::build_panels() {
  auto* central = new QWidget(this);
  central->setObjectName("MapCentral");
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);

  // INPUT: how the data editor starts next time.
  GroupBox1 = named<QGroupBox>(this, "GroupBox1", "INPUT");
  auto* input = new QVBoxLayout(GroupBox1);
  rdo_enter_data = named<QRadioButton>(this, "rdo_enter_data", "Enter &New Data");
  rdo_read_file = named<QRadioButton>(this, "rdo_read_file", "Open &JRV file");
  rdo_spss_file = named<QRadioButton>(this, "rdo_spss_file", "Insert a TEXT file (see Help)");
  rdo_generate = named<QRadioButton>(this, "rdo_generate", "&Generate Sample Data");
  rdo_edit_data = named<QRadioButton>(this, "rdo_edit_data", "&Edit Data in Data Editor");
  rdo_enter_data->setChecked(true);
  for (auto* r : {rdo_enter_data, rdo_read_file, rdo_spss_file, rdo_generate, rdo_edit_data}) {
    input->addWidget(r);
  }
  btn_gotodata = named<QPushButton>(this, "btn_gotodata", "Go To Data Editor");
  input->addWidget(btn_gotodata);
  auto* name_row = new QHBoxLayout;
  Label5 = named<QLabel>(this, "Label5", "JRV Filename:");
  txt_map_name = named<QLineEdit>(this, "txt_map_name");
  txt_map_name->setReadOnly(true);
  Label6 = named<QLabel>(this, "Label6", ".JRV");
  name_row->addWidget(Label5);
  name_row->addWidget(txt_map_name, 1);
  name_row->addWidget(Label6);
  input->addLayout(name_row);
  input->addStretch(1);
  Label5->hide();
  txt_map_name->hide();
  Label6->hide();

  // OUTPUT: the results file and its companions.
  GroupBox2 = named<QGroupBox>(this, "GroupBox2", "OUTPUT");
  auto* output = new QVBoxLayout(GroupBox2);
  auto* results_row = new QHBoxLayout;
  Label7 = named<QLabel>(this, "Label7", "Results File:");
  txt_results_name = named<QLineEdit>(this, "txt_results_name");
  txt_results_name->setReadOnly(true);
  Label8 = named<QLabel>(this, "Label8", ".TXT");
  results_row->addWidget(Label7);
  results_row->addWidget(txt_results_name, 1);
  results_row->addWidget(Label8);
  output->addLayout(results_row);
  Label9 = named<QLabel>(this, "Label9", "When Saving FULL Results, also...");
  output->addWidget(Label9);
  chk_save_score_file =
      named<QCheckBox>(this, "chk_save_score_file", "Save Quick Examinee Results (*.EXM)");
  chk_save_item_file =
      named<QCheckBox>(this, "chk_save_item_file", "Save Quick Item Analysis (*.ITM)");
  chk_save_opt_file =
      named<QCheckBox>(this, "chk_save_opt_file", "Save Quick Options Analysis (*.OPT)");
  chk_save_rpt_file =
      named<QCheckBox>(this, "chk_save_rpt_file", "Save Individual Grade Reports (*.RPT)");
  chk_save_score_file->setChecked(session_.ws.save_exm);
  chk_save_item_file->setChecked(session_.ws.save_itm);
  chk_save_opt_file->setChecked(session_.ws.save_opt);
  chk_save_rpt_file->setChecked(session_.ws.save_rpt);
  for (auto* c : {chk_save_score_file, chk_save_item_file, chk_save_opt_file, chk_save_rpt_file}) {
    output->addWidget(c);
  }
  // Name fields of the companion files; kept for the other commands, never shown.
  txt_score_filename = named<QLineEdit>(this, "txt_score_filename");
  txt_item_filename = named<QLineEdit>(this, "txt_item_filename");
  txt_score_filename->hide();
  txt_item_filename->hide();
  output->addStretch(1);

  // Commands.
  auto* commands = new QWidget(this);
  auto* command_column = new QVBoxLayout(commands);
  command_column->setContentsMargins(0, 8, 0, 0);
  btn_analyze = named<QPushButton>(this, "btn_analyze", "Analyze (F9)");
  btn_view_examinee =
      named<QPushButton>(this, "btn_view_examinee", "View Full Results && Graphs (F2)");
  btn_saveresults =
      named<QPushButton>(this, "btn_saveresults", "Save Results && Selected Output (F3)");
  btn_view_q_exam =
      named<QPushButton>(this, "btn_view_q_exam", "View/Print Quick Examinee full screen (F5)");
  btn_view_q_item = named<QPushButton>(this, "btn_view_q_item",
                                       "View/Print Quick Item Analysis full screen (F6)");
  btn_view_options =
      named<QPushButton>(this, "btn_view_options", "View/Print Quick Options Analysis (F7)");
  for (auto* b : {btn_analyze, btn_view_examinee, btn_saveresults, btn_view_q_exam, btn_view_q_item,
                  btn_view_options}) {
    b->setEnabled(false);
    b->setMinimumHeight(34);
    command_column->addWidget(b);
  }
  command_column->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(GroupBox1, 3);
  top->addWidget(GroupBox2, 4);
  top->addWidget(commands, 4);
  outer->addLayout(top);

  // Title line.
  auto* title_row = new QHBoxLayout;
  btn_unhide = named<QPushButton>(this, "btn_unhide", "HIDE names");
  lbl_t = named<QLabel>(this, "lbl_t", "Title:");
  txt_t = named<QLineEdit>(this, "txt_t");
  txt_t->setReadOnly(true);
  lbl_t->hide();
  txt_t->hide();
  btn_unhide->setFixedWidth(btn_unhide->sizeHint().width() + 24);
  title_row->addWidget(btn_unhide);
  title_row->addWidget(lbl_t);
  title_row->addWidget(txt_t, 1);
  title_row->addStretch(0);
  outer->addLayout(title_row);

  // The two quick-result panes.
  // As their results most often come (all ASCII, drawn unshaped), so that the glyphs
  // drawn ahead at start are the ones the first results use.
  QFont pane_font = fixed_pitch_font(9);
  pane_font.setStyleStrategy(QFont::PreferNoShaping);
  GroupBox3 = named<QGroupBox>(this, "GroupBox3", "QUICK EXAMINEE RESULTS");
  memo_results = named<QPlainTextEdit>(this, "memo_results");
  make_report_pane(*memo_results, pane_font, true);
  (new QVBoxLayout(GroupBox3))->addWidget(memo_results);
  GroupBox4 = named<QGroupBox>(this, "GroupBox4", "QUICK ITEM ANALYSIS");
  memo_items = named<QPlainTextEdit>(this, "memo_items");
  make_report_pane(*memo_items, pane_font, true);
  (new QVBoxLayout(GroupBox4))->addWidget(memo_items);
  auto* panes = new QHBoxLayout;
  panes->addWidget(GroupBox3, 1);
  panes->addWidget(GroupBox4, 1);
  outer->addLayout(panes, 1);
}

}  // namespace jrv::ui
