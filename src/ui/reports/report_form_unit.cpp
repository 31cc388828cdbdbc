#include "ui/reports/report_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TReportForm::TReportForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TReportForm");
  setWindowTitle("Grade Reports");
  (void)session_;
}

}  // namespace jrv::ui
