#include "ui/settings/grade_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TGradeForm::TGradeForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TGradeForm");
  setWindowTitle("Grade Percentages");
  (void)session_;
}

}  // namespace jrv::ui
