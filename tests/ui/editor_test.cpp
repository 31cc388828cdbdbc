// The data editor as the main window shows it: failed checks bring it back as typed with
// the field at fault focused, Cancel and OK, start modes, typing checks, open and save.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

TEditForm& as_editor(QDialog& d) {
  return static_cast<TEditForm&>(d);
}

// What the editor showed when it came back.
struct Seen {
  QString focus;
  QString cases, items, key, include;
  QString data;
};

Seen look(TEditForm& e) {
  return {e.focusWidget() ? e.focusWidget()->objectName() : QString(),
          e.txt_cases->text(),
          e.txt_items->text(),
          e.txt_answer_key->text(),
          e.txt_include->text(),
          e.MemoData->toPlainText()};
}

}  // namespace

Q_DECLARE_METATYPE(jrv::ui::test::TypedTest)

class EditorTest : public QObject {
  Q_OBJECT

 private slots:
  void failedCheckShowsItsMessageAndBringsTheEditorBackAsTyped_data();
  void failedCheckShowsItsMessageAndBringsTheEditorBackAsTyped();
  void includeWarningBringsTheEditorBack();
  void cancelLoadsNothing();
  void okLoadsWithoutAnalysing();
  void startModesNewKeepAndOpen();
  void insertModeReadsKeyAndDataFromATextFile();
  void typingChecksTheCountsAndRedrawsTheRulers();
  void saveWritesTheFileOrRefusesAShiftedOne();
};

void EditorTest::failedCheckShowsItsMessageAndBringsTheEditorBackAsTyped_data() {
  QTest::addColumn<TypedTest>("test");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("focus");
  TypedTest t;
  t.cases = "five";
  QTest::newRow("cases") << t << "Number of Examinees must be an integer"
                         << "txt_cases";
  t = {};
  t.items = "101";
  QTest::newRow("items") << t << "Number of Items must be between 1 and 100"
                         << "txt_items";
  t = {};
  t.lines.push_back("");
  QTest::newRow("trailing empty line")
      << t
      << "Number of Data Lines greater than Number of Examinees -- you might also check for "
         "blank lines at the end of the data."
      << "txt_cases";
  t = {};
  t.lines.pop_back();
  QTest::newRow("fewer lines") << t << "Number of Data Lines less than Number of Examinees"
                               << "txt_cases";
}

void EditorTest::failedCheckShowsItsMessageAndBringsTheEditorBackAsTyped() {
  QFETCH(TypedTest, test);
  QFETCH(QString, message);
  QFETCH(QString, focus);
  TestProgram p;
  Seen typed, again;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    type_test(as_editor(d), test);
    p.prompter.take_messages();  // what typing a bad count says is not the check's
    typed = look(as_editor(d));
    as_editor(d).btn_done->click();
  });
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    again = look(as_editor(d));
    as_editor(d).Cancel->click();
  });
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.modal_windows, (QStringList{"TEditForm", "TEditForm"}));
  QCOMPARE(p.prompter.messages, QStringList{message});
  QCOMPARE(again.focus, focus);
  QCOMPARE(again.cases, typed.cases);
  QCOMPARE(again.items, typed.items);
  QCOMPARE(again.key, typed.key);
  QCOMPARE(again.data, typed.data);
  QVERIFY(!p.map().btn_analyze->isEnabled());
}

void EditorTest::includeWarningBringsTheEditorBack() {
  TestProgram p;
  TypedTest t;
  t.include = "YYAY";
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    type_test(as_editor(d), t);
    as_editor(d).btn_done->click();
  });
  Seen again;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    again = look(as_editor(d));
    as_editor(d).Cancel->click();
  });
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.modal_windows.size(), 2);
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages[0].startsWith("You may have changed the Include status of an item"));
  QVERIFY(p.prompter.messages[0].endsWith("just click CLOSE and ANALYZE again."));
  QCOMPARE(again.include, QString("YYAY"));
}

void EditorTest::cancelLoadsNothing() {
  TestProgram p;
  p.prompter.modal_actions.push_back([](QDialog& d) {
    type_test(as_editor(d), TypedTest{});
    as_editor(d).Cancel->click();
  });
  TMapForm& m = p.map();
  m.btn_gotodata->click();
  QCOMPARE(p.prompter.modal_windows.size(), 1);
  QCOMPARE(p.session().ws.num_cases, 0);
  QVERIFY(!m.btn_analyze->isEnabled() && !m.Run1->isEnabled());
  QVERIFY(!m.SaveJRVInputFile1->isEnabled());
  QVERIFY(m.rdo_edit_data->isChecked());
  QCOMPARE(m.Label5->text(), QString("Must click OK when leaving editor"));
  QVERIFY(m.Label5->isHidden() && m.txt_map_name->isHidden());
  QVERIFY(m.memo_results->toPlainText().isEmpty());
}

void EditorTest::okLoadsWithoutAnalysing() {
  TestProgram p;
  p.prompter.modal_actions.push_back([](QDialog& d) {
    type_test(as_editor(d), TypedTest{});
    as_editor(d).BitBtn1->click();
  });
  TMapForm& m = p.map();
  m.show();
  m.btn_gotodata->click();
  QCOMPARE(p.session().ws.num_cases, 5);
  QVERIFY(m.btn_analyze->isEnabled() && m.Run1->isEnabled());
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));
  QCOMPARE(m.focusWidget(), m.btn_analyze);
  QVERIFY(m.memo_results->toPlainText().isEmpty());  // nothing analysed yet
  QCOMPARE(m.txt_t->text(), QString("Unit test (five examinees)"));
  QVERIFY(m.btn_view_examinee->isEnabled() && m.btn_view_q_exam->isEnabled() &&
          m.btn_view_q_item->isEnabled());
  QVERIFY(!m.btn_saveresults->isEnabled());

  // An option chosen now marks the coming analysis as one with new options.
  m.rdo_sort_scor->trigger();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze with NEW Options (F9)"));
  m.btn_analyze->click();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));
  QVERIFY(m.memo_results->toPlainText().contains("These results have been sorted by score"));
}

void EditorTest::startModesNewKeepAndOpen() {
  QTemporaryDir dir;
  TestProgram p;
  TMapForm& m = p.map();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    type_test(as_editor(d), TypedTest{});
    as_editor(d).btn_done->click();
  });
  m.btn_gotodata->click();
  const QString items_pane = m.memo_items->toPlainText();
  QVERIFY(!items_pane.isEmpty());

  // Edit mode: the editor keeps its contents, the item pane stays.
  QVERIFY(m.rdo_edit_data->isChecked());
  Seen kept;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    kept = look(as_editor(d));
    as_editor(d).Cancel->click();
  });
  m.btn_gotodata->click();
  QCOMPARE(kept.cases, QString("5"));
  QCOMPARE(m.memo_items->toPlainText(), items_pane);
  QVERIFY(!m.btn_view_examinee->isEnabled());  // back in the no-data state

  // New data: an empty editor, the item pane cleared.
  Seen fresh;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    fresh = look(as_editor(d));
    as_editor(d).Cancel->click();
  });
  m.rdo_enter_data->click();
  m.btn_gotodata->click();
  QVERIFY(fresh.cases.isEmpty() && fresh.data.isEmpty() && fresh.key.isEmpty());
  QVERIFY(m.memo_items->toPlainText().isEmpty());

  // Open mode: asks for a file; the file saved by the editor reads back as typed.
  const QString saved = dir.filePath("typed.jrv");
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    type_test(as_editor(d), TypedTest{});
    p.prompter.save_answers.push_back(saved);
    as_editor(d).btn_save_map->click();
    as_editor(d).Cancel->click();
  });
  m.rdo_enter_data->click();
  m.btn_gotodata->click();
  QVERIFY(QFile::exists(saved));
  Seen opened;
  p.prompter.open_answers.push_back(saved);
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    opened = look(as_editor(d));
    as_editor(d).btn_done->click();
  });
  m.rdo_read_file->click();
  m.btn_gotodata->click();
  const FileDialogSpec& asked = p.prompter.open_requests.back();
  QCOMPARE(asked.default_extension, QString("jrv"));
  QCOMPARE(asked.filter, QString("JRV files (*.jrv)|*.jrv|All Files (*.*)|*.*"));
  QVERIFY(asked.proposed_name.isEmpty());
  QCOMPARE(opened.key, QString("ABCD"));
  QCOMPARE(opened.data, QString("AL ABCD\nBO ABCA\nCY ABAA\nDI AAAA\nED DDDD"));
  QVERIFY(p.prompter.messages.isEmpty());
  // Accepted from a file: the names come from it and the analysis ran.
  QCOMPARE(m.txt_results_name->text(), QString("typed"));
  QCOMPARE(m.txt_map_name->text(), QString("typed"));
  QVERIFY(m.btn_view_examinee->isEnabled());
}

void EditorTest::insertModeReadsKeyAndDataFromATextFile() {
  QTemporaryDir dir;
  const QString text = dir.filePath("scores.txt");
  QFile f(text);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("KEY      1234\r\nANN      1234\r\nBEN      1243\r\n");
  f.close();
  TestProgram p;
  Seen inserted;
  p.prompter.open_answers.push_back(text);
  p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                        inserted = look(as_editor(d));
                                        as_editor(d).Cancel->click();
                                      }});
  p.map().rdo_spss_file->click();
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.open_requests.size(), std::size_t{1});
  QVERIFY(p.prompter.open_requests[0].filter.startsWith("Text files"));
  QCOMPARE(inserted.key, QString("1234"));
  QCOMPARE(inserted.data, QString("ANN      1234\nBEN      1243"));
}

void EditorTest::typingChecksTheCountsAndRedrawsTheRulers() {
  TestProgram p;
  TEditForm& e = p.edit();
  e.show();
  const QString before = e.lbl_scale2->text();
  e.txt_label_length->setText("3");
  e.txt_items->setText("12");
  QVERIFY(p.prompter.messages.isEmpty());
  QVERIFY(e.SetTableofSpecifications1->isEnabled());
  QVERIFY(e.lbl_scale2->text() != before);
  QCOMPARE(e.lbl_scale2->text().size(), 15);  // label part and twelve item positions
  QCOMPARE(e.lbl_key_scale2->text().size(), 12);

  e.txt_items->setText("x");
  QCOMPARE(p.prompter.take_messages(), QStringList{"Number of Items must be an integer"});
  QCOMPARE(e.focusWidget(), e.txt_items);
  QVERIFY(!e.SetTableofSpecifications1->isEnabled());
  e.txt_items->setText("100");
  e.txt_label_length->setText("6");
  QCOMPARE(p.prompter.take_messages().size(), 1);
  QCOMPARE(e.focusWidget(), e.txt_label_length);

  // Filled by the program (New), the fields raise no message.
  e.New1->trigger();
  QVERIFY(p.prompter.messages.isEmpty());
  QVERIFY(e.txt_items->text().isEmpty());
  e.hide();
}

void EditorTest::saveWritesTheFileOrRefusesAShiftedOne() {
  QTemporaryDir dir;
  TestProgram p;
  TEditForm& e = p.edit();
  e.show();
  type_test(e, TypedTest{});
  p.prompter.save_answers.push_back(dir.filePath("first"));
  p.map().Label6->show();
  e.Save1->trigger();
  const FileDialogSpec& asked = p.prompter.save_requests.back();
  QCOMPARE(asked.default_extension, QString("jrv"));
  QCOMPARE(asked.filter, QString("JRV files (*.jrv)|*.jrv"));
  QVERIFY(asked.overwrite_prompt);
  QVERIFY(QFile::exists(dir.filePath("first.jrv")));
  QVERIFY(p.map().Label6->isHidden());
  QVERIFY(p.session().input_saved);
  QVERIFY(p.prompter.messages.isEmpty());

  // Six lines under "# Examinees = 5" would read back shifted: refused, nothing written.
  e.MemoData->appendPlainText("FY ABCD");
  p.prompter.save_answers.push_back(dir.filePath("second.jrv"));
  e.btn_save_map->click();
  QVERIFY(!QFile::exists(dir.filePath("second.jrv")));
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages[0].contains('5') && p.prompter.messages[0].contains('6'));
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
