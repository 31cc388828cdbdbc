// The data editor's fields, rulers, pane, buttons and menus.

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {

QLabel* ruler(QWidget* owner, const char* name, const QFont& font) {
  auto* l = named<QLabel>(owner, name, QString());
  l->setFont(font);
  l->setTextFormat(Qt::PlainText);
  l->setMinimumHeight(QFontMetrics(font).height());
  return l;
}

}  // namespace

TEditForm::TEditForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName("TEditForm");
  setWindowTitle("Data Editor");
  build_fields();
  data_pane_ = std::make_unique<PaneLinesCache>(*MemoData);
  build_menus();
  connect_handlers();
  connect_side_windows();
  rebuild_rulers();
  resize(1000, 760);
}

TEditForm::~TEditForm() = default;

void TEditForm::build_fields() {
  const QFont fixed = fixed_pitch_font(10);
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);

  auto* grid = new QGridLayout;
  txt_title = named<QLineEdit>(this, "txt_title");
  txt_comments = named<QLineEdit>(this, "txt_comments");
  grid->addWidget(new QLabel("Title:", this), 0, 0);
  grid->addWidget(txt_title, 0, 1, 1, 5);
  grid->addWidget(new QLabel("(70 character maximum)", this), 0, 6);
  grid->addWidget(new QLabel("Comments:", this), 1, 0);
  grid->addWidget(txt_comments, 1, 1, 1, 5);
  grid->addWidget(new QLabel("(70 character maximum)", this), 1, 6);

  txt_cases = named<QLineEdit>(this, "txt_cases");
  txt_items = named<QLineEdit>(this, "txt_items");
  txt_label_length = named<QLineEdit>(this, "txt_label_length");
  txt_missing_data = named<QLineEdit>(this, "txt_missing_data", "9");
  txt_missing_data->setReadOnly(true);
  for (auto* f : {txt_cases, txt_items, txt_label_length}) f->setMaximumWidth(80);
  grid->addWidget(new QLabel("# Students:", this), 2, 0);
  grid->addWidget(txt_cases, 2, 1);
  grid->addWidget(new QLabel("# Test Items:", this), 2, 2, Qt::AlignRight);
  grid->addWidget(txt_items, 2, 3);
  grid->addWidget(new QLabel("Length of Examinee Names/IDs (# characters):", this), 2, 4,
                  Qt::AlignRight);
  grid->addWidget(txt_label_length, 2, 5);
  auto* missing_caption = new QLabel("Missing data symbol:", this);
  grid->addWidget(missing_caption, 2, 6);
  grid->addWidget(txt_missing_data, 2, 7);
  missing_caption->hide();
  txt_missing_data->hide();
  grid->setColumnStretch(5, 1);
  outer->addLayout(grid);

  // Key, options and include share the item columns; the rulers above key and include
  // show the item positions.
  auto* items = new QGridLayout;
  items->setVerticalSpacing(0);
  lbl_key_scale1 = ruler(this, "lbl_key_scale1", fixed);
  lbl_key_scale2 = ruler(this, "lbl_key_scale2", fixed);
  lbl_key_scale3 = ruler(this, "lbl_key_scale3", fixed);
  lbl_key_scale4 = ruler(this, "lbl_key_scale4", fixed);
  txt_answer_key = named<QLineEdit>(this, "txt_answer_key");
  txt_options = named<QLineEdit>(this, "txt_options");
  txt_include = named<QLineEdit>(this, "txt_include");
  for (auto* f : {txt_answer_key, txt_options, txt_include}) f->setFont(fixed);
  items->addWidget(lbl_key_scale1, 0, 1);
  items->addWidget(lbl_key_scale2, 1, 1);
  items->addWidget(new QLabel("Key:", this), 2, 0);
  items->addWidget(txt_answer_key, 2, 1);
  items->addWidget(new QLabel("Options:", this), 3, 0);
  items->addWidget(txt_options, 3, 1);
  items->addWidget(lbl_key_scale3, 4, 1);
  items->addWidget(lbl_key_scale4, 5, 1);
  items->addWidget(new QLabel("Include:", this), 6, 0);
  items->addWidget(txt_include, 6, 1);
  items->setColumnStretch(1, 1);
  outer->addLayout(items);

  outer->addWidget(new QLabel("DATA:", this));
  lbl_data_note = named<QLabel>(
      this, "lbl_data_note",
      " Any character not valid as data will be treated as MISSING DATA --- valid data values "
      "are (0-8, A-H, a-h, T, t, F, f)       ");
  outer->addWidget(lbl_data_note);
  lbl_scale1 = ruler(this, "lbl_scale1", fixed);
  lbl_scale2 = ruler(this, "lbl_scale2", fixed);
  MemoData = named<QPlainTextEdit>(this, "MemoData");
  make_report_pane(*MemoData, fixed, false);
  auto* data = new QVBoxLayout;
  data->setSpacing(0);
  data->addWidget(lbl_scale1);
  data->addWidget(lbl_scale2);
  data->addWidget(MemoData, 1);
  outer->addLayout(data, 1);

  // The rulers start where the text of the field below them starts.
  const int field_indent = txt_answer_key->textMargins().left() + 4;
  for (auto* l : {lbl_key_scale1, lbl_key_scale2, lbl_key_scale3, lbl_key_scale4}) {
    l->setContentsMargins(field_indent, 0, 0, 0);
  }
  const int pane_indent =
      MemoData->frameWidth() + static_cast<int>(MemoData->document()->documentMargin());
  for (auto* l : {lbl_scale1, lbl_scale2}) l->setContentsMargins(pane_indent, 0, 0, 0);

  auto* buttons = new QHBoxLayout;
  btn_clear = named<QPushButton>(this, "btn_clear", "Clear All");
  Cancel = named<QPushButton>(this, "Cancel", "Cancel");
  btn_save_map = named<QPushButton>(this, "btn_save_map", "Save File");
  BitBtn1 = named<QPushButton>(this, "BitBtn1", "OK");
  btn_done = named<QPushButton>(this, "btn_done", "Close && Analyze");
  buttons->addWidget(btn_clear);
  buttons->addStretch(1);
  for (auto* b : {Cancel, btn_save_map, BitBtn1, btn_done}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  btn_clear->setAutoDefault(false);
  outer->addLayout(buttons);
}

void TEditForm::build_menus() {
  File2 = named_menu(this, "File2", "&File");
  New1 = menu_item(File2, this, "New1", "&New (reset)", QKeySequence(Qt::CTRL | Qt::Key_N));
  Open1 = menu_item(File2, this, "Open1", "&Open JRV File", QKeySequence(Qt::CTRL | Qt::Key_O));
  ImportJRVInputFilefrompreviousversion1 =
      menu_item(File2, this, "ImportJRVInputFilefrompreviousversion1",
                "Import JRV Input File from previous version");
  ImportSpreadsheet2 = menu_item(File2, this, "ImportSpreadsheet2", "Import Spreadsheet...");
  connect(ImportSpreadsheet2, &QAction::triggered, this, &TEditForm::ImportSpreadsheet2Click);
  OpenJRVv330File1 = hidden_item(this, "OpenJRVv330File1", "Open JRV v3.3.0 File");
  OpenJRVv42xFile1 = hidden_item(this, "OpenJRVv42xFile1", "Open JRV v4.2.x File");
  OpenJRVv5xxInputFile1 = hidden_item(this, "OpenJRVv5xxInputFile1", "Open JRV v5.x.x Input File");
  Save1 = menu_item(File2, this, "Save1", "&Save JRV File", QKeySequence(Qt::CTRL | Qt::Key_S));
  File2->addSeparator();
  SaveCommaDelimited01Data1 =
      menu_item(File2, this, "SaveCommaDelimited01Data1", "Save Comma-Delimited 01 Data");
  SaveCommaDelimitedRawData1 =
      menu_item(File2, this, "SaveCommaDelimitedRawData1", "Save Comma-Delimited Raw Data");
  File2->addSeparator();
  CloseOK1 = menu_item(File2, this, "CloseOK1", "Close and Analyze");
  Close1 = menu_item(File2, this, "Close1", "&Close (Cancel)");
  MainMenu1->addMenu(File2);

  Data1 = named_menu(this, "Data1", "&Data");
  Insert1 = menu_item(Data1, this, "Insert1", "&Insert Text File into Data Window");
  InsertDataKey1 =
      menu_item(Data1, this, "InsertDataKey1", "Insert Data && Answer Key from Text File");
  SaveData1 = menu_item(Data1, this, "SaveData1", "&Save Data Only to Text File");
  Data1->addSeparator();
  GenerateData1 = menu_item(Data1, this, "GenerateData1", "&Generate Data");
  MainMenu1->addMenu(Data1);

  Convert1 = named_menu(this, "Convert1", "&Convert");
  convert_heading1 = menu_item(Convert1, this, "convert_heading1", "DATA are in ORIGINAL FORMAT");
  Convert1->addSeparator();
  ConvertDatatoRightWrongData1 =
      menu_item(Convert1, this, "ConvertDatatoRightWrongData1", "Convert Data to Right-Wrong Data");
  ConvertBacktoOriginalData1 = menu_item(Convert1, this, "ConvertBacktoOriginalData1",
                                         "Convert Right-Wrong Back to Original Data");
  ConvertDatatoNumbers1 =
      menu_item(Convert1, this, "ConvertDatatoNumbers1", "Convert Data to Numbers");
  ConvertDatatoLetters1 =
      menu_item(Convert1, this, "ConvertDatatoLetters1", "Convert Data to Letters");
  ConvertDatabacktoOriginalLines1 = menu_item(Convert1, this, "ConvertDatabacktoOriginalLines1",
                                              "Convert Data back to Original Lines");
  DataareRightWrongData1 =
      hidden_item(this, "DataareRightWrongData1", "RECODE data as RIGHT-WRONG");
  DataareRightWrongData1->setCheckable(true);
  MainMenu1->addMenu(Convert1);

  Options2 = named_menu(this, "Options2", "&Options");
  SetTableofSpecifications1 =
      menu_item(Options2, this, "SetTableofSpecifications1", "Set Table of Specifications...");
  SetAlternativeCorrectAnswers1 = menu_item(Options2, this, "SetAlternativeCorrectAnswers1",
                                            "Set Alternative Correct Answers...");
  PartialCredit1 = menu_item(Options2, this, "PartialCredit1",
                             "Add/Remove Partial Credit or change MC point values...");
  Options2->addSeparator();
  ChangeMaxOptionsto51 =
      menu_item(Options2, this, "ChangeMaxOptionsto51", "Change Max # Options to 5");
  ChangeMaxOptionsto81 =
      menu_item(Options2, this, "ChangeMaxOptionsto81", "Change Max # Options to 8");
  SetTableofSpecifications1->setEnabled(false);
  MainMenu1->addMenu(Options2);

  Help2 = named_menu(this, "Help2", "&Help");
  AnswerKeyandIncludeItemCodes1 =
      menu_item(Help2, this, "AnswerKeyandIncludeItemCodes1", "&Answer Key and Include Item Codes");
  HowToImportVKMTestscoreData1 =
      menu_item(Help2, this, "HowToImportVKMTestscoreData1", "How To Import VKM Testscore Data");
  InsertTESTSCOREdata1 = menu_item(Help2, this, "InsertTESTSCOREdata1", "Import VKM Testscore Data",
                                   QKeySequence(Qt::CTRL | Qt::Key_F9));
  CountlinesofdataasExaminees1 =
      menu_item(Help2, this, "CountlinesofdataasExaminees1", "Count lines of data as # Examinees",
                QKeySequence(Qt::SHIFT | Qt::Key_F5));
  SecretSetupQZL11 = hidden_item(this, "SecretSetupQZL11", "Secret Setup QZL1",
                                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
  MainMenu1->addMenu(Help2);
}

}  // namespace jrv::ui
