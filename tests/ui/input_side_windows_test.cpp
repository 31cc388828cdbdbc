// The editor's side windows: alternative answers, partial credit, the table of
// specifications, and the chooser of older input files.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/input/answer_form_unit.h"
#include "ui/input/import_unit.h"
#include "ui/input/pc_unit.h"
#include "ui/input/table_unit.h"
#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/support/string_grid.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

TypedTest test_with_alternatives() {
  TypedTest t;
  t.include = "YYAY";  // item 3: key C (3), four options
  return t;
}

// A typed test of `items` four-option items, all keyed A.
TypedTest test_of_items(int items) {
  TypedTest t;
  t.items = QString::number(items);
  t.key = QString(items, 'A');
  t.options = QString(items, '4');
  t.include = QString(items, 'Y');
  t.lines.clear();
  for (int i = 0; i < 5; ++i) t.lines.push_back(QString("E%1 ").arg(i) + QString(items, 'A'));
  return t;
}

}  // namespace

class InputSideWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void alternativeAnswersGridRefusesOutOfRangeAndComesBack();
  void alternativeAnswersNeedAnItemFlaggedA();
  void partialCreditExtendsTheOptionsLineAndTheRulers();
  void partialCreditFallsBackOnBadPoints();
  void tableLaysOutGridsByItemCount();
  void tableRefusesCellsAndStoresNamesWithDefaults();
  void tablePresetsAndReset();
  void importFromMainWindowReadsAnOlderFileIntoTheEditor();
  void importFromTheEditorFillsItsSideWindows();
};

void InputSideWindowsTest::alternativeAnswersGridRefusesOutOfRangeAndComesBack() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, test_with_alternatives());
  QStringList seen;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TAnswerForm&>(d);
    // One row for item 3; the first three columns are fixed; four options give 2nd to 4th.
    QCOMPARE(f.StringGrid1->rowCount(), 1);
    QCOMPARE(f.StringGrid1->columnCount(), 6);
    QCOMPARE(cell_text(*f.StringGrid1, 0, 0), QString("3"));
    QCOMPARE(cell_text(*f.StringGrid1, 0, 1), QString("4"));
    QCOMPARE(cell_text(*f.StringGrid1, 0, 2), QString("3"));
    QVERIFY(!(f.StringGrid1->item(0, 2)->flags() & Qt::ItemIsEditable));
    QVERIFY(f.StringGrid1->item(0, 3)->flags() & Qt::ItemIsEditable);
    QCOMPARE(cell_text(*f.titlegrid, 0, 3), QString("2nd"));
    QCOMPARE(cell_text(*f.titlegrid, 2, 2), QString("in Key"));
    set_cell(*f.StringGrid1, 0, 3, "5");
    f.btn_ok->click();
  });
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TAnswerForm&>(d);
    seen << cell_text(*f.StringGrid1, 0, 3);  // as typed
    set_cell(*f.StringGrid1, 0, 3, "4");
    f.SaveExit1->trigger();
  });
  e.SetAlternativeCorrectAnswers1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TAnswerForm", "TAnswerForm"}));
  QCOMPARE(p.prompter.messages,
           QStringList{"One of your alternative correct answers is not a value between 1 and the "
                       "number of options for that item -- check item #3"});
  QCOMPARE(seen, QStringList{"5"});
  const Workspace& ws = p.session().ws;
  QCOMPARE(ws.correct_answers[3][1], 3);
  QCOMPARE(ws.correct_answers[3][2], 4);
  QCOMPARE(p.session().doc.alternatives.rows.at(0)[3], std::string("4"));

  // A cell that is no number stops OK with the conversion message; Cancel then leaves
  // every slot at the key.
  p.prompter.messages.clear();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TAnswerForm&>(d);
    QCOMPARE(cell_text(*f.StringGrid1, 0, 3), QString("4"));  // kept from the last OK
    set_cell(*f.StringGrid1, 0, 3, "x");
    f.btn_ok->click();
  });
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TAnswerForm&>(d).btn_cancel->click(); });
  e.SetAlternativeCorrectAnswers1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"'x' is not a valid integer value"});
  QCOMPARE(ws.correct_answers[3][2], 3);
}

void InputSideWindowsTest::alternativeAnswersNeedAnItemFlaggedA() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, TypedTest{});
  e.SetAlternativeCorrectAnswers1->trigger();
  e.txt_include->clear();
  e.SetAlternativeCorrectAnswers1->trigger();
  e.txt_include->setText("YYAY");
  e.txt_options->clear();
  e.SetAlternativeCorrectAnswers1->trigger();
  QVERIFY(p.prompter.modal_windows.isEmpty());
  QCOMPARE(p.prompter.messages,
           QStringList({"No items were flagged with an 'A' or 'a' in the INCLUDE line",
                        "You must indicate items with alternative correct answers by setting "
                        "the INCLUDE value for that item as the letter 'A' or 'a'",
                        "You must provide the number of options for each item before you can "
                        "indicate items with alternative correct answers"}));
}

void InputSideWindowsTest::partialCreditExtendsTheOptionsLineAndTheRulers() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, TypedTest{});
  QVERIFY(!e.lbl_scale2->text().endsWith("PC"));
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TPCform&>(d);
    QCOMPARE(f.txt_pc_points->text(), QString("0"));
    QCOMPARE(f.txt_mc_points->text(), QString("1"));
    f.txt_pc_points->setText("5");
    f.txt_mc_points->setText("2.5");
    f.btn_ok_pc->click();
  });
  e.PartialCredit1->trigger();
  QVERIFY(p.prompter.messages.isEmpty());
  QCOMPARE(e.txt_options->text(), QString("444405"));
  QVERIFY(e.lbl_scale2->text().endsWith("PC"));
  QVERIFY(e.lbl_key_scale2->text().endsWith("PC"));
  const Workspace& ws = p.session().ws;
  QVERIFY(ws.pc_enabled);
  QCOMPARE(ws.pc_points, 5);
  QCOMPARE(ws.mc_points, 2.5);

  // Reopened, it shows the points in force; "Turn Off" keeps the data and says so.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TPCform&>(d);
    QCOMPARE(f.txt_pc_points->text(), QString("5"));
    QCOMPARE(f.txt_mc_points->text(), QString("2.5"));
    f.btn_turnoff->click();
  });
  e.PartialCredit1->trigger();
  QVERIFY(!ws.pc_enabled);
  QCOMPARE(ws.mc_points, 1.0);
  QCOMPARE(e.txt_options->text(), QString("444405"));
  QVERIFY(!e.lbl_scale2->text().endsWith("PC"));
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages[0].startsWith(
      "Turning off the Partial Credit options does not change your data.\r\n\r\n"));
}

void InputSideWindowsTest::partialCreditFallsBackOnBadPoints() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, TypedTest{});
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TPCform&>(d);
    f.txt_pc_points->setText("abc");
    f.txt_mc_points->setText("-2");
    f.btn_ok_pc->click();
  });
  e.PartialCredit1->trigger();
  QCOMPARE(p.prompter.messages,
           QStringList({"Number of Partial Credit points must be a whole number -- it was set to 0",
                        "You have set the Number of Partial Credit points equal to Zero -- any "
                        "points at the end of the data will be treated as extra credit.",
                        "Because you entered a negative value...MC points were set to 1"}));
  QCOMPARE(e.txt_options->text(), QString("444400"));
  QCOMPARE(p.session().ws.mc_points, 1.0);

  // "Defaults" puts one point per item and no partial-credit points back.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TPCform&>(d);
    f.txt_pc_points->setText("12");
    f.txt_mc_points->setText("3");
    f.btn_default_pc->click();
    QCOMPARE(f.txt_pc_points->text(), QString("0"));
    QCOMPARE(f.txt_mc_points->text(), QString("1"));
    f.BitBtn2->click();
  });
  e.PartialCredit1->trigger();
}

void InputSideWindowsTest::tableLaysOutGridsByItemCount() {
  TestProgram p;
  TEditForm& e = p.edit();
  QVERIFY(!e.SetTableofSpecifications1->isEnabled());  // no item count yet
  const QList<std::tuple<int, int, QList<int>>> cases = {
      {34, 1, {34}}, {40, 2, {34, 6}}, {69, 3, {34, 34, 1}}, {100, 3, {34, 34, 32}}};
  for (const auto& [items, shown, columns] : cases) {
    type_test(e, test_of_items(items));
    e.txt_items->setText(QString::number(items));
    QVERIFY(e.SetTableofSpecifications1->isEnabled());
    p.prompter.modal_actions.push_back([&, items = items, shown = shown,
                                        columns = columns](QDialog& d) {
      auto& f = static_cast<TTableForm&>(d);
      for (int g = 0; g < 3; ++g) {
        const bool visible = g < shown;
        QVERIFY2(f.grids[g]->isVisibleTo(&f) == visible, qPrintable(QString::number(items)));
        QCOMPARE(f.lbl_ca[g]->isVisibleTo(&f), visible);
        if (visible) QCOMPARE(f.grids[g]->columnCount(), columns[g]);
      }
      QCOMPARE(cell_text(*f.grids[0], 0, 0), QString("1"));
      QCOMPARE(cell_text(*f.grids[shown - 1], 0, columns[shown - 1] - 1), QString::number(items));
      f.BitBtn1->click();
    });
    e.SetTableofSpecifications1->trigger();
  }
  QCOMPARE(p.prompter.modal_windows.size(), 4);
}

void InputSideWindowsTest::tableRefusesCellsAndStoresNamesWithDefaults() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, test_of_items(10));
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TTableForm&>(d);
    f.rdo_ca[2]->click();
    QVERIFY(f.txt_content[2]->isEnabled() && !f.txt_content[3]->isEnabled());
    QCOMPARE(f.lbl_content[1]->text(), QString("Content Area 1"));
    f.rdo_cs[1]->click();
    f.txt_content[1]->setText("Cells");
    f.txt_skill[1]->setText("Recall");
    set_cell(*f.grids[0], 1, 0, "1");
    set_cell(*f.grids[0], 2, 0, "1");
    set_cell(*f.grids[0], 1, 4, "3");  // item 5: only two areas
    set_cell(*f.grids[0], 2, 6, "x");  // item 7
    f.BitBtn2->click();
  });
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TTableForm&>(d);
    QCOMPARE(cell_text(*f.grids[0], 1, 4), QString("3"));  // as typed
    set_cell(*f.grids[0], 1, 4, "2");
    set_cell(*f.grids[0], 2, 6, "");
    f.CloseSave1->trigger();
  });
  e.SetTableofSpecifications1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TTableForm", "TTableForm"}));
  QCOMPARE(p.prompter.messages,
           QStringList({"One of your Content Areas is out of range -- check item #5",
                        "One of your Cognitive Levels is not an integer -- check item #7"}));
  const Workspace& ws = p.session().ws;
  QCOMPARE(ws.content_area_count, 2);
  QCOMPARE(ws.content_area_names[1], std::string("Cells"));
  QCOMPARE(ws.content_area_names[2], std::string("Content Area 2"));
  QCOMPARE(ws.cognitive_level_names[1], std::string("Recall"));
  QCOMPARE(ws.item_specs[1], (ItemSpec{1, 1}));
  QCOMPARE(ws.item_specs[5], (ItemSpec{2, 0}));
  QCOMPARE(ws.item_specs[7], (ItemSpec{0, 0}));
}

void InputSideWindowsTest::tablePresetsAndReset() {
  TestProgram p;
  TEditForm& e = p.edit();
  type_test(e, test_of_items(10));
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TTableForm&>(d);
    f.UseBloomsTaxonomy1->trigger();
    QVERIFY(f.rdo_cs[6]->isChecked());
    QCOMPARE(f.txt_skill[6]->text(), QString("Evaluation"));
    f.OosterhofsTaxonomy1->trigger();
    QVERIFY(f.rdo_cs[5]->isChecked());
    QVERIFY(f.txt_skill[6]->text().isEmpty() && !f.txt_skill[6]->isEnabled());

    // The default set splits 10 items into runs of 2, 3, 3 and 2.
    f.UseadefaultsetofSpecifications1->trigger();
    QVERIFY(f.rdo_ca[2]->isChecked() && f.rdo_cs[2]->isChecked());
    QCOMPARE(f.txt_content[1]->text(), QString("Chapter 1"));
    QCOMPARE(f.txt_skill[2]->text(), QString("Beyond Recall"));
    QString areas, levels;
    for (int c = 0; c < 10; ++c) {
      areas += cell_text(*f.grids[0], 1, c);
      levels += cell_text(*f.grids[0], 2, c);
    }
    QCOMPARE(areas, QString("1111122222"));
    QCOMPARE(levels, QString("1122211122"));

    f.btn_reset->click();
    QVERIFY(f.rdo_ca[0]->isChecked() && f.rdo_cs[0]->isChecked());
    QVERIFY(f.txt_content[1]->text().isEmpty() && cell_text(*f.grids[0], 1, 0).isEmpty());
    QCOMPARE(cell_text(*f.grids[0], 0, 9), QString("10"));
    f.CloseCancel1->trigger();
  });
  e.SetTableofSpecifications1->trigger();
  QVERIFY(p.prompter.messages.isEmpty());
}

void InputSideWindowsTest::importFromMainWindowReadsAnOlderFileIntoTheEditor() {
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());  // no saved grade defaults here
  TestProgram p;
  TMapForm& m = p.map();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TImportForm&>(d);
    QVERIFY(f.rdo_v6->isChecked());
    QVERIFY(f.btn_v7->isHidden() && f.btn_v8->isHidden());
    f.rdo_v3->click();
    f.btn_ok->click();
  });
  p.prompter.open_answers.push_back(QString(JRV_TEST_DATA_DIR) +
                                    "/exports/legacy/v3_five_grades.jrv");
  QString title;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& editor = static_cast<TEditForm&>(d);
    title = editor.txt_title->text();
    QCOMPARE(editor.MemoData->document()->blockCount(), 4);
    editor.Cancel->click();
  });
  m.OpenInputFilefromapreviousJRVversion1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TImportForm", "TEditForm"}));
  QCOMPARE(p.prompter.open_requests.at(0).filter, QString("JRV files (*.jrv)|*.jrv"));
  QCOMPARE(title, QString("Old Biology Quiz"));
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));

  // The file's grade cut-offs went into the 5-category scale, in order.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& g = static_cast<TGradeForm&>(d);
    QVERIFY(g.rdo_grade5->isChecked());
    QCOMPARE(g.txt_grade_k[1]->text(), QString("88"));
    QCOMPARE(g.txt_grade_k[4]->text(), QString("58"));
    g.btn_cancel->click();
  });
  m.SetPercentagesforGrades1->trigger();
  QCOMPARE(p.prompter.modal_windows.last(), QString("TGradeForm"));

  // Closing the chooser reads nothing and leaves the editor closed.
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TImportForm&>(d).btn_close->click(); });
  const auto shown = p.prompter.modal_windows.size();
  m.OpenInputFilefromapreviousJRVversion1->trigger();
  QCOMPARE(p.prompter.modal_windows.size(), shown + 1);
}

void InputSideWindowsTest::importFromTheEditorFillsItsSideWindows() {
  TestProgram p;
  TEditForm& e = p.edit();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TImportForm&>(d);
    f.rdo_v4->click();
    f.btn_ok->click();
  });
  p.prompter.open_answers.push_back(QString(JRV_TEST_DATA_DIR) +
                                    "/exports/legacy/v4_twelve_grades.jrv");
  e.ImportJRVInputFilefrompreviousversion1->trigger();
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  QCOMPARE(e.txt_title->text(), QString("Old Chemistry Quiz"));
  QCOMPARE(e.txt_include->text(), QString("YYAYYN"));

  // The file's alternative answers are in the grid, its group percentages in their window.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TAnswerForm&>(d);
    QCOMPARE(cell_text(*f.StringGrid1, 0, 0), QString("3"));
    QCOMPARE(cell_text(*f.StringGrid1, 0, 3), QString("4"));
    f.btn_cancel->click();
  });
  e.SetAlternativeCorrectAnswers1->trigger();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TDiscForm&>(d);
    QCOMPARE(f.txt_disc_top->text(), QString("25"));
    QCOMPARE(f.txt_disc_bottom->text(), QString("30"));
    f.btn_cancel->click();
  });
  p.map().SetPercentagesforItemDiscrimination1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TImportForm", "TAnswerForm", "TDiscForm"}));

  // Cancelling the file dialog reads nothing.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TImportForm&>(d);
    QVERIFY(f.rdo_v4->isChecked());  // the chooser keeps the last choice
    f.rdo_v6->click();
    f.btn_ok->click();
  });
  e.ImportJRVInputFilefrompreviousversion1->trigger();
  QCOMPARE(p.prompter.open_requests.back().filter,
           QString("JRV files (*.jrv)|*.jrv|All Files (*.*)|*.*"));
  QCOMPARE(e.txt_title->text(), QString("Old Chemistry Quiz"));
}

QTEST_MAIN(InputSideWindowsTest)
#include "input_side_windows_test.moc"
