#include "ui/app/about_form_unit.h"

#include "core/workspace/identity.h"
#include "ui/app/info_window.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

TAboutForm::TAboutForm(Session&, QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutForm");
  setWindowTitle("About JRV");
  const auto lines = identification_lines();
  const QString text = to_q(lines[1]) + "\n" + to_q(lines[2]) +
                       "\n\nItem analysis of classroom tests: scores and letter grades, item "
                       "difficulty and discrimination, options analysis, reliability, "
                       "individual grade reports and charts.";
  const InfoWindowParts parts = build_info_window(*this, to_q(lines[0]), text, 520, 260);
  lbl_heading = parts.lbl_heading;
  memo_text = parts.memo_text;
  btn_ok = parts.btn_ok;
}

}  // namespace jrv::ui
