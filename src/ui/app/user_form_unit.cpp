#include "ui/app/user_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TUserForm::TUserForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TUserForm");
  setWindowTitle("User Agreement");
  (void)session_;
}

}  // namespace jrv::ui
