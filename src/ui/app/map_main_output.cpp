// The main window's results output: saving results, the quick views' texts.

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

bool TMapForm::run_core_analysis() {
  return false;
}

void TMapForm::fill_quick_view_exam() {}
void TMapForm::fill_quick_view_item() {}

void TMapForm::ViewOptions1Click() {}

void TMapForm::btn_saveresultsClick() {}

void TMapForm::after_results_saved() {}

}  // namespace jrv::ui
