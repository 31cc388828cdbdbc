#pragma once
// The user agreement.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jrv::ui {

struct Session;

class TUserForm : public QDialog {
  Q_OBJECT
 public:
  explicit TUserForm(Session& session, QWidget* parent = nullptr);

  QLabel* lbl_heading;
  QPlainTextEdit* memo_text;
  QPushButton* btn_ok;
};

}  // namespace jrv::ui
