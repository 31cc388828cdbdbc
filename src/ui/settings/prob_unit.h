#pragma once
// The criteria for potential problem items.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TProbForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProbForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
