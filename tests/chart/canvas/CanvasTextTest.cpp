// Chart texts on the canvas: a shadow and its text share the extent that
// TextWidth and TextHeight measure, whichever way the shadow points, and
// outlined text shows both its outline and its fill.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TPlotFont.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

struct ShadowCase {
  int horiz, vert;
};
const ShadowCase kShadows[] = {{3, 2}, {-3, -2}, {3, -2}, {-3, 2}, {0, 4}};

void SetUpFont(TPlotFont& font, ShadowCase s) {
  font.SetName("DejaVu Sans");
  font.SetHeight(-24);
  font.SetColor(base::clBlack);
  font.Shadow()->SetColor(base::clRed);
  font.Shadow()->SetHorizSize(s.horiz);
  font.Shadow()->SetVertSize(s.vert);
}

TEST(CanvasText, ShadowAndTextStartInsideTheMeasuredExtent) {
  for (const ShadowCase s : kShadows) {
    RecordingBackend backend;
    TPlotCanvas3D canvas;
    canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, 200, 200});
    TPlotFont font;
    SetUpFont(font, s);
    canvas.AssignFont(font);
    backend.clearLines();
    canvas.TextOut(50, 60, "Hg");
    const QStringList text = backend.lines(QStringLiteral("textOut"));
    ASSERT_EQ(text.size(), 2);
    const int sx = 50 + std::max(0, s.horiz), sy = 60 + std::max(0, s.vert);
    const int tx = 50 + std::max(0, -s.horiz), ty = 60 + std::max(0, -s.vert);
    EXPECT_TRUE(text[0].startsWith(QStringLiteral("textOut %1,%2 ").arg(sx).arg(sy)) &&
                text[0].contains("$0000FF]"))
        << s.horiz << "," << s.vert << ": " << text[0].toStdString();
    EXPECT_TRUE(text[1].startsWith(QStringLiteral("textOut %1,%2 ").arg(tx).arg(ty)) &&
                text[1].contains("$000000]"))
        << s.horiz << "," << s.vert << ": " << text[1].toStdString();
    EXPECT_EQ(backend.font().color, base::clBlack) << "font colour restored";
    const QSize extent = backend.textExtent("Hg");
    EXPECT_EQ(canvas.TextWidth("Hg"), extent.width() + std::abs(s.horiz));
    EXPECT_EQ(canvas.TextHeight("Hg"), extent.height() + std::abs(s.vert));
  }
}

struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  int shadowPixels = 0, textPixels = 0;
};

Ink InkOf(const QImage& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if ((c & 0xFFFFFF) == 0xFFFFFF) continue;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
      if (qRed(c) > 160 && qGreen(c) < 96 && qBlue(c) < 96) ++ink.shadowPixels;
      if (qRed(c) < 96 && qGreen(c) < 96 && qBlue(c) < 96) ++ink.textPixels;
    }
  return ink;
}

TEST(CanvasText, ShadowedTextInksOnlyItsExtent) {
  for (const ShadowCase s : kShadows) {
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    int width = 0, height = 0;
    {
      QPainter painter(&image);
      QPainterBackend dest(painter);
      TPlotCanvas3D canvas;
      canvas.InitWindow(&dest, nullptr, false, TRect{0, 0, 200, 120});
      TPlotFont font;
      SetUpFont(font, s);
      canvas.AssignFont(font);
      canvas.TextOut(50, 40, "Hg");
      width = canvas.TextWidth("Hg");
      height = canvas.TextHeight("Hg");
      canvas.ShowImage();
    }
    const Ink ink = InkOf(image);
    const QString name = QStringLiteral("chart-canvas-shadow-%1-%2.png").arg(s.horiz).arg(s.vert);
    testsupport::saveArtifact(image, name);
    EXPECT_GE(ink.left, 50) << name.toStdString();
    EXPECT_GE(ink.top, 40) << name.toStdString();
    EXPECT_LT(ink.right, 50 + width) << name.toStdString();
    EXPECT_LT(ink.bottom, 40 + height) << name.toStdString();
    EXPECT_GT(ink.shadowPixels, 10) << name.toStdString();
    EXPECT_GT(ink.textPixels, 10) << name.toStdString();
  }
}

TEST(CanvasText, OutlinedTextShowsOutlineAndFill) {
  QImage image(200, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterBackend dest(painter);
    TPlotCanvas3D canvas;
    canvas.InitWindow(&dest, nullptr, false, TRect{0, 0, 200, 120});
    TPlotFont font;
    font.SetName("DejaVu Sans");
    font.SetHeight(-60);
    font.SetStyle(Graphics::fsBold);
    font.SetColor(base::clYellow);
    font.OutLine()->SetVisible(true);
    font.OutLine()->SetColor(base::clBlue);
    canvas.AssignFont(font);
    canvas.TextOut(20, 20, "HM");
    EXPECT_EQ(canvas.ReferenceCanvas().pen().color, base::clBlack) << "pen restored";
    canvas.ShowImage();
  }
  testsupport::saveArtifact(image, "chart-canvas-outlined-text.png");
  int blue = 0, yellow = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y) & 0xFFFFFF;
      blue += c == 0x0000FF;
      yellow += c == 0xFFFF00;
    }
  EXPECT_GT(blue, 50);
  EXPECT_GT(yellow, 50);
}

}  // namespace
