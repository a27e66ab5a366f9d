// Chart attributes tell their owner of a change exactly once, and only when
// a value really changed; copies are complete; the 3D options report
// scrolling and zooming as the panel expects.
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/canvas/TPlotShadow.h"
#include "chart/canvas/TView3DOptions.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>

namespace {

struct Counter {
  int changes = 0;
  TPlotPersistent::ChangeHandler handler() {
    return [this] { ++changes; };
  }
};

TEST(AttributeChanges, NestedPartsReportToTheirOwner) {
  Counter counter;
  TPlotFont font(counter.handler());
  font.OutLine()->SetVisible(true);
  font.Shadow()->SetHorizSize(2);
  EXPECT_EQ(counter.changes, 2);

  Counter brushCounter;
  TChartBrush brush(brushCounter.handler());
  brush.Image()->SetImage(QImage(4, 4, QImage::Format_RGB32));
  EXPECT_EQ(brushCounter.changes, 1);
}

TEST(AttributeChanges, PenAssignCopiesAllSevenAndReportsOnce) {
  TChartPen source;
  source.SetColor(base::clRed);
  source.SetMode(Graphics::pmNotXor);
  source.SetStyle(Graphics::psDashDot);
  source.SetWidth(3);
  source.SetEndStyle(Graphics::esFlat);
  source.SetSmallDots(true);
  source.SetVisible(false);
  Counter counter;
  TChartAxisPen target(counter.handler());
  target.Assign(source);
  EXPECT_EQ(counter.changes, 1);
  for (const char* name : {"Color", "Mode", "Style", "Width", "EndStyle", "SmallDots", "Visible"})
    EXPECT_EQ(target.property(name), source.property(name)) << name;
  target.Assign(source);
  EXPECT_EQ(counter.changes, 1);
}

TEST(AttributeChanges, FontAssignCopiesSpacingOutlineAndShadow) {
  TPlotFont source;
  source.SetInterCharSize(4);
  source.SetName(QStringLiteral("DejaVu Serif"));
  source.SetStyle(Graphics::fsBold | Graphics::fsUnderline);
  source.OutLine()->SetVisible(true);
  source.OutLine()->SetColor(base::clBlue);
  source.Shadow()->SetVertSize(-3);
  TPlotFont target;
  target.Assign(source);
  EXPECT_EQ(target.InterCharSize(), 4);
  EXPECT_EQ(target.Name(), "DejaVu Serif");
  EXPECT_EQ(target.Style(), source.Style());
  EXPECT_TRUE(target.OutLine()->Visible());
  EXPECT_EQ(target.OutLine()->Color(), base::clBlue);
  EXPECT_EQ(target.Shadow()->VertSize(), -3);
}

TEST(AttributeChanges, FontSizeIsDerivedFromHeight) {
  struct Row {
    int size;
    int height;
  };
  // Height = -MulDiv(Size, 96, 72), halves away from zero.
  const Row rows[] = {{8, -11}, {10, -13}, {9, -12}, {1, -1}, {72, -96}, {0, 0}, {-8, 11}};
  for (const Row& r : rows) {
    TPlotFont font;
    font.SetSize(r.size);
    EXPECT_EQ(font.Height(), r.height) << "size " << r.size;
    EXPECT_EQ(font.Size(), r.size) << "height " << r.height;
  }
  TPlotFont font;
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetHeight(-15);  // 11.25 points
  EXPECT_EQ(font.Size(), 11);
}

TEST(AttributeChanges, ZoomSetToItsValueFiresNothing) {
  Counter counter;
  TView3DOptions view(counter.handler());
  QSignalSpy zoomSpy(&view, &TView3DOptions::zoomChanged);
  view.SetZoom(100);
  EXPECT_EQ(zoomSpy.count(), 0);
  EXPECT_EQ(counter.changes, 0);

  int zoomSeenBySlot = -1;
  QObject::connect(&view, &TView3DOptions::zoomChanged, [&](int) { zoomSeenBySlot = view.Zoom(); });
  view.SetZoom(150);
  ASSERT_EQ(zoomSpy.count(), 1);
  EXPECT_EQ(zoomSpy.at(0).at(0).toInt(), 150);
  EXPECT_EQ(zoomSeenBySlot, 100) << "the event comes before the new zoom is stored";
  EXPECT_EQ(view.Zoom(), 150);
  EXPECT_EQ(counter.changes, 1);
}

TEST(AttributeChanges, OffsetsReportScrolling) {
  TView3DOptions view;
  QSignalSpy spy(&view, &TView3DOptions::scrolled);
  view.SetHorizOffset(5);
  view.SetHorizOffset(5);
  view.SetVertOffset(-2);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_TRUE(spy.at(0).at(0).toBool());
  EXPECT_FALSE(spy.at(1).at(0).toBool());
}

TEST(AttributeChanges, ViewAssignCopiesTenValuesWithoutEvents) {
  TView3DOptions source;
  int value = 1;
  for (const char* name : {"Elevation", "HorizOffset", "OrthoAngle", "Perspective", "Rotation",
                           "Tilt", "VertOffset", "Zoom"})
    source.setProperty(name, value++);
  source.SetOrthogonal(false);
  source.SetZoomText(false);
  Counter counter;
  TView3DOptions target(counter.handler());
  QSignalSpy scrolled(&target, &TView3DOptions::scrolled);
  QSignalSpy zoomed(&target, &TView3DOptions::zoomChanged);
  target.Assign(source);
  for (int i = QObject::staticMetaObject.propertyCount(); i < target.metaObject()->propertyCount();
       ++i) {
    const char* name = target.metaObject()->property(i).name();
    EXPECT_EQ(target.property(name), source.property(name)) << name;
  }
  EXPECT_EQ(counter.changes, 1);
  EXPECT_EQ(scrolled.count() + zoomed.count(), 0);
}

TEST(AttributeChanges, CanvasPensFollowVisibilityAndDots) {
  TChartPen pen;
  pen.SetColor(base::clRed);
  pen.SetWidth(5);
  pen.SetStyle(Graphics::psDash);
  pen.SetEndStyle(Graphics::esSquare);
  EXPECT_EQ(pen.ToBackendPen().style, Graphics::psDash);
  EXPECT_EQ(pen.ToBackendPen().endStyle, Graphics::esSquare);
  EXPECT_EQ(pen.ToBackendPen(true).color, base::clBlack);

  pen.SetSmallDots(true);
  const BackendPen out = pen.ToBackendPen();
  EXPECT_TRUE(out.smallDots);
  EXPECT_EQ(out.width, 1);

  pen.SetVisible(false);
  EXPECT_EQ(pen.ToBackendPen().style, Graphics::psClear);
  EXPECT_FALSE(pen.ToBackendPen().smallDots);
}

TEST(AttributeChanges, CanvasBrushTakesTheOwnerColourForDefault) {
  TChartBrush brush;
  EXPECT_EQ(brush.ToBackendBrush(base::clLime).color, base::clLime);
  EXPECT_EQ(brush.ToBackendBrush(base::clLime, true).color, base::clWhite);
  brush.SetColor(base::clNavy);
  EXPECT_EQ(brush.ToBackendBrush(base::clLime).color, base::clNavy);
  EXPECT_TRUE(brush.ToBackendBrush().image.isNull());

  TChartBrush withImage;
  withImage.Image()->SetImage(QImage(8, 8, QImage::Format_RGB32));
  brush.Assign(withImage);
  EXPECT_EQ(brush.ToBackendBrush().image.size(), QSize(8, 8));
  EXPECT_EQ(brush.Color(), base::clDefault);
}

TEST(AttributeChanges, PictureRefusesBytesItCannotRead) {
  Counter counter;
  TPicture picture(counter.handler());
  const QByteArray junk[] = {QByteArray(), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                             QByteArray(1000, '\xff'), QByteArray("BM\xff\xff\xff\x7f", 6)};
  for (const QByteArray& bytes : junk) EXPECT_FALSE(picture.LoadFromData(bytes));
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(counter.changes, 0);

  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::red);
  image.setPixel(0, 1, qRgb(0, 255, 0));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  ASSERT_TRUE(picture.LoadFromData(png));
  EXPECT_EQ(picture.Kind(), TPicture::pkPng);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(counter.changes, 1);

  // Transparent: the bottom-left colour drops out.
  picture.SetTransparent(true);
  const QImage drawn = picture.DrawImage();
  EXPECT_EQ(qAlpha(drawn.pixel(0, 1)), 0);
  EXPECT_EQ(qAlpha(drawn.pixel(1, 1)), 255);
}

}  // namespace
