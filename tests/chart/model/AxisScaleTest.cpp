// Values to pixels and back, the automatic step, fixed ranges and the
// setters that refuse values.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/model/FakeAxisChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Fixture {
  ChartEngineScope engine;
  LocaleScope locale{LocaleScope::english()};
  FakeAxisChart chart;
};
}  // namespace

TEST(AxisScale, EdgeCases) {
  Fixture f;
  {  // 20-pixel labels, 10% apart, on 400 pixels: 18 fit, the step is 10.
    f.chart.rect = TRect{0, 0, 400, 300};
    TChartAxis axis(&f.chart, true);
    PrepareAxis(axis, f.chart, 0, 100);
    axis.SetAxisValuesFormat(QStringLiteral("0000"));
    EXPECT_EQ(axis.CalcIncrementFromLabels(), 10.0);
    EXPECT_EQ(axis.CalcIncrement(18), 10.0);
  }
  {  // A 10-day date-time range with room for 4 labels: 3 days.
    TChartAxis axis(&f.chart, true);
    PrepareAxis(axis, f.chart, 45000, 45010);
    axis.IsDateTimeCache = true;
    EXPECT_EQ(axis.CalcIncrement(4), 3.0);
    EXPECT_EQ(axis.CalcIncrement(0), 1.0 / 86400000);
  }
  {  // A zero range maps everything to the centre.
    TChartAxis axis(&f.chart, false);
    PrepareAxis(axis, f.chart, 7, 7);
    for (const double v : {-1e308, 7.0, 8.0, kNaN}) EXPECT_EQ(axis.CalcPosValue(v), axis.CenterPos);
    EXPECT_EQ(axis.CalcSizeValue(3), 0);
  }
  {  // A range of 1e-20 with an automatic step.
    TChartAxis axis(&f.chart, true);
    PrepareAxis(axis, f.chart, 1, 1);
    axis.CurMaximum = axis.CurMinimum + 1e-20;
    axis.CalcScales();
    EXPECT_EQ(axis.CalcIncrement(10), 1e-12);
  }
  TChartAxis axis(&f.chart, true);
  axis.SetLabelsAngle(450);
  EXPECT_EQ(axis.LabelsAngle(), 90);
  axis.SetLabelsAngle(-90);
  EXPECT_EQ(axis.LabelsAngle(), 270);
  axis.SetMinMax(5, 5);
  EXPECT_EQ(axis.Minimum(), 5);
  EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
  EXPECT_FALSE(axis.Automatic());
  axis.SetMinMax(9, 2);
  EXPECT_EQ(axis.Minimum(), 2);
  EXPECT_EQ(axis.Maximum(), 9);
}

TEST(AxisScale, RefusedValuesKeepTheOldOne) {
  Fixture f;
  TChartAxis axis(&f.chart, true);
  axis.SetMaximum(10);
  axis.SetMinimum(2);
  const struct {
    const char* message;
    std::function<void()> set;
    std::function<bool()> kept;
  } cases[] = {
      {"Axis Minimum Value must be <= Maximum", [&] { axis.SetMinimum(11); },
       [&] { return axis.Minimum() == 2; }},
      {"Axis Maximum Value must be >= Minimum", [&] { axis.SetMaximum(1); },
       [&] { return axis.Maximum() == 10; }},
      {"Axis increment must be >= 0", [&] { axis.SetIncrement(-1); },
       [&] { return axis.Increment() == 0; }},
      {"Axis increment must be >= 0", [&] { axis.SetIncrement(kInf); },
       [&] { return axis.Increment() == 0; }},
      {"Axis increment must be >= 0", [&] { axis.SetIncrement(kNaN); },
       [&] { return axis.Increment() == 0; }},
      {"Axis Logarithmic Base should be >= 2", [&] { axis.SetLogarithmicBase(1); },
       [&] { return axis.LogarithmicBase() == 10; }},
      {"Labels Separation % must be greater than 0", [&] { axis.SetLabelsSeparation(-1); },
       [&] { return axis.LabelsSeparation() == 10; }},
  };
  for (const auto& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << c.message;
    } catch (const AxisException& e) {
      EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
    }
    EXPECT_TRUE(c.kept()) << c.message;
  }
  axis.SetLabelsSeparation(0);  // accepted

  // Logarithmic: refused on a date-time axis and for a negative range.
  f.chart.AddSeries().xDateTime = true;
  EXPECT_THROW(axis.SetLogarithmic(true), AxisException);
  f.chart.series.clear();
  f.chart.minValue = -1;
  f.chart.maxValue = 5;
  EXPECT_THROW(axis.SetLogarithmic(true), AxisException);
  EXPECT_FALSE(axis.Logarithmic());
  f.chart.minValue = 0;
  axis.SetLogarithmic(true);
  EXPECT_TRUE(axis.Logarithmic());

  // A date-time axis refuses a step that is no date with the conversion
  // error, saying so.
  TChartAxis dates(&f.chart, true);
  f.chart.AddSeries().xDateTime = true;
  for (const double step : {1e300, 2958466.0 * 2}) {
    try {
      dates.SetIncrement(step);
      ADD_FAILURE() << step;
    } catch (const AxisException&) {
      ADD_FAILURE() << "axis error for " << step;
    } catch (const base::EConvertError& e) {
      EXPECT_EQ(e.message(), "Invalid argument to date encode");
    }
    EXPECT_EQ(dates.Increment(), 0);
  }
}

TEST(AxisScale, AutomaticFlagsFollowEachOther) {
  Fixture f;
  TChartAxis axis(&f.chart, true);
  axis.SetAutomaticMaximum(false);
  EXPECT_FALSE(axis.Automatic());
  axis.SetAutomaticMaximum(true);
  EXPECT_TRUE(axis.Automatic());
  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  EXPECT_TRUE(axis.IsMaximumStored());
}

TEST(AxisScale, MarginsInsetTheRange) {
  Fixture f;
  TChartAxis axis(&f.chart, true);
  PrepareAxis(axis, f.chart, 0, 100);
  axis.AdjustMaxMinRect(TRect{20, 0, 20, 0});
  EXPECT_EQ(axis.CalcPosValue(0), 32);
  EXPECT_EQ(axis.CalcPosValue(100), 368);
  for (const TRect margins : {TRect{200, 0, 176, 0}, TRect{376, 0, 0, 0}, TRect{300, 0, 300, 0}}) {
    PrepareAxis(axis, f.chart, 0, 100);
    axis.AdjustMaxMinRect(margins);
    EXPECT_EQ(axis.CurMinimum, 0);
    EXPECT_EQ(axis.CurMaximum, 100);
    EXPECT_EQ(axis.CalcPosValue(100), 388);
  }
  for (const bool vertical : {false, true}) {  // a log axis keeps finite ends
    TChartAxis log(&f.chart, !vertical);
    PrepareAxis(log, f.chart, 1, 1000);
    log.SetLogarithmic(true);
    log.AdjustMaxMinRect(TRect{10, 10, 10, 10});
    EXPECT_TRUE(std::isfinite(log.CurMinimum) && log.CurMinimum > 0 && log.CurMinimum < 1);
    EXPECT_GT(log.CurMaximum, 1000);
  }
}

TEST(AxisScale, LogarithmicAndDepthPositionsStayInBounds) {
  Fixture f;
  TChartAxis log(&f.chart, true);
  PrepareAxis(log, f.chart, 1, 1e6);
  log.SetLogarithmic(true);
  TChartDepthAxis depth(&f.chart);
  f.chart.width3D = 100;
  PrepareAxis(depth, f.chart, 0, 10);
  const struct {
    double v;
    int logPos, depthPos;
  } cases[] = {
      {kNaN, 12, 0},  // NaN at the minimum end
      {-5, 12, -50},
      {0, 12, 0},
      {1e6, 388, 10000000},
      {kInf, TChartAxis::MaxPixelPos, TChartAxis::MaxPixelPos},
      {-kInf, 12, -TChartAxis::MaxPixelPos},
      {1e300, 18812, TChartAxis::MaxPixelPos},
      {5e-324, -20249, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(log.CalcPosValue(c.v), c.logPos) << c.v;
    EXPECT_EQ(depth.CalcPosValue(c.v), c.depthPos) << c.v;
  }
  EXPECT_GE(log.CalcPosValue(5e-324), -TChartAxis::MaxPixelPos);

  // A minimum <= 0 starts the scale at one substitute, below the maximum.
  const struct {
    double lo, hi, start;
  } starts[] = {{0, 1e6, 0.1}, {-3, 1e6, 1e-10}, {0, 0.05, 0.005}};
  for (const auto& s : starts) {
    PrepareAxis(log, f.chart, s.lo, s.hi);
    EXPECT_NEAR(log.LogMinimum, std::log(s.start), 1e-12) << s.lo << " " << s.hi;
    EXPECT_EQ(log.CalcPosPoint(log.StartPos), s.lo);
  }
  PrepareAxis(log, f.chart, -5, 0);
  EXPECT_EQ(log.LogRange, 0);
  EXPECT_EQ(log.CalcPosValue(-1), log.CenterPos);
}

TEST(AxisScale, PixelToValueRoundTrip) {
  Fixture f;
  std::mt19937 rng(20);
  for (const bool logarithmic : {false, true})
    for (const bool horizontal : {false, true})
      for (const bool inverted : {false, true}) {
        TChartAxis axis(&f.chart, horizontal);
        axis.SetInverted(inverted);
        const double lo = logarithmic ? 0.01 : -250;
        const double hi = logarithmic ? 1e5 : 1e4;
        PrepareAxis(axis, f.chart, lo, hi);
        axis.SetLogarithmic(logarithmic);
        axis.InternalCalcPositions();
        std::uniform_real_distribution<double> u(0, 1);
        for (int i = 0; i < 2000; ++i) {
          const double t = u(rng);
          const double v =
              logarithmic ? std::exp(std::log(lo) + t * std::log(hi / lo)) : lo + t * (hi - lo);
          const double back = axis.CalcPosPoint(axis.CalcPosValue(v));
          if (logarithmic) {
            // One pixel is a fixed ratio of values.
            const double pixelRatio = std::exp(axis.LogRange / axis.AxisSize);
            EXPECT_LE(std::abs(std::log(back / v)), std::log(pixelRatio)) << v;
          } else {
            EXPECT_LE(std::abs(back - v), axis.CurRange / axis.AxisSize) << v;
          }
        }
      }
}

TEST(AxisScale, ClickedBetweenAxisLineAndLabels) {
  Fixture f;
  TChartAxis bottom(&f.chart, true);
  PrepareAxis(bottom, f.chart, 0, 10);
  TRect r = f.chart.rect;
  bottom.CalcRect(r, false);
  EXPECT_TRUE(bottom.Clicked(100, 238));
  EXPECT_TRUE(bottom.Clicked(100, 246));
  EXPECT_FALSE(bottom.Clicked(100, 247));
  EXPECT_FALSE(bottom.Clicked(5, 240));
  TChartAxis left(&f.chart, false);
  PrepareAxis(left, f.chart, 0, 10);
  left.CalcRect(r, false);
  EXPECT_TRUE(left.Clicked(14, 100));
  EXPECT_TRUE(left.Clicked(5, 100));
  EXPECT_FALSE(left.Clicked(15, 100));
  left.SetVisible(false);
  EXPECT_FALSE(left.Clicked(10, 100));
}
