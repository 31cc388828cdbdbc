#pragma once
// The full results viewer: the results text, the three chart buttons, and File, Edit and
// Format menus.

#include <QDialog>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TResultsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TResultsForm(Session& session, QWidget* parent = nullptr);

  // The results of a run; shown at once when the viewer is open, else when it opens.
  void set_results(const std::vector<std::string>& lines);

 public slots:
  void Save1Click();
  void Print1Click();
  void Exit1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Font1Click();
  void btn_histClick();
  void btn_barClick();
  void btn_gradesClick();

 public:
  QPlainTextEdit* results_box;
  QPushButton* btn_grades;
  QPushButton* btn_bar;
  QPushButton* btn_hist;
  QPushButton* btn_close;
  QLabel* lbl_note;
  QMenuBar* MainMenu1;
  QMenu* File1;
  QMenu* Edit1;
  QMenu* Format1;
  QAction* Save1;
  QAction* Print1;
  QAction* Exit1;
  QAction* Cut1;
  QAction* Copy1;
  QAction* Paste1;
  QAction* Font1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fill_if_stale();

  Session& session_;
  std::vector<std::string> pending_;
  bool stale_ = false;
};

}  // namespace jrv::ui
