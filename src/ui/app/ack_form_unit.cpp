#include "ui/app/ack_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TAckForm::TAckForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TAckForm");
  setWindowTitle("Acknowledgements");
  (void)session_;
}

}  // namespace jrv::ui
