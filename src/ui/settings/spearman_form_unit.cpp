#include "ui/settings/spearman_form_unit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/spearman_brown.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

QLineEdit* shown_value(QWidget* owner, const char* name) {
  auto* f = named<QLineEdit>(owner, name);
  f->setReadOnly(true);
  f->setFocusPolicy(Qt::NoFocus);
  f->setMaximumWidth(80);
  return f;
}

void show_fields(TSpearmanForm& w, const SpearmanBrownFields& f) {
  w.txt_sbrel->setText(to_q(f.sbrel));
  w.txt_rel_out->setText(to_q(f.rel_out));
  w.txt_current->setText(to_q(f.current));
  w.txt_moreitems->setText(to_q(f.moreitems));
  w.txt_multiplier->setText(to_q(f.multiplier));
  w.txt_totalitems->setText(to_q(f.totalitems));
  w.lbl_more_fewer->setText(to_q(f.more_fewer));
  QFont font = w.lbl_more_fewer->font();
  font.setBold(true);
  font.setUnderline(f.more_fewer == "fewer");
  w.lbl_more_fewer->setFont(font);
  w.lbl_more_fewer->setVisible(f.more_fewer_visible);
}

}  // namespace

TSpearmanForm::TSpearmanForm(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TSpearmanForm");
  setWindowTitle("Spearman-Brown Prophecy Formula");
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  txt_rel_out = shown_value(this, "txt_rel_out");
  txt_sbrel = named<QLineEdit>(this, "txt_sbrel", "0.80");
  txt_sbrel->setMaximumWidth(80);
  txt_moreitems = shown_value(this, "txt_moreitems");
  lbl_more_fewer = named<QLabel>(this, "lbl_more_fewer", "more");
  lbl_more_fewer->hide();
  txt_multiplier = shown_value(this, "txt_multiplier");
  txt_current = shown_value(this, "txt_current");
  txt_totalitems = shown_value(this, "txt_totalitems");
  auto* desired = new QLabel("To achieve a &desired of reliability of ..........", this);
  desired->setBuddy(txt_sbrel);
  int row = 0;
  grid->addWidget(new QLabel("The reliability of the test analyzed was ......", this), row, 0);
  grid->addWidget(txt_rel_out, row++, 1);
  grid->addWidget(desired, row, 0);
  grid->addWidget(txt_sbrel, row++, 1);
  grid->addWidget(new QLabel("you need ....................................................", this),
                  row, 0);
  grid->addWidget(txt_moreitems, row, 1);
  grid->addWidget(lbl_more_fewer, row++, 2);
  grid->addWidget(new QLabel("items. This is because the test must be ....", this), row, 0);
  grid->addWidget(txt_multiplier, row++, 1);
  grid->addWidget(new QLabel("times longer than its current ......................", this), row, 0);
  grid->addWidget(txt_current, row++, 1);
  auto* total_row = new QHBoxLayout;
  total_row->addWidget(new QLabel("items, for a ", this));
  auto* total = new QLabel("TOTAL", this);
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  total_row->addWidget(total);
  total_row->addStretch(1);
  grid->addLayout(total_row, row++, 0);
  grid->addWidget(new QLabel("of ............................", this), row, 0);
  grid->addWidget(txt_totalitems, row++, 1);
  grid->addWidget(new QLabel("items of similar quality to those in the test now.", this), row++, 0,
                  1, 3);
  grid->setColumnStretch(3, 1);
  outer->addLayout(grid);

  outer->addSpacing(8);
  outer->addWidget(new QLabel("These estimates are based on the formula:", this));
  auto* formula = new QGridLayout;
  auto* numerator = new QLabel("Desired KR20 * (1 - KR20)", this);
  auto* denominator = new QLabel("KR20 * (1 - Desired KR20)", this);
  numerator->setAlignment(Qt::AlignHCenter);
  denominator->setAlignment(Qt::AlignHCenter);
  denominator->setFrameShape(QFrame::NoFrame);
  numerator->setStyleSheet("border-bottom: 1px solid palette(text);");
  formula->addWidget(new QLabel("L = ", this), 0, 0, 2, 1);
  formula->addWidget(numerator, 0, 1);
  formula->addWidget(denominator, 1, 1);
  formula->setColumnStretch(2, 1);
  outer->addLayout(formula);
  outer->addWidget(new QLabel("where", this));
  outer->addWidget(new QLabel("Number of Items Needed = L * (# Items Currently in Test)", this));

  auto* buttons = new QHBoxLayout;
  btn_calc = named<QPushButton>(this, "btn_calc", "&Calculate");
  BitBtn1 = named<QPushButton>(this, "BitBtn1", "&OK");
  btn_calc->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(btn_calc);
  buttons->addWidget(BitBtn1);
  outer->addLayout(buttons);
  connect(btn_calc, &QPushButton::clicked, this, &TSpearmanForm::btn_calcClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TSpearmanForm::open_window() {
  Workspace& ws = session_.ws;
  show_fields(*this, open_spearman_brown(ws.stats.kr20, ws.included_count, ws.desired_reliability));
  txt_sbrel->setFocus();
  txt_sbrel->selectAll();
  session_.prompter.show_modal(*this);
}

void TSpearmanForm::btn_calcClick() {
  Workspace& ws = session_.ws;
  SpearmanBrownFields fields;
  fields.sbrel = from_q(txt_sbrel->text());
  fields.rel_out = from_q(txt_rel_out->text());
  fields.current = from_q(txt_current->text());
  fields.moreitems = from_q(txt_moreitems->text());
  fields.multiplier = from_q(txt_multiplier->text());
  fields.totalitems = from_q(txt_totalitems->text());
  fields.more_fewer = from_q(lbl_more_fewer->text());
  fields.more_fewer_visible = !lbl_more_fewer->isHidden();
  const CheckResult result =
      calculate_spearman_brown(ws.stats.kr20, ws.included_count, fields, ws.desired_reliability);
  show_fields(*this, fields);
  show_messages(session_.prompter, this, result);
  if (!result.focus.empty()) txt_sbrel->setFocus();
}

}  // namespace jrv::ui
