// FloatToStr, FloatToStrF and FormatFloat picture formats under two locales.
#include "LocaleScope.h"
#include "base/FormatFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

QString swapSeparators(QString r) {
  for (QChar& c : r) {
    if (c == QLatin1Char('.'))
      c = QLatin1Char(',');
    else if (c == QLatin1Char(','))
      c = QLatin1Char('.');
  }
  return r;
}

struct Picture {
  const char* format;
  double value;
  const char* english;
};

// Texts under the C locale; the German ones swap '.' and ','.
const Picture kPictures[] = {
    {"#,##0.###", 1234567.891, "1,234,567.891"},
    {"#,##0.###", 0.5, "0.5"},
    {"#,##0.###", -1234.0, "-1,234"},
    {"0.00 %", 0.5, "0.50 %"},  // '%' is text: callers pass percent values
    {"##0.## %", 33.3333, "33.33 %"},
    {"0", 2.5, "3"},
    {"0", -2.5, "-3"},
    {"0", 0.0, "0"},
    {"#", 0.0, ""},
    {"#.##", 0.5, ".5"},
    {"#.##", 1.0, "1"},
    {"0.###", 1.2, "1.2"},
    {"000", 5.0, "005"},
    {"#,##0", 999.5, "1,000"},
    {"#,##0", 1234567890.0, "1,234,567,890"},
    {"0.0", -0.04, "0.0"},
    {"#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)"},
    {"#,##0.00;(#,##0.00)", 1234.5, "1,234.50"},
    {"0.00;-0.00;'zero'", 0.0, "zero"},
    {"0.00;-0.00;\"zero\"", 0.001, "zero"},  // shows as zero: the zero section
    {"0.00;;zero", -2.0, "-2.00"},           // empty negative section: the first one
    {"0.00E+00", 12345.0, "1.23E+04"},
    {"0.00E+00", -0.00012345, "-1.23E-04"},
    {"0.00E-00", 12345.0, "1.23E04"},
    {"00e-0", 1234.0, "12e2"},
    {"#.0 \"x10\" E+0", 1234.0, "1.2 x10 E+3"},
    {"#.# x10E-#", 1234.0, "1.2 x13E3"},  // an unquoted 0 is a digit place, even in text
    {"#.# x10E-#", 0.0012, "1.2 x10E-3"},
    {"0.0E+0", 0.0, "0.0E+0"},
    {"'Value: '0.0' m'", 2.25, "Value: 2.3 m"},
    {"0.0", 1e20, "1E20"},  // too many integer digits: general format
    {"", 0.1, "0.1"},
};

void checkPictures(bool german) {
  for (const Picture& p : kPictures) {
    const QString expected = QString::fromUtf8(p.english);
    EXPECT_EQ(base::FormatFloat(QString::fromUtf8(p.format), p.value).toStdString(),
              (german ? swapSeparators(expected) : expected).toStdString())
        << p.format << " " << p.value;
  }
}

TEST(FormatFloatPictures, EnglishSeparators) {
  LocaleScope scope(LocaleScope::english());
  checkPictures(false);
}

TEST(FormatFloatPictures, GermanSeparators) {
  LocaleScope scope(LocaleScope::german());
  checkPictures(true);
}

TEST(FloatToStrGeneral, FifteenDigitsShorterOfFixedAndScientific) {
  LocaleScope scope(LocaleScope::english());
  struct Case {
    double v;
    const char* text;
  };
  const Case cases[] = {{0.5, "0.5"},
                        {273.15, "273.15"},
                        {-0.1, "-0.1"},
                        {0.0, "0"},
                        {1.0 / 3, "0.333333333333333"},
                        {0.0001, "0.0001"},
                        {0.00001, "1E-5"},
                        {1.5e-7, "1.5E-7"},
                        {123456789012345.0, "123456789012345"},
                        {1e15, "1E15"},
                        {1.5e20, "1.5E20"},
                        {0.1 + 0.2, "0.3"},
                        {DBL_MAX, "1.79769313486232E308"},
                        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
                        {std::numeric_limits<double>::infinity(), "INF"},
                        {-std::numeric_limits<double>::infinity(), "-INF"}};
  for (const Case& c : cases) EXPECT_EQ(base::FloatToStr(c.v).toStdString(), c.text) << c.v;
}

TEST(FloatToStrGeneral, ExplicitFormatsPrecisionAndDigits) {
  LocaleScope scope(LocaleScope::german());
  EXPECT_EQ(base::FloatToStrF(1234.5678, base::ffGeneral, 4, 8), QStringLiteral("1235"));
  EXPECT_EQ(base::FloatToStrF(0.000123, base::ffExponent, 3, 2), QStringLiteral("1,23E-04"));
  EXPECT_EQ(base::FloatToStrF(5.0, base::ffExponent, 1, 0), QStringLiteral("5E+0"));
  EXPECT_EQ(base::FloatToStrF(1234.5, base::ffFixed, 15, 2), QStringLiteral("1234,50"));
  EXPECT_EQ(base::FloatToStrF(1234.5, base::ffNumber, 15, 2), QStringLiteral("1.234,50"));
  EXPECT_EQ(base::FloatToStrF(0.999, base::ffFixed, 15, 2), QStringLiteral("1,00"));
  EXPECT_EQ(base::FloatToStrF(99.96, base::ffFixed, 3, 1), QStringLiteral("100,0"));
  EXPECT_EQ(base::FloatToStrF(12345.0, base::ffFixed, 3, 1), QStringLiteral("1,23E4"));
  EXPECT_EQ(base::FloatToStrF(1.0, base::ffFixed, 15, 99), QString("1,") + QString(18, '0'));
}

}  // namespace
