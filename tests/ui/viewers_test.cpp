// The results viewer, the chart window and the quick results viewer after an analysis.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>
#include <numeric>

#include "ui/charts/graph_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/reports/results_form_unit.h"
#include "ui/support/qt_text.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

double total(const QList<double>& values) {
  return std::accumulate(values.begin(), values.end(), 0.0);
}

}  // namespace

class ViewersTest : public QObject {
  Q_OBJECT

 private slots:
  void resultsViewerShowsSavesPrintsAndEdits();
  void gradeChartNeedsGradingCategories();
  void chartsFillOneSeriesAndSaveABitmap();
  void quickViewerShowsSavesAndChangesPitch();
  void viewsAfterOkWithoutAnalysisShowEmptyResults();
};

void ViewersTest::resultsViewerShowsSavesPrintsAndEdits() {
  QTemporaryDir dir;
  TestProgram p;
  analyse_typed(p);
  p.map().btn_view_examinee->click();
  TResultsForm& v = *p.session().windows.results;
  QVERIFY(v.isVisible());
  QCOMPARE(v.results_box->toPlainText(), join_lines(p.session().ws.reports.full_results));
  QVERIFY(QFontInfo(v.results_box->font()).fixedPitch());
  QCOMPARE(v.results_box->font().pixelSize(), 12);

  // File, Save is the main window's save of the results.
  p.prompter.save_answers.push_back(std::nullopt);
  v.Save1->trigger();
  QCOMPARE(p.prompter.save_requests.size(), std::size_t{1});
  QCOMPARE(p.prompter.save_requests[0].filter, QString("Text files (*.TXT)|*.txt"));

  // Print: cancelled prints nothing; confirmed prints the text titled "JRV Output".
  v.Print1->trigger();
  QVERIFY(p.prompter.printed_documents.isEmpty());
  const QString pdf = dir.filePath("results.pdf");
  p.prompter.print_answers.push_back(pdf);
  v.Print1->trigger();
  QCOMPARE(p.prompter.printed_documents, QStringList{"JRV Output"});
  QVERIFY(QFileInfo(pdf).size() > 0);

  // Edit: the clipboard works on the pane; edits stay in the pane only.
  v.results_box->selectAll();
  v.Copy1->trigger();
  QCOMPARE(QApplication::clipboard()->text(), v.results_box->toPlainText());
  QTextCursor c = v.results_box->textCursor();
  c.setPosition(0);
  c.setPosition(5, QTextCursor::KeepAnchor);
  v.results_box->setTextCursor(c);
  v.Cut1->trigger();
  QCOMPARE(QApplication::clipboard()->text().size(), 5);
  c = v.results_box->textCursor();
  c.movePosition(QTextCursor::End);
  v.results_box->setTextCursor(c);
  v.Paste1->trigger();
  QVERIFY(v.results_box->toPlainText().endsWith(QApplication::clipboard()->text()));

  // Format, Font: offered as the installed family the pane really shows (Courier New or the
  // fixed-pitch font standing in for it: a family the dialog does not list would make it
  // offer a proportional font) at 10 points, applied to the selection only.
  v.results_box->selectAll();
  v.Font1->trigger();  // cancelled
  QCOMPARE(p.prompter.font_requests.size(), std::size_t{1});
  QCOMPARE(p.prompter.font_requests[0].family(), QFontInfo(v.results_box->font()).family());
  QVERIFY(QFontDatabase::families().contains(p.prompter.font_requests[0].family()));
  QVERIFY(QFontInfo(p.prompter.font_requests[0]).fixedPitch());
  QCOMPARE(p.prompter.font_requests[0].pointSize(), 10);
  QFont chosen("Liberation Serif", 14);
  p.prompter.font_answers.push_back(chosen);
  c = v.results_box->textCursor();
  c.setPosition(0);
  c.setPosition(3, QTextCursor::KeepAnchor);
  v.results_box->setTextCursor(c);
  v.Font1->trigger();
  c.setPosition(1);
  QCOMPARE(c.charFormat().font().family(), QString("Liberation Serif"));
  c.movePosition(QTextCursor::End);
  QVERIFY(c.charFormat().font().family() != QString("Liberation Serif"));

  v.btn_close->click();
  QVERIFY(!v.isVisible());
  QVERIFY(p.prompter.messages.isEmpty());
}

void ViewersTest::gradeChartNeedsGradingCategories() {
  TestProgram ungraded;
  analyse_typed(ungraded);
  ungraded.map().btn_view_examinee->click();
  QVERIFY(!ungraded.session().windows.results->btn_grades->isEnabled());

  TestProgram graded;
  analyse_example(graded, ExampleSet::sample1);
  graded.map().ViewResults1->trigger();
  QVERIFY(graded.session().windows.results->btn_grades->isEnabled());
}

void ViewersTest::chartsFillOneSeriesAndSaveABitmap() {
  QTemporaryDir dir;
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  const Workspace& ws = p.session().ws;
  p.map().btn_view_examinee->click();
  TResultsForm& v = *p.session().windows.results;
  TGraph& g = *p.session().windows.graph;

  v.btn_hist->click();
  QVERIFY(g.isVisible() && !g.isModal());
  QCOMPARE(g.title(), QString("Histogram for Scores"));
  QCOMPARE(g.bar_width(), 1.0);
  QVERIFY(g.value_marks());
  QCOMPARE(total(g.bar_values()), double(ws.num_cases));

  v.btn_bar->click();  // the same series, cleared and refilled
  QCOMPARE(g.title(), QString("Bar Chart for Scores"));
  QCOMPARE(g.bar_width(), 0.7);
  QVERIFY(!g.value_marks());
  QCOMPARE(total(g.bar_values()), double(ws.num_cases));
  QCOMPARE(g.bar_labels().first(), QString::number(ws.stats.min_score));
  QCOMPARE(g.bar_labels().size(), int(ws.stats.max_score - ws.stats.min_score + 1));

  v.btn_grades->click();
  QCOMPARE(g.title(), QString("Bar Chart for Letter Grades"));
  QVERIFY(g.value_marks());
  QCOMPARE(g.bar_labels().size(), ws.grade_scale.grade_category_count);
  QCOMPARE(total(g.bar_values()), double(ws.num_cases));

  // Save as a bitmap under the proposed name's rules.
  p.prompter.save_answers.push_back(dir.filePath("chart"));
  g.Save1->trigger();
  const FileDialogSpec& asked = p.prompter.save_requests.back();
  QCOMPARE(asked.default_extension, QString("BMP"));
  QCOMPARE(asked.filter, QString("Bitmap files (*.bmp)|*.bmp"));
  QCOMPARE(asked.proposed_name, QString("JRV_graph.BMP"));
  QVERIFY(file_bytes(dir.filePath("chart.BMP")).startsWith("BM"));

  p.prompter.print_answers.push_back(dir.filePath("chart.pdf"));
  g.Print1->trigger();
  QVERIFY(QFileInfo(dir.filePath("chart.pdf")).size() > 0);
  g.Close1->trigger();
  QVERIFY(!g.isVisible());
}

void ViewersTest::quickViewerShowsSavesAndChangesPitch() {
  QTemporaryDir dir;
  TestProgram p;
  analyse_typed(p);
  TMapForm& m = p.map();
  TQuickViewForm& q = *p.session().windows.quick_view;
  const Workspace& ws = p.session().ws;

  m.btn_view_q_item->click();
  QVERIFY(q.isVisible() && !q.isModal());
  QCOMPARE(q.viewer_content(), ViewerContent::item_analysis);
  QCOMPARE(q.RichEdit1->toPlainText(), join_lines(quick_view_item_lines(ws)));
  QVERIFY(q.RichEdit1->isReadOnly());
  QCOMPARE(q.RichEdit1->font().pointSize(), 10);

  // Nothing saved yet: the item view proposes "Q_Examinee".
  p.prompter.save_answers.push_back(std::nullopt);
  q.Save1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("Q_Examinee"));
  QCOMPARE(p.prompter.save_requests.back().default_extension, QString("txt"));

  m.ViewOptions1->trigger();
  QCOMPARE(q.viewer_content(), ViewerContent::options_analysis);
  p.prompter.save_answers.push_back(std::nullopt);
  q.Save1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("Q_Options"));

  // After the results were saved as Exam1, the examinee view proposes Exam1_QE; saving it
  // writes the view and the input file beside it.
  p.prompter.save_answers.push_back(dir.filePath("Exam1.txt"));
  m.btn_saveresults->click();
  m.ViewExam1->trigger();
  QCOMPARE(q.viewer_content(), ViewerContent::examinee_results);
  QVERIFY(q.RichEdit1->toPlainText().startsWith("Quick Examinee Results:"));
  p.prompter.save_answers.push_back(dir.filePath("QuickE"));
  q.Save1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("Exam1_QE"));
  const auto saved = file_lines(dir.filePath("QuickE.txt"));
  const auto expected =
      quick_view_save_lines(ws, ViewerContent::examinee_results, pane_lines(*q.RichEdit1));
  QCOMPARE(saved, expected);
  QVERIFY(QFile::exists(dir.filePath("QuickE.jrv")));

  p.prompter.print_answers.push_back(dir.filePath("quick.pdf"));
  q.Print1->trigger();
  QCOMPARE(p.prompter.printed_documents, QStringList{"JRV Quick Results"});

  // 12 pitch widens the window; Close restores 10 pitch and the width for next time.
  q.N12pitch1->trigger();
  QCOMPARE(q.width(), 820);
  QCOMPARE(q.RichEdit1->font().pointSize(), 12);
  q.Close1->trigger();
  QVERIFY(!q.isVisible());
  QCOMPARE(q.width(), 750);
  QCOMPARE(q.RichEdit1->font().pointSize(), 10);
  QVERIFY(p.prompter.messages.isEmpty());
}

void ViewersTest::viewsAfterOkWithoutAnalysisShowEmptyResults() {
  // "OK" enables the views before any analysis: they must show nothing, not fail.
  TestProgram p;
  p.prompter.modal_actions.push_back({"TEditForm", [](QDialog& d) {
                                        auto& e = static_cast<TEditForm&>(d);
                                        type_test(e, TypedTest{});
                                        e.BitBtn1->click();
                                      }});
  p.map().btn_gotodata->click();
  p.map().btn_view_examinee->click();
  TResultsForm& v = *p.session().windows.results;
  QVERIFY(v.results_box->toPlainText().isEmpty());
  v.btn_hist->click();
  v.btn_bar->click();
  p.map().btn_view_q_exam->click();
  p.map().btn_view_q_item->click();
  QVERIFY(p.prompter.messages.isEmpty());
}

QTEST_MAIN(ViewersTest)
#include "viewers_test.moc"
