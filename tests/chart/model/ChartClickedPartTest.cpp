// Which part of a painted chart lies under a point, at points computed
// from what was drawn: series points, mark boxes, axis bands, titles, the
// chart rectangle and the panel's edge.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "tests/chart/support/ChartTestSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ChartClickedPart : public testing::Test {
 public:
  ChartEngineScope engine;
  TChart chart;
  RecordingBackend backend;
  std::unique_ptr<TLineTestSeries> first = std::make_unique<TLineTestSeries>();
  std::unique_ptr<TLineTestSeries> second = std::make_unique<TLineTestSeries>();

  ChartClickedPart() {
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    chart.Title()->SetText({QStringLiteral("Title")});
    chart.SubTitle()->SetText({QStringLiteral("Sub")});
    chart.Foot()->SetText({QStringLiteral("Foot")});
    chart.SubFoot()->SetText({QStringLiteral("Sub foot")});
    for (TLineTestSeries* s : {first.get(), second.get()}) {
      for (int i = 0; i <= 4; ++i) s->AddPointXY(i, s == first.get() ? i : 4 - i);
      chart.AddSeries(s);
    }
    second->Marks()->SetVisible(true);
    chart.Draw(backend, chart.GetRectangle());
  }
  static QPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(ChartClickedPart, EachPartAtItsOwnPoint) {
  const TRect c = chart.ChartRect();
  const TChartAxis& left = *chart.LeftAxis();
  const TChartAxis& bottom = *chart.BottomAxis();
  const TRect mark = second->Marks()->Positions().GetPosition(1)->Bounds();
  const auto& items = chart.Legend()->Items();
  ASSERT_EQ(items.size(), 2u);
  const struct {
    const char* what;
    QPoint at;
    TChartClickedPartStyle part;
    int index;
    const TChartSeries* series;
    const TChartAxis* axis;
  } cases[] = {
      {"legend item", Centre(items[1].rect), cpLegend, items[1].index, nullptr, nullptr},
      // The later series is on top where both pass.
      {"crossing point",
       {first->CalcXPos(2), first->CalcYPos(2)},
       cpSeries,
       2,
       second.get(),
       nullptr},
      {"first's point",
       {first->CalcXPos(1) + 3, first->CalcYPos(1) - 3},
       cpSeries,
       1,
       first.get(),
       nullptr},
      {"mark box", Centre(mark), cpSeriesMarks, 1, second.get(), nullptr},
      {"left axis labels",
       {(left.LabelsPosition + left.AxisPosition) / 2, c.Top + c.Height() / 3},
       cpAxis,
       -1,
       nullptr,
       &left},
      {"bottom axis labels",
       {c.Left + c.Width() / 3, (bottom.AxisPosition + bottom.LabelsPosition) / 2},
       cpAxis,
       -1,
       nullptr,
       &bottom},
      {"title", Centre(chart.Title()->ShapeBounds()), cpTitle, -1, nullptr, nullptr},
      {"sub title", Centre(chart.SubTitle()->ShapeBounds()), cpSubTitle, -1, nullptr, nullptr},
      {"foot", Centre(chart.Foot()->ShapeBounds()), cpFoot, -1, nullptr, nullptr},
      {"sub foot", Centre(chart.SubFoot()->ShapeBounds()), cpSubFoot, -1, nullptr, nullptr},
      {"beside the title",
       {chart.Title()->ShapeBounds().Left - 2, chart.Title()->ShapeBounds().Top},
       cpNone,
       -1,
       nullptr,
       nullptr},
      {"chart away from the lines",
       {c.Left + c.Width() / 2, c.Top + 5},
       cpChartRect,
       -1,
       nullptr,
       nullptr},
      {"panel edge", {1, 1}, cpNone, -1, nullptr, nullptr},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    const TChartClickedPart part = chart.CalcClickedPart(k.at.x(), k.at.y(), false);
    EXPECT_EQ(part.Part, k.part);
    if (k.part == cpLegend) {
      EXPECT_EQ(part.PointIndex, k.index);
    }
    if (k.part == cpSeries || k.part == cpSeriesMarks) {
      EXPECT_EQ(part.PointIndex, k.index);
      EXPECT_EQ(part.ASeries, k.series);
    }
    EXPECT_EQ(part.AAxis, k.axis);
  }
}

TEST_F(ChartClickedPart, AnAxisWithoutLabelsAnswersOnlyNearItsLine) {
  // A chart whose axes never showed labels.
  TChart bare;
  bare.SetView3D(false);
  bare.SetBufferedDisplay(false);
  TLineTestSeries line;
  for (int i = 0; i <= 4; ++i) line.AddPointXY(i, i);
  bare.AddSeries(&line);
  TChartAxis& bottom = *bare.BottomAxis();
  TChartAxis& left = *bare.LeftAxis();
  bottom.SetLabels(false);
  left.SetLabels(false);
  bare.Draw(backend, bare.GetRectangle());
  const TRect c = bare.ChartRect();
  // Away from the series' line, along the axes.
  const int x = c.Left + c.Width() / 8;
  const int y = c.Top + c.Height() / 4;
  const int ticks = bottom.TickLength();
  ASSERT_EQ(ticks, left.TickLength());
  const struct {
    const char* what;
    QPoint at;
    const TChartAxis* axis;
  } cases[] = {
      {"on the bottom axis line", {x, bottom.AxisPosition}, &bottom},
      {"at the end of the bottom axis' ticks", {x, bottom.AxisPosition + ticks}, &bottom},
      {"above the bottom axis by a tick length", {x, bottom.AxisPosition - ticks}, &bottom},
      {"below the bottom axis' ticks", {x, bottom.AxisPosition + ticks + 1}, nullptr},
      {"inside the chart", {c.Left + c.Width() / 4, c.Top + c.Height() / 4}, nullptr},
      {"near the panel's top", {x, 5}, nullptr},
      {"on the left axis line", {left.AxisPosition, y}, &left},
      {"at the end of the left axis' ticks", {left.AxisPosition - ticks, y}, &left},
      {"left of the left axis' ticks", {left.AxisPosition - ticks - 1, y}, nullptr},
      {"near the panel's left", {3, y}, nullptr},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    EXPECT_EQ(bare.CalcClickedPart(k.at.x(), k.at.y(), false).AAxis, k.axis);
  }
  bare.RemoveSeries(&line);
}

TEST_F(ChartClickedPart, RemovingTheSeriesUnderTheMouseBringsBackTheChartsCursor) {
  constexpr int kHand = -21, kCross = -3;
  chart.SetCursor(kCross);
  first->SetCursor(kHand);
  std::vector<int> shown;
  QObject::connect(&chart, &TCustomPlotPanel::cursorChanged, [&](int c) { shown.push_back(c); });
  chart.MouseMove({}, first->CalcXPos(1), first->CalcYPos(1));
  EXPECT_EQ(chart.CurrentCursor(), kHand);
  // The other series leaving changes nothing.
  second.reset();
  EXPECT_EQ(chart.CurrentCursor(), kHand);
  first.reset();
  EXPECT_EQ(chart.CurrentCursor(), kCross);
  EXPECT_EQ(shown, (std::vector<int>{kHand, kCross}));
}

TEST_F(ChartClickedPart, OnlySeriesWithClickEventsWhenAsked) {
  const QPoint p{first->CalcXPos(1), first->CalcYPos(1)};
  EXPECT_EQ(chart.CalcClickedPart(p.x(), p.y(), true).Part, cpChartRect);
  first->OnClick = [](TChartSeries&, int, int, int, int, int) {};
  EXPECT_EQ(chart.CalcClickedPart(p.x(), p.y(), true).ASeries, first.get());
  first->OnClick = {};
  chart.OnClickSeries = [](TCustomChart&, TChartSeries&, int, TMouseButton, TShiftState, int, int) {
  };
  EXPECT_EQ(chart.CalcClickedPart(p.x(), p.y(), true).Part, cpSeries);
  // An inactive series is never hit.
  first->SetActive(false);
  chart.Draw(backend, chart.GetRectangle());
  EXPECT_NE(chart.CalcClickedPart(p.x(), p.y(), false).ASeries, first.get());
}

}  // namespace
