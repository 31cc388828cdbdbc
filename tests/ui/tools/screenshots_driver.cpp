// Drives the real windows through a short tour and writes a PNG of each window into the
// folder given as the first argument: the main window before and after an analysis, the
// data editor, the results viewer, the quick viewer with each of its reports, and each chart.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

#include "core/generate/example_sets.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/charts/graph_unit.h"
#include "ui/generate/gen_form_unit.h"
#include "ui/input/data_entry_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/reports/results_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/spearman_form_unit.h"
#include "ui/support/scripted_prompter.h"

using namespace jrv;
using namespace jrv::ui;

namespace {

QString out_dir;
int failures = 0;
QStringList captions;

// The caption the window system shows for `window` (xprop under X; the window's own title
// where xprop cannot tell).
QString shown_caption(QWidget& window) {
  QProcess xprop;
  xprop.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_NAME"});
  if (xprop.waitForFinished(2000) && xprop.exitCode() == 0) {
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = out.indexOf('"');
    if (quote >= 0) return out.mid(quote + 1).chopped(1);
  }
  return window.windowTitle();
}

void shoot(QWidget& window, const QString& name) {
  window.show();
  window.raise();
  QApplication::processEvents();
  captions << name + ": " + shown_caption(window);
  const QString path = QDir(out_dir).filePath(name + ".png");
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++failures;
  } else {
    std::printf("%s\n", qPrintable(path));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  name_the_application();
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  out_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out_dir);

  test::ScriptedPrompter prompter;
  Program program(prompter);
  Session& s = program.session();
  TMapForm& map = program.main_window();
  shoot(map, "01_main_window_start");

  // Sample Data Set #1 into the editor, photographed, then "Close && Analyze".
  load_example(ExampleSet::sample1, s.doc, s.ws);
  prompter.modal_actions.push_back([](QDialog& d) {
    auto& editor = static_cast<TEditForm&>(d);
    shoot(editor, "02_data_editor");
    editor.btn_done->click();
  });
  map.rdo_edit_data->setChecked(true);
  map.btn_gotodata->click();
  for (const auto& m : prompter.messages) std::fprintf(stderr, "message: %s\n", qPrintable(m));
  shoot(map, "03_main_window_analysed");

  map.btn_view_examinee->click();
  TResultsForm& results = *s.windows.results;
  shoot(results, "04_results_viewer");
  // The item section begins after a page-break line.
  QTextCursor at_item_section = results.results_box->document()->find("Item and Test Analysis");
  at_item_section.clearSelection();
  results.results_box->setTextCursor(at_item_section);
  results.results_box->centerCursor();
  shoot(results, "04b_results_viewer_item_section");
  results.btn_hist->click();
  shoot(*s.windows.graph, "05_chart_histogram");
  results.btn_bar->click();
  shoot(*s.windows.graph, "06_chart_score_bars");
  results.btn_grades->click();
  shoot(*s.windows.graph, "07_chart_grade_bars");
  s.windows.graph->close();
  // Format > Font: the dialog as it opens with the font the viewer offers.
  results.Font1->trigger();
  if (!prompter.font_requests.empty()) {
    QFontDialog font_dialog(prompter.font_requests.back());
    shoot(font_dialog, "04c_results_font_dialog");
    font_dialog.hide();
  }
  results.close();

  TQuickViewForm& quick = *s.windows.quick_view;
  map.btn_view_q_exam->click();
  shoot(quick, "08_quick_examinee");
  map.btn_view_q_item->click();
  shoot(quick, "09_quick_items");
  map.btn_view_options->click();
  shoot(quick, "10_quick_options");
  quick.N12pitch1->trigger();
  shoot(quick, "11_quick_options_12_pitch");
  quick.Close1->trigger();

  // Every side window, each photographed as the scripted prompter shows it, then closed.
  const auto photograph = [&](const QString& name) {
    prompter.modal_actions.push_back([name](QDialog& d) {
      shoot(d, name);
      d.reject();
    });
  };
  photograph("12_grade_percentages");
  map.SetPercentagesforGrades1->trigger();
  prompter.modal_actions.push_back([](QDialog& d) {
    auto& g = static_cast<TGradeForm&>(d);
    g.rdo_user->click();
    g.txt_num_cats->setText("13");
    g.txt_num_catsChange();
    shoot(g, "13_grade_percentages_user_defined");
    g.btn_cancel->click();
  });
  map.SetPercentagesforGrades1->trigger();
  photograph("14_group_percentages");
  map.SetPercentagesforItemDiscrimination1->trigger();
  photograph("15_problem_criteria");
  map.SetCriteriaforProblemItems1->trigger();
  prompter.modal_actions.push_back([](QDialog& d) {
    static_cast<TSpearmanForm&>(d).btn_calc->click();
    shoot(d, "16_spearman_brown");
    d.reject();
  });
  map.SpearmanBrownProphecy1->trigger();
  photograph("17_grade_reports");
  map.ViewGradeReports1->trigger();
  photograph("18_import_chooser");
  map.OpenInputFilefromapreviousJRVversion1->trigger();
  photograph("19_text_insert_help");
  map.HowtoSpeciallsaveSPSSfiles1->trigger();
  photograph("20_about");
  map.About1->trigger();
  photograph("21_user_agreement");
  map.License1->trigger();
  photograph("22_acknowledgements");
  map.Acknowledgements1->trigger();

  // The editor's side windows, on the sample set still in the editor.
  TEditForm& editor = *s.windows.edit;
  photograph("23_alternative_answers");
  editor.SetAlternativeCorrectAnswers1->trigger();
  photograph("24_partial_credit");
  editor.PartialCredit1->trigger();
  photograph("25_table_of_specifications");
  editor.SetTableofSpecifications1->trigger();
  photograph("26_code_help");
  editor.AnswerKeyandIncludeItemCodes1->trigger();
  prompter.modal_actions.push_back([](QDialog& d) {
    auto& g = static_cast<TGenForm&>(d);
    g.edit_num_cases->setText("1500");
    g.edit_num_items->setText("100");
    g.btn_generate->click();
    g.lbl_largen->show();
    shoot(g, "27_data_generation");
    g.hide();
  });
  editor.GenerateData1->trigger();

  // A large test: its score chart's ticks and labels.
  prompter.modal_actions.push_back(
      {"TEditForm", [](QDialog& d) { static_cast<TEditForm&>(d).btn_done->click(); }});
  map.rdo_edit_data->setChecked(true);
  map.btn_gotodata->click();
  map.btn_view_examinee->click();
  results.btn_bar->click();
  shoot(*s.windows.graph, "28_chart_score_bars_large_test");
  results.btn_hist->click();
  shoot(*s.windows.graph, "29_chart_histogram_large_test");
  s.windows.graph->close();
  results.close();

  QFile list(QDir(out_dir).filePath("captions.txt"));
  if (list.open(QIODevice::WriteOnly | QIODevice::Text))
    list.write((captions.join('\n') + '\n').toUtf8());
  for (const auto& m : prompter.messages) std::fprintf(stderr, "message: %s\n", qPrintable(m));
  return failures == 0 ? 0 : 1;
}
