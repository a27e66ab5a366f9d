// The same drawing, every backend call included, through each kind of
// device the chart paints on: an image, a QPicture, an SVG generator and a
// PDF printer. Each output must be readable by an independent reader and
// show the drawing.
#include "ScriptedDrawing.h"
#include "chart/canvas/NullBackend.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TChartPen.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <functional>

namespace {

QImage whiteImage() {
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QImage renderOnImage(const std::function<void(DrawingBackend&)>& draw) {
  QImage image = whiteImage();
  QPainter painter(&image);
  {
    QPainterBackend backend(painter);
    draw(backend);
  }
  painter.end();
  return image;
}

QImage renderThroughPicture(const std::function<void(DrawingBackend&)>& draw) {
  QPicture picture;
  QPainter painter(&picture);
  {
    QPainterBackend backend(painter);
    draw(backend);
  }
  painter.end();
  QImage image = whiteImage();
  QPainter replay(&image);
  replay.drawPicture(0, 0, picture);
  replay.end();
  return image;
}

QByteArray renderSvg(const std::function<void(DrawingBackend&)>& draw) {
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(200, 200));
  generator.setViewBox(QRect(0, 0, 200, 200));
  QPainter painter(&generator);
  {
    QPainterBackend backend(painter);
    draw(backend);
  }
  painter.end();
  return svg;
}

QImage rasterize(const QByteArray& svg) {
  QImage image = whiteImage();
  QSvgRenderer renderer(svg);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

int inkCount(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

int sameCount(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) == b.pixel(x, y);
  return n;
}

TEST(DeviceCoverage, ImagePictureSvgAndPdfAllShowTheDrawing) {
  const QImage direct = renderOnImage(ScriptedDrawing);
  testsupport::saveArtifact(direct, QStringLiteral("DeviceCoverage_Image.png"));
  const int ink = inkCount(direct);
  EXPECT_GT(ink, 8000);

  QPicture recorded;
  QPainter onPicture(&recorded);
  EXPECT_TRUE(QPainterBackend(onPicture).capabilities().metafile);
  onPicture.end();
  const QImage picture = renderThroughPicture(ScriptedDrawing);
  testsupport::saveArtifact(picture, QStringLiteral("DeviceCoverage_Picture.png"));
  // A recorded picture replays the same pixels but for text hinting and
  // the translucent layer's rounding.
  EXPECT_GT(sameCount(direct, picture), 200 * 200 * 95 / 100);

  const QByteArray svg = renderSvg(ScriptedDrawing);
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  const QImage fromSvg = rasterize(svg);
  testsupport::saveArtifact(fromSvg, QStringLiteral("DeviceCoverage_Svg.png"));
  EXPECT_GT(inkCount(fromSvg), ink / 2);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("drawing.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    // Print as the chart does: the screen drawing scaled onto the page.
    painter.scale(10, 10);
    {
      QPainterBackend backend(painter);
      EXPECT_TRUE(backend.capabilities().printer);
      EXPECT_FALSE(backend.capabilities().pixelReadBack);
      ScriptedDrawing(backend);
    }
    painter.end();
  }
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << text.toStdString();
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("120"),
                     QStringLiteral("-W"), QStringLiteral("220"), QStringLiteral("-H"),
                     QStringLiteral("220"), QStringLiteral("-singlefile"), pdf,
                     testsupport::artifactPath(QStringLiteral("DeviceCoverage_Pdf"))});
}

// A translucent red layer over a clip that the layer must not escape.
void translucentLayer(DrawingBackend& b) {
  b.pushClipRect({0, 0, 120, 200});
  b.beginBlend({50, 50, 150, 150});
  BackendBrush brush;
  brush.color = base::clRed;
  b.setBrush(brush);
  b.fillRect({60, 60, 140, 90});
  b.endBlend(25);
  b.popClip();
}

TEST(DeviceCoverage, TranslucentLayersKeepPlaceAndClipOnEveryDevice) {
  const QImage images[] = {renderOnImage(translucentLayer), renderThroughPicture(translucentLayer),
                           rasterize(renderSvg(translucentLayer))};
  for (const QImage& image : images) {
    const QRgb mixed = image.pixel(100, 75);
    EXPECT_EQ(qRed(mixed), 255);
    EXPECT_NEAR(qGreen(mixed), 64, 2);
    EXPECT_NEAR(qBlue(mixed), 64, 2);
    EXPECT_EQ(image.pixel(59, 75) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(125, 75) & 0xFFFFFF, 0xFFFFFFu) << "the clip holds inside the layer";
  }
}

// A hidden pen, whatever its colour and width, with a clear brush.
void withHiddenPen(DrawingBackend& backend) {
  TChartPen pen;
  pen.SetColor(base::clRed);
  pen.SetWidth(5);
  pen.SetVisible(false);
  backend.setPen(pen.ToBackendPen());
  BackendBrush brush;
  brush.style = Graphics::bsClear;
  backend.setBrush(brush);
  EveryShape(backend);
  pen.SetSmallDots(true);
  backend.setPen(pen.ToBackendPen());
  EveryShape(backend);
}

TEST(DeviceCoverage, InvisiblePensDrawNothingOnAnyBackend) {
  EXPECT_EQ(inkCount(renderOnImage(withHiddenPen)), 0);
  EXPECT_EQ(inkCount(renderThroughPicture(withHiddenPen)), 0);
  EXPECT_EQ(inkCount(rasterize(renderSvg(withHiddenPen))), 0);

  NullBackend null;
  withHiddenPen(null);
  EXPECT_GT(null.calls(), 20);
  EXPECT_EQ(null.inkCalls(), 0);

  RecordingBackend recording;
  withHiddenPen(recording);
  int drawn = 0;
  for (const QString& line : recording.lines()) {
    if (!line.contains(QStringLiteral(" pen["))) continue;
    ++drawn;
    EXPECT_TRUE(line.contains(QStringLiteral("psClear"))) << line.toStdString();
    EXPECT_FALSE(line.contains(QStringLiteral("smallDots"))) << line.toStdString();
  }
  EXPECT_EQ(drawn, 2 * 9);
}

}  // namespace
