// Format builds status, legend and label texts; its rules are pinned under
// the C locale and a German one (',' decimal separator, '.' grouping).
#include "LocaleScope.h"
#include "base/Exceptions.h"
#include "base/Format.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Case {
  const char* format;
  std::vector<base::FormatArg> args;
  const char* english;
  const char* german;  // nullptr: the English text with '.' and ',' swapped
};

QString swapSeparators(const QString& s) {
  QString r = s;
  for (QChar& c : r) {
    if (c == QLatin1Char('.'))
      c = QLatin1Char(',');
    else if (c == QLatin1Char(','))
      c = QLatin1Char('.');
  }
  return r;
}

const std::vector<Case>& cases() {
  static const std::vector<Case> table = {
      {"%e", {0.5}, "5.00000000000000E-001", nullptr},
      {"%e", {0.0}, "0.00000000000000E+000", nullptr},
      {"%e", {-1234.5}, "-1.23450000000000E+003", nullptr},
      {"%.3e", {1e100}, "1.00E+100", nullptr},
      {"%.1e", {0.25}, "3E-001", nullptr},  // halves round away from zero
      // 273.15 is stored as 273.1499999999999773: four digits give 273.1.
      {"%4.4g ", {273.15}, "273.1 ", nullptr},
      {"%4.4g ", {273.25}, "273.3 ", nullptr},
      {"%8.4g|", {0.5}, "     0.5|", nullptr},
      {"%g", {1e20}, "1E020", nullptr},
      {"%g", {0.0001}, "0.0001", nullptr},
      {"%g", {0.00001}, "1E-005", nullptr},
      {"%g", {1.0 / 3}, "0.333333333333333", nullptr},
      {"%2.3f", {-0.5}, "-0.500", nullptr},
      {"%f", {1.0}, "1.00", nullptr},
      {"%f", {-0.004}, "0.00", nullptr},  // no "-0.00"
      {"%.0f", {2.5}, "3", nullptr},
      {"%.1f", {0.05}, "0.1", nullptr},
      {"%7.2f|%-7.2f|", {3.14159, 3.14159}, "   3.14|3.14   |", nullptr},
      {"(%d,%d)=(%2.3fm,%2.3fm)",
       {3, 4, 0.25, 1.5},
       "(3,4)=(0.250m,1.500m)",
       "(3,4)=(0,250m,1,500m)"},
      {"%n", {1234567.891}, "1,234,567.89", nullptr},
      {"%.0n", {-999.5}, "-1,000", nullptr},
      {"%5d|%-5d|%.3d|%.3d", {42, 42, 7, -7}, "   42|42   |007|-007", nullptr},
      {"%d", {int64_t{-9000000000}}, "-9000000000", nullptr},
      {"%u|%u", {-1, 7u}, "4294967295|7", nullptr},
      {"%x|%.4x|%x|%X", {255, 255, -1, 0xABCu}, "FF|00FF|FFFFFFFF|ABC", nullptr},
      {"%s|%5s|%-5s|%.2s", {"abc", "ab", "ab", "abc"}, "abc|   ab|ab   |ab", nullptr},
      {"%s %s", {QString("m³"), 'x'}, "m³ x", nullptr},
      {"%*d|%-*.*f|", {5, 42, 8, 1, 2.25}, "   42|2.3     |", nullptr},
      {"%1:s %0:s %s", {"a", "b", "c"}, "b a b", nullptr},
      {"100%% %s", {"done"}, "100% done", nullptr},
      {"no conversions", {1, 2}, "no conversions", nullptr},  // extra arguments are ignored
      {"%D %F %G", {1, 1.5, 2.5}, "1 1.50 2.5", nullptr},
      {"%f", {1e300}, "1E300", nullptr},  // beyond 18 integer digits: general
  };
  return table;
}

void checkAll(bool german) {
  for (const Case& c : cases()) {
    const QString expected = german ? (c.german ? QString::fromUtf8(c.german)
                                                : swapSeparators(QString::fromUtf8(c.english)))
                                    : QString::fromUtf8(c.english);
    EXPECT_EQ(base::FormatList(QString::fromUtf8(c.format), c.args).toStdString(),
              expected.toStdString())
        << c.format;
  }
}

TEST(FormatUnderLocales, EnglishSeparators) {
  LocaleScope scope(LocaleScope::english());
  checkAll(false);
}

TEST(FormatUnderLocales, GermanSeparators) {
  LocaleScope scope(LocaleScope::german());
  checkAll(true);
  EXPECT_EQ(base::Format("%.2m", {-1234.5}), QString::fromUtf8("-1.234,50\u00a0€"));
  EXPECT_EQ(base::Format("%m", {3.0}), QString::fromUtf8("3,00\u00a0€"));
}

TEST(FormatUnderLocales, ExplicitSettingsOverrideTheLocale) {
  LocaleScope scope(LocaleScope::german());
  EXPECT_EQ(base::Format("%.1f", {0.25}, base::FormatSettings::Invariant()), QStringLiteral("0.3"));
}

TEST(FormatRefusesBadInput, MismatchesAndMalformedSpecifiersRaise) {
  struct Bad {
    const char* format;
    std::vector<base::FormatArg> args;
  };
  const Bad bad[] = {
      {"%d", {1.5}},     {"%f", {1}},        {"%s", {1}},        {"%e", {"x"}},     {"%d %d", {1}},
      {"%", {1}},        {"abc %", {1}},     {"%y", {1}},        {"%5-d", {1}},     {"%.", {1.0}},
      {"%2000f", {1.0}}, {"%.2000f", {1.0}}, {"%*d", {5000, 1}}, {"%*d", {1.5, 1}}, {"%p", {1}},
      {"%3:d", {1, 2}},  {"%*:d", {-1, 1}},  {"%x", {0.5}},
  };
  for (const Bad& b : bad) {
    EXPECT_THROW(base::FormatList(QString::fromUtf8(b.format), b.args), base::EFormatError)
        << b.format;
  }
  try {
    base::Format("%d", {0.83});
    FAIL();
  } catch (const base::EConvertError& e) {  // a format error is a conversion error
    EXPECT_EQ(e.message(), QStringLiteral("Format '%d' invalid or incompatible with argument"));
  }
  try {
    base::Format("%s and %s", {"one"});
    FAIL();
  } catch (const base::EFormatError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("No argument for format '%s and %s'"));
  }
}

TEST(FormatRefusesBadInput, UserTextIsNeverInterpretedAsFormat) {
  // A text argument full of specifiers is copied as it is.
  EXPECT_EQ(base::Format("<%s>", {"%s%n%d%%"}), QStringLiteral("<%s%n%d%%>"));
  int local = 0;
  EXPECT_EQ(base::Format("%p", {static_cast<const void*>(&local)}).size(),
            static_cast<qsizetype>(sizeof(void*) * 2));
}

TEST(UserNumberFormat, AcceptsExactlyOneFloatConversionWithText) {
  for (const char* ok : {"%4.4g ", "%.2f m", "%e", "x=%8.3f%%", "%0:f", "%-10.3n", "(%g)"})
    EXPECT_TRUE(base::IsSingleFloatFormat(QString::fromUtf8(ok))) << ok;
  for (const char* no : {"%d", "%s", "%f %f", "abc", "", "%*f", "%.*f", "%1:f", "%.2f %", "%2000f",
                         "%x", "%f%d", "%q"})
    EXPECT_FALSE(base::IsSingleFloatFormat(QString::fromUtf8(no))) << no;
}

}  // namespace
