// The QPainter backend draws by the classic device rules. Each case draws
// one thing on a white 200×200 image and probes computed pixels.
#include "CanvasTestImage.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <array>
#include <functional>
#include <set>
#include <vector>

using base::clBlack;
using base::clBlue;
using base::clRed;
using base::clWhite;

namespace {

struct Probe {
  int x;
  int y;
  base::TColor color;  // clNone: anything but white
};

struct PixelCase {
  const char* name;
  std::function<void(DrawingBackend&)> draw;
  std::vector<Probe> probes;
};

constexpr base::TColor kInk = base::clNone;

void PrintTo(const PixelCase& c, std::ostream* os) {
  *os << c.name;
}

class BackendPixelRules : public testing::TestWithParam<PixelCase> {};

TEST_P(BackendPixelRules, ProbesMatch) {
  const PixelCase& c = GetParam();
  CanvasTestImage canvas;
  c.draw(canvas.backend());
  testsupport::saveArtifact(canvas.image(), QStringLiteral("BackendPixelRules_%1.png").arg(c.name));
  for (const Probe& p : c.probes) {
    const base::TColor got = canvas.at(p.x, p.y);
    if (p.color == kInk) {
      EXPECT_NE(got, clWhite) << "(" << p.x << "," << p.y << ") should be drawn";
    } else {
      EXPECT_EQ(got, p.color) << "(" << p.x << "," << p.y << ") is " << std::hex << got;
    }
  }
}

void rectangleBlackPenRedBrush(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  b.rectangle({10, 10, 20, 20});
}

void rectangleClearPen(DrawingBackend& b) {
  b.setPen(ClearPen());
  b.setBrush(SolidBrush(clRed));
  b.rectangle({10, 10, 20, 20});
}

void lineLeavesLastPixel(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.moveTo(10, 30);
  b.lineTo(20, 30);
}

void roundRectCorners(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  b.roundRect({10, 10, 50, 50}, 20, 20);
}

void pieFullWhenPointsMeet(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  b.pie({10, 10, 110, 110}, QPoint(200, 60), QPoint(200, 60));
}

void pieParametric(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  b.pie({0, 0, 200, 100}, QPoint(200, -50), QPoint(0, -50));
}

void pentagram(DrawingBackend& b) {
  b.setPen(ClearPen());
  b.setBrush(SolidBrush(clBlue));
  const std::array<QPoint, 5> star = {QPoint(100, 10), QPoint(153, 172), QPoint(15, 72),
                                      QPoint(185, 72), QPoint(47, 172)};
  b.polygon(star);
}

void smallDots(DrawingBackend& b) {
  BackendPen pen = SolidPen(clBlack);
  pen.smallDots = true;
  b.setPen(pen);
  b.moveTo(10, 50);
  b.lineTo(60, 50);
}

void fDiagonalHatch(DrawingBackend& b) {
  b.setPen(ClearPen());
  BackendBrush brush = SolidBrush(clBlack);
  brush.style = Graphics::bsFDiagonal;
  b.setBrush(brush);
  b.fillRect({0, 0, 40, 40});
}

void hugeHorizontalLine(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.moveTo(-1000000000, 5);
  b.lineTo(1000000000, 5);
}

void hugeTriangle(DrawingBackend& b) {
  b.setPen(ClearPen());
  b.setBrush(SolidBrush(clRed));
  const std::array<QPoint, 3> tri = {QPoint(0, 0), QPoint(100000000, 100000000),
                                     QPoint(0, 100000000)};
  b.polygon(tri);
}

void hugeTriangleOutlined(DrawingBackend& b) {
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  const std::array<QPoint, 3> tri = {QPoint(10, 10), QPoint(100000000, 100000000),
                                     QPoint(10, 100000000)};
  b.polygon(tri);
}

// A wide pen turns a corner round whatever its ends: square ends and flat
// ends each draw one corner.
void widePenCorners(DrawingBackend& b) {
  BackendPen pen = SolidPen(clBlack, 11);
  for (const auto end : {Graphics::esSquare, Graphics::esFlat}) {
    pen.endStyle = end;
    b.setPen(pen);
    const int y = end == Graphics::esSquare ? 30 : 130;
    const std::array<QPoint, 3> corner = {QPoint(60, y), QPoint(150, y), QPoint(150, y + 50)};
    b.polyline(corner);
  }
}

// A line from a point to itself with a wide pen is a dot of the pen's width.
void zeroLengthWideLines(DrawingBackend& b) {
  for (const int width : {2, 5}) {
    b.setPen(SolidPen(clBlack, width));
    const int x = width == 2 ? 60 : 120;
    b.moveTo(x, 100);
    b.lineTo(x, 100);
  }
}

std::vector<PixelCase> pixelCases() {
  return {
      {"RectangleOutlineExclusive",
       rectangleBlackPenRedBrush,
       {{10, 10, clBlack},
        {19, 19, clBlack},
        {20, 20, clWhite},
        {15, 15, clRed},
        {19, 10, clBlack},
        {20, 10, clWhite}}},
      {"RectangleClearPenSmaller",
       rectangleClearPen,
       {{10, 10, clRed}, {18, 18, clRed}, {19, 19, clWhite}}},
      {"LineToLeavesLastPixel",
       lineLeavesLastPixel,
       {{10, 30, clBlack}, {19, 30, clBlack}, {20, 30, clWhite}}},
      {"RoundRectSizesAreEllipseSizes",
       roundRectCorners,
       {{11, 11, clWhite}, {14, 14, kInk}, {30, 30, clRed}}},
      {"PieWithMeetingPointsIsEllipse",
       pieFullWhenPointsMeet,
       {{10, 60, clBlack},
        {109, 60, clBlack},
        {60, 10, clBlack},
        {60, 109, clBlack},
        {40, 80, clRed}}},
      {"PieAnglesAreParametric", pieParametric, {{100, 10, clRed}, {150, 15, clWhite}}},
      {"PolygonFillsOddEven",
       pentagram,
       {{100, 100, clWhite}, {100, 30, clBlue}, {30, 75, clBlue}}},
      {"SmallDotsEveryOtherPixel",
       smallDots,
       {{10, 50, clBlack},
        {11, 50, clWhite},
        {12, 50, clBlack},
        {13, 50, clWhite},
        {58, 50, clBlack}}},
      {"FDiagonalRunsDownRight", fDiagonalHatch, {}},
      {"WidePenCornersJoinRound",
       widePenCorners,
       {{150, 30, clBlack},
        {145, 25, clBlack},
        {155, 25, clWhite},
        {150, 130, clBlack},
        {145, 125, clBlack},
        {155, 125, clWhite}}},
      {"ZeroLengthWideLineIsADot",
       zeroLengthWideLines,
       {{60, 100, clBlack},
        {63, 100, clWhite},
        {120, 100, clBlack},
        {121, 101, clBlack},
        {119, 99, clBlack},
        {124, 100, clWhite}}},
      {"HugeLineFillsItsRow",
       hugeHorizontalLine,
       {{0, 5, clBlack}, {100, 5, clBlack}, {199, 5, clBlack}}},
      {"HugeTriangleFills",
       hugeTriangle,
       {{1, 150, clRed},
        {100, 150, clRed},
        {150, 100, clWhite},
        {199, 198, clWhite},
        {100, 199, clRed}}},
      {"HugeTriangleOutlined",
       hugeTriangleOutlined,
       {{10, 10, clBlack},
        {10, 150, clBlack},
        {100, 100, clBlack},
        {199, 199, clBlack},
        {50, 100, clRed},
        {9, 150, clWhite},
        {100, 99, clWhite}}},
  };
}

INSTANTIATE_TEST_SUITE_P(Probes, BackendPixelRules, testing::ValuesIn(pixelCases()),
                         [](const testing::TestParamInfo<PixelCase>& info) {
                           return info.param.name;
                         });

}  // namespace
