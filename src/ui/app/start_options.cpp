#include "ui/app/start_options.h"

namespace jrv::ui {

StartOptions parse_start_options(const QStringList& arguments) {
  StartOptions o;
  bool only_files = false;
  for (const QString& a : arguments) {
    if (only_files || !a.startsWith('-') || a == "-") {
      o.files << a;
    } else if (a == "--") {
      only_files = true;
    } else if (a == "-h" || a == "--help") {
      o.help = true;
    } else if (a == "-v" || a == "--version") {
      o.version = true;
    } else if (a == "--reset-settings") {
      o.reset_settings = true;
    } else if (a == "--quit-when-shown") {
      o.quit_when_shown = true;
    } else if (o.error.isEmpty()) {
      o.error = QString("unknown option '%1'").arg(a);
    }
  }
  return o;
}

QString start_help_text() {
  return "usage: jrv [options] [FILE.jrv]\n"
         "Item analysis of classroom tests.\n"
         "\n"
         "  FILE.jrv            open the test in the data editor\n"
         "  --reset-settings    forget the remembered folders, fonts, window places and\n"
         "                      recent tests, then start\n"
         "  -h, --help          show this help and leave\n"
         "  -v, --version       show the version and leave\n";
}

}  // namespace jrv::ui
