// The main window's way in from a spreadsheet and way out to a gradebook.

#include <QMenu>
#include <QRadioButton>

#include "core/export/gradebook.h"
#include "core/text/errors.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/input/sheet_import_form.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

namespace {

// A new item of `menu` placed right after `after`.
QAction* item_after(QMenu* menu, QAction* after, QWidget* owner, const char* name,
                    const QString& caption) {
  auto* a = new QAction(caption, owner);
  a->setObjectName(QString::fromLatin1(name));
  const auto actions = menu->actions();
  const auto at = actions.indexOf(after);
  menu->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, a);
  return a;
}

}  // namespace

void TMapForm::build_sheet_menu_items() {
  ImportSpreadsheet1 = item_after(File1, OpenInputFilefromapreviousJRVversion1, this,
                                  "ImportSpreadsheet1", "Import Spreadsheet...");
  ExportScoresforaGradebook1 = item_after(File1, SaveItemFile1, this, "ExportScoresforaGradebook1",
                                          "Export Scores for a Gradebook...");
  // Available exactly when the item statistics file is: after an analysis.
  ExportScoresforaGradebook1->setEnabled(SaveItemFile1->isEnabled());
  connect(SaveItemFile1, &QAction::changed, this,
          [this] { ExportScoresforaGradebook1->setEnabled(SaveItemFile1->isEnabled()); });
  connect(ImportSpreadsheet1, &QAction::triggered, this, &TMapForm::ImportSpreadsheet1Click);
  connect(ExportScoresforaGradebook1, &QAction::triggered, this,
          &TMapForm::ExportScoresforaGradebook1Click);
}

void TMapForm::ImportSpreadsheet1Click() {
  if (maybe_save_test()) import_spreadsheet_file({});
}

// The caller has asked whether to save the test it replaces.
void TMapForm::import_spreadsheet_file(const QString& path) {
  const auto choice = choose_sheet_import(session_.prompter, this, path);
  if (!choice) return;
  const CheckResult reset = take_sheet_import(session_, choice->imported);
  show_messages(session_.prompter, this, reset.messages);
  // The editor shows the imported test; nothing is analysed before "Close && Analyze".
  rdo_edit_data->setChecked(true);
  run_go_to_data_editor();
}

void TMapForm::ExportScoresforaGradebook1Click() {
  const std::string results = from_q(txt_results_name->text());
  FileDialogSpec spec;
  spec.default_extension = "csv";
  spec.filter = "CSV files (*.csv)|*.csv";
  spec.overwrite_prompt = true;
  spec.proposed_name =
      to_q((results.empty() ? std::string("UNSAVED") : results) + "_gradebook.csv");
  const auto path = session_.prompter.save_file(this, spec);
  if (!path) return;
  // The roster beside the opened test, or the one of the import still in the editor.
  std::optional<CsvRows> roster;
  if (session_.doc.input_opened)
    roster = read_roster(roster_path_for(session_.doc.input_path));
  else if (!session_.imported_lines.empty() &&
           session_.imported_lines == session_.doc.editor.data_lines)
    roster = session_.imported_roster;
  try {
    save_gradebook(session_.ws, to_path(*path), roster);
  } catch (const FileError& e) {
    session_.prompter.message(this, to_q(e.what()));
  }
}

}  // namespace jrv::ui
