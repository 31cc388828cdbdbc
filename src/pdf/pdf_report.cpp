#include "pdf/pdf_report.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

namespace jrv::pdf {

namespace {

// A document whose images are the report's SVG charts, drawn sharp enough for print.
class ReportDocument : public QTextDocument {
 public:
  explicit ReportDocument(const std::map<QString, QByteArray>& charts) : charts_(charts) {}

 protected:
  QVariant loadResource(int type, const QUrl& name) override {
    const auto found = charts_.find(name.fileName());
    if (type != QTextDocument::ImageResource || found == charts_.end())
      return QTextDocument::loadResource(type, name);
    QSvgRenderer svg(found->second);
    const QSize size = svg.defaultSize() * 3;
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
  }

 private:
  const std::map<QString, QByteArray>& charts_;
};

}  // namespace

QString write_pdf(const QString& html, const std::map<QString, QByteArray>& charts,
                  const QString& path, QPageSize::PageSizeId paper) {
  // Written beside the target and renamed over it when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(paper));
    writer.setPageMargins(QMarginsF(14, 14, 14, 14), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle("Item analysis");
    writer.setCreator("JRV");
    ReportDocument doc(charts);
    QFont font("Liberation Sans");
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setHtml(html);
    doc.print(&writer);
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace jrv::pdf
