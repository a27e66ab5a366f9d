// The framed box of titles, legend and marks, seen through the recording
// backend: what a transparent, turned, shadowed, rounded, bevelled and
// translucent box draws, and that its changes reach the chart.
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TPlotCustomShape.h"
#include "tests/chart/canvas/CanvasTestImage.h"
#include "tests/chart/support/FakeChartHost.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Recorded {
  RecordingBackend backend{QSize(400, 300)};
  TPlotCanvas3D canvas;
  Recorded() {
    canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, 400, 300});
    backend.clearLines();
  }
  std::string calls(const QString& call) const {
    return backend.lines(call).join('\n').toStdString();
  }
  std::string all() const { return backend.lines().join('\n').toStdString(); }
};

TEST(FramedShape, TransparentDrawsNothing) {
  TPlotCustomShape shape;
  shape.SetTransparent(true);
  shape.SetTransparency(50);
  shape.SetBevel(bvRaised);
  shape.Gradient()->SetVisible(true);
  shape.SetShapeBounds(TRect{0, 0, 100, 40});
  Recorded rec;
  shape.Draw(rec.canvas);
  shape.DrawRectRotated(rec.canvas, TRect{0, 0, 100, 40}, 30);
  EXPECT_EQ(rec.all(), "");
}

struct TurnCase {
  int angle;
  const char* polygon;
};

TEST(FramedShape, TurnedBoxIsAPolygonWithoutGradient) {
  const TurnCase cases[] = {
      {30, "polygon -3,28 83,-22 103,12 17,62"},
      {-30, "polygon 17,-22 103,28 83,62 -3,12"},
  };
  for (const TurnCase& c : cases) {
    SCOPED_TRACE(c.angle);
    TPlotCustomShape shape;
    shape.SetShadowSize(0);
    shape.Gradient()->SetVisible(true);
    Recorded rec;
    shape.DrawRectRotated(rec.canvas, TRect{0, 0, 100, 40}, c.angle);
    const QStringList polygons = rec.backend.lines(QStringLiteral("polygon"));
    ASSERT_EQ(polygons.size(), 1);
    EXPECT_TRUE(polygons.front().startsWith(QLatin1String(c.polygon)))
        << polygons.front().toStdString();
    EXPECT_EQ(rec.calls(QStringLiteral("fillRect")), "");
    EXPECT_EQ(rec.calls(QStringLiteral("rectangle")), "");
  }
}

TEST(FramedShape, ShadowIsOffsetByItsSizeAndTheFrameWidth) {
  TPlotCustomShape shape;
  shape.Frame()->SetWidth(2);
  shape.SetShadowColor(base::clGray);
  Recorded rec;
  shape.DrawRectRotated(rec.canvas, TRect{10, 10, 110, 50});
  const QStringList rects = rec.backend.lines(QStringLiteral("rectangle"));
  ASSERT_EQ(rects.size(), 2);
  EXPECT_TRUE(rects[0].startsWith(QLatin1String("rectangle 15,15,115,55 pen[")));
  EXPECT_TRUE(rects[0].contains(QLatin1String("psClear")));
  EXPECT_TRUE(rects[0].contains(QLatin1String("brush[$808080 bsSolid]")));
  EXPECT_TRUE(rects[1].startsWith(QLatin1String("rectangle 10,10,110,50 pen[$000000 w2")))
      << rects[1].toStdString();
  EXPECT_TRUE(rects[1].contains(QLatin1String("brush[$FFFFFF bsSolid]")));

  // A hidden frame adds nothing; a clear brush has no shadow.
  shape.Frame()->SetVisible(false);
  Recorded hidden;
  shape.DrawRectRotated(hidden.canvas, TRect{10, 10, 110, 50});
  EXPECT_TRUE(hidden.backend.lines(QStringLiteral("rectangle"))
                  .front()
                  .startsWith(QLatin1String("rectangle 13,13,113,53")));
  shape.Brush()->SetStyle(bsClear);
  Recorded clear;
  shape.DrawRectRotated(clear.canvas, TRect{10, 10, 110, 50});
  EXPECT_EQ(clear.backend.lines(QStringLiteral("rectangle")).size(), 1);
}

TEST(FramedShape, RoundBoxFillsItsGradientInsideTheRoundedClip) {
  TPlotCustomShape shape;
  shape.SetShadowSize(0);
  shape.SetShapeStyle(fosRoundRectangle);
  shape.Gradient()->SetVisible(true);
  Recorded rec;
  shape.DrawRectRotated(rec.canvas, TRect{0, 0, 100, 40});
  EXPECT_EQ(rec.calls(QStringLiteral("pushClipRoundRect")), "pushClipRoundRect 0,0,100,40 16x16");
  EXPECT_FALSE(rec.backend.lines(QStringLiteral("fillRect")).isEmpty());
  const QStringList round = rec.backend.lines(QStringLiteral("roundRect"));
  ASSERT_EQ(round.size(), 1);
  EXPECT_TRUE(round.front().startsWith(QLatin1String("roundRect 0,0,100,40 16x16")))
      << round.front().toStdString();
  // The gradient shows through: the box itself is not filled.
  EXPECT_TRUE(round.front().contains(QLatin1String("bsClear")));
  EXPECT_EQ(rec.backend.clipDepth(), 0);
}

TEST(FramedShape, BevelColoursFollowItsKind) {
  struct Case {
    TPanelBevel bevel;
    base::TColor topLeft, bottomRight;
  };
  const base::TColor highlight = base::ColorToRGB(base::clBtnHighlight);
  const base::TColor shadow = base::ColorToRGB(base::clBtnShadow);
  const Case cases[] = {{bvRaised, highlight, shadow}, {bvLowered, shadow, highlight}};
  for (const Case& c : cases) {
    TPlotCustomShape shape;
    shape.SetBevel(c.bevel);
    shape.SetBevelWidth(1);
    Recorded rec;
    shape.DrawRectRotated(rec.canvas, TRect{0, 0, 10, 10});
    const QStringList lines = rec.backend.lines(QStringLiteral("polyline"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(RecordingBackend::colorText(c.topLeft)));
    EXPECT_TRUE(lines[1].contains(RecordingBackend::colorText(c.bottomRight)));
  }
}

TEST(FramedShape, TranslucentBoxIsDrawnInsideOneBlend) {
  struct Case {
    int transparency;
    const char* endBlend;
  };
  const Case cases[] = {{50, "endBlend 50"}, {150, "endBlend 100"}, {-20, ""}, {0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.transparency);
    TPlotCustomShape shape;
    shape.SetTransparency(c.transparency);
    shape.SetShapeBounds(TRect{10, 10, 110, 50});
    Recorded rec;
    shape.Draw(rec.canvas);
    const QStringList lines = rec.backend.lines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(rec.calls(QStringLiteral("endBlend")), c.endBlend);
    if (*c.endBlend) {
      EXPECT_TRUE(lines.front().startsWith(QLatin1String("beginBlend")));
      EXPECT_TRUE(lines.back().startsWith(QLatin1String("endBlend")));
    }
  }
}

TEST(FramedShape, RenderedBoxes) {
  CanvasTestImage target(300, 200);
  {
    TPlotCanvas3D canvas;
    canvas.InitWindow(&target.backend(), nullptr, false, TRect{0, 0, 300, 200});
    canvas.Projection(0, TRect{0, 0, 300, 200});
    TPlotCustomShape opaque;
    opaque.SetColor(base::clYellow);
    opaque.SetShadowColor(base::clGray);
    opaque.SetShapeBounds(TRect{20, 20, 120, 60});
    opaque.Draw(canvas);

    canvas.ReferenceCanvas().setPen(ClearPen());
    canvas.ReferenceCanvas().setBrush(SolidBrush(base::clBlue));
    canvas.FillRect(TRect{150, 0, 300, 200});
    TPlotCustomShape translucent;
    translucent.SetColor(base::clLime);
    translucent.SetShadowSize(0);
    translucent.SetTransparency(50);
    translucent.SetShapeBounds(TRect{170, 20, 270, 60});
    translucent.Draw(canvas);

    TPlotCustomShape turned;
    turned.SetColor(base::clRed);
    turned.SetShadowSize(0);
    turned.DrawRectRotated(canvas, TRect{20, 100, 120, 140}, -30);
    canvas.ShowImage();
  }
  testsupport::saveArtifact(target.image(), QStringLiteral("chart-framed-shapes.png"));
  EXPECT_EQ(target.at(70, 40), base::clYellow);
  EXPECT_EQ(target.at(20, 40), base::clBlack);    // frame
  EXPECT_EQ(target.at(122, 62), base::clGray);    // shadow, moved by 3 + 1
  EXPECT_EQ(target.at(121, 22), base::clWhite);   // above the shadow
  EXPECT_EQ(target.at(220, 40), 0x808000u);       // lime over blue at 50 %
  EXPECT_EQ(target.at(220, 10), base::clBlue);    // outside the blend
  EXPECT_EQ(target.at(70, 120), base::clRed);     // centre of the turned box
  EXPECT_EQ(target.at(115, 103), base::clWhite);  // a corner it turned away from
}

TEST(FramedShape, ChangesRepaintTheChart) {
  auto chart = std::make_unique<FakeChartHost>();
  int changes = 0;
  TPlotCustomShape shape(chart.get(), [&changes] { ++changes; });
  shape.SetColor(base::clRed);
  shape.SetColor(base::clRed);
  shape.Frame()->SetWidth(3);
  shape.Font()->SetColor(base::clBlue);
  shape.Gradient()->SetVisible(true);
  shape.Brush()->SetStyle(bsCross);
  EXPECT_EQ(chart->invalidations, 5);
  EXPECT_EQ(changes, 5);

  TPlotCustomShape copy;
  copy.Assign(shape);
  EXPECT_EQ(copy.Color(), base::clRed);
  EXPECT_EQ(copy.Frame()->Width(), 3);
  EXPECT_TRUE(copy.Gradient()->Visible());
  EXPECT_EQ(copy.Brush()->Style(), bsCross);

  // A shape that outlives its chart still stores its values.
  chart.reset();
  shape.SetColor(base::clLime);
  EXPECT_EQ(shape.ParentChart(), nullptr);
  EXPECT_EQ(shape.Color(), base::clLime);
}

}  // namespace
