// The ellipse a circled series draws in, one table over chart rectangles:
// even and odd sizes, room for the marks, Circled on devices whose pixels
// are square and 1.5 times as wide as high, and custom radii. The expected
// rectangles are worked out by hand from the chart rectangle.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/series/TPieSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

namespace {

// A recording device whose pixels are `dpiX / dpiY` times as wide as high.
class AspectBackend : public RecordingBackend {
 public:
  AspectBackend(int dpiX, int dpiY) : RecordingBackend(QSize(400, 300)), dpiX_(dpiX), dpiY_(dpiY) {}
  BackendCapabilities capabilities() const override {
    BackendCapabilities caps = RecordingBackend::capabilities();
    caps.dpiX = dpiX_;
    caps.dpiY = dpiY_;
    return caps;
  }

 private:
  int dpiX_, dpiY_;
};

struct GeometryCase {
  const char* name;
  TRect chartRect;
  bool circled = false;
  int dpiX = 96, dpiY = 96;
  int customX = 0, customY = 0;
  TRect circle;
  int xRadius, yRadius;
};

void PrintTo(const GeometryCase& c, std::ostream* os) {
  *os << c.name;
}

class CircleGeometry : public testing::TestWithParam<GeometryCase> {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
};

TEST_P(CircleGeometry, RectangleCentreAndRadii) {
  const GeometryCase& c = GetParam();
  AspectBackend device(c.dpiX, c.dpiY);
  chart.host.rect = c.chartRect;
  chart.host.Start(&device);
  TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Marks()->SetVisible(false);
  pie.SetCircled(c.circled);
  pie.SetCustomXRadius(c.customX);
  pie.SetCustomYRadius(c.customY);
  pie.Add(1);
  pie.DoBeforeDrawValues();
  EXPECT_EQ(pie.CircleRect(), c.circle);
  EXPECT_EQ(pie.XRadius(), c.xRadius);
  EXPECT_EQ(pie.YRadius(), c.yRadius);
  EXPECT_EQ(pie.CircleXCenter(), (c.circle.Left + c.circle.Right) / 2);
  EXPECT_EQ(pie.CircleYCenter(), (c.circle.Top + c.circle.Bottom) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, CircleGeometry,
    testing::Values(
        GeometryCase{
            "EvenSizes", {12, 10, 388, 240}, false, 96, 96, 0, 0, {12, 10, 388, 240}, 188, 115},
        // 91 x 41 loses a column and a row.
        GeometryCase{"OddSizes", {10, 10, 101, 51}, false, 96, 96, 0, 0, {10, 10, 100, 50}, 45, 20},
        GeometryCase{
            "TinyGrowsToFour", {10, 10, 12, 11}, false, 96, 96, 0, 0, {10, 10, 14, 14}, 2, 2},
        // 188 across against 115 up: 73 comes off each side.
        GeometryCase{"CircledSquarePixels",
                     {12, 10, 388, 240},
                     true,
                     96,
                     96,
                     0,
                     0,
                     {85, 10, 315, 240},
                     115,
                     115},
        // 115 x 1.5 = 172.5 rounds to 172 (ties to even): 16 off each side.
        GeometryCase{"CircledWidePixels",
                     {12, 10, 388, 240},
                     true,
                     144,
                     96,
                     0,
                     0,
                     {28, 10, 372, 240},
                     172,
                     115},
        // Tall: 150 - round(50 / 1.5) = 117 off top and bottom.
        GeometryCase{"CircledTallRectangle",
                     {0, 0, 100, 300},
                     true,
                     144,
                     96,
                     0,
                     0,
                     {0, 117, 100, 183},
                     50,
                     33},
        GeometryCase{
            "CustomRadii", {12, 10, 388, 240}, false, 96, 96, 50, 30, {150, 95, 250, 155}, 50, 30},
        GeometryCase{"NegativeCustomRadiusIsAutomatic",
                     {12, 10, 388, 240},
                     false,
                     96,
                     96,
                     -5,
                     -1,
                     {12, 10, 388, 240},
                     188,
                     115}),
    [](const testing::TestParamInfo<GeometryCase>& info) { return info.param.name; });

// Marks take the font's height and the arrow above and below, and the
// widest mark text with a "W" and the arrow at each side.
TEST(CircleGeometryMarks, MakeRoomForTheWidestMark) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Add(1, QStringLiteral("short"));
  pie.Add(1, QStringLiteral("the longest"));
  pie.Marks()->SetStyle(TSeriesMarks::smsLabel);
  pie.Marks()->SetArrowLength(6);
  pie.Marks()->Frame()->SetWidth(2);
  TCanvas3D& canvas = chart.Canvas();
  canvas.AssignFont(*pie.Marks()->Font());
  const int h = canvas.TextHeight(QStringLiteral("W"));
  const int w = canvas.TextWidth(QStringLiteral("W"));
  const int widest = canvas.TextWidth(QStringLiteral("the longest"));
  ASSERT_GT(widest, canvas.TextWidth(QStringLiteral("short")));
  const int v = 6 + 2 * 2;
  TRect r{12 + w + widest + v, 10 + h + v, 388 - w - widest - v, 240 - h - v};
  if (r.Width() % 2) --r.Right;
  if (r.Height() % 2) --r.Bottom;
  pie.DoBeforeDrawValues();
  EXPECT_EQ(pie.CircleRect(), r);
  pie.Marks()->Frame()->SetVisible(false);
  pie.DoBeforeDrawValues();
  EXPECT_EQ(pie.CircleRect().Top, 10 + h + 6);
}

}  // namespace
