#include "ui/reports/quick_view_unit.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/input/input_file_writer.h"
#include "core/text/text_file.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/session.h"
#include "ui/input/data_entry_unit.h"
#include "ui/support/pane_actions.h"
#include "ui/support/prompter.h"
#include "ui/support/qt_text.h"
#include "ui/support/widgets.h"

namespace jrv::ui {

namespace {
constexpr int kNarrowWidth = 750;
constexpr int kWideWidth = 820;
constexpr int kHeight = 640;
}  // namespace

TQuickViewForm::TQuickViewForm(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TQuickViewForm");
  setWindowTitle("Quick Results Viewer");
  auto* outer = new QVBoxLayout(this);
  MainMenu1 = named<QMenuBar>(this, "MainMenu1");
  outer->setMenuBar(MainMenu1);
  const auto item = [this](const char* name, const QString& caption) {
    auto* a = MainMenu1->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  Save1 = item("Save1", "Save");
  Print1 = item("Print1", "Print");
  N10pitch1 = item("N10pitch1", "10 pitch Courier New");
  N12pitch1 = item("N12pitch1", "12 pitch Courier New");
  Close1 = item("Close1", "Close");

  RichEdit1 = named<QPlainTextEdit>(this, "RichEdit1");
  make_report_pane(*RichEdit1, fixed_pitch_font(10), true);
  outer->addWidget(RichEdit1, 1);

  connect(Save1, &QAction::triggered, this, &TQuickViewForm::Save1Click);
  connect(Print1, &QAction::triggered, this, &TQuickViewForm::Print1Click);
  connect(N10pitch1, &QAction::triggered, this, &TQuickViewForm::N10pitch1Click);
  connect(N12pitch1, &QAction::triggered, this, &TQuickViewForm::N12pitch1Click);
  connect(Close1, &QAction::triggered, this, &TQuickViewForm::Close1Click);
  resize(kNarrowWidth, kHeight);
}

void TQuickViewForm::set_content(ViewerContent content, const std::vector<std::string>& lines) {
  viewer_content_ = content;
  set_pane_lines(*RichEdit1, lines);
}

void TQuickViewForm::set_pitch(int width, int points) {
  resize(width, height());
  RichEdit1->setFont(fixed_pitch_font(points));
}

void TQuickViewForm::N10pitch1Click() {
  set_pitch(kNarrowWidth, 10);
}
void TQuickViewForm::N12pitch1Click() {
  set_pitch(kWideWidth, 12);
}

void TQuickViewForm::Close1Click() {
  set_pitch(kNarrowWidth, 10);
  close();
}

void TQuickViewForm::Print1Click() {
  print_pane(session_.prompter, this, *RichEdit1, "JRV Quick Results");
}

void TQuickViewForm::Save1Click() {
  FileDialogSpec spec;
  spec.default_extension = "txt";
  spec.filter = "Text files (*.TXT)|*.txt";
  spec.proposed_name = to_q(quick_view_proposed_name(
      viewer_content_, from_q(session_.windows.map->txt_results_name->text())));
  const auto chosen = session_.prompter.save_file(this, spec);
  if (!chosen) return;
  const std::filesystem::path path = to_path(*chosen);
  try {
    write_lines(path, quick_view_save_lines(session_.ws, viewer_content_, pane_lines(*RichEdit1)));
    const SaveResult copy = save_input_file(quick_view_input_copy_path(path), session_.doc,
                                            session_.ws, InputSave::automatic_copy);
    show_messages(session_.prompter, this, copy.check);
    if (copy.written) session_.mark_test_saved();
  } catch (const std::exception& e) {  // FileError, ConversionError
    show_error(session_.prompter, this, e);
  }
}

}  // namespace jrv::ui
