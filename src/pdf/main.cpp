// jrv-pdf PAGE.html OUT.pdf [--paper a4|letter]: the report page (with its charts, SVG
// files beside it) as PDF. jrv-cli runs it for a .pdf report so that jrv-cli itself never
// loads Qt; it needs no display.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "pdf/pdf_report.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's notes about the environment (no runtime folder, ...) are not the user's business.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3 && !(args.size() == 5 && args[3] == "--paper")) {
    std::fprintf(stderr, "usage: jrv-pdf PAGE.html OUT.pdf [--paper a4|letter]\n");
    return 2;
  }
  const bool letter = args.size() == 5 && args[4] == "letter";
  QFile page(args[1]);
  if (!page.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(page.errorString()));
    return 1;
  }
  const QString html = QString::fromUtf8(page.readAll());
  std::map<QString, QByteArray> charts;
  const QDir folder = QFileInfo(args[1]).dir();
  for (const QFileInfo& f : folder.entryInfoList({"*.svg"}, QDir::Files)) {
    QFile svg(f.filePath());
    if (svg.open(QIODevice::ReadOnly)) charts[f.fileName()] = svg.readAll();
  }
  const QString error =
      jrv::pdf::write_pdf(html, charts, args[2], letter ? QPageSize::Letter : QPageSize::A4);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(args[2]), qPrintable(error));
    return 1;
  }
  return 0;
}
