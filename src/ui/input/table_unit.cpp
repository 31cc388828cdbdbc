#include "ui/input/table_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TTableForm::TTableForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TTableForm");
  setWindowTitle("Table of Specifications");
  (void)session_;
}

}  // namespace jrv::ui
