// Lines into a text pane and back: what a pane gives back is what its text blocks hold,
// character for character, whatever the lines contain.

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/support/qt_text.h"

using namespace jrv::ui;

namespace {

std::vector<std::string> utf8_lines(const QStringList& lines) {
  std::vector<std::string> out;
  for (const QString& l : lines) out.push_back(l.toStdString());
  return out;
}

// The pane read block by block, as a user's edits leave it.
std::vector<std::string> block_texts(const QPlainTextEdit& pane) {
  std::vector<std::string> out;
  for (QTextBlock b = pane.document()->firstBlock(); b.isValid(); b = b.next()) {
    out.push_back(b.text().toStdString());
  }
  return out;
}

QString shown(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << "[" + QString::fromStdString(l) + "]";
  return out.join(' ');
}

// What a user or the program can see of a report pane, one line per property.
QStringList pane_state(QPlainTextEdit& pane) {
  const QTextDocument* doc = pane.document();
  const QTextCursor cursor = pane.textCursor();
  QStringList out{
      "text: " + pane.toPlainText(),
      QString("blocks: %1").arg(doc->blockCount()),
      QString("cursor: %1-%2").arg(cursor.anchor()).arg(cursor.position()),
      QString("modified %1, undo %2 %3, redo %4")
          .arg(doc->isModified())
          .arg(doc->isUndoRedoEnabled())
          .arg(doc->isUndoAvailable())
          .arg(doc->isRedoAvailable()),
      "font: " + doc->defaultFont().toString(),
      QString("tabs %1, wrap %2, margin %3, read-only %4")
          .arg(doc->defaultTextOption().tabStopDistance())
          .arg(doc->defaultTextOption().wrapMode())
          .arg(doc->documentMargin())
          .arg(pane.isReadOnly()),
      QString("scroll: %1/%2 %3/%4")
          .arg(pane.verticalScrollBar()->value())
          .arg(pane.verticalScrollBar()->maximum())
          .arg(pane.horizontalScrollBar()->value())
          .arg(pane.horizontalScrollBar()->maximum()),
  };
  for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) {
    out << QString("block %1 [%2] format %3 chars %4")
               .arg(b.blockNumber())
               .arg(b.text())
               .arg(b.blockFormat() == QTextBlockFormat())
               .arg(b.charFormat() == QTextCharFormat());
    if (b.blockNumber() > 20) break;
  }
  return out;
}

}  // namespace

class PaneTextTest : public QObject {
  Q_OBJECT

 private slots:
  void linesComeBackAsTheyWentIn_data();
  void linesComeBackAsTheyWentIn();
  void typedTextComesBackBlockByBlock();
  void emptyPaneHasNoLines();
  void cachedLinesFollowEveryChange();
  void reportLinesShowAsTheOrdinaryWayShowsThem_data();
  void reportLinesShowAsTheOrdinaryWayShowsThem();
  void reportLinesDrawAsShapedLinesDo_data();
  void reportLinesDrawAsShapedLinesDo();
};

void PaneTextTest::linesComeBackAsTheyWentIn_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("plain") << QStringList{"AL ABCD", "BO ABCA"};
  QTest::newRow("one line") << QStringList{"only"};
  QTest::newRow("empty lines at both ends and between")
      << QStringList{"", "first", "", "", "last", ""};
  QTest::newRow("tabs and trailing blanks") << QStringList{"\tTITLE:  x  ", "  "};
  QTest::newRow("accents, CJK and a character beyond 16 bits")
      << QStringList{"Zoë Ñúñez", "李小龙 ABCD", "\U0001F600 smile", "€"};
  // A line separator stays inside its line; only paragraph ends part lines.
  QTest::newRow("line separator inside a line") << QStringList{QString("a") + QChar(0x2028) + "b"};
}

void PaneTextTest::linesComeBackAsTheyWentIn() {
  QFETCH(QStringList, lines);
  const std::vector<std::string> in = utf8_lines(lines);
  QPlainTextEdit pane;
  set_pane_lines(pane, in);
  const std::vector<std::string> out = pane_lines(pane);
  QVERIFY2(out == in, qPrintable("in:  " + shown(in) + "\nout: " + shown(out)));
  QVERIFY2(out == block_texts(pane), qPrintable("blocks: " + shown(block_texts(pane))));
}

void PaneTextTest::typedTextComesBackBlockByBlock() {
  QPlainTextEdit pane;
  QTest::keyClicks(&pane, "AL ABCD");
  QTest::keyClick(&pane, Qt::Key_Return);
  QTest::keyClick(&pane, Qt::Key_Return);
  QTest::keyClicks(&pane, QString::fromUtf8("Ève ABCA"));
  pane.appendPlainText("appended");
  const std::vector<std::string> out = pane_lines(pane);
  QVERIFY2(out == block_texts(pane),
           qPrintable("lines:  " + shown(out) + "\nblocks: " + shown(block_texts(pane))));
  QCOMPARE(out.size(), std::size_t{4});
}

void PaneTextTest::emptyPaneHasNoLines() {
  QPlainTextEdit pane;
  QVERIFY(pane_lines(pane).empty());
  set_pane_lines(pane, {"x"});
  pane.clear();
  QVERIFY(pane_lines(pane).empty());
}

// Whatever changes the pane, typed or by the program, the cache reads it again; and it
// keeps giving the lines while nothing changed.
void PaneTextTest::cachedLinesFollowEveryChange() {
  QPlainTextEdit pane;
  QTextDocument other;
  other.setDocumentLayout(new QPlainTextDocumentLayout(&other));
  other.setPlainText("from another document");
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"nothing", [] {}},
      {"typed", [&] { QTest::keyClicks(&pane, "Zoe"); }},
      {"return typed", [&] { QTest::keyClick(&pane, Qt::Key_Return); }},
      {"backspace", [&] { QTest::keyClick(&pane, Qt::Key_Backspace); }},
      {"undo", [&] { pane.undo(); }},
      {"redo", [&] { pane.redo(); }},
      {"set by the program",
       [&] {
         set_pane_lines(pane, {"AL ABCD", "", "BO ABCA"});
       }},
      {"nothing again", [] {}},
      {"cursor edit",
       [&] {
         QTextCursor c(pane.document());
         c.movePosition(QTextCursor::End);
         c.insertText("\nCY ABCC");
       }},
      {"appended", [&] { pane.appendPlainText("appended"); }},
      {"another document", [&] { pane.setDocument(&other); }},
      {"cleared", [&] { pane.clear(); }},
  };
  PaneLinesCache cache(pane);
  set_pane_lines(pane, {"first"});
  for (const auto& [name, change] : changes) {
    cache.lines();
    change();
    const std::vector<std::string> cached = cache.lines();
    QVERIFY2(cached == pane_lines(pane), qPrintable(QString(name) + "\ncached: " + shown(cached) +
                                                    "\npane:   " + shown(pane_lines(pane))));
  }
  pane.setDocument(nullptr);  // `other` goes before the pane
}

void PaneTextTest::reportLinesShowAsTheOrdinaryWayShowsThem_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<bool>("bold");  // a format set on the pane goes to every character
  QStringList many;
  for (int i = 0; i < 300; ++i)
    many << QString("%1 Examinee %2\t%3  ***").arg(i, 4).arg(i % 7).arg(i);
  QTest::newRow("three hundred lines") << many << false;
  QTest::newRow("one line") << QStringList{"only"} << false;
  QTest::newRow("nothing") << QStringList{} << false;
  QTest::newRow("one empty line") << QStringList{""} << false;
  QTest::newRow("empty lines at both ends and between")
      << QStringList{"", "first", "", "", "last", ""} << false;
  QTest::newRow("accents, CJK and a character beyond 16 bits")
      << QStringList{"Zoë Ñúñez", "李小龙 ABCD", "\U0001F600 smile"} << false;
  // Characters that end a block of their own.
  QTest::newRow("carriage return") << QStringList{"a\rb", "c\r"} << false;
  QTest::newRow("paragraph separator") << QStringList{QString("a") + QChar(0x2029) + "b"} << false;
  QTest::newRow("line separator") << QStringList{QString("a") + QChar(0x2028) + "b"} << false;
  QTest::newRow("bold") << QStringList{"a", "b"} << true;
}

// The quick report panes take thousands of lines a quicker way; what the pane then shows
// and does must be what the ordinary way gives, after a first filling and after another.
void PaneTextTest::reportLinesShowAsTheOrdinaryWayShowsThem() {
  QFETCH(QStringList, lines);
  QFETCH(bool, bold);
  const std::vector<std::string> in = utf8_lines(lines);
  QTextCharFormat format;
  if (bold) format.setFontWeight(QFont::Bold);
  QPlainTextEdit ordinary;
  QPlainTextEdit quick;
  for (QPlainTextEdit* pane : {&ordinary, &quick}) {
    make_report_pane(*pane, fixed_pitch_font(9), true);
    pane->resize(300, 200);
    pane->setCurrentCharFormat(format);
    pane->show();
  }
  for (const auto& previous : {std::vector<std::string>{}, std::vector<std::string>{"x", "y"}}) {
    set_pane_lines(ordinary, previous);
    show_report_lines(quick, previous);
    ordinary.clear();
    quick.clear();
    set_pane_lines(ordinary, in);
    show_report_lines(quick, in);
    // The quick way draws ASCII unshaped; that it looks the same is tested below.
    QFont font = ordinary.font();
    const bool ascii = std::all_of(lines.begin(), lines.end(), [](const QString& l) {
      return std::all_of(l.begin(), l.end(), [](QChar c) { return c.unicode() < 0x80; });
    });
    font.setStyleStrategy(ascii ? QFont::PreferNoShaping : QFont::PreferDefault);
    ordinary.setFont(font);
    QCoreApplication::processEvents();
    const QStringList want = pane_state(ordinary);
    const QStringList got = pane_state(quick);
    for (qsizetype i = 0; i < qMax(want.size(), got.size()); ++i) {
      QVERIFY2(want.value(i) == got.value(i),
               qPrintable("ordinary: " + want.value(i) + "\nquick:    " + got.value(i)));
    }
    QCOMPARE(pane_lines(quick), pane_lines(ordinary));
  }
}

void PaneTextTest::reportLinesDrawAsShapedLinesDo_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<bool>("shaped");
  QStringList report;
  for (int i = 1; i <= 40; ++i)
    report << QString("%1  Examinee %2\t%3.00  B+  ffi fl -> != <= ***").arg(i, 4).arg(i).arg(i);
  QTest::newRow("ASCII report") << report << false;
  // Unshaped, Arabic comes out unjoined and the marks of Vietnamese misplaced.
  QTest::newRow("Arabic and Vietnamese names")
      << QStringList{"   1  محمد علي  90.0", "   2  Nguyễn Thị Ánh  75.0", "   3  Ana"} << true;
}

// Drawn unshaped or not, a report pane shows what a pane of the ordinary kind shows.
void PaneTextTest::reportLinesDrawAsShapedLinesDo() {
  QFETCH(QStringList, lines);
  QFETCH(bool, shaped);
  const std::vector<std::string> in = utf8_lines(lines);
  QPlainTextEdit ordinary;
  QPlainTextEdit quick;
  for (QPlainTextEdit* pane : {&ordinary, &quick}) {
    make_report_pane(*pane, fixed_pitch_font(9), true);
    pane->resize(700, 400);
    pane->show();
  }
  set_pane_lines(ordinary, in);
  show_report_lines(quick, in);
  QCOMPARE(quick.font().styleStrategy() == QFont::PreferNoShaping, !shaped);
  QVERIFY(QTest::qWaitForWindowExposed(&quick));
  const QImage want = ordinary.viewport()->grab().toImage();
  const QImage got = quick.viewport()->grab().toImage();
  if (want != got) {
    want.save(QDir::temp().filePath("pane_ordinary.png"));
    got.save(QDir::temp().filePath("pane_quick.png"));
    QFAIL(
        "the panes are drawn differently: see pane_ordinary.png and pane_quick.png in the "
        "temporary folder");
  }
}

QTEST_MAIN(PaneTextTest)
#include "pane_text_test.moc"
