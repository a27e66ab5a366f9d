// Windows-1252 conversion of texts stored in files.
#include "LocaleScope.h"
#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252Text, EveryByteAndTheSpecialCharactersRoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = base::FromCp1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(base::ToCp1252(text), all);
  EXPECT_EQ(base::FromCp1252("\xB0\xB2\xB3\x80\x96\x9F"), QString::fromUtf8("°²³€–Ÿ"));
  EXPECT_EQ(base::ToCp1252(QString::fromUtf8("[kg/m³] °C „x“")), QByteArray("[kg/m\xB3] \xB0"
                                                                            "C \x84x\x93"));
}

TEST(Cp1252Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(base::ToCp1252(QString::fromUtf8("中a")), QByteArray("?a"));
  EXPECT_EQ(base::ToCp1252(QString::fromUtf8("x😀y")), QByteArray("x?y"));  // one per character
  EXPECT_EQ(base::ToCp1252(QString(QChar(0xD800))), QByteArray("?"));      // lone surrogate
}

}  // namespace
