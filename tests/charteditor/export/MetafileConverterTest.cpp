// Other programs open what the writers make: the probe scene goes through
// the converters packaged for this system, and the pictures they draw are
// probed where each shape, line and text must have left its colour. A
// missing converter skips the test with its name.
#include "MetafileScript.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TBarSeries.h"
#include "charteditor/export/EmfWriterBackend.h"
#include "charteditor/export/MetafileWriters.h"
#include "charteditor/export/WmfWriterBackend.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"
#include "tests/support/MetafileWalker.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kW = 300, kH = 200;

bool WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Runs `program`; answers an empty text on success, else what went wrong.
QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000)) return program + QStringLiteral(" did not finish");
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return QStringLiteral("%1 exited with %2: %3")
        .arg(program)
        .arg(p.exitCode())
        .arg(QString::fromLocal8Bit(p.readAllStandardError()));
  return {};
}

QImage RenderSvg(const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image(kW, kH, QImage::Format_RGB32);
  image.fill(Qt::gray);  // neither the background nor any shape's colour
  QPainter p(&image);
  renderer.render(&p, QRectF(0, 0, kW, kH));
  return image;
}

bool Near(QRgb got, QRgb want, int tolerance = 40) {
  return std::abs(qRed(got) - qRed(want)) <= tolerance &&
         std::abs(qGreen(got) - qGreen(want)) <= tolerance &&
         std::abs(qBlue(got) - qBlue(want)) <= tolerance;
}

struct Probe {
  const char* what;
  QPoint at;
  QRgb want;
};

// Shapes the converters fill; `ellipseInside` is false for one that draws
// ellipses as outlines.
void ExpectProbes(const QImage& image, bool ellipseInside, const std::string& who) {
  std::vector<Probe> probes = {
      {"rectangle", {60, 50}, qRgb(255, 0, 0)},
      {"polygon", {160, 40}, qRgb(0, 0, 255)},
      {"pie", {72, 128}, qRgb(255, 255, 0)},
      {"outside the pie", {45, 155}, qRgb(255, 255, 255)},
      {"line", {160, 120}, qRgb(0, 0, 0)},
      {"background", {150, 185}, qRgb(255, 255, 255)},
      {"background", {5, 5}, qRgb(255, 255, 255)},
  };
  if (ellipseInside) probes.push_back({"ellipse", {250, 50}, qRgb(0, 255, 0)});
  for (const Probe& p : probes)
    EXPECT_TRUE(Near(image.pixel(p.at), p.want))
        << who << ": " << p.what << " at " << p.at.x() << "," << p.at.y() << " is " << std::hex
        << image.pixel(p.at);
  // The text's ink lies in its box, and there is some.
  int inside = 0;
  for (int y = 130; y < 160; ++y)
    for (int x = 210; x < 300; ++x) inside += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(inside, 60) << who << ": text ink";
  int below = 0;
  for (int y = 165; y < 200; ++y)
    for (int x = 210; x < 300; ++x) below += qGray(image.pixel(x, y)) < 100;
  EXPECT_EQ(below, 0) << who << ": ink below the text";
}

// Our own render of the scene passes the same probes, and is kept beside
// the converters' for a look.
TEST(MetafileConverters, TheProbesHoldOnOurOwnRender) {
  QImage image(kW, kH, QImage::Format_RGB32);
  image.fill(Qt::gray);
  {
    QPainter painter(&image);
    QPainterBackend backend(painter);
    ProbeScene(backend);
  }
  testsupport::saveArtifact(image, "metafile-scene-ours.png");
  ExpectProbes(image, true, "ours");
}

QString Tool(const char* name) {
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

TEST(MetafileConverters, EnhancedPictureOpensInTheSvgConverter) {
  const QString tool = Tool("emf2svg-conv");
  if (tool.isEmpty()) GTEST_SKIP() << "emf2svg-conv not installed (package emf2svg)";
  EmfWriterBackend emf(QSize(kW, kH));
  ProbeScene(emf);
  const QByteArray file = emf.Finish();
  ASSERT_TRUE(testsupport::WalkEmf(file).faults.isEmpty());
  QTemporaryDir dir;
  const QString in = dir.filePath("scene.emf"), out = dir.filePath("scene.svg");
  ASSERT_TRUE(WriteFile(in, file));
  WriteFile(testsupport::artifactPath("metafile-scene.emf"), file);
  const QString failure = RunTool(tool, {"-i", in, "-o", out});
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  const QImage image = RenderSvg(ReadFile(out));
  ASSERT_FALSE(image.isNull()) << "the SVG does not parse";
  testsupport::saveArtifact(image, "metafile-scene-emf2svg.png");
  ExpectProbes(image, true, "emf2svg");
}

TEST(MetafileConverters, PlainPictureOpensInTheSvgAndPngConverters) {
  const QString svgTool = Tool("wmf2svg"), pngTool = Tool("wmf2gd");
  if (svgTool.isEmpty() || pngTool.isEmpty())
    GTEST_SKIP() << "wmf2svg or wmf2gd not installed (package libwmf-bin, fonts-urw-base35)";
  WmfWriterBackend wmf(QSize(kW, kH));
  ProbeScene(wmf);
  const QByteArray file = wmf.Finish();
  ASSERT_TRUE(testsupport::WalkWmf(file).faults.isEmpty());
  QTemporaryDir dir;
  const QString in = dir.filePath("scene.wmf");
  ASSERT_TRUE(WriteFile(in, file));
  WriteFile(testsupport::artifactPath("metafile-scene.wmf"), file);

  const QString svg = dir.filePath("scene.svg");
  QString failure = RunTool(svgTool, {"-o", svg, in});
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  EXPECT_FALSE(RenderSvg(ReadFile(svg)).isNull()) << "the SVG does not parse";

  const QString png = dir.filePath("scene.png");
  failure =
      RunTool(pngTool, {"-t", "png", QStringLiteral("--maxwidth=%1").arg(kW),
                        QStringLiteral("--maxheight=%1").arg(kH), "--maxsize", "-o", png, in});
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  QImage image(png);
  ASSERT_FALSE(image.isNull()) << "no PNG";
  testsupport::saveArtifact(image, "metafile-scene-wmf2gd.png");
  ASSERT_EQ(image.size(), QSize(kW, kH));
  ExpectProbes(image.convertToFormat(QImage::Format_RGB32), false, "wmf2gd");
}

// A 400 x 250 picture's metafile as the converters draw it (emf2svg-conv
// then our SVG renderer, or wmf2gd), kept as an artefact named after
// `stem`; a null image when a converter fails.
QImage Converted(const TMetafile& meta, const QTemporaryDir& dir, const char* stem) {
  const QString name = QString::fromLatin1(stem);
  const QString in = dir.filePath(name + (meta.Enhanced ? ".emf" : ".wmf"));
  const QString out = dir.filePath(name + (meta.Enhanced ? ".svg" : ".png"));
  if (!WriteFile(in, meta.Data)) return {};
  WriteFile(testsupport::artifactPath(name + (meta.Enhanced ? ".emf" : ".wmf")), meta.Data);
  const QString failure =
      meta.Enhanced ? RunTool(Tool("emf2svg-conv"), {"-i", in, "-o", out})
                    : RunTool(Tool("wmf2gd"), {"-t", "png", "--maxwidth=400", "--maxheight=250",
                                               "--maxsize", "-o", out, in});
  EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
  if (!failure.isEmpty()) return {};
  QImage theirs;
  if (meta.Enhanced) {
    QSvgRenderer renderer(ReadFile(out));
    if (!renderer.isValid()) return {};
    theirs = QImage(400, 250, QImage::Format_RGB32);
    theirs.fill(Qt::gray);
    QPainter p(&theirs);
    renderer.render(&p, QRectF(0, 0, 400, 250));
  } else {
    theirs = QImage(out).convertToFormat(QImage::Format_RGB32);
  }
  testsupport::saveArtifact(theirs, name + (meta.Enhanced ? "-emf2svg.png" : "-wmf2gd.png"));
  return theirs;
}

// The panel's own metafiles, drawn by the converters, match its bitmap at
// the panel and in the middle of the chart rectangle.
TEST(MetafileConverters, PanelMetafilesMatchThePanelsBitmap) {
  const QString emfTool = Tool("emf2svg-conv"), wmfTool = Tool("wmf2gd");
  if (emfTool.isEmpty() || wmfTool.isEmpty())
    GTEST_SKIP() << "emf2svg-conv or wmf2gd not installed (packages emf2svg, libwmf-bin)";
  MetafileWritersScope writers;
  FakePlotPanel panel;
  panel.SetColor(base::clCream);
  panel.SetMarginTop(15);
  panel.drawHook = DrawFakeChart;
  const QImage ours =
      panel.CreateBitmap(base::clCream, {0, 0, 400, 250}, TCustomPlotPanel::pfDevice);
  QTemporaryDir dir;
  for (bool enhanced : {true, false}) {
    const TMetafile meta = panel.CreateMetafile(enhanced, {0, 0, 400, 250});
    const QImage theirs = Converted(meta, dir, "panel");
    ASSERT_EQ(theirs.size(), QSize(400, 250));
    const TRect chart = panel.ChartRect();
    for (QPoint at : {QPoint(3, 3), QPoint(395, 245),
                      QPoint((chart.Left + chart.Right) / 2, (chart.Top + chart.Bottom) / 2)})
      EXPECT_TRUE(Near(theirs.pixel(at), ours.pixel(at), 8))
          << (enhanced ? "EMF" : "WMF") << " at " << at.x() << "," << at.y() << ": " << std::hex
          << theirs.pixel(at) << " against " << ours.pixel(at);
  }
}

// A line along the picture's last row and column is still there once
// the converters have drawn it: emf2svg puts it on that row (half
// covered), libwmf draws the whole window a little smaller.
TEST(MetafileConverters, TheLastRowAndColumnSurvive) {
  const QString emfTool = Tool("emf2svg-conv"), wmfTool = Tool("wmf2gd");
  if (emfTool.isEmpty() || wmfTool.isEmpty())
    GTEST_SKIP() << "emf2svg-conv or wmf2gd not installed (packages emf2svg, libwmf-bin)";
  MetafileWritersScope writers;
  FakePlotPanel panel;
  panel.drawHook = [](FakePlotPanel& p, const TRect& r) {
    DrawingBackend& b = p.Canvas().ReferenceCanvas();
    BackendBrush white;
    b.setBrush(white);
    b.fillRect(r);
    BackendPen red;
    red.color = base::clRed;
    b.setPen(red);
    const std::vector<QPoint> edge = {
        {r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}};
    b.polyline(edge);
  };
  QTemporaryDir dir;
  for (bool enhanced : {true, false}) {
    const TMetafile meta = panel.CreateMetafile(enhanced, {0, 0, 400, 250});
    const QImage theirs = Converted(meta, dir, "last-row");
    ASSERT_EQ(theirs.size(), QSize(400, 250));
    const int reach = enhanced ? 1 : 3;  // rows and columns from the edge
    auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 200 && qBlue(c) < 200; };
    int row = 0, column = 0;
    for (int x = 0; x < 390; ++x) {
      bool ink = false;
      for (int y = 250 - reach; y < 250; ++y) ink = ink || red(theirs.pixel(x, y));
      row += ink;
    }
    for (int y = 0; y < 240; ++y) {
      bool ink = false;
      for (int x = 400 - reach; x < 400; ++x) ink = ink || red(theirs.pixel(x, y));
      column += ink;
    }
    EXPECT_GT(row, 380) << (enhanced ? "EMF" : "WMF") << ": the last row";
    EXPECT_GT(column, 230) << (enhanced ? "EMF" : "WMF") << ": the last column";
  }
}

// A whole chart (title, legend, axes, two bar series) as the converters
// draw its metafiles, against our own render: the panel, the wall and the
// middle of every bar agree within 2 pixels and 8 per channel.
TEST(MetafileConverters, AChartsMetafilesMatchItsBitmap) {
  const QString emfTool = Tool("emf2svg-conv"), wmfTool = Tool("wmf2gd");
  if (emfTool.isEmpty() || wmfTool.isEmpty())
    GTEST_SKIP() << "emf2svg-conv or wmf2gd not installed (packages emf2svg, libwmf-bin)";
  ChartEngineScope engine({RegisterSeriesTypes});
  MetafileWritersScope writers;
  TChart chart;
  chart.SetWidth(400);
  chart.SetHeight(250);
  chart.SetView3D(false);
  chart.Title()->SetText({QStringLiteral("Sales")});
  const base::TColor colors[2] = {base::clRed, base::clBlue};
  for (int k = 0; k < 2; ++k) {
    auto* bars = new TBarSeries(&chart);
    bars->SetSeriesColor(colors[k]);
    bars->SetTitle(QStringLiteral("Bars %1").arg(k + 1));
    for (int i = 0; i < 4; ++i) bars->Add(3 + i + 2 * k);
    bars->Marks()->SetVisible(false);
    chart.AddSeries(bars);
  }
  const QImage ours =
      chart.CreateBitmap(chart.Color(), {0, 0, 400, 250}, TCustomPlotPanel::pf32bit);
  testsupport::saveArtifact(ours, "bar-chart-ours.png");
  // The middles of the bars: runs of each series' colour across the chart
  // half-way up the shortest bar.
  const TRect plot = chart.ChartRect();
  const int probeY = plot.Bottom - 8;
  std::vector<QPoint> probes{{3, 3}, {plot.Left + 4, plot.Top + 4}};
  for (int x = plot.Left; x < plot.Right; ++x) {
    const QRgb c = ours.pixel(x, probeY);
    if (c != ours.pixel(x - 1, probeY) &&
        (Near(c, qRgb(255, 0, 0), 0) || Near(c, qRgb(0, 0, 255), 0))) {
      int end = x;
      while (end + 1 < plot.Right && ours.pixel(end + 1, probeY) == c) ++end;
      probes.emplace_back((x + end) / 2, probeY);
      x = end;
    }
  }
  ASSERT_EQ(probes.size(), 10u) << "two walls and panel probes, eight bars";
  QTemporaryDir dir;
  for (bool enhanced : {true, false}) {
    const TMetafile meta = chart.CreateMetafile(enhanced, {0, 0, 400, 250});
    const QImage theirs = Converted(meta, dir, "bar-chart");
    ASSERT_EQ(theirs.size(), QSize(400, 250));
    for (QPoint at : probes) {
      bool found = false;
      for (int dy = -2; dy <= 2 && !found; ++dy)
        for (int dx = -2; dx <= 2 && !found; ++dx) {
          const QPoint q = at + QPoint(dx, dy);
          found = theirs.rect().contains(q) && Near(theirs.pixel(q), ours.pixel(at), 8);
        }
      EXPECT_TRUE(found) << (enhanced ? "EMF" : "WMF") << " at " << at.x() << "," << at.y() << ": "
                         << std::hex << theirs.pixel(at) << " against " << ours.pixel(at);
    }
  }
}

}  // namespace
