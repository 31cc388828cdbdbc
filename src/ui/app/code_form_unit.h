#pragma once
// Help on the answer key and include codes.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TCodeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TCodeForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
