#pragma once
// The whole program under a scripted prompter, and small helpers to reach its controls.

#include <QObject>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/generate/example_sets.h"

#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/scripted_prompter.h"

namespace jrv::ui {
class TDiagnosticsForm;
}

namespace jrv::ui::test {

// The child of `root` named `name`; a missing control ends the test program at once
// with its name, since every later step would only fail less clearly.
template <class T>
T* child(const QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (found == nullptr) {
    std::fprintf(stderr, "no %s named %s under %s\n", T::staticMetaObject.className(),
                 qPrintable(name), qPrintable(root->objectName()));
    std::abort();
  }
  return found;
}

struct TestProgram {
  ScriptedPrompter prompter;
  Program program{prompter};

  Session& session() { return program.session(); }
  TMapForm& map() { return *program.session().windows.map; }
  TEditForm& edit() { return *program.session().windows.edit; }
};

// A complete small test typed into the editor: every field and the data lines.
struct TypedTest {
  QString title = "Unit test";
  QString comments = "five examinees";
  QString cases = "5";
  QString items = "4";
  QString label_length = "3";
  QString key = "ABCD";
  QString options = "4444";
  QString include = "YYYY";
  std::vector<QString> lines = {"AL ABCD", "BO ABCA", "CY ABAA", "DI AAAA", "ED DDDD"};
};

// Types `test` into the editor's controls, as a user would.
void type_test(TEditForm& editor, const TypedTest& test);

// Goes to the editor in edit mode, lets `fill` put a test into it, and leaves through
// "Close && Analyze"; the analysis runs.
void analyse_in_editor(TestProgram& p, const std::function<void(TEditForm&)>& fill);
// The same with a typed test, or with a built-in example loaded into the editor.
void analyse_typed(TestProgram& p, const TypedTest& test = {});
void analyse_example(TestProgram& p, ExampleSet set);

// Opens Item Diagnostics from the main window's menu (after an analysis) and returns it.
TDiagnosticsForm& open_diagnostics(TestProgram& p);

// The lines of a file (CR LF stripped); empty when it cannot be read.
std::vector<std::string> file_lines(const QString& path);
// The bytes of a file.
QByteArray file_bytes(const QString& path);

}  // namespace jrv::ui::test
