#include "viewer/widgets/TQuroProgress.h"

#include "tests/support/Artifacts.h"
#include "tests/viewer/LocaleGuard.h"

#include <gtest/gtest.h>

using base::EncodeDate;
using base::EncodeTime;

TEST(DateStripWidgetPaints, MidYearCalendarWithHalfABarAtAnySize) {
  LocaleGuard locale(LocaleGuard::English());
  TQuroProgress strip(nullptr, [] { return EncodeDate(2026, 12, 6); });
  QFont font = strip.font();
  font.setPixelSize(11);
  font.setBold(true);
  strip.setFont(font);
  strip.SetFontColor(base::clNavy);
  strip.SetMode(vmHMSDMY);
  strip.SetStartDate(EncodeDate(2001, 1, 1));
  strip.SetEndDate(EncodeDate(2002, 1, 1));
  strip.SetCurDate(EncodeDate(2001, 7, 2) + EncodeTime(14, 7, 9, 0));
  strip.show();
  ASSERT_EQ(strip.size(), QSize(200, 200));

  const QImage image = strip.RenderImage();
  testsupport::saveArtifact(image, QStringLiteral("date_strip_mid_year.png"));
  const TQuroProgressModel& m = strip.Model();
  const int barMid = m.BarTop() + m.BarHeight() / 2;
  const QColor highlight = base::ToQColor(base::clHighlight);
  EXPECT_EQ(image.pixelColor(m.BarLeft() + 3, barMid), highlight);
  // 4382 of 8760 hours: the fill ends at the middle of the bar.
  const int innerWidth = m.BarWidth() - 2;
  const int filled = m.BarFilledWidth(innerWidth);
  EXPECT_NEAR(filled, innerWidth / 2, 1);
  EXPECT_EQ(image.pixelColor(m.BarLeft() + filled, barMid), highlight);
  EXPECT_EQ(image.pixelColor(m.BarLeft() + filled + 2, barMid), base::ToQColor(base::clBtnFace));

  const QColor box = base::ToQColor(base::clGray);
  const QColor sheet = base::ToQColor(base::clSilver);
  EXPECT_EQ(image.pixelColor(5, 195), box);     // front face below the bar
  EXPECT_EQ(image.pixelColor(100, 146), box);   // top face where January..June were torn off
  EXPECT_EQ(image.pixelColor(20, 100), sheet);  // July's sheet
  EXPECT_NE(image.pixelColor(3, 100), sheet);   // January's sheet is gone

  const auto& b = m.SheetAt(6).bounds;  // July's texts in the font colour, upper half
  int navy = 0;
  for (int y = b.top; y < (b.top + b.bottom) / 2; ++y)
    for (int x = b.left; x < b.right; ++x) navy += image.pixelColor(x, y) == QColor(0, 0, 128);
  EXPECT_GT(navy, 0);

  strip.resize(300, 120);  // a resize lays the strip out again
  EXPECT_EQ(strip.Model().Width(), 300);
}
