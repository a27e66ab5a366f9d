// Printing and pictures: print margins on a fixed page, partial prints
// through the device's logical mapping, a PDF page read back with the
// poppler tools, bitmaps, SVG and the metafile hook.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/PlotPanelSwitches.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace {

constexpr PrintPageGeometry kA4At600{4960, 7016, 600, 600};

class PanelPrint : public testing::Test {
 protected:
  ~PanelPrint() override {
    ResetPanelSwitches();
    SetMetafileWriterFactory({});
  }
  ChartEngineScope engine_;
};

TEST_F(PanelPrint, MarginsOnAFixedPage) {
  FakePlotPanel panel;
  EXPECT_EQ(panel.ChartPrintRect(kA4At600), (TRect{744, 2385, 4216, 4631}));
  EXPECT_EQ(panel.PrintMargins(), (TRect{15, 34, 15, 34}));

  panel.SetPrintProportional(false);
  panel.SetPrintMargins({15, 15, 15, 15});
  EXPECT_EQ(panel.ChartPrintRect(kA4At600), (TRect{744, 1052, 4216, 5964}));

  const struct {
    const char* name;
    int w, h;
    PrintPageGeometry page;
    TRect margins;
  } cases[] = {
      {"tall panel", 250, 400, kA4At600, {19, 15, 19, 15}},
      {"zero-size page", 400, 250, {0, 0, 600, 600}, {15, 15, 15, 15}},
      {"zero-size panel", 0, 0, kA4At600, {15, 15, 15, 15}},
      {"zero-height panel", 400, 0, kA4At600, {15, 15, 15, 15}},
      // Too wide for the rule: no negative margin.
      {"square panel on a narrow page", 400, 400, {100, 7016, 600, 600}, {0, 15, 0, 15}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    panel.SetWidth(c.w);
    panel.SetHeight(c.h);
    EXPECT_EQ(panel.CalcProportionalMargins(c.page), c.margins);
  }
}

// The printed chart keeps the panel's shape, up to whole-percent margins.
TEST_F(PanelPrint, ProportionalMarginsKeepThePanelsShape) {
  FakePlotPanel panel;
  for (QSize size : {QSize(400, 250), QSize(250, 400)}) {
    for (int dpi : {300, 600}) {
      SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " at " << dpi);
      panel.SetWidth(size.width());
      panel.SetHeight(size.height());
      const PrintPageGeometry page{4960 * dpi / 600, 7016 * dpi / 600, dpi, dpi};
      const TRect r = panel.ChartPrintRect(page);
      const double printed = double(r.Right - r.Left) / (r.Bottom - r.Top);
      const double shown = double(size.width()) / size.height();
      EXPECT_NEAR(printed / shown, 1.0, 0.04);
    }
  }
}

TEST_F(PanelPrint, PartialPrintMapsThePanelOntoTheRectangle) {
  const struct {
    const char* name;
    int resolution;
    TRect r;
    QString mapping;
    TRect drawnInto;
  } cases[] = {
      {"full detail",
       0,
       {100, 100, 1100, 700},
       "setMapping 400x250 100,100,1100,700",
       {0, 0, 400, 250}},
      {"reversed corners",
       0,
       {1100, 700, 100, 100},
       "setMapping 400x250 100,100,1100,700",
       {0, 0, 400, 250}},
      {"half detail", 50, {0, 0, 800, 500}, "setMapping 200x125 0,0,800,500", {0, 0, 200, 125}},
      {"no detail left", 100, {0, 0, 800, 500}, "setMapping 1x1 0,0,800,500", {0, 0, 1, 1}},
      // The detail slider's default, one step short of normal, and its
      // "More" end: the chart lays out larger than the panel.
      {"a little more detail",
       -1,
       {0, 0, 800, 500},
       "setMapping 404x253 0,0,800,500",
       {0, 0, 404, 253}},
      {"most detail", -100, {0, 0, 800, 500}, "setMapping 800x500 0,0,800,500", {0, 0, 800, 500}},
      {"beyond the slider",
       -250,
       {0, 0, 800, 500},
       "setMapping 800x500 0,0,800,500",
       {0, 0, 800, 500}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlotPanel panel;
    panel.SetPrintResolution(c.resolution);
    TRect bounds;
    panel.drawHook = [&](FakePlotPanel&, const TRect& r) { bounds = r; };
    RecordingBackend b;
    panel.PrintPartialCanvas(b, c.r);
    ASSERT_FALSE(b.lines().isEmpty());
    EXPECT_EQ(b.lines().first(), c.mapping);
    EXPECT_EQ(b.lines().last(), QStringLiteral("resetMapping"));
    EXPECT_EQ(bounds, c.drawnInto);
    EXPECT_FALSE(panel.Printing());
    EXPECT_EQ(b.clipDepth(), 0);
  }
  // A rectangle without area prints nothing.
  for (const TRect r : {TRect{100, 100, 100, 700}, TRect{100, 100, 1100, 100}}) {
    FakePlotPanel panel;
    RecordingBackend b;
    panel.PrintPartialCanvas(b, r);
    EXPECT_TRUE(b.lines().isEmpty());
    EXPECT_EQ(panel.draws, 0);
  }
}

// The ink of `image` in rows: first and last row with a pixel matching `is`
// inside columns [x0, x1).
template <class Pred>
std::pair<int, int> InkRows(const QImage& image, int x0, int x1, Pred is) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x)
      if (is(image.pixel(x, y))) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

template <class Pred>
std::pair<int, int> InkColumns(const QImage& image, int y, Pred is) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x)
    if (is(image.pixel(x, y))) {
      if (first < 0) first = x;
      last = x;
    }
  return {first, last};
}

bool IsBlue(QRgb c) {
  return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60;
}
bool IsDark(QRgb c) {
  return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

TEST_F(PanelPrint, PdfPageKeepsTheChartInsideTheMarginsAndTextInProportion) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
    GTEST_SKIP() << "poppler tools not installed";
  FakePlotPanel panel;
  panel.SetColor(base::clWhite);
  panel.SetMarginTop(15);  // room for the title above the chart
  panel.drawHook = DrawFakeChart;

  // On screen: the title's height against the chart rectangle's.
  const QImage screen =
      panel.CreateBitmap(base::clWhite, {0, 0, 400, 250}, TCustomPlotPanel::pfDevice);
  testsupport::saveArtifact(screen, QStringLiteral("chart-panel-print-screen.png"));
  const auto screenTitle = InkRows(screen, 150, 250, IsDark);
  const auto screenChart = InkRows(screen, 150, 250, IsBlue);
  ASSERT_GE(screenTitle.first, 0);
  const double screenRatio = double(screenTitle.second - screenTitle.first + 1) /
                             (screenChart.second - screenChart.first + 1);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setResolution(600);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setFullPage(true);
  const PrintPageGeometry page = PrinterPageGeometry(printer);
  EXPECT_EQ(page.DpiX, 600);
  const TRect rect = panel.ChartPrintRect(page);
  ASSERT_TRUE(panel.PrintPartial(printer, rect));

  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(infoText.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << infoText.toStdString();

  QProcess render;
  render.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
  ASSERT_TRUE(render.waitForFinished(60000));
  QImage paper(dir.filePath(QStringLiteral("page.png")));
  ASSERT_FALSE(paper.isNull());
  paper = paper.convertToFormat(QImage::Format_RGB32);
  testsupport::saveArtifact(paper, QStringLiteral("chart-panel-print-page.png"));

  // The chart rectangle of the 400 x 250 panel, mapped onto the print
  // rectangle at 100 dpi.
  const TRect chart = panel.ChartRect();
  EXPECT_EQ(chart, (TRect{12, 38, 388, 240}));
  const double sx = rect.Width() / 400.0 / 6.0, sy = rect.Height() / 250.0 / 6.0;
  const double left = rect.Left / 6.0 + chart.Left * sx, right = rect.Left / 6.0 + chart.Right * sx;
  const double top = rect.Top / 6.0 + chart.Top * sy, bottom = rect.Top / 6.0 + chart.Bottom * sy;
  const int midY = static_cast<int>((top + bottom) / 2);
  const auto cols = InkColumns(paper, midY, IsBlue);
  EXPECT_NEAR(cols.first, left, 2);
  EXPECT_NEAR(cols.second + 1, right, 2);
  const int midX = static_cast<int>((left + right) / 2);
  const auto rows = InkRows(paper, midX - 40, midX + 40, IsBlue);
  EXPECT_NEAR(rows.first, top, 2);
  EXPECT_NEAR(rows.second + 1, bottom, 2);
  // Inside the margins of the page.
  EXPECT_GE(cols.first, rect.Left / 6 - 2);
  EXPECT_LE(cols.second, rect.Right / 6 + 2);

  const auto title = InkRows(paper, midX - 40, midX + 40, IsDark);
  ASSERT_GE(title.first, 0);
  const double paperRatio = double(title.second - title.first + 1) / (rows.second - rows.first + 1);
  EXPECT_NEAR(paperRatio / screenRatio, 1.0, 0.1)
      << "title " << title.first << ".." << title.second << " on paper";
}

TEST_F(PanelPrint, BitmapsStartWhiteThenTheBackColour) {
  const struct {
    base::TColor back;
    TCustomPlotPanel::TPixelFormat format;
    QImage::Format expected;
    QRgb undrawn;
  } cases[] = {
      {base::clWhite, TCustomPlotPanel::pf24bit, QImage::Format_RGB888, 0xFFFFFF},
      {0xC0C0C0, TCustomPlotPanel::pfDevice, QImage::Format_RGB32, 0xC0C0C0},
      {base::clNone, TCustomPlotPanel::pf32bit, QImage::Format_RGB32, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    FakePlotPanel panel;  // draws one red pixel at the corner of its bounds
    const QImage image = panel.CreateBitmap(c.back, {50, 40, 250, 140}, c.format);
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.format(), c.expected);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF0000u) << "the chart starts at the bitmap's corner";
    EXPECT_EQ(image.pixel(100, 50) & 0xFFFFFF, c.undrawn);
    EXPECT_EQ(image.pixel(199, 99) & 0xFFFFFF, c.undrawn);
  }
  FakePlotPanel panel;
  EXPECT_EQ(panel.CreateBitmap(base::clWhite, {10, 10, 10, 5}, TCustomPlotPanel::pfDevice).size(),
            QSize(1, 1));
  EXPECT_THROW(panel.CreateBitmap(base::clWhite, {0, 0, 40000, 10}, TCustomPlotPanel::pfDevice),
               ChartException);
  EXPECT_THROW(panel.CreateBitmap(base::clWhite, {0, 0, 30000, 30000}, TCustomPlotPanel::pfDevice),
               ChartException);

  TPicture picture;
  panel.SetColor(0x00FF00);
  panel.AssignTo(picture);
  EXPECT_EQ(picture.Width(), 400);
  EXPECT_EQ(picture.Image().pixel(200, 100) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(PanelPrint, SvgRenderingLoads) {
  FakePlotPanel panel;
  panel.drawHook = DrawFakeChart;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(400, 250));
  svg.setViewBox(QRect(0, 0, 400, 250));
  {
    QPainter painter(&svg);
    QPainterBackend backend(painter);
    panel.DrawToMetaCanvas(backend, {0, 0, 400, 250});
  }
  QSvgRenderer renderer(bytes);
  ASSERT_TRUE(renderer.isValid());
  QImage image(400, 250, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  renderer.render(&p);
  p.end();
  testsupport::saveArtifact(image, QStringLiteral("chart-panel-svg.png"));
  EXPECT_TRUE(IsBlue(image.pixel(200, 125)));
}

// A writer that records, flagged as a metafile device.
class RecordingMetafile : public MetafileWriter {
 public:
  class MetaBackend : public RecordingBackend {
   public:
    BackendCapabilities capabilities() const override {
      BackendCapabilities caps;
      caps.metafile = true;
      return caps;
    }
  };
  explicit RecordingMetafile(QSize size) : size_(size) {}
  DrawingBackend& Backend() override { return backend_; }
  QByteArray Finish() override {
    return QStringLiteral("%1x%2\n").arg(size_.width()).arg(size_.height()).toUtf8() +
           backend_.lines().join('\n').toUtf8();
  }

 private:
  QSize size_;
  MetaBackend backend_;
};

TEST_F(PanelPrint, MetafilesGoThroughTheRegisteredWriter) {
  FakePlotPanel panel;
  try {
    panel.CreateMetafile(true, {0, 0, 400, 250});
    ADD_FAILURE() << "no writer, yet a metafile";
  } catch (const ChartException& e) {
    EXPECT_EQ(e.message(), QStringLiteral("metafile export not available"));
  }
  EXPECT_EQ(MetafileSize({0, 0, 400, 250}), QSize(399, 249));
  EXPECT_EQ(MetafileSize({5, 5, 5, 6}), QSize(1, 1));
  EXPECT_EQ(MetafileSize({INT32_MIN, 0, INT32_MAX, 2}), QSize(INT32_MAX, 1));

  bool seenEnhanced = false;
  SetMetafileWriterFactory([&](bool enhanced, QSize size) {
    seenEnhanced = enhanced;
    return std::make_unique<RecordingMetafile>(size);
  });
  PanelSwitches().ClipWhenMetafiling = false;
  bool clipped = true, metafiling = false;
  panel.drawHook = [&](FakePlotPanel& p, const TRect& r) {
    clipped = p.CanClip();
    metafiling = p.Metafiling();
    p.Canvas().ReferenceCanvas().setPixel(r.Left, r.Top, base::clRed);
  };
  const TMetafile file = panel.CreateMetafile(true, {0, 0, 400, 250});
  EXPECT_TRUE(seenEnhanced);
  EXPECT_EQ(file.Size, QSize(399, 249));
  EXPECT_TRUE(metafiling);
  EXPECT_FALSE(clipped) << "the clip-when-metafiling switch is off";
  EXPECT_FALSE(panel.Metafiling());
  EXPECT_TRUE(file.Data.startsWith("400x250\n")) << "the writer draws every pixel of the rectangle";
  EXPECT_TRUE(file.Data.contains("setPixel 0,0 $0000FF")) << "drawn straight, not through a buffer";
  EXPECT_FALSE(file.Data.contains("draw ")) << "no buffered image";
  EXPECT_TRUE(panel.BufferedDisplay()) << "buffering comes back afterwards";
}

}  // namespace
