#include "ui/settings/grade_form_unit.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

#include "core/settings/grade_window.h"
#include "core/text/errors.h"
#include "core/text/messages.h"
#include "core/text/text_file.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

// The saved defaults live beside the program's current folder.
constexpr const char* kDefaultsFile = "jrv.ini";

std::optional<Lines> saved_defaults() {
  std::error_code ec;
  if (!std::filesystem::exists(kDefaultsFile, ec)) return std::nullopt;
  return read_lines(kDefaultsFile);
}

QString two_digits(int k) {
  return QString::number(k).rightJustified(2, '0');
}

}  // namespace

TGradeForm::TGradeForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  keep_place_when_shown_again(*this);
  setObjectName("TGradeForm");
  setWindowTitle("Grade Percentages");
  auto* outer = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  lbl_choose = named<QLabel>(this, "lbl_choose", "Choose the number of Grading Categories:");
  QFont bold = lbl_choose->font();
  bold.setBold(true);
  lbl_choose->setFont(bold);
  left->addWidget(lbl_choose);
  rdo_grade0 = named<QRadioButton>(this, "rdo_grade0", "&No Grading Categories");
  rdo_grade2 = named<QRadioButton>(this, "rdo_grade2", "  &2 Categories (Pass, Fail)");
  rdo_grade5 = named<QRadioButton>(this, "rdo_grade5", "  &5 Categories (A, B, C, D, F)");
  rdo_grade12 = named<QRadioButton>(this, "rdo_grade12",
                                    "&12 Categories (A, A-, B+, B, B-, C+, C, C-, D+, D, D-, F)");
  rdo_user = named<QRadioButton>(this, "rdo_user", "&User Defined:");
  rdo_grade0->setChecked(true);
  for (auto* r : {rdo_grade0, rdo_grade2, rdo_grade5, rdo_grade12, rdo_user}) {
    left->addWidget(r);
  }
  auto* count_row = new QHBoxLayout;
  lbl_num_cats = named<QLabel>(this, "lbl_num_cats", "Number of &Categories (1<N<14)):");
  txt_num_cats = named<QLineEdit>(this, "txt_num_cats");
  txt_num_cats->setMaximumWidth(50);
  lbl_num_cats->setBuddy(txt_num_cats);
  count_row->addSpacing(20);
  count_row->addWidget(lbl_num_cats);
  count_row->addWidget(txt_num_cats);
  count_row->addStretch(1);
  left->addLayout(count_row);
  lbl_4_text = named<QLabel>(
      this, "lbl_4_text",
      "You can change the percentages for any Grading Scheme, but you can only change the "
      "labels for the User Defined scheme (note that only the first 4 characters of your "
      "User-defined Grading Category names will print in the output).");
  lbl_4_text->setWordWrap(true);
  left->addSpacing(10);
  left->addWidget(lbl_4_text);
  left->addStretch(1);
  btn_defaults = named<QPushButton>(this, "btn_defaults", "Use Program &Defaults");
  btn_read_ini = named<QPushButton>(this, "btn_read_ini", "&Read Saved INI File");
  Button2 = named<QPushButton>(this, "Button2", "Save &INI File");
  btn_save_ini = named<QPushButton>(this, "btn_save_ini", "Sa&ve as Defaults");
  Button1 = named<QPushButton>(this, "Button1", "De&lete Saved Defaults");
  auto* file_buttons = new QGridLayout;
  file_buttons->addWidget(btn_defaults, 0, 0);
  file_buttons->addWidget(btn_read_ini, 0, 1);
  file_buttons->addWidget(Button2, 1, 0);
  file_buttons->addWidget(btn_save_ini, 1, 1);
  file_buttons->addWidget(Button1, 2, 1);
  left->addLayout(file_buttons);
  auto* ok_row = new QHBoxLayout;
  btn_grade_OK = named<QPushButton>(this, "btn_grade_OK", "&OK");
  btn_cancel = named<QPushButton>(this, "btn_cancel", "Cancel");
  btn_grade_OK->setDefault(true);
  ok_row->addStretch(1);
  ok_row->addWidget(btn_grade_OK);
  ok_row->addWidget(btn_cancel);
  left->addLayout(ok_row);
  outer->addLayout(left, 3);

  auto* right = new QVBoxLayout;
  lbl_set = named<QLabel>(this, "lbl_set", QString());
  lbl_set->setWordWrap(true);
  lbl_set->setMinimumHeight(2 * lbl_set->fontMetrics().height());
  right->addWidget(lbl_set);
  auto* rows = new QGridLayout;
  rows->setVerticalSpacing(2);
  lbl_grade = named<QLabel>(this, "lbl_grade", "Grade");
  lbl_percent = named<QLabel>(this, "lbl_percent", "%");
  rows->addWidget(lbl_grade, 0, 0);
  rows->addWidget(lbl_percent, 0, 1);
  for (int k = 1; k <= 13; ++k) {
    lbl_grade_k[k] = named<QLineEdit>(this, qPrintable("lbl_grade" + two_digits(k)));
    lbl_grade_k[k]->setFont(fixed_pitch_font(10));
    lbl_grade_k[k]->setMaximumWidth(90);
    rows->addWidget(lbl_grade_k[k], k, 0);
    if (k <= 12) {
      txt_grade_k[k] = named<QLineEdit>(this, qPrintable("txt_grade" + two_digits(k)));
      txt_grade_k[k]->setMaximumWidth(70);
      rows->addWidget(txt_grade_k[k], k, 1);
    }
  }
  // Each row reads label, then percentage, from top to bottom.
  QWidget* previous = txt_num_cats;
  for (int k = 1; k <= 13; ++k) {
    setTabOrder(previous, lbl_grade_k[k]);
    previous = lbl_grade_k[k];
    if (k <= 12) {
      setTabOrder(previous, txt_grade_k[k]);
      previous = txt_grade_k[k];
    }
  }
  right->addLayout(rows);
  right->addStretch(1);
  outer->addLayout(right, 2);

  connect(rdo_grade0, &QRadioButton::clicked, this, &TGradeForm::rdo_grade0Click);
  connect(rdo_grade2, &QRadioButton::clicked, this, &TGradeForm::rdo_grade2Click);
  connect(rdo_grade5, &QRadioButton::clicked, this, &TGradeForm::rdo_grade5Click);
  connect(rdo_grade12, &QRadioButton::clicked, this, &TGradeForm::rdo_grade12Click);
  connect(rdo_user, &QRadioButton::clicked, this, &TGradeForm::rdo_userClick);
  // Only typing changes the count: the program filling the field must not.
  connect(txt_num_cats, &QLineEdit::textEdited, this, &TGradeForm::txt_num_catsChange);
  connect(btn_grade_OK, &QPushButton::clicked, this, &TGradeForm::btn_grade_OKClick);
  connect(btn_cancel, &QPushButton::clicked, this, &TGradeForm::btn_cancelClick);
  connect(btn_defaults, &QPushButton::clicked, this, &TGradeForm::btn_defaultsClick);
  connect(btn_read_ini, &QPushButton::clicked, this, &TGradeForm::btn_read_iniClick);
  connect(btn_save_ini, &QPushButton::clicked, this, &TGradeForm::btn_save_iniClick);
  connect(Button2, &QPushButton::clicked, this, &TGradeForm::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &TGradeForm::Button1Click);
  load_fields();
  setMinimumSize(760, 520);
}

void TGradeForm::load_fields() {
  const GradeWindowFields& f = session_.doc.grades;
  switch (f.scheme) {
    case GradeScheme::none:
      rdo_grade0->setChecked(true);
      break;
    case GradeScheme::two:
      rdo_grade2->setChecked(true);
      break;
    case GradeScheme::five:
      rdo_grade5->setChecked(true);
      break;
    case GradeScheme::twelve:
      rdo_grade12->setChecked(true);
      break;
    case GradeScheme::user:
      rdo_user->setChecked(true);
      break;
  }
  const bool user = f.scheme == GradeScheme::user;
  lbl_num_cats->setVisible(user);
  txt_num_cats->setVisible(user);
  if (txt_num_cats->text() != to_q(f.num_cats)) txt_num_cats->setText(to_q(f.num_cats));
  lbl_set->setText(to_q(f.set_caption));
  lbl_grade->setVisible(f.visible_labels > 0);
  lbl_percent->setVisible(f.visible_labels > 0);
  for (int k = 1; k <= 13; ++k) {
    lbl_grade_k[k]->setText(to_q(f.labels[static_cast<std::size_t>(k)]));
    lbl_grade_k[k]->setVisible(k <= f.visible_labels);
    lbl_grade_k[k]->setReadOnly(!f.labels_editable);
    if (k <= 12) {
      txt_grade_k[k]->setText(to_q(f.percents[static_cast<std::size_t>(k)]));
      txt_grade_k[k]->setVisible(k <= f.visible_percents);
    }
  }
}

void TGradeForm::store_fields() {
  GradeWindowFields& f = session_.doc.grades;
  f.num_cats = from_q(txt_num_cats->text());
  for (int k = 1; k <= 13; ++k) {
    f.labels[static_cast<std::size_t>(k)] = from_q(lbl_grade_k[k]->text());
    if (k <= 12) f.percents[static_cast<std::size_t>(k)] = from_q(txt_grade_k[k]->text());
  }
}

void TGradeForm::show_result(const CheckResult& result) {
  show_messages(session_.prompter, this, result);
  if (result.focus.empty()) return;
  pending_focus_ = to_q(result.focus);
  if (isVisible()) {
    if (auto* w = findChild<QWidget*>(pending_focus_)) w->setFocus();
  }
}

void TGradeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (pending_focus_.isEmpty()) return;
  if (auto* w = findChild<QWidget*>(pending_focus_)) w->setFocus();
  pending_focus_.clear();
}

void TGradeForm::open_from_main_window() {
  try {
    const auto saved = saved_defaults();
    show_result(open_grade_window(saved, session_.doc.grades, session_.ws.grade_scale,
                                  session_.ws.options));
  } catch (const std::exception& e) {  // ConversionError, FileError: what was read stays
    show_error(session_.prompter, session_.windows.map, e);
  }
  load_fields();
  // Cancel leaves the grading as it was when the window opened: a scheme button changes the
  // category count at once, and without this a cancelled choice would still regrade the test.
  const GradeWindowFields window_before = session_.doc.grades;
  const GradeScale scale_before = session_.ws.grade_scale;
  const BandUnits bands_before = session_.ws.options.band_units;
  confirmed_ = false;
  reopen_ = true;
  while (reopen_) {
    reopen_ = false;
    session_.prompter.show_modal(*this);
  }
  if (!confirmed_) {
    session_.doc.grades = window_before;
    session_.ws.grade_scale = scale_before;
    session_.ws.options.band_units = bands_before;
    load_fields();
  }
  session_.windows.map->sync_option_marks();
}

void TGradeForm::use_grade_letters() {
  try {
    const auto saved = saved_defaults();
    show_result(use_grade_letters_in_bands(saved, session_.doc.grades, session_.ws.grade_scale,
                                           session_.ws.options));
  } catch (const std::exception& e) {  // ConversionError, FileError
    show_error(session_.prompter, session_.windows.map, e);
    session_.ws.options.band_units = BandUnits::letters;
  }
  load_fields();
}

void TGradeForm::choose_scheme(GradeScheme scheme) {
  store_fields();
  const CheckResult result = choose_grade_scheme(scheme, session_.doc.grades,
                                                 session_.ws.grade_scale, session_.ws.options);
  load_fields();
  show_result(result);
}

void TGradeForm::rdo_grade0Click() {
  choose_scheme(GradeScheme::none);
}
void TGradeForm::rdo_grade2Click() {
  choose_scheme(GradeScheme::two);
}
void TGradeForm::rdo_grade5Click() {
  choose_scheme(GradeScheme::five);
}
void TGradeForm::rdo_grade12Click() {
  choose_scheme(GradeScheme::twelve);
}
void TGradeForm::rdo_userClick() {
  choose_scheme(GradeScheme::user);
}

void TGradeForm::txt_num_catsChange() {
  store_fields();
  const CheckResult result =
      change_grade_category_count(session_.doc.grades, session_.ws.grade_scale);
  load_fields();
  show_result(result);
}

void TGradeForm::btn_grade_OKClick() {
  store_fields();
  const CheckResult result = confirm_grades(session_.doc.grades, session_.ws.grade_scale);
  show_result(result);
  reopen_ = result.failed;
  confirmed_ = !result.failed;
  if (reopen_) {
    reject();
  } else {
    accept();
  }
}

void TGradeForm::btn_cancelClick() {
  store_fields();  // what was typed stays in the window
  reopen_ = false;
  reject();
}

void TGradeForm::btn_defaultsClick() {
  store_fields();
  use_program_grade_defaults(session_.doc.grades);
  load_fields();
}

void TGradeForm::btn_read_iniClick() {
  FileDialogSpec spec;
  spec.default_extension = "ini";
  spec.filter = "INI files (*.ini)|*.ini";
  spec.proposed_name = "JRV";
  const auto path = session_.prompter.open_file(this, spec);
  if (!path) return;
  store_fields();
  try {
    show_result(read_grade_settings_into_window(read_lines(to_path(*path)), session_.doc.grades,
                                                session_.ws.grade_scale, session_.ws.options));
  } catch (const std::exception& e) {  // ConversionError, FileError: what was read stays
    show_error(session_.prompter, this, e);
  }
  load_fields();
}

void TGradeForm::write_settings(const QString& path) {
  store_fields();
  try {
    write_lines(to_path(path), grade_settings_lines(session_.doc.grades, session_.ws.grade_scale));
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

void TGradeForm::btn_save_iniClick() {
  write_settings(QString::fromLatin1(kDefaultsFile));
}

void TGradeForm::Button2Click() {
  FileDialogSpec spec;
  spec.default_extension = "ini";
  spec.filter = "INI files (*.INI)|*.ini";
  spec.overwrite_prompt = true;
  const auto path = session_.prompter.save_file(this, spec);
  if (path) write_settings(*path);
}

void TGradeForm::Button1Click() {
  std::error_code ignored;  // no file, nothing to delete: no message either way
  std::filesystem::remove(kDefaultsFile, ignored);
}

}  // namespace jrv::ui
