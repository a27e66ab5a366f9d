#include "viewer/TQuroProgressModel.h"

#include "base/DateTime.h"
#include "tests/viewer/LocaleGuard.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using base::EncodeDate;
using base::EncodeTime;

const double Today = EncodeDate(2026, 12, 6);

TQuroProgressModel Strip() {
  return TQuroProgressModel([] { return Today; });
}

}  // namespace

TEST(DateStripLayout, BoxOf200By200) {
  TQuroProgressModel m = Strip();
  ASSERT_EQ(m.Width(), 200);
  EXPECT_EQ(m.BoxHeight(), 49);
  EXPECT_EQ(m.HalfDepth(), 24);
  EXPECT_EQ(m.FrontWidth(), 182);
  EXPECT_EQ(m.BarLeft(), 10);
  EXPECT_EQ(m.BarTop(), 162);  // 13 * 200 / 16 = 162.5, ties to even
  EXPECT_EQ(m.BarHeight(), 24);
  EXPECT_EQ(m.BarWidth(), 162);
  EXPECT_EQ(m.Corner('A'), QPoint(0, 199));
  EXPECT_EQ(m.Corner('B'), QPoint(0, 150));
  EXPECT_EQ(m.Corner('C'), QPoint(182, 150));
  EXPECT_EQ(m.Corner('D'), QPoint(182, 199));
  EXPECT_EQ(m.Corner('E'), QPoint(17, 133));
  EXPECT_EQ(m.Corner('F'), QPoint(199, 133));
  EXPECT_EQ(m.Corner('G'), QPoint(199, 182));
}

TEST(DateStripLayout, SheetsStepBackFromTheFrontEdgeToTheTop) {
  TQuroProgressModel m = Strip();
  using Quad = TQuroProgressModel::Quad;
  EXPECT_EQ(m.SheetAt(0).corners,
            (Quad{QPoint(0, 150), QPoint(0, 17), QPoint(182, 17), QPoint(182, 150)}));
  // depth round(5 * 24 / 11) = 11, shifted by round(11 * sin 45) = 8
  EXPECT_EQ(m.SheetAt(5).corners,
            (Quad{QPoint(8, 142), QPoint(8, 9), QPoint(190, 9), QPoint(190, 142)}));
  EXPECT_EQ(m.SheetAt(11).corners,
            (Quad{QPoint(17, 133), QPoint(17, 0), QPoint(199, 0), QPoint(199, 133)}));
  const auto& b = m.SheetAt(0).bounds;
  EXPECT_EQ((std::array<int, 4>{b.left, b.top, b.right, b.bottom}),
            (std::array<int, 4>{0, 17, 182, 150}));
  EXPECT_EQ(m.TextPos(0, true, QSize(40, 12)), QPoint(71, 44));    // centre (3*17+150) div 4 = 50
  EXPECT_EQ(m.TextPos(0, false, QSize(40, 12)), QPoint(71, 110));  // centre (17+3*150) div 4 = 116
  EXPECT_EQ(m.MiddleLine(0)[0], QPoint(10, 83));
  EXPECT_EQ(m.MiddleLine(0)[1], QPoint(172, 83));
}

TEST(DateStripProgress, StartsWithTwoWeeksFromToday) {
  TQuroProgressModel m = Strip();
  EXPECT_EQ(m.StartDate(), Today);
  EXPECT_EQ(m.CurDate(), Today);
  EXPECT_EQ(m.EndDate(), Today + 14);
  EXPECT_EQ(m.BarMax(), 14 * 24);
  EXPECT_EQ(m.BarPosition(), 0);
}

TEST(DateStripProgress, FileDatedInThePastShowsItsProgress) {
  TQuroProgressModel m = Strip();
  const double start = EncodeDate(2001, 3, 1);
  m.SetStartDate(start);
  m.SetCurDate(start + 20);  // beyond the 14 days the strip was created with
  EXPECT_EQ(m.BarPosition(), 480);
  m.SetEndDate(start + 30);
  EXPECT_EQ(m.BarMax(), 720);
  m.SetCurDate(start + 10.5);
  EXPECT_EQ(m.BarPosition(), 252);
}

TEST(DateStripProgress, BarIsEmptyOutsideItsRange) {
  TQuroProgressModel m = Strip();
  const double start = EncodeDate(2001, 3, 1);
  m.SetStartDate(start);
  m.SetEndDate(start + 30);
  m.SetCurDate(start - 1);
  EXPECT_EQ(m.BarPosition(), 0);
  m.SetCurDate(start + 20);
  m.SetEndDate(start + 10);  // the current date now lies past the bar's maximum
  EXPECT_EQ(m.BarPosition(), 0);
  EXPECT_EQ(m.BarFilledWidth(100), 0);
}

TEST(DateStripProgress, DatePastTheEndMovesTheEndAYearOn) {
  TQuroProgressModel m = Strip();
  const double start = EncodeDate(2001, 3, 1);
  m.SetStartDate(start);
  m.SetEndDate(start + 30);
  m.SetCurDate(start + 31);
  EXPECT_EQ(m.EndDate(), start + 31 + 365);
  EXPECT_EQ(m.BarMax(), (31 + 365) * 24);
  EXPECT_EQ(m.BarPosition(), 31 * 24);
  EXPECT_EQ(m.BarFilledWidth(396), 31);
}

TEST(DateStripProgress, EndNotAfterTheStartGivesAYear) {
  TQuroProgressModel m = Strip();
  const double start = EncodeDate(2001, 3, 1);
  m.SetStartDate(start);
  m.SetEndDate(start);
  EXPECT_EQ(m.EndDate(), start + 365);
}

TEST(DateStripCalendar, PastMonthsAreTornOff) {
  TQuroProgressModel m = Strip();
  m.SetStartDate(EncodeDate(2001, 1, 15));
  m.SetCurDate(EncodeDate(2001, 4, 2));
  EXPECT_EQ(m.CurrentMonth(), 4);
  EXPECT_EQ(m.FirstDrawnSheet(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(m.SheetAt(i).showsTexts) << i;
  EXPECT_TRUE(m.SheetAt(3).showsTexts);
}

TEST(DateStripCalendar, GoingBackToJanuaryBringsEverySheetBack) {
  LocaleGuard locale(LocaleGuard::German());
  TQuroProgressModel m = Strip();
  m.SetStartDate(EncodeDate(2001, 3, 5));
  ASSERT_EQ(m.CurrentMonth(), 3);
  m.SetCurDate(EncodeDate(2002, 1, 10));
  EXPECT_EQ(m.CurrentMonth(), 1);
  EXPECT_EQ(m.FirstDrawnSheet(), 0);
  EXPECT_TRUE(m.SheetAt(0).showsTexts);
  EXPECT_EQ(m.TopText(0), "10.01.02");  // the German short date
}

TEST(DateStripCalendar, SheetTextsFollowTheMode) {
  LocaleGuard locale(LocaleGuard::German());
  TQuroProgressModel m = Strip();
  const double t = EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 0);
  m.SetStartDate(t);
  EXPECT_EQ(m.BottomText(2), "14:07 ");  // the default mode shows hours and minutes
  m.SetMode(vmHMSDMY);
  EXPECT_EQ(m.TopText(2), "05.03.01");
  EXPECT_EQ(m.BottomText(2), "14:07:09");
  m.SetMode(vmDMY);
  EXPECT_EQ(m.TopText(2), "5.march");
  EXPECT_EQ(m.BottomText(2), "2001");
}

TEST(DateStripCalendar, DateOutsideTheCalendarLeavesTheSheets) {
  TQuroProgressModel m = Strip();
  m.SetStartDate(EncodeDate(2001, 3, 5));
  m.SetCurDate(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(m.CurrentMonth(), 3);
  EXPECT_EQ(m.BarPosition(), 0);
  m.SetCurDate(1e12);
  EXPECT_EQ(m.CurrentMonth(), 3);
}
