#pragma once
// Passing texts between the core (UTF-8 strings, one string per line) and Qt widgets.

#include <QFont>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

namespace jrv::ui {

// The core's texts are UTF-8, so every character typed in a window reaches it unchanged.
inline QString to_q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string from_q(const QString& s) {
  return s.toStdString();
}

// File paths go to the file system in its own encoding.
std::filesystem::path to_path(const QString& path);
QString from_path(const std::filesystem::path& path);

// All lines joined for one setPlainText (appending line by line is far too slow for
// ten thousand examinees).
QString join_lines(const std::vector<std::string>& lines);

// The lines of a text pane: one per text block, none for an empty pane.
std::vector<std::string> pane_lines(const QPlainTextEdit& pane);
void set_pane_lines(QPlainTextEdit& pane, const std::vector<std::string>& lines);

// What set_pane_lines gives, for a read-only report pane of thousands of lines: the lines
// go into the pane's document block by block without a cursor to move along, which costs
// about half the instructions of setPlainText for ten thousand lines. Text that is all
// ASCII is drawn unshaped, which looks the same and lays out faster.
void show_report_lines(QPlainTextEdit& pane, const std::vector<std::string>& lines);

// The lines of an editable pane, read again only after its text changed: the data editor
// reads its pane several times on the way out, ten thousand lines a conversion each time.
class PaneLinesCache {
 public:
  explicit PaneLinesCache(const QPlainTextEdit& pane) : pane_(pane) {}
  ~PaneLinesCache();
  PaneLinesCache(const PaneLinesCache&) = delete;
  PaneLinesCache& operator=(const PaneLinesCache&) = delete;

  const std::vector<std::string>& lines();

 private:
  const QPlainTextEdit& pane_;
  QPointer<QTextDocument> read_from_;  // the document `lines_` came from, while unchanged
  QMetaObject::Connection watch_;
  std::vector<std::string> lines_;
};

// "Courier New" at `points`, resolved to its metric twin where it is not installed.
QFont fixed_pitch_font(int points);
QFont fixed_pitch_font_pixels(int pixels);

// A read-only report pane: fixed pitch, no wrap, both scroll bars.
void make_report_pane(QPlainTextEdit& pane, const QFont& font, bool read_only);

}  // namespace jrv::ui
