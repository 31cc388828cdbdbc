#include "ui/input/pc_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TPCform::TPCform(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TPCform");
  setWindowTitle("Partial Credit");
  (void)session_;
}

}  // namespace jrv::ui
