#include "viewer/TextViewerModel.h"

#include <gtest/gtest.h>

namespace {

QStringList Numbered(int n) {
  QStringList lines;
  for (int i = 0; i < n; ++i) lines << QString::number(i);
  return lines;
}

}  // namespace

TEST(TextViewerScrolls, FewLinesFitWithoutScrolling) {
  TextViewerModel m;
  m.SetLines(Numbered(3));
  m.SetMetrics(15, 588);
  EXPECT_EQ(m.LinesPerPage(), 39);
  EXPECT_EQ(m.ScrollMax(), 0);
  EXPECT_EQ(m.FirstLine(0), 0);
  EXPECT_EQ(m.VisibleLineCount(0), 3);
}

TEST(TextViewerScrolls, LongTextScrollsToItsLastPage) {
  TextViewerModel m;
  m.SetLines(Numbered(100));
  m.SetMetrics(15, 588);
  EXPECT_EQ(m.ScrollMax(), 61);
  EXPECT_EQ(m.PageStep(), 31);
  EXPECT_EQ(m.FirstLine(61), 61);
  EXPECT_EQ(m.VisibleLineCount(61), 39);
}

TEST(TextViewerScrolls, ShortWindowStillPagesForward) {
  TextViewerModel m;
  m.SetLines(Numbered(100));
  m.SetMetrics(15, 40);
  EXPECT_EQ(m.LinesPerPage(), 2);
  EXPECT_EQ(m.PageStep(), 1);
  m.SetMetrics(0, 0);  // no font metrics yet
  EXPECT_EQ(m.LineHeight(), 1);
  EXPECT_EQ(m.PageStep(), 1);
}

TEST(TextViewerScrolls, EmptyOrShrunkTextDrawsOnlyWhatExists) {
  TextViewerModel m;
  m.SetMetrics(15, 588);
  EXPECT_EQ(m.VisibleLineCount(0), 0);
  m.SetLines(Numbered(5));
  EXPECT_EQ(m.FirstLine(61), 4);
  EXPECT_EQ(m.VisibleLineCount(61), 1);
}
