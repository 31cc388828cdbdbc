#include "ui/support/remembered.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include "ui/support/prompter.h"

namespace jrv::ui::remembered {

namespace {

QSettings* g_store = nullptr;

constexpr const char* kRecent = "recent/tests";

// A settings key from free text: '/' and '\' would open groups of their own.
QString key_part(QString text) {
  static const QRegularExpression unsafe("[^A-Za-z0-9 _.-]");
  return text.replace(unsafe, "_");
}

QString dialog_key(const FileDialogSpec& spec, bool save) {
  const QString description = spec.filter.section('|', 0, 0);
  return QString("dialogs/%1 %2").arg(save ? "save" : "open", key_part(description));
}

}  // namespace

void set_store(QSettings* settings) {
  g_store = settings;
}
QSettings* store() {
  return g_store;
}

void clear() {
  if (!g_store) return;
  g_store->clear();
  g_store->sync();
}

QStringList recent_tests() {
  if (!g_store) return {};
  QStringList list = g_store->value(kRecent).toStringList();
  list.removeAll(QString());
  while (list.size() > kRecentCount) list.removeLast();
  return list;
}

void add_recent_test(const QString& path) {
  if (!g_store || path.isEmpty()) return;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList list = recent_tests();
  list.removeAll(absolute);
  list.prepend(absolute);
  while (list.size() > kRecentCount) list.removeLast();
  g_store->setValue(kRecent, list);
}

void remove_recent_test(const QString& path) {
  if (!g_store) return;
  QStringList list = recent_tests();
  list.removeAll(path);
  g_store->setValue(kRecent, list);
}

QString dialog_start_path(const FileDialogSpec& spec, bool save) {
  if (!g_store || QFileInfo(spec.proposed_name).isAbsolute()) return spec.proposed_name;
  const QString folder = g_store->value(dialog_key(spec, save)).toString();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return spec.proposed_name;
  if (spec.proposed_name.isEmpty()) return folder;
  return QDir(folder).filePath(spec.proposed_name);
}

void remember_dialog_choice(const FileDialogSpec& spec, bool save, const QString& chosen) {
  if (!g_store || chosen.isEmpty()) return;
  g_store->setValue(dialog_key(spec, save), QFileInfo(chosen).absolutePath());
}

std::optional<QFont> pane_font(const QString& pane) {
  if (!g_store) return {};
  QFont font;
  const QString text = g_store->value("fonts/" + key_part(pane)).toString();
  if (text.isEmpty() || !font.fromString(text)) return {};
  return font;
}

void set_pane_font(const QString& pane, const QFont& font) {
  if (g_store) g_store->setValue("fonts/" + key_part(pane), font.toString());
}

std::optional<int> viewer_pitch() {
  if (!g_store) return {};
  const int points = g_store->value("viewers/pitch").toInt();
  if (points != 10 && points != 12) return {};
  return points;
}

void set_viewer_pitch(int points) {
  if (g_store) g_store->setValue("viewers/pitch", points);
}

std::optional<QPoint> window_place(const QString& window) {
  if (!g_store) return {};
  const QVariant place = g_store->value("windows/" + key_part(window));
  if (!place.isValid()) return {};
  return place.toPoint();
}

void set_window_place(const QString& window, const QPoint& place) {
  if (g_store) g_store->setValue("windows/" + key_part(window), place);
}

}  // namespace jrv::ui::remembered
