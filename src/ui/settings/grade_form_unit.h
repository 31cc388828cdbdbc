#pragma once
// The letter grade scale: a fixed scheme or a user-defined one, the label and minimum
// percentage of every category, and the grade settings file.

#include <QDialog>
#include <array>

#include "core/input/editor_document.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace jrv {
struct CheckResult;
}

namespace jrv::ui {

struct Session;

class TGradeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGradeForm(Session& session, QWidget* parent = nullptr);

  // "Set Percentages for Grades...": reads the saved defaults when they exist and shows
  // the window again and again while OK finds a fault.
  void open_from_main_window();
  // "Use Grade Letters in Confidence Bands": the saved defaults into the window and the
  // scale, confirmed; the band unit becomes grade letters.
  void use_grade_letters();

  void store_fields();
  void load_fields();

 public slots:
  void rdo_grade0Click();
  void rdo_grade2Click();
  void rdo_grade5Click();
  void rdo_grade12Click();
  void rdo_userClick();
  void txt_num_catsChange();
  void btn_grade_OKClick();
  void btn_cancelClick();
  void btn_defaultsClick();
  void btn_read_iniClick();
  void btn_save_iniClick();
  void Button2Click();
  void Button1Click();

 public:
  QLabel* lbl_choose;
  QRadioButton* rdo_grade0;
  QRadioButton* rdo_grade2;
  QRadioButton* rdo_grade5;
  QRadioButton* rdo_grade12;
  QRadioButton* rdo_user;
  QLabel* lbl_num_cats;
  QLineEdit* txt_num_cats;
  QLabel* lbl_set;
  QLabel* lbl_grade;
  QLabel* lbl_percent;
  std::array<QLineEdit*, 14> lbl_grade_k{};  // lbl_grade01..lbl_grade13 at 1..13
  std::array<QLineEdit*, 13> txt_grade_k{};  // txt_grade01..txt_grade12 at 1..12
  QLabel* lbl_4_text;
  QPushButton* btn_grade_OK;
  QPushButton* btn_cancel;
  QPushButton* btn_defaults;
  QPushButton* btn_read_ini;
  QPushButton* btn_save_ini;
  QPushButton* Button2;
  QPushButton* Button1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void show_result(const CheckResult& result);
  void choose_scheme(GradeScheme scheme);
  void write_settings(const QString& path);

  Session& session_;
  bool reopen_ = false;
  bool confirmed_ = false;  // the last showing ended with a successful OK
  QString pending_focus_;
};

}  // namespace jrv::ui
