#pragma once
// The grade reports viewer: the instructor list and every examinee's report, editable
// for printing, with save, print, clipboard and font.

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

class TReportForm : public QDialog {
  Q_OBJECT
 public:
  explicit TReportForm(Session& session, QWidget* parent = nullptr);

  // Empties report_box and adds `lines`.
  void set_report(const std::vector<std::string>& lines);

 public slots:
  void Save1Click();
  void Print1Click();
  void Exit1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Font1Click();

 public:
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
  QLabel* Label1;
  QPlainTextEdit* report_box;
  QPushButton* BitBtn1;

 private:
  Session& session_;
};

}  // namespace jrv::ui
