// The panel's back image: stretched, tiled from the corner or centred over
// the panel fill; nothing for an empty image or a tilted 3D view; recorded
// calls and pixels of the rendered panel.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

namespace {

using Mode = TCustomPlotPanelExtended::TPlotBackImageMode;

// Four quadrants in four colours, so that placement and tiling show.
QImage Quadrants(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(
          x, y, x < w / 2 ? (y < h / 2 ? 0xFF0000 : 0x00FF00) : (y < h / 2 ? 0x0000FF : 0xFFFF00));
  return image;
}

class PanelBackImage : public testing::Test {
 protected:
  PanelBackImage() {
    panel_.SetColor(0xC0C0C0);
    panel_.drawHook = [](FakePlotPanel& p, const TRect& r) { p.PanelPaint(r); };
  }
  QStringList Record(const TRect& r = {0, 0, 400, 250}) {
    RecordingBackend b;
    panel_.Draw(b, r);
    QStringList out;
    for (const QString& line : b.lines())
      if (!line.startsWith(QStringLiteral("set"))) out << line;
    return out;
  }
  ChartEngineScope engine_;
  FakePlotPanel panel_;
};

TEST_F(PanelBackImage, RecordedCallsPerMode) {
  const struct {
    const char* name;
    Mode mode;
    QSize image;
    TRect r;
    QStringList expected;
  } cases[] = {
      {"stretch",
       Mode::pbmStretch,
       {50, 30},
       {0, 0, 400, 250},
       {"fillRect 0,0,400,250 brush[$C0C0C0 bsSolid]", "stretchDraw 0,0,400,250 50x30"}},
      {"tile smaller than the image",
       Mode::pbmTile,
       {50, 30},
       {0, 0, 20, 10},
       {"fillRect 0,0,20,10 brush[$C0C0C0 bsSolid]", "pushClipRect 0,0,20,10",
        "tiledDraw 0,0,20,10 50x30 clip1", "popClip"}},
      {"tile: one call however small the image",
       Mode::pbmTile,
       {1, 1},
       {0, 0, 400, 250},
       {"fillRect 0,0,400,250 brush[$C0C0C0 bsSolid]", "pushClipRect 0,0,400,250",
        "tiledDraw 0,0,400,250 1x1 clip1", "popClip"}},
      {"center",
       Mode::pbmCenter,
       {50, 30},
       {0, 0, 400, 250},
       {"fillRect 0,0,400,250 brush[$C0C0C0 bsSolid]", "pushClipRect 0,0,400,250",
        "fillRect 0,0,400,250 brush[$C0C0C0 bsSolid] clip1", "draw 175,110 50x30 clip1",
        "popClip"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    panel_.SetBackImageMode(c.mode);
    panel_.BackImage()->SetImage(Quadrants(c.image.width(), c.image.height()));
    EXPECT_EQ(Record(c.r).join('\n').toStdString(), c.expected.join('\n').toStdString());
  }
}

TEST_F(PanelBackImage, NothingToDrawReturnsAtOnce) {
  panel_.SetBackImageMode(Mode::pbmTile);
  // No image at all, and images without area (which would tile forever).
  for (const QImage& image : {QImage(), QImage(0, 5, QImage::Format_RGB32)}) {
    panel_.BackImage()->SetImage(image);
    EXPECT_EQ(Record().join('\n').toStdString(), "fillRect 0,0,400,250 brush[$C0C0C0 bsSolid]");
  }
  RecordingBackend b;
  panel_.drawHook = [](FakePlotPanel& p, const TRect& r) { p.DrawBackImage(0, r); };
  panel_.Draw(b, {0, 0, 400, 250});
  EXPECT_TRUE(b.lines(QStringLiteral("fillRect")).isEmpty());
}

TEST_F(PanelBackImage, AtADepthOnlyInOrthogonalOr2DViews) {
  panel_.BackImage()->SetImage(Quadrants(50, 30));
  const auto drawAtDepth = [&] {
    RecordingBackend b;
    panel_.drawHook = [](FakePlotPanel& p, const TRect&) { p.DrawBackImage(10, p.ChartRect()); };
    panel_.Draw(b, {0, 0, 400, 250});
    return b.lines(QStringLiteral("stretchDraw"));
  };
  panel_.View3DOptions()->SetOrthogonal(false);
  EXPECT_TRUE(drawAtDepth().isEmpty()) << "a tilted view has no flat plane at that depth";
  panel_.SetView3D(false);
  // In 2D the depth is flat and the top moves down one pixel.
  EXPECT_EQ(drawAtDepth(), QStringList{QStringLiteral("stretchDraw 12,11,388,240 50x30")});
}

TEST_F(PanelBackImage, PixelsOfStretchTileAndCenter) {
  panel_.BackImage()->SetImage(Quadrants(50, 30));
  const struct {
    const char* name;
    Mode mode;
    QPoint probe;
    QRgb expected;
  } probes[] = {
      {"stretch", Mode::pbmStretch, {100, 60}, 0xFF0000},
      {"stretch", Mode::pbmStretch, {300, 200}, 0xFFFF00},
      {"tile", Mode::pbmTile, {10, 10}, 0xFF0000},
      {"tile", Mode::pbmTile, {60, 40}, 0xFF0000},  // second tile's first quadrant
      {"tile", Mode::pbmTile, {90, 40}, 0x0000FF},  // second tile, top right
      {"center", Mode::pbmCenter, {176, 111}, 0xFF0000},
      {"center", Mode::pbmCenter, {224, 139}, 0xFFFF00},
      {"center", Mode::pbmCenter, {174, 109}, 0xC0C0C0},  // panel fill around it
      {"center", Mode::pbmCenter, {225, 140}, 0xC0C0C0},
  };
  for (const auto& p : probes) {
    SCOPED_TRACE(p.name);
    panel_.SetBackImageMode(p.mode);
    const QImage image =
        panel_.CreateBitmap(base::clWhite, {0, 0, 400, 250}, TCustomPlotPanel::pfDevice);
    testsupport::saveArtifact(image, QStringLiteral("chart-panel-backimage-%1.png").arg(p.name));
    EXPECT_EQ(image.pixel(p.probe) & 0xFFFFFFu, p.expected) << p.probe.x() << "," << p.probe.y();
  }
}

}  // namespace
