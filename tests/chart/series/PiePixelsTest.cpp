// The pie in a complete chart rendered on a raster image: each slice's
// colour at half the radius on its middle angle, an exploded slice where
// it moved to with the background showing where it was, the shadow outside the
// pie, and 3D pies kept as artefacts to look at.
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TPieSeries.h"
#include "tests/support/Artifacts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <ios>

namespace {

// A chart of pies alone draws no walls: the panel shows behind them.
constexpr base::TColor kBack = 0xC0F0C0;  // $BBGGRR
const QRgb kBackRgb = qRgb(0xC0, 0xF0, 0xC0);

class PiePixels : public testing::Test {
 protected:
  ChartEngineScope engine;
  TChart chart;
  TPieSeries* pie = new TPieSeries(&chart);

  PiePixels() {
    chart.SetView3D(false);
    chart.Legend()->SetVisible(false);
    chart.SetColor(kBack);
    chart.AddSeries(pie);
    pie->Marks()->SetVisible(false);
    const base::TColor colors[] = {base::clRed, base::clGreen, base::clBlue, base::clYellow};
    for (int i = 0; i < 4; ++i) pie->Add(10 + 5 * i, {}, colors[i]);
  }
  QImage Render(const QString& name) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterBackend backend(painter);
      chart.Draw(backend, TRect{0, 0, 400, 300});
    }
    testsupport::saveArtifact(image, name);
    return image;
  }
  // The pixel at `fraction` of the radii from (cx, cy) on slice i's middle.
  QPoint OnMiddle(int i, double fraction, int cx, int cy) const {
    const double a = pie->Angles()[size_t(i)].middle + pie->RotationRadians();
    return QPoint(cx + int(std::lrint(pie->XRadius() * fraction * std::cos(a))),
                  cy - int(std::lrint(pie->YRadius() * fraction * std::sin(a))));
  }
  QPoint OnMiddle(int i, double fraction) const {
    const QPoint d = pie->SliceOffset(i);
    return OnMiddle(i, fraction, pie->CircleXCenter() + d.x(), pie->CircleYCenter() - d.y());
  }
};

const QRgb kColors[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};

TEST_F(PiePixels, EachSliceShowsItsColourOnItsMiddle) {
  pie->SetRotationAngle(40);
  const QImage image = Render(QStringLiteral("PiePixels_slices.png"));
  ASSERT_GT(pie->XRadius(), 40);
  for (int i = 0; i < 4; ++i) {
    const QPoint p = OnMiddle(i, 0.5);
    EXPECT_EQ(image.pixel(p), kColors[i]) << i << std::hex << " " << image.pixel(p);
  }
}

TEST_F(PiePixels, AnExplodedSliceLeavesTheBackgroundBehind) {
  pie->SetExplodedSlice(1, 40);
  const QImage image = Render(QStringLiteral("PiePixels_exploded.png"));
  ASSERT_TRUE(pie->IsExploded());
  EXPECT_EQ(image.pixel(OnMiddle(1, 0.5)), kColors[1]);
  // Near the centre, where the slice's point used to be.
  const QPoint was = OnMiddle(1, 0.15, pie->CircleXCenter(), pie->CircleYCenter());
  EXPECT_EQ(image.pixel(was), kBackRgb) << std::hex << image.pixel(was);
  for (int i : {0, 2, 3}) EXPECT_EQ(image.pixel(OnMiddle(i, 0.5)), kColors[i]) << i;
}

TEST_F(PiePixels, TheShadowShowsBeyondThePie) {
  pie->Shadow()->SetHorizSize(15);
  pie->Shadow()->SetVertSize(15);
  const QImage image = Render(QStringLiteral("PiePixels_shadow.png"));
  const double c = std::cos(M_PI / 4);
  const QPoint p(pie->CircleXCenter() + int(std::lrint((pie->XRadius() + 5) * c)),
                 pie->CircleYCenter() + int(std::lrint((pie->YRadius() + 5) * c)));
  EXPECT_EQ(image.pixel(p), qRgb(0xA0, 0xA0, 0xA0)) << std::hex << image.pixel(p);
  // Up and left the pie casts none.
  const QPoint q(pie->CircleXCenter() - int(std::lrint((pie->XRadius() + 5) * c)),
                 pie->CircleYCenter() - int(std::lrint((pie->YRadius() + 5) * c)));
  EXPECT_EQ(image.pixel(q), kBackRgb);
}

TEST_F(PiePixels, ThreeDPiesAsArtefacts) {
  chart.SetView3D(true);
  chart.SetChart3DPercent(30);
  pie->SetExplodedSlice(2, 25);
  pie->SetDark3D(true);
  pie->Marks()->SetVisible(true);
  const QImage exploded = Render(QStringLiteral("PiePixels_exploded3d.png"));
  // The top face keeps each slice's colour somewhere.
  for (QRgb c : kColors) {
    bool found = false;
    for (int y = 0; y < exploded.height() && !found; ++y)
      for (int x = 0; x < exploded.width() && !found; ++x) found = exploded.pixel(x, y) == c;
    EXPECT_TRUE(found) << std::hex << c;
  }
  pie->SetAngleSize(180);
  pie->Shadow()->SetHorizSize(8);
  pie->Shadow()->SetVertSize(8);
  Render(QStringLiteral("PiePixels_semi3d.png"));
}

}  // namespace
