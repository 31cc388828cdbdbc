// The grade reports viewer and file, their examinee limits, and the exports of the last
// analysis that the main window writes beside the test.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/reports/grade_reports.h"
#include "core/text/text_file.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/reports/report_form_unit.h"
#include "ui/support/qt_text.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

// Sample Data Set #1 from the Examples menu, left through "Close && Analyze".
void analyse_sample(TestProgram& p) {
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TEditForm&>(d).btn_done->click(); });
  p.map().SampleDataSet11->trigger();
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  QVERIFY(p.map().btn_view_examinee->isEnabled());
}

// A generated test of `cases` examinees, analysed.
void analyse_generated(TestProgram& p, int cases) {
  p.prompter.modal_actions.push_back([cases](QDialog& d) {
    auto& g = static_cast<TGenForm&>(d);
    g.edit_num_cases->setText(QString::number(cases));
    g.btn_generate->click();
  });
  p.prompter.modal_actions.push_back(
      [](QDialog& d) { static_cast<TEditForm&>(d).btn_done->click(); });
  p.map().rdo_generate->setChecked(true);
  p.map().btn_gotodata->click();
  QCOMPARE(p.session().ws.num_cases, cases);
}

// Compares a file's lines with the expected lines and names the first that differs.
void compare_lines(const std::vector<std::string>& expected, const QString& path) {
  const auto actual = file_lines(path);
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string e = i < expected.size() ? expected[i] : "<none>";
    const std::string a = i < actual.size() ? actual[i] : "<none>";
    if (e != a) {
      QFAIL(qPrintable(QString("%1 line %2\n  expected: [%3]\n  actual:   [%4]")
                           .arg(path)
                           .arg(i + 1)
                           .arg(QString::fromLatin1(e), QString::fromLatin1(a))));
    }
  }
}

}  // namespace

class GradeReportsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void viewerShowsPrintsAndSavesTheReports();
  void limitsOfViewingAndSaving();
  void exportsAreNamedAfterTheTest();

 private:
  QTemporaryDir dir_;
};

void GradeReportsTest::init() {
  QDir::setCurrent(dir_.path());
  for (const QString& f : QDir(dir_.path()).entryList(QDir::Files)) QFile::remove(f);
}

void GradeReportsTest::viewerShowsPrintsAndSavesTheReports() {
  TestProgram p;
  analyse_sample(p);
  TMapForm& m = p.map();
  QVERIFY(m.ViewGradeReports1->isEnabled() && m.SaveGradeReports1->isEnabled());
  const Workspace& ws = p.session().ws;
  const Lines viewer_lines = grade_report_viewer_lines(ws, p.session().doc);
  QFont chosen = fixed_pitch_font(12);
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& r = static_cast<TReportForm&>(d);
    QCOMPARE(r.windowTitle(), QString("Grade Reports"));
    QCOMPARE(r.report_box->toPlainText(), join_lines(viewer_lines));
    QVERIFY(!r.report_box->isReadOnly());
    p.prompter.print_answers.push_back(dir_.filePath("reports.pdf"));
    r.Print1->trigger();
    r.report_box->selectAll();
    p.prompter.font_answers.push_back(chosen);
    r.Font1->trigger();
    p.prompter.save_answers.push_back(dir_.filePath("Class"));
    r.Save1->trigger();
    r.BitBtn1->click();
  });
  m.ViewGradeReports1->trigger();
  QCOMPARE(p.prompter.modal_windows.last(), QString("TReportForm"));
  QCOMPARE(p.prompter.printed_documents, QStringList{"Grade Reports"});
  QVERIFY(QFile::exists(dir_.filePath("reports.pdf")));
  QCOMPARE(p.prompter.font_requests.at(0).pointSize(), 10);
  // The font the pane really shows, as an installed fixed-pitch family the dialog lists.
  QCOMPARE(p.prompter.font_requests.at(0).family(),
           QFontInfo(p.session().windows.report->report_box->font()).family());
  QVERIFY(QFontInfo(p.prompter.font_requests.at(0)).fixedPitch());
  QCOMPARE(p.session().windows.report->report_box->currentCharFormat().font().pointSize(), 12);

  // "Save" in the viewer is the main window's save: the file layout, not the viewer's.
  const FileDialogSpec& asked = p.prompter.save_requests.back();
  QCOMPARE(asked.proposed_name, QString("Grade_Report"));
  QCOMPARE(asked.default_extension, QString("rpt"));
  QVERIFY(asked.overwrite_prompt);
  compare_lines(grade_report_file_lines(ws, p.session().doc), dir_.filePath("Class.rpt"));
  QVERIFY(file_bytes(dir_.filePath("Class.rpt")).contains("\r\n\f\r\n"));

  // Once the test has a name, the dialog proposes it; cancelling writes nothing.
  m.txt_map_name->setText("Biology");
  p.prompter.save_answers.push_back(std::nullopt);
  m.SaveGradeReports1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("Biology"));
  QVERIFY(!QFile::exists(dir_.filePath("Biology.rpt")));
  QVERIFY(p.prompter.messages.isEmpty());
}

void GradeReportsTest::limitsOfViewingAndSaving() {
  {
    TestProgram p;
    analyse_generated(p, 200);
    QVERIFY(p.map().ViewGradeReports1->isEnabled());
  }
  TestProgram p;
  analyse_generated(p, 201);
  TMapForm& m = p.map();
  QVERIFY(!m.ViewGradeReports1->isEnabled());
  QVERIFY(m.SaveGradeReports1->isEnabled());
  // The handlers check again whatever reaches them.
  m.ViewGradeReports1Click();
  QCOMPARE(p.prompter.take_messages(),
           QStringList{"Number of Cases must 200 or less to View Grade Reports (it takes too long "
                       "to view more)"});
  QVERIFY(!p.prompter.modal_windows.contains("TReportForm"));
  p.session().ws.num_cases = 501;
  m.SaveGradeReports1Click();
  QCOMPARE(p.prompter.take_messages(),
           QStringList{"Number of Cases must be 500 or less to Save Grade Reports"});
  QVERIFY(p.prompter.save_requests.empty());
}

void GradeReportsTest::exportsAreNamedAfterTheTest() {
  TestProgram p;
  analyse_sample(p);
  TMapForm& m = p.map();
  QDir here(dir_.path());

  // Unsaved: the fixed names, in the current folder, without a dialog.
  m.SaveItemFile1->trigger();
  m.SaveRightWrongData1->trigger();
  m.SaveALTfile1->trigger();  // not allowed yet: nothing
  QCOMPARE(here.entryList(QDir::Files), QStringList({"data_01.txt", "item_stats.txt"}));
  QCOMPARE(file_lines("item_stats.txt").at(0),
           std::string("item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,"
                       "mean_del,sd_del,sem_del"));
  // Two items are excluded: they have no statistics line but a data column.
  const int n = p.session().ws.num_items;
  QCOMPARE(static_cast<int>(file_lines("item_stats.txt").size()), 1 + n - 2);
  QVERIFY(file_lines("data_01.txt").at(0).ends_with(",Item49"));
  QCOMPARE(static_cast<int>(file_lines("data_01.txt").size()), 1 + p.session().ws.num_cases);

  // Saved as Exam1: the files take its name; the ALT export needs "Set ALT file OK".
  p.prompter.save_answers.push_back(dir_.filePath("Exam1.txt"));
  m.btn_saveresults->click();
  m.SetALTfileOK1->trigger();
  m.SaveALTfile1->trigger();
  m.SaveItemFile1->trigger();
  for (const char* f : {"Exam1_item_stats.txt", "Exam1_alt.dat", "Exam1_alt.exp"}) {
    QVERIFY2(QFile::exists(f), f);
  }
  QVERIFY(file_lines("Exam1_alt.dat").at(0).starts_with("049 9 x 20"));

  // A new analysis withdraws the permission.
  QFile::remove("Exam1_alt.dat");
  m.btn_analyze->click();
  m.SaveALTfile1->trigger();
  QVERIFY(!QFile::exists("Exam1_alt.dat"));
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
}

QTEST_MAIN(GradeReportsTest)
#include "grade_reports_test.moc"
