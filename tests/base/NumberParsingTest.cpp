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
  LocaleScope scope(LocaleScope::english());
  for (const auto& [text, value] :
       {std::pair{"  -2.5e3 ", -2500.0}, {"+.5", 0.5}, {"5.", 5.0}, {"1E-999", 0.0}})
    EXPECT_EQ(base::StrToFloat(text), value) << text;
  EXPECT_TRUE(std::isinf(base::StrToFloat("-inf")));
  EXPECT_TRUE(std::isnan(base::StrToFloat("NAN")));
  for (const char* bad : {"", " ", ".", "-", "1e", "1e+", "1.2.3", "0x10", "1 2", "1e999", "--1",
                          "١٢", "12abc", "e5", "1,5", "1,000.5", "1.8E308"}) {
    double v = 42;
    EXPECT_FALSE(base::TryStrToFloat(QString::fromUtf8(bad), v)) << bad;
    EXPECT_EQ(v, 42);
  }
  LocaleScope german(LocaleScope::german());
  EXPECT_EQ(base::StrToFloat("1,5"), 1.5);
  EXPECT_THROW(base::StrToFloat("1.5"), base::EConvertError);
}

TEST(TolerantFloatReader, ReadsEitherSeparatorUnderEitherLocale) {
  for (bool german : {false, true}) {
    LocaleScope scope(LocaleScope::of(german));
    EXPECT_EQ(base::TolerantStrToFloat("0,5"), 0.5);
    EXPECT_EQ(base::TolerantStrToFloat("0.5"), 0.5);
    EXPECT_EQ(base::TolerantStrToFloat("-1,25E2"), -125.0);
    double v;
    EXPECT_FALSE(base::TryTolerantStrToFloat("1.234,5", v));
    EXPECT_THROW(base::TolerantStrToFloat("x"), base::EConvertError);
  }
}

TEST(StrToIntRules, DecimalHexAndRange) {
  const std::pair<const char*, int> ok[] = {
      {"$1F", 31},      {"0x1f", 31}, {"-12", -12}, {"  7", 7}, {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1}};
  for (const auto& [text, value] : ok) EXPECT_EQ(base::StrToInt(text), value) << text;
  for (const char* bad : {"", "7 ", "2147483648", "$", "0x", "$1FFFFFFFF", "1.0", "abc", "+-1"})
    EXPECT_THROW(base::StrToInt(bad), base::EConvertError) << bad;
  EXPECT_EQ(base::StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(base::StrToInt64("9223372036854775808"), base::EConvertError);
  EXPECT_EQ(base::StrToIntDef("x", 5), 5);
  EXPECT_EQ(base::IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
}

double randomFinite(std::mt19937_64& rng) {
  for (;;) {
    const uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) return d;
  }
}

TEST(FloatTextRoundTrip, TenThousandRandomDoublesInBothLocales) {
  for (bool german : {false, true}) {
    LocaleScope scope(LocaleScope::of(german));
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
      ASSERT_LE(std::fabs(y - x), std::fabs(x) >= DBL_MIN ? 6e-15 * std::fabs(x) : DBL_MIN)
          << s.toStdString();
      // Seventeen digits identify every double exactly.
      ASSERT_EQ(base::StrToFloat(base::FloatToStrF(x, base::ffGeneral, 17, 0)), x);
    }
    // The largest double prints rounded up yet reads back.
    EXPECT_EQ(base::StrToFloat(base::FloatToStr(-DBL_MAX)), -DBL_MAX);
  }
}

}  // namespace
