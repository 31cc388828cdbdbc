// A class's responses come from a spreadsheet and its grades go back to a gradebook:
// Import Spreadsheet, choose the columns, Import, Close && Analyze, then Export Scores for
// a Gradebook, from the main window and from the data editor.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/input/sheet_import_form.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

constexpr char kClassCsv[] =
    "ID,Last,First,Q1,Q2,Q3,Q4\r\n"
    "KEY,,,A,B,C,D\r\n"
    "11,Abel,Ann,A,B,C,D\r\n"
    "12,Baker,Bo,A,B,A,A\r\n"
    "13,Cole,Cy,B,,C,D\r\n";

QString write_file(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return f.fileName();
}

QList<QAction*> menu_actions(const QWidget& w, const char* menu) {
  return child<QMenu>(&w, menu)->actions();
}

}  // namespace

class SheetImportTest : public QObject {
  Q_OBJECT

 private slots:
  void importedClassIsAnalysedAndGradedBack();
  void editorImportAndRefusals();
};

void SheetImportTest::importedClassIsAnalysedAndGradedBack() {
  QTemporaryDir dir;
  TestProgram p;
  TMapForm& m = p.map();
  m.show();

  // Both menus offer the import; the export waits for an analysis.
  QVERIFY(menu_actions(m, "File1").contains(m.ImportSpreadsheet1));
  QVERIFY(menu_actions(m, "File1").contains(m.ExportScoresforaGradebook1));
  QVERIFY(menu_actions(p.edit(), "File2").contains(p.edit().ImportSpreadsheet2));
  QVERIFY(!m.ExportScoresforaGradebook1->isEnabled());

  p.prompter.open_answers.push_back(write_file(dir, "class.csv", kClassCsv));
  QString guessed_summary, chosen_summary, guessed_labels, tab_order;
  p.prompter.modal_actions.push_back(
      {"TSheetImportForm", [&](QDialog& d) {
         auto& form = static_cast<TSheetImportForm&>(d);
         guessed_summary = form.lbl_summary->text();
         guessed_labels = form.txt_label_columns->text();
         QCOMPARE(form.grid_preview->item(3, 1)->text(), QString("Baker"));
         QVERIFY(form.chk_header->isChecked());
         QCOMPARE(form.txt_item_columns->text(), QString("D-G"));
         QCOMPARE(form.txt_key_row->text(), QString("2"));
         // Keyboard order: the choices follow each other.
         form.txt_label_columns->setFocus();
         QWidget* next = form.txt_label_columns->nextInFocusChain();
         while (next != nullptr && !(next->focusPolicy() & Qt::TabFocus))
           next = next->nextInFocusChain();
         tab_order = next->objectName();
         // First name then last name, without the ID.
         form.txt_label_columns->setText("C,B");
         chosen_summary = form.lbl_summary->text();
         form.btn_import->click();
       }});
  QStringList editor_lines;
  QString editor_items;
  p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                        auto& editor = static_cast<TEditForm&>(d);
                                        editor_items = editor.txt_items->text();
                                        editor_lines = editor.MemoData->toPlainText().split('\n');
                                        // Nothing was analysed before the editor is left, and the
                                        // import said nothing.
                                        QVERIFY(p.session().ws.reports.quick_examinee.empty());
                                        QVERIFY2(p.prompter.messages.isEmpty(),
                                                 qPrintable(p.prompter.messages.join('\n')));
                                        editor.btn_done->click();
                                      }});
  m.ImportSpreadsheet1->trigger();
  QCOMPARE(p.prompter.modal_windows, (QStringList{"TSheetImportForm", "TEditForm"}));
  QCOMPARE(guessed_summary, QString("3 examinees, 4 items, key from row 2"));
  QCOMPARE(guessed_labels, QString("A-C"));
  QCOMPARE(chosen_summary, QString("3 examinees, 4 items, key from row 2"));
  QCOMPARE(tab_order, QString("txt_item_columns"));
  QCOMPARE(editor_items, QString("4"));
  QCOMPARE(editor_lines, (QStringList{"Ann AbelABCD", "Bo BakerABAA", "Cy Cole B.CD"}));

  // The quick results show the scores.
  const QString results = m.memo_results->toPlainText();
  QVERIFY2(results.contains(QRegularExpression("Ann Abel +4 +100.00%")), qPrintable(results));
  QVERIFY2(results.contains(QRegularExpression("Bo Baker +2 +50.00%")), qPrintable(results));
  QVERIFY2(results.contains(QRegularExpression("Cy Cole +2 +50.00%")), qPrintable(results));

  // Grades back out, with the roster's uncut columns.
  QVERIFY(m.ExportScoresforaGradebook1->isEnabled());
  const QString gradebook = dir.filePath("class_gradebook.csv");
  p.prompter.save_answers.push_back(gradebook);
  m.ExportScoresforaGradebook1->trigger();
  QCOMPARE(p.prompter.save_requests.back().default_extension, QString("csv"));
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("UNSAVED_gradebook.csv"));
  QFile f(gradebook);
  QVERIFY(f.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromUtf8(f.readAll()),
           QString("\uFEFFFirst,Last,Label,Raw Score,Percent,Grade\r\n"
                   "Ann,Abel,Ann Abel,4,100.0,\r\n"
                   "Bo,Baker,Bo Baker,2,50.0,\r\n"
                   "Cy,Cole,Cy Cole,2,50.0,\r\n"));
}

void SheetImportTest::editorImportAndRefusals() {
  QTemporaryDir dir;
  TestProgram p;
  TEditForm& editor = p.edit();
  editor.show();
  editor.txt_title->setText("Typed before");

  // A file that is not a spreadsheet: one message, the editor unchanged.
  p.prompter.open_answers.push_back(write_file(dir, "notes.xlsx", "just notes"));
  editor.ImportSpreadsheet2->trigger();
  QCOMPARE(p.prompter.take_messages(),
           QStringList{"notes.xlsx: not a spreadsheet: the file is not an XLSX or ODS workbook"});
  QCOMPARE(editor.txt_title->text(), QString("Typed before"));

  // A choice that cannot be mapped disables Import and says why; Cancel changes nothing.
  p.prompter.open_answers.push_back(write_file(dir, "class.csv", kClassCsv));
  QString refusal;
  bool import_enabled = true;
  p.prompter.modal_actions.push_back({"TSheetImportForm", [&](QDialog& d) {
                                        auto& form = static_cast<TSheetImportForm&>(d);
                                        form.txt_typed_key->setText("ABC");
                                        refusal = form.lbl_summary->text();
                                        import_enabled = form.btn_import->isEnabled();
                                        form.btn_cancel->click();
                                      }});
  editor.ImportSpreadsheet2->trigger();
  QCOMPARE(refusal, QString("class.csv: the key has 3 answers for 4 item columns"));
  QVERIFY(!import_enabled);
  QCOMPARE(editor.txt_title->text(), QString("Typed before"));

  // Import fills the editor's fields.
  p.prompter.open_answers.push_back(dir.filePath("class.csv"));
  p.prompter.modal_actions.push_back({"TSheetImportForm", [&](QDialog& d) {
                                        auto& form = static_cast<TSheetImportForm&>(d);
                                        form.txt_title->setText("Unit 5");
                                        form.btn_import->click();
                                      }});
  editor.ImportSpreadsheet2->trigger();
  QCOMPARE(editor.txt_title->text(), QString("Unit 5"));
  QCOMPARE(editor.txt_cases->text(), QString("3"));
  QCOMPARE(editor.txt_answer_key->text(), QString("ABCD"));
  QCOMPARE(editor.txt_options->text(), QString("2234"));
  QCOMPARE(editor.MemoData->toPlainText().split('\n').first(), QString("11 Abel AnnABCD"));
  QVERIFY(p.prompter.messages.isEmpty());
}

QTEST_MAIN(SheetImportTest)
#include "sheet_import_test.moc"
