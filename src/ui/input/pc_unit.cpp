#include "ui/input/pc_unit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/input/partial_credit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TPCform::TPCform(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TPCform");
  setWindowTitle("Partial Credit");
  auto* outer = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txt_pc_points = named<QLineEdit>(this, "txt_pc_points", "0");
  txt_mc_points = named<QLineEdit>(this, "txt_mc_points", "1");
  for (auto* f : {txt_pc_points, txt_mc_points}) f->setMaximumWidth(80);
  form->addRow("Total Possible &Partial Credit Points:", txt_pc_points);
  form->addRow("Number of Points for each &Multiple Choice Item:", txt_mc_points);
  outer->addLayout(form);

  lbl_note_heading = named<QLabel>(this, "lbl_note_heading", "PLEASE NOTE:");
  QFont bold = lbl_note_heading->font();
  bold.setBold(true);
  lbl_note_heading->setFont(bold);
  lbl_note1 = named<QLabel>(
      this, "lbl_note1",
      "1. Enter each examinee's partial credit points as the last two columns of the data, "
      "under the columns labelled PC, as a 2-digit number with a leading zero (for example "
      "03). Blanks count as 0.");
  lbl_note2 = named<QLabel>(
      this, "lbl_note2",
      "2. The total possible partial credit points go at the end of the OPTIONS line, after "
      "the last item's number of options, also as a 2-digit number.");
  lbl_note_analysis = named<QLabel>(
      this, "lbl_note_analysis",
      "Partial credit points and MC point values only enter the adjusted total scores: all "
      "item and test analyses use the multiple choice items only, each at 1 point.");
  outer->addWidget(lbl_note_heading);
  for (auto* l : {lbl_note1, lbl_note2, lbl_note_analysis}) {
    l->setWordWrap(true);
    outer->addWidget(l);
  }

  auto* buttons = new QHBoxLayout;
  btn_ok_pc = named<QPushButton>(this, "btn_ok_pc", "&OK");
  btn_default_pc = named<QPushButton>(this, "btn_default_pc", "&Defaults");
  btn_turnoff = named<QPushButton>(this, "btn_turnoff", "&Turn Off Partial Credit");
  BitBtn2 = named<QPushButton>(this, "BitBtn2", "&Cancel");
  btn_ok_pc->setDefault(true);
  for (auto* b : {btn_ok_pc, btn_default_pc, btn_turnoff, BitBtn2}) buttons->addWidget(b);
  outer->addLayout(buttons);
  connect(btn_ok_pc, &QPushButton::clicked, this, &TPCform::btn_ok_pcClick);
  connect(btn_turnoff, &QPushButton::clicked, this, &TPCform::btn_turnoffClick);
  connect(btn_default_pc, &QPushButton::clicked, this, &TPCform::btn_default_pcClick);
  connect(BitBtn2, &QPushButton::clicked, this, &TPCform::BitBtn2Click);
  setMinimumWidth(520);
}

void TPCform::store_fields() {
  PartialCreditFields& f = session_.doc.partial_credit;
  f.pc_points = from_q(txt_pc_points->text());
  f.mc_points = from_q(txt_mc_points->text());
}

void TPCform::load_fields() {
  const PartialCreditFields& f = session_.doc.partial_credit;
  txt_pc_points->setText(to_q(f.pc_points));
  txt_mc_points->setText(to_q(f.mc_points));
}

void TPCform::open_window() {
  open_partial_credit(session_.doc.partial_credit, session_.ws);
  load_fields();
  txt_pc_points->setFocus();
  txt_pc_points->selectAll();
  session_.prompter.show_modal(*this);
}

void TPCform::btn_ok_pcClick() {
  store_fields();
  TEditForm& editor = *session_.windows.edit;
  editor.store_fields();
  const CheckResult result = confirm_partial_credit(session_.doc, session_.ws);
  load_fields();  // the points as taken
  accept();
  editor.load_fields();  // the options line with the points at its end
  editor.refresh_rulers();
  editor.show_check(result);
}

void TPCform::btn_turnoffClick() {
  const CheckResult result = turn_off_partial_credit(session_.ws);
  accept();
  TEditForm& editor = *session_.windows.edit;
  editor.refresh_rulers();
  editor.show_check(result);
}

void TPCform::btn_default_pcClick() {
  store_fields();
  partial_credit_defaults(session_.doc.partial_credit);
  load_fields();
}

void TPCform::BitBtn2Click() {
  reject();
}

}  // namespace jrv::ui
