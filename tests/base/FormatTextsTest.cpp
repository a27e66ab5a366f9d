// Format builds status, legend and label texts; its rules are pinned under
// the C locale and a German one (',' decimal separator, '.' grouping).
#include "LocaleScope.h"
#include "base/Exceptions.h"
#include "base/Format.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FormatUnderLocales, ConversionsWidthsAndSeparators) {
  struct Case {
    const char* format;
    std::vector<base::FormatArg> args;
    const char* english;
    const char* german;  // nullptr: the English text with '.' and ',' swapped
  };
  const Case cases[] = {
      {"%e", {0.5}, "5.00000000000000E-001", nullptr},
      {"%e", {-1234.5}, "-1.23450000000000E+003", nullptr},
      {"%.1e", {0.25}, "3E-001", nullptr},  // halves round away from zero
      // 273.15 is stored as 273.1499999999999773: four digits give 273.1.
      {"%4.4g ", {273.15}, "273.1 ", nullptr},
      {"%8.4g|", {0.5}, "     0.5|", nullptr},
      {"%g", {0.00001}, "1E-005", nullptr},
      {"%2.3f", {-0.5}, "-0.500", nullptr},
      {"%f", {-0.004}, "0.00", nullptr},  // no "-0.00"
      {"%f", {1e300}, "1E300", nullptr},  // beyond 18 integer digits: general
      {"%7.2f|%-7.2f|", {3.14159, 3.14159}, "   3.14|3.14   |", nullptr},
      {"(%d,%d)=(%2.3fm)", {3, 4, 0.25}, "(3,4)=(0.250m)", "(3,4)=(0,250m)"},
      {"%n", {1234567.891}, "1,234,567.89", nullptr},
      {"%.0n", {-999.5}, "-1,000", nullptr},
      {"%5d|%-5d|%.3d", {42, 42, -7}, "   42|42   |-007", nullptr},
      {"%d|%u", {int64_t{-9000000000}, -1}, "-9000000000|4294967295", nullptr},
      {"%.4x|%x|%X", {255, -1, 0xABCu}, "00FF|FFFFFFFF|ABC", nullptr},
      {"%5s|%-5s|%.2s", {"ab", "ab", "abc"}, "   ab|ab   |ab", nullptr},
      {"%s %s", {QString("m³"), 'x'}, "m³ x", nullptr},
      {"%*d|%-*.*f|", {5, 42, 8, 1, 2.25}, "   42|2.3     |", nullptr},
      {"%1:s %0:s %s", {"a", "b", "c"}, "b a b", nullptr},
      {"100%% %s", {"done"}, "100% done", nullptr},
      {"<%s>", {"%s%n%d%%"}, "<%s%n%d%%>", nullptr},  // user text is never a format
      {"none", {1, 2}, "none", nullptr},              // extra arguments are ignored
  };
  for (bool german : {false, true}) {
    LocaleScope scope(LocaleScope::of(german));
    for (const Case& c : cases) {
      SCOPED_TRACE(c.format);
      const QString english = QString::fromUtf8(c.english);
      EXPECT_EQ(base::FormatList(QString::fromUtf8(c.format), c.args),
                !german    ? english
                : c.german ? QString::fromUtf8(c.german)
                           : swapSeparators(english));
    }
    EXPECT_EQ(base::Format("%.1f", {0.25}, base::FormatSettings::Invariant()), "0.3");
  }
  LocaleScope scope(LocaleScope::german());
  EXPECT_EQ(base::Format("%.2m", {-1234.5}), QString::fromUtf8("-1.234,50\u00a0€"));
}

TEST(FormatRefusesBadInput, MismatchesAndMalformedSpecifiersRaise) {
  const std::pair<const char*, std::vector<base::FormatArg>> bad[] = {
      {"%d", {1.5}},     {"%f", {1}},        {"%s", {1}},        {"%e", {"x"}},     {"%d %d", {1}},
      {"%", {1}},        {"abc %", {1}},     {"%y", {1}},        {"%5-d", {1}},     {"%.", {1.0}},
      {"%2000f", {1.0}}, {"%.2000f", {1.0}}, {"%*d", {5000, 1}}, {"%*d", {1.5, 1}}, {"%p", {1}},
      {"%3:d", {1, 2}},  {"%*:d", {-1, 1}},  {"%x", {0.5}},
  };
  for (const auto& [format, args] : bad)
    EXPECT_THROW(base::FormatList(QString::fromUtf8(format), args), base::EFormatError) << format;
  EXPECT_THROW(base::Format("%d", {0.83}), base::EConvertError);  // callers catch this one
}

TEST(UserNumberFormat, AcceptsExactlyOneFloatConversionWithText) {
  for (const char* ok : {"%4.4g ", "%.2f m", "%e", "x=%8.3f%%", "%0:f", "%-10.3n", "(%g)"})
    EXPECT_TRUE(base::IsSingleFloatFormat(QString::fromUtf8(ok))) << ok;
  for (const char* no : {"%d", "%s", "%f %f", "abc", "", "%*f", "%.*f", "%1:f", "%.2f %", "%2000f",
                         "%x", "%f%d", "%q"})
    EXPECT_FALSE(base::IsSingleFloatFormat(QString::fromUtf8(no))) << no;
}

}  // namespace
