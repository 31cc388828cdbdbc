// The desktop program: creates the windows once and runs the message loop.

#include <QApplication>

#include "ui/app/map_main_unit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  jrv::ui::TMapForm main_window;
  main_window.show();
  return app.exec();
}
