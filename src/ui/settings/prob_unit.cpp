#include "ui/settings/prob_unit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

struct BoxSpec {
  const char* name;
  const char* label;
  const char* default_text;
  const char* remove_text;
};

constexpr std::array<BoxSpec, 5> kBoxes = {{
    {"txt_crit_plo", "Item Difficulty (&low):", kCritDefaultDifficultyLow,
     kCritRemoveDifficultyLow},
    {"txt_crit_phi", "Item Difficulty (&high):", kCritDefaultDifficultyHigh,
     kCritRemoveDifficultyHigh},
    {"txt_crit_d", "Item &Discrimination:", kCritDefaultCorrelation, kCritRemoveCorrelation},
    {"txt_crit_r", "&Point-Biserial:", kCritDefaultCorrelation, kCritRemoveCorrelation},
    {"txt_crit_a", "&Adjusted Point-Biserial:", kCritDefaultCorrelation, kCritRemoveCorrelation},
}};

}  // namespace

TProbForm::TProbForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  keep_place_when_shown_again(*this);
  setObjectName("TProbForm");
  setWindowTitle("Set Criteria for Problem Items");
  auto* outer = new QVBoxLayout(this);
  lbl_intro = named<QLabel>(
      this, "lbl_intro",
      "Use this form to set the criteria that will be used to mark potential problem items.");
  lbl_intro->setWordWrap(true);
  outer->addWidget(lbl_intro);
  auto* grid = new QGridLayout;
  std::array<QLineEdit*, 5> boxes{};
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    const BoxSpec& b = kBoxes[i];
    boxes[i] = named<QLineEdit>(this, b.name, b.default_text);
    boxes[i]->setMaximumWidth(70);
    auto* label = new QLabel(b.label, this);
    label->setBuddy(boxes[i]);
    btn_default[i] = named<QPushButton>(this, qPrintable(QString("btn_default_%1").arg(i + 1)),
                                        QString("Set to Default = ") + b.default_text);
    btn_remove[i] = named<QPushButton>(this, qPrintable(QString("btn_remove_%1").arg(i + 1)),
                                       QString("Set to Remove = ") + b.remove_text);
    const int row = static_cast<int>(i);
    grid->addWidget(label, row, 0);
    grid->addWidget(boxes[i], row, 1);
    grid->addWidget(btn_default[i], row, 2);
    grid->addWidget(btn_remove[i], row, 3);
    QLineEdit* box = boxes[i];
    connect(btn_default[i], &QPushButton::clicked, this,
            [box, text = b.default_text] { box->setText(text); });
    connect(btn_remove[i], &QPushButton::clicked, this,
            [box, text = b.remove_text] { box->setText(text); });
    btn_default[i]->setAutoDefault(false);
    btn_remove[i]->setAutoDefault(false);
  }
  txt_crit_plo = boxes[0];
  txt_crit_phi = boxes[1];
  txt_crit_d = boxes[2];
  txt_crit_r = boxes[3];
  txt_crit_a = boxes[4];
  // Down the boxes first, then the buttons row by row.
  for (std::size_t i = 0; i + 1 < boxes.size(); ++i) setTabOrder(boxes[i], boxes[i + 1]);
  outer->addLayout(grid);
  chk_suggest =
      named<QCheckBox>(this, "chk_suggest", "&Suggest Problem Items in Quick Item Analysis");
  chk_suggest->setChecked(true);
  outer->addWidget(chk_suggest);
  auto* buttons = new QHBoxLayout;
  btn_all_defaults = named<QPushButton>(this, "btn_all_defaults", "Set all to Default &Values");
  btn_ok = named<QPushButton>(this, "btn_ok", "&OK");
  btn_cancel = named<QPushButton>(this, "btn_cancel", "Cancel");
  btn_all_defaults->setAutoDefault(false);
  btn_ok->setDefault(true);
  buttons->addWidget(btn_all_defaults);
  buttons->addStretch(1);
  buttons->addWidget(btn_ok);
  buttons->addWidget(btn_cancel);
  outer->addLayout(buttons);
  setTabOrder(txt_crit_a, chk_suggest);
  setTabOrder(chk_suggest, btn_ok);
  connect(btn_ok, &QPushButton::clicked, this, &TProbForm::btn_okClick);
  connect(btn_cancel, &QPushButton::clicked, this, &TProbForm::btn_cancelClick);
  connect(btn_all_defaults, &QPushButton::clicked, this, &TProbForm::btn_all_defaultsClick);
}

void TProbForm::store_fields() {
  fields_.plo = from_q(txt_crit_plo->text());
  fields_.phi = from_q(txt_crit_phi->text());
  fields_.d = from_q(txt_crit_d->text());
  fields_.r = from_q(txt_crit_r->text());
  fields_.a = from_q(txt_crit_a->text());
  fields_.suggest = chk_suggest->isChecked();
}

void TProbForm::load_fields() {
  txt_crit_plo->setText(to_q(fields_.plo));
  txt_crit_phi->setText(to_q(fields_.phi));
  txt_crit_d->setText(to_q(fields_.d));
  txt_crit_r->setText(to_q(fields_.r));
  txt_crit_a->setText(to_q(fields_.a));
  chk_suggest->setChecked(fields_.suggest);
}

void TProbForm::open_window() {
  store_fields();
  open_problem_criteria(fields_, session_.ws.options);
  load_fields();
  pending_focus_ = "txt_crit_plo";
  reopen_ = true;
  while (reopen_) {
    reopen_ = false;
    if (auto* w = findChild<QLineEdit*>(pending_focus_)) {
      w->setFocus();
      w->selectAll();
    }
    session_.prompter.show_modal(*this);
  }
  session_.windows.map->sync_option_marks();
}

void TProbForm::btn_okClick() {
  store_fields();
  const CheckResult result = confirm_problem_criteria(fields_, session_.ws.options);
  show_messages(session_.prompter, this, result);
  if (!result.focus.empty()) pending_focus_ = to_q(result.focus);
  reopen_ = result.failed;
  if (reopen_) {
    reject();
  } else {
    accept();
  }
}

void TProbForm::btn_cancelClick() {
  store_fields();
  reopen_ = false;
  reject();
}

void TProbForm::btn_all_defaultsClick() {
  store_fields();
  set_problem_criteria_defaults(fields_);
  load_fields();
}

}  // namespace jrv::ui
