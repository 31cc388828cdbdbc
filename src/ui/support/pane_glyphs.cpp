#include "ui/support/pane_glyphs.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace jrv::ui {

void render_glyphs(const QWidget& widget) {
  QString ascii;
  for (char16_t c = u' '; c <= u'~'; ++c) ascii += QChar(c);
  const QFontMetricsF metrics(widget.font());
  const qreal ratio = widget.devicePixelRatioF();
  // Wide enough for every glyph: one drawn outside the image would not be rendered.
  QImage image(qCeil((metrics.horizontalAdvance(ascii) + 4) * ratio),
               qCeil((metrics.height() + 4) * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(widget.font());
  for (const qreal fraction : {0.0, 0.25, 0.5, 0.75}) {
    painter.drawText(QPointF(2 + fraction, 2 + metrics.ascent()), ascii);
  }
}

}  // namespace jrv::ui
