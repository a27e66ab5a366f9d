#include "viewer/main/ActionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

constexpr int kSize = 32;  // drawn once at 32 px; Qt scales for 16/24 px bars

const QColor kInk(40, 48, 64);
const QColor kGreen(30, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kBlue(40, 90, 200);
const QColor kFolder(230, 180, 60);

void DrawOpen(QPainter& p) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kFolder.darker(115));
  p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {28, 11}, {28, 26}, {3, 26}}));
  p.setBrush(kFolder);
  p.drawPolygon(QPolygonF({{3, 26}, {8, 15}, {31, 15}, {27, 26}}));
}

void DrawStart(QPainter& p) {
  p.setPen(QPen(kGreen.darker(140), 1.5));
  p.setBrush(kGreen);
  p.drawPolygon(QPolygonF({{8, 5}, {27, 16}, {8, 27}}));
}

void DrawStop(QPainter& p) {
  p.setPen(QPen(kRed.darker(140), 1.5));
  p.setBrush(kRed);
  p.drawRect(QRectF(7, 7, 18, 18));
}

void DrawReset(QPainter& p) {
  p.setPen(QPen(kBlue.darker(140), 1.5));
  p.setBrush(kBlue);
  p.drawRect(QRectF(5, 6, 4, 20));
  p.drawPolygon(QPolygonF({{27, 6}, {11, 16}, {27, 26}}));
}

// A letter with a curved arrow round it; `clockwise` flips the arrow head.
void DrawRotation(QPainter& p, QChar axis, bool plus) {
  QFont f = p.font();
  f.setPixelSize(15);
  f.setBold(true);
  p.setFont(f);
  p.setPen(kInk);
  p.drawText(QRectF(8, 8, 16, 16), Qt::AlignCenter, QString(axis));

  p.setPen(QPen(kBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QRectF ring(3, 3, 26, 26);
  p.drawArc(ring, 30 * 16, 240 * 16);
  // Arrow head at one end of the arc.
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  if (plus) {
    p.drawPolygon(QPolygonF({{26, 2}, {29, 12}, {19, 9}}));
  } else {
    p.drawPolygon(QPolygonF({{26, 30}, {29, 20}, {19, 23}}));
  }
  p.setPen(plus ? kGreen.darker(120) : kRed);
  f.setPixelSize(13);
  p.setFont(f);
  p.drawText(QRectF(20, 11, 12, 12), Qt::AlignCenter,
             plus ? QStringLiteral("+") : QStringLiteral("-"));
}

void DrawViewReset(QPainter& p) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(235, 235, 225));
  p.drawRect(QRectF(5, 5, 22, 22));
  p.setPen(QPen(kBlue, 2));
  p.drawLine(QPointF(16, 8), QPointF(16, 24));
  p.drawLine(QPointF(8, 16), QPointF(24, 16));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16), 5, 5);
}

void DrawAngle(QPainter& p) {
  p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5, 27), QPointF(28, 27));
  p.drawLine(QPointF(5, 27), QPointF(22, 6));
  p.setPen(QPen(kRed, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-7, 15, 24, 24), 0, 51 * 16);
}

void DrawGraph(QPainter& p) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3, 4, 26, 24));
  p.setPen(QPen(kRed, 2));
  p.drawPolyline(QPolygonF({{5, 22}, {10, 15}, {15, 18}, {20, 9}, {27, 12}}));
  p.setPen(QPen(kBlue, 2));
  p.drawPolyline(QPolygonF({{5, 25}, {11, 23}, {16, 24}, {22, 19}, {27, 20}}));
}

QPixmap Draw(int index) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (index) {
    case 0:
      DrawOpen(p);
      break;
    case 1:
      DrawStart(p);
      break;
    case 2:
      DrawStop(p);
      break;
    case 3:
      DrawReset(p);
      break;
    case 4:
      DrawRotation(p, QLatin1Char('X'), false);
      break;
    case 5:
      DrawRotation(p, QLatin1Char('X'), true);
      break;
    case 6:
      DrawRotation(p, QLatin1Char('Y'), false);
      break;
    case 7:
      DrawRotation(p, QLatin1Char('Y'), true);
      break;
    case 8:
      DrawRotation(p, QLatin1Char('Z'), false);
      break;
    case 9:
      DrawRotation(p, QLatin1Char('Z'), true);
      break;
    case 10:
      DrawViewReset(p);
      break;
    case 11:
      DrawAngle(p);
      break;
    case 12:
      DrawGraph(p);
      break;
    default:
      break;
  }
  return pixmap;
}

}  // namespace

QIcon ActionImage(int index) {
  if (index < 0 || index >= ActionImageCount) return {};
  return QIcon(Draw(index));
}
