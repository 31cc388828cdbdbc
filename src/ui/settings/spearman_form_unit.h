#pragma once
// The Spearman-Brown prophecy: how many items of similar quality the analysed test needs
// for a desired reliability.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TSpearmanForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSpearmanForm(Session& session, QWidget* parent = nullptr);

  // The desired reliability back at 0.8, the last analysis's KR-20 and item count shown.
  void open_window();

 public slots:
  void btn_calcClick();

 public:
  QLineEdit* txt_sbrel;
  QLineEdit* txt_rel_out;
  QLineEdit* txt_current;
  QLineEdit* txt_moreitems;
  QLabel* lbl_more_fewer;
  QLineEdit* txt_multiplier;
  QLineEdit* txt_totalitems;
  QPushButton* btn_calc;
  QPushButton* BitBtn1;

 private:
  Session& session_;
};

}  // namespace jrv::ui
