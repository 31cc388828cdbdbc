#pragma once
// What the desktop program was asked on its command line, read before any window exists
// so that --help and --version work without a display.

#include <QString>
#include <QStringList>

namespace jrv::ui {

struct StartOptions {
  bool help = false;
  bool version = false;
  bool reset_settings = false;
  // Not in the help: leave once the main window is drawn, to time a whole start.
  bool quit_when_shown = false;
  QStringList files;  // the tests to open, in order
  QString error;      // an unknown option; empty when every argument was understood
};

// `arguments` without the program's name.
StartOptions parse_start_options(const QStringList& arguments);

// The text of "jrv --help".
QString start_help_text();

}  // namespace jrv::ui
