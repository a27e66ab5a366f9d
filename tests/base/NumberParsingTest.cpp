// Reading numbers: the locale's separator, the conversion error texts, the
// tolerant reader for files, integers with "$hex", and random round trips.
#include "LocaleScope.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/FormatFloat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

namespace {

TEST(StrToFloatWithLocale, UsesOnlyTheLocaleDecimalSeparator) {
  {
    LocaleScope scope(LocaleScope::english());
    EXPECT_EQ(base::StrToFloat("1.5"), 1.5);
    EXPECT_EQ(base::StrToFloat("  -2.5e3 "), -2500.0);
    EXPECT_EQ(base::StrToFloat("+.5"), 0.5);
    EXPECT_EQ(base::StrToFloat("5."), 5.0);
    EXPECT_EQ(base::StrToFloat("1E-999"), 0.0);
    EXPECT_TRUE(std::isinf(base::StrToFloat("-inf")));
    EXPECT_TRUE(std::isnan(base::StrToFloat("NAN")));
    EXPECT_THROW(base::StrToFloat("1,5"), base::EConvertError);
    EXPECT_THROW(base::StrToFloat("1,000.5"), base::EConvertError);
  }
  {
    LocaleScope scope(LocaleScope::german());
    EXPECT_EQ(base::StrToFloat("1,5"), 1.5);
    EXPECT_THROW(base::StrToFloat("1.5"), base::EConvertError);
  }
}

TEST(StrToFloatWithLocale, RejectsWhatIsNoNumber) {
  LocaleScope scope(LocaleScope::english());
  for (const char* bad : {"", " ", "abc", ".", "-", "1e", "1e+", "1.2.3", "0x10", "1 2", "1e999",
                          "--1", "١٢", "12abc", "e5"}) {
    double v = 42;
    EXPECT_FALSE(base::TryStrToFloat(QString::fromUtf8(bad), v)) << bad;
    EXPECT_EQ(v, 42);
  }
  try {
    base::StrToFloat("abc");
    FAIL();
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("'abc' is not a valid floating point value"));
  }
}

TEST(TolerantFloatReader, ReadsEitherSeparatorUnderEitherLocale) {
  for (const QLocale& l : {LocaleScope::english(), LocaleScope::german()}) {
    LocaleScope scope(l);
    EXPECT_EQ(base::TolerantStrToFloat("0,5"), 0.5);
    EXPECT_EQ(base::TolerantStrToFloat("0.5"), 0.5);
    EXPECT_EQ(base::TolerantStrToFloat("-1,25E2"), -125.0);
    double v;
    EXPECT_FALSE(base::TryTolerantStrToFloat("1.234,5", v));
    EXPECT_THROW(base::TolerantStrToFloat("x"), base::EConvertError);
  }
}

TEST(StrToIntRules, DecimalHexAndRange) {
  EXPECT_EQ(base::StrToInt("$1F"), 31);
  EXPECT_EQ(base::StrToInt("0x1f"), 31);
  EXPECT_EQ(base::StrToInt("-12"), -12);
  EXPECT_EQ(base::StrToInt("  7"), 7);
  EXPECT_EQ(base::StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(base::StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(base::StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(base::StrToInt64("-9223372036854775808"), INT64_MIN);
  for (const char* bad : {"", "7 ", "2147483648", "$", "0x", "$1FFFFFFFF", "1.0", "abc", "+-1"})
    EXPECT_THROW(base::StrToInt(bad), base::EConvertError) << bad;
  EXPECT_THROW(base::StrToInt64("9223372036854775808"), base::EConvertError);
  EXPECT_EQ(base::StrToIntDef("x", 5), 5);
  try {
    base::StrToInt64("12a");
    FAIL();
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("'12a' is not a valid integer value"));
  }
  EXPECT_EQ(base::IntToHex(255, 4), QStringLiteral("00FF"));
  EXPECT_EQ(base::IntToHex(-1, 2), QStringLiteral("FFFFFFFFFFFFFFFF"));
  EXPECT_EQ(base::IntToStr(-5), QStringLiteral("-5"));
}

double randomFinite(std::mt19937_64& rng) {
  for (;;) {
    const uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) return d;
  }
}

void roundTrips(const QLocale& l) {
  LocaleScope scope(l);
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 10000; ++i) {
    // Half from raw bit patterns (every magnitude), half of ordinary size.
    const double x = i % 2 ? randomFinite(rng) : mantissa(rng) * std::pow(10.0, exponent(rng));
    const QString s = base::FloatToStr(x);
    double y = 0;
    ASSERT_TRUE(base::TryStrToFloat(s, y)) << s.toStdString();
    ASSERT_EQ(base::FloatToStr(y), s);
    if (std::fabs(x) >= DBL_MIN) {
      ASSERT_LE(std::fabs(y - x), 6e-15 * std::fabs(x)) << s.toStdString();
    }
    // Seventeen digits identify every double exactly.
    ASSERT_EQ(base::StrToFloat(base::FloatToStrF(x, base::ffGeneral, 17, 0)), x);
  }
}

TEST(FloatTextRoundTrip, TenThousandRandomDoublesEnglish) {
  roundTrips(LocaleScope::english());
}

TEST(FloatTextRoundTrip, TenThousandRandomDoublesGerman) {
  roundTrips(LocaleScope::german());
}

TEST(FloatTextRoundTrip, LargestDoubleReadsBackThoughRoundedUp) {
  EXPECT_EQ(base::StrToFloat(base::FloatToStr(DBL_MAX)), DBL_MAX);
  EXPECT_EQ(base::StrToFloat(base::FloatToStr(-DBL_MAX)), -DBL_MAX);
  EXPECT_THROW(base::StrToFloat("1.8E308"), base::EConvertError);
}

}  // namespace
