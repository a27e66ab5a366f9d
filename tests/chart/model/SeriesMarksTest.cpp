// Marks: one mark drawn as arrow, box and text lines; positions kept for
// marks moved by hand; the mark under the mouse.
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TSeriesMarks.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct MarksCanvas {
  ChartEngineScope engine;
  RecordingBackend backend{QSize(400, 300)};
  TPlotCanvas3D canvas;
  TView3DOptions view;
  TSeriesMarks marks;
  MarksCanvas() {
    canvas.InitWindow(&backend, &view, false, TRect{0, 0, 400, 300});
    canvas.Projection(0, TRect{0, 0, 400, 300});
    backend.clearLines();
    marks.Font()->SetHeight(-10);
    marks.Font()->SetName(QStringLiteral("DejaVu Sans"));
  }
};

TSeriesMarkPosition At(int x, int y, int w = 40, int h = 30) {
  TSeriesMarkPosition p;
  p.ArrowStart = QPoint(x, y);
  p.ArrowEnd = QPoint(x, y - 8);
  p.BoxTopLeft = QPoint(x - w / 2, y - 8 - h);
  p.BoxWidth = w;
  p.BoxHeight = h;
  return p;
}

struct Texts : SeriesMarksSource {
  QString MarkText(int index) const override {
    return index == 1 ? QStringLiteral("A\rBBBB") : QStringLiteral("x");
  }
};

}  // namespace

TEST(SeriesMarks, DrawItemDrawsArrowBoxAndLines) {
  MarksCanvas m;
  m.marks.Frame()->SetVisible(false);
  TSeriesMarkPosition p = At(100, 200);
  m.marks.DrawItem(m.canvas, 0, base::clRed, p, QStringLiteral("A\rB"));
  const QString noPen = QStringLiteral(" pen[$000000 w1 psClear esRound pmCopy]");
  const QString font = QStringLiteral(
      " font[\"DejaVu Sans\" h10 a0 $000000] back[transparent $FFFFFF] align[center top]");
  QStringList drawn;
  for (const QString& l : m.backend.lines())
    if (l.startsWith("moveTo") || l.startsWith("lineTo") || l.startsWith("rectangle") ||
        l.startsWith("textOut"))
      drawn << l;
  // The box is 80,162 .. 120,192; lines are 12 pixels high (font height 10).
  EXPECT_EQ(drawn, QStringList({
                       "moveTo 100,200",
                       "lineTo 100,192 pen[$FFFFFF w1 psSolid esRound pmCopy]",
                       "rectangle 81,163,121,193" + noPen + " brush[$808080 bsSolid]",
                       "rectangle 80,162,120,192" + noPen + " brush[$E1FFFF bsSolid]",
                       "textOut 100,164 \"A\"" + font,
                       "textOut 100,176 \"B\"" + font,
                   }));
}

TEST(SeriesMarks, HandPlacedMarksStayPut) {
  MarksCanvas m;
  TSeriesMarkPosition first = At(100, 200);
  m.marks.DrawItem(m.canvas, 3, base::clRed, first, QStringLiteral("x"));
  EXPECT_EQ(m.marks.Positions().Count(), 4);
  EXPECT_EQ(m.marks.Positions().GetPosition(0), nullptr);
  ASSERT_NE(m.marks.Positions().GetPosition(3), nullptr);
  EXPECT_FALSE(m.marks.Positions().ExistCustom());

  // Not moved: the new computed place is taken.
  TSeriesMarkPosition moved = At(150, 120);
  m.marks.DrawItem(m.canvas, 3, base::clRed, moved, QStringLiteral("x"));
  EXPECT_EQ(m.marks.Positions().GetPosition(3)->BoxTopLeft, moved.BoxTopLeft);

  // The user drags the box; the points move on, the box stays.
  TSeriesMarkPosition* stored = m.marks.Positions().GetPosition(3);
  stored->BoxTopLeft = QPoint(10, 10);
  stored->ArrowEnd = QPoint(30, 40);
  stored->MovedByHand = true;
  EXPECT_TRUE(m.marks.Positions().ExistCustom());
  for (const bool keep : {false, true}) {
    TSeriesMarkPosition next = At(300, 250);
    next.KeepArrowStart = keep;
    m.marks.DrawItem(m.canvas, 3, base::clRed, next, QStringLiteral("x"));
    EXPECT_EQ(next.BoxTopLeft, QPoint(10, 10)) << keep;
    EXPECT_EQ(next.ArrowEnd, QPoint(30, 40)) << keep;
    EXPECT_EQ(next.ArrowStart, keep ? QPoint(300, 250) : QPoint(150, 120)) << keep;
  }
  // Negative indexes have no place.
  TSeriesMarkPosition other = At(1, 1);
  m.marks.DrawItem(m.canvas, -1, base::clRed, other, QStringLiteral("x"));
  EXPECT_EQ(m.marks.Positions().GetPosition(-1), nullptr);
  EXPECT_EQ(m.marks.Positions().GetPosition(4), nullptr);
  EXPECT_EQ(m.marks.Positions().Count(), 4);
}

TEST(SeriesMarks, ClickedFindsDrawnMarks) {
  MarksCanvas m;
  for (int i = 0; i < 4; ++i) {
    TSeriesMarkPosition p = At(50 + 100 * i, 200);
    m.marks.DrawItem(m.canvas, i, base::clRed, p, QStringLiteral("x"));
  }
  // Boxes: x from 30 + 100 i to 70 + 100 i, y 162 .. 192.
  const struct {
    int drawEvery, x, expected;
  } cases[] = {
      {1, 135, 1}, {1, 35, 0},   {1, 75, -1}, {2, 135, -1}, {2, 235, 2},
      {0, 135, 1}, {-3, 335, 3}, {3, 335, 3}, {3, 235, -1},
  };
  for (const auto& c : cases) {
    m.marks.SetDrawEvery(c.drawEvery);
    EXPECT_EQ(m.marks.DrawEvery(), c.drawEvery);
    EXPECT_EQ(m.marks.Clicked(m.canvas, c.x, 170), c.expected) << c.drawEvery << " " << c.x;
  }
  EXPECT_EQ(m.marks.Clicked(m.canvas, 35, 193), -1);
}

TEST(SeriesMarks, TextWidthArrowLengthAndDefaults) {
  MarksCanvas m;
  Texts texts;
  m.marks.SetSeries(&texts);
  EXPECT_EQ(m.marks.TextWidth(m.canvas, 1), 20);  // "BBBB"
  EXPECT_EQ(m.marks.TextWidth(m.canvas, 0), 5);
  TSeriesMarkPosition p = At(100, 200);
  m.marks.ApplyArrowLength(p);
  EXPECT_EQ(p.BoxTopLeft.y(), 154);
  EXPECT_EQ(p.ArrowEnd.y(), 184);
  // Any stored length moves the box no further than the pixel range.
  for (const int length : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    m.marks.SetArrowLength(length);
    TSeriesMarkPosition far = At(100, length < 0 ? 200 : -200);
    m.marks.ApplyArrowLength(far);
    EXPECT_LE(std::abs(far.BoxTopLeft.y()), 67108863 + 240) << length;
    m.marks.DrawItem(m.canvas, 0, base::clRed, far, QStringLiteral("x"));
  }
  m.marks.SetArrowLength(8);
  EXPECT_EQ(m.marks.Color(), base::clInfoBk);
  m.marks.SetBackColor(base::clRed);
  EXPECT_EQ(m.marks.Color(), base::clRed);
  EXPECT_EQ(m.marks.Gradient()->Direction(), gdRightLeft);
  EXPECT_EQ(MarkTextLines(QString(300, QLatin1Char('a')) + "\rb"),
            QStringList({QString(255, QLatin1Char('a')), "b"}));
}
