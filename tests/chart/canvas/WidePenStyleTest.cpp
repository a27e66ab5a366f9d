// A wide pen keeps its style: dashes, dots and dash-dots leave gaps along
// a line at every width and with every end, even on a line no longer than
// a chart's segments usually are, and the patterns differ from each other
// and from a solid line.
#include "CanvasTestImage.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct StyleCase {
  const char* name;
  TPenStyle style;
};

const StyleCase kStyles[] = {{"Dash", Graphics::psDash},
                             {"Dot", Graphics::psDot},
                             {"DashDot", Graphics::psDashDot},
                             {"DashDotDot", Graphics::psDashDotDot}};

const TPenEndStyle kEnds[] = {Graphics::esRound, Graphics::esSquare, Graphics::esFlat};

// The ink along the middle row of a horizontal line from x = 10, one
// character per pixel ('#' ink, '.' none), over `length` pixels.
std::string InkAlong(const BackendPen& pen, int length, bool polyline) {
  CanvasTestImage image(400, 60);
  image.backend().setPen(pen);
  if (polyline) {
    const std::vector<QPoint> pts = {{10, 30}, {10 + length, 30}};
    image.backend().polyline(pts);
  } else {
    image.backend().moveTo(10, 30);
    image.backend().lineTo(10 + length, 30);
  }
  std::string ink;
  for (int x = 10; x < 10 + length; ++x) ink += image.isWhite(x, 30) ? '.' : '#';
  return ink;
}

int Gaps(const std::string& ink) {
  int gaps = 0;
  for (size_t i = 1; i + 1 < ink.size(); ++i) gaps += ink[i] == '.' && ink[i - 1] == '#' ? 1 : 0;
  return gaps;
}

TEST(WidePenStyle, DashesAndDotsLeaveGapsAtEveryWidth) {
  for (const StyleCase& s : kStyles) {
    for (const TPenEndStyle end : kEnds) {
      for (const int width : {2, 3, 5, 10}) {
        for (const bool polyline : {false, true}) {
          BackendPen pen = SolidPen(base::clBlack, width);
          pen.style = s.style;
          pen.endStyle = end;
          // Ten widths, and never less than a thin dash and its gap.
          const int length = std::max(10 * width, 30);
          const std::string ink = InkAlong(pen, length, polyline);
          SCOPED_TRACE(testing::Message() << s.name << " end " << int(end) << " width " << width
                                          << (polyline ? " polyline " : " lineTo ") << ink);
          EXPECT_GE(Gaps(ink), 1) << "the style is lost";
          EXPECT_EQ(ink[0], '#') << "the pattern starts with ink";
          EXPECT_GT(std::count(ink.begin(), ink.end(), '#'), length / 4);
        }
      }
    }
  }
}

// Chart-like zigzags of 40-pixel segments, one lineTo each, in every style
// at widths 1, 3 and 6, kept to be looked at: every row but the first
// shows its gaps.
TEST(WidePenStyle, ZigzagsOfEveryStyleArtefact) {
  CanvasTestImage image(560, 300);
  const TPenStyle styles[] = {Graphics::psSolid, Graphics::psDash, Graphics::psDot,
                              Graphics::psDashDot, Graphics::psDashDotDot};
  int row = 0;
  for (const TPenStyle style : styles) {
    int column = 0;
    for (const int width : {1, 3, 6}) {
      BackendPen pen = SolidPen(base::clNavy, width);
      pen.style = style;
      image.backend().setPen(pen);
      const int x0 = 10 + column * 185, y0 = 20 + row * 56;
      image.backend().moveTo(x0, y0 + 30);
      for (int i = 1; i <= 4; ++i) image.backend().lineTo(x0 + 40 * i, y0 + (i % 2 ? 0 : 30));
      ++column;
    }
    ++row;
  }
  testsupport::saveArtifact(image.image(), QStringLiteral("WidePenStyle_Zigzags.png"));
  EXPECT_FALSE(image.isWhite(10, 50));
}

TEST(WidePenStyle, EachStyleHasItsOwnPattern) {
  for (const int width : {3, 6}) {
    std::vector<std::string> seen;
    BackendPen solid = SolidPen(base::clBlack, width);
    seen.push_back(InkAlong(solid, 200, false));
    for (const StyleCase& s : kStyles) {
      BackendPen pen = solid;
      pen.style = s.style;
      const std::string ink = InkAlong(pen, 200, false);
      for (const std::string& other : seen) EXPECT_NE(ink, other) << s.name << " width " << width;
      seen.push_back(ink);
    }
  }
}

}  // namespace
