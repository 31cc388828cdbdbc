#include "ui/app/user_form_unit.h"

#include "ui/app/info_texts.h"
#include "ui/app/info_window.h"

namespace jrv::ui {

TUserForm::TUserForm(Session&, QWidget* parent) : QDialog(parent) {
  setObjectName("TUserForm");
  setWindowTitle("User Agreement");
  const InfoWindowParts parts =
      build_info_window(*this, "User Agreement", user_agreement_text(), 560, 420);
  lbl_heading = parts.lbl_heading;
  memo_text = parts.memo_text;
  btn_ok = parts.btn_ok;
}

}  // namespace jrv::ui
