// A linear, a logarithmic and a date-time axis with marks, painted on an
// image: the axis line, a tick and a grid line are probed where the scale
// puts them, and the pictures are kept to be looked at.
#include "base/DateTime.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TSeriesMarks.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/model/FakeAxisChart.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace {

struct Render {
  const char* name;
  double lo, hi;
  bool logarithmic, dateTime;
  bool minorGrid = false;
};

}  // namespace

TEST(AxisRender, AxesWithMarks) {
  ChartEngineScope engine;
  LocaleScope locale{LocaleScope::english()};
  const Render renders[] = {
      {"linear", 0, 100, false, false},
      {"logarithmic", 1, 1e5, true, false},
      {"datetime", base::EncodeDate(2024, 1, 20), base::EncodeDate(2024, 6, 10), false, true},
      {"logarithmic_minor_grid", 5, 1000, true, false, true},
  };
  for (const Render& c : renders) {
    SCOPED_TRACE(c.name);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    auto device = std::make_unique<QPainterBackend>(painter);
    auto owned = std::make_unique<FakeAxisChart>();
    FakeAxisChart& chart = *owned;
    chart.rect = TRect{60, 20, 380, 240};
    chart.Start(device.get());
    FakeSeries& s = chart.AddSeries();
    s.x = {c.lo, c.hi};
    s.y = {0, 1};
    s.xDateTime = c.dateTime;
    TChartAxis bottom(owned.get(), true);
    TChartAxis left(owned.get(), false);
    PrepareAxis(bottom, chart, c.lo, c.hi);
    bottom.SetLogarithmic(c.logarithmic);
    bottom.Grid()->SetStyle(Graphics::psSolid);
    bottom.Title()->SetCaption(QString::fromLatin1(c.name));
    bottom.MinorGrid()->SetVisible(c.minorGrid);
    bottom.MinorGrid()->SetColor(base::clRed);
    bottom.MinorGrid()->SetStyle(Graphics::psSolid);
    PrepareAxis(left, chart, 0, 1);
    left.SetLabelsAngle(90);
    for (TChartAxis* axis : {&bottom, &left}) {
      axis->InternalCalcPositions();
      TRect r = chart.rect;
      axis->CalcRect(r, false);
      axis->TitlePosition = axis->LabelsPosition + 14;
      axis->Draw(false);
    }
    TSeriesMarks marks;
    marks.SetVisible(true);
    const double values[] = {c.lo + (c.hi - c.lo) * 0.2, c.lo + (c.hi - c.lo) * 0.7};
    for (int i = 0; i < 2; ++i) {
      const int x = bottom.CalcXPosValue(values[i]);
      const int y = left.CalcYPosValue(0.3 + 0.4 * i);
      TSeriesMarkPosition p;
      p.ArrowStart = QPoint(x, y);
      p.ArrowEnd = QPoint(x, y - 10);
      p.BoxTopLeft = QPoint(x - 30, y - 10 - 30);
      p.BoxWidth = 60;
      p.BoxHeight = 30;
      marks.DrawItem(chart.canvas, i, base::clRed, p, QStringLiteral("Mark %1\rline 2").arg(i));
    }
    chart.canvas.ShowImage();
    const int mx = bottom.CalcXPosValue(values[0]);
    const int my = left.CalcYPosValue(0.3);
    const std::vector<int> ticks = bottom.TickPositions();
    const int minorBelowFirstLabel = bottom.CalcXPosValue(7.75);
    owned.reset();  // the canvas lets go of the device before the painter ends
    device.reset();
    painter.end();
    testsupport::saveArtifact(image, QStringLiteral("axis_%1.png").arg(c.name));

    // The bottom axis line (2 pixels) lies on the chart's bottom edge.
    EXPECT_EQ(image.pixel(200, 240), qRgb(0, 0, 0));
    if (c.minorGrid) {
      // Below the first label the minor grid fills from the power under it;
      // the tick kept there gets no tick mark left of the axis.
      EXPECT_EQ(image.pixel(minorBelowFirstLabel, 100), qRgb(255, 0, 0));
      for (int x = 0; x < 58; ++x) EXPECT_EQ(image.pixel(x, 243), qRgb(255, 255, 255)) << x;
      continue;
    }
    // A solid grid line through the tick of the largest label.
    ASSERT_GE(ticks.size(), 2u);
    const int tick = ticks[1];
    EXPECT_EQ(image.pixel(tick, 100), qRgb(128, 128, 128)) << tick;
    EXPECT_EQ(image.pixel(tick, 243), qRgb(128, 128, 128)) << tick;
    // Mark boxes are filled with the tooltip colour.
    EXPECT_NE(image.pixel(mx - 25, my - 12), qRgb(255, 255, 255));
  }
}
