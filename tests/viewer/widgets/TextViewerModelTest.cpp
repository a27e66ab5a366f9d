#include "viewer/widgets/TextViewerModel.h"

#include <gtest/gtest.h>

TEST(TextViewerScrolls, RangeFollowsTheTextAndShrunkTextDrawsOnlyWhatExists) {
  QStringList lines;
  for (int i = 0; i < 100; ++i) lines << QString::number(i);
  TextViewerModel m;
  m.SetMetrics(15, 588);
  EXPECT_EQ(m.VisibleLineCount(0), 0);
  m.SetLines(lines);
  EXPECT_EQ(m.ScrollMax(), 61);
  EXPECT_EQ(m.PageStep(), 31);
  EXPECT_EQ(m.VisibleLineCount(61), 39);
  m.SetLines(lines.mid(0, 5));  // shrunk under a scrolled position
  EXPECT_EQ(m.ScrollMax(), 0);
  EXPECT_EQ(m.FirstLine(61), 4);
  EXPECT_EQ(m.VisibleLineCount(61), 1);
  m.SetMetrics(15, 40);  // a sliver of a window still pages
  EXPECT_EQ(m.PageStep(), 1);
  m.SetMetrics(0, 0);  // no font metrics yet
  EXPECT_EQ(m.LineHeight(), 1);
  EXPECT_EQ(m.PageStep(), 1);
}
