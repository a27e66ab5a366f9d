#include "resultdata/StartDate.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

base::TDateTime at(int year, int month, int day, int hour, int minute) {
  return base::EncodeDate(year, month, day) + base::EncodeTime(hour, minute, 0, 0);
}

TEST(StartDateText, ReadsDayMonthYearAndTime) {
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.1999_13.45"), at(1999, 12, 24, 13, 45));
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.99_13.45"), at(1999, 12, 24, 13, 45));
  EXPECT_DOUBLE_EQ(DateTextToDateTime("  1.1.2000_0.0 "), at(2000, 1, 1, 0, 0));
  EXPECT_DOUBLE_EQ(DateTextToDateTime("1.1.2000_0.0"), 36526.0);
}

TEST(StartDateText, WithoutYearMeans1991) {
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12_13.45"), at(1991, 12, 24, 13, 45));
}

TEST(StartDateText, EmptyTextHasNoDate) {
  EXPECT_EQ(DateTextToDateTime(""), -1.0);
  EXPECT_EQ(DateTextToDateTime("   "), -1.0);
}

TEST(StartDateText, MalformedOrImpossibleTextRaisesConversionError) {
  for (const char* text : {"24.12_13", "24.12.1999_13", "24", "24.12.1999", "x.12.1999_13.45",
                           "24.12.1999_13.45h", "24.$C.1999_13.45", "31.2.1999_13.45",
                           "24.12.1999_25.00", "24.12.1999_13.60", "99999999999.1.2000_0.0"})
    EXPECT_THROW(DateTextToDateTime(text), base::EConvertError) << text;
}

}  // namespace
