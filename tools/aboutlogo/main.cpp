// Draws the about box's logo: a light "V" on a deep teal square, its two
// strokes meeting in an amber disc at the centre. The disc is flat so that a
// test can find its colour in the middle of the turning texture.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrano-aboutlogo OUT.png\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  constexpr int kSide = 128;  // a power of two: any context can take it
  QImage image(kSide, kSide, QImage::Format_RGB888);
  image.fill(QColor(0x0E, 0x4D, 0x64));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A thin frame, so the turning square reads as a tile.
  p.setPen(QPen(QColor(0x7F, 0xB7, 0xC9), 4));
  p.drawRect(QRectF(2, 2, kSide - 4, kSide - 4));
  // The V: two strokes from the top corners to the centre and on down.
  QPainterPath v;
  v.moveTo(22, 18);
  v.lineTo(64, 106);
  v.lineTo(106, 18);
  p.setPen(QPen(QColor(0xEC, 0xF4, 0xF7), 16, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  p.drawPath(v);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF2, 0xA5, 0x41));
  p.drawEllipse(QPointF(64, 64), 16, 16);
  p.end();
  if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
