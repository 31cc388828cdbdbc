#include "ui/input/answer_form_unit.h"

#include "ui/app/session.h"

namespace jrv::ui {

TAnswerForm::TAnswerForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TAnswerForm");
  setWindowTitle("Alternative Answers");
  (void)session_;
}

}  // namespace jrv::ui
