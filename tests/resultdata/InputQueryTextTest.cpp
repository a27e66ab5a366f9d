#include "resultdata/InputQuery.h"

#include "base/Exceptions.h"

#include <QLocale>

#include <gtest/gtest.h>

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
