#pragma once
// Partial credit and the points of each multiple-choice item.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TPCform : public QDialog {
  Q_OBJECT
 public:
  explicit TPCform(Session& session, QWidget* parent = nullptr);

  // The fields show the current points; the window is shown modally.
  void open_window();

  void store_fields();
  void load_fields();

 public slots:
  void btn_ok_pcClick();
  void btn_turnoffClick();
  void btn_default_pcClick();
  void BitBtn2Click();

 public:
  QLineEdit* txt_pc_points;
  QLineEdit* txt_mc_points;
  QLabel* lbl_note_heading;
  QLabel* lbl_note1;
  QLabel* lbl_note2;
  QLabel* lbl_note_analysis;
  QPushButton* btn_ok_pc;
  QPushButton* BitBtn2;
  QPushButton* btn_default_pc;
  QPushButton* btn_turnoff;

 private:
  Session& session_;
};

}  // namespace jrv::ui
