#include "ui/app/ack_form_unit.h"

#include "ui/app/info_texts.h"
#include "ui/app/info_window.h"

namespace jrv::ui {

TAckForm::TAckForm(Session&, QWidget* parent) : QDialog(parent) {
  setObjectName("TAckForm");
  setWindowTitle("Acknowledgements");
  const InfoWindowParts parts =
      build_info_window(*this, "Acknowledgements", acknowledgements_text(), 560, 420);
  lbl_heading = parts.lbl_heading;
  memo_text = parts.memo_text;
  btn_ok = parts.btn_ok;
}

}  // namespace jrv::ui
