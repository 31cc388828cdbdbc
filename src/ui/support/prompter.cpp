#include "ui/support/prompter.h"

#include <QFileInfo>
#include <QStringList>

#include "core/text/messages.h"
#include "ui/support/qt_text.h"

namespace jrv::ui {

void show_messages(Prompter& prompter, QWidget* parent, const std::vector<std::string>& messages,
                   MessageKind kind) {
  for (const auto& m : messages) prompter.message(parent, to_q(m), kind);
}

void show_messages(Prompter& prompter, QWidget* parent, const CheckResult& result) {
  show_messages(prompter, parent, result.messages,
                result.failed ? MessageKind::warning : MessageKind::information);
}

void show_error(Prompter& prompter, QWidget* parent, const std::exception& e) {
  prompter.message(parent, to_q(e.what()), MessageKind::error);
}

QStringList qt_name_filters(const QString& filter) {
  QStringList out;
  const QStringList parts = filter.split('|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    // The description often repeats the patterns in brackets; Qt reads the patterns from
    // the last bracket, so put the real ones there.
    const qsizetype open = description.lastIndexOf('(');
    if (open > 0) description = description.left(open).trimmed();
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << description + " (" + patterns + ")";
  }
  return out;
}

QString with_default_extension(const QString& path, const QString& default_extension) {
  if (path.isEmpty() || default_extension.isEmpty()) return path;
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  return path + "." + default_extension;
}

}  // namespace jrv::ui
