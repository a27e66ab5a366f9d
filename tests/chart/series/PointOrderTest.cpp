// Where an added point lands: series keep their points in the order of the
// positions along the category axis (X for vertical series, Y for
// horizontal ones) when that list is ordered, so that drawing, the visible
// range and the bars that reach their neighbour meet the points in place.
#include "chart/core/ChartEngine.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

struct Landed {
  std::vector<double> x, y;
  std::vector<QString> labels;
  std::vector<base::TColor> colors;
  bool operator==(const Landed&) const = default;
};

Landed Points(const TChartSeries& s) {
  Landed out;
  for (int i = 0; i < s.PointCount(); ++i) {
    out.x.push_back(s.XValues()->Values()[static_cast<std::size_t>(i)]);
    out.y.push_back(s.YValues()->Values()[static_cast<std::size_t>(i)]);
    out.labels.push_back(s.GetXLabel(i));
    out.colors.push_back(s.PointOwnColor(i));
  }
  return out;
}

TEST(PointOrder, APointLandsByItsPositionWhenThePositionsAreOrdered) {
  ChartEngineScope engine;
  constexpr base::TColor kBlue = 0x00FF0000;
  struct Case {
    const char* name;
    std::function<std::unique_ptr<TChartSeries>()> make;
    bool horizontal;
    Landed want;
    std::vector<int> at;  // what each add answers
  };
  // Positions 2, 0, 1 with values 10, 20, 30, the second one blue.
  const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
  const std::vector<Case> cases = {
      {"vertical bars by X",
       [] { return std::make_unique<TBarSeries>(); },
       false,
       {{0, 1, 2}, {20, 30, 10}, {b, c, a}, {kBlue, clPlotColor, clPlotColor}},
       {0, 0, 1}},
      {"horizontal bars by Y",
       [] { return std::make_unique<THorizBarSeries>(); },
       true,
       {{20, 30, 10}, {0, 1, 2}, {b, c, a}, {kBlue, clPlotColor, clPlotColor}},
       {0, 0, 1}},
      {"horizontal lines by Y",
       [] { return std::make_unique<THorizLineSeries>(); },
       true,
       {{20, 30, 10}, {0, 1, 2}, {b, c, a}, {kBlue, clPlotColor, clPlotColor}},
       {0, 0, 1}},
      // Tasks name their following task by index: they stay where added.
      {"Gantt tasks as added",
       [] { return std::make_unique<TGanttSeries>(); },
       true,
       {{10, 20, 30}, {2, 0, 1}, {a, b, c}, {clPlotColor, kBlue, clPlotColor}},
       {0, 1, 2}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    std::unique_ptr<TChartSeries> s = k.make();
    const double positions[] = {2, 0, 1};
    const double values[] = {10, 20, 30};
    const QString labels[] = {a, b, c};
    std::vector<int> at;
    for (int i = 0; i < 3; ++i) {
      const base::TColor color = i == 1 ? kBlue : clPlotColor;
      at.push_back(k.horizontal ? s->AddPointXY(values[i], positions[i], labels[i], color)
                                : s->AddPointXY(positions[i], values[i], labels[i], color));
    }
    EXPECT_EQ(Points(*s), k.want);
    EXPECT_EQ(at, k.at) << "each add answers where its point went";
  }
}

TEST(PointOrder, AHorizontalSeriesFilledFromAVerticalSourceIsInPositionOrder) {
  ChartEngineScope engine;
  TLineSeries source;
  source.XValues()->SetOrder(loNone);
  for (double x : {3, 1, 2}) source.AddPointXY(x, 10 * x);
  THorizBarSeries bars;
  bars.AddValues(source);
  ASSERT_EQ(bars.PointCount(), 3);
  EXPECT_EQ(Points(bars).y, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Points(bars).x, (std::vector<double>{10, 20, 30}));
}

}  // namespace
