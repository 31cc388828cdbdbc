#include "ui/input/spss_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TSPSSform::TSPSSform(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TSPSSform");
  setWindowTitle("TEXT File Insert (and SPSS file-save) Help");
  (void)session_;
}

}  // namespace jrv::ui
