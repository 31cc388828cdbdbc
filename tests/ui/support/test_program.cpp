#include "ui/support/test_program.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "ui/diagnostics/diagnostics_window.h"

namespace jrv::ui::test {

void type_test(TEditForm& editor, const TypedTest& test) {
  editor.txt_title->setText(test.title);
  editor.txt_comments->setText(test.comments);
  editor.txt_cases->setText(test.cases);
  editor.txt_items->setText(test.items);
  editor.txt_label_length->setText(test.label_length);
  editor.txt_answer_key->setText(test.key);
  editor.txt_options->setText(test.options);
  editor.txt_include->setText(test.include);
  QStringList lines;
  for (const auto& l : test.lines) lines << l;
  editor.MemoData->setPlainText(lines.join('\n'));
}

void analyse_in_editor(TestProgram& p, const std::function<void(TEditForm&)>& fill) {
  p.prompter.modal_actions.push_back({"TEditForm", [fill](QDialog& d) {
                                        auto& editor = static_cast<TEditForm&>(d);
                                        fill(editor);
                                        editor.btn_done->click();
                                      }});
  p.map().rdo_edit_data->setChecked(true);
  p.map().btn_gotodata->click();
}

void analyse_typed(TestProgram& p, const TypedTest& test) {
  analyse_in_editor(p, [&test](TEditForm& e) { type_test(e, test); });
}

void analyse_example(TestProgram& p, ExampleSet set) {
  load_example(set, p.session().doc, p.session().ws);
  analyse_in_editor(p, [](TEditForm&) {});
}

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

std::vector<std::string> file_lines(const QString& path) {
  std::vector<std::string> out;
  const QByteArray bytes = file_bytes(path);
  for (const QByteArray& l : bytes.split('\n')) {
    QByteArray line = l;
    if (line.endsWith('\r')) line.chop(1);
    out.push_back(line.toStdString());
  }
  if (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

TDiagnosticsForm& open_diagnostics(TestProgram& p) {
  child<QAction>(&p.map(), "ItemDiagnostics1")->trigger();
  return *child<TDiagnosticsForm>(&p.map(), "TDiagnosticsForm");
}

}  // namespace jrv::ui::test
