#pragma once
// The quick results viewer: one of the three quick reports full-window, to read, print or
// save on its own.

#include <QDialog>
#include <string>
#include <vector>

#include "core/reports/quick_view_texts.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace jrv::ui {

struct Session;

class TQuickViewForm : public QDialog {
  Q_OBJECT
 public:
  explicit TQuickViewForm(Session& session, QWidget* parent = nullptr);

  // Replaces the text with `lines` and remembers what it is.
  void set_content(ViewerContent content, const std::vector<std::string>& lines);
  ViewerContent viewer_content() const { return viewer_content_; }

 public slots:
  void Save1Click();
  void Print1Click();
  void N10pitch1Click();
  void N12pitch1Click();
  void Close1Click();

 public:
  QPlainTextEdit* RichEdit1;
  QMenuBar* MainMenu1;
  QAction* Save1;
  QAction* Print1;
  QAction* N10pitch1;
  QAction* N12pitch1;
  QAction* Close1;

 private:
  void set_pitch(int width, int points);

  Session& session_;
  ViewerContent viewer_content_ = ViewerContent::examinee_results;
};

}  // namespace jrv::ui
