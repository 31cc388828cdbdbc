#pragma once
// The user agreement.

#include <QDialog>

namespace jrv::ui {

struct Session;

class TUserForm : public QDialog {
  Q_OBJECT
 public:
  explicit TUserForm(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace jrv::ui
