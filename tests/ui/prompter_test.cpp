// The dialog descriptions the program writes as "Description|patterns" pairs become Qt
// name filters; a name typed without extension gets the dialog's default one.

#include <QtTest>

#include "ui/support/prompter.h"

using namespace jrv::ui;

class PrompterTest : public QObject {
  Q_OBJECT

 private slots:
  void filtersBecomeQtNameFilters();
  void defaultExtensionOnlyWhenNoneTyped();
};

void PrompterTest::filtersBecomeQtNameFilters() {
  QCOMPARE(qt_name_filters("JRV files (*.jrv)|*.jrv|All Files (*.*)|*.*"),
           (QStringList{"JRV files (*.jrv)", "All Files (*.*)"}));
  // Qt reads patterns separated by blanks from the brackets.
  QCOMPARE(qt_name_filters("Text files (*.txt,*.out,*.dat,*.csv)|*.txt;*.out;*.dat;*.csv"),
           QStringList{"Text files (*.txt *.out *.dat *.csv)"});
  QCOMPARE(qt_name_filters("Bitmap files|*.bmp"), QStringList{"Bitmap files (*.bmp)"});
  QVERIFY(qt_name_filters("").isEmpty());
}

void PrompterTest::defaultExtensionOnlyWhenNoneTyped() {
  QCOMPARE(with_default_extension("/tmp/Exam1", "txt"), QString("/tmp/Exam1.txt"));
  QCOMPARE(with_default_extension("/tmp/Exam1.TXT", "txt"), QString("/tmp/Exam1.TXT"));
  QCOMPARE(with_default_extension("/tmp/v1.2/Exam1", "jrv"), QString("/tmp/v1.2/Exam1.jrv"));
  QCOMPARE(with_default_extension("/tmp/Exam1", ""), QString("/tmp/Exam1"));
}

QTEST_MAIN(PrompterTest)
#include "prompter_test.moc"
