// Before the loaded test is replaced by another one.

#include "ui/app/map_main_unit.h"

namespace jrv::ui {

bool TMapForm::maybe_save_test() {
  return true;
}

}  // namespace jrv::ui
