// FloatToStr, FloatToStrF and FormatFloat picture formats under two locales.
#include "LocaleScope.h"
#include "base/FormatFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace {

TEST(FormatFloatPictures, SectionsDigitPlacesExponentsAndText) {
  struct Picture {
    const char* format;
    double value;
    const char* english;  // the German text swaps '.' and ','
  };
  const Picture pictures[] = {
      {"#,##0.###", 1234567.891, "1,234,567.891"},
      {"#,##0.###", -1234.0, "-1,234"},
      {"0.00 %", 0.5, "0.50 %"},  // '%' is text: callers pass percent values
      {"0", -2.5, "-3"},
      {"#", 0.0, ""},
      {"#,##0", 999.5, "1,000"},
      {"0.0", -0.04, "0.0"},
      {"#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)"},
      {"0.00;-0.00;'zero'", 0.001, "zero"},  // shows as zero: the zero section
      {"0.00;;zero", -2.0, "-2.00"},         // empty negative section: the first one
      {"0.00E+00", -0.00012345, "-1.23E-04"},
      {"0.00E-00", 12345.0, "1.23E04"},
      {"#.0 \"x10\" E+0", 1234.0, "1.2 x10 E+3"},
      {"#.# x10E-#", 1234.0, "1.2 x13E3"},  // an unquoted 0 is a digit place, even in text
      {"'Value: '0.0' m'", 2.25, "Value: 2.3 m"},
      {"0.0", 1e20, "1E20"},  // too many integer digits: general format
      {"", 0.1, "0.1"},
  };
  for (bool german : {false, true}) {
    LocaleScope scope(LocaleScope::of(german));
    for (const Picture& p : pictures) {
      const QString english = QString::fromUtf8(p.english);
      EXPECT_EQ(base::FormatFloat(QString::fromUtf8(p.format), p.value),
                german ? swapSeparators(english) : english)
          << p.format << " " << p.value;
    }
  }
}

TEST(FloatToStrGeneral, FifteenDigitsShorterOfFixedAndScientific) {
  LocaleScope scope(LocaleScope::english());
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, const char*> cases[] = {
      {273.15, "273.15"}, {0.0, "0"},   {0.0001, "0.0001"}, {1.5e-7, "1.5E-7"},
      {1e15, "1E15"},     {nan, "NAN"}, {0.1 + 0.2, "0.3"}, {1e15 - 1, "999999999999999"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(base::FloatToStr(v), text) << v;
  EXPECT_EQ(base::FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(base::FloatToStr(-DBL_MAX), "-1.79769313486232E308");

  LocaleScope german(LocaleScope::german());
  EXPECT_EQ(base::FloatToStrF(1234.5678, base::ffGeneral, 4, 8), "1235");
  EXPECT_EQ(base::FloatToStrF(0.000123, base::ffExponent, 3, 2), "1,23E-04");
  EXPECT_EQ(base::FloatToStrF(1234.5, base::ffNumber, 15, 2), "1.234,50");
  EXPECT_EQ(base::FloatToStrF(99.96, base::ffFixed, 3, 1), "100,0");
  EXPECT_EQ(base::FloatToStrF(12345.0, base::ffFixed, 3, 1), "1,23E4");
  EXPECT_EQ(base::FloatToStrF(1.0, base::ffFixed, 15, 99), QString("1,") + QString(18, '0'));
}

}  // namespace
