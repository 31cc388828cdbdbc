#pragma once
// The acknowledgements.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TAckForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAckForm(Session& session, QWidget* parent = nullptr);

  QLabel* lbl_heading;
  QPlainTextEdit* memo_text;
  QPushButton* btn_ok;
};

}  // namespace jrv::ui
