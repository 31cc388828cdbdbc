#include "ui/settings/disc_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TDiscForm::TDiscForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TDiscForm");
  setWindowTitle("Disrimination Percentages");
  (void)session_;
}

}  // namespace jrv::ui
