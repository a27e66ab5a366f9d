// Printing from the preview onto the fake PDF printer, read back with
// poppler's tools: one titled page with the chart where ChartPrintRect
// puts it, drawn directly or through a bitmap; the page-range dialog for a
// chart of several pages; and a chart that fails to draw.
#include "FakePrinters.h"
#include "InkBox.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/preview/TChartPreview.h"
#include "charteditor/preview/TPlotPreviewPanel.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool PopplerMissing() {
  return QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
         QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString PdfInfo(const QString& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished(30000);
  return QString::fromUtf8(info.readAllStandardOutput());
}

int Pages(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(PdfInfo(pdf));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page at 100 dpi.
QImage Render(const QString& pdf, const QString& stem) {
  QProcess render;
  render.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, stem});
  render.waitForFinished(60000);
  return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The box of blue ink.
TRect BlueBox(const QImage& page) {
  return InkBox(page, TRect{0, 0, page.width(), page.height()},
                [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; });
}

class PreviewPrintTest : public ::testing::Test {
 protected:
  QString Pdf(const QString& name) const { return dir.filePath(name); }
  ChartEditorScope editors{{}, {RegisterSeriesTypes}};
  QTemporaryDir dir;
};

TEST_F(PreviewPrintTest, OneTitledPageWithTheChartInItsPrintRectangle) {
  if (PopplerMissing()) GTEST_SKIP() << "poppler tools not installed";
  for (bool asBitmap : {false, true}) {
    SCOPED_TRACE(asBitmap ? "as bitmap" : "direct");
    const QString pdf = Pdf(asBitmap ? QStringLiteral("b.pdf") : QStringLiteral("d.pdf"));
    FakePrinters printers(true, pdf);
    FakePlotPanel panel;
    panel.setObjectName(QStringLiteral("SalesChart"));
    panel.SetWidth(400);
    panel.SetHeight(250);
    panel.drawHook = [](FakePlotPanel& p, const TRect& bounds) {
      BackendBrush brush;
      brush.color = base::clBlue;
      p.Canvas().ReferenceCanvas().setBrush(brush);
      p.Canvas().ReferenceCanvas().fillRect(bounds);
    };
    TPlotPreviewPanel preview;
    preview.SetPrinterEnvironment(&printers);
    preview.SetOrientation(TPlotPreviewPanel::ppoPortrait);
    preview.SetPanel(&panel);
    preview.SetAsBitmap(asBitmap);
    preview.Print();
    EXPECT_EQ(Pages(pdf), 1);
    EXPECT_TRUE(PdfInfo(pdf).contains(QStringLiteral("SalesChart")));
    const QImage page = Render(pdf, pdf + QStringLiteral("-page"));
    ASSERT_FALSE(page.isNull());
    testsupport::saveArtifact(page, QStringLiteral("print-preview-page-%1.png").arg(asBitmap));
    const TRect want = panel.ChartPrintRect(printers.Page());
    const TRect got = BlueBox(page);
    EXPECT_NEAR(got.Left, want.Left / 6.0, 2);
    EXPECT_NEAR(got.Top, want.Top / 6.0, 2);
    EXPECT_NEAR(got.Right, want.Right / 6.0, 2);
    EXPECT_NEAR(got.Bottom, want.Bottom / 6.0, 2);
  }
}

TEST_F(PreviewPrintTest, AChartOfSeveralPagesAsksForTheRange) {
  if (PopplerMissing()) GTEST_SKIP() << "poppler tools not installed";
  for (int points : {5, 30}) {
    const QString pdf = Pdf(QStringLiteral("pages%1.pdf").arg(points));
    FakePrinters printers(true, pdf);
    printers.pages = std::make_pair(2, 3);
    TChart chart;
    chart.setObjectName(QStringLiteral("Chart1"));
    chart.SetMaxPointsPerPage(10);
    auto* s = new TLineSeries(&chart);
    for (int i = 0; i < points; ++i) s->AddPointXY(i, i % 7);
    chart.AddSeries(s);
    TChartPreview form(nullptr, &printers);
    form.SetTag(&chart);
    form.Refresh();
    form.Print();
    if (points == 5) {
      EXPECT_FALSE(printers.offered) << "one page prints at once";
      EXPECT_EQ(Pages(pdf), 1);
    } else {
      ASSERT_TRUE(printers.offered);
      EXPECT_EQ(*printers.offered, std::make_pair(1, 3));
      EXPECT_EQ(Pages(pdf), 2);
    }
  }
}

TEST_F(PreviewPrintTest, AFailingChartReachesTheCallerWithNothingLeftBehind) {
  FakePrinters printers(true, Pdf(QStringLiteral("fail.pdf")));
  FakePlotPanel panel;
  panel.drawHook = [](FakePlotPanel&, const TRect&) {
    throw ChartException(QStringLiteral("boom"));
  };
  TChartPreview form(nullptr, &printers);
  form.SetTag(&panel);
  form.Refresh();
  EXPECT_THROW(form.Print(), ChartException);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(panel.Printing());
}

}  // namespace
