// A line lights its start pixel and leaves out its end whichever way it
// runs: one pixel per step along its major axis, each the pixel nearest the
// exact line, and along an axis or a diagonal exactly on it; a dash pattern
// starts at the start. Each case draws one line from the middle of a white
// image.
#include "CanvasTestImage.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

struct Direction {
  const char* name;
  int dx;
  int dy;
};

// The eight compass directions, then slopes in each octant (clockwise from
// east), near the axis, near the diagonal and between; and single steps.
std::vector<Direction> directions() {
  return {
      {"E", 40, 0},         {"SE", 30, 30},       {"S", 0, 40},          {"SW", -30, 30},
      {"W", -40, 0},        {"NW", -30, -30},     {"N", 0, -40},         {"NE", 30, -30},
      {"ESE1", 40, 1},      {"ESE13", 40, 13},    {"ESE39", 40, 39},     {"SSE1", 1, 40},
      {"SSE17", 17, 40},    {"SSE39", 39, 40},    {"SSW1", -1, 40},      {"SSW23", -23, 40},
      {"SSW39", -39, 40},   {"WSW1", -40, 1},     {"WSW7", -40, 7},      {"WSW29", -40, 29},
      {"WNW1", -40, -1},    {"WNW20", -40, -20},  {"WNW39", -40, -39},   {"NNW1", -1, -40},
      {"NNW11", -11, -40},  {"NNW39", -39, -40},  {"NNE1", 1, -40},      {"NNE27", 27, -40},
      {"NNE39", 39, -40},   {"ENE1", 40, -1},     {"ENE19", 40, -19},    {"ENE39", 40, -39},
      {"StepW", -1, 0},     {"StepN", 0, -1},     {"StepNW", -1, -1},    {"StepWNW", -2, -1},
      {"LongWSW", -93, 41}, {"LongNNE", 37, -95}, {"LongWNW", -97, -58}, {"LongSSE", 12, 91},
      {"ENE56", 90, -56},   {"ESE67", 97, 67},    {"SSE89", 89, 97},     {"WNW71", -97, -71},
  };
}

const QPoint kStart(100, 100);

bool onAxisOrDiagonal(const Direction& d) {
  return d.dx == 0 || d.dy == 0 || std::abs(d.dx) == std::abs(d.dy);
}

// Checks the drawn image against the rule for a line from kStart by `d`.
void expectLine(CanvasTestImage& image, const Direction& d) {
  const bool xMajor = std::abs(d.dx) >= std::abs(d.dy);
  const int steps = std::max(std::abs(d.dx), std::abs(d.dy));
  const int majorSign = (xMajor ? d.dx : d.dy) > 0 ? 1 : -1;
  EXPECT_FALSE(image.isWhite(kStart.x(), kStart.y())) << "the start is lit";
  EXPECT_TRUE(image.isWhite(kStart.x() + d.dx, kStart.y() + d.dy)) << "the end is left out";
  // The nearest pixel: half a pixel at most from the exact line.
  const double tolerance = onAxisOrDiagonal(d) ? 0.0 : 0.5;
  std::vector<int> litAtStep(static_cast<size_t>(steps), 0);
  int lit = 0;
  for (int y = 0; y < image.image().height(); ++y) {
    for (int x = 0; x < image.image().width(); ++x) {
      if (image.isWhite(x, y)) continue;
      ++lit;
      const int along = xMajor ? x - kStart.x() : y - kStart.y();
      const int step = along * majorSign;
      ASSERT_TRUE(step >= 0 && step < steps) << "(" << x << "," << y << ") lies beyond the ends";
      ++litAtStep[static_cast<size_t>(step)];
      const double exact = xMajor ? kStart.y() + double(along) * d.dy / d.dx
                                  : kStart.x() + double(along) * d.dx / d.dy;
      EXPECT_LE(std::abs((xMajor ? y : x) - exact), tolerance + 1e-9)
          << "(" << x << "," << y << ") is off the line";
    }
  }
  EXPECT_EQ(lit, steps);
  for (int s = 0; s < steps; ++s) EXPECT_EQ(litAtStep[static_cast<size_t>(s)], 1) << "step " << s;
}

struct PenCase {
  const char* name;
  BackendPen pen;
};

// The painter's own line, and the per-segment way lineTo takes for a pen
// that cannot go to it directly.
std::vector<PenCase> thinPens() {
  BackendPen notXor = SolidPen(base::clRed);
  notXor.mode = Graphics::pmNotXor;
  return {{"Solid", SolidPen(base::clRed)}, {"NotXor", notXor}};
}

TEST(LineToInEveryDirection, LightsItsStartAndLeavesOutItsEnd) {
  for (const PenCase& pen : thinPens()) {
    for (const Direction& d : directions()) {
      SCOPED_TRACE(testing::Message() << pen.name << " " << d.name);
      CanvasTestImage image;
      image.backend().setPen(pen.pen);
      image.backend().moveTo(kStart.x(), kStart.y());
      image.backend().lineTo(kStart.x() + d.dx, kStart.y() + d.dy);
      EXPECT_EQ(image.backend().currentPosition(), kStart + QPoint(d.dx, d.dy));
      expectLine(image, d);
    }
  }
}

TEST(LineToInEveryDirection, ALineToItsOwnStartLightsNothing) {
  CanvasTestImage image;
  image.backend().setPen(SolidPen(base::clRed));
  image.backend().moveTo(50, 50);
  image.backend().lineTo(50, 50);
  EXPECT_TRUE(image.isWhite(50, 50));
}

// An end far off the device is cut before the painter sees it: the part on
// the image lights from the start to the image's edge.
TEST(LineToInEveryDirection, AFarEndLightsUpToTheEdge) {
  for (const Direction& d : directions()) {
    if (std::abs(d.dx) < 2 && std::abs(d.dy) < 2) continue;
    SCOPED_TRACE(d.name);
    CanvasTestImage image;
    image.backend().setPen(SolidPen(base::clRed));
    image.backend().moveTo(kStart.x(), kStart.y());
    image.backend().lineTo(kStart.x() + d.dx * 100000, kStart.y() + d.dy * 100000);
    EXPECT_FALSE(image.isWhite(kStart.x(), kStart.y())) << "the start is lit";
    // Steps until the exact line leaves the 200 x 200 image.
    const bool xMajor = std::abs(d.dx) >= std::abs(d.dy);
    const double major = xMajor ? d.dx : d.dy, minor = xMajor ? d.dy : d.dx;
    int inside = 0;
    for (int s = 0;; ++s) {
      const double m = (xMajor ? kStart.x() : kStart.y()) + s * (major > 0 ? 1 : -1);
      const double n = (xMajor ? kStart.y() : kStart.x()) + s * minor / std::abs(major);
      if (m < 0 || m > 199 || std::round(n) < 0 || std::round(n) > 199) break;
      ++inside;
    }
    int lit = 0;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 200; ++x) lit += image.isWhite(x, y) ? 0 : 1;
    EXPECT_NEAR(lit, inside, onAxisOrDiagonal(d) ? 0 : 1);
  }
}

// Dash patterns along the axes, in both directions: on at the start.
TEST(LineToInEveryDirection, DashesStartAtTheStart) {
  BackendPen dotted = SolidPen(base::clBlack);
  dotted.style = Graphics::psDot;  // three on, three off
  BackendPen alternate = SolidPen(base::clBlack);
  alternate.smallDots = true;
  for (const Direction& d : directions()) {
    if (d.dx != 0 && d.dy != 0) continue;
    for (const bool dots : {false, true}) {
      SCOPED_TRACE(testing::Message() << d.name << (dots ? " small dots" : " dotted"));
      CanvasTestImage image;
      image.backend().setPen(dots ? alternate : dotted);
      image.backend().moveTo(kStart.x(), kStart.y());
      image.backend().lineTo(kStart.x() + d.dx, kStart.y() + d.dy);
      const int steps = std::max(std::abs(d.dx), std::abs(d.dy));
      const QPoint unit(d.dx / steps, d.dy / steps);
      for (int s = 0; s <= steps; ++s) {
        const QPoint at = kStart + unit * s;
        const bool on = s < steps && (dots ? s % 2 == 0 : s % 6 < 3);
        EXPECT_EQ(!image.isWhite(at.x(), at.y()), on) << "step " << s;
      }
    }
  }
}

// A wide pen draws a shape around the whole segment, the same both ways.
TEST(LineToInEveryDirection, AWidePenIsTheSameBothWays) {
  for (const Direction& d : directions()) {
    SCOPED_TRACE(d.name);
    CanvasTestImage forth, back;
    for (CanvasTestImage* image : {&forth, &back})
      image->backend().setPen(SolidPen(base::clRed, 3));
    forth.backend().moveTo(kStart.x(), kStart.y());
    forth.backend().lineTo(kStart.x() + d.dx, kStart.y() + d.dy);
    back.backend().moveTo(kStart.x() + d.dx, kStart.y() + d.dy);
    back.backend().lineTo(kStart.x(), kStart.y());
    EXPECT_EQ(forth.image(), back.image());
  }
}

// On a scaled mapping a logical pixel is no device pixel: a thin line lies
// where its ends put it, the same both ways, rather than a logical unit
// (here two device pixels) away.
TEST(LineToInEveryDirection, AScaledThinLineIsTheSameBothWays) {
  for (const Direction& d : directions()) {
    SCOPED_TRACE(d.name);
    CanvasTestImage forth, back;
    for (CanvasTestImage* image : {&forth, &back}) {
      image->backend().setMapping(QSize(100, 100), TRect{0, 0, 200, 200});
      image->backend().setPen(SolidPen(base::clRed, 0));
    }
    const QPoint a(50, 50), b = a + QPoint(d.dx, d.dy) / 2;
    forth.backend().moveTo(a.x(), a.y());
    forth.backend().lineTo(b.x(), b.y());
    back.backend().moveTo(b.x(), b.y());
    back.backend().lineTo(a.x(), a.y());
    EXPECT_EQ(forth.image(), back.image());
  }
}

}  // namespace
