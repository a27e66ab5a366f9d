// Where the paper and the chart sit in the preview, what the mouse is
// over, and what drags make of the margins: the page of the fake A4
// printer at 600 dpi in the dialog's 432 x 312 preview, and windows too
// small for any paper.
#include "chart/core/ChartCursors.h"
#include "charteditor/preview/PreviewGeometry.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const QSize kPortrait(4960, 7016), kLandscape(7016, 4960), kClient(432, 312);

TEST(PreviewGeometry, PaperAndChartRectangles) {
  EXPECT_EQ(PreviewPaperRect(kClient, kPortrait), (TRect{127, 31, 304, 281}));
  EXPECT_EQ(PreviewPaperRect(kClient, kLandscape), (TRect{43, 33, 389, 278}));
  const TRect paper{127, 31, 304, 281};
  EXPECT_EQ(PreviewChartRect(paper, TRect{10, 10, 10, 10}), (TRect{145, 56, 286, 256}));
  // Margins a typist may give (49 + 50) on a 45-pixel paper: each side
  // rounds up, yet one pixel of chart is left, on the paper.
  const TRect narrow{10, 10, 55, 55};
  const TRect chart = PreviewChartRect(narrow, TRect{49, 49, 50, 50});
  EXPECT_EQ(chart.Right - chart.Left, 1);
  EXPECT_EQ(chart.Bottom - chart.Top, 1);
  EXPECT_GE(chart.Left, narrow.Left);
  EXPECT_LE(chart.Right, narrow.Right);
  // Windows of no size give no paper; a paper of no size none either.
  for (QSize client : {QSize(0, 0), QSize(1, 1), QSize(2, 1000), QSize(1000, 2), QSize(-5, 10)}) {
    SCOPED_TRACE(testing::Message() << client.width() << "x" << client.height());
    const TRect p = PreviewPaperRect(client, kPortrait);
    if (!PaperUsable(p)) {
      EXPECT_EQ(p, (TRect{0, 0, 0, 0}));
    }
  }
  EXPECT_FALSE(PaperUsable(PreviewPaperRect(QSize(1000, 1000), QSize(1, 1 << 30))));
}

TEST(PreviewGeometry, HitCodesAndCursorsAtFourAndFivePixels) {
  const TRect c{145, 56, 286, 256};
  struct Row {
    QPoint at;
    PreviewHit hit;
    int cursor;
  };
  const Row rows[] = {
      {{141, 150}, phLeft, crHSplit},
      {{140, 150}, phNone, crDefault},
      {{290, 150}, phRight, crHSplit},
      {{291, 150}, phNone, crDefault},
      {{200, 52}, phTop, crVSplit},
      {{200, 51}, phNone, crDefault},
      {{200, 260}, phBottom, crVSplit},
      {{200, 261}, phNone, crDefault},
      {{149, 60}, phTopLeft, crSizeNWSE},
      {{150, 61}, phMove, crPlotHand},
      {{282, 60}, phTopRight, crSizeNESW},
      {{149, 252}, phBottomLeft, crSizeNESW},
      {{282, 252}, phBottomRight, crSizeNWSE},
      {{200, 150}, phMove, crPlotHand},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.at.x() << "," << row.at.y());
    const PreviewHit hit = PreviewHitTest(c, row.at, true, true);
    EXPECT_EQ(hit, row.hit);
    EXPECT_EQ(PreviewHitCursor(hit), row.cursor);
    // Without resizing only the move remains; without moving the inside is nothing.
    EXPECT_EQ(PreviewHitTest(c, row.at, true, false), row.hit == phMove ? phMove : phNone);
    EXPECT_EQ(PreviewHitTest(c, row.at, false, true), row.hit == phMove ? phNone : row.hit);
  }
}

class PreviewDragTest : public ::testing::Test {
 protected:
  bool Drag(PreviewHit state, QPoint from, QPoint to) {
    PreviewDrag drag{state, from, PreviewChartRect(paper, margins)};
    return DragPreviewMargins(drag, to, paper, drag.startChart, margins);
  }
  TRect paper{127, 31, 304, 281};
  TRect margins{10, 10, 10, 10};
};

TEST_F(PreviewDragTest, EdgesAndCornersMoveOnlyWhatTheyHold) {
  EXPECT_TRUE(Drag(phLeft, {145, 150}, {160, 150}));
  EXPECT_EQ(margins, (TRect{19, 10, 10, 10}));
  // Past the opposite edge or off the paper: nothing moves.
  const TRect before = margins;
  EXPECT_FALSE(Drag(phLeft, {160, 150}, {290, 150}));
  EXPECT_FALSE(Drag(phTop, {200, 56}, {200, 20}));
  EXPECT_FALSE(Drag(phRight, {286, 150}, {310, 150}));
  EXPECT_EQ(margins, before);
  // A corner moves both its edges or neither.
  EXPECT_FALSE(Drag(phBottomRight, {286, 256}, {290, 300}));
  EXPECT_EQ(margins, before);
  EXPECT_TRUE(Drag(phBottomRight, {286, 256}, {280, 250}));
  EXPECT_EQ(margins.Left, 19);
  EXPECT_EQ(margins.Top, 10);
  EXPECT_GT(margins.Right, 10);
  EXPECT_GT(margins.Bottom, 10);
}

TEST_F(PreviewDragTest, UntouchedEdgesKeepTheirMarginsOnASmallPaper) {
  paper = PreviewPaperRect(QSize(100, 80), kPortrait);
  margins = TRect{15, 15, 15, 15};
  const TRect chart = PreviewChartRect(paper, margins);
  ASSERT_TRUE(Drag(phLeft, {chart.Left, 40}, {chart.Left + 3, 40}));
  EXPECT_NE(margins.Left, 15);
  EXPECT_EQ(margins.Top, 15);
  EXPECT_EQ(margins.Right, 15);
  EXPECT_EQ(margins.Bottom, 15);
}

TEST_F(PreviewDragTest, OppositeMarginsNeverAddUpToMoreThan99) {
  // The right margin is 58 of the paper's 177 pixels: one pixel short of
  // it the left margin would round to 67.
  margins = TRect{10, 10, 33, 10};
  const TRect chart = PreviewChartRect(paper, margins);
  EXPECT_FALSE(Drag(phLeft, {chart.Left, 150}, {chart.Right - 1, 150}));
  EXPECT_EQ(margins.Left, 10);
  EXPECT_TRUE(Drag(phLeft, {chart.Left, 150}, {chart.Right - 2, 150}));
  EXPECT_EQ(margins.Left + margins.Right, 99);
}

TEST_F(PreviewDragTest, AMovedChartKeepsItsSizeAgainstThePaperEdge) {
  const TRect start = PreviewChartRect(paper, margins);
  PreviewDrag drag{phMove, {200, 150}, start};
  ASSERT_TRUE(DragPreviewMargins(drag, {120, 150}, paper, start, margins));
  EXPECT_EQ(margins.Left, 0);
  EXPECT_EQ(margins.Left + margins.Right, 20) << "the width stays";
  EXPECT_EQ(margins.Top, 10);
}

// On a paper of 6 x 8 pixels each margin of 15 % lies on a pixel whose
// own margin is another (17 or 13): a corner held still, or moved along
// one axis, must leave the margins it did not move as they are.
TEST_F(PreviewDragTest, ACornerChangesOnlyTheMarginsItMovedOnATinyPaper) {
  paper = TRect{10, 10, 16, 18};
  const TRect start{15, 15, 15, 15};
  const TRect c = PreviewChartRect(paper, start);
  struct Row {
    PreviewHit hit;
    QPoint corner;
    QPoint to;
    TRect expected;  // kept margins as 15, moved ones as -1
  };
  const Row rows[] = {
      {phTopLeft, {c.Left, c.Top}, {c.Left, c.Top}, {15, 15, 15, 15}},
      {phTopRight, {c.Right, c.Top}, {c.Right, c.Top}, {15, 15, 15, 15}},
      {phBottomLeft, {c.Left, c.Bottom}, {c.Left, c.Bottom}, {15, 15, 15, 15}},
      {phBottomRight, {c.Right, c.Bottom}, {c.Right, c.Bottom}, {15, 15, 15, 15}},
      {phTopLeft, {c.Left, c.Top}, {c.Left, c.Top + 1}, {15, -1, 15, 15}},
      {phBottomRight, {c.Right, c.Bottom}, {c.Right - 1, c.Bottom}, {15, 15, -1, 15}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.hit << " to " << row.to.x() << "," << row.to.y());
    margins = start;
    PreviewDrag drag{row.hit, row.corner, c};
    const bool moved = row.expected != start;
    EXPECT_EQ(DragPreviewMargins(drag, row.to, paper, c, margins), moved);
    const int got[4] = {margins.Left, margins.Top, margins.Right, margins.Bottom};
    const int want[4] = {row.expected.Left, row.expected.Top, row.expected.Right,
                         row.expected.Bottom};
    for (int k = 0; k < 4; ++k) {
      if (want[k] >= 0) {
        EXPECT_EQ(got[k], want[k]) << "side " << k;
      }
    }
  }
}

// Moving the chart a pixel at a time: the rectangle the drag shows keeps
// its size, and so does the share of the paper its margins leave.
TEST_F(PreviewDragTest, AMovedChartKeepsItsSizeAllTheWay) {
  const TRect start = PreviewChartRect(paper, margins);
  PreviewDrag drag{phMove, {200, 150}, start};
  TRect shown = start;
  for (int step = 1; step <= 18; ++step) {  // 18 pixels to the paper's right edge
    SCOPED_TRACE(step);
    ASSERT_TRUE(
        DragPreviewMargins(drag, {200 + step, 150 + step / 2}, paper, shown, margins, &shown));
    EXPECT_EQ(shown.Right - shown.Left, start.Right - start.Left);
    EXPECT_EQ(shown.Bottom - shown.Top, start.Bottom - start.Top);
    EXPECT_EQ(margins.Left + margins.Right, 20);
    EXPECT_EQ(margins.Top + margins.Bottom, 20);
  }
  EXPECT_EQ(shown.Left, start.Left + 18);
  EXPECT_EQ(shown.Top, start.Top + 9);
}

// Random drags on papers of every size: margins stay within 0..100, pairs
// below 100, and a refused drag changes nothing.
TEST(PreviewGeometry, RandomDragsKeepTheMarginsSound) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> size(0, 300), hit(1, 9), coord(-20, 320);
  for (int trial = 0; trial < 3000; ++trial) {
    const TRect paper = PreviewPaperRect(QSize(size(rng), size(rng)), kPortrait);
    TRect margins{15, 15, 15, 15};
    const TRect chart = PreviewChartRect(paper, margins);
    const PreviewDrag drag{static_cast<PreviewHit>(hit(rng)), {coord(rng), coord(rng)}, chart};
    const TRect before = margins;
    if (!DragPreviewMargins(drag, {coord(rng), coord(rng)}, paper, chart, margins)) {
      ASSERT_EQ(margins, before);
      continue;
    }
    for (int m : {margins.Left, margins.Top, margins.Right, margins.Bottom}) {
      ASSERT_GE(m, 0);
      ASSERT_LE(m, 100);
    }
    ASSERT_LE(margins.Left + margins.Right, 99);
    ASSERT_LE(margins.Top + margins.Bottom, 99);
  }
}

}  // namespace
