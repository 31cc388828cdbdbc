// Lines into a text pane and back: what a pane gives back is what its text blocks hold,
// character for character, whatever the lines contain.

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "ui/support/qt_text.h"

using namespace jrv::ui;

namespace {

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

}  // namespace

class PaneTextTest : public QObject {
  Q_OBJECT

 private slots:
  void linesComeBackAsTheyWentIn_data();
  void linesComeBackAsTheyWentIn();
  void typedTextComesBackBlockByBlock();
  void emptyPaneHasNoLines();
  void cachedLinesFollowEveryChange();
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
  std::vector<std::string> in;
  for (const QString& l : lines) in.push_back(l.toStdString());
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

QTEST_MAIN(PaneTextTest)
#include "pane_text_test.moc"
