#pragma once
// The alternative correct answers: one grid row per item coded "A", with the item number,
// its options and its key fixed, and the further correct answers typed beside them.

#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;

namespace jrv::ui {

struct Session;

class TAnswerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAnswerForm(Session& session, QWidget* parent = nullptr);

  // Shows the grid the set-up prepared, again and again while OK finds a fault.
  void show_while_asked();

  // The grid's cells into the document, and back.
  void store_grid();
  void load_grid();

 public slots:
  void btn_okClick();
  void btn_cancelClick();

 public:
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* Close1;
  QAction* SaveExit1;
  QLabel* lbl_instruction;
  QLabel* lbl_numeric;
  QTableWidget* titlegrid;
  QTableWidget* StringGrid1;
  QPushButton* btn_ok;
  QPushButton* btn_cancel;

 private:
  Session& session_;
  bool stay_open_ = false;
};

}  // namespace jrv::ui
