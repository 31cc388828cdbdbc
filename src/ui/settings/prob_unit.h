#pragma once
// The criteria by which items are marked as potential problems.

#include <QDialog>
#include <array>

#include "core/settings/option_dialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TProbForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProbForm(Session& session, QWidget* parent = nullptr);

  // chk_suggest follows "Suggest Problem Items"; shown again and again until it is closed
  // without a pending error.
  void open_window();

  void store_fields();
  void load_fields();

 public slots:
  void btn_okClick();
  void btn_cancelClick();
  void btn_all_defaultsClick();

 public:
  QLabel* lbl_intro;
  QLineEdit* txt_crit_plo;
  QLineEdit* txt_crit_phi;
  QLineEdit* txt_crit_d;
  QLineEdit* txt_crit_r;
  QLineEdit* txt_crit_a;
  // "Set to Default" and "Set to Remove" beside each box, in the boxes' order.
  std::array<QPushButton*, 5> btn_default{};
  std::array<QPushButton*, 5> btn_remove{};
  QCheckBox* chk_suggest;
  QPushButton* btn_all_defaults;
  QPushButton* btn_ok;
  QPushButton* btn_cancel;

 private:
  Session& session_;
  ProblemCriteriaFields fields_;
  bool reopen_ = false;
  QString pending_focus_;
};

}  // namespace jrv::ui
