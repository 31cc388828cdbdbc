// Names in every alphabet through the windows: typed into the editor, saved, opened again
// and analysed, every letter survives (nothing becomes "?"), and the quick examinee results
// line the names up in the pane.

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

TEditForm& as_editor(QDialog& d) {
  return static_cast<TEditForm&>(d);
}

const std::vector<QString> kNames = {"Łukasz Żółw", "Şule Yılmaz", "Ελένη Παππά", "Дмитрий",
                                     "王芳"};

TypedTest names_test() {
  TypedTest t;
  t.title = "Klasa 3b — Ελληνικά, Русский, Türkçe";
  t.comments = "Łódź, İzmir";
  t.label_length = "12";
  const QString answers[] = {"ABCD", "ABCA", "ABAA", "AAAA", "DDDD"};
  t.lines.clear();
  for (std::size_t i = 0; i < kNames.size(); ++i)
    t.lines.push_back(kNames[i].leftJustified(12) + answers[i]);
  return t;
}

}  // namespace

class InternationalNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void typedNamesSurviveSaveOpenAndAnalysis();
  void aFileThatFitsWindows1252IsSavedInIt();
};

void InternationalNamesTest::typedNamesSurviveSaveOpenAndAnalysis() {
  QTemporaryDir dir;
  TestProgram p;
  TMapForm& m = p.map();
  const TypedTest typed = names_test();
  const QString saved = dir.filePath("names.jrv");
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    type_test(as_editor(d), typed);
    p.prompter.save_answers.push_back(saved);
    as_editor(d).btn_save_map->click();
    as_editor(d).Cancel->click();
  });
  m.rdo_enter_data->click();
  m.btn_gotodata->click();
  QVERIFY(file_bytes(saved).contains(QString("Дмитрий     AAAA\r\n").toUtf8()));

  QString title, comments, data;
  p.prompter.open_answers.push_back(saved);
  p.prompter.modal_actions.push_back([&](QDialog& d) {
    title = as_editor(d).txt_title->text();
    comments = as_editor(d).txt_comments->text();
    data = as_editor(d).MemoData->toPlainText();
    as_editor(d).btn_done->click();
  });
  m.rdo_read_file->click();
  m.btn_gotodata->click();
  QVERIFY(p.prompter.messages.isEmpty());
  QCOMPARE(title, typed.title);
  QCOMPARE(comments, typed.comments);
  QStringList lines;
  for (const auto& l : typed.lines) lines << l;
  QCOMPARE(data, lines.join('\n'));

  // Every name stands in the quick examinee results as typed, and the Latin, Greek and
  // Cyrillic ones take the same width in the pane's fixed-pitch font.
  const QStringList pane = m.memo_results->toPlainText().split('\n');
  const QFontMetricsF metrics(m.memo_results->font());
  const qreal label_width = metrics.horizontalAdvance(QString(12, ' '));
  qsizetype line_length = -1;
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    const QString label = kNames[i].leftJustified(12);
    const auto at = std::find_if(pane.begin(), pane.end(),
                                 [&](const QString& l) { return l.startsWith(label); });
    QVERIFY2(at != pane.end(), qPrintable(kNames[i]));
    if (line_length < 0) line_length = at->size();
    QCOMPARE(at->size(), line_length);  // one column per character
    if (i < 4) QCOMPARE(metrics.horizontalAdvance(label), label_width);
  }
}

void InternationalNamesTest::aFileThatFitsWindows1252IsSavedInIt() {
  QTemporaryDir dir;
  TestProgram p;
  TEditForm& e = p.edit();
  e.show();
  TypedTest t;
  t.label_length = "4";
  t.lines = {"ZoëXABCD", "JoséABCA", "ALxxABAA", "BOxxAAAA", "CYxxDDDD"};
  type_test(e, t);
  p.prompter.save_answers.push_back(dir.filePath("latin.jrv"));
  e.Save1->trigger();
  const QByteArray bytes = file_bytes(dir.filePath("latin.jrv"));
  QVERIFY(
      bytes.contains("\r\nJos\xE9"
                     "ABCA\r\n"));
  QVERIFY(!bytes.contains("\xC3"));
  e.hide();
}

QTEST_MAIN(InternationalNamesTest)
#include "international_names_test.moc"
