#include "ui/input/sheet_import_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

namespace {

constexpr std::uint32_t kPreviewRows = 30;
constexpr std::uint32_t kPreviewColumns = 60;

QLineEdit* line_edit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}

}  // namespace

TSheetImportForm::TSheetImportForm(const std::filesystem::path& path, SheetFormat format,
                                   SheetFile sheet, QWidget* parent)
    : QDialog(parent), path_(path), format_(format), sheet_(std::move(sheet)) {
  setObjectName("TSheetImportForm");
  setWindowTitle("Import Spreadsheet - " + to_q(sheet_.file_name));
  auto* outer = new QVBoxLayout(this);

  auto* form = new QFormLayout;
  cmb_sheet = new QComboBox(this);
  cmb_sheet->setObjectName("cmb_sheet");
  for (const auto& name : sheet_.sheet_names) cmb_sheet->addItem(to_q(name));
  cmb_sheet->setCurrentText(to_q(sheet_.sheet_name));
  cmb_sheet->setEnabled(sheet_.sheet_names.size() > 1);
  auto* sheet_label = new QLabel("&Sheet:", this);
  sheet_label->setBuddy(cmb_sheet);
  form->addRow(sheet_label, cmb_sheet);
  outer->addLayout(form);

  grid_preview = new QTableWidget(this);
  grid_preview->setObjectName("grid_preview");
  grid_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_preview->setMinimumSize(640, 240);
  outer->addWidget(grid_preview);

  auto* choices = new QFormLayout;
  chk_header = new QCheckBox("The first row is a &header", this);
  chk_header->setObjectName("chk_header");
  choices->addRow(QString(), chk_header);
  const auto row = [&](const QString& caption, QLineEdit* edit, const QString& hint) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    edit->setPlaceholderText(hint);
    choices->addRow(label, edit);
  };
  txt_label_columns = line_edit(this, "txt_label_columns");
  row("&Label columns:", txt_label_columns, "for example C,B (last name, then first name)");
  txt_item_columns = line_edit(this, "txt_item_columns");
  row("&Item columns:", txt_item_columns, "for example D-AQ or 4-43");
  txt_key_row = line_edit(this, "txt_key_row");
  row("&Key row:", txt_key_row, "the row number of the answer key");
  txt_typed_key = line_edit(this, "txt_typed_key");
  row("or t&yped key:", txt_typed_key, "one answer per item, instead of a key row");
  txt_title = line_edit(this, "txt_title");
  row("&Title:", txt_title, QString());
  txt_options = line_edit(this, "txt_options");
  row("# &Options:", txt_options, "empty: the highest option used in each column");
  outer->addLayout(choices);

  lbl_summary = new QLabel(this);
  lbl_summary->setObjectName("lbl_summary");
  lbl_summary->setWordWrap(true);
  outer->addWidget(lbl_summary);
  memo_mapping = new QPlainTextEdit(this);
  memo_mapping->setObjectName("memo_mapping");
  memo_mapping->setReadOnly(true);
  memo_mapping->setMaximumHeight(120);
  outer->addWidget(memo_mapping);

  auto* buttons = new QDialogButtonBox(this);
  btn_import = buttons->addButton("&Import", QDialogButtonBox::AcceptRole);
  btn_import->setObjectName("btn_import");
  btn_cancel = buttons->addButton(QDialogButtonBox::Cancel);
  btn_cancel->setObjectName("btn_cancel");
  btn_import->setDefault(true);
  outer->addWidget(buttons);

  connect(cmb_sheet, &QComboBox::currentTextChanged, this, &TSheetImportForm::sheet_changed);
  connect(chk_header, &QCheckBox::toggled, this, &TSheetImportForm::choices_changed);
  for (auto* e :
       {txt_label_columns, txt_item_columns, txt_key_row, txt_typed_key, txt_title, txt_options})
    connect(e, &QLineEdit::textChanged, this, &TSheetImportForm::choices_changed);
  connect(btn_import, &QPushButton::clicked, this, &TSheetImportForm::btn_importClick);
  connect(btn_cancel, &QPushButton::clicked, this, &QDialog::reject);

  txt_title->setText(to_q(path_.stem().string()));
  show_sheet();
}

void TSheetImportForm::show_sheet() {
  const CellTable& t = sheet_.table;
  const std::uint32_t rows = std::min(t.row_count(), kPreviewRows);
  const std::uint32_t columns = std::min(t.column_count(), kPreviewColumns);
  grid_preview->clear();
  grid_preview->setRowCount(static_cast<int>(rows));
  grid_preview->setColumnCount(static_cast<int>(columns));
  QStringList letters;
  for (std::uint32_t c = 0; c < columns; ++c) letters << to_q(column_letters(c));
  grid_preview->setHorizontalHeaderLabels(letters);
  for (std::uint32_t r = 0; r < rows; ++r)
    for (const CellRef& cell : t.row(r))
      if (cell.column < columns)
        grid_preview->setItem(static_cast<int>(r), static_cast<int>(cell.column),
                              new QTableWidgetItem(to_q(t.text(cell))));
  grid_preview->resizeColumnsToContents();

  // The guesses, as a user would have typed them.
  std::string error;
  try {
    const SheetImport guess = map_sheet(t, {}, sheet_.file_name, from_q(txt_title->text()));
    show_guesses(guess);
  } catch (const SheetError& e) {
    filling_ = true;
    for (auto* edit : {txt_label_columns, txt_item_columns, txt_key_row, txt_typed_key})
      edit->clear();
    filling_ = false;
  }
  choices_changed();
}

void TSheetImportForm::show_guesses(const SheetImport& guess) {
  filling_ = true;
  chk_header->setChecked(guess.header_row.has_value());
  txt_label_columns->setText(to_q(columns_text(guess.label_columns)));
  txt_item_columns->setText(to_q(columns_text(guess.item_columns)));
  txt_key_row->setText(guess.key_source == KeySource::row ? QString::number(guess.key_row + 1)
                                                          : QString());
  txt_typed_key->clear();
  filling_ = false;
}

std::optional<SheetImport> TSheetImportForm::map_choices(std::string& error) const {
  ImportChoices c;
  c.header = chk_header->isChecked();
  auto labels = parse_columns(from_q(txt_label_columns->text()), error);
  if (txt_label_columns->text().trimmed().isEmpty())
    labels = std::vector<std::uint32_t>{};
  else if (!labels)
    return std::nullopt;
  c.labels = std::move(*labels);
  if (!txt_item_columns->text().trimmed().isEmpty()) {
    auto items = parse_columns(from_q(txt_item_columns->text()), error);
    if (!items) return std::nullopt;
    c.items = std::move(*items);
  }
  if (!txt_typed_key->text().isEmpty()) {
    c.typed_key = from_q(txt_typed_key->text());
  } else if (!txt_key_row->text().trimmed().isEmpty()) {
    bool ok = false;
    const uint row = txt_key_row->text().trimmed().toUInt(&ok);
    if (!ok || row == 0) {
      error = "The key row must be a row number from 1";
      return std::nullopt;
    }
    c.key_row = row - 1;
  }
  c.title = from_q(txt_title->text());
  c.options = from_q(txt_options->text());
  try {
    return map_sheet(sheet_.table, c, sheet_.file_name, path_.stem().string());
  } catch (const SheetError& e) {
    error = e.what();
    return std::nullopt;
  }
}

void TSheetImportForm::choices_changed() {
  if (filling_) return;
  std::string error;
  const auto m = map_choices(error);
  btn_import->setEnabled(m.has_value());
  if (!m) {
    lbl_summary->setText(to_q(error));
    memo_mapping->clear();
    return;
  }
  lbl_summary->setText(to_q(m->summary));
  QStringList lines;
  for (const auto& t : m->text_columns) {
    QString line = "Column " + to_q(column_letters(t.column)) + " (" + to_q(t.heading) + "):";
    for (std::size_t i = 0; i < t.texts.size(); ++i) {
      line += (i == 0 ? " " : ", ") + to_q(t.texts[i]) + " -> " + QString::number(i + 1);
      if (t.keyed == static_cast<int>(i + 1)) line += " (key)";
    }
    lines << line;
  }
  for (const auto& w : m->warnings) lines << to_q(w);
  memo_mapping->setPlainText(lines.join('\n'));
}

void TSheetImportForm::sheet_changed() {
  if (filling_) return;
  try {
    SheetFile other = read_sheet_file(path_, format_, from_q(cmb_sheet->currentText()));
    sheet_.table = std::move(other.table);
    sheet_.sheet_name = std::move(other.sheet_name);
  } catch (const SheetError& e) {
    sheet_.table = CellTable();
    lbl_summary->setText(to_q(e.what()));
    grid_preview->clear();
    btn_import->setEnabled(false);
    return;
  }
  show_sheet();
}

void TSheetImportForm::btn_importClick() {
  std::string error;
  imported_ = map_choices(error);
  if (imported_) accept();
}

std::optional<SheetImportChoice> choose_sheet_import(Prompter& prompter, QWidget* parent,
                                                     const QString& preset) {
  FileDialogSpec spec;
  spec.filter =
      "Spreadsheets (*.csv, *.tsv, *.xlsx, *.ods)|*.csv;*.tsv;*.txt;*.xlsx;*.ods|All Files "
      "(*.*)|*.*";
  const auto chosen = preset.isEmpty() ? prompter.open_file(parent, spec) : preset;
  if (!chosen) return std::nullopt;
  const std::filesystem::path path = to_path(*chosen);
  const auto format = sheet_format_of(path).value_or(SheetFormat::csv);
  SheetFile sheet;
  try {
    sheet = read_sheet_file(path, format);
  } catch (const SheetError& e) {
    prompter.message(parent, to_q(e.what()));
    return std::nullopt;
  }
  show_messages(prompter, parent, sheet.warnings);
  TSheetImportForm form(path, format, std::move(sheet), parent);
  if (prompter.show_modal(form) != QDialog::Accepted || !form.imported()) return std::nullopt;
  return SheetImportChoice{*form.imported(), path};
}

CheckResult take_sheet_import(Session& session, const SheetImport& imported) {
  const CheckResult reset = load_sheet_import(imported, session.doc, session.ws);
  session.imported_roster = imported.roster;
  session.imported_lines = imported.fields.data_lines;
  session.input_saved = false;
  session.current_file_name.clear();
  return reset;
}

}  // namespace jrv::ui
