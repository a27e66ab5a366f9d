// A real chart in the preview: its picture fills the chart's rectangle on
// the paper and nothing outside it, at normal detail and at the detail
// slider's "More" end, where the chart is laid out at twice its size and
// mapped onto the same rectangle.
#include "FakePrinters.h"
#include "InkBox.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/preview/TChartPreview.h"
#include "charteditor/preview/TPlotPreviewPanel.h"
#include "tests/support/Artifacts.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// Blue ink, blended with the white paper at the glyphs' edges.
bool Blue(QRgb c) {
  return qBlue(c) > 200 && qRed(c) < 200 && std::abs(qRed(c) - qGreen(c)) < 30;
}

class PreviewChartPictureTest : public ::testing::Test {
 protected:
  PreviewChartPictureTest() {
    chart.setObjectName(QStringLiteral("Chart1"));
    chart.SetWidth(400);
    chart.SetHeight(250);
    chart.SetView3D(false);
    chart.SetPrintProportional(false);
    chart.SetPrintMargins(TRect{10, 10, 10, 10});
    chart.Title()->SetText({QStringLiteral("Mean temperature")});
    auto* s = new TLineSeries(&chart);
    for (int i = 0; i < 40; ++i) s->AddPointXY(i, (i * 37) % 23);
    chart.AddSeries(s);
  }
  QImage Paint(TPlotPreviewPanel& preview) {
    QImage image(preview.Width(), preview.Height(), QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterBackend backend(painter);
    preview.Draw(backend, TRect{0, 0, preview.Width(), preview.Height()});
    return image;
  }

  ChartEditorScope editors{{}, {RegisterSeriesTypes}};
  FakePrinters printers;
  TChart chart;
};

TEST_F(PreviewChartPictureTest, TheChartFillsItsRectangleOnThePaperAtEveryDetail) {
  TPlotPreviewPanel preview;
  preview.SetWidth(432);
  preview.SetHeight(312);
  preview.SetPrinterEnvironment(&printers);
  preview.SetPanel(&chart);
  preview.SetBufferedDisplay(false);
  QImage normal, more;
  const TRect c = preview.ChartRectOnPaper();
  const TRect paper = preview.PaperRect();
  for (int resolution : {0, -100}) {
    SCOPED_TRACE(resolution);
    chart.SetPrintResolution(resolution);
    const QImage image = Paint(preview);
    testsupport::saveArtifact(image,
                              QStringLiteral("print-preview-chart-detail%1.png").arg(-resolution));
    // Every mark on the paper lies in the chart's rectangle, and the chart
    // reaches across it: its title (blue) is centred over it.
    const TRect ink =
        InkBox(image, TRect{paper.Left + 1, paper.Top + 1, paper.Right - 1, paper.Bottom - 1},
               [](QRgb p) { return p != qRgb(255, 255, 255); });
    EXPECT_GE(ink.Left, c.Left);
    EXPECT_GE(ink.Top, c.Top);
    EXPECT_LE(ink.Right, c.Right);
    EXPECT_LE(ink.Bottom, c.Bottom);
    EXPECT_GT(ink.Width(), c.Width() * 9 / 10);
    EXPECT_GT(ink.Height(), c.Height() * 9 / 10);
    // The title (blue) is where the chart at its print size has it, scaled
    // onto the rectangle.
    const QSize size = chart.CalcPrintMargins(c).Logical;
    const QImage direct = chart.CreateBitmap(
        base::clWhite, TRect{0, 0, size.width(), size.height()}, TCustomPlotPanel::pf32bit);
    const TRect at = InkBox(direct, TRect{0, 0, size.width(), size.height()}, Blue);
    const TRect title = InkBox(image, c, Blue);
    ASSERT_GT(title.Width(), 0);
    ASSERT_GT(at.Width(), 0);
    EXPECT_NEAR((title.Left + title.Right) / 2.0,
                c.Left + (at.Left + at.Right) / 2.0 * c.Width() / size.width(), 2.0);
    EXPECT_NEAR((title.Top + title.Bottom) / 2.0,
                c.Top + (at.Top + at.Bottom) / 2.0 * c.Height() / size.height(), 2.0);
    (resolution == 0 ? normal : more) = image;
  }
  const QRect inside(c.Left, c.Top, c.Width(), c.Height());
  EXPECT_NE(normal.copy(inside), more.copy(inside)) << "more detail is another layout";
}

TEST_F(PreviewChartPictureTest, TheDialogShowsTheChart) {
  TChartPreview form(nullptr, &printers);
  form.SetTag(&chart);
  form.resize(700, 420);
  form.show();
  const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  testsupport::saveArtifact(shot, QStringLiteral("print-preview-chart-dialog.png"));
  const TRect title = InkBox(shot, TRect{0, 0, shot.width(), shot.height()}, Blue);
  EXPECT_GT(title.Width(), 20) << "the chart's title shows on the paper";
}

}  // namespace
