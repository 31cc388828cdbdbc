// The data generator from each of its doors, the Examples menu as a newcomer uses it,
// and the information windows.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app/about_form_unit.h"
#include "ui/app/code_form_unit.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

ScriptedPrompter::ModalAction on_generator(std::function<void(TGenForm&)> step) {
  return [step](QDialog& d) { step(static_cast<TGenForm&>(d)); };
}

ScriptedPrompter::ModalAction close_and_analyze() {
  return [](QDialog& d) { static_cast<TEditForm&>(d).btn_done->click(); };
}

QStringList pane(const TEditForm& e) {
  return e.MemoData->toPlainText().split('\n');
}

}  // namespace

class GeneratorExamplesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void generatorFromTheInputPanelFillsTheEditor();
  void generatorRefusesBadFieldsAndComesBack();
  void generatorSeedsAndTheLargeNote();
  void hiddenGenerateUsesFixedSettings();
  void everyExampleLoadsAndAnalysesCleanly();
  void sampleSetRegradedWithTwelveCategories();
  void informationWindows();

 private:
  QTemporaryDir dir_;
};

void GeneratorExamplesTest::initTestCase() {
  QDir::setCurrent(dir_.path());  // no saved grade defaults
}

void GeneratorExamplesTest::generatorFromTheInputPanelFillsTheEditor() {
  TestProgram p;
  TGenForm& gen = *p.session().windows.gen;
  gen.draw_seed = [] { return 4242; };
  QStringList lines;
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    // First generation of the run: defaults and a new seed.
    QVERIFY(g.rdo_medium->isChecked() && g.rdo_mix->isChecked() && g.gen_num->isChecked());
    QCOMPARE(g.edit_num_cases->text(), QString("20"));
    QCOMPARE(g.edit_num_items->text(), QString("30"));
    QCOMPARE(g.edit_seed->text(), QString("4242"));
    QVERIFY(g.lbl_largen->isHidden());
    g.edit_seed->setText("1804");
    g.btn_generate->click();
  }));
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    lines = pane(static_cast<TEditForm&>(d));
    close_and_analyze()(d);
  });
  p.map().rdo_generate->click();
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TEditForm", "TGenForm"}));
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  TEditForm& e = p.edit();
  QCOMPARE(e.txt_title->text(),
           QString("Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium"));
  // The same data as the command-line generator's reference file.
  const auto golden = file_lines(QString(JRV_TEST_DATA_DIR) + "/generate/default_1804.jrv");
  QCOMPARE(lines.size(), 20);
  for (int i = 0; i < 20; ++i) {
    QCOMPARE(lines[i], QString::fromLatin1(golden.at(15 + static_cast<std::size_t>(i))));
  }
  QCOMPARE(p.map().txt_map_name->text(), QString("UNSAVED"));
  QVERIFY(p.map().btn_view_examinee->isEnabled());  // analysed at once

  // The editor's own "Generate Data" keeps the fields of the last generation; letters.
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    QCOMPARE(g.edit_seed->text(), QString("1804"));
    g.rdo_3->click();
    g.rdo_hardest->click();
    g.gen_let->click();
    g.edit_num_items->setText("10");
    g.btn_generate->click();
  }));
  e.GenerateData1->trigger();
  QCOMPARE(e.txt_title->text(),
           QString("Generated: Cases=20, Items=10, Seed=1804, Options=3, Diff=hardest"));
  QCOMPARE(e.txt_options->text(), QString("3333333333"));
  QVERIFY(e.txt_answer_key->text().contains(QRegularExpression("^[ABC]{10}$")));
}

void GeneratorExamplesTest::generatorRefusesBadFieldsAndComesBack() {
  TestProgram p;
  TEditForm& e = p.edit();
  e.txt_title->setText("kept");
  QList<QWidget*> focus;
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    g.edit_num_items->setText("101");
    g.btn_generate->click();
  }));
  p.prompter.modal_actions.push_back(on_generator([&](TGenForm& g) {
    focus << g.focusWidget();
    g.edit_num_items->setText("30");
    g.edit_num_cases->setText("10000");
    g.btn_generate->click();
  }));
  p.prompter.modal_actions.push_back(on_generator([&](TGenForm& g) {
    focus << g.focusWidget();
    g.edit_num_cases->setText("20");
    g.edit_seed->setText("seed");
    g.btn_generate->click();
  }));
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) { g.btn_cancel->click(); }));
  e.GenerateData1->trigger();
  QCOMPARE(p.prompter.messages, QStringList({"Number of Items must be between 1 and 100",
                                             "Number of Cases must be between 1 and 9999",
                                             "Seed must be a numeric value"}));
  TGenForm& g = *p.session().windows.gen;
  QCOMPARE(focus, QList<QWidget*>({g.edit_num_items, g.edit_num_cases}));
  QCOMPARE(p.prompter.modal_windows.size(), 4);
  QCOMPARE(e.txt_title->text(), QString("kept"));  // nothing was written to the editor
}

void GeneratorExamplesTest::generatorSeedsAndTheLargeNote() {
  TestProgram p;
  TEditForm& e = p.edit();
  TGenForm& gen = *p.session().windows.gen;
  int drawn = 100;
  gen.draw_seed = [&] { return drawn++; };
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    g.Button1->click();  // a new random seed
    QCOMPARE(g.edit_seed->text(), QString("101"));
    g.edit_seed->setText("12345678901");  // beyond 32 bits: divided by ten
    g.edit_num_cases->setText("1001");
    g.btn_generate->click();
  }));
  e.GenerateData1->trigger();
  QCOMPARE(gen.edit_seed->text(), QString("1234567890"));
  QVERIFY(!gen.lbl_largen->isHidden());
  QCOMPARE(e.txt_cases->text(), QString("1001"));
  QVERIFY(pane(e).at(0).startsWith("Person_0001"));

  // With "Change Seed Value every time" on, every later generation draws a new seed.
  p.map().ChangeSeedValueeverytimeGeneratorisCalled1->trigger();
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    QCOMPARE(g.edit_seed->text(), QString("102"));
    QVERIFY(g.lbl_largen->isHidden());
    g.btn_cancel->click();
  }));
  e.GenerateData1->trigger();
}

void GeneratorExamplesTest::hiddenGenerateUsesFixedSettings() {
  TestProgram p;
  TMapForm& m = p.map();
  m.ChangeSeedValueeverytimeGeneratorisCalled1->trigger();
  QVERIFY(p.session().ws.change_seed_each_time);
  p.prompter.modal_actions.push_back(on_generator([](TGenForm& g) {
    QCOMPARE(g.edit_seed->text(), QString("1804"));
    QCOMPARE(g.edit_num_cases->text(), QString("20"));
    QVERIFY(g.rdo_medium->isChecked() && g.rdo_mix->isChecked());
    g.btn_generate->click();
  }));
  p.prompter.modal_actions.push_back(close_and_analyze());
  m.Generate1->trigger();
  QVERIFY(!p.session().ws.change_seed_each_time);
  QVERIFY(!m.ChangeSeedValueeverytimeGeneratorisCalled1->isChecked());
  QCOMPARE(p.session().ws.num_cases, 20);
  // The data are loaded; the analysis waits for the user.
  QVERIFY(m.btn_analyze->isEnabled() && !m.btn_view_examinee->isEnabled());
}

void GeneratorExamplesTest::everyExampleLoadsAndAnalysesCleanly() {
  TestProgram p;
  TMapForm& m = p.map();
  const QList<QPair<QAction*, int>> examples = {
      {m.SampleDataSet11, 23}, {m.SampleDataSet21, 17}, {m.SampleDataSet31, 50},
      {m.as_numeric1, 15},     {m.as_rightwrong1, 15},  {m.as_letter1, 15},
      {m.as_truefalse1, 15},   {m.as_mixture1, 15},     {m.SecretSetupQZR11, 23}};
  std::vector<double> coded_means;
  for (const auto& [item, cases] : examples) {
    QString title;
    p.prompter.modal_actions.push_back([&](QDialog& d) {
      auto& e = static_cast<TEditForm&>(d);
      QVERIFY(e.isVisible());
      title = e.txt_title->text();
      e.btn_done->click();
    });
    item->trigger();
    QVERIFY2(p.prompter.messages.isEmpty(),
             qPrintable(item->objectName() + ": " + p.prompter.messages.join('\n')));
    QCOMPARE(p.prompter.modal_windows.last(), QString("TEditForm"));
    QCOMPARE(p.session().ws.num_cases, cases);
    QVERIFY2(m.btn_view_examinee->isEnabled(), qPrintable(item->objectName()));
    QVERIFY(m.txt_t->text().startsWith(title));
    QVERIFY(m.rdo_edit_data->isChecked());
    QCOMPARE(m.txt_map_name->text(), QString("UNSAVED"));
    if (cases == 15) coded_means.push_back(p.session().ws.stats.mean_score);
  }
  // The five codings of the small test score alike.
  for (double mean : coded_means) QCOMPARE(mean, coded_means.front());
  QVERIFY(m.rdo_sort_name->isChecked());  // the hidden set sorts by label
}

void GeneratorExamplesTest::sampleSetRegradedWithTwelveCategories() {
  TestProgram p;
  TMapForm& m = p.map();
  p.prompter.modal_actions.push_back(close_and_analyze());
  m.SampleDataSet11->trigger();
  const GradeScale& scale = p.session().ws.grade_scale;
  QCOMPARE(scale.grade_category_count, 5);
  QVERIFY(m.rdo_sort_pbis->isChecked() && m.rdo_sort_scor->isChecked());
  const QString before = m.memo_results->toPlainText();
  QVERIFY(!before.contains("B+  "));

  // The grade window shows the set's own scale; switching to 12 categories marks the
  // analysis as stale.
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& g = static_cast<TGradeForm&>(d);
    QVERIFY(g.rdo_grade5->isChecked());
    QCOMPARE(g.txt_grade_k[1]->text(), QString("82"));
    g.rdo_grade12->click();
    g.btn_defaults->click();
    g.btn_grade_OK->click();
  });
  m.SetPercentagesforGrades1->trigger();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze with NEW Options (F9)"));
  QCOMPARE(scale.grade_category_count, 12);
  m.btn_analyze->click();
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));

  // The quick examinee results carry the new grades.
  const QString after = m.memo_results->toPlainText();
  QVERIFY(after != before);
  const Workspace& ws = p.session().ws;
  int signed_grades = 0;
  for (int i = 1; i <= ws.num_cases; ++i) {
    const QString grade = QString::fromLatin1(ws.cases[i].grade);
    QVERIFY2(after.contains(grade), qPrintable(grade));
    if (grade.contains('+') || grade.contains('-')) ++signed_grades;
  }
  QVERIFY(signed_grades > 0);
  QVERIFY(after.contains("A   = 94"));
}

void GeneratorExamplesTest::informationWindows() {
  TestProgram p;
  TMapForm& m = p.map();
  m.About1->trigger();
  const TAboutForm& about = *p.session().windows.about;
  QCOMPARE(about.lbl_heading->text(), m.windowTitle());
  QVERIFY(about.memo_text->toPlainText().startsWith("JRV Classroom Test Analysis\n"));
  m.License1->trigger();
  m.Acknowledgements1->trigger();
  p.edit().AnswerKeyandIncludeItemCodes1->trigger();
  QCOMPARE(p.prompter.modal_windows,
           QStringList({"TAboutForm", "TUserForm", "TAckForm", "TCodeForm"}));
  QVERIFY(
      p.session().windows.code->memo_text->toPlainText().contains("9 = All Answers are CORRECT"));
  m.WhatsNew1->trigger();
  QCOMPARE(p.prompter.messages.size(), 1);
  QVERIFY(p.prompter.messages[0].startsWith("What's New"));
}

QTEST_MAIN(GeneratorExamplesTest)
#include "generator_examples_test.moc"
