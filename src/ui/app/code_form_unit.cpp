#include "ui/app/code_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TCodeForm::TCodeForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TCodeForm");
  setWindowTitle("Answer Key and Include Item Codes");
  (void)session_;
}

}  // namespace jrv::ui
