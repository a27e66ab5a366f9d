#include "charteditor/grid/NavigatorGlyphs.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int kSize = 16;

void Triangle(QPainter& p, int tipX, int baseX) {
  p.drawPolygon(QPolygon({QPoint(tipX, 8), QPoint(baseX, 3), QPoint(baseX, 13)}));
}

}  // namespace

QImage NavigatorGlyph(const QString& name, bool enabled) {
  const QString key = name.toUpper();
  if (!key.startsWith(QStringLiteral("PLOTNAV_"))) return {};
  const QString kind = key.mid(8);
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const QColor ink = enabled ? QColor(0, 0, 0) : QColor(128, 128, 128);
  p.setPen(ink);
  p.setBrush(ink);
  if (kind == QLatin1String("FIRST")) {
    p.fillRect(4, 3, 2, 11, ink);
    Triangle(p, 6, 11);
  } else if (kind == QLatin1String("PRIOR")) {
    Triangle(p, 5, 10);
  } else if (kind == QLatin1String("NEXT")) {
    Triangle(p, 10, 5);
  } else if (kind == QLatin1String("LAST")) {
    Triangle(p, 9, 4);
    p.fillRect(10, 3, 2, 11, ink);
  } else if (kind == QLatin1String("INSERT")) {
    p.fillRect(3, 7, 10, 2, ink);
    p.fillRect(7, 3, 2, 10, ink);
  } else if (kind == QLatin1String("DELETE")) {
    p.fillRect(3, 7, 10, 2, ink);
  } else if (kind == QLatin1String("EDIT")) {
    p.drawPolygon(QPolygon({QPoint(8, 3), QPoint(3, 12), QPoint(13, 12)}));
  } else if (kind == QLatin1String("POST")) {
    p.setPen(QPen(ink, 2));
    p.drawPolyline(QPolygon({QPoint(3, 8), QPoint(6, 12), QPoint(13, 4)}));
  } else if (kind == QLatin1String("CANCEL")) {
    p.setPen(QPen(ink, 2));
    p.drawLine(4, 4, 12, 12);
    p.drawLine(12, 4, 4, 12);
  } else {
    return {};
  }
  return image;
}
