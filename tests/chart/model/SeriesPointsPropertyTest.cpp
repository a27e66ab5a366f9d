// Random edits of a series checked after every step against a plain list of
// (x, y, label, colour): every list of the series agrees with it, an
// ascending X stays sorted with equal values in arrival order, a call with
// an index outside the points throws and changes nothing, and a null point
// keeps its colour when ColorEachPoint goes off. A dependant that refuses
// every point its user adds still holds its source's points.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartPalette.h"
#include "chart/model/TChartSeries.h"
#include "tests/chart/support/FakeSeriesChart.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Point {
  double x, y;
  QString label;
  base::TColor color;
};

// What the series should hold, kept the plainest way.
struct Model {
  std::vector<Point> points;
  bool colorList = false;  // the series holds own colours
  bool colorEachPoint = false;
  base::TColor seriesColor = 0x123456;
  bool ascending = true;
  bool sorted = true;  // no exchange since the last clear

  int Insert(const Point& p) {
    int at = static_cast<int>(points.size());
    if (ascending) {
      at = 0;
      for (int j = static_cast<int>(points.size()) - 1; j >= 0; --j) {
        if (!(points[j].x > p.x)) {
          at = j + 1;
          break;
        }
      }
    }
    points.insert(points.begin() + at, p);
    if (p.color != clPlotColor) colorList = true;
    return at;
  }
  base::TColor Shown(int i) const {
    const base::TColor c = points[i].color;
    if (c != clPlotColor) return c;
    return colorEachPoint ? GetDefaultColor(i) : seriesColor;
  }
};

void ExpectSame(const TChartSeries& s, const Model& m) {
  ASSERT_EQ(s.PointCount(), static_cast<int>(m.points.size()));
  for (int k = 0; k < s.ValuesList().Count(); ++k) {
    ASSERT_EQ(s.ValuesList()[k].Count(), s.PointCount());
  }
  ASSERT_LE(s.LabelCount(), s.PointCount());
  ASSERT_EQ(s.HasColorList(), m.colorList);
  if (s.HasColorList()) {
    ASSERT_EQ(s.ColorCount(), s.PointCount());
  }
  for (int i = 0; i < s.PointCount(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(s.GetXValue(i), m.points[i].x);
    ASSERT_EQ(s.GetYValue(i), m.points[i].y);
    ASSERT_EQ(s.GetXLabel(i), m.points[i].label);
    ASSERT_EQ(s.GetValueColor(i), m.Shown(i));
    ASSERT_EQ(s.IsNull(i), m.points[i].color == base::clNone);
    if (m.ascending && m.sorted && i > 0) {
      ASSERT_LE(s.GetXValue(i - 1), s.GetXValue(i));
    }
  }
}

QString RandomLabel(std::mt19937& rng) {
  static const char* const labels[] = {"", "", "", "a", "b", "long label"};
  return QString::fromLatin1(labels[rng() % 6]);
}

base::TColor RandomColor(std::mt19937& rng) {
  static const base::TColor colors[] = {clPlotColor,  clPlotColor, clPlotColor,
                                        base::clNone, 0x0000FF,    0x00FF00};
  return colors[rng() % 6];
}

void RunRandomEdits(unsigned seed, bool ascending) {
  ChartEngineScope engine;
  std::mt19937 rng(seed);
  FakeSeriesChart chart;
  TChartSeries s;
  s.SetSeriesColor(0x123456);
  if (!ascending) s.XValues()->SetOrder(loNone);
  s.SetParentChart(&chart);
  TChartSeries dependant;
  dependant.XValues()->SetOrder(s.XValues()->Order());
  dependant.SetParentChart(&chart);
  dependant.SetDataSource(&s);
  dependant.OnBeforeAdd = [](TChartSeries&) { return false; };
  Model m;
  m.ascending = ascending;
  std::uniform_int_distribution<int> xs(0, 12);
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << step);
    const int n = s.PointCount();
    // Indices inside and just outside the points.
    const int idx = std::uniform_int_distribution<int>(-2, n + 1)(rng);
    const int idx2 = std::uniform_int_distribution<int>(-1, n)(rng);
    const bool inside = idx >= 0 && idx < n;
    switch (rng() % 12) {
      case 0:
      case 1:
      case 2: {
        const Point p{static_cast<double>(xs(rng)), static_cast<double>(rng() % 100),
                      RandomLabel(rng), RandomColor(rng)};
        ASSERT_EQ(s.AddPointXY(p.x, p.y, p.label, p.color), m.Insert(p));
        break;
      }
      case 3: {
        const Point p{static_cast<double>(n), static_cast<double>(rng() % 100), RandomLabel(rng),
                      RandomColor(rng)};
        ASSERT_EQ(s.Add(p.y, p.label, p.color), m.Insert(p));
        break;
      }
      case 4: {
        const Point p{static_cast<double>(n), 0, RandomLabel(rng), base::clNone};
        ASSERT_EQ(s.AddNull(p.label), m.Insert(p));
        break;
      }
      case 5:
        if (inside) {
          s.Delete(idx);
          m.points.erase(m.points.begin() + idx);
        } else {
          ASSERT_THROW(s.Delete(idx), ChartException);
        }
        break;
      case 6:
        if (inside && idx2 >= 0 && idx2 < n) {
          s.SwapValueIndex(idx, idx2);
          std::swap(m.points[idx], m.points[idx2]);
          if (idx != idx2) m.sorted = false;
        } else {
          ASSERT_THROW(s.SwapValueIndex(idx, idx2), ChartException);
        }
        break;
      case 7: {
        const QString label = RandomLabel(rng);
        if (inside) {
          s.SetXLabel(idx, label);
          m.points[idx].label = label;
        } else {
          ASSERT_THROW(s.SetXLabel(idx, label), ChartException);
        }
        break;
      }
      case 8: {
        const base::TColor c = RandomColor(rng);
        if (inside) {
          s.SetPointColor(idx, c);
          m.points[idx].color = c;
          if (c != clPlotColor) m.colorList = true;
        } else {
          ASSERT_THROW(s.SetPointColor(idx, c), ChartException);
        }
        break;
      }
      case 9:
        if (!inside) {
          ASSERT_THROW(s.GetXValue(idx), ChartException);
          ASSERT_THROW(s.GetYValue(idx), ChartException);
          ASSERT_THROW(s.GetMarkValue(idx), ChartException);
        }
        break;
      case 10: {
        const bool on = !m.colorEachPoint;
        s.SetColorEachPoint(on);
        m.colorEachPoint = on;
        const bool anyNull = std::any_of(m.points.begin(), m.points.end(),
                                         [](const Point& p) { return p.color == base::clNone; });
        if (!on && !anyNull && m.colorList) {
          for (Point& p : m.points) p.color = clPlotColor;
          m.colorList = false;
        }
        break;
      }
      case 11:
        if (rng() % 8 == 0) {
          s.ClearValues();
          m.points.clear();
          m.colorList = false;
          m.sorted = true;
        }
        break;
    }
    ExpectSame(s, m);
    if (testing::Test::HasFatalFailure()) return;
    // Exchanges, labels and colours set later reach no dependant: it holds
    // the same points while none was exchanged.
    if (m.sorted) {
      ASSERT_EQ(dependant.PointCount(), s.PointCount());
      for (int i = 0; i < s.PointCount(); ++i) {
        ASSERT_EQ(dependant.GetXValue(i), s.GetXValue(i));
        ASSERT_EQ(dependant.GetYValue(i), s.GetYValue(i));
      }
    }
  }
}

TEST(SeriesPointsMatchAPlainList, AscendingX) {
  for (unsigned seed : {1u, 2u, 3u}) RunRandomEdits(seed, true);
}

TEST(SeriesPointsMatchAPlainList, UnorderedX) {
  for (unsigned seed : {4u, 5u}) RunRandomEdits(seed, false);
}

TEST(SeriesPointsMatchAPlainList, ColoursAndLabelsOnlyOnceAPointNeedsThem) {
  ChartEngineScope engine;
  TChartSeries s;
  for (int i = 0; i < 5; ++i) s.AddPointXY(i, i);
  EXPECT_FALSE(s.HasColorList());
  EXPECT_EQ(s.LabelCount(), 0);
  s.AddPointXY(5, 5, QStringLiteral("five"), 0x00FF00);
  EXPECT_EQ(s.LabelCount(), 6);  // nil entries 0..4, then the label
  EXPECT_EQ(s.ColorCount(), 6);
  EXPECT_EQ(s.GetXLabel(4), QString());
  EXPECT_EQ(s.GetValueColor(4), clPlotColor);  // no series colour chosen yet
  EXPECT_EQ(s.GetValueColor(5), 0x00FF00u);
  // The message names the range.
  try {
    s.Delete(-1);
    FAIL() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Series Delete: ValueIndex -1 out of bounds (0 to 5)."));
  }
}

}  // namespace
