#pragma once
// The start of the desktop program once its windows exist: where the side windows and
// the quick viewers' pitch were left, and the tests named on the command line.

#include <QStringList>
#include <functional>

class QWidget;

namespace jrv::ui {

class Program;

// From now on the side windows reopen where they were last closed and the quick viewers
// keep the pitch last chosen (when a settings store is set).
void remember_side_windows(Program& program);

// Opens the first of `files` as "jrv FILE.jrv" does; a file that cannot be opened gets a
// message and leaves the program empty.
void open_start_files(Program& program, const QStringList& files);

// Makes the side windows of a program started main window first once the main window has
// been drawn, or at once when user input (a key, a click, a drop, closing) reaches any
// window before that; `then` runs once they exist.
void create_side_windows_when_drawn(Program& program, std::function<void()> then);

// Ends the event loop once `window` has been drawn for the first time: a start timed from
// outside then ends when the user would see the window.
void quit_once_drawn(QWidget& window);

}  // namespace jrv::ui
