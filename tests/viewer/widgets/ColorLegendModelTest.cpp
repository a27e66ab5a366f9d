#include "viewer/widgets/ColorLegendModel.h"

#include "tests/support/SteppedClassColor.h"

#include "base/MathUtil.h"
#include "tests/viewer/LocaleGuard.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace {

using base::TColor;

constexpr TColor White = base::clWhite;
constexpr TColor Blue = base::clBlue;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A legend over [lo, hi] with n rows; act bounds are set unless NaN.
void Configure(ColorLegendModel& m, int n, double lo, double hi, int digits = 2, double actLo = NaN,
               double actHi = NaN) {
  m.SetBoxCount(n);
  m.SetMinVal(lo);
  m.SetMaxVal(hi);
  m.SetDigits(digits);
  if (!std::isnan(actLo)) m.SetMinValAct(actLo);
  if (!std::isnan(actHi)) m.SetMaxValAct(actHi);
}

// Gives every row its own colour so that look-ups tell the rows apart.
void DistinctColors(ColorLegendModel& m) {
  for (int i = 1; i <= m.BoxCount(); ++i) m.SetBoxColor(i, base::RGB(i, 2 * i, 3 * i));
}

}  // namespace

TEST(LegendCaptionsDescribeClasses, HalfOpenClassesOpenEndsAndExponents) {
  struct Case {
    int n;
    double lo, hi, actLo, actHi;
    int row;
    const char* caption;
  };
  const Case cases[] = {{5, 0, 10, NaN, NaN, 1, "0.00 <= x < 2.00"},
                        {5, 0, 10, NaN, NaN, 5, "8.00 <= x <= 10.00"},
                        {5, 0, 10, 2, NaN, 1, "x < 2.00"},
                        {5, 0, 10, NaN, 8, 5, "8.00 <= x"},
                        {4, 1, 4, 0, NaN, 1, "0.00 < x < 1.00"},
                        {4, 1, 4, 0, NaN, 4, "3.00 <= x <= 4.00"},
                        {5, 0, 0.0005, NaN, NaN, 1, "0.00E+00 <= x < 1.00E-04"},
                        {5, 0, 0.0005, NaN, NaN, 5, "4.00E-04 <= x <= 5.00E-04"}};
  LocaleGuard locale(LocaleGuard::English());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    ColorLegendModel m;
    Configure(m, c.n, c.lo, c.hi, 2, c.actLo, c.actHi);
    EXPECT_EQ(m.BoxCaption(c.row), QString::fromLatin1(c.caption));
    if (c.n == 5 && c.hi == 10) {
      EXPECT_DOUBLE_EQ(m.Delta(), 2.0);  // open rows are not classes
    }
  }
}

TEST(LegendMapsValuesToClasses, ClosedFormAgreesWithTheDefiningComparison) {
  std::mt19937 rng(7);
  struct Case {
    int n;
    double lo, hi, actLo, actHi;
  };
  // Closed, open below, open above, both open, interval beyond the data, and
  // class widths that are not exact in binary.
  const Case cases[] = {{5, 0, 10, 0, 10},           {10, 0, 1, 0.3, 1},   {7, -25, 25, -25, 20},
                        {10, 0, 1, 0.1, 0.9},        {10, 0.2, 1.3, 0, 2}, {3, 0, 0.3, 0, 0.3},
                        {255, -1e3, 1e8, -1e3, 1e8}, {1, 0, 1, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    ColorLegendModel m;
    Configure(m, c.n, c.lo, c.hi, 2, c.actLo, c.actHi);
    DistinctColors(m);
    std::uniform_real_distribution<double> any(c.actLo - 1, c.actHi + 1);
    for (int k = 0; k < 2000; ++k) {
      const double v = any(rng);
      ASSERT_EQ(m.ValueToClassColor(v), SteppedClassColor(m, v)) << v;
    }
    for (int i = 0; i <= c.n; ++i) {  // class borders and one ulp either side
      const double border = i * m.Delta() + m.MinValAct();
      for (double v : {std::nextafter(border, -1e300), border, std::nextafter(border, 1e300)})
        ASSERT_EQ(m.ValueToClassColor(v), SteppedClassColor(m, v)) << v;
    }
  }
}

TEST(LegendMapsNaNToLowestClass, DegenerateInputsEndWithADefinedClass) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  DistinctColors(m);
  const TColor first = m.GetBoxColor(1);
  const std::pair<double, int> ends[] = {{NaN, 1}, {-Inf, 1}, {0.0, 1}, {10.0, 5}, {Inf, 5}};
  for (const auto& [v, row] : ends) {
    EXPECT_EQ(m.ValueToClassColor(v), m.GetBoxColor(row)) << v;
    EXPECT_EQ(m.ValueToInterpolatedColor(v), m.GetBoxColor(row)) << v;
  }
  m.SetMaxValAct(NaN);
  EXPECT_EQ(m.ValueToClassColor(5.0), first);
  EXPECT_EQ(m.ValueToInterpolatedColor(5.0), first);

  // Both ends open with a single row: Delta stays 0 over a wide interval.
  ColorLegendModel one;
  Configure(one, 0, 0.0, 10.0, 2, 2.0, 8.0);  // a count of 0 is ignored
  one.SetBoxCount(1);  // after the bounds, so the class width is never computed
  one.SetBoxColor(1, Blue);
  ASSERT_EQ(one.Delta(), 0.0);
  EXPECT_EQ(one.ValueToClassColor(5.0), Blue);
  EXPECT_EQ(one.ValueToInterpolatedColor(5.0), Blue);

  // A shown interval narrower than 1e-8 has no classes: every value, even
  // one far above it, takes the first row's colour.
  Configure(m, 5, 0.0, 1.0, 2, 0.5, 0.5 + 5e-9);
  for (const double v : {0.0, 0.5 + 2e-9, 0.75, 10.0}) {
    EXPECT_EQ(m.ValueToClassColor(v), first) << v;
    EXPECT_EQ(m.ValueToInterpolatedColor(v), first) << v;
  }
}

// Three rows over [0, 3]: class width 1, breakpoints 0, 0.5, 1.5, 3. Between
// two breakpoints the colour runs from one row's colour to the next; channels
// round half to even. Worked out by hand.
TEST(LegendInterpolatesColours, BetweenBreakpointsChannelsMixByThePositionBetweenThem) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 3.0);
  m.SetBoxColor(1, base::RGB(0, 0, 0));
  m.SetBoxColor(2, base::RGB(100, 200, 41));
  m.SetBoxColor(3, base::RGB(200, 0, 255));
  const std::pair<double, TColor> table[] = {
      {0.25, base::RGB(0, 0, 0)},        // below the first breakpoint: row 1
      {0.5, base::RGB(0, 0, 0)},         // on it
      {1.0, base::RGB(50, 100, 20)},     // halfway to row 2; 20.5 rounds to 20
      {1.25, base::RGB(75, 150, 31)},    // three quarters: 30.75
      {1.5, base::RGB(100, 200, 41)},    // on row 2's breakpoint
      {2.25, base::RGB(150, 100, 148)},  // halfway to row 3: 147.5 rounds to 148
      {2.625, base::RGB(175, 50, 202)},  // three quarters: 201.5 rounds to 202
      {3.0, base::RGB(200, 0, 255)},     // the upper bound: row 3
  };
  for (const auto& [v, colour] : table) EXPECT_EQ(m.ValueToInterpolatedColor(v), colour) << v;
}

TEST(LegendInterpolatesColours, IntervalBeyondTheDataStaysBetweenClassColours) {
  // The view rounds the interval outwards, so the last breakpoints are out of order.
  for (double hi : {1.3, 0.1, 9.5}) {
    ColorLegendModel m;
    Configure(m, 10, 0.0, hi, 2, NaN, 10.0);
    m.SetBoxColor(1, White);
    for (int i = 2; i <= 10; ++i)
      m.SetBoxColor(i, i % 2 ? base::RGB(255, 0, 0) : base::RGB(0, 0, 255));
    for (double v = -0.5; v <= 10.5; v += 0.001) {
      const TColor c = m.ValueToInterpolatedColor(v);
      ASSERT_EQ(c & 0xFF000000u, 0u) << v;
      ASSERT_EQ(base::GetGValue(c) == 255, base::GetRValue(c) == 255 && base::GetBValue(c) == 255)
          << "green comes only from white; v=" << v;
    }
  }
}

TEST(LegendLinearisesBetweenAnchors, EndsSpanTheRowsAndAClickedRowAnchors) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 1.0);
  m.SetColorsLinear(true);
  m.SetBoxColor(1, White);
  m.SetBoxColor(5, Blue);
  const int rg[] = {255, 192, 128, 64, 0};  // 255 + (-255 * k) div 4
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(m.GetBoxColor(i), base::RGB(rg[i - 1], rg[i - 1], 255));

  m.OnColorBoxClick = [](int, TColor& c, QStringList&) { c = base::RGB(255, 0, 0); };
  m.ColorBoxClick(3);
  EXPECT_TRUE(m.Anchored(3));
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(255, 128, 128));
  EXPECT_EQ(m.GetBoxColor(4), base::RGB(128, 0, 127));
  m.SetColorsLinear(false);  // off and on again drops the anchor
  m.SetColorsLinear(true);
  EXPECT_FALSE(m.Anchored(3));
  EXPECT_EQ(m.GetBoxColor(3), base::RGB(128, 128, 255));

  Configure(m, 2, 0.0, 1.0);  // two rows are both ends and keep their colours
  m.SetBoxColor(1, base::RGB(200, 10, 30));
  m.SetBoxColor(2, base::RGB(5, 250, 90));
  m.LinearizeColors();
  EXPECT_EQ(m.GetBoxColor(1), base::RGB(200, 10, 30));
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(5, 250, 90));
}

// Growing the legend leaves every colour where it was, linear or not: the
// new rows show silver and their classes are black until coloured.
TEST(LegendGrowthKeepsColours, NewRowsShowSilverOverBlackClasses) {
  for (const bool linear : {false, true}) {
    SCOPED_TRACE(linear);
    ColorLegendModel m;
    Configure(m, 3, 0.0, 3.0);
    m.SetColorsLinear(linear);
    m.SetBoxColor(1, White);
    m.SetBoxColor(2, base::RGB(10, 20, 30));
    m.SetBoxColor(3, Blue);
    const TColor kept[] = {m.GetBoxColor(1), m.GetBoxColor(2), m.GetBoxColor(3)};
    m.SetBoxCount(6);
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(m.GetBoxColor(i), kept[i - 1]) << i;
      EXPECT_EQ(m.ValueToClassColor((i - 0.5) * m.Delta()), kept[i - 1]) << i;
    }
    for (int i = 4; i <= 6; ++i) {
      EXPECT_EQ(m.GetBoxColor(i), ColorLegendModel::DefaultBoxColor) << i;
      EXPECT_EQ(m.ValueToClassColor((i - 0.5) * m.Delta()), base::clBlack) << i;
    }
    EXPECT_EQ(m.ValueToInterpolatedColor(m.Breakpoint(5)), base::clBlack);
    // Linearising spreads from the swatches, and the classes follow.
    m.LinearizeColors();
    for (int i = 1; i <= 6; ++i)
      EXPECT_EQ(m.ValueToClassColor((i - 0.5) * m.Delta()), m.GetBoxColor(i)) << i;
    EXPECT_EQ(m.GetBoxColor(6), ColorLegendModel::DefaultBoxColor);
  }
}

TEST(LegendEditsColours, SpreadRunsEvenlyFromFirstToLastAndOneBoxSpreadsToTen) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 1.0);
  m.SetBoxColor(1, base::RGB(0, 0, 0));
  m.SetBoxColor(3, base::RGB(200, 100, 50));
  m.SpreadColors();
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(100, 50, 25));
  Configure(m, 1, 0.0, 1.0);  // without dividing by zero
  m.SetBoxColor(1, base::RGB(10, 20, 30));
  m.SpreadColors();
  ASSERT_EQ(m.BoxCount(), 10);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(m.GetBoxColor(i), base::RGB(10, 20, 30)) << i;
}

TEST(LegendEditsColours, InsertAndDeleteActOnTheRowUnderTheMouse) {
  const TColor a = base::RGB(10, 0, 0), b = base::RGB(0, 20, 0), c = base::RGB(0, 0, 30),
               d = base::RGB(40, 40, 40);
  const auto colours = [](const ColorLegendModel& m) {
    std::vector<TColor> v;
    for (int i = 1; i <= m.BoxCount(); ++i) v.push_back(m.GetBoxColor(i));
    return v;
  };
  const struct {
    bool insert;
    int active;  // 0: no row under the mouse
    std::vector<TColor> result;
  } table[] = {
      {true, 2, {a, b, b, c, d}},  // the row under the mouse is doubled
      {true, 0, {a, b, c, d, d}},  // without one, the last
      {false, 2, {a, c, d}},       // the row under the mouse goes
      {false, 0, {a, b, c}},       // without one, the last
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << row.insert << " " << row.active);
    ColorLegendModel m;
    Configure(m, 4, 0.0, 1.0);
    for (int i = 1; i <= 4; ++i) m.SetBoxColor(i, std::array{a, b, c, d}[std::size_t(i - 1)]);
    int changed = 0;
    m.OnColorChanged = [&] { ++changed; };
    m.SetActiveRow(row.active);
    row.insert ? m.InsertSelectedColor() : m.DeleteSelectedColor();
    EXPECT_EQ(colours(m), row.result);
    EXPECT_GE(changed, 1);
    // The lookups agree with the swatches.
    EXPECT_EQ(m.ValueToClassColor(0.99), row.result.back());
  }

  // A linear legend keeps its ends and spreads the rows between them anew.
  for (const bool insert : {true, false}) {
    ColorLegendModel m;
    Configure(m, 4, 0.0, 1.0);
    m.SetColorsLinear(true);
    m.SetBoxColor(1, base::RGB(0, 0, 0));
    m.SetBoxColor(4, base::RGB(240, 120, 60));
    m.SetActiveRow(2);
    insert ? m.InsertSelectedColor() : m.DeleteSelectedColor();
    std::vector<TColor> expected;  // even steps of (60, 30, 15), or of twice that
    for (int k = 0; k <= 4; k += insert ? 1 : 2)
      expected.push_back(base::RGB(60 * k, 30 * k, 15 * k));
    EXPECT_EQ(colours(m), expected) << insert;
  }
}

// Text on the legend's background: a light grey on dark colours (the
// darker, the lighter), black from a channel sum of 120 up.
TEST(LegendTextContrasts, LightGreyOnDarkBackgroundsBlackOnOthers) {
  const std::pair<TColor, TColor> table[] = {
      {base::RGB(0, 0, 0), base::RGB(253, 253, 253)},
      {base::RGB(10, 20, 30), base::RGB(193, 193, 193)},
      {base::RGB(0, 0, 119), base::RGB(134, 134, 134)},
      {base::RGB(40, 40, 40), base::clBlack},
      {base::RGB(230, 230, 224), base::clBlack},
      {base::clNavy, base::clBlack},  // 128 in one channel
  };
  for (const auto& [background, text] : table)
    EXPECT_EQ(ColorLegendModel::ContrastColor(background), text) << std::hex << background;
}
