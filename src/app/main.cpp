// The desktop program: creates the windows once and runs the message loop.

#include <QApplication>

#include "ui/app/map_main_unit.h"
#include "ui/app/program.h"
#include "ui/support/qt_prompter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  jrv::ui::name_the_application();
  jrv::ui::QtPrompter prompter;
  jrv::ui::Program program(prompter);
  program.main_window().show();
  return app.exec();
}
