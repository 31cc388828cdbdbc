#pragma once
// What the program remembers between runs: recent tests, the folder of each file dialog,
// the quick viewers' pitch, pane fonts and the places of the side windows. It is kept in
// one QSettings that the program sets at start; until one is set nothing is read or
// written, so window tests never see what a user chose and never change it.

#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

namespace jrv::ui {

struct FileDialogSpec;

namespace remembered {

// Not owned; nullptr stops remembering.
void set_store(QSettings* settings);
QSettings* store();
// Forgets everything remembered.
void clear();

inline constexpr int kRecentCount = 8;
// The tests last opened or saved, newest first, at most kRecentCount, as absolute paths.
QStringList recent_tests();
// Puts `path` first (once) and drops the oldest beyond kRecentCount.
void add_recent_test(const QString& path);
void remove_recent_test(const QString& path);

// What a file dialog starts on: the proposed name in the folder that dialog used last. A
// dialog is known by its mode and the first description of its filter, so "Save JRV
// File" and "Open JRV File" each keep their own folder.
QString dialog_start_path(const FileDialogSpec& spec, bool save);
// Remembers the folder of the file chosen in that dialog.
void remember_dialog_choice(const FileDialogSpec& spec, bool save, const QString& chosen);

// The font last chosen for the pane named `pane`.
std::optional<QFont> pane_font(const QString& pane);
void set_pane_font(const QString& pane, const QFont& font);

// The point size of the quick viewers' text last chosen (10 or 12).
std::optional<int> viewer_pitch();
void set_viewer_pitch(int points);

// Where the window named `window` was last shown.
std::optional<QPoint> window_place(const QString& window);
void set_window_place(const QString& window, const QPoint& place);

}  // namespace remembered
}  // namespace jrv::ui
