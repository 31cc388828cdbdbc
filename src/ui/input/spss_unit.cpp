#include "ui/input/spss_unit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/input/text_inserts.h"
#include "core/text/text_file.h"
#include "ui/app/info_texts.h"
#include "ui/app/session.h"
#include "ui/support/pane_actions.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

TSPSSform::TSPSSform(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TSPSSform");
  setWindowTitle("TEXT File Insert (and SPSS file-save) Help");
  auto* outer = new QVBoxLayout(this);
  memo_help = named<QPlainTextEdit>(this, "memo_help");
  memo_help->setReadOnly(true);
  memo_help->setPlainText(text_insert_help_text());
  outer->addWidget(memo_help, 3);
  auto* caption = new QLabel("Sample &syntax:", this);
  outer->addWidget(caption);
  memo_syntax = named<QPlainTextEdit>(this, "memo_syntax");
  make_report_pane(*memo_syntax, fixed_pitch_font(10), true);
  memo_syntax->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  memo_syntax->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  set_pane_lines(*memo_syntax, spss_sample_syntax());
  caption->setBuddy(memo_syntax);
  outer->addWidget(memo_syntax, 2);

  auto* buttons = new QHBoxLayout;
  btn_print = named<QPushButton>(this, "btn_print", "&Print this SPSS Syntax");
  btn_save = named<QPushButton>(this, "btn_save", "&Save this SPSS Syntax");
  BitBtn1 = named<QPushButton>(this, "BitBtn1", "&Close");
  buttons->addWidget(btn_print);
  buttons->addWidget(btn_save);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  outer->addLayout(buttons);
  BitBtn1->setDefault(true);
  connect(btn_print, &QPushButton::clicked, this, &TSPSSform::btn_printClick);
  connect(btn_save, &QPushButton::clicked, this, &TSPSSform::btn_saveClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  resize(660, 640);
}

void TSPSSform::btn_printClick() {
  print_pane(session_.prompter, this, *memo_syntax, "SPSS Syntax");
}

void TSPSSform::btn_saveClick() {
  FileDialogSpec spec;
  spec.default_extension = "sps";
  spec.filter = "SPS files (*.sps)|*.sps";
  spec.proposed_name = kSpssSyntaxName;
  spec.overwrite_prompt = true;
  const auto path = session_.prompter.save_file(this, spec);
  if (!path) return;
  try {
    write_lines(to_path(*path), pane_lines(*memo_syntax));
  } catch (const std::exception& e) {  // FileError
    show_error(session_.prompter, this, e);
  }
}

}  // namespace jrv::ui
