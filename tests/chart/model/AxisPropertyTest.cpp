// Axes over random ranges, sizes, steps and scales: every step search and
// label loop ends, label counts stay bounded and labels advance along the
// axis.
#include "chart/core/ChartEngine.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/model/FakeAxisChart.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iostream>
#include <limits>
#include <random>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

double RandomEnd(std::mt19937_64& rng) {
  static const double special[] = {0.0,   -0.0,   4.9e-324,     -4.9e-324, 2.2e-308,
                                   1e308, -1e308, std::nan(""), kInf,      -kInf,
                                   1e-20, 1,      -1,           100,       45000};
  std::uniform_int_distribution<int> pick(0, 3);
  if (pick(rng) == 0) return special[std::uniform_int_distribution<int>(0, 14)(rng)];
  const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-12, 12)(rng));
  return std::uniform_real_distribution<double>(-1, 1)(rng) * magnitude;
}

// The along-axis coordinate of each drawn label.
std::vector<int> LabelPositions(const RecordingBackend& backend, bool horizontal) {
  std::vector<int> out;
  for (const QString& l : backend.lines("textOut")) {
    const QString xy = l.section(' ', 1, 1);
    out.push_back((horizontal ? xy.section(',', 0, 0) : xy.section(',', 1, 1)).toInt());
  }
  return out;
}

void RunCases(uint64_t seed, int count) {
  ChartEngineScope engine;
  LocaleScope locale{LocaleScope::english()};
  std::mt19937_64 rng(seed);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < count; ++i) {
    FakeAxisChart chart;
    const bool horizontal = uniform(0, 1) == 1;
    const int size = uniform(0, 3) == 0 ? uniform(0, 5) : uniform(0, 5000);
    chart.rect = horizontal ? TRect{0, 0, size, 100} : TRect{0, 0, 100, size};
    const int kind = uniform(0, 2);  // linear, logarithmic, date-time
    TChartAxis axis(&chart, horizontal);
    double lo = RandomEnd(rng);
    double hi = uniform(0, 9) == 0 ? lo : RandomEnd(rng);
    if (lo > hi) std::swap(lo, hi);
    FakeSeries& s = chart.AddSeries();
    s.x = s.y = {0, 1};
    s.xDateTime = s.yDateTime = kind == 2;
    PrepareAxis(axis, chart, lo, hi);
    if (kind == 1) {
      axis.SetLogarithmicBase(uniform(2, 1000));
      try {
        axis.SetLogarithmic(true);
      } catch (const std::exception&) {
      }
    }
    const int incKind = uniform(0, 3);
    const double inc = incKind == 0   ? 0
                       : incKind == 1 ? 1e-15
                       : incKind == 2
                           ? 1e300
                           : std::pow(10.0, std::uniform_real_distribution<double>(-6, 6)(rng));
    try {
      axis.SetIncrement(inc);
    } catch (const std::exception&) {
    }
    axis.SetLabelsSeparation(uniform(0, 100));
    axis.SetLabelsAngle(uniform(0, 1) * 90);
    axis.RecalcMinMax();
    axis.InternalCalcPositions();
    const std::string what = "seed " + std::to_string(seed) + " case " + std::to_string(i) +
                             " range " + std::to_string(lo) + ".." + std::to_string(hi);

    axis.IsDateTimeCache = kind == 2;
    const int n = uniform(-1, 200);
    const double step = axis.CalcIncrement(n);
    if (axis.RangeIsFinite()) {
      ASSERT_TRUE(step > 0 && std::isfinite(step)) << what;
      if (n >= 1 && std::abs(axis.CurRange / step) <= 2147483647.0) {
        EXPECT_LE(std::llround(axis.CurRange / step), n) << what << " step " << step;
      }
    } else {
      EXPECT_EQ(step, 0) << what;
    }

    TRect r = chart.rect;
    axis.CalcRect(r, false);
    chart.backend.clearLines();
    axis.Draw(false);
    const std::vector<int> pos = LabelPositions(chart.backend, horizontal);
    ASSERT_LE(int(pos.size()), axis.Logarithmic() && axis.Increment() == 0
                                   ? TChartAxis::MaxLogLabels
                                   : TChartAxis::MaxLinearLabels)
        << what;
    if (pos.size() < 2) continue;
    const std::string drawn =
        what + " kind " + std::to_string(kind) + " size " + std::to_string(size) + " base " +
        std::to_string(axis.LogarithmicBase()) + " inc " + std::to_string(axis.Increment()) + "\n" +
        chart.backend.lines("textOut").mid(0, 6).join('\n').toStdString();
    // Labels go one way along the axis. Two labels share a pixel only when
    // their step is less than a pixel: on a tiny axis, or with even steps on
    // a logarithmic scale, which crowd at its upper end.
    // The same holds for calendar steps of a year where a given Increment
    // asks for far more.
    int dir = 0;
    for (size_t k = 1; k < pos.size() && dir == 0; ++k)
      dir = pos[k] > pos[k - 1] ? 1 : (pos[k] < pos[k - 1] ? -1 : 0);
    const bool belowPixel = axis.AxisSize < 2 * int(pos.size()) ||
                            (axis.Logarithmic() && axis.Increment() != 0) ||
                            (kind == 2 && axis.Increment() != 0);
    for (size_t k = 1; k < pos.size(); ++k) {
      const int d = (pos[k] - pos[k - 1]) * dir;
      if (belowPixel) {
        ASSERT_GE(d, 0) << drawn << " label " << k;
      } else {
        ASSERT_GT(d, 0) << drawn << " label " << k;
      }
    }
  }
}

}  // namespace

TEST(AxisProperty, FixedSeed) {
  RunCases(20201, 2000);
}

TEST(AxisProperty, TimeSeeded) {
  const uint64_t seed = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
  std::cout << "AxisProperty seed " << seed << std::endl;
  RunCases(seed, 1000);
}
