// The item diagnostics window: opened from the Analysis menu after a run, its sortable item
// table, the chosen item's options and curves, moving between items, saving the curves.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app/map_main_diagnostics.h"
#include "ui/diagnostics/diagnostics_window.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

QList<double> column(const QTableWidget& grid, int col) {
  QList<double> values;
  for (int r = 0; r < grid.rowCount(); ++r) values << grid.item(r, col)->text().toDouble();
  return values;
}

QList<QLineSeries*> curves(const TDiagnosticsForm& w) {
  QList<QLineSeries*> out;
  for (auto* s : w.chart_view->chart()->series()) out << qobject_cast<QLineSeries*>(s);
  return out;
}

}  // namespace

class DiagnosticsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void enabledOnlyWhileThereAreResults();
  void itemTableSortsAndAnItemShowsItsOptionsAndCurves();
  void nextPreviousAndSavingTheCurves();
  void refreshesFromANewResult();
  void reportSavedAsHtmlAndPdfFromTheFileMenu();
};

void DiagnosticsWindowTest::enabledOnlyWhileThereAreResults() {
  TestProgram p;
  QAction* open = child<QAction>(&p.map(), "ItemDiagnostics1");
  QVERIFY(!open->isEnabled());
  analyse_typed(p);
  QVERIFY(open->isEnabled());
  TDiagnosticsForm& w = open_diagnostics(p);
  QVERIFY(w.isVisible());
  // Back to the editor: the results (and the window showing them) go.
  p.map().enter_no_data_state();
  QVERIFY(!open->isEnabled());
  QVERIFY(!w.isVisible());
  QVERIFY(p.prompter.messages.isEmpty());
}

void DiagnosticsWindowTest::itemTableSortsAndAnItemShowsItsOptionsAndCurves() {
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  TDiagnosticsForm& w = open_diagnostics(p);
  const Workspace& ws = p.session().ws;
  QCOMPARE(w.grid_items->rowCount(), ws.included_count);
  QVERIFY(w.lbl_summary->text().contains("KR-20"));

  // Sorting by difficulty, both ways, numerically.
  w.grid_items->sortByColumn(2, Qt::AscendingOrder);
  QList<double> p_values = column(*w.grid_items, 2);
  QVERIFY2(std::is_sorted(p_values.begin(), p_values.end()),
           qPrintable(QString::number(p_values.size())));
  w.grid_items->sortByColumn(2, Qt::DescendingOrder);
  p_values = column(*w.grid_items, 2);
  QVERIFY(std::is_sorted(p_values.rbegin(), p_values.rend()));
  // By number, 10 after 9 (not as text).
  w.grid_items->sortByColumn(0, Qt::AscendingOrder);
  const QList<double> numbers = column(*w.grid_items, 0);
  QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));
  QCOMPARE(numbers.first(), 1.0);
  QVERIFY(numbers.contains(10.0));

  // Choosing an item: its options then the missing answers, one curve per option given.
  w.choose_item(2);
  QCOMPARE(w.current_item(), 2);
  const auto& d = w.result().item_list[1];
  QCOMPARE(w.grid_options->rowCount(), int(d.options.size()));
  QCOMPARE(w.grid_options->item(w.grid_options->rowCount() - 1, 0)->text(), QString("Missing"));
  const int k = ws.option_values[2];
  const bool missing = d.options.back().count > 0;
  const QList<QLineSeries*> lines = curves(w);
  QCOMPARE(lines.size(), k + (missing ? 1 : 0));
  // The key's curve is drawn thicker than every other.
  double key_width = 0, other_width = 0;
  for (int o = 0; o < k; ++o)
    (d.options[std::size_t(o)].keyed ? key_width : other_width) = std::max(
        lines[o]->pen().widthF(), d.options[std::size_t(o)].keyed ? key_width : other_width);
  QVERIFY2(key_width > other_width, qPrintable(QString("%1 %2").arg(key_width).arg(other_width)));
  // Five score groups on the x axis, at most.
  QVERIFY(lines[0]->count() <= 5 && lines[0]->count() > 0);
}

void DiagnosticsWindowTest::nextPreviousAndSavingTheCurves() {
  QTemporaryDir dir;
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  TDiagnosticsForm& w = open_diagnostics(p);
  w.grid_items->sortByColumn(0, Qt::AscendingOrder);
  w.choose_item(1);
  QCOMPARE(w.NextItem1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Down));
  w.NextItem1->trigger();
  w.NextItem1->trigger();
  QCOMPARE(w.current_item(), 3);
  w.PreviousItem1->trigger();
  QCOMPARE(w.current_item(), 2);
  w.PreviousItem1->trigger();
  w.PreviousItem1->trigger();  // stays on the first
  QCOMPARE(w.current_item(), 1);

  const QString png = dir.filePath("curves");
  p.prompter.save_answers.push_back(png);
  w.SaveChartPng1->trigger();
  QCOMPARE(p.prompter.save_requests.back().proposed_name, QString("item_1_curves.png"));
  QCOMPARE(file_bytes(png + ".png").left(8), QByteArray("\x89PNG\r\n\x1a\n"));
  const QString svg = dir.filePath("curves.svg");
  p.prompter.save_answers.push_back(svg);
  w.SaveChartSvg1->trigger();
  QVERIFY(file_bytes(svg).contains("<svg"));
  // Cancelled: nothing asked of the user, nothing written.
  w.SaveChartPng1->trigger();
  QCOMPARE(QDir(dir.path()).count(), 2u + 2u);  // . .. and the two files
  // Printing goes to the printer chosen.
  const QString pdf = dir.filePath("item.pdf");
  p.prompter.print_answers.push_back(pdf);
  w.PrintItem1->trigger();
  QVERIFY(QFileInfo(pdf).size() > 0);
  QVERIFY(p.prompter.messages.isEmpty());
}

void DiagnosticsWindowTest::refreshesFromANewResult() {
  TestProgram p;
  analyse_example(p, ExampleSet::sample1);
  TDiagnosticsForm& w = open_diagnostics(p);
  w.choose_item(3);
  // A result given from elsewhere (a later analysis of the same test with item 1 left out).
  DiagnosticsResult changed = w.result();
  changed.item_list[0].included = false;
  changed.item_list[2].flags.clear();
  w.set_result(changed);
  QCOMPARE(w.grid_items->rowCount(), p.session().ws.included_count - 1);
  QCOMPARE(w.current_item(), 3);
  QVERIFY(w.lbl_flags->text().contains("No flags"));
  // A new run in the main window refreshes the open window from the workspace.
  p.map().btn_analyzeClick();
  QCOMPARE(w.grid_items->rowCount(), p.session().ws.included_count);
  QCOMPARE(w.current_item(), 3);
}

void DiagnosticsWindowTest::reportSavedAsHtmlAndPdfFromTheFileMenu() {
  QTemporaryDir dir;
  TestProgram p;
  QAction* html = child<QAction>(&p.map(), "SaveReportHtml1");
  QAction* pdf = child<QAction>(&p.map(), "SaveReportPdf1");
  QVERIFY(p.map().File1->actions().contains(html) && p.map().File1->actions().contains(pdf));
  // Above Exit, which stays last.
  QCOMPARE(p.map().File1->actions().last(), p.map().Exit1);
  QVERIFY(!html->isEnabled() && !pdf->isEnabled());
  analyse_example(p, ExampleSet::sample1);
  QVERIFY(html->isEnabled() && pdf->isEnabled());

  p.prompter.save_answers.push_back(dir.filePath("quiz"));
  html->trigger();
  QCOMPARE(p.prompter.save_requests.back().default_extension, QString("html"));
  const QByteArray page = file_bytes(dir.filePath("quiz.html"));
  QVERIFY(page.startsWith("<!DOCTYPE html>"));
  QVERIFY(page.contains("<svg"));
  p.prompter.save_answers.push_back(dir.filePath("quiz.pdf"));
  pdf->trigger();
  QVERIFY(file_bytes(dir.filePath("quiz.pdf")).startsWith("%PDF"));
  // A folder that does not exist: a message, nothing written.
  p.prompter.save_answers.push_back(dir.filePath("none/quiz.html"));
  html->trigger();
  QCOMPARE(p.prompter.take_messages().size(), 1);
}

QTEST_MAIN(DiagnosticsWindowTest)
#include "diagnostics_window_test.moc"
