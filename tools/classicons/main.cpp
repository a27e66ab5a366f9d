// Draws the 24 x 24 pictograms the series list and the gallery show beside
// each series class, one PNG per class named as the images are looked up
// (the class name in upper case), into the folder given.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kSide = 24;
const QColor kRed(0xD0, 0x20, 0x20);
const QColor kBlue(0x20, 0x40, 0xC0);
const QColor kGreen(0x20, 0x90, 0x30);
const QColor kAxis(0x60, 0x60, 0x60);

void Axes(QPainter& p) {
  p.setPen(QPen(kAxis, 1));
  p.drawLine(2, 2, 2, 21);
  p.drawLine(2, 21, 21, 21);
}

void Line(QPainter& p) {
  Axes(p);
  p.setPen(QPen(kRed, 2));
  p.drawPolyline(QPolygon({QPoint(4, 16), QPoint(9, 8), QPoint(14, 13), QPoint(20, 4)}));
}

// Three boxes over the axes, in red, blue and green.
void Boxes(QPainter& p, const QRect& red, const QRect& blue, const QRect& green) {
  Axes(p);
  p.setPen(Qt::black);
  p.setBrush(kRed);
  p.drawRect(red);
  p.setBrush(kBlue);
  p.drawRect(blue);
  p.setBrush(kGreen);
  p.drawRect(green);
}

void Bars(QPainter& p) {
  Boxes(p, QRect(5, 11, 4, 9), QRect(11, 5, 4, 15), QRect(17, 14, 3, 6));
}

void HorizBars(QPainter& p) {
  Boxes(p, QRect(3, 4, 9, 4), QRect(3, 10, 15, 4), QRect(3, 16, 6, 3));
}

void Area(QPainter& p) {
  Axes(p);
  p.setPen(QPen(kBlue.darker(), 1));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygon(
      {QPoint(3, 20), QPoint(3, 14), QPoint(9, 7), QPoint(14, 12), QPoint(20, 5), QPoint(20, 20)}));
}

void Points(QPainter& p) {
  Axes(p);
  p.setPen(Qt::black);
  p.setBrush(kRed);
  for (const QPoint& c : {QPoint(6, 15), QPoint(11, 8), QPoint(15, 14), QPoint(19, 5)})
    p.drawRect(c.x() - 2, c.y() - 2, 4, 4);
}

void Pie(QPainter& p) {
  p.setPen(Qt::black);
  const QRect r(2, 2, 19, 19);
  p.setBrush(kRed);
  p.drawPie(r, 0, 130 * 16);
  p.setBrush(kBlue);
  p.drawPie(r, 130 * 16, 140 * 16);
  p.setBrush(kGreen);
  p.drawPie(r, 270 * 16, 90 * 16);
}

void FastLine(QPainter& p) {
  Axes(p);
  p.setPen(QPen(kBlue, 1));
  p.drawPolyline(
      QPolygon({QPoint(3, 15), QPoint(5, 10), QPoint(7, 14), QPoint(9, 6), QPoint(11, 12),
                QPoint(13, 9), QPoint(15, 16), QPoint(17, 7), QPoint(19, 11), QPoint(21, 4)}));
}

void HorizLine(QPainter& p) {
  Axes(p);
  p.setPen(QPen(kRed, 2));
  p.drawPolyline(QPolygon({QPoint(6, 19), QPoint(15, 14), QPoint(8, 9), QPoint(18, 3)}));
}

void Shape(QPainter& p) {
  p.setPen(Qt::black);
  p.setBrush(kRed);
  p.drawRect(2, 3, 12, 10);
  p.setBrush(kBlue);
  p.drawEllipse(9, 10, 13, 11);
}

void Gantt(QPainter& p) {
  Boxes(p, QRect(4, 4, 7, 4), QRect(9, 10, 8, 4), QRect(14, 16, 7, 3));
}

void Arrows(QPainter& p) {
  Axes(p);
  p.setPen(QPen(kRed, 2));
  p.setBrush(kRed);
  p.drawLine(5, 18, 15, 8);
  p.drawPolygon(QPolygon({QPoint(19, 4), QPoint(12, 7), QPoint(16, 11)}));
}

void Bubbles(QPainter& p) {
  Axes(p);
  p.setPen(Qt::black);
  p.setBrush(kRed);
  p.drawEllipse(4, 11, 8, 8);
  p.setBrush(kBlue);
  p.drawEllipse(11, 3, 10, 10);
  p.setBrush(kGreen);
  p.drawEllipse(15, 15, 5, 5);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrano-classicons OUT-FOLDER\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const std::vector<std::pair<const char*, std::function<void(QPainter&)>>> icons{
      {"TLINESERIES", Line},          {"TBARSERIES", Bars},
      {"THORIZBARSERIES", HorizBars}, {"TAREASERIES", Area},
      {"TPOINTSERIES", Points},       {"TPIESERIES", Pie},
      {"TFASTLINESERIES", FastLine},  {"THORIZLINESERIES", HorizLine},
      {"TCHARTSHAPE", Shape},         {"TGANTTSERIES", Gantt},
      {"TARROWSERIES", Arrows},       {"TBUBBLESERIES", Bubbles},
  };
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (const auto& [name, draw] : icons) {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(p);
    p.end();
    const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!image.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
