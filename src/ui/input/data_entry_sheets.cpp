// The data editor's "Import Spreadsheet...": the imported test replaces what the editor
// holds, as if it had been typed; the check runs when the editor is left.

#include "core/sheets/sheet_mapping.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/sheet_import_form.h"
#include "ui/support/prompter.h"

namespace jrv::ui {

void TEditForm::ImportSpreadsheet2Click() {
  store_fields();
  if (!session_.windows.map->maybe_save_test()) return;
  const auto choice = choose_sheet_import(session_.prompter, this);
  if (!choice) return;
  const CheckResult reset = take_sheet_import(session_, choice->imported);
  load_fields();
  rebuild_rulers();
  show_check(reset);
}

}  // namespace jrv::ui
