// The complete chart's paint through the recording backend (fixed text
// metrics: an 11-pixel font is 13 high, 5 wide a character): the order of
// its steps, where titles and the back wall go, and a chart rectangle that
// stays on the panel however little room is left.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "tests/chart/support/ChartTestSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ChartLayout : public testing::Test {
 public:
  ChartEngineScope engine;
  TChart chart;
  RecordingBackend backend;
  std::vector<std::unique_ptr<TChartSeries>> owned;

  ChartLayout() {
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
  }
  template <class T = TLineTestSeries>
  T* Series(int points) {
    owned.push_back(std::make_unique<T>());
    auto* s = static_cast<T*>(owned.back().get());
    for (int i = 0; i < points; ++i) s->AddPointXY(i, 10 * i);
    chart.AddSeries(s);
    return s;
  }
  void TitleAndFoot() {
    chart.Title()->SetText({QStringLiteral("Title")});
    chart.Title()->Frame()->SetVisible(false);
    chart.Foot()->SetText({QStringLiteral("Foot")});
  }
  void Paint() {
    backend.clearLines();
    chart.Draw(backend, chart.GetRectangle());
  }
  // The first line at or after `from` that starts with `start`; -1 for none.
  int Find(const QString& start, int from = 0) const {
    const QStringList& lines = backend.lines();
    if (from < 0) return -1;
    for (int i = from; i < lines.size(); ++i)
      if (lines[i].startsWith(start)) return i;
    return -1;
  }
};

// Panel, legend (a side one takes its room first), titles, back wall,
// axes, series: the legend's box ends at the chart's right (388) less the
// shadow (3) and its frame (1 + 1); the chart's right edge lies 3 % of its
// width (11) left of the box.
TEST_F(ChartLayout, StepsComeInPaintOrder) {
  TitleAndFoot();
  Series(3);
  Series(3);
  Paint();
  const int panel = Find(QStringLiteral("fillRect 0,0,400,250"));
  const int legend = Find(QStringLiteral("rectangle 312,25,383,53 pen[$000000 w1 psSolid"));
  const int title = Find(QStringLiteral("textOut 144,10 \"Title\""));
  const int foot = Find(QStringLiteral("textOut 146,227 \"Foot\""));
  // The axes leave the wall its rectangle less their labels' room.
  const int wall = Find(QStringLiteral("rectangle 34,28,301,203 pen[$000000"));
  const int axis = Find(QStringLiteral("textOut 27,22 \"20\""));
  const int series = Find(QStringLiteral("lineTo 168,115 pen[$0000FF"));
  EXPECT_EQ(panel, 7);
  EXPECT_LT(panel, legend);
  EXPECT_LT(legend, title);
  EXPECT_LT(title, foot);
  EXPECT_LT(foot, wall);
  EXPECT_LT(wall, axis);
  EXPECT_LT(axis, series);
  // Nothing but the series' own lines after them.
  EXPECT_EQ(Find(QStringLiteral("textOut"), series), -1);
  EXPECT_EQ(Find(QStringLiteral("rectangle"), series), -1);

  chart.Legend()->SetAlignment(TChartLegend::laTop);
  Paint();
  EXPECT_EQ(Find(QStringLiteral("textOut 188,10 \"Title\"")), Find(QStringLiteral("textOut")));
  EXPECT_GT(Find(QStringLiteral("rectangle")), Find(QStringLiteral("textOut 190,227 \"Foot\"")));

  chart.Legend()->SetAlignment(TChartLegend::laRight);
  chart.SetAxisBehind(false);
  Paint();
  EXPECT_LT(Find(QStringLiteral("lineTo 168,115 pen[$0000FF")),
            Find(QStringLiteral("textOut 27,22 \"20\"")));
}

TEST_F(ChartLayout, TitlesTakeTheirRoomFromTheChart) {
  chart.Legend()->SetVisible(false);
  TitleAndFoot();
  Series(3);
  chart.SetAxisVisible(false);
  Paint();
  // Title at the chart top (10), the chart below it: 10 + 13 + 5; the foot
  // (frame width 1) up from the bottom (240): 240 + 1 - (1 + 5) - 13.
  EXPECT_EQ(chart.ChartRect(), (TRect{12, 28, 388, 222}));
  // After the background and the raised bevel.
  EXPECT_EQ(Find(QStringLiteral("rectangle 12,28,388,223 pen[$000000 w1")), 24);
  EXPECT_EQ(chart.Title()->ShapeBounds(), (TRect{185, 10, 215, 23}));
  EXPECT_EQ(chart.Foot()->ShapeBounds(), (TRect{187, 226, 213, 241}));

  chart.SubTitle()->SetText({QStringLiteral("a"), QStringLiteral("b")});
  chart.SubTitle()->Frame()->SetVisible(false);
  chart.Title()->SetAlignment(TChartTitle::taLeftJustify);
  chart.Foot()->SetAlignment(TChartTitle::taRightJustify);
  Paint();
  EXPECT_EQ(chart.ChartRect().Top, 28 + 2 * 13 + 5);
  EXPECT_GE(Find(QStringLiteral("textOut 14,10 \"Title\"")), 0);
  EXPECT_GE(Find(QStringLiteral("textOut 198,28 \"a\"")), 0);
  EXPECT_GE(Find(QStringLiteral("textOut 198,41 \"b\"")), 0);
  // Right-aligned: ends half a "W" inside the box, whose right is the chart's + 1.
  EXPECT_GE(Find(QStringLiteral("textOut 367,227 \"Foot\"")), 0);

  // A framed title (width 3) starts its text inside the frame and leaves
  // the frame's width again below it: 10 + 3 + 13 + 3, then 3 + 5.
  chart.SubTitle()->SetVisible(false);
  chart.Title()->Frame()->SetVisible(true);
  chart.Title()->Frame()->SetWidth(3);
  Paint();
  EXPECT_GE(Find(QStringLiteral("textOut 11,13 \"Title\"")), 0);
  EXPECT_EQ(chart.ChartRect().Top, 37);
}

// A thick foot frame must not reach into the chart: the chart's bottom edge
// (exclusive) stays at or above the frame's top; thin frames keep the
// usual gap of 5.
TEST_F(ChartLayout, FootFramesStayOutOfTheChart) {
  chart.Legend()->SetVisible(false);
  chart.Foot()->SetText({QStringLiteral("Foot")});
  Series(3);
  chart.SetAxisVisible(false);
  const struct { int width, bottom; } cases[] = {{1, 222}, {5, 222}, {6, 221}, {10, 217}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    chart.Foot()->Frame()->SetWidth(c.width);
    Paint();
    EXPECT_EQ(chart.Foot()->ShapeBounds().Top, 240 - 13 - c.width);
    EXPECT_EQ(chart.ChartRect().Bottom, c.bottom);
    EXPECT_LE(chart.ChartRect().Bottom, chart.Foot()->ShapeBounds().Top);
  }
}

// Titles, foot and axes that leave no room leave a chart of at least one
// pixel on the panel, never one as large as the panel or beyond it.
TEST_F(ChartLayout, ChartRectangleStaysOnTheCrowdedPanel) {
  TitleAndFoot();
  Series(3);
  for (bool axes : {false, true}) {
    chart.SetAxisVisible(axes);
    for (int height = 20; height <= 70; ++height) {
      SCOPED_TRACE(testing::Message() << "axes " << axes << " height " << height);
      chart.SetWidth(60);
      chart.SetHeight(height);
      Paint();
      const TRect r = chart.ChartRect();
      EXPECT_GE(r.Left, 0);
      EXPECT_GE(r.Top, 0);
      EXPECT_LE(r.Right, 60);
      EXPECT_LE(r.Bottom, height);
      EXPECT_GE(r.Right - r.Left, 1);
      EXPECT_GE(r.Bottom - r.Top, 1);
    }
  }
}

TEST_F(ChartLayout, SeriesWithoutAxesGetNoWalls) {
  chart.Legend()->SetVisible(false);
  Series<TNoAxesTestSeries>(3);
  chart.BackWall()->SetTransparent(false);
  Paint();
  EXPECT_EQ(Find(QStringLiteral("rectangle")), -1);
  Series(3);
  Paint();
  EXPECT_GE(Find(QStringLiteral("rectangle")), 0);
}

// A legend that takes the chart's colour is the background its symbols
// stand on: a symbol of that colour is outlined again so it stays seen.
TEST_F(ChartLayout, ASymbolOfTheLegendsBackgroundIsOutlined) {
  constexpr base::TColor kPanel = 0xC0F0C0;  // $BBGGRR
  chart.SetColor(kPanel);
  TLineTestSeries* s = Series(3);
  s->SetSeriesColor(kPanel);
  // The symbol's rectangles: filled, then (when it would vanish) clear.
  const auto symbol = [&] {
    QStringList out;
    for (const QString& l : backend.lines(QStringLiteral("rectangle"))) {
      if (l.contains(QLatin1String("$C0F0C0 bsSolid")) || l.contains(QLatin1String("bsClear")))
        out << l.section(QLatin1Char(' '), 1, 1);
    }
    return out;
  };
  chart.Legend()->SetColor(base::clWhite);
  Paint();
  const QStringList onWhite = symbol();
  ASSERT_FALSE(onWhite.isEmpty());
  const QString box = onWhite.front();
  EXPECT_EQ(onWhite.count(box), 1);
  chart.Legend()->SetColor(clPlotColor);
  Paint();
  EXPECT_EQ(symbol().count(box), 2) << backend.lines().join('\n').toStdString();
}

}  // namespace
