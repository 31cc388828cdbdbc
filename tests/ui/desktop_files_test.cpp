// The program as a teacher's desktop starts it: a test named on the command line or
// dropped on the main window, the recent tests and the other things remembered between
// runs (in a scratch settings file, never the user's).

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "ui/app/desktop_start.h"
#include "ui/app/start_options.h"
#include "ui/input/import_unit.h"
#include "ui/reports/quick_view_unit.h"
#include "ui/reports/results_form_unit.h"
#include "ui/support/pane_actions.h"
#include "ui/support/remembered.h"
#include "ui/support/test_program.h"

using namespace jrv;
using namespace jrv::ui;
using namespace jrv::ui::test;

namespace {

QString fixture(const QString& name) {
  return QString(JRV_TEST_DATA_DIR) + "/exports/legacy/" + name;
}

// What the editor shows when it opens: its title field, or "(not shown)".
struct EditorSeen {
  QString title = "(not shown)";
};

ScriptedPrompter::ScriptedModal look_at_editor(std::shared_ptr<EditorSeen> seen) {
  return {"TEditForm",
          [seen](QDialog& d) { seen->title = child<QLineEdit>(&d, "txt_title")->text(); }};
}

QStringList recent_captions(TMapForm& map) {
  map.fill_recent_tests_menu();
  QStringList out;
  for (QAction* a : map.RecentTests1->actions()) {
    if (!a->data().toString().isEmpty()) out << a->data().toString();
  }
  return out;
}

}  // namespace

class DesktopFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void commandLineOptionsAreReadBeforeAnyWindow();
  void aTimedStartEndsOnceTheMainWindowIsDrawn();
  void sideWindowsComeAfterTheFirstPaintOrBeforeTheFirstInput();
  void aTestOnTheCommandLineOpensInTheEditorWithItsTitle();
  void anOlderTestGoesThroughTheChooserOfItsVersion();
  void aBadArgumentGivesAMessageAndAnEmptyProgram();
  void aDroppedFileOpensAsOnTheCommandLine();
  void recentTestsSurviveARestartNewestFirstAndAtMostEight();
  void aMissingRecentTestIsRemovedWithANote();
  void dialogsStartInTheFolderTheyUsedLast();
  void pitchFontsAndWindowPlacesAreRememberedUntilReset();

 private:
  // A program run: a fresh program over the same settings file, as after a restart.
  std::unique_ptr<TestProgram> restart();

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<TestProgram> program_;
};

void DesktopFilesTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  program_ = restart();
}

void DesktopFilesTest::cleanup() {
  program_.reset();
  remembered::set_store(nullptr);
  settings_.reset();
  dir_.reset();
}

std::unique_ptr<TestProgram> DesktopFilesTest::restart() {
  program_.reset();
  remembered::set_store(nullptr);
  settings_.reset();  // written to disk here
  settings_ = std::make_unique<QSettings>(dir_->filePath("settings.ini"), QSettings::IniFormat);
  remembered::set_store(settings_.get());
  auto p = std::make_unique<TestProgram>();
  remember_side_windows(p->program);
  return p;
}

void DesktopFilesTest::commandLineOptionsAreReadBeforeAnyWindow() {
  StartOptions o = parse_start_options({"--reset-settings", "a.jrv", "--", "-b.jrv"});
  QVERIFY(o.reset_settings && !o.help && !o.version);
  QCOMPARE(o.files, QStringList({"a.jrv", "-b.jrv"}));
  QVERIFY(o.error.isEmpty());
  o = parse_start_options({"-h", "--version"});
  QVERIFY(o.help && o.version && o.files.isEmpty());
  o = parse_start_options({"--frobnicate", "x.jrv"});
  QCOMPARE(o.error, QString("unknown option '--frobnicate'"));
  QVERIFY(start_help_text().contains("--reset-settings"));
  o = parse_start_options({"--quit-when-shown", "a.jrv"});
  QVERIFY(o.quit_when_shown && o.error.isEmpty());
  QCOMPARE(o.files, QStringList({"a.jrv"}));
  QVERIFY(!parse_start_options({"a.jrv"}).quit_when_shown);
  QVERIFY(!start_help_text().contains("--quit-when-shown"));  // for timing, not for users
}

namespace {
// Notes that the watched window received a paint event.
struct PaintSpy : QObject {
  bool* seen;
  explicit PaintSpy(bool* s) : seen(s) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) *seen = true;
    return false;
  }
};
}  // namespace

void DesktopFilesTest::aTimedStartEndsOnceTheMainWindowIsDrawn() {
  TestProgram p;
  bool drawn = false;
  PaintSpy paints(&drawn);
  p.map().installEventFilter(&paints);
  quit_once_drawn(p.map());
  p.map().show();
  // A start that never ends would hang the timing; give up after a while instead.
  QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(drawn);
}

void DesktopFilesTest::sideWindowsComeAfterTheFirstPaintOrBeforeTheFirstInput() {
  {
    ScriptedPrompter prompter;
    Program program(prompter, Program::main_window_first);
    QVERIFY(!program.has_side_windows());
    bool drawn = false;
    PaintSpy paints(&drawn);
    program.main_window().installEventFilter(&paints);
    bool ready = false;
    bool drawn_when_ready = false;
    create_side_windows_when_drawn(program, [&] {
      ready = true;
      drawn_when_ready = drawn;
    });
    program.main_window().show();
    QTRY_VERIFY(ready);
    QVERIFY(drawn_when_ready);
    QVERIFY(program.windows().edit != nullptr && program.windows().prob != nullptr);
  }
  {
    // A key that reaches the main window before it was drawn finds every window there.
    ScriptedPrompter prompter;
    Program program(prompter, Program::main_window_first);
    bool ready = false;
    create_side_windows_when_drawn(program, [&] { ready = true; });
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    QCoreApplication::sendEvent(&program.main_window(), &key);
    QVERIFY(ready && program.has_side_windows());
  }
  {
    // Closed before the side windows exist (a timed start): nothing to save, no question.
    ScriptedPrompter prompter;
    Program program(prompter, Program::main_window_first);
    program.main_window().show();
    QVERIFY(program.main_window().close());
    QVERIFY(prompter.save_questions.isEmpty());
  }
}

void DesktopFilesTest::aTestOnTheCommandLineOpensInTheEditorWithItsTitle() {
  TestProgram& p = *program_;
  auto seen = std::make_shared<EditorSeen>();
  p.prompter.modal_actions.push_back(look_at_editor(seen));
  open_start_files(p.program, {fixture("v6_sample.jrv")});
  QCOMPARE(p.prompter.modal_windows, QStringList({"TEditForm"}));
  QCOMPARE(seen->title, QString("Physics Unit 2"));
  QCOMPARE(p.prompter.messages, QStringList());
  QCOMPARE(remembered::recent_tests(), QStringList({fixture("v6_sample.jrv")}));

  // Only one test at a time: the first opens, the others are named in a note.
  p.prompter.modal_windows.clear();
  open_start_files(p.program, {fixture("v6_sample.jrv"), fixture("v5_sample.jrv")});
  QCOMPARE(p.prompter.take_messages().size(), 1);
  QCOMPARE(p.prompter.modal_windows, QStringList({"TEditForm"}));
}

void DesktopFilesTest::anOlderTestGoesThroughTheChooserOfItsVersion() {
  TestProgram& p = *program_;
  auto seen = std::make_shared<EditorSeen>();
  p.prompter.modal_actions.push_back({"TImportForm", [](QDialog& d) {
                                        child<QRadioButton>(&d, "rdo_v5")->setChecked(true);
                                        child<QPushButton>(&d, "btn_ok")->click();
                                      }});
  p.prompter.modal_actions.push_back(look_at_editor(seen));
  p.map().open_test_file(fixture("v5_sample.jrv"));
  QCOMPARE(p.prompter.modal_windows, QStringList({"TImportForm", "TEditForm"}));
  QCOMPARE(p.prompter.open_requests.size(), std::size_t{0});  // the file was not asked again
  QCOMPARE(seen->title, QString("Physics Unit 2"));

  // Closing the chooser opens nothing.
  p.prompter.modal_windows.clear();
  p.map().open_test_file(fixture("v5_sample.jrv"));
  QCOMPARE(p.prompter.modal_windows, QStringList({"TImportForm"}));
}

void DesktopFilesTest::aBadArgumentGivesAMessageAndAnEmptyProgram() {
  TestProgram& p = *program_;
  const QString missing = dir_->filePath("no such test.jrv");
  open_start_files(p.program, {missing});
  QCOMPARE(p.prompter.take_messages(),
           QStringList({QString("Cannot open \"%1\": there is no such file.").arg(missing)}));
  open_start_files(p.program, {dir_->path()});
  QCOMPARE(
      p.prompter.take_messages(),
      QStringList({QString("Cannot open \"%1\": it is a folder, not a test.").arg(dir_->path())}));
  QVERIFY(p.prompter.modal_windows.isEmpty());
  QVERIFY(!p.map().btn_analyze->isEnabled());
  QVERIFY(remembered::recent_tests().isEmpty());

  // A spreadsheet goes through the spreadsheet import, not the test reader.
  const QString sheet = dir_->filePath("marks.csv");
  QFile f(sheet);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("name,q1,q2\r\nKEY,A,B\r\nAnn,A,C\r\n");
  f.close();
  p.map().open_test_file(sheet);
  QCOMPARE(p.prompter.take_messages(), QStringList());
  QCOMPARE(p.prompter.modal_windows, QStringList({"TSheetImportForm"}));
}

void DesktopFilesTest::aDroppedFileOpensAsOnTheCommandLine() {
  TestProgram& p = *program_;
  p.map().show();
  QVERIFY(p.map().acceptDrops());
  auto seen = std::make_shared<EditorSeen>();
  p.prompter.modal_actions.push_back(look_at_editor(seen));

  QMimeData text;
  text.setText("not a file");
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.map(), &refused);
  QVERIFY(!refused.isAccepted());

  QMimeData file;
  file.setUrls({QUrl::fromLocalFile(fixture("v6_sample.jrv"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.map(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.map(), &drop);
  QVERIFY(drop.isAccepted());
  QTRY_COMPARE(seen->title, QString("Physics Unit 2"));
  QCOMPARE(p.prompter.modal_windows, QStringList({"TEditForm"}));
}

void DesktopFilesTest::recentTestsSurviveARestartNewestFirstAndAtMostEight() {
  // Opened through the editor's own Open: the dialog's answer joins the list.
  program_->prompter.open_answers.push_back(fixture("v6_sample.jrv"));
  program_->map().OpenJRVinputFile1Click();
  QCOMPARE(recent_captions(program_->map()), QStringList({fixture("v6_sample.jrv")}));

  // Saved through the editor: the saved file comes first.
  const QString saved = dir_->filePath("saved.jrv");
  program_->prompter.modal_actions.push_back({"TEditForm", [&](QDialog&) {
                                                program_->prompter.save_answers.push_back(saved);
                                                program_->edit().Save1Click();
                                              }});
  program_->map().rdo_edit_data->setChecked(true);
  program_->map().btn_gotodataClick();
  QVERIFY2(QFile::exists(saved), qPrintable(program_->prompter.messages.join("\n")));

  program_ = restart();
  TMapForm& m = program_->map();
  QCOMPARE(recent_captions(m), QStringList({saved, fixture("v6_sample.jrv")}));
  QVERIFY(m.RecentTests1->isEnabled());
  QCOMPARE(m.RecentTests1->actions().first()->text(), QString("&1 saved.jrv"));
  QVERIFY(m.File1->actions().contains(m.RecentTests1->menuAction()));

  // Choosing one opens it and brings it to the top.
  auto seen = std::make_shared<EditorSeen>();
  program_->prompter.modal_actions.push_back(look_at_editor(seen));
  m.RecentTests1->actions()[1]->trigger();
  QCOMPARE(seen->title, QString("Physics Unit 2"));
  QCOMPARE(recent_captions(m), QStringList({fixture("v6_sample.jrv"), saved}));

  for (int i = 1; i <= 10; ++i)
    remembered::add_recent_test(dir_->filePath(QString("t%1.jrv").arg(i)));
  const QStringList recent = recent_captions(m);
  QCOMPARE(recent.size(), remembered::kRecentCount);
  QCOMPARE(recent.first(), dir_->filePath("t10.jrv"));
  QCOMPARE(recent.last(), dir_->filePath("t3.jrv"));
}

void DesktopFilesTest::aMissingRecentTestIsRemovedWithANote() {
  const QString gone = dir_->filePath("gone.jrv");
  remembered::add_recent_test(fixture("v6_sample.jrv"));
  remembered::add_recent_test(gone);
  TMapForm& m = program_->map();
  QCOMPARE(recent_captions(m), QStringList({gone, fixture("v6_sample.jrv")}));
  m.RecentTests1->actions().first()->trigger();
  QCOMPARE(
      program_->prompter.take_messages(),
      QStringList(
          {QString("\"%1\" is no longer there; it was removed from Recent Tests.").arg(gone)}));
  QCOMPARE(recent_captions(m), QStringList({fixture("v6_sample.jrv")}));
  QVERIFY(program_->prompter.modal_windows.isEmpty());

  m.findChild<QAction*>("ClearRecentTests1")->trigger();
  QVERIFY(remembered::recent_tests().isEmpty());
  QVERIFY(!m.RecentTests1->isEnabled());
}

void DesktopFilesTest::dialogsStartInTheFolderTheyUsedLast() {
  FileDialogSpec jrv;
  jrv.filter = "JRV files (*.jrv)|*.jrv";
  jrv.proposed_name = "Exam1";
  FileDialogSpec text;
  text.filter = "Text files (*.txt)|*.txt";
  QCOMPARE(remembered::dialog_start_path(jrv, true), QString("Exam1"));

  QDir(dir_->path()).mkpath("tests");
  QDir(dir_->path()).mkpath("reports");
  remembered::remember_dialog_choice(jrv, true, dir_->filePath("tests/Exam1.jrv"));
  remembered::remember_dialog_choice(text, true, dir_->filePath("reports/r.txt"));
  program_ = restart();
  QCOMPARE(remembered::dialog_start_path(jrv, true), dir_->filePath("tests/Exam1"));
  QCOMPARE(remembered::dialog_start_path(text, true), dir_->filePath("reports"));
  // Opening keeps its own folder; an absolute proposal stays as it is.
  QCOMPARE(remembered::dialog_start_path(jrv, false), QString("Exam1"));
  jrv.proposed_name = "/elsewhere/Exam1";
  QCOMPARE(remembered::dialog_start_path(jrv, true), QString("/elsewhere/Exam1"));
  // A folder that was removed is not offered.
  QDir(dir_->filePath("reports")).removeRecursively();
  QCOMPARE(remembered::dialog_start_path(text, true), QString());
}

void DesktopFilesTest::pitchFontsAndWindowPlacesAreRememberedUntilReset() {
  TQuickViewForm* viewer = program_->session().windows.quick_view;
  viewer->N12pitch1->trigger();
  TResultsForm* results = program_->session().windows.results;
  results->show();
  results->move(40, 50);
  results->hide();
  QPlainTextEdit pane;
  pane.setObjectName("pane");
  QFont chosen("Liberation Mono", 14);
  program_->prompter.font_answers.push_back(chosen);
  apply_font_to_selection(program_->prompter, results, pane);

  program_ = restart();
  viewer = program_->session().windows.quick_view;
  viewer->show();
  QCOMPARE(viewer->RichEdit1->font().pointSize(), 12);
  viewer->hide();
  results = program_->session().windows.results;
  results->show();
  QCOMPARE(results->pos(), QPoint(40, 50));
  results->hide();
  apply_font_to_selection(program_->prompter, results, pane);
  QCOMPARE(program_->prompter.font_requests.back().family(), chosen.family());
  QCOMPARE(program_->prompter.font_requests.back().pointSize(), 14);

  remembered::clear();
  program_ = restart();
  QVERIFY(!remembered::viewer_pitch() && !remembered::window_place("TResultsForm"));
  program_->session().windows.quick_view->show();
  QCOMPARE(program_->session().windows.quick_view->RichEdit1->font().pointSize(), 10);
}

QTEST_MAIN(DesktopFilesTest)
#include "desktop_files_test.moc"
