// The recording backend writes each call as one line with the state it
// draws with, and measures text with fixed metrics, so layout tests can
// compare exact call sequences on any machine. The null backend counts.
#include "chart/canvas/NullBackend.h"
#include "chart/canvas/RecordingBackend.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <array>
#include <limits>

namespace {

TEST(RecordingBackend, EachCallIsOneLineWithResolvedState) {
  RecordingBackend b;
  BackendPen pen;
  pen.color = base::clBtnShadow;  // a system colour: written resolved
  pen.width = 2;
  pen.style = Graphics::psDot;
  b.setPen(pen);
  b.moveTo(1, 2);
  b.lineTo(3, 4);
  BackendBrush brush;
  brush.color = base::clRed;
  brush.style = Graphics::bsFDiagonal;
  b.setBrush(brush);
  b.pushClipRect({0, 0, 50, 60});
  b.rectangle({10, 10, 20, 20});
  b.popClip();
  const std::array<QPoint, 2> pts = {QPoint(0, 0), QPoint(5, -5)};
  b.polyline(pts);
  BackendFont font;
  font.name = QStringLiteral("DejaVu Sans");
  font.height = -11;
  font.angle = 900;
  font.style = Graphics::fsBold;
  font.charExtra = 2;
  b.setFont(font);
  b.setTextAlign(TextAlign::Right | TextAlign::Baseline);
  b.setBackMode(BackMode::Opaque);
  b.setMapping(QSize(100, 50), {0, 0, 200, 100});
  b.textOut(7, 8, QStringLiteral("a\"b"));
  b.resetMapping();
  b.pie({0, 0, 10, 10}, QPoint(10, 5), QPoint(10, 5));
  b.beginBlend({0, 0, 5, 5});
  b.setPixel(1, 1, base::clNone);
  b.endBlend(30);

  const QStringList want = {
      "setPen $808080 w2 psDot esRound pmCopy",
      "moveTo 1,2",
      "lineTo 3,4 pen[$808080 w2 psDot esRound pmCopy]",
      "setBrush $0000FF bsFDiagonal",
      "pushClipRect 0,0,50,60",
      "rectangle 10,10,20,20 pen[$808080 w2 psDot esRound pmCopy] brush[$0000FF bsFDiagonal] clip1",
      "popClip",
      "polyline 0,0 5,-5 pen[$808080 w2 psDot esRound pmCopy]",
      "setFont \"DejaVu Sans\" h11 a900 $000000 bold extra2",
      "setTextAlign right baseline",
      "setBackMode opaque",
      "setMapping 100x50 0,0,200,100",
      "textOut 7,8 \"a\\\"b\" font[\"DejaVu Sans\" h11 a900 $000000 bold extra2] back[opaque "
      "$FFFFFF] "
      "align[right baseline] mapped",
      "resetMapping",
      "pie 0,0,10,10 10,5 10,5 pen[$808080 w2 psDot esRound pmCopy] brush[$0000FF bsFDiagonal]",
      "beginBlend 0,0,5,5",
      "setPixel 1,1 none",
      "endBlend 30",
  };
  EXPECT_EQ(b.lines(), want);
  EXPECT_EQ(b.lines(QStringLiteral("pie")).size(), 1);
  EXPECT_EQ(b.lines(QStringLiteral("popClip")).size(), 1);
}

TEST(RecordingBackend, FixedMetricsFollowThePixelHeight) {
  struct Row {
    int height;
    int extra;
    int charWidth;
    int lineHeight;
    int ascent;
  };
  const Row rows[] = {{-11, 0, 5, 13, 11},
                      {11, 0, 5, 13, 11},
                      {-1, 0, 1, 1, 1},
                      {0, 0, 5, 13, 11},  // the default height
                      {-20, 3, 13, 25, 20}};
  for (const Row& r : rows) {
    RecordingBackend b;
    BackendFont font;
    font.height = r.height;
    font.charExtra = r.extra;
    b.setFont(font);
    EXPECT_EQ(b.textExtent(QStringLiteral("abcd")), QSize(4 * r.charWidth, r.lineHeight))
        << r.height;
    EXPECT_EQ(b.textExtent(QString()), QSize(0, r.lineHeight));
    const TextMetrics m = b.textMetrics();
    EXPECT_EQ(m.ascent, r.ascent);
    EXPECT_EQ(m.height, r.lineHeight);
    EXPECT_EQ(m.ascent + m.descent, m.height);
  }
}

TEST(RecordingBackend, ExtremeFontHeightsStayFinite) {
  RecordingBackend b;
  BackendFont font;
  font.height = std::numeric_limits<int>::min();
  b.setFont(font);
  const QSize extent = b.textExtent(QString(1000, QLatin1Char('x')));
  EXPECT_GT(extent.width(), 0);
  EXPECT_GT(extent.height(), 0);
}

TEST(NullBackend, CountsCallsAndInk) {
  NullBackend b;
  b.moveTo(0, 0);
  b.lineTo(0, 0);  // no length: no ink
  b.lineTo(5, 5);
  BackendPen clear;
  clear.style = Graphics::psClear;
  b.setPen(clear);
  b.lineTo(9, 9);
  b.rectangle({0, 0, 5, 5});  // the white brush still fills
  BackendBrush none;
  none.style = Graphics::bsClear;
  b.setBrush(none);
  b.ellipse({0, 0, 5, 5});
  b.fillRect({0, 0, 5, 5});
  b.textOut(0, 0, QStringLiteral("x"));
  EXPECT_EQ(b.calls(), 10);
  EXPECT_EQ(b.inkCalls(), 3);
  b.resetCounts();
  EXPECT_EQ(b.calls(), 0);
  EXPECT_FALSE(b.capabilities().pixelReadBack);
  EXPECT_TRUE(b.grab({0, 0, 5, 5}).isNull());
}

}  // namespace
