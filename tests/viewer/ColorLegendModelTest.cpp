#include "viewer/ColorLegendModel.h"

#include "base/MathUtil.h"
#include "tests/viewer/LocaleGuard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using base::TColor;

constexpr TColor White = base::clWhite;
constexpr TColor Blue = base::clBlue;

// A legend over [lo, hi] with n rows and the view's usual set-up.
void Configure(ColorLegendModel& m, int n, double lo, double hi, int digits = 2) {
  m.SetBoxCount(n);
  m.SetMinVal(lo);
  m.SetMaxVal(hi);
  m.SetDigits(digits);
}

// The class look-up as defined: the smallest i >= 1 with i * Delta + MinValAct
// >= v, one further when the first row is the open class below the interval.
TColor ReferenceClassColor(const ColorLegendModel& m, double v) {
  const int n = m.BoxCount();
  if (m.MaxValAct() - m.MinValAct() < 1e-8 || v <= m.MinValAct()) return m.GetBoxColor(1);
  if (v >= m.MaxValAct()) return m.GetBoxColor(n);
  int i = 1;
  while (i * m.Delta() + m.MinValAct() < v) ++i;
  if (m.MinVal() < m.MinValAct()) ++i;
  return m.GetBoxColor(std::min(i, n));
}

// Gives every row its own colour so that look-ups tell the rows apart.
void DistinctColors(ColorLegendModel& m) {
  for (int i = 1; i <= m.BoxCount(); ++i) m.SetBoxColor(i, base::RGB(i, 2 * i, 3 * i));
}

}  // namespace

TEST(LegendCaptionsDescribeClasses, ClosedIntervalHasHalfOpenClassesAndAClosedLastOne) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  EXPECT_EQ(m.BoxCaption(1), "0.00 <= x < 2.00");
  EXPECT_EQ(m.BoxCaption(2), "2.00 <= x < 4.00");
  EXPECT_EQ(m.BoxCaption(4), "6.00 <= x < 8.00");
  EXPECT_EQ(m.BoxCaption(5), "8.00 <= x <= 10.00");
  EXPECT_DOUBLE_EQ(m.Delta(), 2.0);
}

TEST(LegendCaptionsDescribeClasses, RaisedLowerBoundOpensTheFirstClass) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  m.SetMinValAct(2.0);
  EXPECT_EQ(m.BoxCaption(1), "x < 2.00");
  EXPECT_EQ(m.BoxCaption(2), "2.00 <= x < 4.00");
  EXPECT_EQ(m.BoxCaption(5), "8.00 <= x <= 10.00");
  EXPECT_DOUBLE_EQ(m.Delta(), 2.0);  // four classes span 2..10
}

TEST(LegendCaptionsDescribeClasses, LoweredUpperBoundOpensTheLastClass) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  m.SetMaxValAct(8.0);
  EXPECT_EQ(m.BoxCaption(1), "0.00 <= x < 2.00");
  EXPECT_EQ(m.BoxCaption(4), "6.00 <= x < 8.00");
  EXPECT_EQ(m.BoxCaption(5), "8.00 <= x");
}

TEST(LegendCaptionsDescribeClasses, IntervalBelowTheDataRangeKeepsAnOpenFirstCaption) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 4, 1.0, 4.0, 1);
  m.SetMinValAct(0.0);
  EXPECT_EQ(m.BoxCaption(1), "0.0 < x < 1.0");
  EXPECT_EQ(m.BoxCaption(4), "3.0 <= x <= 4.0");
}

TEST(LegendCaptionsDescribeClasses, TinyIntervalsUseExponentNotation) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 5, 0.0, 0.0005);
  EXPECT_EQ(m.BoxCaption(1), "0.00E+00 <= x < 1.00E-04");
  EXPECT_EQ(m.BoxCaption(5), "4.00E-04 <= x <= 5.00E-04");
}

TEST(LegendCaptionsDescribeClasses, DecimalSeparatorFollowsTheLocale) {
  LocaleGuard locale(LocaleGuard::German());
  ColorLegendModel m;
  Configure(m, 2, 0.0, 1.0);
  EXPECT_EQ(m.BoxCaption(1), "0,00 <= x < 0,50");
}

TEST(LegendCaptionsDescribeClasses, NoRoomForAnInnerClassKeepsCaptionsAndDelta) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel m;
  Configure(m, 2, 0.0, 10.0);
  m.SetMinValAct(2.0);
  const QString first = m.BoxCaption(1);
  const double delta = m.Delta();
  m.SetMaxValAct(8.0);  // both ends open: no inner class left among two rows
  EXPECT_EQ(m.BoxCaption(1), first);
  EXPECT_DOUBLE_EQ(m.Delta(), delta);
}

TEST(LegendMapsValuesToClasses, BoundsGiveTheEndClassesInBothLookups) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  DistinctColors(m);
  for (double v : {-5.0, 0.0}) {
    EXPECT_EQ(m.ValueToClassColor(v), m.GetBoxColor(1)) << v;
    EXPECT_EQ(m.ValueToInterpolatedColor(v), m.GetBoxColor(1)) << v;
  }
  for (double v : {10.0, 1e30}) {
    EXPECT_EQ(m.ValueToClassColor(v), m.GetBoxColor(5)) << v;
    EXPECT_EQ(m.ValueToInterpolatedColor(v), m.GetBoxColor(5)) << v;
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
    ColorLegendModel m;
    Configure(m, c.n, c.lo, c.hi);
    m.SetMinValAct(c.actLo);
    m.SetMaxValAct(c.actHi);
    DistinctColors(m);
    std::uniform_real_distribution<double> any(c.actLo - 1, c.actHi + 1);
    for (int k = 0; k < 2000; ++k) {
      const double v = any(rng);
      ASSERT_EQ(m.ValueToClassColor(v), ReferenceClassColor(m, v)) << "n=" << c.n << " v=" << v;
    }
    // Class borders exactly, and one ulp either side of them.
    for (int i = 0; i <= c.n; ++i) {
      const double border = i * m.Delta() + m.MinValAct();
      for (double v : {std::nextafter(border, -1e300), border, std::nextafter(border, 1e300)})
        ASSERT_EQ(m.ValueToClassColor(v), ReferenceClassColor(m, v)) << "n=" << c.n << " v=" << v;
    }
  }
}

TEST(LegendMapsValuesToClasses, OpenLowerClassTakesOnlyValuesBelowTheInterval) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  m.SetMinValAct(2.0);
  DistinctColors(m);
  EXPECT_EQ(m.ValueToClassColor(1.0), m.GetBoxColor(1));
  EXPECT_EQ(m.ValueToClassColor(2.5), m.GetBoxColor(2));
  EXPECT_EQ(m.ValueToClassColor(9.9), m.GetBoxColor(5));
}

TEST(LegendMapsNaNToLowestClass, DegenerateInputsEndWithADefinedClass) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  DistinctColors(m);
  EXPECT_EQ(m.ValueToClassColor(nan), m.GetBoxColor(1));
  EXPECT_EQ(m.ValueToInterpolatedColor(nan), m.GetBoxColor(1));
  EXPECT_EQ(m.ValueToClassColor(inf), m.GetBoxColor(5));
  EXPECT_EQ(m.ValueToInterpolatedColor(-inf), m.GetBoxColor(1));

  m.SetMaxValAct(nan);  // a bound that is not a number
  EXPECT_EQ(m.ValueToClassColor(5.0), m.GetBoxColor(1));
  EXPECT_EQ(m.ValueToInterpolatedColor(5.0), m.GetBoxColor(1));
}

TEST(LegendMapsNaNToLowestClass, ClassWidthNeverComputedDoesNotLoop) {
  // Both ends open with a single row: no inner class, so Delta stays 0 while
  // the interval itself is wide.
  ColorLegendModel m;
  m.SetMinVal(0.0);
  m.SetMaxVal(10.0);
  m.SetMinValAct(2.0);
  m.SetMaxValAct(8.0);
  m.SetBoxCount(1);
  m.SetBoxColor(1, Blue);
  ASSERT_EQ(m.Delta(), 0.0);
  EXPECT_EQ(m.ValueToClassColor(5.0), Blue);
  EXPECT_EQ(m.ValueToInterpolatedColor(5.0), Blue);
}

TEST(LegendMapsNaNToLowestClass, IntervalNarrowerThanTheMarginGivesTheFirstColour) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 10.0);
  DistinctColors(m);
  m.SetMinValAct(3.0);
  m.SetMaxValAct(3.0 + 1e-9);
  for (double v : {-1.0, 3.0, 3.0 + 5e-10, 7.0})
    EXPECT_EQ(m.ValueToClassColor(v), m.GetBoxColor(1)) << v;
}

TEST(LegendInterpolatesColours, ValueOnABreakpointTakesThatClassColour) {
  ColorLegendModel m;
  Configure(m, 10, -25.0, 25.0);
  DistinctColors(m);
  for (int k = 1; k < 10; ++k)
    EXPECT_EQ(m.ValueToInterpolatedColor(m.Breakpoint(k)), m.GetBoxColor(k)) << k;
}

TEST(LegendInterpolatesColours, MidwayBetweenBreakpointsRoundsTiesToEven) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 3.0);
  m.SetBoxColor(1, base::RGB(0, 0, 255));
  m.SetBoxColor(2, base::RGB(255, 1, 0));
  m.SetBoxColor(3, base::RGB(0, 2, 0));
  const double mid = (m.Breakpoint(1) + m.Breakpoint(2)) / 2;
  // 127.5 -> 128, 0.5 -> 0, 127.5 -> 128
  EXPECT_EQ(m.ValueToInterpolatedColor(mid), base::RGB(128, 0, 128));
  const double mid2 = (m.Breakpoint(2) + m.Breakpoint(3)) / 2;
  EXPECT_EQ(m.ValueToInterpolatedColor(mid2), base::RGB(128, 2, 0));  // 1.5 -> 2
}

TEST(LegendInterpolatesColours, IntervalBeyondTheDataStaysBetweenClassColours) {
  // The view rounds the interval outwards, so MaxValAct lies above MaxVal and
  // the last breakpoints are out of order.
  for (double hi : {1.3, 0.1, 9.5}) {
    ColorLegendModel m;
    Configure(m, 10, 0.0, hi);
    m.SetMaxValAct(10.0);
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

TEST(LegendInterpolatesColours, DirectSegmentLookupAgreesWithASearch) {
  std::mt19937 rng(11);
  for (const int n : {2, 3, 10, 255}) {
    for (const double actLo : {0.0, 0.25}) {
      ColorLegendModel m;
      Configure(m, n, 0.0, 1.0);
      m.SetMinValAct(actLo);
      DistinctColors(m);
      std::uniform_real_distribution<double> any(-0.1, 1.1);
      for (int s = 0; s < 3000; ++s) {
        const double v = s < 2 * n ? m.Breakpoint(s / 2 + 1) : any(rng);
        // Reference: the segment by scanning, then the channel mix.
        TColor expected = m.GetBoxColor(1);
        if (v >= m.MaxValAct())
          expected = m.GetBoxColor(n);
        else if (v > m.MinValAct()) {
          int lo = 1;
          while (lo <= n && m.Breakpoint(lo) < v) ++lo;
          const int k = lo - 1;
          if (k >= n)
            expected = m.GetBoxColor(n);
          else if (k >= 1) {
            const double t = (v - m.Breakpoint(k)) / (m.Breakpoint(k + 1) - m.Breakpoint(k));
            const TColor a = m.GetBoxColor(k), b = m.GetBoxColor(k + 1);
            const auto mix = [t](int x, int y) { return base::Round((1 - t) * x + t * y); };
            expected = base::RGB(mix(base::GetRValue(a), base::GetRValue(b)),
                                 mix(base::GetGValue(a), base::GetGValue(b)),
                                 mix(base::GetBValue(a), base::GetBValue(b)));
          }
        }
        ASSERT_EQ(m.ValueToInterpolatedColor(v), expected) << "n=" << n << " v=" << v;
      }
    }
  }
}

TEST(LegendInterpolatesColours, SystemColoursAreResolvedBeforeMixing) {
  ColorLegendModel m;
  Configure(m, 2, 0.0, 1.0);
  m.SetBoxColor(1, base::clBtnFace);
  m.SetBoxColor(2, base::clBtnFace);
  const TColor c = m.ValueToInterpolatedColor(0.5);
  EXPECT_EQ(c & 0xFFFFFFu, base::ColorToRGB(base::clBtnFace));
}

TEST(LegendLinearisesBetweenAnchors, EndsAloneSpanTheRows) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 1.0);
  m.SetColorsLinear(true);
  m.SetBoxColor(1, White);
  m.SetBoxColor(5, Blue);
  // 255 + (-255 * k) div 4, truncating toward zero
  const int expected[] = {255, 192, 128, 64, 0};
  for (int i = 1; i <= 5; ++i) {
    const int rg = expected[i - 1];
    EXPECT_EQ(m.GetBoxColor(i), base::RGB(rg, rg, 255)) << i;
  }
}

TEST(LegendLinearisesBetweenAnchors, ClickedRowAnchorsTheInterpolation) {
  ColorLegendModel m;
  Configure(m, 5, 0.0, 1.0);
  m.SetColorsLinear(true);
  m.SetBoxColor(1, White);
  m.SetBoxColor(5, Blue);
  m.OnColorBoxClick = [](int, TColor& c, QStringList&) { c = base::RGB(255, 0, 0); };
  int fired = 0;
  m.OnColorChanged = [&] { ++fired; };
  m.ColorBoxClick(3);
  EXPECT_TRUE(m.Anchored(3));
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(255, 128, 128));
  EXPECT_EQ(m.GetBoxColor(3), base::RGB(255, 0, 0));
  EXPECT_EQ(m.GetBoxColor(4), base::RGB(128, 0, 127));
  // Switching linearity off and on drops the anchor.
  m.SetColorsLinear(false);
  m.SetColorsLinear(true);
  EXPECT_FALSE(m.Anchored(3));
  EXPECT_EQ(m.GetBoxColor(3), base::RGB(128, 128, 255));
}

TEST(LegendLinearisesBetweenAnchors, TwoRowsKeepTheirColours) {
  ColorLegendModel m;
  Configure(m, 2, 0.0, 1.0);
  m.SetBoxColor(1, base::RGB(10, 20, 30));
  m.SetBoxColor(2, base::RGB(200, 100, 50));
  m.SetColorsLinear(true);
  EXPECT_EQ(m.GetBoxColor(1), base::RGB(10, 20, 30));
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(200, 100, 50));
}

TEST(LegendGrowthKeepsSwatchesAndLookupsInAgreement, NewRowsAreSilverForBoth) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 3.0);
  DistinctColors(m);
  const TColor second = m.GetBoxColor(2);
  m.SetBoxCount(5);
  EXPECT_EQ(m.GetBoxColor(2), second);
  EXPECT_EQ(m.GetBoxColor(4), ColorLegendModel::DefaultBoxColor);
  EXPECT_EQ(m.GetBoxColor(5), ColorLegendModel::DefaultBoxColor);
  for (int i = 1; i <= 5; ++i) {
    const double centre = (i - 0.5) * m.Delta();
    EXPECT_EQ(m.ValueToClassColor(centre), m.GetBoxColor(i)) << i;
  }
  EXPECT_EQ(m.ValueToInterpolatedColor(2.9), ColorLegendModel::DefaultBoxColor);
}

TEST(LegendGrowthKeepsSwatchesAndLookupsInAgreement, LinearLegendStaysLinearToItsEndColour) {
  ColorLegendModel m;
  Configure(m, 10, 0.0, 1.0);
  m.SetColorsLinear(true);
  m.SetBoxColor(1, White);
  m.SetBoxColor(10, Blue);
  m.SetBoxCount(12);
  EXPECT_EQ(m.GetBoxColor(1), White);
  EXPECT_EQ(m.GetBoxColor(12), Blue);
  for (int i = 2; i <= 12; ++i) {
    EXPECT_LT(base::GetRValue(m.GetBoxColor(i)), base::GetRValue(m.GetBoxColor(i - 1))) << i;
    const double centre = (i - 0.5) * m.Delta();
    EXPECT_EQ(m.ValueToClassColor(centre), m.GetBoxColor(i)) << i;
  }
}

TEST(LegendGrowthKeepsSwatchesAndLookupsInAgreement, ZeroAndOversizedCountsAreIgnored) {
  ColorLegendModel m;
  Configure(m, 4, 0.0, 1.0);
  m.SetBoxCount(0);
  m.SetBoxCount(256);
  m.SetBoxCount(-3);
  EXPECT_EQ(m.BoxCount(), 4);
}

TEST(LegendEditsColours, InsertRepeatsTheActiveRow) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 1.0);
  DistinctColors(m);
  const TColor c1 = m.GetBoxColor(1), c2 = m.GetBoxColor(2), c3 = m.GetBoxColor(3);
  m.SetActiveRow(2);
  m.InsertSelectedColor();
  ASSERT_EQ(m.BoxCount(), 4);
  EXPECT_EQ(m.GetBoxColor(1), c1);
  EXPECT_EQ(m.GetBoxColor(2), c2);
  EXPECT_EQ(m.GetBoxColor(3), c2);
  EXPECT_EQ(m.GetBoxColor(4), c3);
}

TEST(LegendEditsColours, InsertWithoutActiveRowRepeatsTheLast) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 1.0);
  DistinctColors(m);
  const TColor c3 = m.GetBoxColor(3);
  m.InsertSelectedColor();
  ASSERT_EQ(m.BoxCount(), 4);
  EXPECT_EQ(m.GetBoxColor(3), c3);
  EXPECT_EQ(m.GetBoxColor(4), c3);
}

TEST(LegendEditsColours, DeleteRemovesTheActiveRow) {
  ColorLegendModel m;
  Configure(m, 4, 0.0, 1.0);
  DistinctColors(m);
  const TColor c1 = m.GetBoxColor(1), c3 = m.GetBoxColor(3), c4 = m.GetBoxColor(4);
  m.SetActiveRow(2);
  int fired = 0;
  m.OnColorChanged = [&] { ++fired; };
  m.DeleteSelectedColor();
  ASSERT_EQ(m.BoxCount(), 3);
  EXPECT_EQ(m.GetBoxColor(1), c1);
  EXPECT_EQ(m.GetBoxColor(2), c3);
  EXPECT_EQ(m.GetBoxColor(3), c4);
  EXPECT_GE(fired, 1);
}

TEST(LegendEditsColours, SpreadingOneBoxFillsTenRowsWithoutDividingByZero) {
  ColorLegendModel m;
  Configure(m, 1, 0.0, 1.0);
  m.SetBoxColor(1, base::RGB(10, 20, 30));
  m.SpreadColors();
  ASSERT_EQ(m.BoxCount(), 10);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(m.GetBoxColor(i), base::RGB(10, 20, 30)) << i;
}

TEST(LegendEditsColours, SpreadingRunsEvenlyFromFirstToLast) {
  ColorLegendModel m;
  Configure(m, 3, 0.0, 1.0);
  m.SetBoxColor(1, base::RGB(0, 0, 0));
  m.SetBoxColor(2, base::RGB(7, 7, 7));
  m.SetBoxColor(3, base::RGB(200, 100, 50));
  m.SpreadColors();
  EXPECT_EQ(m.GetBoxColor(2), base::RGB(100, 50, 25));
}

TEST(LegendEditsColours, RowClickChangesTheClassColourAndReportsIt) {
  ColorLegendModel m;
  Configure(m, 4, 0.0, 4.0);
  DistinctColors(m);
  int fired = 0;
  m.OnColorChanged = [&] { ++fired; };
  m.ColorBoxClick(2);  // no handler: nothing to ask
  EXPECT_EQ(fired, 0);

  QStringList seen;
  m.OnColorBoxClick = [&](int index, TColor& c, QStringList& custom) {
    seen = custom;
    if (index == 2) c = Blue;
  };
  m.ColorBoxClick(3);  // handler keeps the colour
  EXPECT_EQ(fired, 0);
  m.ColorBoxClick(2);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(m.GetBoxColor(2), Blue);
  EXPECT_EQ(m.ValueToClassColor(1.5), Blue);
  EXPECT_EQ(seen, QStringList({"ColorA=788a8f", "ColorB=e0e6e6"}));
}

TEST(LegendCopiesFromAnother, AssignCarriesBoundsColoursAndLinearity) {
  LocaleGuard locale(LocaleGuard::English());
  ColorLegendModel source;
  Configure(source, 4, 0.0, 8.0, 1);
  source.SetCaption("Temperature");
  source.SetMinValAct(2.0);
  source.SetColorsLinear(true);
  source.SetBoxColor(1, White);
  source.SetBoxColor(4, Blue);
  ColorLegendModel dest;
  dest.SetBoxCount(7);
  dest.AssignFrom(source);
  EXPECT_EQ(dest.BoxCount(), 4);
  EXPECT_EQ(dest.Caption(), "Temperature");
  EXPECT_DOUBLE_EQ(dest.MinValAct(), 2.0);
  EXPECT_DOUBLE_EQ(dest.MaxVal(), 8.0);
  EXPECT_TRUE(dest.ColorsLinear());
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(dest.GetBoxColor(i), source.GetBoxColor(i)) << i;
  EXPECT_EQ(dest.BoxCaption(1), "x < 2.0");
}

TEST(LegendContrastColour, DarkBackgroundsGetLightText) {
  EXPECT_EQ(ColorLegendModel::ContrastColor(base::clBlack), base::RGB(253, 253, 253));
  EXPECT_EQ(ColorLegendModel::ContrastColor(base::RGB(40, 40, 39)), base::RGB(134, 134, 134));
  EXPECT_EQ(ColorLegendModel::ContrastColor(base::RGB(40, 40, 40)), base::clBlack);
  EXPECT_EQ(ColorLegendModel::ContrastColor(base::RGB(230, 230, 224)), base::clBlack);
}
