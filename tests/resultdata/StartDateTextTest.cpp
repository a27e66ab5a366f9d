#include "resultdata/StartDate.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(StartDateText, ReadsDayMonthOptionalYearAndTime) {
  const base::TDateTime christmas = base::EncodeDate(1999, 12, 24) + base::EncodeTime(13, 45, 0, 0);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.1999_13.45"), christmas);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.99_13.45"), christmas);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("  1.1.2000_0.0 "), 36526.0);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12_13.45"),  // no year: 1991
                   base::EncodeDate(1991, 12, 24) + base::EncodeTime(13, 45, 0, 0));
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
