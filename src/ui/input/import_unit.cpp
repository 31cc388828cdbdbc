#include "ui/input/import_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TImportForm::TImportForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TImportForm");
  setWindowTitle("Import old JRV Input File");
  (void)session_;
}

}  // namespace jrv::ui
