#pragma once
// "Import Spreadsheet...": a preview of the sheet's first rows, the choices of header,
// label and item columns, key and options with the guesses already made, a live summary
// and the text answers' options. Import hands back the mapped test; nothing in the editor
// changes before that.

#include <QDialog>
#include <optional>

#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_mapping.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace jrv::ui {

struct Session;

class Prompter;

class TSheetImportForm : public QDialog {
  Q_OBJECT
 public:
  TSheetImportForm(const std::filesystem::path& path, SheetFormat format, SheetFile sheet,
                   QWidget* parent = nullptr);

  // The mapped test once Import was pressed.
  const std::optional<SheetImport>& imported() const { return imported_; }

  QComboBox* cmb_sheet;
  QTableWidget* grid_preview;
  QCheckBox* chk_header;
  QLineEdit* txt_label_columns;
  QLineEdit* txt_item_columns;
  QLineEdit* txt_key_row;
  QLineEdit* txt_typed_key;
  QLineEdit* txt_title;
  QLineEdit* txt_options;
  QLabel* lbl_summary;
  QPlainTextEdit* memo_mapping;
  QPushButton* btn_import;
  QPushButton* btn_cancel;

 private slots:
  void choices_changed();
  void sheet_changed();
  void btn_importClick();

 private:
  void show_sheet();
  void show_guesses(const SheetImport& guess);
  // The mapping of the current choices, or the message why there is none.
  std::optional<SheetImport> map_choices(std::string& error) const;

  std::filesystem::path path_;
  SheetFormat format_;
  SheetFile sheet_;
  std::optional<SheetImport> imported_;
  bool filling_ = false;
};

// The whole road: the file chooser, reading, the dialog. Returns the mapped test and the
// file it came from, or nothing (cancelled, or refused with a message).
struct SheetImportChoice {
  SheetImport imported;
  std::filesystem::path path;
};
// `preset`, when given, is the file to import (a dropped file or one named at start);
// otherwise the user chooses one.
std::optional<SheetImportChoice> choose_sheet_import(Prompter& prompter, QWidget* parent,
                                                     const QString& preset = {});

// The imported test replaces the session's test, unsaved and unnamed, with its roster kept
// for the gradebook. Returns the check of the emptied editor (its messages to show).
CheckResult take_sheet_import(Session& session, const SheetImport& imported);

}  // namespace jrv::ui
