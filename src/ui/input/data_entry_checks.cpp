// The data editor's calls into the input core: check-and-load, rulers, field checks,
// reading and writing the input file.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/text/messages.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

void TEditForm::rebuild_rulers() {}

void TEditForm::txt_itemsChange() {}

void TEditForm::txt_label_lengthChange() {}

void TEditForm::txt_includeChange() {
  if (!quiet_) session_.doc.include_changed = true;
}

void TEditForm::refresh_convert_menu() {
  const bool rw = session_.ws.right_wrong_mode;
  DataareRightWrongData1->setChecked(rw);
  DataareRightWrongData1->setText(rw ? "DATA ARE CODED AS RIGHT-WRONG"
                                     : "RECODE data as RIGHT-WRONG");
}

bool TEditForm::check_and_load(bool analyze) {
  (void)analyze;
  return true;
}

void TEditForm::New1Click() {}

void TEditForm::Open1Click() {}

void TEditForm::Save1Click() {}

void TEditForm::GenerateData1Click() {}

}  // namespace jrv::ui
