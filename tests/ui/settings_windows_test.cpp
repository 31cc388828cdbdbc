// The grade window with its settings file, the group and problem-item dialogs, and the
// Spearman-Brown calculator, reached from the main window as a user reaches them.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/prob_unit.h"
#include "ui/settings/spearman_form_unit.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

// A grade window step: the window as the scripted prompter hands it over.
ScriptedPrompter::ModalAction on_grades(std::function<void(TGradeForm&)> step) {
  return [step](QDialog& d) { step(static_cast<TGradeForm&>(d)); };
}

void type_into(QLineEdit* field, const QString& text) {
  field->clear();
  QTest::keyClicks(field, text);
}

}  // namespace

class SettingsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void fiveCategoriesAreConfirmedAfterAFix();
  void userDefinedCountAndLabels();
  void settingsFileIsWrittenReadAndDeleted();
  void gradeLettersInBandsReadTheSavedScale();
  void groupPercentagesWarnRefuseAndDefault();
  void problemCriteriaCheckTheirOrderAndTheSuggestSwitch();
  void spearmanBrownShowsMoreFewerAndRefusals();

 private:
  QTemporaryDir dir_;
};

void SettingsWindowsTest::init() {
  // Every test starts in an empty folder: no saved grade defaults.
  QDir(dir_.path()).removeRecursively();
  QDir().mkpath(dir_.path());
  QDir::setCurrent(dir_.path());
}

void SettingsWindowsTest::fiveCategoriesAreConfirmedAfterAFix() {
  TestProgram p;
  TMapForm& m = p.map();
  QWidget* focus_after_refusal = nullptr;
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) {
    QVERIFY(g.rdo_grade0->isChecked());
    QVERIFY(g.lbl_grade->isHidden() && g.lbl_grade_k[1]->isHidden());
    g.rdo_grade5->click();
    QCOMPARE(g.lbl_set->text(), QString("Set the minimum percentages for each Grading Category:"));
    QCOMPARE(g.lbl_grade_k[1]->text(), QString("A   ="));
    QVERIFY(g.lbl_grade_k[1]->isReadOnly());
    QCOMPARE(g.lbl_grade_k[5]->text(), QString("F   "));
    QVERIFY(g.lbl_grade_k[5]->isVisibleTo(&g) && !g.lbl_grade_k[6]->isVisibleTo(&g));
    QVERIFY(g.txt_grade_k[4]->isVisibleTo(&g) && !g.txt_grade_k[5]->isVisibleTo(&g));
    QVERIFY(g.txt_num_cats->isHidden());
    QCOMPARE(g.txt_grade_k[1]->text(), QString("90"));
    g.txt_grade_k[2]->setText("90");
    g.btn_grade_OK->click();
  }));
  p.prompter.modal_actions.push_back(on_grades([&](TGradeForm& g) {
    focus_after_refusal = g.focusWidget();
    QCOMPARE(g.txt_grade_k[2]->text(), QString("90"));  // as typed
    g.txt_grade_k[2]->setText("89.5");
    g.btn_grade_OK->click();
  }));
  m.SetPercentagesforGrades1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TGradeForm", "TGradeForm"}));
  QCOMPARE(p.prompter.messages,
           QStringList{"Grades are not in numerical order (check Category 1 or 2"});
  QCOMPARE(focus_after_refusal, p.session().windows.grade->txt_grade_k[2]);
  const GradeScale& scale = p.session().ws.grade_scale;
  QCOMPARE(scale.grade_category_count, 5);
  QCOMPARE(scale.grade_labels[1], std::string("A   "));
  QCOMPARE(scale.grade_minimums[2], 89.5);
  QVERIFY(scale.grade_scale_set);
  QCOMPARE(m.btn_analyze->text(), QString("Analyze (F9)"));  // nothing analysed yet

  // Once confirmed, the 12 scheme shows the stored minimums, not its own defaults; the
  // program defaults bring those back.
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) {
    QVERIFY(g.rdo_grade5->isChecked());
    g.rdo_grade12->click();
    QCOMPARE(g.txt_grade_k[1]->text(), QString("90"));
    QCOMPARE(g.txt_grade_k[5]->text(), QString("0"));
    g.btn_defaults->click();
    QCOMPARE(g.txt_grade_k[1]->text(), QString("94"));
    QCOMPARE(g.lbl_grade_k[12]->text(), QString("F   "));
    g.btn_grade_OK->click();
  }));
  m.SetPercentagesforGrades1->trigger();
  QCOMPARE(scale.grade_category_count, 12);
  QCOMPARE(scale.grade_minimums[11], 61.0);

  // A scheme chosen and then cancelled (even after a refused OK) changes nothing: the next
  // analysis grades with the confirmed 12 categories and the window shows them again.
  const GradeScale confirmed = scale;
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) {
    g.rdo_user->click();
    g.txt_num_cats->setText("13");
    g.txt_grade_k[1]->setText("150");
    g.btn_grade_OK->click();
  }));
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) { g.btn_cancel->click(); }));
  m.SetPercentagesforGrades1->trigger();
  QVERIFY(scale == confirmed);
  QVERIFY(p.session().windows.grade->rdo_grade12->isChecked());
  QCOMPARE(p.session().windows.grade->txt_grade_k[1]->text(), QString("94"));
}

void SettingsWindowsTest::userDefinedCountAndLabels() {
  TestProgram p;
  p.prompter.modal_actions.push_back(on_grades([&](TGradeForm& g) {
    g.rdo_user->click();
    QCOMPARE(g.lbl_set->text(),
             QString("Name your Grading Categories and set the minimum percentages for each "
                     "category:"));
    QVERIFY(g.txt_num_cats->isVisibleTo(&g) && g.lbl_num_cats->isVisibleTo(&g));
    type_into(g.txt_num_cats, "14");
    QCOMPARE(p.prompter.take_messages().last(),
             QString("Number of Categories must be a whole number between 2-13"));
    type_into(g.txt_num_cats, "3");
    QVERIFY(g.lbl_grade_k[3]->isVisibleTo(&g) && !g.lbl_grade_k[4]->isVisibleTo(&g));
    QVERIFY(!g.lbl_grade_k[1]->isReadOnly());
    QCOMPARE(g.lbl_grade_k[3]->text(), QString("Fail"));
    g.lbl_grade_k[1]->setText("Excellent");
    g.txt_grade_k[1]->setText("80");
    g.lbl_grade_k[2]->setText("O");
    g.txt_grade_k[2]->setText("abc");
    g.btn_grade_OK->click();
  }));
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) {
    g.txt_grade_k[2]->setText("50");
    g.btn_grade_OK->click();
  }));
  p.map().SetPercentagesforGrades1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"Percentage must be a numeric value between 0-100"});
  const GradeScale& scale = p.session().ws.grade_scale;
  QCOMPARE(scale.grade_category_count, 3);
  QCOMPARE(scale.grade_labels[1], std::string("Exce"));
  QCOMPARE(scale.grade_labels[2], std::string("O   "));
  QCOMPARE(scale.grade_minimums[2], 50.0);
}

void SettingsWindowsTest::settingsFileIsWrittenReadAndDeleted() {
  TestProgram p;
  p.prompter.modal_actions.push_back(on_grades([&](TGradeForm& g) {
    g.rdo_grade5->click();
    g.btn_save_ini->click();  // "Save as Defaults": jrv.ini here
    p.prompter.save_answers.push_back(QDir::current().filePath("other"));
    g.Button2->click();
    g.btn_cancel->click();
  }));
  p.map().SetPercentagesforGrades1->trigger();
  const std::vector<std::string> five = {"USER=NO", "5",  "A   =", "90", "B   =", "80",
                                         "C   =",   "70", "D   =", "60", "F   "};
  QCOMPARE(file_lines("jrv.ini"), five);
  QCOMPARE(file_lines("other.ini"), five);
  QCOMPARE(p.prompter.save_requests.back().filter, QString("INI files (*.INI)|*.ini"));
  QVERIFY(p.prompter.save_requests.back().overwrite_prompt);

  // Opening the window reads the saved defaults into the scale at once.
  QFile ini("jrv.ini");
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write("USER=NO\r\n2\r\nPass =\r\n65\r\nFail  \r\n");
  ini.close();
  p.prompter.modal_actions.push_back(on_grades([&](TGradeForm& g) {
    QVERIFY(g.rdo_grade2->isChecked());
    QCOMPARE(g.txt_grade_k[1]->text(), QString("65"));
    // A file whose first line is not exactly "USER=YES" is not user defined.
    QFile other("lower.ini");
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(
        "user=yes\r\n5\r\nA   =\r\n91\r\nB   =\r\n81\r\nC   =\r\n71\r\nD   =\r\n61\r\nF   \r\n");
    other.close();
    p.prompter.open_answers.push_back(QDir::current().filePath("lower.ini"));
    g.btn_read_ini->click();
    QCOMPARE(p.prompter.open_requests.back().proposed_name, QString("JRV"));
    QVERIFY(g.rdo_grade5->isChecked());
    QCOMPARE(g.txt_grade_k[1]->text(), QString("91"));
    g.Button1->click();  // "Delete Saved Defaults"
    g.btn_cancel->click();
  }));
  p.map().SetPercentagesforGrades1->trigger();
  QVERIFY(!QFile::exists("jrv.ini"));
  QCOMPARE(p.session().ws.grade_scale.grade_category_count, 2);  // Cancel: as opened
  QCOMPARE(p.session().ws.grade_scale.grade_minimums[1], 65.0);  // read on opening
  QVERIFY(p.prompter.messages.isEmpty());

  // A broken count line stops the reading with the conversion message.
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write("USER=NO\r\nfive\r\n");
  ini.close();
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) { g.btn_cancel->click(); }));
  p.map().SetPercentagesforGrades1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"'five' is not a valid integer value (line 2)"});
}

void SettingsWindowsTest::gradeLettersInBandsReadTheSavedScale() {
  TestProgram p;
  TMapForm& m = p.map();
  QFile ini("jrv.ini");
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write("USER=NO\r\n5\r\nA   =\r\n85\r\nB   =\r\n75\r\nC   =\r\n65\r\nD   =\r\n55\r\nF   \r\n");
  ini.close();
  m.rdo_use_letters->trigger();
  QVERIFY(m.rdo_use_letters->isChecked());
  const Workspace& ws = p.session().ws;
  QCOMPARE(ws.options.band_units, BandUnits::letters);
  QCOMPARE(ws.grade_scale.grade_category_count, 5);
  QCOMPARE(ws.grade_scale.grade_minimums[1], 85.0);
  QVERIFY(p.prompter.modal_windows.isEmpty());

  // "No Grading Categories" takes the letters out of the bands again.
  p.prompter.modal_actions.push_back(on_grades([](TGradeForm& g) {
    g.rdo_grade0->click();
    QVERIFY(g.lbl_grade_k[1]->isHidden() && g.lbl_set->text().isEmpty());
    g.btn_grade_OK->click();
  }));
  m.SetPercentagesforGrades1->trigger();
  QVERIFY(ws.options.band_units != BandUnits::letters);
  QVERIFY(!m.rdo_use_letters->isChecked());
}

void SettingsWindowsTest::groupPercentagesWarnRefuseAndDefault() {
  TestProgram p;
  QWidget* focus = nullptr;
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TDiscForm&>(d);
    QCOMPARE(f.txt_disc_top->text(), QString("27.0"));
    f.txt_disc_top->setText("60");
    f.txt_disc_bottom->setText("50");
    f.btn_ok->click();
  });
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TDiscForm&>(d);
    focus = f.focusWidget();
    f.txt_disc_bottom->setText("40");
    f.txt_disc_top->setText("45");
    f.btn_ok->click();
  });
  p.map().SetPercentagesforItemDiscrimination1->trigger();
  QCOMPARE(p.prompter.modal_windows, QStringList({"TDiscForm", "TDiscForm"}));
  QCOMPARE(p.prompter.messages,
           QStringList({"Percentages cannot total more than 100",
                        "Percentages provided do not provide a very large middle group"}));
  QCOMPARE(focus, p.session().windows.disc->txt_disc_bottom);
  const AnalysisOptions& o = p.session().ws.options;
  QCOMPARE(o.upper_group_percent, 45.0);
  QCOMPARE(o.lower_group_percent, 40.0);
  QCOMPARE(p.session().doc.groups.top, std::string("45"));

  // A text that is no number is refused; Cancel keeps it in the box, "Defaults" resets both.
  p.prompter.messages.clear();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TDiscForm&>(d);
    f.txt_disc_top->setText("abc");
    f.btn_ok->click();
  });
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TDiscForm&>(d).btn_cancel->click(); });
  p.map().SetPercentagesforItemDiscrimination1->trigger();
  QCOMPARE(p.prompter.messages, QStringList{"Percentage must be a numeric value between 0-100"});
  QCOMPARE(p.session().doc.groups.top, std::string("abc"));
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TDiscForm&>(d);
    QCOMPARE(f.txt_disc_top->text(), QString("abc"));
    f.Button1->click();
    QCOMPARE(f.txt_disc_top->text(), QString("27.0"));
    QCOMPARE(f.txt_disc_bottom->text(), QString("27.0"));
    f.btn_ok->click();
  });
  p.map().SetPercentagesforItemDiscrimination1->trigger();
  QCOMPARE(o.upper_group_percent, 27.0);
}

void SettingsWindowsTest::problemCriteriaCheckTheirOrderAndTheSuggestSwitch() {
  TestProgram p;
  TMapForm& m = p.map();
  QWidget* focus = nullptr;
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TProbForm&>(d);
    QVERIFY(f.chk_suggest->isChecked());
    QCOMPARE(f.btn_remove[1]->text(), QString("Set to Remove = 1.0"));
    QCOMPARE(f.btn_default[1]->text(), QString("Set to Default = 0.9"));
    f.txt_crit_plo->setText("0.5");
    f.txt_crit_phi->setText("0.5");
    f.btn_ok->click();
  });
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TProbForm&>(d);
    focus = f.focusWidget();
    for (QPushButton* b : f.btn_remove) b->click();
    QCOMPARE(f.txt_crit_d->text(), QString("-1.0"));
    f.chk_suggest->setChecked(false);
    f.btn_ok->click();
  });
  m.SetCriteriaforProblemItems1->trigger();
  QCOMPARE(p.prompter.messages,
           QStringList{"Item Difficulty (high) criterion must be greater than Item Difficulty "
                       "(low) criterion"});
  QCOMPARE(focus, p.session().windows.prob->txt_crit_phi);
  const AnalysisOptions& o = p.session().ws.options;
  QCOMPARE(o.crit_difficulty_low, 0.0);
  QCOMPARE(o.crit_difficulty_high, 1.0);
  QCOMPARE(o.crit_adj_point_biserial, -1.0);
  QVERIFY(!o.suggest_problem_items);
  QVERIFY(!m.ShowProblemItems1->isChecked());

  // The check box follows the menu item's mark each time; "Set all to Default Values".
  m.ShowProblemItems1->trigger();
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TProbForm&>(d);
    QVERIFY(f.chk_suggest->isChecked());
    f.txt_crit_r->setText("2");
    f.btn_all_defaults->click();
    QCOMPARE(f.txt_crit_r->text(), QString("0.2"));
    QCOMPARE(f.txt_crit_phi->text(), QString("0.9"));
    f.btn_ok->click();
  });
  m.SetCriteriaforProblemItems1->trigger();
  QCOMPARE(o.crit_point_biserial, 0.2);
  QCOMPARE(p.prompter.messages.size(), 1);
}

void SettingsWindowsTest::spearmanBrownShowsMoreFewerAndRefusals() {
  TestProgram p;
  Workspace& ws = p.session().ws;
  ws.stats.kr20 = 0.6;
  ws.included_count = 40;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& f = static_cast<TSpearmanForm&>(d);
    QCOMPARE(f.txt_sbrel->text(), QString("0.800"));
    QCOMPARE(f.txt_rel_out->text(), QString("0.600"));
    QCOMPARE(f.txt_current->text(), QString("40"));
    QVERIFY(f.lbl_more_fewer->isHidden() && f.txt_moreitems->text().isEmpty());
    f.btn_calc->click();
    QCOMPARE(f.txt_moreitems->text(), QString("67"));
    QCOMPARE(f.lbl_more_fewer->text(), QString("more"));
    QVERIFY(f.lbl_more_fewer->isVisibleTo(&f) && !f.lbl_more_fewer->font().underline());
    QCOMPARE(f.txt_multiplier->text(), QString("2.67"));
    QCOMPARE(f.txt_totalitems->text(), QString("107"));

    ws.stats.kr20 = 0.75;
    f.txt_sbrel->setText("0.5");
    f.btn_calc->click();
    QCOMPARE(f.txt_moreitems->text(), QString("27"));
    QCOMPARE(f.lbl_more_fewer->text(), QString("fewer"));
    QVERIFY(f.lbl_more_fewer->font().underline() && f.lbl_more_fewer->font().bold());
    QCOMPARE(f.txt_totalitems->text(), QString("13"));
    QCOMPARE(f.txt_sbrel->text(), QString("0.500"));

    f.txt_sbrel->setText("abc");  // the previous desired value is used
    f.btn_calc->click();
    QCOMPARE(f.txt_totalitems->text(), QString("13"));
    f.txt_sbrel->setText("0.995");
    f.btn_calc->click();
    f.BitBtn1->click();
  });
  p.map().SpearmanBrownProphecy1Click();
  QCOMPARE(p.prompter.messages,
           QStringList({"Reliability must a numeric value between 0.0 and 1.0",
                        "Reliability must a numeric value between 0.0 and 0.99 -- note that if "
                        "desired reliability is 1.0, the formula results in an undefined value."}));

  // Reopened: back at 0.8. With KR-20 = 0 there is no prophecy and no result.
  p.prompter.messages.clear();
  ws.stats.kr20 = 0;
  p.prompter.modal_actions.push_back([](QDialog& d) {
    auto& f = static_cast<TSpearmanForm&>(d);
    QCOMPARE(f.txt_sbrel->text(), QString("0.800"));
    f.btn_calc->click();
    QVERIFY(f.txt_totalitems->text().isEmpty() && f.txt_multiplier->text().isEmpty());
  });
  p.map().SpearmanBrownProphecy1Click();
  QCOMPARE(p.prompter.messages, QStringList{"Spearman-Brown Prophecy cannot be calculated"});
}

QTEST_MAIN(SettingsWindowsTest)
#include "settings_windows_test.moc"
