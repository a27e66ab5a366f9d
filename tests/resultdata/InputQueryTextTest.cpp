#include "resultdata/InputQuery.h"

#include "base/Exceptions.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// Number prompts convert with the user's locale; the previous one is restored.
class InputTextInLocale : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(saved_); }
  QLocale saved_;
};

TEST_F(InputTextInLocale, SingleRoundTripsWithTheUsersDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(SingleToInputText(-25.5f), "-25,5");
  EXPECT_EQ(InputTextToSingle(" 0,25 "), 0.25f);
  EXPECT_THROW(InputTextToSingle("0.25"), base::EConvertError);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(SingleToInputText(0.1f), "0.1");
  EXPECT_EQ(InputTextToSingle("1E-3"), 0.001f);
  for (float v : {0.3f, 1234.567f, 3.0e-8f, 7.0e20f})
    EXPECT_EQ(InputTextToSingle(SingleToInputText(v)), v);
  for (const char* text : {"", "abc", "1.5x", "1e39", "-1e39"})
    EXPECT_THROW(InputTextToSingle(text), base::EConvertError) << text;
  try {
    InputTextToSingle("abc");
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), "'abc' is not a valid floating point value");
  }
}

TEST_F(InputTextInLocale, IntegerReadsDecimalAndHexAndRefusesTheRest) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(IntegerToInputText(-12), "-12");
  EXPECT_EQ(InputTextToInteger("16"), 16);
  EXPECT_EQ(InputTextToInteger("$10"), 16);
  for (const char* text : {"", "1,5", "1.5", "ten", "99999999999"})
    EXPECT_THROW(InputTextToInteger(text), base::EConvertError) << text;
}

}  // namespace
