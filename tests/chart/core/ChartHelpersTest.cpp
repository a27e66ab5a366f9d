// The small shared routines: palette, hit tests, number texts, component
// names, cursors and class images.
#include "chart/core/ChartComponents.h"
#include "chart/core/ChartCursors.h"
#include "chart/core/ChartHitTests.h"
#include "chart/core/ChartNumberText.h"
#include "chart/core/ChartPalette.h"
#include "chart/core/ChartResources.h"
#include "tests/base/LocaleScope.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QObject>

#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// A five-pointed star drawn in one stroke: every second corner of a pentagon.
std::vector<QPoint> pentagram(int radius) {
  std::vector<QPoint> points;
  for (int k = 0; k < 5; ++k) {
    const double a = -std::numbers::pi / 2 + k * 4 * std::numbers::pi / 5;
    points.emplace_back(static_cast<int>(std::lround(radius * std::cos(a))),
                        static_cast<int>(std::lround(radius * std::sin(a))));
  }
  return points;
}

const std::vector<QPoint> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const std::vector<QPoint> kStar = pentagram(1000);
constexpr int M = 67108863;  // the largest coordinate a zoomed chart hands over
const std::vector<QPoint> kHuge{{-M, -M}, {M, -M}, {M, M}};
const std::vector<QPoint> kEmpty;

enum class Shape { Line, Polygon, VertTriangle, HorizTriangle, Ellipse };

// For a line: a, b, c, d = x0, y0, x1, y1. For triangles and ellipses the
// four numbers of their functions in order.
struct HitCase {
  const char* what;
  Shape shape;
  QPoint p;
  int a, b, c, d, tolerance;
  const std::vector<QPoint>* polygon;
  bool expected;
};

const HitCase kHits[] = {
    // clang-format off
    {"line: on a diagonal of 1.2e8 pixels", Shape::Line, {1000, 1000}, -60000000, -60000000, 60000000, 60000000, 0, nullptr, true},
    {"line: 3 pixels off that diagonal", Shape::Line, {1000, 1003}, -60000000, -60000000, 60000000, 60000000, 0, nullptr, false},
    {"line: on the line but past its end", Shape::Line, {11, 11}, 0, 0, 10, 10, 0, nullptr, false},
    {"line: past its end within the tolerance", Shape::Line, {11, 11}, 0, 0, 10, 10, 1, nullptr, true},
    {"line: one pixel beside a steep line", Shape::Line, {1, 5}, 0, 0, 0, 10, 0, nullptr, false},
    {"line: of a single point", Shape::Line, {3, 3}, 3, 3, 3, 3, 5, nullptr, false},
    {"line: full int range does not wrap", Shape::Line, {0, 0}, INT_MIN + 1, INT_MIN + 1, INT_MAX, INT_MAX, 0, nullptr, true},
    {"polygon: left edge of a square is inside", Shape::Polygon, {0, 5}, 0, 0, 0, 0, 0, &kSquare, true},
    {"polygon: right edge of a square is outside", Shape::Polygon, {10, 5}, 0, 0, 0, 0, 0, &kSquare, false},
    {"polygon: empty", Shape::Polygon, {0, 0}, 0, 0, 0, 0, 0, &kEmpty, false},
    {"polygon: centre of a pentagram is outside", Shape::Polygon, {0, 0}, 0, 0, 0, 0, 0, &kStar, false},
    {"polygon: a tip of a pentagram is inside", Shape::Polygon, {0, -800}, 0, 0, 0, 0, 0, &kStar, true},
    {"polygon: huge triangle, just inside", Shape::Polygon, {1, 0}, 0, 0, 0, 0, 0, &kHuge, true},
    {"polygon: huge triangle, just outside", Shape::Polygon, {-1, 0}, 0, 0, 0, 0, 0, &kHuge, false},
    {"vertical triangle: middle", Shape::VertTriangle, {5, 5}, 0, 10, 0, 10, 0, nullptr, true},
    {"vertical triangle: beside the tip", Shape::VertTriangle, {1, 1}, 0, 10, 0, 10, 0, nullptr, false},
    {"horizontal triangle: middle", Shape::HorizTriangle, {5, 5}, 0, 10, 0, 10, 0, nullptr, true},
    {"horizontal triangle: beside the tip", Shape::HorizTriangle, {1, 1}, 0, 10, 0, 10, 0, nullptr, false},
    {"ellipse: centre", Shape::Ellipse, {5, 10}, 0, 0, 10, 20, 0, nullptr, true},
    {"ellipse: on its left end", Shape::Ellipse, {0, 10}, 0, 0, 10, 20, 0, nullptr, true},
    {"ellipse: corner of its rectangle", Shape::Ellipse, {1, 1}, 0, 0, 10, 20, 0, nullptr, false},
    {"ellipse: without width", Shape::Ellipse, {5, 10}, 5, 0, 5, 20, 0, nullptr, false},
    {"ellipse: without height", Shape::Ellipse, {5, 10}, 0, 10, 10, 10, 0, nullptr, false},
    {"ellipse: huge", Shape::Ellipse, {0, M - 1}, -M, -M, M, M, 0, nullptr, true},
    // clang-format on
};

bool hit(const HitCase& c) {
  switch (c.shape) {
    case Shape::Line:
      return c.tolerance == 0 ? PointOnSegment(c.p, c.a, c.b, c.c, c.d)
                              : PointInLine(c.p, c.a, c.b, c.c, c.d, c.tolerance);
    case Shape::Polygon:
      return PointInPolygon(c.p, *c.polygon);
    case Shape::VertTriangle:
      return PointInVertTriangle(c.p, c.a, c.b, c.c, c.d);
    case Shape::HorizTriangle:
      return PointInHorizTriangle(c.p, c.a, c.b, c.c, c.d);
    case Shape::Ellipse:
      return PointInEllipse(c.p, c.a, c.b, c.c, c.d);
  }
  return false;
}

}  // namespace

TEST(ChartHitTests, AnswerAsDrawn) {
  for (const HitCase& c : kHits) EXPECT_EQ(hit(c), c.expected) << c.what;
}

TEST(ChartPalette, CountsCyclicallyBothWays) {
  const struct {
    int index;
    base::TColor color;
  } cases[] = {{0, 0x0000FF},   {1, 0x008000},       {19, 0xA4A0A0},     {20, 0x0000FF},
               {21, 0x008000},  {-1, 0xA4A0A0},      {-20, 0x0000FF},    {-21, 0xA4A0A0},
               {-39, 0x008000}, {INT_MAX, 0x808000}, {INT_MIN, 0x800080}};
  for (const auto& c : cases) EXPECT_EQ(GetDefaultColor(c.index), c.color) << c.index;
}

TEST(ChartNumberText, SwapsSeparatorsInOnePass) {
  LocaleScope german(LocaleScope::german());
  const struct {
    const char* fixed;
    const char* local;
  } cases[] = {{"1,234.5", "1.234,5"},
               {"0.25", "0,25"},
               {"1,000,000", "1.000.000"},
               {"-7", "-7"},
               {"#,##0.###", "#.##0,###"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixed);
    EXPECT_EQ(LocalizeNumberText(QString::fromLatin1(c.fixed)), QString::fromLatin1(c.local));
    EXPECT_EQ(DelocalizeNumberText(QString::fromLatin1(c.local)), QString::fromLatin1(c.fixed));
  }
  EXPECT_EQ(PlotIntToText(-42), QStringLiteral("-42"));
}

TEST(ChartNumberText, LeavesFixedNotationUnderAnEnglishLocale) {
  LocaleScope english(LocaleScope::english());
  EXPECT_EQ(LocalizeNumberText(QStringLiteral("1,234.5")), QStringLiteral("1,234.5"));
  EXPECT_EQ(DelocalizeNumberText(QStringLiteral("1,234.5")), QStringLiteral("1,234.5"));
}

TEST(ChartComponentNames, TakeTheSmallestFreeNumberInAnyCase) {
  const struct {
    std::vector<const char*> children;
    const char* expected;
  } cases[] = {{{}, "Series1"},
               {{"Series1", "Series3"}, "Series2"},
               {{"SERIES1", "series2", "Chart1"}, "Series3"},
               {{"Series", "Series01", "Series2"}, "Series1"}};
  for (const auto& c : cases) {
    QObject owner;
    for (const char* name : c.children) (new QObject(&owner))->setObjectName(name);
    EXPECT_EQ(NewComponentName(&owner, QStringLiteral("Series")), QLatin1String(c.expected));
  }
  EXPECT_EQ(NewComponentName(nullptr, QStringLiteral("ChartTool")), QStringLiteral("ChartTool1"));
}

TEST(ChartCursors, NamesAndNumbersMapBothWays) {
  const QStringList names = PlotCursorIdents();
  EXPECT_EQ(names.size(), 23);
  EXPECT_EQ(names.last(), QStringLiteral("crPlotHand"));
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    int cursor = 12345;
    ASSERT_TRUE(PlotIdentToCursor(name.toLower(), cursor));
    QString back;
    ASSERT_TRUE(PlotCursorToIdent(cursor, back));
    EXPECT_EQ(back, name);
  }
  int cursor = 7;
  EXPECT_TRUE(PlotIdentToCursor(QStringLiteral("CRPLOTHAND"), cursor));
  EXPECT_EQ(cursor, 2020);
  EXPECT_FALSE(PlotIdentToCursor(QStringLiteral("crBogus"), cursor));
  EXPECT_EQ(cursor, 2020);
  QString name = QStringLiteral("kept");
  EXPECT_FALSE(PlotCursorToIdent(-5, name));
  EXPECT_FALSE(PlotCursorToIdent(2021, name));
  EXPECT_EQ(name, QStringLiteral("kept"));
  EXPECT_EQ(PlotCursorShape(crHandPoint), Qt::PointingHandCursor);
  EXPECT_EQ(PlotCursorShape(crIBeam), Qt::IBeamCursor);
  EXPECT_EQ(PlotCursorShape(crNone), Qt::BlankCursor);
  EXPECT_EQ(PlotCursorShape(99), Qt::ArrowCursor);
}

TEST(ChartClassImages, NoImageLeavesTheTargetAlone) {
  QImage image(3, 3, QImage::Format_RGB32);
  image.fill(Qt::green);
  QObject object;
  EXPECT_FALSE(PlotLoadBitmap(image, QStringLiteral("TNoSuchSeries"), QStringLiteral("TAlsoNone")));
  EXPECT_FALSE(PlotLoadClassBitmap(object, image));
  EXPECT_EQ(image.pixel(1, 1), QColor(Qt::green).rgb());
}
