#include "ui/input/answer_form_unit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/input/alternative_answers.h"
#include "core/text/errors.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/string_grid.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

constexpr int kCellWidth = 64;
constexpr int kFixedColumns = 3;  // item number, options, key

}  // namespace

TAnswerForm::TAnswerForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  keep_place_when_shown_again(*this);
  setObjectName("TAnswerForm");
  setWindowTitle("Alternative Answers");
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);
  File1 = named_menu(this, "File1", "&File");
  Close1 = menu_item(File1, this, "Close1", "&Close (Cancel)");
  SaveExit1 = menu_item(File1, this, "SaveExit1", "&Save && Exit (OK)");
  MainMenu1->addMenu(File1);

  lbl_instruction = named<QLabel>(
      this, "lbl_instruction",
      "For each item, identify any additional correct answers (leave cells blank if not "
      "needed).");
  lbl_numeric = named<QLabel>(
      this, "lbl_numeric",
      "All alternative correct answers MUST be coded in NUMERIC format --- that is, "
      "alternatives below must be in (1,2,3,4,5,...) format even if answers and data are in "
      "letter or some other format.");
  for (auto* l : {lbl_instruction, lbl_numeric}) {
    l->setWordWrap(true);
    outer->addWidget(l);
  }
  QFont bold = lbl_numeric->font();
  bold.setBold(true);
  lbl_numeric->setFont(bold);

  titlegrid = string_grid(this, "titlegrid", 3, kFixedColumns, kCellWidth);
  titlegrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  titlegrid->setFocusPolicy(Qt::NoFocus);
  titlegrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  titlegrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  titlegrid->setFixedHeight(grid_height(*titlegrid, false));
  outer->addWidget(titlegrid);
  StringGrid1 = string_grid(this, "StringGrid1", 0, kFixedColumns, kCellWidth);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  outer->addWidget(StringGrid1, 1);
  // The heading scrolls sideways with the answers below it.
  connect(StringGrid1->horizontalScrollBar(), &QScrollBar::valueChanged,
          titlegrid->horizontalScrollBar(), &QScrollBar::setValue);

  auto* buttons = new QHBoxLayout;
  btn_ok = named<QPushButton>(this, "btn_ok", "&OK");
  btn_cancel = named<QPushButton>(this, "btn_cancel", "&Cancel");
  buttons->addStretch(1);
  for (auto* b : {btn_ok, btn_cancel}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  outer->addLayout(buttons);
  connect(btn_ok, &QPushButton::clicked, this, &TAnswerForm::btn_okClick);
  connect(btn_cancel, &QPushButton::clicked, this, &TAnswerForm::btn_cancelClick);
  connect(SaveExit1, &QAction::triggered, this, &TAnswerForm::btn_okClick);
  connect(Close1, &QAction::triggered, this, &TAnswerForm::btn_cancelClick);
  resize(760, 460);
}

void TAnswerForm::load_grid() {
  const AltAnswerGrid& grid = session_.doc.alternatives;
  const auto headings = alternative_answer_headings(session_.ws.max_options_used);
  const int columns = std::max(grid.column_count, kFixedColumns);
  titlegrid->setColumnCount(columns);
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < 3; ++r) {
      const bool shown = static_cast<std::size_t>(c) < headings.size();
      set_cell(*titlegrid, r, c, shown ? to_q(headings[c][r]) : QString(), true);
    }
  }
  StringGrid1->setColumnCount(columns);
  StringGrid1->setRowCount(static_cast<int>(grid.rows.size()));
  for (int r = 0; r < StringGrid1->rowCount(); ++r) {
    const auto& row = grid.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns; ++c) {
      set_cell(*StringGrid1, r, c, to_q(row[static_cast<std::size_t>(c)]), c < kFixedColumns);
    }
  }
  StringGrid1->setCurrentCell(0, kFixedColumns);
}

void TAnswerForm::store_grid() {
  AltAnswerGrid& grid = session_.doc.alternatives;
  for (int r = 0; r < StringGrid1->rowCount(); ++r) {
    auto& row = grid.rows[static_cast<std::size_t>(r)];
    for (int c = kFixedColumns; c < StringGrid1->columnCount(); ++c) {
      row[static_cast<std::size_t>(c)] = from_q(cell_text(*StringGrid1, r, c));
    }
  }
}

void TAnswerForm::show_while_asked() {
  load_grid();
  stay_open_ = true;
  while (stay_open_) {
    stay_open_ = false;
    StringGrid1->setFocus();
    session_.prompter.show_modal(*this);
  }
}

void TAnswerForm::btn_okClick() {
  // A cell still being typed in counts as typed.
  if (QWidget* typing = QApplication::focusWidget(); typing && StringGrid1->isAncestorOf(typing)) {
    typing->clearFocus();  // leaving the cell's editor stores its text
  }
  store_grid();
  try {
    const AltConfirm confirmed = confirm_alternative_answers(session_.doc, session_.ws);
    show_messages(session_.prompter, this, confirmed.check);
    stay_open_ = confirmed.stay_open;
  } catch (const ConversionError& e) {
    show_error(session_.prompter, this, e);
    stay_open_ = true;
  }
  if (stay_open_) {
    reject();
  } else {
    accept();
  }
}

void TAnswerForm::btn_cancelClick() {
  stay_open_ = false;
  reject();
}

}  // namespace jrv::ui
