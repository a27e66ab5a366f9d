// What an axis draws, as exact recorded calls: labels, axis line, ticks,
// grid lines and minor ticks of a bottom and a left axis, and the label
// loops at ranges where a careless loop drops, repeats or never ends.
#include "base/DateTime.h"
#include "base/MathUtil.h"
#include "chart/core/ChartEngine.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/model/FakeAxisChart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kFont =
    QStringLiteral(" font[\"DejaVu Sans\" h10 a0 $000000] back[transparent $FFFFFF]");
const QString kTickPen = QStringLiteral(" pen[$808080 w1 psSolid esRound pmCopy]");
const QString kGridPen = QStringLiteral(" pen[$808080 w1 psDot esRound pmCopy]");

// The drawing calls, without the state changes between them.
QStringList Drawn(const RecordingBackend& backend) {
  QStringList out;
  for (const QString& l : backend.lines())
    if (l.startsWith("moveTo ") || l.startsWith("lineTo ") || l.startsWith("textOut ")) out << l;
  return out;
}

[[maybe_unused]] QStringList Texts(const RecordingBackend& backend) {
  QStringList out;
  for (const QString& l : backend.lines("textOut")) out << l.section('"', 1, 1);
  return out;
}

QString Line(int x0, int y0, int x1, int y1, const QString& pen) {
  return QStringLiteral("moveTo %1,%2\nlineTo %3,%4").arg(x0).arg(y0).arg(x1).arg(y1) + pen;
}

// Minor ticks between neighbouring ticks, three each, counted back from the
// later tick of each pair.
QStringList MinorMarks(const std::vector<int>& ticks, const std::function<QString(int)>& mark) {
  QStringList out;
  for (size_t i = 1; i < ticks.size(); ++i) {
    const double d = (ticks[i] - ticks[i - 1]) / 4.0;
    for (int k = 1; k <= 3; ++k) out << mark(base::Round(ticks[i] - k * d));
  }
  return out;
}

struct AxisOnChart {
  ChartEngineScope engine;
  LocaleScope locale{LocaleScope::english()};
  FakeAxisChart chart;
  TChartAxis axis;
  AxisOnChart(bool horizontal, double minimum, double maximum) : axis(&chart, horizontal, false) {
    PrepareAxis(axis, chart, minimum, maximum);
  }
  void Draw() {
    TRect r = chart.rect;
    axis.CalcRect(r, false);
    chart.backend.clearLines();
    axis.Draw(false);
  }
};

}  // namespace

TEST(AxisDraw, BottomAxisExactCalls) {
  AxisOnChart a(true, 0, 100);
  a.axis.Grid()->SetColor(base::clDefault);
  a.Draw();
  EXPECT_EQ(a.axis.AxisPosition, 240);
  EXPECT_EQ(a.axis.LabelsPosition, 247);

  QStringList expected;
  std::vector<int> ticks;
  for (int v = 100; v >= 0; v -= 5) {
    const int x = base::Round(12 + 3.76 * v);
    ticks.push_back(x);
    expected << QStringLiteral("textOut %1,247 \"%2\"").arg(x).arg(v) + kFont +
                    " align[center top]";
  }
  expected << Line(12, 240, 388, 240, " pen[$000000 w2 psSolid esRound pmCopy]").split('\n');
  for (const int x : ticks) expected << Line(x, 241, x, 245, kTickPen).split('\n');
  for (const int x : ticks)
    if (x > 12 && x < 388) expected << Line(x, 10, x, 240, kGridPen).split('\n');
  for (const QString& m : MinorMarks(ticks, [](int x) { return Line(x, 241, x, 243, kTickPen); }))
    expected << m.split('\n');
  EXPECT_EQ(Drawn(a.chart.backend), expected);
}

TEST(AxisDraw, LeftAxisTwoLineLabelsInsideWithCentredGridOpposite) {
  AxisOnChart a(false, 0, 100);
  a.axis.SetAxisValuesFormat(QStringLiteral("0' m'"));
  a.axis.SetLabelsMultiLine(true);
  a.axis.SetLabelsOnAxis(false);
  a.axis.SetGridCentered(true);
  a.axis.SetLabelsAlign(TChartAxis::alOpposite);
  a.Draw();
  EXPECT_EQ(a.axis.AxisPosition, 12);
  EXPECT_EQ(a.axis.LabelsPosition, 5);

  // Two lines of 24 pixels and 10% apart give 9 labels on 230 pixels: step
  // 20. 100 and 0 lie on the ends and are left out. Opposite alignment puts
  // the left edge of the texts at the far side of the widest label ("100",
  // 15 pixels, and a blank).
  QStringList expected;
  std::vector<int> ticks;
  for (int v = 80; v >= 20; v -= 20) {
    const int y = base::Round(240 - 2.3 * v);
    ticks.push_back(y);
    expected << QStringLiteral("textOut -15,%1 \"%2\"").arg(y - 12).arg(v) + kFont +
                    " align[left top]";
    expected << QStringLiteral("textOut -15,%1 \"m\"").arg(y) + kFont + " align[left top]";
  }
  expected << Line(12, 10, 12, 240, " pen[$000000 w2 psSolid esRound pmCopy]").split('\n');
  for (const int y : ticks) expected << Line(11, y, 7, y, kTickPen).split('\n');
  for (size_t i = 1; i < ticks.size(); ++i) {
    const int y = (ticks[i - 1] + ticks[i]) / 2;
    expected << Line(12, y, 388, y, kGridPen).split('\n');
  }
  // Minor ticks also go one interval beyond the outer ticks, then fill
  // each interval.
  auto minor = [](int y) { return Line(11, y, 9, y, kTickPen); };
  const double d0 = (ticks[1] - ticks[0]) / 4.0;
  for (int k = 1; k <= 3; ++k) {
    expected << minor(base::Round(ticks[0] - k * d0)).split('\n');
    expected << minor(base::Round(ticks.back() + k * d0)).split('\n');
  }
  for (const QString& m : MinorMarks(ticks, minor)) expected << m.split('\n');
  EXPECT_EQ(Drawn(a.chart.backend), expected);
}

TEST(AxisDraw, NegativeMinimumKeepsItsLabel) {
  AxisOnChart a(true, -10, 10);
  a.axis.SetIncrement(2);
  a.Draw();
  const QStringList texts = Texts(a.chart.backend);
  ASSERT_FALSE(texts.isEmpty());
  EXPECT_EQ(texts.front(), "10");
  EXPECT_EQ(texts.back(), "-10");
  EXPECT_EQ(texts.size(), 11);
}

TEST(AxisDraw, StepsThatNoLongerChangeTheValueEnd) {
  // Beyond 2^53 subtracting 1 leaves a double where it is.
  const double big = std::ldexp(1.0, 53);
  AxisOnChart a(true, -big - 1000, -big + 5);
  a.axis.SetIncrement(1);
  a.Draw();
  const int labels = int(a.chart.backend.lines("textOut").size());
  EXPECT_GT(labels, 0);
  EXPECT_LE(labels, 1010);
}

TEST(AxisDraw, LogarithmicFromZeroStartsAtOneTenth) {
  AxisOnChart a(true, 0, 1e6);
  a.axis.SetLogarithmic(true);
  a.axis.SetAxisValuesFormat(QStringLiteral("0.#"));
  a.axis.InternalCalcPositions();
  a.Draw();
  const QStringList texts = a.chart.backend.lines("textOut");
  ASSERT_EQ(texts.size(), 8) << texts.join('\n').toStdString();
  EXPECT_TRUE(texts.front().startsWith("textOut 12,247 \"0.1\"")) << texts.front().toStdString();
  EXPECT_TRUE(texts.back().startsWith("textOut 388,247 \"1000000\"")) << texts.back().toStdString();
  EXPECT_EQ(a.axis.CalcPosValue(0), 12);
  EXPECT_EQ(a.axis.CalcPosValue(-5), 12);
}

TEST(AxisDraw, TenDaysWithRoomForFourLabelsStepByThreeDays) {
  AxisOnChart a(true, 0, 1);
  FakeSeries& s = *a.chart.series.front();
  s.xDateTime = true;
  const double first = base::EncodeDate(2024, 3, 1);
  a.chart.rect = TRect{12, 10, 232, 240};
  PrepareAxis(a.axis, a.chart, first, first + 10);
  a.Draw();
  EXPECT_EQ(a.axis.CalcIncrementFromLabels(), 3.0);
  EXPECT_EQ(Texts(a.chart.backend), QStringList({"9 Mar 2024", "6 Mar 2024", "3 Mar 2024"}));
}

TEST(AxisDraw, ExactDateTimeMonthsFollowTheCalendar) {
  AxisOnChart a(true, 0, 1);
  a.chart.series.front()->xDateTime = true;
  PrepareAxis(a.axis, a.chart, base::EncodeDate(2023, 11, 20), base::EncodeDate(2024, 4, 10));
  a.axis.SetIncrement(30);
  a.axis.SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
  a.Draw();
  EXPECT_EQ(Texts(a.chart.backend),
            QStringList({"2024-04-01", "2024-03-01", "2024-02-01", "2024-01-01", "2023-12-01"}));
}

TEST(AxisDraw, OneLabelForAnEmptyOrTinyRange) {
  for (const double width : {0.0, 1e-20}) {
    AxisOnChart a(true, 5, 5 + width);
    a.Draw();
    const QStringList texts = a.chart.backend.lines("textOut");
    ASSERT_EQ(texts.size(), 1) << width;
    if (width == 0) {
      EXPECT_TRUE(texts[0].startsWith("textOut 200,247 ")) << texts[0].toStdString();
    }
  }
}

TEST(AxisDraw, SeriesTextLabels) {
  struct Case {
    const char* name;
    int separation;
    bool hideSecond;
    QStringList expected;
  };
  const Case cases[] = {
      // Texts 10 pixels apart, each 15 wide: overlapping ones are skipped...
      {"apart", 10, false, {"aaa", "ccc", "eee"}},
      // ...unless no separation is asked for.
      {"all", 0, false, {"aaa", "bbb", "ccc", "ddd", "eee"}},
      // A series with nothing visible takes no part.
      {"invisible", 0, true, {"aaa", "bbb", "ccc", "ddd", "eee"}},
  };
  for (const Case& c : cases) {
    AxisOnChart a(true, 0, 1);
    FakeSeries& s = *a.chart.series.front();
    s.x = {0, 2.66, 5.32, 7.98, 10.64};
    s.y = {1, 1, 1, 1, 1};
    s.yMandatory = true;
    s.texts = {"aaa", "bbb", "ccc", "ddd", "eee"};
    if (c.hideSecond) {
      FakeSeries& empty = a.chart.AddSeries();
      empty.x = {1, 2};
      empty.y = {1, 2};
      empty.first = empty.last = -1;
    }
    PrepareAxis(a.axis, a.chart, 0, 100);
    a.axis.SetLabelsSeparation(c.separation);
    ASSERT_EQ(a.axis.CalcLabelStyle(), TChartAxis::talText);
    a.Draw();
    EXPECT_EQ(Texts(a.chart.backend), c.expected) << c.name;
  }
}

TEST(AxisDraw, DepthTitlesOnlyForExistingSeries) {
  ChartEngineScope engine;
  FakeAxisChart chart;
  TChartDepthAxis axis(&chart);
  chart.width3D = 100;
  for (const char* t : {"one", "two"}) {
    FakeSeries& s = chart.AddSeries();
    s.x = s.y = {0, 1};
    s.title = t;
  }
  PrepareAxis(axis, chart, -1e9, 1e9);
  ASSERT_EQ(axis.CalcLabelStyle(), TChartAxis::talText);
  axis.Draw(false);
  EXPECT_EQ(Texts(chart.backend), QStringList({"one", "two"}));
}

TEST(AxisDraw, NonFiniteRangesDrawNoLabelsOrTicks) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, double> ranges[] = {{-1e308, 1e308}, {0, inf}, {-inf, 0}, {nan, 1}};
  for (const auto& [lo, hi] : ranges) {
    AxisOnChart a(true, lo, hi);
    EXPECT_EQ(a.axis.CalcIncrement(10), 0.0);
    a.Draw();
    EXPECT_TRUE(a.chart.backend.lines("textOut").isEmpty()) << lo << " " << hi;
    EXPECT_TRUE(a.axis.TickPositions().empty());
    EXPECT_EQ(a.axis.CalcPosValue(3), a.axis.CenterPos);
  }
}

TEST(AxisDraw, MinorTickCounts) {
  // Ticks 18 or 19 pixels apart (step 5 on 376 pixels): the 21 ticks, then
  // minor ticks, all 2 pixels long.
  const struct {
    int count;
    int minor;
  } cases[] = {{-1, 0}, {0, 0}, {3, 60}, {1000000000, 20 * 17}};
  for (const auto& c : cases) {
    AxisOnChart a(true, 0, 100);
    a.axis.SetMinorTickCount(c.count);
    a.axis.Grid()->SetVisible(false);
    a.Draw();
    int minor = 0;
    for (const QString& l : a.chart.backend.lines("lineTo"))
      if (l.startsWith("lineTo ") && l.section(' ', 1, 1).endsWith(",243")) ++minor;
    // At most one mark per pixel between ticks, however many are asked for.
    if (c.count > 3) {
      EXPECT_GE(minor, c.minor) << c.count;
      EXPECT_LE(minor, 376) << c.count;
    } else {
      EXPECT_EQ(minor, c.minor) << c.count;
    }
  }
}

TEST(AxisDraw, LabelValuesChosenByTheUser) {
  const struct {
    const char* name;
    std::vector<double> values;  // the handler stops after these
    QStringList expected;
  } cases[] = {
      {"chosen", {0, 25, 50}, {"0", "25", "50"}},
      {"none: value labels", {}, {}},
      {"out of range ends", {10, 1000, 20}, {"10"}},
  };
  for (const auto& c : cases) {
    AxisOnChart a(true, 0, 100);
    a.chart.onGetNextAxisLabel = [&](int index, double& value, bool& stop) {
      stop = index >= int(c.values.size());
      if (!stop) value = c.values[size_t(index)];
    };
    a.Draw();
    const QStringList texts = Texts(a.chart.backend);
    if (c.values.empty()) {
      EXPECT_EQ(texts.size(), 21) << c.name;  // the automatic step of 5
    } else {
      EXPECT_EQ(texts, c.expected) << c.name;
    }
  }
}

TEST(AxisDraw, ReservedBandsOfABottomAxis) {
  AxisOnChart a(true, 0, 100);
  a.axis.Title()->SetCaption(QStringLiteral("Time"));
  a.axis.Title()->Font()->SetHeight(-10);
  TRect r{0, 0, 400, 300};
  a.axis.CalcRect(r, true);
  // Title and labels a line each (12), then the axis pen (2 + 1) and ticks (4).
  EXPECT_EQ(a.axis.TitlePosition, 288);
  EXPECT_EQ(a.axis.LabelsPosition, 276);
  EXPECT_EQ(r.Bottom, 269);
  a.axis.SetPositionPercent(10);
  TRect chartRect = a.chart.rect;
  a.axis.CalcRect(chartRect, false);
  EXPECT_EQ(a.axis.AxisPosition, 240 - 23);  // 10% of the chart's 230 pixels, upwards
  EXPECT_EQ(a.axis.LabelsPosition, 240 - 23 + 7);
}
