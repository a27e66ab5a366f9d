// The panel's part of a paint: the chart rectangle from bounds, margins and
// border; one paint per request even when the chart changes while it
// paints; background, bevels and zoom rectangle as recorded calls; and the
// drawing rules for printing and metafiles.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/PlotPanelSwitches.h"
#include "tests/chart/support/FakePlotPanel.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace {

class PanelDrawing : public testing::Test {
 protected:
  ~PanelDrawing() override { ResetPanelSwitches(); }
  ChartEngineScope engine_;
};

// Lines from the first one that starts with `call` on.
QStringList From(const QStringList& lines, const QString& call) {
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (lines[i].startsWith(call)) return lines.mid(i);
  return {};
}

TEST_F(PanelDrawing, ChartRectangleFollowsBoundsMarginsAndBorder) {
  const struct {
    const char* name;
    TRect r;
    int border;
    TRect chart;
  } cases[] = {
      {"default margins", {0, 0, 400, 250}, 0, {12, 10, 388, 240}},
      {"border 2", {0, 0, 400, 250}, 2, {14, 12, 386, 238}},
      {"offset bounds", {100, 50, 500, 300}, 0, {112, 60, 488, 290}},
      // Zero width: the chart rectangle takes the panel's width.
      {"zero width", {30, 0, 30, 250}, 0, {30, 10, 430, 240}},
      // The border pushes right left of left: one pixel wide; the same below.
      {"crossed", {0, 0, 10, 8}, 6, {6, 6, 7, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlotPanel panel;
    panel.SetBorderWidth(c.border);
    RecordingBackend b;
    panel.Draw(b, c.r);
    EXPECT_EQ(panel.ChartRect(), c.chart);
    EXPECT_EQ(panel.ChartBounds(), c.r);
  }
}

TEST_F(PanelDrawing, DrawResetsTheCanvasAroundTheChartDrawing) {
  FakePlotPanel panel;
  RecordingBackend b;
  panel.Draw(b, {0, 0, 400, 250});
  const QStringList reset = {
      QStringLiteral("setPen $000000 w1 psSolid esRound pmCopy"),
      QStringLiteral("setBrush $FFFFFF bsSolid"),
      b.lines()[2],  // the default font depends on the desktop
      QStringLiteral("setBackColor $FFFFFF"),
      QStringLiteral("setBackMode transparent"),
      QStringLiteral("setTextAlign left top"),
  };
  ASSERT_TRUE(b.lines()[2].startsWith(QStringLiteral("setFont ")));
  const QStringList expected = reset + QStringList{QStringLiteral("setPixel 0,0 $0000FF")} + reset;
  EXPECT_EQ(b.lines(), expected);
  EXPECT_EQ(panel.draws, 1);
}

TEST_F(PanelDrawing, ChangesWhilePaintingRequestNoSecondPaint) {
  FakePlotPanel panel;
  QSignalSpy repaints(&panel, &TCustomPlotPanel::repaintRequested);
  int nested = 0;
  panel.drawHook = [&](FakePlotPanel& p, const TRect& r) {
    // A part that changes itself while drawn, three times.
    p.SetMarginLeft(p.MarginLeft() + 1);
    p.InvalidateChart();
    p.InvalidateChart();
    RecordingBackend inner;
    p.Draw(inner, r);  // not re-entered
    nested += inner.lines().size();
  };
  RecordingBackend b;
  panel.Draw(b, {0, 0, 400, 250});
  EXPECT_EQ(panel.draws, 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(repaints.count(), 0);
  EXPECT_FALSE(panel.Canvas().ImageChanged()) << "a stale mark would repaint at once";
  // Outside a paint a change asks for one.
  panel.SetMarginLeft(3);
  EXPECT_EQ(repaints.count(), 1);
}

TEST_F(PanelDrawing, AutoRepaintOffIgnoresChanges) {
  FakePlotPanel panel;
  QSignalSpy repaints(&panel, &TCustomPlotPanel::repaintRequested);
  panel.SetAutoRepaint(false);
  panel.SetColor(base::clRed);
  panel.View3DOptions()->SetRotation(10);
  panel.SetMarginTop(9);
  EXPECT_EQ(repaints.count(), 0);
  panel.SetAutoRepaint(true);
  panel.SetColor(base::clBlue);
  EXPECT_EQ(repaints.count(), 1);
  panel.SetColor(base::clBlue);  // same value: no repaint
  EXPECT_EQ(repaints.count(), 1);
}

TEST_F(PanelDrawing, PanelPaintFillsThenDrawsTheBackImage) {
  FakePlotPanel panel;
  QImage image(50, 30, QImage::Format_RGB32);
  image.fill(Qt::green);
  panel.BackImage()->SetImage(image);
  panel.drawHook = [](FakePlotPanel& p, const TRect& r) { p.PanelPaint(r); };
  RecordingBackend b;
  panel.Draw(b, {0, 0, 400, 250});
  EXPECT_EQ(b.lines(QStringLiteral("fillRect")).join('\n').toStdString(),
            "fillRect 0,0,400,250 brush[" +
                RecordingBackend::colorText(base::clBtnFace).toStdString() + " bsSolid]");
  const QStringList drawn = From(b.lines(), QStringLiteral("fillRect"));
  ASSERT_GE(drawn.size(), 2);
  EXPECT_EQ(drawn[1], QStringLiteral("stretchDraw 0,0,400,250 50x30"));

  // The gradient replaces the solid fill; no colour and no gradient: no fill.
  panel.Gradient()->SetStartColor(base::clRed);
  panel.Gradient()->SetVisible(true);
  b.clearLines();
  panel.Draw(b, {0, 0, 400, 250});
  EXPECT_TRUE(b.lines(QStringLiteral("fillRect")).join(' ').contains(QStringLiteral("$0000FF")))
      << b.lines().join('\n').toStdString();
  panel.Gradient()->SetVisible(false);
  panel.SetColor(base::clNone);
  b.clearLines();
  panel.Draw(b, {0, 0, 400, 250});
  EXPECT_TRUE(b.lines(QStringLiteral("fillRect")).isEmpty());

  // Inside the chart, the chart draws the image, not the panel.
  panel.SetBackImageInside(true);
  b.clearLines();
  panel.Draw(b, {0, 0, 400, 250});
  EXPECT_TRUE(b.lines(QStringLiteral("stretchDraw")).isEmpty());
}

TEST_F(PanelDrawing, BevelsAreOuterFrameBorderInnerFrame) {
  FakePlotPanel panel;
  panel.SetBevelInner(bvLowered);
  panel.SetBorderWidth(1);
  panel.SetColor(base::clRed);
  panel.drawHook = [](FakePlotPanel& p, const TRect& r) { p.DrawPanelBevels(r); };
  RecordingBackend b;
  panel.Draw(b, {0, 0, 10, 8});
  const QString light = RecordingBackend::colorText(base::clBtnHighlight);
  const QString dark = RecordingBackend::colorText(base::clBtnShadow);
  QStringList expected = {
      // raised outer bevel: highlight top-left, shadow bottom-right
      QStringLiteral("polyline 0,7 0,0 9,0 pen[$FFFFFF w1 psSolid esRound pmCopy]"),
      QStringLiteral("polyline 9,0 9,7 -1,7 pen[$A0A0A0 w1 psSolid esRound pmCopy]"),
      // border in the panel colour
      QStringLiteral("polyline 1,6 1,1 8,1 pen[$0000FF w1 psSolid esRound pmCopy]"),
      QStringLiteral("polyline 8,1 8,6 0,6 pen[$0000FF w1 psSolid esRound pmCopy]"),
      // lowered inner bevel
      QStringLiteral("polyline 2,5 2,2 7,2 pen[$A0A0A0 w1 psSolid esRound pmCopy]"),
      QStringLiteral("polyline 7,2 7,5 1,5 pen[$FFFFFF w1 psSolid esRound pmCopy]"),
  };
  for (QString& line : expected)
    line.replace(QStringLiteral("$FFFFFF"), light).replace(QStringLiteral("$A0A0A0"), dark);
  EXPECT_EQ(b.lines(QStringLiteral("polyline")).join('\n').toStdString(),
            expected.join('\n').toStdString());
}

TEST_F(PanelDrawing, ClippingFollowsDeviceAndSwitches) {
  // screen, printing, metafile -> CanClip, for each setting of the two switches
  const struct {
    bool clipPrinting, clipMetafiling;
    bool screen, printing, metafile, printingIntoMetafile;
  } cases[] = {
      {true, true, true, true, true, true},
      {false, true, true, false, true, true},
      {true, false, true, true, false, true},
      {false, false, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.clipPrinting << c.clipMetafiling);
    PanelSwitches().ClipWhenPrinting = c.clipPrinting;
    PanelSwitches().ClipWhenMetafiling = c.clipMetafiling;
    FakePlotPanel panel;
    EXPECT_EQ(panel.CanClip(), c.screen);
    bool seen = false;
    panel.drawHook = [&](FakePlotPanel& p, const TRect&) { seen = p.CanClip(); };
    RecordingBackend b;
    panel.DrawToMetaCanvas(b, {0, 0, 100, 100});
    EXPECT_EQ(seen, c.metafile);
    panel.PrintPartialCanvas(b, {0, 0, 100, 100});
    EXPECT_EQ(seen, c.printingIntoMetafile);
    EXPECT_EQ(b.lines(QStringLiteral("pushClipRect")).size(), c.printing ? 1 : 0);
  }
}

TEST_F(PanelDrawing, OnePixelPensPrintThinnest) {
  const struct {
    int width;
    TPenStyle style;
    bool printing, switchOn;
    int expected;
  } cases[] = {
      {1, psSolid, true, true, 0},  {2, psSolid, true, true, 2},  {1, psClear, true, true, 1},
      {1, psSolid, false, true, 1}, {1, psSolid, true, false, 1},
  };
  for (const auto& c : cases) {
    PanelSwitches().CheckPenWidthWhenPrinting = c.switchOn;
    FakePlotPanel panel;
    BackendPen pen;
    pen.width = c.width;
    pen.style = c.style;
    if (c.printing) {
      panel.drawHook = [&](FakePlotPanel& p, const TRect&) { p.CheckPenWidth(pen); };
      RecordingBackend b;
      panel.PrintPartialCanvas(b, {0, 0, 100, 100});
    } else {
      panel.CheckPenWidth(pen);
    }
    EXPECT_EQ(pen.width, c.expected) << c.width << " " << c.printing << c.switchOn;
  }
}

TEST_F(PanelDrawing, HatchInTheBackColourSwitchesToBlackOrWhite) {
  const struct {
    TBrushStyle style;
    base::TColor color, back, expected;
  } cases[] = {
      {bsCross, base::clRed, base::clRed, base::clBlack},
      {bsCross, base::clBlack, base::clBlack, base::clWhite},
      {bsCross, base::clRed, base::clBlue, base::clRed},
      {bsSolid, base::clRed, base::clRed, base::clRed},
  };
  for (const auto& c : cases) {
    FakePlotPanel panel;
    TChartBrush brush;
    brush.SetStyle(c.style);
    RecordingBackend b;
    panel.drawHook = [&](FakePlotPanel& p, const TRect&) {
      p.SetBrushCanvas(c.color, brush, c.back);
    };
    panel.Draw(b, {0, 0, 10, 10});
    const QStringList set = b.lines(QStringLiteral("setBrush"));
    ASSERT_GE(set.size(), 2);
    EXPECT_TRUE(
        set[1].startsWith(QStringLiteral("setBrush ") + RecordingBackend::colorText(c.expected)))
        << set[1].toStdString();
  }
}

TEST_F(PanelDrawing, ZoomRectangleIsNotXorInColoursThatShowOnTheBackground) {
  FakePlotPanel panel;
  panel.SetColor(0xC0C0C0);
  panel.Zoom()->Activate(10, 20);
  panel.Zoom()->X1 = 110;
  panel.Zoom()->Y1 = 70;
  RecordingBackend b;
  panel.DrawZoomRectangle(b);
  EXPECT_EQ(b.lines(QStringLiteral("rectangle")),
            QStringList{QStringLiteral("rectangle 10,20,110,70 pen[$C0C0C0 w1 psSolid esRound "
                                       "pmNotXor] brush[$C0C0C0 bsClear]")});
  EXPECT_EQ(b.backMode(), BackMode::Transparent) << "a clear zoom brush leaves the background";
}

TEST_F(PanelDrawing, PercentOfThe3DEffectStaysInRange) {
  FakePlotPanel panel;
  panel.SetChart3DPercent(40);
  for (const int bad : {0, 101, -5}) {
    try {
      panel.SetChart3DPercent(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message(), QStringLiteral("3D effect percent must be between 1 and 100"));
    }
    EXPECT_EQ(panel.Chart3DPercent(), 40);
  }
}

}  // namespace
