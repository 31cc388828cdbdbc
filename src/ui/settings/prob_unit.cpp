#include "ui/settings/prob_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TProbForm::TProbForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TProbForm");
  setWindowTitle("Set Criteria for Problem Items");
  (void)session_;
}

}  // namespace jrv::ui
