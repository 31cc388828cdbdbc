#include "ui/settings/disc_form_unit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/option_dialogs.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TDiscForm::TDiscForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  keep_place_when_shown_again(*this);
  setObjectName("TDiscForm");
  setWindowTitle("Disrimination Percentages");
  auto* outer = new QVBoxLayout(this);
  lbl_question = named<QLabel>(
      this, "lbl_question", "What Percentage Should be used to Create the Top and Bottom Groups?");
  lbl_question->setWordWrap(true);
  outer->addWidget(lbl_question);
  auto* grid = new QGridLayout;
  txt_disc_top = named<QLineEdit>(this, "txt_disc_top", "27.0");
  txt_disc_bottom = named<QLineEdit>(this, "txt_disc_bottom", "27.0");
  auto* top = new QLabel("&Top:", this);
  auto* bottom = new QLabel("&Bottom:", this);
  top->setBuddy(txt_disc_top);
  bottom->setBuddy(txt_disc_bottom);
  grid->addWidget(top, 0, 0);
  grid->addWidget(txt_disc_top, 0, 1);
  grid->addWidget(new QLabel("%", this), 0, 2);
  grid->addWidget(bottom, 1, 0);
  grid->addWidget(txt_disc_bottom, 1, 1);
  grid->addWidget(new QLabel("%", this), 1, 2);
  grid->setColumnStretch(3, 1);
  for (auto* f : {txt_disc_top, txt_disc_bottom}) f->setMaximumWidth(80);
  outer->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  btn_ok = named<QPushButton>(this, "btn_ok", "&OK");
  btn_cancel = named<QPushButton>(this, "btn_cancel", "Cancel");
  Button1 = named<QPushButton>(this, "Button1", "&Defaults");
  btn_ok->setDefault(true);
  buttons->addWidget(Button1);
  buttons->addStretch(1);
  buttons->addWidget(btn_ok);
  buttons->addWidget(btn_cancel);
  outer->addLayout(buttons);
  connect(btn_ok, &QPushButton::clicked, this, &TDiscForm::btn_okClick);
  connect(btn_cancel, &QPushButton::clicked, this, &TDiscForm::btn_cancelClick);
  connect(Button1, &QPushButton::clicked, this, &TDiscForm::Button1Click);
  setMinimumWidth(380);
}

void TDiscForm::store_fields() {
  GroupWindowFields& f = session_.doc.groups;
  f.top = from_q(txt_disc_top->text());
  f.bottom = from_q(txt_disc_bottom->text());
}

void TDiscForm::load_fields() {
  const GroupWindowFields& f = session_.doc.groups;
  txt_disc_top->setText(to_q(f.top));
  txt_disc_bottom->setText(to_q(f.bottom));
}

void TDiscForm::show_while_asked() {
  load_fields();
  pending_focus_ = "txt_disc_top";
  reopen_ = true;
  while (reopen_) {
    reopen_ = false;
    if (auto* w = findChild<QLineEdit*>(pending_focus_)) {
      w->setFocus();
      w->selectAll();
    }
    session_.prompter.show_modal(*this);
  }
}

void TDiscForm::btn_okClick() {
  store_fields();
  const CheckResult result = confirm_group_percentages(session_.doc.groups, session_.ws.options);
  show_messages(session_.prompter, this, result);
  if (!result.focus.empty()) pending_focus_ = to_q(result.focus);
  reopen_ = result.failed;
  if (reopen_) {
    reject();
  } else {
    accept();
  }
}

void TDiscForm::btn_cancelClick() {
  store_fields();  // the boxes keep their text; a run reads a non-number as 27.0
  reopen_ = false;
  reject();
}

void TDiscForm::Button1Click() {
  session_.doc.groups = default_group_percentages();
  load_fields();
}

}  // namespace jrv::ui
