#include "viewer/widgets/TQuroProgressModel.h"

#include "base/DateTime.h"
#include "tests/viewer/LocaleGuard.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using base::EncodeDate;
using base::EncodeTime;

TQuroProgressModel Strip() {
  return TQuroProgressModel([] { return EncodeDate(2026, 12, 6); });
}

}  // namespace

TEST(DateStripLayout, BoxOf200By200) {
  TQuroProgressModel m = Strip();
  ASSERT_EQ(m.Width(), 200);
  EXPECT_EQ((std::array<int, 7>{m.BoxHeight(), m.HalfDepth(), m.FrontWidth(), m.BarLeft(),
                                m.BarTop(), m.BarHeight(), m.BarWidth()}),
            (std::array<int, 7>{49, 24, 182, 10, 162, 24, 162}));  // BarTop 162.5 ties to even
  const std::pair<char, QPoint> corners[] = {{'A', {0, 199}},   {'B', {0, 150}},  {'C', {182, 150}},
                                             {'D', {182, 199}}, {'E', {17, 133}}, {'F', {199, 133}},
                                             {'G', {199, 182}}};
  for (const auto& [name, at] : corners) EXPECT_EQ(m.Corner(name), at) << name;
  // Sheet 5: depth round(5 * 24 / 11) = 11, shifted by round(11 * sin 45) = 8.
  EXPECT_EQ(m.SheetAt(5).corners, (TQuroProgressModel::Quad{QPoint(8, 142), QPoint(8, 9),
                                                            QPoint(190, 9), QPoint(190, 142)}));
  EXPECT_EQ(m.TextPos(0, true, QSize(40, 12)), QPoint(71, 44));    // centre (3*17+150) div 4
  EXPECT_EQ(m.TextPos(0, false, QSize(40, 12)), QPoint(71, 110));  // centre (17+3*150) div 4
}

TEST(DateStripProgress, BarFollowsTheStartAndStaysEmptyOutsideItsRange) {
  TQuroProgressModel m = Strip();
  const double start = EncodeDate(2001, 3, 1);
  m.SetStartDate(start);
  m.SetCurDate(start + 20);  // beyond the 14 days the strip was created with
  EXPECT_EQ(m.BarPosition(), 480);
  m.SetEndDate(start + 30);
  EXPECT_EQ(m.BarMax(), 720);
  m.SetCurDate(start + 10.5);
  EXPECT_EQ(m.BarPosition(), 252);
  m.SetCurDate(start - 1);
  EXPECT_EQ(m.BarPosition(), 0);
  m.SetCurDate(start + 31);  // past the end: the end moves a year on
  EXPECT_EQ(m.EndDate(), start + 31 + 365);
  EXPECT_EQ(m.BarMax(), (31 + 365) * 24);
  EXPECT_EQ(m.BarFilledWidth(396), 31);
  m.SetEndDate(start + 10);  // the current date now lies past the bar's maximum
  EXPECT_EQ(m.BarPosition(), 0);
  EXPECT_EQ(m.BarFilledWidth(100), 0);
  m.SetEndDate(start);
  EXPECT_EQ(m.EndDate(), start + 365);
}

TEST(DateStripCalendar, PastMonthsAreTornOffAndSheetTextsFollowTheMode) {
  LocaleGuard locale(LocaleGuard::German());
  TQuroProgressModel m = Strip();
  m.SetStartDate(EncodeDate(2001, 1, 15));
  m.SetCurDate(EncodeDate(2001, 4, 2));
  EXPECT_EQ(m.FirstDrawnSheet(), 3);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(m.SheetAt(i).showsTexts, i == 3) << i;
  for (const double outside : {std::numeric_limits<double>::quiet_NaN(), 1e12}) {
    m.SetCurDate(outside);
    EXPECT_EQ(m.CurrentMonth(), 4);
  }
  m.SetCurDate(EncodeDate(2002, 1, 10));
  EXPECT_EQ(m.FirstDrawnSheet(), 0);
  EXPECT_TRUE(m.SheetAt(0).showsTexts);
  EXPECT_EQ(m.TopText(0), "10.01.02");

  m.SetStartDate(EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 0));  // texts follow the mode
  EXPECT_EQ(m.BottomText(2), "14:07 ");
  m.SetMode(vmHMSDMY);
  EXPECT_EQ(m.TopText(2), "05.03.01");
  EXPECT_EQ(m.BottomText(2), "14:07:09");
  m.SetMode(vmDMY);
  EXPECT_EQ(m.TopText(2), "5.march");
  EXPECT_EQ(m.BottomText(2), "2001");
}
