// Colours: 0x00BBGGRR values, the name table, system colours and the text
// forms that legend and session files store.
#include "QStringPrinter.h"
#include "base/Colors.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(ColorNames, NamedColoursUseTheirNames) {
  EXPECT_EQ(base::ColorToString(base::clRed), QStringLiteral("clRed"));
  EXPECT_EQ(base::ColorToString(0x0000FF), QStringLiteral("clRed"));
  EXPECT_EQ(base::ColorToString(base::clBtnFace), QStringLiteral("clBtnFace"));
  EXPECT_EQ(base::ColorToString(base::clNone), QStringLiteral("clNone"));
  EXPECT_EQ(base::ColorToString(base::clDefault), QStringLiteral("clDefault"));
  EXPECT_EQ(base::ColorToString(base::clSilver), QStringLiteral("clSilver"));  // not its alias
  EXPECT_EQ(base::ColorToString(base::clMoneyGreen), QStringLiteral("clMoneyGreen"));
}

TEST(ColorNames, UnnamedColoursAreEightHexDigits) {
  EXPECT_EQ(base::ColorToString(base::RGB(0x20, 0x40, 0x80)), QStringLiteral("$00804020"));
  EXPECT_EQ(base::ColorToString(0x00ABCDEF), QStringLiteral("$00ABCDEF"));
  EXPECT_EQ(base::ColorToString(0xFF000019), QStringLiteral("$FF000019"));  // unused index
}

TEST(ColorNames, TextsParseAsNameHexOrDecimal) {
  EXPECT_EQ(base::StringToColor("clRed"), base::clRed);
  EXPECT_EQ(base::StringToColor("CLRED"), base::clRed);
  EXPECT_EQ(base::StringToColor("clbtnface"), base::clBtnFace);
  EXPECT_EQ(base::StringToColor("$00804020"), 0x00804020u);
  EXPECT_EQ(base::StringToColor("$FF00000F"), base::clBtnFace);
  EXPECT_EQ(base::StringToColor("255"), base::clRed);
  EXPECT_EQ(base::StringToColor("-16777201"), base::clBtnFace);  // signed form of 0xFF00000F
  EXPECT_EQ(base::StringToColor("536870912"), base::clDefault);
  EXPECT_THROW(base::StringToColor("clRose"), base::EConvertError);
  EXPECT_THROW(base::StringToColor(""), base::EConvertError);
  EXPECT_THROW(base::StringToColor("$1FFFFFFFF"), base::EConvertError);  // 33 bits
  try {
    base::StringToColor("blau");
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("'blau' is not a valid integer value"));
  }
}

TEST(ColorNames, EveryColourRoundTripsThroughItsText) {
  for (const QString& name : base::ColorNames()) {
    const base::TColor c = base::StringToColor(name);
    EXPECT_EQ(base::ColorToString(c), name);
  }
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    const base::TColor c = rng();
    EXPECT_EQ(base::StringToColor(base::ColorToString(c)), c);
  }
}

TEST(SystemColours, ResolveThroughTheFixedTable) {
  EXPECT_TRUE(base::IsSystemColor(base::clBtnFace));
  EXPECT_FALSE(base::IsSystemColor(base::clWhite));
  EXPECT_FALSE(base::IsSystemColor(base::clNone));
  EXPECT_EQ(base::ColorToRGB(base::clWindow), base::clWhite);
  EXPECT_EQ(base::ColorToRGB(base::clWindowText), base::clBlack);
  EXPECT_EQ(base::ColorToRGB(base::clBtnFace), base::RGB(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(base::ColorToRGB(0xFF0000FE), base::clBlack);  // index outside the table
  EXPECT_EQ(base::ColorToRGB(base::clNavy), base::clNavy);
  EXPECT_EQ(base::ColorToRGB(base::clNone), base::clNone);  // a marker, not resolved
}

TEST(SystemColours, QColorOnlyAtTheDrawingBoundary) {
  EXPECT_EQ(base::ToQColor(base::clRed), QColor(255, 0, 0));
  EXPECT_EQ(base::ToQColor(base::RGB(1, 2, 3)), QColor(1, 2, 3));
  EXPECT_EQ(base::ToQColor(base::clBtnFace), QColor(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(base::ToQColor(base::clNone).alpha(), 0);
  EXPECT_EQ(base::FromQColor(QColor(10, 20, 30)), base::RGB(10, 20, 30));
  EXPECT_EQ(base::GetRValue(base::clSkyBlue), 0xA6);
  EXPECT_EQ(base::GetGValue(base::clSkyBlue), 0xCA);
  EXPECT_EQ(base::GetBValue(base::clSkyBlue), 0xF0);
}

}  // namespace
