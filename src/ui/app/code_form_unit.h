#pragma once
// Help on the codes of the answer key, the options and the include line.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TCodeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TCodeForm(Session& session, QWidget* parent = nullptr);

  QLabel* lbl_heading;
  QPlainTextEdit* memo_text;
  QPushButton* btn_ok;
};

}  // namespace jrv::ui
