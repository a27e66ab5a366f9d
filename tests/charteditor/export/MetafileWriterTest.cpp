// What the two metafile writers promise beyond the golden list: the
// smallest point records that hold, 16-bit coordinates clamped rather than
// wrapped, objects that follow the state through clips, headers that
// describe the picture, text in each format's encoding, and the panel's
// metafiles made by them once installed.
#include "MetafileScript.h"
#include "charteditor/export/EmfWriterBackend.h"
#include "charteditor/export/MetafileWriters.h"
#include "charteditor/export/WmfWriterBackend.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/MetafileWalker.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using testsupport::MetafileWalk;
using testsupport::RecordsNamed;

MetafileWalk Walk(bool enhanced, const std::function<void(DrawingBackend&)>& draw,
                  QSize size = QSize(200, 200)) {
  std::unique_ptr<MetafileBackend> b;
  if (enhanced)
    b = std::make_unique<EmfWriterBackend>(size);
  else
    b = std::make_unique<WmfWriterBackend>(size);
  draw(*b);
  const QByteArray file = b->Finish();
  EXPECT_EQ(b->Finish(), file) << "a second Finish answers the same file";
  MetafileWalk walk = enhanced ? testsupport::WalkEmf(file) : testsupport::WalkWmf(file);
  EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
  return walk;
}

TEST(MetafileWriter, PointRecordsAreSixteenBitWhenEveryPointFits) {
  struct Case {
    QPoint far;
    const char* polyline;
    const char* polygon;
  };
  const std::vector<Case> cases = {
      {{32767, -32768}, "POLYLINE16", "POLYGON16"},
      {{32768, 0}, "POLYLINE", "POLYGON"},
      {{0, -32769}, "POLYLINE", "POLYGON"},
  };
  for (const Case& c : cases) {
    const MetafileWalk walk = Walk(true, [&](DrawingBackend& b) {
      const std::vector<QPoint> pts = {QPoint(1, 2), c.far, QPoint(5, 6)};
      b.polyline(pts);
      b.polygon(pts);
    });
    EXPECT_EQ(RecordsNamed(walk, c.polyline).size(), 1) << c.polyline;
    EXPECT_EQ(RecordsNamed(walk, c.polygon).size(), 1) << c.polygon;
    if (QByteArray(c.polyline) == "POLYLINE") {
      EXPECT_EQ(RecordsNamed(walk, c.polyline)[0], QStringLiteral("POLYLINE n=3 first=1,2"));
    }
  }
}

TEST(MetafileWriter, PlainCoordinatesAreClampedNeverWrapped) {
  struct Case {
    QPoint to;
    const char* line;
  };
  const std::vector<Case> cases = {
      {{32767, 10}, "LINETO 32767,10"},
      {{40000, 10}, "LINETO 32767,10"},
      {{100000, -100000}, "LINETO 32767,-32767"},  // wrapped: -31072,31072
      {{-32768, 65536}, "LINETO -32767,32767"},
  };
  for (const Case& c : cases) {
    const MetafileWalk walk = Walk(false, [&](DrawingBackend& b) {
      b.moveTo(0, 0);
      b.lineTo(c.to.x(), c.to.y());
      b.rectangle({-70000, 0, 70000, 10});
    });
    EXPECT_EQ(RecordsNamed(walk, "LINETO"), QStringList{c.line});
    EXPECT_EQ(RecordsNamed(walk, "RECTANGLE"), QStringList{"RECTANGLE -32767,0,32767,10"});
  }
}

TEST(MetafileWriter, PlainLinesLongerThanARecordContinueFromTheirLastPoint) {
  std::vector<QPoint> pts;
  for (int i = 0; i < 70000; ++i) pts.emplace_back(i % 200, i / 400);
  const MetafileWalk walk = Walk(false, [&](DrawingBackend& b) { b.polyline(pts); });
  const QStringList lines = RecordsNamed(walk, "POLYLINE");
  // Each piece starts where the one before it ended.
  EXPECT_EQ(lines, (QStringList{"POLYLINE n=32767 first=0,0", "POLYLINE n=32767 first=166,81",
                                "POLYLINE n=4468 first=132,163"}));
}

TEST(MetafileWriter, ObjectsFollowTheStateAndStayFew) {
  for (bool enhanced : {true, false}) {
    const MetafileWalk walk = Walk(enhanced, [](DrawingBackend& b) {
      BackendPen pen;
      for (int i = 0; i < 100; ++i) {
        pen.color = base::TColor(i % 3);
        b.setPen(pen);
        b.setPen(pen);  // the same pen again makes nothing new
        b.lineTo(i, i);
        b.lineTo(i, 0);  // drawn with the pen already selected
      }
    });
    const QString create = enhanced ? "CREATEPEN" : "CREATEPENINDIRECT";
    EXPECT_EQ(RecordsNamed(walk, create).size(), 100) << enhanced;
    EXPECT_EQ(RecordsNamed(walk, "DELETEOBJECT").size(), 100) << enhanced;
    // Two pens at most alive at once: the new and the one it replaces.
    EXPECT_EQ(walk.peakObjects, enhanced ? 3 : 2) << enhanced;
  }
}

TEST(MetafileWriter, APoppedClipBringsBackTheOldPenSoTheNewOneIsSelectedAgain) {
  for (bool enhanced : {true, false}) {
    const MetafileWalk walk = Walk(enhanced, [](DrawingBackend& b) {
      BackendPen pen;
      b.setPen(pen);
      b.lineTo(10, 10);
      b.pushClipRect({0, 0, 50, 50});
      pen.color = base::clRed;
      b.setPen(pen);
      b.lineTo(20, 10);
      b.popClip();
      b.lineTo(30, 10);  // red, after the player went back to black
    });
    const qsizetype restore = walk.records.lastIndexOf("RESTOREDC -1", walk.records.size() - 4);
    ASSERT_GT(restore, 0) << enhanced;
    const QString create = enhanced ? "CREATEPEN" : "CREATEPENINDIRECT";
    qsizetype next = restore + 1;
    while (walk.records[next].startsWith("DELETEOBJECT")) ++next;
    EXPECT_TRUE(walk.records[next].startsWith(create) && walk.records[next].endsWith("$0000FF"))
        << walk.records.join('\n').toStdString();
  }
}

TEST(MetafileWriter, ClipsLeftOpenAreClosedBeforeTheEnd) {
  for (bool enhanced : {true, false}) {
    const MetafileWalk walk = Walk(enhanced, [](DrawingBackend& b) {
      b.pushClipRect({0, 0, 100, 100});
      b.pushClipEllipse({0, 0, 80, 80});
      BackendBrush brush;
      brush.color = base::clRed;
      b.setBrush(brush);
      b.pushClipPolygon(std::vector<QPoint>{{0, 0}, {50, 0}, {0, 50}});
      b.rectangle({0, 0, 60, 60});
      EXPECT_EQ(b.clipDepth(), 3);
    });
    EXPECT_EQ(RecordsNamed(walk, "SAVEDC").size(), RecordsNamed(walk, "RESTOREDC").size());
  }
}

TEST(MetafileWriter, CoordinatesAtTheEndsOfTheRangeAreWrittenWithoutOverflow) {
  constexpr int kMin = INT32_MIN, kMax = INT32_MAX;
  QImage tile(2, 2, QImage::Format_RGB32);
  tile.fill(Qt::red);
  for (bool enhanced : {true, false}) {
    const MetafileWalk walk = Walk(enhanced, [&](DrawingBackend& b) {
      b.fillRect({kMin, kMin, kMax, kMax});
      b.pie({kMin, kMin, kMax, kMax}, QPoint(kMax, 0), QPoint(kMax, 1));
      b.pie({kMin, kMin, kMax, kMax}, QPoint(kMin, kMin), QPoint(kMax, kMax));
      b.stretchDraw({kMin, kMin, kMax, kMax}, tile);
      b.tiledDraw({kMin, kMin, kMax, kMax}, tile);
      b.draw(kMax - 1, kMax - 1, tile);
      b.setMapping(QSize(1, 1), {0, 0, kMax, kMax});
      b.lineTo(kMax, kMin);
      b.textOut(kMax, kMax, QStringLiteral("x"));
      b.textOutline(kMax, kMax, QStringLiteral("x"));
    });
    EXPECT_EQ(RecordsNamed(walk, "PIE").size(), 2)
        << "near and opposite radials are no whole ellipse";
  }
}

TEST(MetafileWriter, HeadersDescribeThePicture) {
  for (QSize size : {QSize(1, 1), QSize(399, 249), QSize(3000, 2000)}) {
    for (bool enhanced : {true, false}) {
      const MetafileWalk walk = Walk(enhanced, ProbeScene, size);
      // Inclusive bounds of a one-pixel picture still span one unit each
      // way: readers divide by that extent.
      const QSize shown = enhanced ? size.expandedTo(QSize(2, 2)) : size;
      EXPECT_EQ(QSize(walk.width, walk.height), shown) << enhanced;
    }
  }
  EmfWriterBackend emf(QSize(0, -5));
  EXPECT_EQ(emf.deviceSize(), QSize(1, 1)) << "never below one pixel";
  EXPECT_TRUE(emf.capabilities().metafile);
  EXPECT_FALSE(emf.capabilities().pixelReadBack);
  EXPECT_TRUE(emf.grab({0, 0, 1, 1}).isNull());
}

// The advances an enhanced text record carries.
std::vector<int32_t> TextAdvances(const QByteArray& file) {
  for (qsizetype at = 0; at + 8 <= file.size();) {
    auto u32 = [&](qsizetype o) {
      uint32_t v = 0;
      for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(file[o + i]);
      return v;
    };
    const uint32_t size = u32(at + 4);
    if (u32(at) == 84) {
      std::vector<int32_t> dx;
      for (uint32_t i = 0; i < u32(at + 44); ++i)
        dx.push_back(static_cast<int32_t>(u32(at + u32(at + 72) + 4 * i)));
      return dx;
    }
    if (size == 0) break;
    at += size;
  }
  return {};
}

TEST(MetafileWriter, TextKeepsItsCharactersAndTheMeasuredWidth) {
  const QString text = QStringLiteral("µ€漢 x");
  const MetafileWalk emf = Walk(true, [&](DrawingBackend& b) { b.textOut(5, 5, text); });
  EXPECT_EQ(RecordsNamed(emf, "EXTTEXTOUTW"), QStringList{"EXTTEXTOUTW 5,5 \"µ€漢 x\""});
  const MetafileWalk wmf = Walk(false, [&](DrawingBackend& b) { b.textOut(5, 5, text); });
  // CP1252: µ is B5, € is 80, the ideograph has no byte.
  EXPECT_EQ(RecordsNamed(wmf, "EXTTEXTOUT"),
            QStringList{QStringLiteral("EXTTEXTOUT 5,5 \"\u00B5\u0080? x\"")});

  EmfWriterBackend b(QSize(100, 100));
  BackendFont font;
  font.height = -17;
  font.charExtra = 2;
  b.setFont(font);
  const QString word = QStringLiteral("Temperature");
  b.textOut(0, 0, word);
  const std::vector<int32_t> dx = TextAdvances(b.Finish());
  ASSERT_EQ(dx.size(), static_cast<size_t>(word.size()));
  int sum = 0;
  for (int d : dx) sum += d;
  EXPECT_NEAR(sum, b.textExtent(word).width(), 1) << "players place text as it was measured";
}

TEST(MetafileWriter, TheDefaultFontHeightIsWrittenOut) {
  BackendFont font;
  font.height = 0;
  const QString height = QStringLiteral("height=-%1 ").arg(FontPixelHeight(font));
  for (bool enhanced : {true, false}) {
    const MetafileWalk walk = Walk(enhanced, [&](DrawingBackend& b) {
      b.setFont(font);
      b.textOut(5, 5, QStringLiteral("x"));
    });
    const QStringList fonts =
        RecordsNamed(walk, enhanced ? "EXTCREATEFONTINDIRECTW" : "CREATEFONTINDIRECT");
    ASSERT_EQ(fonts.size(), 1);
    EXPECT_TRUE(fonts[0].contains(height)) << fonts[0].toStdString();
  }
}

TEST(MetafileWriter, PlainPicturesApplyTheLogicalMappingThemselves) {
  const MetafileWalk walk = Walk(false, [](DrawingBackend& b) {
    b.setMapping(QSize(1000, 1000), {10, 20, 510, 520});
    BackendPen pen;
    pen.width = 4;
    b.setPen(pen);
    BackendFont font;
    font.height = -30;
    b.setFont(font);
    b.rectangle({0, 0, 1000, 1000});
    b.textOut(100, 200, QStringLiteral("A"));
  });
  EXPECT_EQ(RecordsNamed(walk, "RECTANGLE"), QStringList{"RECTANGLE 10,20,510,520"});
  EXPECT_TRUE(RecordsNamed(walk, "CREATEPENINDIRECT")[0].contains("width=2"));
  EXPECT_TRUE(RecordsNamed(walk, "CREATEFONTINDIRECT")[0].contains("height=-15"));
  EXPECT_EQ(RecordsNamed(walk, "EXTTEXTOUT"), QStringList{"EXTTEXTOUT 60,120 \"A\""});
}

TEST(MetafileWriter, ThePanelMakesItsMetafilesWithTheInstalledWriters) {
  MetafileWritersScope writers;
  FakePlotPanel panel;
  panel.drawHook = DrawFakeChart;
  for (bool enhanced : {true, false}) {
    const TMetafile file = panel.CreateMetafile(enhanced, {0, 0, 400, 250});
    const MetafileWalk walk =
        enhanced ? testsupport::WalkEmf(file.Data) : testsupport::WalkWmf(file.Data);
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
    EXPECT_EQ(RecordsNamed(walk, enhanced ? "EXTTEXTOUTW" : "EXTTEXTOUT").size(), 1);
  }
}

// Every pixel of the rectangle is in the picture: the enhanced bounds end
// on its last row and column and the frame spans them whole (the walker
// checks it against the bounds); the plain box and window are its size.
TEST(MetafileWriter, ThePanelsPictureHoldsItsLastRowAndColumn) {
  MetafileWritersScope writers;
  FakePlotPanel panel;
  panel.drawHook = [](FakePlotPanel& p, const TRect& r) {
    DrawingBackend& b = p.Canvas().ReferenceCanvas();
    const std::vector<QPoint> edge = {
        {r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top}};
    b.polyline(edge);
  };
  for (const TRect& r : {TRect{0, 0, 400, 250}, TRect{0, 0, 2, 2}}) {
    for (bool enhanced : {true, false}) {
      SCOPED_TRACE(testing::Message() << (enhanced ? "EMF " : "WMF ") << r.Width());
      const TMetafile file = panel.CreateMetafile(enhanced, r);
      EXPECT_EQ(file.Size, QSize(r.Width() - 1, r.Height() - 1)) << "the size it reports";
      const MetafileWalk walk =
          enhanced ? testsupport::WalkEmf(file.Data) : testsupport::WalkWmf(file.Data);
      EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
      EXPECT_EQ(QSize(walk.width, walk.height), QSize(r.Width(), r.Height()));
      if (!enhanced) {
        EXPECT_EQ(RecordsNamed(walk, "SETWINDOWEXT"),
                  QStringList{QStringLiteral("SETWINDOWEXT %1,%2").arg(r.Width()).arg(r.Height())});
      }
    }
  }
}

}  // namespace
