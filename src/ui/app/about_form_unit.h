#pragma once
// The about box: the main window's caption and the maker's identification lines.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(Session& session, QWidget* parent = nullptr);

  QLabel* lbl_heading;
  QPlainTextEdit* memo_text;
  QPushButton* btn_ok;
};

}  // namespace jrv::ui
