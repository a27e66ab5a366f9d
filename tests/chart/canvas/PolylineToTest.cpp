// polylineTo draws what a lineTo per point draws, pixel for pixel, and
// leaves the pen where they leave it: thin, wide, dashed (on an opaque
// background), not-xor pens, segments in every direction, points far off
// the image and repeated points.
#include "CanvasTestImage.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <random>
#include <vector>

namespace {

struct PenCase {
  const char* name;
  BackendPen pen;
  BackMode mode;
};

BackendPen Pen(int width, TPenStyle style, TPenMode mode) {
  BackendPen pen = SolidPen(base::clRed, width);
  pen.style = style;
  pen.mode = mode;
  return pen;
}

std::vector<PenCase> penCases() {
  return {
      {"Thin", Pen(1, Graphics::psSolid, Graphics::pmCopy), BackMode::Transparent},
      {"Wide", Pen(3, Graphics::psSolid, Graphics::pmCopy), BackMode::Transparent},
      {"DashedOpaque", Pen(1, Graphics::psDash, Graphics::pmCopy), BackMode::Opaque},
      {"NotXor", Pen(1, Graphics::psSolid, Graphics::pmNotXor), BackMode::Transparent},
  };
}

// Steep and flat runs, joints in every direction, repeats, and points
// beyond the edges and far beyond what the device takes.
std::vector<QPoint> randomPath(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> near(-20, 140);
  std::uniform_int_distribution<int> step(-3, 3);
  std::uniform_int_distribution<int> kind(0, 19);
  std::vector<QPoint> points;
  QPoint at(60, 60);
  for (int i = 0; i < 400; ++i) {
    const int k = kind(rng);
    if (k == 0)
      at = QPoint(near(rng) * 1000, near(rng));
    else if (k < 4)
      at = QPoint(near(rng), near(rng));
    else if (k > 5)  // k 4 and 5 repeat the point
      at += QPoint(step(rng), step(rng) * 4);
    points.push_back(at);
  }
  return points;
}

// What a reduced fast line hands over: runs up and down one column, a
// step to the next (leftwards when `backwards`), sometimes back over pixels
// already lit.
std::vector<QPoint> columnPath(unsigned seed, bool backwards) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> y(0, 119);
  std::uniform_int_distribution<int> moves(0, 4);
  std::vector<QPoint> points;
  for (int i = 2; i < 118; ++i) {
    const int x = backwards ? 119 - i : i;
    for (int k = moves(rng); k >= 0; --k) points.emplace_back(x, y(rng));
    if (x % 7 == 0) points.emplace_back(x, points.back().y());  // a repeat
  }
  return points;
}

// Out from the middle to points all around and back, each spoke of another
// slope, so that every direction meets every other at a joint.
std::vector<QPoint> starPath(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> offset(-55, 55);
  std::vector<QPoint> points;
  const QPoint middle(60, 60);
  for (int i = 0; i < 150; ++i) {
    points.push_back(middle + QPoint(offset(rng), offset(rng)));
    if (i % 3 != 0) points.push_back(middle);
  }
  return points;
}

std::vector<QPoint> path(unsigned seed) {
  if (seed <= 5) return randomPath(seed);
  if (seed <= 12) return columnPath(seed, seed > 9);
  return starPath(seed);
}

TEST(PolylineTo, SamePixelsAndPositionAsALineToPerPoint) {
  for (const PenCase& c : penCases()) {
    for (unsigned seed = 1; seed <= 15; ++seed) {
      SCOPED_TRACE(testing::Message() << c.name << " seed " << seed);
      const std::vector<QPoint> points = path(seed);
      CanvasTestImage one(120, 120), batch(120, 120);
      for (CanvasTestImage* image : {&one, &batch}) {
        image->backend().setPen(c.pen);
        image->backend().setBackColor(base::clBlue);
        image->backend().setBackMode(c.mode);
        image->backend().moveTo(5, 7);
      }
      for (const QPoint& q : points) one.backend().lineTo(q.x(), q.y());
      batch.backend().polylineTo(points);
      EXPECT_EQ(batch.backend().currentPosition(), one.backend().currentPosition());
      ASSERT_EQ(batch.image(), one.image());
    }
  }
}

TEST(PolylineTo, LightsTheJointsAndLeavesOutTheLastPoint) {
  CanvasTestImage image;
  image.backend().setPen(SolidPen(base::clRed));
  image.backend().moveTo(10, 10);
  const std::vector<QPoint> points{{20, 10}, {20, 20}, {30, 20}};
  image.backend().polylineTo(points);
  EXPECT_EQ(image.backend().currentPosition(), QPoint(30, 20));
  EXPECT_EQ(image.at(10, 10), base::clRed);
  EXPECT_EQ(image.at(20, 10), base::clRed) << "a joint is drawn";
  EXPECT_EQ(image.at(20, 20), base::clRed) << "a joint is drawn";
  EXPECT_EQ(image.at(29, 20), base::clRed);
  EXPECT_EQ(image.at(30, 20), base::clWhite) << "the last point is left out";
  EXPECT_EQ(image.at(21, 10), base::clWhite);
}

// Runs up and down one column merge into one span, which starts at the
// run's first point and leaves out its last.
TEST(PolylineTo, AColumnRunLightsFromItsStartToBeforeItsEnd) {
  CanvasTestImage image;
  image.backend().setPen(SolidPen(base::clRed));
  image.backend().moveTo(40, 40);
  const std::vector<QPoint> points{{40, 30}, {40, 35}, {40, 20}};
  image.backend().polylineTo(points);
  for (int y = 21; y <= 40; ++y) EXPECT_EQ(image.at(40, y), base::clRed) << y;
  EXPECT_EQ(image.at(40, 20), base::clWhite) << "the last point is left out";
  EXPECT_EQ(image.at(40, 41), base::clWhite);
}

}  // namespace
