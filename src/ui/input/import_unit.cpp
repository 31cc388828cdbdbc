#include "ui/input/import_unit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TImportForm::TImportForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TImportForm");
  setWindowTitle("Import old JRV Input File");
  auto* outer = new QVBoxLayout(this);
  auto* box = new QGroupBox("Which JRV Version created your input file?", this);
  auto* column = new QVBoxLayout(box);
  rdo_v3 = named<QRadioButton>(box, "rdo_v3", "JRV Version &3.x.x");
  rdo_v4 = named<QRadioButton>(box, "rdo_v4", "JRV Version &4.x.x");
  rdo_v5 = named<QRadioButton>(box, "rdo_v5", "JRV Version &5.x.x");
  rdo_v6 = named<QRadioButton>(box, "rdo_v6", "JRV Version &6.x.x");
  rdo_v6->setChecked(true);
  for (auto* r : {rdo_v3, rdo_v4, rdo_v5, rdo_v6}) column->addWidget(r);
  outer->addWidget(box);
  // Later versions have no importer yet: their buttons exist but stay hidden and idle.
  btn_v7 = named<QPushButton>(this, "btn_v7", "JRV Version 7.x.x");
  btn_v8 = named<QPushButton>(this, "btn_v8", "JRV Version 8.x.x");
  btn_v7->hide();
  btn_v8->hide();

  auto* buttons = new QHBoxLayout;
  btn_ok = named<QPushButton>(this, "btn_ok", "&OK");
  btn_close = named<QPushButton>(this, "btn_close", "&Close");
  btn_ok->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(btn_ok);
  buttons->addWidget(btn_close);
  outer->addLayout(buttons);
  connect(btn_ok, &QPushButton::clicked, this, &TImportForm::btn_okClick);
  connect(btn_close, &QPushButton::clicked, this, &TImportForm::btn_closeClick);
  setMinimumWidth(360);
}

int TImportForm::choose_version() {
  chosen_ = 0;
  rdo_v6->setFocus();
  session_.prompter.show_modal(*this);
  return chosen_;
}

void TImportForm::btn_okClick() {
  chosen_ = rdo_v3->isChecked() ? 3 : rdo_v4->isChecked() ? 4 : rdo_v5->isChecked() ? 5 : 6;
  accept();
}

void TImportForm::btn_closeClick() {
  chosen_ = 0;
  reject();
}

}  // namespace jrv::ui
