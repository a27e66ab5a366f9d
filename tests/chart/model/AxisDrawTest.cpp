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

namespace {

struct Label {
  int pos;  // along the axis
  QString text;
};

std::vector<Label> Labels(const RecordingBackend& backend, bool horizontal = true) {
  std::vector<Label> out;
  for (const QString& l : backend.lines("textOut")) {
    const QString xy = l.section(' ', 1, 1);
    out.push_back({(horizontal ? xy.section(',', 0, 0) : xy.section(',', 1, 1)).toInt(),
                   l.section('"', 1, 1)});
  }
  return out;
}

// Marks drawn as lines from the recording: ticks of a bottom axis end below
// its line, grid lines span the chart rectangle.
int LinesEndingAt(const RecordingBackend& backend, const QString& yEnd) {
  int n = 0;
  for (const QString& l : backend.lines("lineTo"))
    if (l.section(' ', 1, 1).endsWith(yEnd)) ++n;
  return n;
}

}  // namespace

// Ranges at the ends of the double range: labels are where their values
// are, never off the axis, and never the sum of thousands of rounding errors.
TEST(AxisDraw, HostileRangesKeepLabelsOnTheAxisAndExact) {
  const struct {
    const char* name;
    double lo, hi;
    QString first, last;  // the texts drawn first and last
  } cases[] = {
      {"1e15 + 50", 1e15, 1e15 + 50, "1,000,000,000,000,040", "1,000,000,000,000,000"},
      {"7e22", 0, 7e22, "7E22", "0"},
      {"1e308", 0, 1e308, "", "0"},
      {"1e306..1e307", 1e306, 1e307, "", ""},
  };
  for (const auto& c : cases) {
    AxisOnChart a(true, c.lo, c.hi);
    a.Draw();
    const std::vector<Label> labels = Labels(a.chart.backend);
    ASSERT_GE(labels.size(), 2u) << c.name;
    for (const Label& l : labels) {
      EXPECT_GE(l.pos, 12) << c.name << " " << l.text.toStdString();
      EXPECT_LE(l.pos, 388) << c.name << " " << l.text.toStdString();
    }
    if (!c.first.isEmpty()) {
      EXPECT_EQ(labels.front().text, c.first) << c.name;
    }
    if (!c.last.isEmpty()) {
      EXPECT_EQ(labels.back().text, c.last) << c.name;
    }
  }

  // The far end of a huge range maps to its pixel, and margins widen it
  // while the widened ends stay finite.
  AxisOnChart huge(true, 1e306, 1e307);
  EXPECT_NEAR(huge.axis.CalcPosPoint(388) / 1e307, 1.0, 1e-12);
  EXPECT_NEAR(huge.axis.CalcPosPoint(12) / 1e306, 1.0, 1e-12);
  AxisOnChart widened(true, 0, 1e308);
  widened.axis.AdjustMaxMinRect(TRect{20, 0, 20, 0});
  EXPECT_TRUE(widened.axis.RangeIsFinite());
  EXPECT_EQ(widened.axis.CalcPosValue(0), 32);
  EXPECT_EQ(widened.axis.CalcPosValue(1e308), 368);
  widened.Draw();
  EXPECT_GE(Labels(widened.chart.backend).size(), 2u);
  AxisOnChart top(true, 0, 1.7e308);
  top.axis.AdjustMaxMinRect(TRect{20, 0, 20, 0});
  EXPECT_EQ(top.axis.CurMinimum, 0);
  EXPECT_EQ(top.axis.CurMaximum, 1.7e308);
  EXPECT_EQ(top.axis.CalcPosValue(1.7e308), 388);
}

// Ranges whose scale has no finite size behave as a non-finite range: all
// values at the centre, no labels, no ticks, and the drawing ends.
TEST(AxisDraw, ScalesWithoutFiniteSizeDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    double lo, hi;
    int base;  // 0: linear
  } cases[] = {
      {"denormal range", 0, 5e-324, 0},
      {"log below 1e-323", 0, 1e-323, 10},
      {"log negative to a denormal", -556034, 5e-324, 734},
      {"log bases up to 1000", 0, 2e-308, 1000},
  };
  for (const auto& c : cases) {
    AxisOnChart a(true, 0, 1);
    a.axis.MinorGrid()->SetVisible(true);
    if (c.base != 0) {
      a.axis.SetLogarithmicBase(c.base);
      a.axis.SetLogarithmic(true);
    }
    PrepareAxis(a.axis, a.chart, c.lo, c.hi);
    EXPECT_FALSE(a.axis.RangeIsFinite()) << c.name;
    for (const double v : {c.lo, c.hi, nan, 1.0})
      EXPECT_EQ(a.axis.CalcPosValue(v), a.axis.CenterPos) << c.name << " " << v;
    a.Draw();
    EXPECT_TRUE(a.chart.backend.lines("textOut").isEmpty()) << c.name;
    EXPECT_TRUE(a.axis.TickPositions().empty()) << c.name;
  }
}

TEST(AxisDraw, DateLabelsTestTheirTextAgainstOneIncrementDown) {
  const struct {
    const char* name;
    double lo, hi, increment;
    QStringList expected;
  } cases[] = {
      // Half years: 1 July and 1 January of 2035 read the same but the step
      // below does not, so all labels are drawn.
      {"half years",
       base::EncodeDate(2034, 5, 8),
       base::EncodeDate(2035, 7, 18),
       182,
       {"2035", "2035", "2034"}},
      // The first calendar step lies before the range: nothing to draw.
      {"hours under a two-month step",
       base::EncodeDate(2022, 3, 28) + base::EncodeTime(1, 43, 0, 0),
       base::EncodeDate(2022, 3, 28) + base::EncodeTime(9, 33, 0, 0),
       60,
       {}},
  };
  for (const auto& c : cases) {
    AxisOnChart a(true, 0, 1);
    a.chart.series.front()->xDateTime = true;
    PrepareAxis(a.axis, a.chart, c.lo, c.hi);
    a.axis.SetIncrement(c.increment);
    a.axis.SetDateTimeFormat(QStringLiteral("yyyy"));
    a.Draw();
    EXPECT_EQ(Texts(a.chart.backend), c.expected) << c.name;
    for (const int p : a.axis.TickPositions()) {
      EXPECT_GE(p, 12) << c.name;
      EXPECT_LE(p, 388) << c.name;
    }
  }

  // Past 31 December 9999 there is no date to show.
  AxisOnChart end(true, 0, 1);
  end.chart.series.front()->xDateTime = true;
  PrepareAxis(end.axis, end.chart, 2958000, 2959000);
  end.axis.SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
  end.Draw();
  const QStringList texts = Texts(end.chart.backend);
  ASSERT_FALSE(texts.isEmpty());
  for (const QString& t : texts)
    EXPECT_TRUE(t.startsWith("9998-") || t.startsWith("9999-")) << t.toStdString();
}

TEST(AxisDraw, LogarithmicLabelsAndMinorMarks) {
  {  // Base 2 from 0: the powers of two from the first above one tenth.
    AxisOnChart a(true, 0, 64);
    a.axis.SetLogarithmicBase(2);
    a.axis.SetLogarithmic(true);
    a.axis.SetAxisValuesFormat(QStringLiteral("0.###"));
    a.axis.InternalCalcPositions();
    a.Draw();
    EXPECT_EQ(Texts(a.chart.backend),
              QStringList({"0.125", "0.25", "0.5", "1", "2", "4", "8", "16", "32", "64"}));
  }
  // The minor grid fills the interval below the first label from the power
  // at the rounded logarithm less one; the ticks kept beyond the axis ends
  // get no tick mark.
  const struct {
    double lo, hi;
    std::vector<double> minorGrid;  // some of the minor grid lines expected
  } grids[] = {{5, 1000, {5.5, 7.75}}, {50, 2000, {55, 77.5}}};
  for (const auto& g : grids) {
    AxisOnChart a(true, g.lo, g.hi);
    a.axis.SetLogarithmic(true);
    a.axis.MinorGrid()->SetVisible(true);
    a.axis.MinorGrid()->SetStyle(Graphics::psDash);
    a.axis.InternalCalcPositions();
    a.Draw();
    const QStringList lines = a.chart.backend.lines();
    for (const double v : g.minorGrid) {
      const QString line = QStringLiteral("lineTo %1,240").arg(a.axis.CalcPosValue(v));
      EXPECT_TRUE(
          std::any_of(lines.begin(), lines.end(),
                      [&](const QString& l) { return l.startsWith(line) && l.contains("psDash"); }))
          << g.lo << " minor grid at " << v;
    }
    for (const QString& l : a.chart.backend.lines("lineTo")) {
      const int x = l.section(' ', 1, 1).section(',', 0, 0).toInt();
      EXPECT_GE(x, 12) << l.toStdString();
      EXPECT_LE(x, 388) << l.toStdString();
    }
  }
}

// However many minor marks are asked for, a logarithmic axis draws no more
// than it has pixels.
TEST(AxisDraw, LogarithmicMinorMarksAtMostOnePerPixel) {
  const struct {
    const char* name;
    TRect rect;
    int base;
    double increment;
    bool grid;
  } cases[] = {
      {"base 10, 72 pixels", TRect{12, 10, 84, 240}, 10, 0, false},
      {"base 677, step 1", TRect{12, 10, 388, 240}, 677, 1, true},
  };
  for (const auto& c : cases) {
    AxisOnChart a(true, 0, 1);
    a.chart.rect = c.rect;
    PrepareAxis(a.axis, a.chart, 45000, 120667);
    a.axis.SetLogarithmicBase(c.base);
    a.axis.SetLogarithmic(true);
    a.axis.SetIncrement(c.increment);
    a.axis.SetMinorTickCount(1000000000);
    a.axis.Grid()->SetVisible(false);
    a.axis.MinorGrid()->SetVisible(c.grid);
    a.axis.InternalCalcPositions();
    a.Draw();
    const int pixels = a.axis.AxisSize;
    EXPECT_LE(LinesEndingAt(a.chart.backend, ",243"), pixels) << c.name;  // minor ticks
    EXPECT_LE(LinesEndingAt(a.chart.backend, ",10"), pixels) << c.name;   // minor grid
    EXPECT_GT(LinesEndingAt(a.chart.backend, ",243"), 0) << c.name;
  }
}
