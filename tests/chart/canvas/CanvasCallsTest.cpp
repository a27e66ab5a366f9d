// What the chart canvas asks of its backend, seen through the recording
// backend: borders, cube clips, the state every paint starts and ends with,
// turned and zoomed texts, chart pens and brushes, and where a paint goes.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/canvas/TView3DOptions.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

const QString kBlackPen = QStringLiteral("$000000 w1 psSolid esRound pmCopy");

struct Recorded {
  RecordingBackend backend{QSize(400, 300)};
  TPlotCanvas3D canvas;
  TView3DOptions view;

  explicit Recorded(bool is3D = false, const TRect& r = TRect{0, 0, 400, 300}) {
    view.SetOrthogonal(false);
    start(is3D, r);
  }
  void start(bool is3D, const TRect& r = TRect{0, 0, 400, 300}) {
    canvas.InitWindow(&backend, &view, is3D, r);
    canvas.Projection(100, r);
    backend.clearLines();
  }
};

TEST(CanvasCalls, Frame3DDrawsRingsFromTheOutsideIn) {
  Recorded rec;
  TRect r{0, 0, 10, 10};
  rec.canvas.Frame3D(r, base::clWhite, base::clGray, 2);
  const QString top = QStringLiteral(" pen[$FFFFFF w1 psSolid esRound pmCopy]");
  const QString bottom = QStringLiteral(" pen[$808080 w1 psSolid esRound pmCopy]");
  EXPECT_EQ(rec.backend.lines(QStringLiteral("polyline")),
            QStringList({"polyline 0,9 0,0 9,0" + top, "polyline 9,0 9,9 -1,9" + bottom,
                         "polyline 1,8 1,1 8,1" + top, "polyline 8,1 8,8 0,8" + bottom}));
  EXPECT_EQ(r, (TRect{2, 2, 8, 8}));

  // Boxes at the ends of int stop there instead of overflowing.
  const int lo = std::numeric_limits<int>::min();
  const int hi = std::numeric_limits<int>::max();
  for (const TRect box : {TRect{lo, lo, lo, lo}, TRect{hi, hi, hi, hi}, TRect{lo, lo, hi, hi}}) {
    TRect edge = box;
    rec.canvas.Frame3D(edge, base::clWhite, base::clGray, 2);
    EXPECT_GE(edge.Left, box.Left);  // moved inwards, never wrapped round
    EXPECT_GE(edge.Top, box.Top);
  }
}

TEST(CanvasCalls, ClipCubeFollowsTheView) {
  const TRect box{100, 50, 300, 250};
  {
    Recorded rec(false);
    rec.canvas.ClipCube(box, 0, 100);
    EXPECT_EQ(rec.backend.lines(), QStringList({"pushClipRect 101,51,300,249"}));
  }
  {
    Recorded rec(true);
    rec.view.SetRotation(200);
    rec.start(true);
    rec.canvas.ClipCube(box, 0, 100);
    EXPECT_TRUE(rec.backend.lines().isEmpty()) << rec.backend.lines().join('\n').toStdString();
  }
  for (const bool orthogonal : {false, true}) {
    Recorded rec(true);
    rec.view.SetRotation(300);
    rec.view.SetOrthogonal(orthogonal);
    rec.start(true);
    rec.canvas.ClipCube(box, 0, 100);
    const QStringList lines = rec.backend.lines();
    ASSERT_EQ(lines.size(), 1);
    ASSERT_TRUE(lines[0].startsWith("pushClipPolygon ")) << lines[0].toStdString();
    QSet<QString> corners;
    for (const int x : {box.Left, box.Right})
      for (const int y : {box.Top, box.Bottom})
        for (const int z : {0, 100}) {
          const QPoint p = rec.canvas.Calculate3DPosition(x, y, z);
          corners << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        }
    const QStringList points = lines[0].mid(16).split(' ');
    EXPECT_EQ(points.size(), 6) << lines[0].toStdString();
    EXPECT_EQ(QSet<QString>(points.begin(), points.end()).size(), 6);
    for (const QString& p : points) EXPECT_TRUE(corners.contains(p)) << p.toStdString();
    rec.canvas.UnClipRectangle();
    EXPECT_EQ(rec.backend.clipDepth(), 0);
  }
  {
    Recorded rec(true);
    rec.view.SetRotation(270);
    rec.view.SetElevation(270);
    rec.start(true);
    rec.canvas.ClipCube(box, 0, 100);
    const QPoint a = rec.canvas.Calculate3DPosition(box.Left, box.Top, 0);
    const QPoint b = rec.canvas.Calculate3DPosition(box.Right, box.Top, 100);
    EXPECT_EQ(rec.backend.lines(), QStringList({QStringLiteral("pushClipRect %1,%2,%3,%4")
                                                    .arg(std::min(a.x(), b.x()))
                                                    .arg(std::min(a.y(), b.y()))
                                                    .arg(std::max(a.x(), b.x()))
                                                    .arg(std::max(a.y(), b.y()))}));
  }
}

void ExpectResetState(const RecordingBackend& b, const char* when) {
  EXPECT_EQ(RecordingBackend::penText(b.pen()), kBlackPen) << when;
  EXPECT_EQ(RecordingBackend::brushText(b.brush()), "$FFFFFF bsSolid") << when;
  EXPECT_EQ(RecordingBackend::fontText(b.font()), "\"DejaVu Sans\" h13 a0 $000000") << when;
  EXPECT_EQ(b.backColor(), base::clWhite) << when;
  EXPECT_EQ(b.backMode(), BackMode::Transparent) << when;
  EXPECT_EQ(b.textAlign(), TextAlign::Left | TextAlign::Top) << when;
}

TEST(CanvasCalls, EveryPaintStartsAndEndsFromTheSameState) {
  RecordingBackend backend;
  BackendPen red;
  red.color = base::clRed;
  red.width = 5;
  red.style = Graphics::psDash;
  backend.setPen(red);
  BackendBrush hatch;
  hatch.color = base::clBlue;
  hatch.style = Graphics::bsCross;
  backend.setBrush(hatch);
  BackendFont turned;
  turned.angle = 900;
  turned.height = -30;
  backend.setFont(turned);
  backend.setBackColor(base::clYellow);
  backend.setBackMode(BackMode::Opaque);
  backend.setTextAlign(TextAlign::Right | TextAlign::Bottom);

  TPlotCanvas3D canvas;
  canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, 100, 100});
  ExpectResetState(backend, "after InitWindow");

  TPlotFont font;
  font.Shadow()->SetHorizSize(4);
  canvas.AssignFont(font);
  canvas.ReferenceCanvas().setPen(red);
  canvas.ReferenceCanvas().setBrush(hatch);
  canvas.SetBackMode(BackMode::Opaque);
  canvas.SetTextAlign(TextAlign::Center);
  canvas.ShowImage();
  ExpectResetState(backend, "after ShowImage");

  // The shadow of the last paint's font is gone too.
  canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, 100, 100});
  backend.clearLines();
  canvas.TextOut(10, 10, "A");
  EXPECT_EQ(backend.lines(QStringLiteral("textOut")).size(), 1);
  EXPECT_EQ(canvas.TextWidth("A"), backend.textExtent("A").width());
}

TEST(CanvasCalls, RotateLabelTurnsByTheReducedAngle) {
  struct Case {
    double angle;
    int tenths;
  };
  for (const Case c : {Case{400, 400}, Case{90, 900}, Case{360, 3600}, Case{361, 10}}) {
    Recorded rec;
    rec.canvas.RotateLabel(20, 30, "Label", c.angle);
    const QStringList text = rec.backend.lines(QStringLiteral("textOut"));
    ASSERT_EQ(text.size(), 1);
    EXPECT_TRUE(text[0].startsWith(
        QStringLiteral("textOut 20,30 \"Label\" font[\"DejaVu Sans\" h13 a%1 ").arg(c.tenths)))
        << c.angle << ": " << text[0].toStdString();
    EXPECT_EQ(rec.backend.font().angle, 0) << "font restored";
    EXPECT_EQ(rec.backend.brush().style, Graphics::bsClear);
  }
}

TEST(CanvasCalls, ZoomedViewsScale3DTextsNeverBelowOnePixel) {
  struct Case {
    const char* name;
    int zoom;
    bool zoomText;
    int fontHeight;
    bool rotated;
    int expectedHeight;
  };
  const Case cases[] = {
      {"zoom 50 halves size 10", 50, true, -13, false, 7},
      {"zoom text off keeps it", 50, false, -13, false, 13},
      {"zoom 100 keeps it", 100, true, -13, false, 13},
      {"size 1 stays 1", 50, true, -1, false, 1},
      {"turned label at zoom 200", 200, true, -13, true, 26},
      {"turned label at zoom 100", 100, true, -13, true, 13},
  };
  for (const Case& c : cases) {
    Recorded rec;
    rec.view.SetZoom(c.zoom);
    rec.view.SetZoomText(c.zoomText);
    rec.start(true);
    BackendFont font = rec.backend.font();
    font.height = c.fontHeight;
    rec.backend.setFont(font);
    rec.backend.clearLines();
    if (c.rotated) {
      rec.canvas.RotateLabel3D(200, 150, 50, "T", 0);
    } else {
      rec.canvas.TextOut3D(200, 150, 50, "T");
    }
    const QStringList text = rec.backend.lines(QStringLiteral("textOut"));
    ASSERT_EQ(text.size(), 1) << c.name;
    EXPECT_TRUE(text[0].contains(QStringLiteral(" h%1 ").arg(c.expectedHeight)))
        << c.name << ": " << text[0].toStdString();
    EXPECT_EQ(rec.backend.font().height, c.fontHeight) << c.name << ": font restored";
  }
}

TEST(CanvasCalls, ChartPensBrushesAndFontsBecomeBackendState) {
  Recorded rec;
  TChartPen pen;
  pen.SetColor(base::clRed);
  pen.SetWidth(3);
  TChartBrush brush;
  brush.SetColor(base::clBlue);
  brush.SetStyle(Graphics::bsFDiagonal);
  TPlotFont font;
  font.SetColor(base::clGreen);

  rec.canvas.AssignPen(pen);
  rec.canvas.AssignBrush(brush, base::clYellow);
  rec.canvas.AssignFont(font);
  EXPECT_EQ(RecordingBackend::penText(rec.backend.pen()), "$0000FF w3 psSolid esRound pmCopy");
  EXPECT_EQ(RecordingBackend::brushText(rec.backend.brush()), "$FF0000 bsFDiagonal");
  EXPECT_EQ(rec.backend.backMode(), BackMode::Opaque);
  EXPECT_EQ(rec.backend.backColor(), base::clYellow);
  EXPECT_EQ(rec.backend.font().color, base::clGreen);

  rec.canvas.AssignBrush(brush);
  EXPECT_EQ(rec.backend.backMode(), BackMode::Transparent);

  QImage pattern(8, 8, QImage::Format_Mono);
  pattern.fill(0);
  brush.Image()->SetImage(pattern);
  rec.canvas.AssignBrush(brush);
  EXPECT_EQ(rec.backend.backMode(), BackMode::Opaque) << "pattern brushes fill their gaps";

  rec.canvas.SetMonochrome(true);
  rec.canvas.AssignPen(pen);
  rec.canvas.AssignBrush(brush);
  rec.canvas.AssignFont(font);
  EXPECT_EQ(rec.backend.pen().color, base::clBlack);
  EXPECT_EQ(rec.backend.brush().color, base::clWhite);
  EXPECT_EQ(rec.backend.font().color, base::clBlack);
}

TEST(CanvasCalls, HiddenPensLeaveNoInk) {
  TChartPen pen;
  pen.SetColor(base::clRed);
  pen.SetWidth(4);
  pen.SetVisible(false);

  NullBackend null;
  TPlotCanvas3D canvas;
  canvas.InitWindow(&null, nullptr, false, TRect{0, 0, 100, 100});
  canvas.AssignPen(pen);
  canvas.Line(0, 0, 90, 90);
  canvas.DoHorizLine(0, 90, 50);
  canvas.LineTo3D(10, 80, 5);
  EXPECT_EQ(null.inkCalls(), 0);

  for (const bool buffered : {true, false}) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterBackend dest(painter);
      canvas.SetUseBuffer(buffered);
      canvas.InitWindow(&dest, nullptr, false, TRect{0, 0, 100, 100});
      canvas.EraseBackground(TRect{0, 0, 100, 100});
      canvas.AssignPen(pen);
      canvas.Line(0, 0, 90, 90);
      canvas.DoVertLine(50, 0, 90);
      canvas.ShowImage();
    }
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x)
        ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << buffered << " " << x << "," << y;
  }

  QPicture picture;
  {
    QPainter painter(&picture);
    QPainterBackend dest(painter);
    canvas.InitWindow(&dest, nullptr, false, TRect{0, 0, 100, 100});
    canvas.AssignPen(pen);
    canvas.Line(0, 0, 90, 90);
    canvas.ShowImage();
  }
  QImage replay(100, 100, QImage::Format_RGB32);
  replay.fill(Qt::white);
  QPainter(&replay).drawPicture(0, 0, picture);
  EXPECT_EQ(replay.pixel(45, 45), qRgb(255, 255, 255));
}

TEST(CanvasCalls, ClipsComeOffToTheDepthBeforeTheLastClip) {
  Recorded rec;
  rec.canvas.ClipRectangle(TRect{0, 0, 50, 50});
  rec.canvas.UnClipRectangle();
  EXPECT_EQ(rec.backend.clipDepth(), 0);
  rec.canvas.ClipEllipse(TRect{0, 0, 50, 50});
  rec.canvas.ClipPolygon(std::vector<QPoint>{{0, 0}, {40, 0}, {0, 40}});
  rec.canvas.UnClipRectangle();
  EXPECT_EQ(rec.backend.clipDepth(), 1);
  rec.canvas.UnClipRectangle();
  EXPECT_EQ(rec.backend.clipDepth(), 1) << "one level remembered, as the classic canvas does";
}

}  // namespace
