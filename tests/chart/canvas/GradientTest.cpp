// Gradients of chart furniture on an image: where the start, middle and end
// colours land for each direction, the middle colour's switch, and change
// notices only for real changes.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "tests/chart/canvas/CanvasTestImage.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

namespace {

// Paints `gradient` over `r` on a white image of `size` through the chart
// canvas with 3D off.
QImage Painted(const TChartGradient& gradient, const TRect& r, QSize size, int corner = 0) {
  CanvasTestImage target(size.width(), size.height());
  TPlotCanvas3D canvas;
  canvas.SetUseBuffer(false);
  canvas.InitWindow(&target.backend(), nullptr, false, TRect{0, 0, size.width(), size.height()});
  gradient.Draw(canvas, r, corner);
  canvas.ShowImage();
  return target.image();
}

base::TColor At(const QImage& image, int x, int y) {
  return base::FromQColor(QColor(image.pixel(x, y)));
}

constexpr base::TColor kStart = 0x0000FF;  // red
constexpr base::TColor kMid = 0x00FF00;
constexpr base::TColor kEnd = 0xFF0000;  // blue

struct MidCase {
  TGradientDirection direction;
  // Probes along the running axis: the outer pixel on the start colour's
  // side, the two pixels beside the split line, the outer pixel on the end
  // colour's side.
  QPoint startEdge, beforeSplit, afterSplit, endEdge;
};

TEST(ChartGradient, MiddleColourLiesOnTheSplitLine) {
  const MidCase cases[] = {
      {gdTopBottom, {50, 299}, {50, 149}, {50, 150}, {50, 0}},
      {gdBottomTop, {50, 0}, {50, 149}, {50, 150}, {50, 299}},
      {gdLeftRight, {99, 150}, {49, 150}, {50, 150}, {0, 150}},
      {gdRightLeft, {0, 150}, {49, 150}, {50, 150}, {99, 150}},
  };
  for (const MidCase& c : cases) {
    SCOPED_TRACE(c.direction);
    TChartGradient g;
    g.SetStartColor(kStart);
    g.SetEndColor(kEnd);
    g.SetMidColor(kMid);
    g.SetDirection(c.direction);
    const QImage image = Painted(g, TRect{0, 0, 100, 300}, QSize(100, 300));
    if (c.direction == gdTopBottom)
      testsupport::saveArtifact(image, QStringLiteral("chart-gradient-mid-topbottom.png"));
    EXPECT_EQ(At(image, c.startEdge.x(), c.startEdge.y()), kStart);
    EXPECT_EQ(At(image, c.beforeSplit.x(), c.beforeSplit.y()), kMid);
    EXPECT_EQ(At(image, c.afterSplit.x(), c.afterSplit.y()), kMid);
    EXPECT_EQ(At(image, c.endEdge.x(), c.endEdge.y()), kEnd);
  }
}

TEST(ChartGradient, RadialDirectionsIgnoreTheMiddleColour) {
  TChartGradient g;
  g.SetStartColor(kStart);
  g.SetEndColor(kEnd);
  g.SetMidColor(kMid);
  g.SetDirection(gdFromCenter);
  RecordingBackend rec(QSize(200, 200));
  TPlotCanvas3D canvas;
  canvas.InitWindow(&rec, nullptr, false, TRect{0, 0, 200, 200});
  rec.clearLines();
  g.Draw(canvas, TRect{0, 0, 21, 11});
  const QStringList brushes = rec.lines(QStringLiteral("setBrush"));
  ASSERT_FALSE(brushes.isEmpty());
  // From the centre the colours are exchanged: the end colour is outside.
  EXPECT_TRUE(brushes.front().contains(QStringLiteral("$FF0000"))) << brushes.front().toStdString();
  for (const QString& line : brushes) EXPECT_FALSE(line.contains(QStringLiteral("$00FF00")));

  const QImage image = Painted(g, TRect{0, 0, 21, 11}, QSize(21, 11));
  EXPECT_EQ(At(image, 0, 0), kEnd);
  EXPECT_EQ(At(image, 10, 5), kStart);
}

TEST(ChartGradient, RoundCornerClipsTheFillAndRestoresTheClip) {
  TChartGradient g;
  g.SetStartColor(base::clBlack);
  g.SetEndColor(base::clBlack);
  const QImage image = Painted(g, TRect{10, 10, 110, 60}, QSize(120, 70), 16);
  EXPECT_EQ(At(image, 10, 10), base::clWhite);  // cut off by the round corner
  EXPECT_EQ(At(image, 12, 35), base::clBlack);
  EXPECT_EQ(At(image, 60, 10), base::clBlack);

  RecordingBackend rec(QSize(200, 200));
  TPlotCanvas3D canvas;
  canvas.InitWindow(&rec, nullptr, false, TRect{0, 0, 200, 200});
  rec.pushClipRect(TRect{0, 0, 50, 50});
  g.Draw(canvas, TRect{0, 0, 100, 40}, 16);
  EXPECT_EQ(rec.clipDepth(), 1) << "the caller's clip must stay";
  EXPECT_EQ(rec.lines(QStringLiteral("pushClipRoundRect")).join('\n').toStdString(),
            "pushClipRoundRect 0,0,100,40 16x16");
}

TEST(ChartGradient, MiddleColourSwitch) {
  int changes = 0;
  TChartGradient g([&changes] { ++changes; });
  EXPECT_EQ(g.MidColor(), base::clNone);
  g.UseMiddleColor();  // never had one: stays off
  EXPECT_EQ(g.MidColor(), base::clNone);
  EXPECT_EQ(changes, 0);

  g.SetMidColor(kMid);
  g.SetMidColor(base::clNone);
  EXPECT_EQ(changes, 2);
  g.UseMiddleColor();
  EXPECT_EQ(g.MidColor(), kMid);
  EXPECT_EQ(changes, 3);
  g.UseMiddleColor();
  EXPECT_EQ(changes, 3);

  // Assign takes the middle colour with its use, and tells once.
  TChartGradient other;
  other.SetDirection(gdLeftRight);
  other.SetStartColor(base::clNavy);
  changes = 0;
  g.Assign(other);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(g.MidColor(), base::clNone);
  EXPECT_EQ(g.Direction(), gdLeftRight);
  g.Assign(other);
  EXPECT_EQ(changes, 1);
  g.UseMiddleColor();  // the colour it had before is still there
  EXPECT_EQ(g.MidColor(), kMid);
}

}  // namespace
