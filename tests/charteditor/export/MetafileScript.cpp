#include "MetafileScript.h"

#include <QFile>

#include <array>

void EveryCallScript(DrawingBackend& b) {
  BackendPen pen;
  pen.color = base::clNavy;
  b.setPen(pen);
  BackendBrush brush;
  brush.color = base::clYellow;
  b.setBrush(brush);
  b.moveTo(5, 5);
  b.lineTo(195, 8);
  b.lineTo(195, 20);
  const std::array<QPoint, 3> zigzag = {QPoint(5, 20), QPoint(60, 40), QPoint(120, 15)};
  b.polyline(zigzag);
  const std::array<QPoint, 4> quad = {QPoint(40, 50), QPoint(63, 120), QPoint(5, 78),
                                      QPoint(75, 78)};
  b.polygon(quad);
  b.polygon(quad, true);
  b.rectangle({90, 50, 130, 90});
  b.roundRect({140, 50, 195, 90}, 16, 12);
  b.ellipse({10, 130, 60, 170});
  b.arc({70, 130, 120, 170}, QPoint(120, 130), QPoint(70, 130));
  b.pie({130, 130, 190, 190}, QPoint(190, 160), QPoint(160, 130));
  b.pie({130, 130, 190, 190}, QPoint(190, 160), QPoint(250, 160));

  pen.width = 4;
  pen.color = base::clGreen;
  pen.endStyle = Graphics::esFlat;
  b.setPen(pen);
  b.moveTo(10, 195);
  b.lineTo(190, 175);
  BackendPen dots;
  dots.smallDots = true;
  b.setPen(dots);
  b.lineTo(190, 100);

  brush.style = Graphics::bsDiagCross;
  brush.color = base::clMaroon;
  b.setBrush(brush);
  b.setBackMode(BackMode::Opaque);
  b.setBackColor(base::clAqua);
  b.fillRect({100, 100, 140, 125});
  b.setBackMode(BackMode::Transparent);
  b.setPixel(2, 2, base::clRed);

  BackendFont font;
  font.height = -14;
  font.color = base::clMaroon;
  b.setFont(font);
  b.setTextAlign(TextAlign::Center | TextAlign::Baseline);
  (void)b.textExtent(QStringLiteral("Chart"));
  (void)b.textMetrics();
  b.textOut(150, 100, QStringLiteral("Chart"));
  font.angle = 900;
  b.setFont(font);
  b.textOut(185, 60, QStringLiteral("Axis"));
  b.textOutline(70, 150, QStringLiteral("W"));

  QImage tile(4, 2, QImage::Format_RGB32);
  tile.fill(Qt::magenta);
  b.draw(0, 185, tile);
  b.stretchDraw({5, 180, 25, 195}, tile);
  b.tiledDraw({30, 180, 50, 195}, tile);
  brush.image = tile;
  b.setBrush(brush);
  b.fillRect({60, 180, 70, 190});

  b.pushClipRect({0, 0, 100, 200});
  b.pushClipEllipse({20, 20, 80, 80});
  brush = BackendBrush{};
  brush.color = base::clTeal;
  b.setBrush(brush);
  b.fillRect({0, 0, 200, 200});
  b.popClip();
  b.popClip();
  b.pushClipRoundRect({110, 10, 150, 40}, 10, 10);
  b.popClip();
  const std::array<QPoint, 3> tri = {QPoint(160, 10), QPoint(195, 10), QPoint(195, 40)};
  b.pushClipPolygon(tri);
  b.fillRect({150, 0, 200, 50});
  b.popClip();
  b.popClip();  // nothing to pop: ignored

  b.setMapping(QSize(400, 400), {0, 0, 200, 200});
  b.rectangle({300, 300, 380, 340});
  b.resetMapping();
  b.beginBlend({0, 0, 200, 200});
  b.fillRect({60, 60, 140, 90});
  b.endBlend(50);
}

void ProbeScene(DrawingBackend& b) {
  BackendPen none;
  none.style = Graphics::psClear;
  BackendBrush brush;
  brush.color = base::clWhite;
  b.setPen(none);
  b.setBrush(brush);
  b.fillRect({0, 0, 300, 200});

  BackendPen pen;
  pen.color = base::clBlack;
  b.setPen(pen);
  brush.color = base::clRed;
  b.setBrush(brush);
  b.rectangle({20, 20, 100, 80});
  brush.color = base::clBlue;
  b.setBrush(brush);
  const std::array<QPoint, 3> tri = {QPoint(120, 20), QPoint(200, 20), QPoint(160, 90)};
  b.polygon(tri);
  brush.color = base::clLime;
  b.setBrush(brush);
  b.ellipse({220, 20, 280, 80});
  brush.color = base::clYellow;
  b.setBrush(brush);
  // The quarter from 3 o'clock up to 12 o'clock.
  b.pie({20, 100, 100, 180}, QPoint(100, 140), QPoint(60, 100));
  pen.width = 3;
  b.setPen(pen);
  b.moveTo(120, 120);
  b.lineTo(200, 120);
  BackendFont font;
  font.height = -24;
  font.color = base::clBlack;
  b.setFont(font);
  b.setTextAlign(TextAlign::Left | TextAlign::Top);
  b.textOut(210, 130, QStringLiteral("HHHH"));
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}
