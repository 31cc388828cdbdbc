#include "ui/support/qt_text.h"

#include <private/qtextdocument_p.h>
#include <private/qtextformat_p.h>
#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

#include "core/text/encoding.h"

namespace jrv::ui {

std::filesystem::path to_path(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString from_path(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString join_lines(const std::vector<std::string>& lines) {
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 1;
  std::string joined;
  joined.reserve(total);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  return to_q(joined);
}

std::vector<std::string> pane_lines(const QPlainTextEdit& pane) {
  std::vector<std::string> lines;
  const QTextDocument* doc = pane.document();
  if (doc->blockCount() == 1 && doc->firstBlock().length() <= 1) return lines;
  // One conversion of the whole text, cut at the block separators: a QString and a
  // conversion per block cost more than the copying for ten thousand lines.
  const QByteArray utf8 = doc->toRawText().toUtf8();
  constexpr std::string_view kBlockSeparator = "\u2029";
  lines.reserve(static_cast<std::size_t>(doc->blockCount()));
  std::string_view rest(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  for (;;) {
    const std::size_t end = rest.find(kBlockSeparator);
    lines.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + kBlockSeparator.size());
  }
  return lines;
}

void set_pane_lines(QPlainTextEdit& pane, const std::vector<std::string>& lines) {
  pane.setPlainText(join_lines(lines));
}

namespace {

// Characters that end a text block as the line break does; a text holding one goes into
// the pane the ordinary way, so that its blocks come out as setPlainText makes them.
bool ends_blocks_otherwise(const QString& text) {
  for (const QChar c :
       {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(0xfdd0), QChar(0xfdd1)}) {
    if (text.contains(c)) return true;
  }
  return false;
}

// The document's own insertion, as a cursor inserts but without moving any cursor: every
// cursor of the document is told of every insertion, which costs more than the insertion
// (the pane's cursor stays at the start, where setPlainText leaves it).
void insert_lines(QTextDocument& doc, const QString& text) {
  QTextDocumentPrivate* d = QTextDocumentPrivate::get(&doc);
  const int block_format = d->formatCollection()->indexForFormat(QTextBlockFormat());
  const int char_format = d->formatCollection()->indexForFormat(QTextCharFormat());
  // All the lines' characters go in as one piece, then a block ends after each line, the
  // last line's first so that no break moves the places of those still to come: one
  // insertion per line fewer than inserting line by line.
  QString characters;
  characters.reserve(text.size());
  std::vector<int> breaks;  // where each line ends, among the characters alone
  qsizetype start = 0;
  for (qsizetype end; (end = text.indexOf(u'\n', start)) >= 0; start = end + 1) {
    characters.append(QStringView(text).sliced(start, end - start));
    breaks.push_back(static_cast<int>(characters.size()));
  }
  characters.append(QStringView(text).sliced(start));
  d->beginEditBlock();
  d->blockCursorAdjustment = true;
  if (!characters.isEmpty()) d->insert(0, characters, char_format);
  for (auto at = breaks.rbegin(); at != breaks.rend(); ++at)
    d->insertBlock(*at, block_format, char_format);
  d->blockCursorAdjustment = false;
  d->endEditBlock();  // the layout and the pane hear of the change once
}

// Shaping (joined scripts, placed marks, ligatures) is most of the cost of laying out a
// line, and plain ASCII in a fixed-pitch font looks the same without it; any other
// character turns it back on, since Arabic unshaped comes out unjoined.
void use_shaping_for(QPlainTextEdit& pane, const std::vector<std::string>& lines) {
  const bool ascii =
      std::all_of(lines.begin(), lines.end(), [](const std::string& l) { return is_ascii(l); });
  QFont font = pane.font();
  const auto strategy = ascii ? QFont::PreferNoShaping : QFont::PreferDefault;
  if (font.styleStrategy() == strategy) return;
  font.setStyleStrategy(strategy);
  pane.setFont(font);
}

}  // namespace

void show_report_lines(QPlainTextEdit& pane, const std::vector<std::string>& lines) {
  const QString text = join_lines(lines);
  pane.clear();  // before the font changes, so that the old text is not laid out again
  use_shaping_for(pane, lines);
  // A typed format would go to the whole text; the quick way knows the plain one only.
  if (text.isEmpty() || ends_blocks_otherwise(text) ||
      pane.currentCharFormat() != QTextCharFormat()) {
    pane.setPlainText(text);
    return;
  }
  QTextDocument& doc = *pane.document();
  const bool undo = doc.isUndoRedoEnabled();
  doc.setUndoRedoEnabled(false);
  insert_lines(doc, text);
  doc.setUndoRedoEnabled(undo);
  doc.setModified(false);
}

PaneLinesCache::~PaneLinesCache() {
  QObject::disconnect(watch_);
}

const std::vector<std::string>& PaneLinesCache::lines() {
  QTextDocument* doc = pane_.document();
  if (read_from_ != doc) {
    QObject::disconnect(watch_);
    lines_ = pane_lines(pane_);
    read_from_ = doc;
    // Any edit, typed or by the program, makes the next reading a fresh one.
    watch_ = QObject::connect(doc, &QTextDocument::contentsChange, doc, [this] {
      QObject::disconnect(watch_);
      read_from_ = nullptr;
    });
  }
  return lines_;
}

namespace {
QFont courier() {
  QFont f;
  f.setFamilies({"Courier New", "Liberation Mono", "Courier", "monospace"});
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  return f;
}
}  // namespace

QFont fixed_pitch_font(int points) {
  QFont f = courier();
  f.setPointSize(points);
  return f;
}

QFont fixed_pitch_font_pixels(int pixels) {
  QFont f = courier();
  f.setPixelSize(pixels);
  return f;
}

void make_report_pane(QPlainTextEdit& pane, const QFont& font, bool read_only) {
  pane.setFont(font);
  pane.setReadOnly(read_only);
  pane.setLineWrapMode(QPlainTextEdit::NoWrap);
  pane.setWordWrapMode(QTextOption::NoWrap);
  pane.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pane.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tabs every eight columns, as in a text editor, so "\tTITLE:" lines up with the report.
  pane.setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
}

}  // namespace jrv::ui
