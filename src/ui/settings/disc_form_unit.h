#pragma once
// The percentages of examinees in the top and bottom groups of the discrimination index.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TDiscForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDiscForm(Session& session, QWidget* parent = nullptr);

  // Shown again and again until it is closed without a pending error.
  void show_while_asked();

  void store_fields();
  void load_fields();

 public slots:
  void btn_okClick();
  void btn_cancelClick();
  void Button1Click();

 public:
  QLabel* lbl_question;
  QLineEdit* txt_disc_top;
  QLineEdit* txt_disc_bottom;
  QPushButton* btn_ok;
  QPushButton* btn_cancel;
  QPushButton* Button1;

 private:
  Session& session_;
  bool reopen_ = false;
  QString pending_focus_;
};

}  // namespace jrv::ui
