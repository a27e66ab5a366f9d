#include "ScriptedDrawing.h"

#include <QPoint>

#include <array>

void EveryShape(DrawingBackend& b) {
  b.moveTo(5, 5);
  b.lineTo(195, 8);
  const std::array<QPoint, 4> zigzag = {QPoint(5, 20), QPoint(60, 40), QPoint(120, 15),
                                        QPoint(190, 45)};
  b.polyline(zigzag);
  const std::array<QPoint, 5> star = {QPoint(40, 50), QPoint(63, 120), QPoint(5, 78),
                                      QPoint(75, 78), QPoint(17, 120)};
  b.polygon(star);
  b.polygon(star, true);
  b.rectangle({90, 50, 130, 90});
  b.roundRect({140, 50, 195, 90}, 16, 12);
  b.ellipse({10, 130, 60, 170});
  b.arc({70, 130, 120, 170}, QPoint(120, 130), QPoint(70, 130));
  b.pie({130, 130, 190, 190}, QPoint(190, 160), QPoint(160, 130));
}

void ScriptedDrawing(DrawingBackend& b) {
  BackendPen pen;
  pen.color = base::clNavy;
  b.setPen(pen);
  BackendBrush brush;
  brush.color = base::clYellow;
  b.setBrush(brush);
  EveryShape(b);

  pen.width = 4;
  pen.color = base::clGreen;
  pen.endStyle = Graphics::esSquare;
  pen.style = Graphics::psDash;
  b.setPen(pen);
  b.moveTo(10, 195);
  b.lineTo(190, 175);

  BackendPen dots;
  dots.smallDots = true;
  dots.color = base::clPurple;
  b.setPen(dots);
  b.moveTo(10, 100);
  b.lineTo(190, 100);

  brush.style = Graphics::bsDiagCross;
  brush.color = base::clMaroon;
  b.setBrush(brush);
  b.setBackMode(BackMode::Opaque);
  b.setBackColor(base::clAqua);
  b.fillRect({100, 100, 140, 125});
  b.setBackMode(BackMode::Transparent);

  b.setPixel(2, 2, base::clRed);
  b.setPixel(197, 197, base::clBlue);

  BackendFont font;
  font.height = -14;
  font.color = base::clMaroon;
  b.setFont(font);
  b.setTextAlign(TextAlign::Left | TextAlign::Top);
  const QSize extent = b.textExtent(QStringLiteral("Chart"));
  (void)b.textMetrics();
  b.textOut(150, 100, QStringLiteral("Chart"));
  font.angle = 900;
  b.setFont(font);
  b.setTextAlign(TextAlign::Center | TextAlign::Baseline);
  b.textOut(185, 60 + extent.width(), QStringLiteral("Axis"));
  font.angle = 0;
  font.height = -30;
  font.style = Graphics::fsBold;
  b.setFont(font);
  b.setPen(pen);
  b.textOutline(70, 150, QStringLiteral("W"));

  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(Qt::magenta);
  tile.setPixel(0, 0, qRgb(0, 128, 0));
  b.draw(0, 185, tile);
  b.stretchDraw({5, 180, 25, 195}, tile);
  b.tiledDraw({30, 180, 50, 195}, tile);

  b.pushClipRect({0, 0, 100, 200});
  b.pushClipEllipse({20, 20, 80, 80});
  brush.style = Graphics::bsSolid;
  brush.color = base::clTeal;
  b.setBrush(brush);
  b.fillRect({0, 0, 200, 200});
  b.popClip();
  b.popClip();
  b.pushClipRoundRect({110, 10, 150, 40}, 10, 10);
  b.fillRect({100, 0, 200, 50});
  b.popClip();
  const std::array<QPoint, 3> tri = {QPoint(160, 10), QPoint(195, 10), QPoint(195, 40)};
  b.pushClipPolygon(tri);
  b.fillRect({150, 0, 200, 50});
  b.popClip();

  b.setMapping(QSize(400, 400), {0, 0, 200, 200});
  b.setPen(BackendPen{});
  b.rectangle({300, 300, 380, 340});
  b.resetMapping();

  b.beginBlend({0, 0, 200, 200});
  brush.color = base::clRed;
  b.setBrush(brush);
  b.fillRect({60, 60, 140, 90});
  b.endBlend(50);
  (void)b.capabilities();
  (void)b.deviceSize();
  (void)b.grab({0, 0, 10, 10});
}
