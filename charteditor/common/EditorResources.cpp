#include "charteditor/common/EditorResources.h"

#include <QPainter>
#include <QPolygon>

namespace {

// Whether pixel (x, y) of pattern n carries the brush colour.
bool patternPixel(int n, int x, int y) {
  const int d = x + 3 * y;  // a lattice that spreads dots evenly over the tile
  switch (n) {
    case 1:
      return d % 5 != 0;  // 80 %
    case 2:
      return d % 5 != 0 && d % 5 != 2;  // 60 %
    case 3:
      return d % 5 == 0 || d % 5 == 2;  // 40 %
    case 4:
      return d % 5 == 0;  // 20 %
    case 5:
      return d % 10 == 0;  // 10 %
    case 6:
      return y == (x < 4 ? x : 8 - x);  // zig zag
    case 7:
      return x % 2 == 0;  // vertical small
    case 8:
      return y % 2 == 0;  // horizontal small
    case 9:
      return (x - y + 8) % 4 == 0;  // diagonal small
    case 10:
      return (x + y) % 4 == 0;  // back diagonal small
    case 11:
      return x % 4 == 0 || y % 4 == 0;  // cross small
    case 12:
      return (x - y + 8) % 4 == 0 || (x + y) % 4 == 0;  // diagonal cross small
    default:
      return false;
  }
}

QImage pattern(int n) {
  QImage image(8, 8, QImage::Format_Mono);
  image.setColorCount(2);
  image.setColor(0, qRgb(0, 0, 0));
  image.setColor(1, qRgb(255, 255, 255));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) image.setPixel(x, y, patternPixel(n, x, y) ? 0 : 1);
  }
  return image;
}

QImage arrow(bool up) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const QPolygon triangle = up ? QPolygon({QPoint(8, 4), QPoint(13, 11), QPoint(3, 11)})
                               : QPolygon({QPoint(3, 5), QPoint(13, 5), QPoint(8, 12)});
  p.drawPolygon(triangle);
  return image;
}

}  // namespace

QString EditorPatternName(int n) {
  return QStringLiteral("ZorUruvu") + QString::number(n);
}

QImage EditorBitmap(const QString& name) {
  const QString key = name.toUpper();
  if (key == u"PLOTARROWUP") return arrow(true);
  if (key == u"PLOTARROWDOWN") return arrow(false);
  for (int n = 1; n <= kEditorPatternCount; ++n) {
    if (key == EditorPatternName(n).toUpper()) return pattern(n);
  }
  return {};
}
