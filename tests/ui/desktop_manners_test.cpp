// What a user of office programs expects of the windows: a changed test is never dropped
// without a question, Esc keeps what was typed, Enter presses the focused button, every
// control has its own access key, windows come back where they were, and message boxes say
// what kind of message they carry.

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/generate/gen_form_unit.h"
#include "ui/input/answer_form_unit.h"
#include "ui/input/pc_unit.h"
#include "ui/input/table_unit.h"
#include "ui/settings/disc_form_unit.h"
#include "ui/settings/grade_form_unit.h"
#include "ui/settings/prob_unit.h"
#include "ui/settings/spearman_form_unit.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

const QString kSaveQuestion = "Save changes to the test?";

TEditForm& as_editor(QDialog& d) {
  return static_cast<TEditForm&>(d);
}

// Types a test into the editor and leaves it through OK (loaded, not analysed).
void type_and_leave(TestProgram& p, const TypedTest& test = {}) {
  p.prompter.modal_actions.push_back({"TEditForm", [test](QDialog& d) {
                                        type_test(as_editor(d), test);
                                        as_editor(d).BitBtn1->click();
                                      }});
  p.map().CreateNewDataFile1->trigger();
}

// The access key of a caption ("Lett&ers" -> 'e'), or 0.
QChar access_key(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return {};
}

}  // namespace

class DesktopMannersTest : public QObject {
  Q_OBJECT

 private slots:
  void escapeOrCloseKeepsTheTypingForTheNextVisit_data();
  void escapeOrCloseKeepsTheTypingForTheNextVisit();
  void changedTestIsAskedAboutBeforeAnythingReplacesIt();
  void saveAnswerWritesTheTestFirst();
  void unchangedOrSavedTestsAreReplacedWithoutAQuestion();
  void enterPressesTheFocusedButtonOfTheMainWindow();
  void everyControlOfAWindowHasItsOwnAccessKey();
  void windowsShownAgainComeBackWhereTheyWere();
  void grade_countRefusedKeepsTheCategoryNames();
  void messagesCarryTheirKind();
};

void DesktopMannersTest::escapeOrCloseKeepsTheTypingForTheNextVisit_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Esc") << true;
  QTest::newRow("close button") << false;
}

void DesktopMannersTest::escapeOrCloseKeepsTheTypingForTheNextVisit() {
  QFETCH(bool, escape);
  TestProgram p;
  p.prompter.modal_actions.push_back({"TEditForm", [escape](QDialog& d) {
                                        TEditForm& e = as_editor(d);
                                        e.txt_title->setText("Typed title");
                                        e.txt_cases->setText("3");
                                        if (escape)
                                          QTest::keyClick(&e, Qt::Key_Escape);
                                        else
                                          e.close();
                                        QVERIFY(!e.isVisible());
                                      }});
  p.map().CreateNewDataFile1->trigger();
  // As after "Close (Cancel)": the main window says the editor was left without OK.
  QCOMPARE(p.map().Label5->text(), QString("Must click OK when leaving editor"));
  QVERIFY(p.map().rdo_edit_data->isChecked());

  QString title, cases;
  p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                        title = as_editor(d).txt_title->text();
                                        cases = as_editor(d).txt_cases->text();
                                      }});
  p.map().btn_gotodata->click();
  QCOMPARE(title, QString("Typed title"));
  QCOMPARE(cases, QString("3"));
  QVERIFY(p.prompter.save_questions.isEmpty());

  // The typed test is not dropped by the editor's own New without the question.
  p.prompter.save_answers_to_question = {SaveChoice::cancel};
  p.prompter.modal_actions.push_back({"TEditForm", [&](QDialog& d) {
                                        as_editor(d).btn_clear->click();
                                        title = as_editor(d).txt_title->text();
                                      }});
  p.map().btn_gotodata->click();
  QCOMPARE(p.prompter.save_questions, QStringList{kSaveQuestion});
  QCOMPARE(title, QString("Typed title"));
}

void DesktopMannersTest::changedTestIsAskedAboutBeforeAnythingReplacesIt() {
  TestProgram p;
  p.map().show();
  type_and_leave(p);
  QVERIFY(p.prompter.save_questions.isEmpty());  // nothing was typed before
  const auto typed = p.session().doc.editor;

  // Every action that replaces the test asks; Cancel leaves the test and the windows alone.
  const QList<QAction*> replacing = {p.map().CreateNewDataFile1, p.map().OpenJRVinputFile1,
                                     p.map().SampleDataSet11,    p.map().as_letter1,
                                     p.map().Generate1,          p.map().Exit1};
  for (QAction* action : replacing) {
    p.prompter.save_questions.clear();
    p.prompter.modal_windows.clear();
    p.prompter.save_answers_to_question = {SaveChoice::cancel};
    action->trigger();
    QCOMPARE(p.prompter.save_questions, QStringList{kSaveQuestion});
    QVERIFY2(p.prompter.modal_windows.isEmpty(), qPrintable(action->objectName()));
    QVERIFY2(p.prompter.open_requests.empty(), qPrintable(action->objectName()));
    QVERIFY(p.session().doc.editor == typed);
    QVERIFY(p.map().isVisible());
  }
  // The window's close button too.
  p.prompter.save_answers_to_question = {SaveChoice::cancel};
  QVERIFY(!p.map().close());
  QVERIFY(p.map().isVisible());

  // Discard replaces it.
  p.prompter.save_answers_to_question = {SaveChoice::discard};
  p.map().SampleDataSet11->trigger();
  QVERIFY(p.session().doc.editor.title != typed.title);
}

void DesktopMannersTest::saveAnswerWritesTheTestFirst() {
  QTemporaryDir dir;
  TestProgram p;
  type_and_leave(p);
  const QString path = dir.filePath("typed.jrv");

  // A cancelled save dialog cancels the replacing too.
  p.prompter.save_answers_to_question = {SaveChoice::save};
  p.map().SampleDataSet21->trigger();
  QCOMPARE(p.prompter.save_requests.size(), std::size_t{1});
  QCOMPARE(p.session().doc.editor.title, std::string("Unit test"));

  p.prompter.save_answers_to_question = {SaveChoice::save};
  p.prompter.save_answers = {path};
  p.map().SampleDataSet21->trigger();
  QVERIFY(QFile::exists(path));
  QCOMPARE(file_lines(path).at(1), std::string("Title         = Unit test"));
  QVERIFY(p.session().doc.editor.title != "Unit test");
}

void DesktopMannersTest::unchangedOrSavedTestsAreReplacedWithoutAQuestion() {
  QTemporaryDir dir;
  TestProgram p;
  p.map().show();
  p.map().SampleDataSet11->trigger();  // an example is not the user's work
  p.map().as_numeric1->trigger();
  QVERIFY(p.prompter.save_questions.isEmpty());

  type_and_leave(p);
  p.prompter.save_answers = {dir.filePath("saved.jrv")};
  p.map().SaveJRVInputFile1->trigger();
  p.map().SampleDataSet31->trigger();
  QVERIFY(p.prompter.save_questions.isEmpty());

  // A file opened and not changed.
  p.prompter.modal_actions.push_back(
      {"TEditForm", [](QDialog& d) { as_editor(d).BitBtn1->click(); }});
  p.prompter.open_answers = {dir.filePath("saved.jrv")};
  p.map().OpenJRVinputFile1->trigger();
  QCOMPARE(p.session().doc.editor.title, std::string("Unit test"));
  QVERIFY(p.map().close());
  QVERIFY(p.prompter.save_questions.isEmpty());
}

void DesktopMannersTest::enterPressesTheFocusedButtonOfTheMainWindow() {
  TestProgram p;
  p.map().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.map()));
  p.map().btn_gotodata->setFocus();
  QTest::keyClick(p.map().btn_gotodata, Qt::Key_Return);
  QCOMPARE(p.prompter.modal_windows, QStringList{"TEditForm"});
}

void DesktopMannersTest::everyControlOfAWindowHasItsOwnAccessKey() {
  TestProgram p;
  const Windows& w = p.program.windows();
  const QList<QWidget*> windows = {w.gen, w.grade, w.disc, w.prob, w.spearman, w.pc, w.edit};
  for (QWidget* window : windows) {
    QMap<QChar, QString> seen;
    QStringList captions;
    for (auto* b : window->findChildren<QAbstractButton*>()) captions << b->text();
    for (auto* l : window->findChildren<QLabel*>())
      if (l->buddy()) captions << l->text();
    for (const QString& caption : captions) {
      const QChar key = access_key(caption);
      if (key.isNull()) continue;
      QVERIFY2(!seen.contains(key), qPrintable(window->objectName() + ": \"" + caption +
                                               "\" and \"" + seen.value(key) + "\""));
      seen[key] = caption;
    }
  }
  // The editor's menus open from the keyboard, each by its own letter.
  QSet<QChar> menu_keys;
  for (QAction* menu : p.edit().MainMenu1->actions()) {
    const QChar key = access_key(menu->text());
    QVERIFY2(!key.isNull(), qPrintable(menu->text()));
    QVERIFY2(!menu_keys.contains(key), qPrintable(menu->text()));
    menu_keys.insert(key);
  }
}

void DesktopMannersTest::windowsShownAgainComeBackWhereTheyWere() {
  TestProgram p;
  const Windows& w = p.program.windows();
  for (QWidget* window : QList<QWidget*>{w.grade, w.prob, w.answer, w.table, w.disc}) {
    window->show();
    window->move(200, 150);
    window->hide();
    window->move(212, 170);  // what some window managers do to a re-shown window
    window->show();
    QCOMPARE(window->pos(), QPoint(200, 150));
    window->hide();
  }
}

void DesktopMannersTest::grade_countRefusedKeepsTheCategoryNames() {
  TestProgram p;
  QString name_after;
  bool rows_shown = false;
  p.prompter.modal_actions.push_back({"TGradeForm", [&](QDialog& d) {
                                        auto& g = static_cast<TGradeForm&>(d);
                                        g.rdo_user->click();
                                        g.txt_num_cats->setText("3");
                                        g.txt_num_catsChange();
                                        g.lbl_grade_k[1]->setText("Top");
                                        g.lbl_grade_k[2]->setText("Middle");
                                        g.txt_num_cats->setText("x");
                                        g.txt_num_catsChange();
                                        g.btn_grade_OK->click();
                                        name_after = g.lbl_grade_k[2]->text();
                                        rows_shown = g.lbl_grade_k[3]->isVisibleTo(&g);
                                      }});
  p.map().SetPercentagesforGrades1->trigger();
  QVERIFY(p.prompter.messages.contains("Number of Categories must be a whole number between 2-13"));
  QCOMPARE(name_after, QString("Middle"));
  QVERIFY(rows_shown);
}

void DesktopMannersTest::messagesCarryTheirKind() {
  TestProgram p;
  // A refused check warns.
  TypedTest bad;
  bad.cases = "five";
  analyse_typed(p, bad);
  QCOMPARE(p.prompter.messages.first(), QString("Number of Examinees must be an integer"));
  QCOMPARE(p.prompter.message_kinds.front(), MessageKind::warning);
  // A file that cannot be read is an error.
  p.prompter.take_messages();
  p.prompter.open_answers = {QString("/nonexistent/folder/test.jrv")};
  p.prompter.modal_actions.push_back({"TEditForm", [](QDialog&) {}});
  p.map().OpenJRVinputFile1->trigger();
  QCOMPARE(p.prompter.message_kinds.size(), std::size_t{1});
  QCOMPARE(p.prompter.message_kinds.front(), MessageKind::error);
  // A note that lets the action go on informs.
  p.prompter.take_messages();
  TypedTest x_key;
  x_key.key = "AxCD";
  analyse_typed(p, x_key);
  QCOMPARE(p.prompter.messages.first(),
           QString("Item 2: key \"x\" is not an answer; every examinee gets this item right"));
  QCOMPARE(p.prompter.message_kinds.front(), MessageKind::information);
}

QTEST_MAIN(DesktopMannersTest)
#include "desktop_manners_test.moc"
