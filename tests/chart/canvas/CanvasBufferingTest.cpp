// Where a chart paint goes: raster destinations get the drawing in one piece
// from an off-screen image at ShowImage; printers, pictures and recordings are
// drawn on directly; an empty chart draws nothing, and a chart too large for
// an off-screen image is drawn directly instead of failing.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A white image with a backend on it, ended on demand.
struct Destination {
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<QPainterBackend> backend;
  explicit Destination(int w = 300, int h = 200) : image(w, h, QImage::Format_RGB32) {
    image.fill(Qt::white);
    painter = std::make_unique<QPainter>(&image);
    backend = std::make_unique<QPainterBackend>(*painter);
  }
  const QImage& done() {
    backend.reset();
    if (painter) painter->end();
    painter.reset();
    return image;
  }
};

void DrawBox(TPlotCanvas3D& canvas, const TRect& r) {
  BackendBrush red;
  red.color = base::clRed;
  canvas.ReferenceCanvas().setBrush(red);
  canvas.Rectangle(r);
}

TEST(CanvasBuffering, RasterPaintsArriveInOnePieceAtShowImage) {
  Destination dest;
  TPlotCanvas3D canvas;
  const TRect r{50, 40, 250, 190};
  const TRect drawing = canvas.InitWindow(dest.backend.get(), nullptr, false, r);
  EXPECT_EQ(drawing, (TRect{0, 0, 200, 150}));
  ASSERT_TRUE(canvas.Buffered());
  DrawBox(canvas, drawing);
  EXPECT_EQ(dest.image.pixel(100, 100), kWhite) << "nothing shows before ShowImage";
  canvas.ShowImage();
  const QImage& image = dest.done();
  testsupport::saveArtifact(image, "chart-canvas-buffered.png");
  EXPECT_EQ(image.pixel(50, 40), 0xFF000000);
  EXPECT_EQ(image.pixel(249, 189), 0xFF000000);
  EXPECT_EQ(image.pixel(100, 100), 0xFFFF0000);
  EXPECT_EQ(image.pixel(49, 39), kWhite);
  EXPECT_EQ(image.pixel(250, 190), kWhite);
  EXPECT_FALSE(canvas.ImageChanged());

  // The kept image shows again without drawing.
  Destination again;
  canvas.ReDrawBitmap(*again.backend);
  EXPECT_EQ(again.done(), image);
}

TEST(CanvasBuffering, BufferIsKeptForTheSameSizeAndRemadeForAnother) {
  Destination dest;
  TPlotCanvas3D canvas;
  canvas.InitWindow(dest.backend.get(), nullptr, false, TRect{0, 0, 100, 80});
  canvas.ShowImage();
  const QImage* first = canvas.Buffer();
  ASSERT_NE(first, nullptr);
  canvas.InitWindow(dest.backend.get(), nullptr, false, TRect{10, 10, 110, 90});
  EXPECT_EQ(canvas.Buffer(), first);
  canvas.ShowImage();
  canvas.InitWindow(dest.backend.get(), nullptr, false, TRect{0, 0, 120, 80});
  EXPECT_EQ(canvas.Buffer()->size(), QSize(120, 80));
  canvas.ShowImage();
  canvas.SetUseBuffer(false);
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_EQ(canvas.InitWindow(dest.backend.get(), nullptr, false, TRect{5, 5, 50, 50}),
            (TRect{5, 5, 50, 50}));
  EXPECT_FALSE(canvas.Buffered());
  canvas.ShowImage();
}

TEST(CanvasBuffering, PrintersPicturesAndRecordingsAreDrawnDirectly) {
  const TRect r{10, 10, 90, 90};
  RecordingBackend recording;
  TPlotCanvas3D canvas;
  EXPECT_EQ(canvas.InitWindow(&recording, nullptr, false, r), r);
  EXPECT_FALSE(canvas.Buffered());
  DrawBox(canvas, r);
  EXPECT_EQ(recording.lines(QStringLiteral("rectangle")).size(), 1);
  canvas.ShowImage();

  QPicture picture;
  {
    QPainter painter(&picture);
    QPainterBackend backend(painter);
    EXPECT_EQ(canvas.InitWindow(&backend, nullptr, false, r), r);
    EXPECT_FALSE(canvas.Buffered());
    canvas.ShowImage();
  }

  QTemporaryDir dir;
  QPrinter printer(QPrinter::ScreenResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("canvas.pdf"));
  QPainter painter(&printer);
  QPainterBackend backend(painter);
  EXPECT_EQ(canvas.InitWindow(&backend, nullptr, false, r), r);
  EXPECT_FALSE(canvas.Buffered());
  canvas.ShowImage();
}

TEST(CanvasBuffering, EmptyChartsDrawNothingAndMakeNoBuffer) {
  const TRect empties[] = {{10, 10, 10, 50}, {10, 10, 50, 10}, {50, 50, 10, 10}};
  for (const TRect& r : empties) {
    RecordingBackend recording;
    Destination dest;
    TPlotCanvas3D canvas;
    for (DrawingBackend* target : {static_cast<DrawingBackend*>(&recording),
                                   static_cast<DrawingBackend*>(dest.backend.get())}) {
      canvas.InitWindow(target, nullptr, true, r);
      canvas.Projection(100, r);
      EXPECT_EQ(canvas.Buffer(), nullptr);
      DrawBox(canvas, TRect{0, 0, 300, 200});
      canvas.TextOut(5, 5, "x");
      canvas.ShowImage();
    }
    EXPECT_TRUE(recording.lines().isEmpty());
    const QImage& image = dest.done();
    EXPECT_EQ(image.pixel(100, 100), kWhite);
  }
}

TEST(CanvasBuffering, ChartsTooLargeForABufferAreDrawnDirectly) {
  Destination dest;
  TPlotCanvas3D canvas;
  const TRect huge{0, 0, 40000, 150};
  EXPECT_EQ(canvas.InitWindow(dest.backend.get(), nullptr, false, huge), huge);
  EXPECT_FALSE(canvas.Buffered());
  EXPECT_EQ(canvas.Buffer(), nullptr);
  DrawBox(canvas, TRect{10, 10, 60, 60});
  EXPECT_EQ(dest.image.pixel(30, 30), 0xFFFF0000) << "drawn straight onto the destination";
  canvas.ShowImage();
}

}  // namespace
