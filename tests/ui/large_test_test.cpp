// A full-size test (9999 examinees, 100 items) from the editor to filled panes: the run
// must stay quick, and the panes take the texts whole.

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/generate/generator.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

class LargeTestTest : public QObject {
  Q_OBJECT

 private slots:
  void fullSizeTestIsAnalysedQuickly();
};

void LargeTestTest::fullSizeTestIsAnalysedQuickly() {
  TestProgram p;
  GeneratorFields fields;
  fields.num_cases = "9999";
  fields.num_items = "100";
  RandomState rng;
  QVERIFY(generate_data(fields, p.session().doc, p.session().ws, rng).ok());

  qint64 elapsed = 0;
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    auto& editor = static_cast<TEditForm&>(d);
    QElapsedTimer clock;
    clock.start();
    editor.btn_done->click();
    QCoreApplication::processEvents();  // the panes drawn
    elapsed = clock.elapsed();
  });
  p.map().show();
  p.map().rdo_edit_data->setChecked(true);  // keep what the generator filled in
  p.map().btn_gotodata->click();
  QVERIFY2(p.prompter.messages.isEmpty(), qPrintable(p.prompter.messages.join('\n')));
  qInfo("9999 x 100 from \"Close && Analyze\" to filled panes: %lld ms", elapsed);
  QVERIFY(p.map().btn_view_examinee->isEnabled());
  QCOMPARE(p.map().memo_results->document()->blockCount(),
           static_cast<int>(p.session().ws.reports.quick_examinee.size()));
  QVERIFY(p.map().memo_results->document()->blockCount() > 9999);
  // Generous: a shared build machine; the figure above is what counts.
  QVERIFY2(elapsed < 5000, qPrintable(QString("took %1 ms").arg(elapsed)));
}

QTEST_MAIN(LargeTestTest)
#include "large_test_test.moc"
