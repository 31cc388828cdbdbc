// The editor's Convert menu, text inserts, card-image import, data exports, the hidden
// right-wrong example and the text-insert help.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/input/spss_unit.h"
#include "ui/support/qt_text.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

QStringList pane(const TEditForm& e) {
  return e.MemoData->toPlainText().split('\n');
}

void write_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A card of 80 columns: `text` from column `from` (1-based), `mark` in column 80.
QString card(int from, const QString& text, char mark) {
  QString c(79, ' ');
  c.replace(from - 1, text.size(), text);
  return c + QChar(mark);
}

}  // namespace

class ConversionsTest : public QObject {
  Q_OBJECT

 private slots:
  void rightWrongAndBackRestoresTheTypedLines();
  void lettersNumbersAndOriginalLines();
  void failedCheckStopsAConversion();
  void insertsFillThePaneAndTheKey();
  void exportsProposeNamesAndKeepTheCoding();
  void cardImagesBecomeDataLines();
  void hiddenExampleIsRightWrongData();
  void textInsertHelpPrintsAndSavesItsSyntax();
};

void ConversionsTest::rightWrongAndBackRestoresTheTypedLines() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, TypedTest{});
  const QStringList typed = pane(e);
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in ORIGINAL FORMAT"));
  QVERIFY(!e.ConvertBacktoOriginalData1->isEnabled());

  e.ConvertDatatoRightWrongData1->trigger();
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  QCOMPARE(pane(e), QStringList({"AL 1111", "BO 1110", "CY 1100", "DI 1000", "ED 0001"}));
  QCOMPARE(e.txt_answer_key->text(), QString("1111"));
  QCOMPARE(e.txt_options->text(), QString("2222"));
  QCOMPARE(e.convert_heading1->text(), QString("DATA are CODED as RIGHT-WRONG"));
  QVERIFY(e.DataareRightWrongData1->isChecked());
  QCOMPARE(e.DataareRightWrongData1->text(), QString("DATA ARE CODED AS RIGHT-WRONG"));
  for (QAction* a : {e.ConvertDatatoNumbers1, e.ConvertDatatoLetters1,
                     e.ConvertDatabacktoOriginalLines1, e.ConvertDatatoRightWrongData1}) {
    QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
  }
  QVERIFY(e.ConvertBacktoOriginalData1->isEnabled());

  e.ConvertBacktoOriginalData1->trigger();
  QCOMPARE(pane(e), typed);
  QCOMPARE(e.txt_answer_key->text(), QString("ABCD"));
  QCOMPARE(e.txt_options->text(), QString("4444"));
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in ORIGINAL FORMAT"));
  QVERIFY(!e.DataareRightWrongData1->isChecked());

  // The hidden toggle only flips the mode and the menu, never the data.
  e.DataareRightWrongData1->trigger();
  QVERIFY(p.session().ws.right_wrong_mode);
  QCOMPARE(e.DataareRightWrongData1->text(), QString("DATA ARE CODED AS RIGHT-WRONG"));
  QCOMPARE(pane(e), typed);
  e.DataareRightWrongData1->trigger();
  QVERIFY(!p.session().ws.right_wrong_mode);
}

void ConversionsTest::lettersNumbersAndOriginalLines() {
  TestProgram p;
  TEditForm& e = p.edit();
  TypedTest t;
  t.lines = {"AL ABCD", "BO abc.", "CY 1234", "DI AAAA", "ED DDDD"};
  type_test(e, t);
  e.ConvertDatatoNumbers1->trigger();
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in NUMERIC FORMAT"));
  QCOMPARE(e.txt_answer_key->text(), QString("1234"));
  QCOMPARE(pane(e), QStringList({"AL 1234", "BO 123.", "CY 1234", "DI 1111", "ED 4444"}));
  e.ConvertDatatoLetters1->trigger();
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in LETTER FORMAT"));
  QCOMPARE(e.txt_answer_key->text(), QString("ABCD"));
  QCOMPARE(pane(e).at(1), QString("BO ABC."));
  e.ConvertDatabacktoOriginalLines1->trigger();
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in ORIGINAL FORMAT"));
  QCOMPARE(pane(e).at(1), QString("BO abc."));
  QVERIFY(p.prompter.messages.isEmpty());
}

void ConversionsTest::failedCheckStopsAConversion() {
  TestProgram p;
  TEditForm& e = p.edit();
  TypedTest t;
  t.cases = "6";
  type_test(e, t);
  const QStringList typed = pane(e);
  e.ConvertDatatoRightWrongData1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"Number of Data Lines less than Number of Examinees"});
  QCOMPARE(pane(e), typed);
  QVERIFY(!p.session().ws.right_wrong_mode);
  QCOMPARE(e.convert_heading1->text(), QString("DATA are in ORIGINAL FORMAT"));
}

void ConversionsTest::insertsFillThePaneAndTheKey() {
  QTemporaryDir dir;
  TestProgram p;
  TEditForm& e = p.edit();
  const QString plain = dir.filePath("plain.txt");
  write_file(plain, "AL ABCD\r\nBO ABCA\r\n\r\n");
  p.prompter.open_answers.push_back(plain);
  e.Insert1->trigger();
  QCOMPARE(p.prompter.open_requests.back().default_extension, QString());
  QCOMPARE(p.prompter.open_requests.back().filter,
           QString("Text files (*.txt,*.out,*.dat,*.csv)|*.txt;*.out;*.dat;*.csv|All Files "
                   "(*.*)|*.*"));
  QCOMPARE(pane(e), QStringList({"AL ABCD", "BO ABCA", ""}));
  QCOMPARE(e.txt_cases->text(), QString("3"));  // the empty line counts

  const QString keyed = dir.filePath("keyed.txt");
  write_file(keyed, "KEY:    1234\r\nAL 1234\r\nBO 1231\r\n");
  p.prompter.open_answers.push_back(keyed);
  e.InsertDataKey1->trigger();
  QCOMPARE(e.txt_answer_key->text(), QString("1234"));
  QCOMPARE(pane(e), QStringList({"AL 1234", "BO 1231"}));

  // A first line without a digit is refused and changes nothing.
  const QString keyless = dir.filePath("keyless.txt");
  write_file(keyless, "no key here\r\nZZ 4444\r\n");
  p.prompter.open_answers.push_back(keyless);
  e.InsertDataKey1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"The first line must hold the answer key"});
  QCOMPARE(e.txt_answer_key->text(), QString("1234"));
  QCOMPARE(pane(e), QStringList({"AL 1234", "BO 1231"}));

  // A file that cannot be read leaves the pane as it was, with the reason.
  p.prompter.messages.clear();
  p.prompter.open_answers.push_back(dir.filePath("missing.txt"));
  e.Insert1->trigger();
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages[0].contains("missing.txt"));
  QCOMPARE(pane(e), QStringList({"AL 1234", "BO 1231"}));

  // Saving the data only writes the pane's lines as they stand.
  p.prompter.save_answers.push_back(dir.filePath("only"));
  e.SaveData1->trigger();
  QCOMPARE(p.prompter.save_requests.back().default_extension, QString("txt"));
  QCOMPARE(file_bytes(dir.filePath("only.txt")), QByteArray("AL 1234\r\nBO 1231\r\n"));
}

void ConversionsTest::exportsProposeNamesAndKeepTheCoding() {
  QTemporaryDir dir;
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, TypedTest{});
  const QStringList typed = pane(e);
  p.prompter.save_answers.push_back(dir.filePath("zero_one.txt"));
  e.SaveCommaDelimited01Data1->trigger();
  const FileDialogSpec& asked = p.prompter.save_requests.back();
  QCOMPARE(asked.proposed_name, QString("data_01"));
  QCOMPARE(asked.filter, QString("TXT files (*.txt)|*.txt"));
  const auto lines = file_lines(dir.filePath("zero_one.txt"));
  QCOMPARE(lines.size(), std::size_t{7});
  QCOMPARE(lines[0], std::string("Examinee,Item01,Item02,Item03,Item04"));
  QCOMPARE(lines[1], std::string("Answer Key          ,1,1,1,1"));
  QCOMPARE(lines[3], std::string("BO ,1,1,1,0"));
  QCOMPARE(pane(e), typed);  // the export leaves the data as typed
  QVERIFY(!p.session().ws.right_wrong_mode);

  p.map().txt_map_name->setText("Exam1");
  p.prompter.save_answers.push_back(dir.filePath("raw.txt"));
  e.SaveCommaDelimitedRawData1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("Exam1_raw_data"));
  const auto raw = file_lines(dir.filePath("raw.txt"));
  QCOMPARE(raw.at(1), std::string("Answer Key          ,1,2,3,4"));
  QCOMPARE(raw.at(3), std::string("BO ,1,2,3,1"));
  QVERIFY(p.prompter.messages.isEmpty());

  // Cancelling the dialog writes nothing.
  p.prompter.save_answers.push_back(std::nullopt);
  e.SaveCommaDelimited01Data1->trigger();
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void ConversionsTest::cardImagesBecomeDataLines() {
  TestProgram p;
  TEditForm& e = p.edit();
  e.HowToImportVKMTestscoreData1->trigger();
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages.takeFirst().startsWith(
      "Steps to follow for importing VKM TESTSCORE data:"));

  e.txt_items->setText("4");
  QString ann = card(1, "SMITH ANN", '1');
  ann.replace(43, 4, "AB D");  // the answers start in column 44
  const QStringList cards = {
      card(44, "ABCD", '1'),
      card(1, "", '2'),  // the key
      ann,
      card(1, "", '2'),
      QString(70, ' ') + "*",  // no markers: only columns 11-79 of the second card count
      card(34, "CC", '2')};
  e.MemoData->setPlainText(cards.join('\n'));
  e.InsertTESTSCOREdata1->trigger();
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  QCOMPARE(e.txt_answer_key->text(), QString("ABCD"));
  QCOMPARE(e.txt_label_length->text(), QString("43"));
  QCOMPARE(e.txt_items->text(), QString("4"));
  QCOMPARE(e.txt_cases->text(), QString("2"));
  QCOMPARE(e.txt_options->text(), QString("5555"));
  QCOMPARE(e.txt_include->text(), QString("YYYY"));
  const QStringList lines = pane(e);
  QCOMPARE(lines.size(), 2);
  QVERIFY(lines[0].startsWith("SMITH ANN"));
  QCOMPARE(lines[0].mid(43), QString("AB9D"));
  QCOMPARE(lines[1].size(), 47);

  // Without a valid item count nothing is imported.
  e.txt_items->setText("abc");
  p.prompter.messages.clear();  // the typing check's own message
  e.InsertTESTSCOREdata1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"Number of Items must be an integer"});
  QCOMPARE(pane(e), lines);
}

void ConversionsTest::hiddenExampleIsRightWrongData() {
  TestProgram p;
  TEditForm& e = p.edit();
  e.SecretSetupQZL11->trigger();
  QCOMPARE(e.txt_title->text(), QString("Data for Biserial Example"));
  QCOMPARE(e.txt_cases->text(), QString("200"));
  QCOMPARE(e.MemoData->document()->blockCount(), 200);
  QVERIFY(pane(e).at(0).startsWith("Examinee   1   "));
  QVERIFY(p.session().ws.right_wrong_mode);
  QCOMPARE(e.convert_heading1->text(), QString("DATA are CODED as RIGHT-WRONG"));
  QVERIFY(p.map().rdo_use_raw->isChecked());
}

void ConversionsTest::textInsertHelpPrintsAndSavesItsSyntax() {
  QTemporaryDir dir;
  TestProgram p;
  TSPSSform& help = *p.session().windows.spss;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TSPSSform&>(d);
    p.prompter.print_answers.push_back(dir.filePath("syntax.pdf"));
    f.btn_print->click();
    p.prompter.save_answers.push_back(dir.filePath("mine.sps"));
    f.btn_save->click();
    f.BitBtn1->click();
  });
  p.map().HowtoSpeciallsaveSPSSfiles1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList{"TSPSSform"});
  QCOMPARE(p.prompter.printed_documents, QStringList{"SPSS Syntax"});
  QVERIFY(QFile::exists(dir.filePath("syntax.pdf")));
  const FileDialogSpec& asked = p.prompter.save_requests.back();
  QCOMPARE(asked.proposed_name, QString("spss2jrv.SPS"));
  QCOMPARE(asked.filter, QString("SPS files (*.sps)|*.sps"));
  QCOMPARE(QString::fromLatin1(file_bytes(dir.filePath("mine.sps"))),
           help.memo_syntax->toPlainText().replace("\n", "\r\n") + "\r\n");
  QVERIFY(!help.isVisible());
}

QTEST_MAIN(ConversionsTest)
#include "conversions_test.moc"
