#pragma once
// The start of the desktop program once its windows exist: where the side windows and
// the quick viewers' pitch were left, and the tests named on the command line.

#include <QStringList>

namespace jrv::ui {

class Program;

// From now on the side windows reopen where they were last closed and the quick viewers
// keep the pitch last chosen (when a settings store is set).
void remember_side_windows(Program& program);

// Opens the first of `files` as "jrv FILE.jrv" does; a file that cannot be opened gets a
// message and leaves the program empty.
void open_start_files(Program& program, const QStringList& files);

}  // namespace jrv::ui
