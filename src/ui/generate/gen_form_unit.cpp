#include "ui/generate/gen_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TGenForm::TGenForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TGenForm");
  setWindowTitle("Data Generation Information");
  (void)session_;
}

}  // namespace jrv::ui
