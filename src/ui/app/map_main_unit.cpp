#include "ui/app/map_main_unit.h"

namespace jrv::ui {

TMapForm::TMapForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMapForm");
  setWindowTitle("JRV: Orvandel (version 6.65)");
}

}  // namespace jrv::ui
