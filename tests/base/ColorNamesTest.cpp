// Colours: 0x00BBGGRR values, the name table, system colours and the text
// forms that legend and session files store.
#include "LocaleScope.h"
#include "base/Colors.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(ColorNames, TextsAreNamesOrHexAndParseBack) {
  const std::pair<base::TColor, const char*> texts[] = {
      {0x0000FF, "clRed"},       {base::clBtnFace, "clBtnFace"},
      {base::clNone, "clNone"},  {base::clSilver, "clSilver"},  // not its alias
      {0x00804020, "$00804020"}, {0xFF000019, "$FF000019"},     // unused system index
  };
  for (const auto& [c, text] : texts) EXPECT_EQ(base::ColorToString(c), text);
  const std::pair<const char*, base::TColor> parsed[] = {
      {"CLRED", base::clRed}, {"clbtnface", base::clBtnFace}, {"$FF00000F", base::clBtnFace},
      {"255", base::clRed},   {"-16777201", base::clBtnFace},  // signed form of 0xFF00000F
  };
  for (const auto& [text, c] : parsed) EXPECT_EQ(base::StringToColor(text), c) << text;
  for (const char* bad : {"clRose", "", "$1FFFFFFFF"})
    EXPECT_THROW(base::StringToColor(bad), base::EConvertError) << bad;
}

TEST(ColorNames, EveryColourRoundTripsThroughItsText) {
  for (const QString& name : base::ColorNames())
    EXPECT_EQ(base::ColorToString(base::StringToColor(name)), name);
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    const base::TColor c = rng();
    EXPECT_EQ(base::StringToColor(base::ColorToString(c)), c);
  }
}

TEST(SystemColours, ResolveThroughTheFixedTableAtTheDrawingBoundary) {
  EXPECT_TRUE(base::IsSystemColor(base::clBtnFace));
  EXPECT_FALSE(base::IsSystemColor(base::clNone));
  EXPECT_EQ(base::ColorToRGB(base::clWindowText), base::clBlack);
  EXPECT_EQ(base::ColorToRGB(0xFF0000FE), base::clBlack);   // index outside the table
  EXPECT_EQ(base::ColorToRGB(base::clNone), base::clNone);  // a marker, not resolved
  EXPECT_EQ(base::ToQColor(base::clBtnFace), QColor(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(base::ToQColor(base::clNone).alpha(), 0);
  EXPECT_EQ(base::FromQColor(QColor(10, 20, 30)), base::RGB(10, 20, 30));
}

}  // namespace
