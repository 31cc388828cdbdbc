// The desktop program: creates the windows once and runs the message loop.

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>
#include <cstdio>

#include "core/process/exit_now.h"
#include "core/process/heap_tuning.h"
#include "ui/app/desktop_start.h"
#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/app/start_options.h"
#include "ui/support/qt_prompter.h"
#include "ui/support/remembered.h"

int main(int argc, char** argv) {
  // Before Qt allocates anything, so that a large test's panes are built in reused memory.
  jrv::process::tune_heap_for_large_runs();
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const jrv::ui::StartOptions options = jrv::ui::parse_start_options(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "jrv: %s\n%s", qPrintable(options.error),
                 qPrintable(jrv::ui::start_help_text()));
    return 2;
  }
  if (options.help) {
    std::fputs(qPrintable(jrv::ui::start_help_text()), stdout);
    return 0;
  }
  if (options.version) {
    std::puts("jrv " JRV_VERSION);
    return 0;
  }

  QApplication app(argc, argv);
  jrv::ui::name_the_application();
  QApplication::setOrganizationName("JRV");
  QApplication::setDesktopFileName("org.jrv.JRV");
  QApplication::setWindowIcon(QIcon::fromTheme("org.jrv.JRV"));
  QSettings settings;
  jrv::ui::remembered::set_store(&settings);
  if (options.reset_settings) jrv::ui::remembered::clear();

  jrv::ui::QtPrompter prompter;
  jrv::ui::Program program(prompter, jrv::ui::Program::main_window_first);
  if (options.quit_when_shown) {
    // A timed start ends where the user sees the window; the side windows come after that.
    jrv::ui::quit_once_drawn(program.main_window());
  } else {
    jrv::ui::create_side_windows_when_drawn(program, [&] {
      jrv::ui::remember_side_windows(program);
      // Once the main window is up, so that the editor opens over it.
      QTimer::singleShot(0, &program.main_window(),
                         [&] { jrv::ui::open_start_files(program, options.files); });
    });
  }
  program.main_window().show();
  const int status = app.exec();
  // A timed start ends where the window was drawn; taking the windows apart is no part of it.
  if (options.quit_when_shown) jrv::process::exit_without_teardown(status);
  jrv::ui::remembered::set_store(nullptr);
  return status;
}
