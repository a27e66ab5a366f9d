#include "gl/SquareViewport.h"
#include "gl/TOpenGL.h"

#include <gtest/gtest.h>

TEST(ViewportIsCentredSquare, OverhangsTheShorterSideEqually) {
  EXPECT_EQ(CenteredSquareViewport(300, 200), (SquareViewport{0, -50, 300}));
  EXPECT_EQ(CenteredSquareViewport(200, 300), (SquareViewport{-50, 0, 300}));
  EXPECT_EQ(CenteredSquareViewport(250, 250), (SquareViewport{0, 0, 250}));
  // Odd difference: the offset truncates toward zero.
  EXPECT_EQ(CenteredSquareViewport(301, 200), (SquareViewport{0, -50, 301}));
  EXPECT_EQ(CenteredSquareViewport(0, 0), (SquareViewport{0, 0, 0}));
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

TEST(ResizeReportsShrinking, FalseWithoutContext) {
  TOpenGL gl;
  gl.setWidth(10);
  gl.setHeight(10);
  EXPECT_FALSE(gl.Resize());
  EXPECT_FALSE(gl.Active());
  EXPECT_EQ(gl.Widget(), nullptr);
}
