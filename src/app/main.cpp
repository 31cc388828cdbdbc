// The desktop program: creates the windows once and runs the message loop.

#include <QApplication>
#include <cstdio>

#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/app/start_options.h"
#include "ui/support/qt_prompter.h"

int main(int argc, char** argv) {
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
  QApplication::setApplicationDisplayName("JRV");
  QApplication::setDesktopFileName("org.jrv.JRV");
  jrv::ui::QtPrompter prompter;
  jrv::ui::Program program(prompter);
  program.main_window().show();
  return app.exec();
}
