#include "gl/SquareViewport.h"

#include <QSize>

#include <gtest/gtest.h>

TEST(ViewportIsCentredSquare, OverhangsTheShorterSideEqually) {
  // An odd difference truncates the offset toward zero.
  const std::pair<QSize, SquareViewport> cases[] = {
      {{300, 200}, {0, -50, 300}}, {{200, 300}, {-50, 0, 300}}, {{250, 250}, {0, 0, 250}},
      {{301, 200}, {0, -50, 301}}, {{0, 0}, {0, 0, 0}},
  };
  for (const auto& [size, expected] : cases)
    EXPECT_EQ(CenteredSquareViewport(size.width(), size.height()), expected) << size.width();
}

TEST(ResizeReportsShrinking, TrueOnlyWhenNeitherSideGrew) {
  TResizeWatch watch;
  EXPECT_FALSE(watch.Update(300, 200));  // first size grows from nothing
  EXPECT_TRUE(watch.Update(300, 200));
  EXPECT_TRUE(watch.Update(280, 150));
  EXPECT_FALSE(watch.Update(281, 100));  // width grew
  EXPECT_FALSE(watch.Update(200, 101));  // height grew, compared with the last call
  EXPECT_TRUE(watch.Update(200, 101));
}
