#include "ui/input/table_unit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/input/table_of_specs.h"
#include "core/text/format.h"
#include "ui/app/session.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/string_grid.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

constexpr int kCellWidth = 27;

QString numbered(const char* stem, int i) {
  return QString::fromLatin1(stem) + QString::number(i);
}

// The row of count buttons "0".."6" in a group box.
QGroupBox* count_buttons(QWidget* owner, const QString& caption, const char* stem,
                         std::array<QRadioButton*, 7>& buttons) {
  auto* box = new QGroupBox(caption, owner);
  auto* row = new QHBoxLayout(box);
  for (int i = 0; i <= 6; ++i) {
    buttons[i] = named<QRadioButton>(box, qPrintable(numbered(stem, i)), QString::number(i));
    row->addWidget(buttons[i]);
  }
  buttons[0]->setChecked(true);
  return box;
}

// Six captioned name fields under a heading.
QGroupBox* name_fields(QWidget* owner, const QString& caption, const char* label_stem,
                       const char* field_stem, const char* label_text,
                       std::array<QLabel*, 7>& labels, std::array<QLineEdit*, 7>& fields) {
  auto* box = new QGroupBox(caption, owner);
  auto* grid = new QGridLayout(box);
  for (int i = 1; i <= 6; ++i) {
    labels[i] = named<QLabel>(box, qPrintable(numbered(label_stem, i)),
                              QString::fromLatin1(label_text) + QString::number(i));
    fields[i] = named<QLineEdit>(box, qPrintable(numbered(field_stem, i)));
    fields[i]->setMaxLength(50);
    labels[i]->setBuddy(fields[i]);
    grid->addWidget(labels[i], i - 1, 0);
    grid->addWidget(fields[i], i - 1, 1);
  }
  return box;
}

}  // namespace

TTableForm::TTableForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  keep_place_when_shown_again(*this);
  setObjectName("TTableForm");
  setWindowTitle("Table of Specifications");
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);
  File1 = named_menu(this, "File1", "&File");
  CloseCancel1 = menu_item(File1, this, "CloseCancel1", "&Cancel");
  CloseSave1 = menu_item(File1, this, "CloseSave1", "&Save && Exit (OK)");
  MainMenu1->addMenu(File1);
  Options1 = named_menu(this, "Options1", "&Options");
  Reset1 = menu_item(Options1, this, "Reset1", "&Reset");
  UseadefaultsetofSpecifications1 = menu_item(Options1, this, "UseadefaultsetofSpecifications1",
                                              "Use a &Default Set of Specifications");
  Options1->addSeparator();
  UseKnowledgeBeyondKnowledge1 =
      menu_item(Options1, this, "UseKnowledgeBeyondKnowledge1", "&Popham's Taxonomy");
  UseBloomsTaxonomy1 = menu_item(Options1, this, "UseBloomsTaxonomy1", "&Bloom's Taxonomy");
  UseUseGagnesTaxonomy1 = menu_item(Options1, this, "UseUseGagnesTaxonomy1", "&Gagne's Taxonomy");
  OosterhofsTaxonomy1 = menu_item(Options1, this, "OosterhofsTaxonomy1", "&Oosterhof's Taxonomy");
  MainMenu1->addMenu(Options1);

  auto* counts = new QHBoxLayout;
  counts->addWidget(count_buttons(this, "Number of Content Areas", "rdo_ca", rdo_ca));
  counts->addWidget(count_buttons(this, "Number of Cognitive Skill Levels", "rdo_cs", rdo_cs));
  outer->addLayout(counts);
  auto* names = new QHBoxLayout;
  names->addWidget(name_fields(this, "Content Area Names", "lbl_content", "txt_content",
                               "Content Area ", lbl_content, txt_content));
  names->addWidget(name_fields(this, "Cognitive Skill Level Names", "lbl_skill", "txt_skill",
                               "Cognitive Level ", lbl_skill, txt_skill));
  outer->addLayout(names);

  lbl_instruction =
      named<QLabel>(this, "lbl_instruction",
                    "For each item, indicate its Content Area (1-6) and its Cognitive Level (1-6)");
  QFont bold = lbl_instruction->font();
  bold.setBold(true);
  lbl_instruction->setFont(bold);
  outer->addWidget(lbl_instruction);

  auto* grid_rows = new QGridLayout;
  grid_rows->setVerticalSpacing(2);
  for (int g = 0; g < 3; ++g) {
    const int n = g + 1;
    grids[g] =
        string_grid(this, qPrintable(numbered("StringGrid", n)), 3, kSpecGridColumns, kCellWidth);
    grids[g]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grids[g]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grids[g]->setFixedHeight(grid_height(*grids[g], false));
    grids[g]->setFixedWidth(kSpecGridColumns * kCellWidth + 2 * grids[g]->frameWidth());
    lbl_item[g] = named<QLabel>(this, qPrintable(numbered("lbl_item", n)), "Item #");
    lbl_ca[g] = named<QLabel>(this, qPrintable(numbered("lbl_ca", n)), "Content Area");
    lbl_cs[g] = named<QLabel>(this, qPrintable(numbered("lbl_cs", n)), "Cognitive Level");
    auto* captions = new QVBoxLayout;
    captions->setSpacing(0);
    for (auto* l : {lbl_item[g], lbl_ca[g], lbl_cs[g]}) {
      l->setFixedHeight(grids[g]->rowHeight(0));
      captions->addWidget(l);
    }
    grid_rows->addLayout(captions, g, 0, Qt::AlignTop);
    grid_rows->addWidget(grids[g], g, 1, Qt::AlignLeft | Qt::AlignTop);
  }
  grid_rows->setColumnStretch(2, 1);
  outer->addLayout(grid_rows);
  outer->addStretch(1);

  auto* buttons = new QHBoxLayout;
  btn_reset = named<QPushButton>(this, "btn_reset", "&Reset Screen");
  BitBtn1 = named<QPushButton>(this, "BitBtn1", "&Cancel");
  BitBtn2 = named<QPushButton>(this, "BitBtn2", "Save && E&xit (OK)");
  buttons->addWidget(btn_reset);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  for (auto* b : {btn_reset, BitBtn1, BitBtn2}) b->setAutoDefault(false);
  outer->addLayout(buttons);

  for (int i = 0; i <= 6; ++i) {
    connect(rdo_ca[i], &QRadioButton::clicked, this, [this, i] { choose_areas(i); });
    connect(rdo_cs[i], &QRadioButton::clicked, this, [this, i] { choose_levels(i); });
  }
  connect(CloseSave1, &QAction::triggered, this, &TTableForm::CloseSave1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TTableForm::CloseSave1Click);
  connect(CloseCancel1, &QAction::triggered, this, &TTableForm::CloseCancel1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TTableForm::CloseCancel1Click);
  connect(Reset1, &QAction::triggered, this, &TTableForm::Reset1Click);
  connect(btn_reset, &QPushButton::clicked, this, &TTableForm::Reset1Click);
  connect(UseadefaultsetofSpecifications1, &QAction::triggered, this,
          &TTableForm::UseadefaultsetofSpecifications1Click);
  connect(UseKnowledgeBeyondKnowledge1, &QAction::triggered, this,
          &TTableForm::UseKnowledgeBeyondKnowledge1Click);
  connect(UseBloomsTaxonomy1, &QAction::triggered, this, &TTableForm::UseBloomsTaxonomy1Click);
  connect(UseUseGagnesTaxonomy1, &QAction::triggered, this,
          &TTableForm::UseUseGagnesTaxonomy1Click);
  connect(OosterhofsTaxonomy1, &QAction::triggered, this, &TTableForm::OosterhofsTaxonomy1Click);
  lay_out_grids(0);
  load_fields();
}

void TTableForm::lay_out_grids(int item_count) {
  item_count_ = item_count;
  const SpecGridLayout layout = spec_grid_layout(item_count);
  for (int g = 0; g < 3; ++g) {
    const bool shown = g < layout.grid_count;
    for (QWidget* w : {static_cast<QWidget*>(grids[g]), static_cast<QWidget*>(lbl_item[g]),
                       static_cast<QWidget*>(lbl_ca[g]), static_cast<QWidget*>(lbl_cs[g])}) {
      w->setVisible(shown);
    }
    const int columns = shown ? layout.columns[g] : 0;
    grids[g]->setColumnCount(columns);
    grids[g]->setFixedWidth(std::max(columns, 1) * kCellWidth + 2 * grids[g]->frameWidth());
    for (int c = 0; c < columns; ++c) {
      set_cell(*grids[g], 0, c, QString::number(spec_grid_item(g + 1, c)), true);
    }
  }
}

void TTableForm::load_fields() {
  const SpecTableFields& f = session_.doc.spec_table;
  rdo_ca[std::clamp(f.content_count, 0, 6)]->setChecked(true);
  rdo_cs[std::clamp(f.cognitive_count, 0, 6)]->setChecked(true);
  for (int i = 1; i <= 6; ++i) {
    txt_content[i]->setText(to_q(f.content_names[i]));
    txt_skill[i]->setText(to_q(f.skill_names[i]));
    for (QWidget* w :
         {static_cast<QWidget*>(lbl_content[i]), static_cast<QWidget*>(txt_content[i])}) {
      w->setEnabled(i <= f.content_count);
    }
    for (QWidget* w : {static_cast<QWidget*>(lbl_skill[i]), static_cast<QWidget*>(txt_skill[i])}) {
      w->setEnabled(i <= f.cognitive_count);
    }
  }
  for (int g = 0; g < 3; ++g) {
    for (int c = 0; c < grids[g]->columnCount(); ++c) {
      const auto item = static_cast<std::size_t>(spec_grid_item(g + 1, c));
      set_cell(*grids[g], 1, c, to_q(f.area_cells[item]));
      set_cell(*grids[g], 2, c, to_q(f.level_cells[item]));
    }
  }
}

void TTableForm::store_fields() {
  SpecTableFields& f = session_.doc.spec_table;
  for (int i = 1; i <= 6; ++i) {
    f.content_names[i] = from_q(txt_content[i]->text());
    f.skill_names[i] = from_q(txt_skill[i]->text());
  }
  for (int g = 0; g < 3; ++g) {
    for (int c = 0; c < grids[g]->columnCount(); ++c) {
      const auto item = static_cast<std::size_t>(spec_grid_item(g + 1, c));
      f.area_cells[item] = from_q(cell_text(*grids[g], 1, c));
      f.level_cells[item] = from_q(cell_text(*grids[g], 2, c));
    }
  }
}

void TTableForm::show_for_items(int item_count) {
  lay_out_grids(item_count);
  load_fields();
  stay_open_ = true;
  while (stay_open_) {
    stay_open_ = false;
    session_.prompter.show_modal(*this);
  }
}

void TTableForm::choose_areas(int count) {
  store_fields();
  choose_content_area_count(session_.doc.spec_table, session_.ws, count);
  load_fields();
  if (count > 0) txt_content[1]->setFocus();
}

void TTableForm::choose_levels(int count) {
  store_fields();
  choose_cognitive_level_count(session_.doc.spec_table, session_.ws, count);
  load_fields();
  if (count > 0) txt_skill[1]->setFocus();
}

void TTableForm::CloseSave1Click() {
  store_fields();
  const SpecSave saved = save_spec_table(session_.doc.spec_table, session_.ws, item_count_);
  show_messages(session_.prompter, this, saved.check);
  stay_open_ = saved.stay_open;
  if (stay_open_) {
    reject();
  } else {
    accept();
  }
}

void TTableForm::CloseCancel1Click() {
  store_fields();  // the window keeps what was typed; nothing is stored in the test
  stay_open_ = false;
  reject();
}

void TTableForm::Reset1Click() {
  reset_spec_table(session_.doc.spec_table, session_.ws);
  lay_out_grids(item_count_);
  load_fields();
}

void TTableForm::UseadefaultsetofSpecifications1Click() {
  store_fields();
  use_default_specifications(session_.doc.spec_table, session_.ws, item_count_);
  load_fields();
}

void TTableForm::UseKnowledgeBeyondKnowledge1Click() {
  store_fields();
  use_taxonomy(session_.doc.spec_table, session_.ws, Taxonomy::popham);
  load_fields();
}

void TTableForm::UseBloomsTaxonomy1Click() {
  store_fields();
  use_taxonomy(session_.doc.spec_table, session_.ws, Taxonomy::bloom);
  load_fields();
}

void TTableForm::UseUseGagnesTaxonomy1Click() {
  store_fields();
  use_taxonomy(session_.doc.spec_table, session_.ws, Taxonomy::gagne);
  load_fields();
}

void TTableForm::OosterhofsTaxonomy1Click() {
  store_fields();
  use_taxonomy(session_.doc.spec_table, session_.ws, Taxonomy::oosterhof);
  load_fields();
}

}  // namespace jrv::ui
