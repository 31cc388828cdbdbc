#include "ui/app/about_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TAboutForm::TAboutForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TAboutForm");
  setWindowTitle("About JRV");
  (void)session_;
}

}  // namespace jrv::ui
