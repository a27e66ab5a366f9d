// Start dates, coordinate search, number prompts and the program version text.
#include "resultdata/FileVersion.h"
#include "resultdata/InputQuery.h"
#include "resultdata/SearchSortedSingles.h"
#include "resultdata/StartDate.h"

#include "base/Exceptions.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

TEST(StartDateText, ReadsDayMonthOptionalYearAndTimeAndRefusesTheRest) {
  const base::TDateTime christmas = base::EncodeDate(1999, 12, 24) + base::EncodeTime(13, 45, 0, 0);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.1999_13.45"), christmas);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12.99_13.45"), christmas);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("  1.1.2000_0.0 "), 36526.0);
  EXPECT_DOUBLE_EQ(DateTextToDateTime("24.12_13.45"),  // no year: 1991
                   base::EncodeDate(1991, 12, 24) + base::EncodeTime(13, 45, 0, 0));
  EXPECT_EQ(DateTextToDateTime(""), -1.0);
  EXPECT_EQ(DateTextToDateTime("   "), -1.0);
  for (const char* text : {"24.12_13", "24.12.1999_13", "24", "24.12.1999", "x.12.1999_13.45",
                           "24.12.1999_13.45h", "24.$C.1999_13.45", "31.2.1999_13.45",
                           "24.12.1999_25.00", "24.12.1999_13.60", "99999999999.1.2000_0.0"})
    EXPECT_THROW(DateTextToDateTime(text), base::EConvertError) << text;
}

// The number of entries below the value (compared as doubles); an exact hit
// gives the first equal entry; an empty array is never read.
TEST(SortedCoordinateSearch, CountsEntriesBelowTheValueInDoublePrecision) {
  const float values[] = {0, 1, 3, 3, 7};
  const double probes[] = {-1, 0, 0.5, 1, 2, 3, 5, 7, 8};
  const int expected[] = {0, 0, 1, 1, 2, 2, 4, 4, 5};
  for (std::size_t n = 0; n < std::size(probes); ++n)
    EXPECT_EQ(SearchSortedSingles(values, 5, probes[n]), expected[n]) << probes[n];
  EXPECT_EQ(SearchSortedSingles(values, 3, 5), 3);  // over (0, 1, 3): past the end
  EXPECT_EQ(SearchSortedSingles(nullptr, 0, 1.0), 0);
  EXPECT_EQ(SearchSortedSingles(nullptr, -3, 1.0), 0);
  const float tenths[] = {0.1f, 0.2f};
  EXPECT_EQ(SearchSortedSingles(tenths, 2, 0.1), 0);  // 0.1 < 0.1f as doubles
  EXPECT_EQ(SearchSortedSingles(tenths, 2, double(0.2f)), 1);
  EXPECT_EQ(SearchSortedSingles(tenths, 2, std::nan("")), 2);
}

// Number prompts convert with the user's locale.
TEST(InputTextInLocale, NumbersRoundTripWithTheUsersSeparatorAndRefuseTheRest) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(SingleToInputText(-25.5f), "-25,5");
  EXPECT_EQ(InputTextToSingle(" 0,25 "), 0.25f);
  EXPECT_EQ(IntegerToInputText(-12), "-12");
  EXPECT_EQ(InputTextToInteger("$10"), 16);
  for (const char* text : {"0.25", "", "1.5x"})
    EXPECT_THROW(InputTextToSingle(text), base::EConvertError) << text;
  for (const char* text : {"", "1,5", "1.5", "ten", "99999999999"})
    EXPECT_THROW(InputTextToInteger(text), base::EConvertError) << text;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(SingleToInputText(0.1f), "0.1");
  EXPECT_EQ(InputTextToSingle("1E-3"), 0.001f);
  for (float v : {0.3f, 1234.567f, 3.0e-8f, 7.0e20f})
    EXPECT_EQ(InputTextToSingle(SingleToInputText(v)), v);
  for (const char* text : {"abc", "1e39", "-1e39"})
    EXPECT_THROW(InputTextToSingle(text), base::EConvertError) << text;
  try {
    InputTextToSingle("abc");
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), "'abc' is not a valid floating point value");
  }
  QLocale::setDefault(saved);
}

TEST(FileVersionText, OwnProgramInFourPartsOtherFileEmptyMissingFileMinusOne) {
  const QString text = GetFileVersionText(QString());
  EXPECT_TRUE(text.startsWith(QStringLiteral(VELTRANO_VERSION))) << text.toStdString();
  EXPECT_EQ(text.count(QLatin1Char('.')), 3);
  EXPECT_EQ(GetFileVersionText(QCoreApplication::applicationFilePath()), text);
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  EXPECT_EQ(GetFileVersionText(file.fileName()), QString());
  EXPECT_EQ(GetFileVersionText(file.fileName() + QStringLiteral(".missing")), "-1");
}
