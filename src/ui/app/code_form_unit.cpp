#include "ui/app/code_form_unit.h"

#include "ui/app/info_texts.h"
#include "ui/app/info_window.h"

namespace jrv::ui {

TCodeForm::TCodeForm(Session&, QWidget* parent) : QDialog(parent) {
  setObjectName("TCodeForm");
  setWindowTitle("Answer Key and Include Item Codes");
  const InfoWindowParts parts =
      build_info_window(*this, "Answer Key and Include Item Codes", code_help_text(), 640, 460);
  lbl_heading = parts.lbl_heading;
  memo_text = parts.memo_text;
  btn_ok = parts.btn_ok;
}

}  // namespace jrv::ui
