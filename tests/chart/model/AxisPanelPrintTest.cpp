// Printing a chart's pages as one document: which pages print, the job's
// name, the page the chart shows afterwards, and a failing page handler.
#include "chart/core/ChartEngine.h"
#include "chart/model/TCustomAxisPanel.h"

#include <gtest/gtest.h>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

class PagedChart final : public TCustomAxisPanel {
 public:
  std::vector<int> drawnPages;
  void InternalDraw(const TRect&) override { drawnPages.push_back(Page()); }
};

class AxisPanelPrint : public testing::Test {
 protected:
  AxisPanelPrint() {
    for (int i = 0; i < 25; ++i) series_.AddPointXY(i, i);
    chart_.AddSeries(&series_);
    chart_.SetMaxPointsPerPage(10);
    chart_.setObjectName(QStringLiteral("SalesChart"));
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdf_);
    printer_.setResolution(150);
  }

  QString PdfInfo() const {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf_});
    if (!info.waitForFinished(30000)) return {};
    return QString::fromUtf8(info.readAllStandardOutput());
  }

  ChartEngineScope engine_;
  TChartSeries series_;
  PagedChart chart_;
  QTemporaryDir dir_;
  QString pdf_ = dir_.filePath(QStringLiteral("pages.pdf"));
  QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(AxisPanelPrint, PrintsTheAskedPagesAndShowsTheSamePageAfterwards) {
  ASSERT_EQ(chart_.NumPages(), 3);
  const struct {
    int from, to;
    std::vector<int> printed;
  } cases[] = {
      {0, 0, {1, 2, 3}}, {2, 0, {2, 3}},
      {2, 9, {2, 3}},  // beyond the last page: the last prints once
      {-4, 1, {1}},      {3, 2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
    chart_.SetPage(2);
    chart_.drawnPages.clear();
    EXPECT_TRUE(chart_.PrintPages(printer_, c.from, c.to));
    EXPECT_EQ(chart_.drawnPages, c.printed);
    EXPECT_EQ(chart_.Page(), 2);
  }
}

TEST_F(AxisPanelPrint, OneDocumentNamedAfterTheChart) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
    GTEST_SKIP() << "poppler tools not installed";
  ASSERT_TRUE(chart_.PrintPages(printer_, 0, 0));
  const QString info = PdfInfo();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+SalesChart\\n"))))
      << info.toStdString();
  EXPECT_EQ(chart_.Page(), 1);
}

TEST_F(AxisPanelPrint, AFailingPageAbortsTheJobAndRestoresThePage) {
  bool failing = true;
  chart_.OnPageChange = [&](TCustomAxisPanel& chart) {
    if (failing && chart.Page() == 2) throw std::runtime_error("page 2 failed");
  };
  EXPECT_THROW(chart_.PrintPages(printer_, 0, 0), std::runtime_error);
  EXPECT_EQ(chart_.Page(), 1);
  EXPECT_EQ(chart_.drawnPages, std::vector<int>{1});
  EXPECT_FALSE(printer_.printerState() == QPrinter::Active);

  // Restoring calls the handler again; a second failure there does not
  // hide the first one, and the page is back all the same.
  chart_.SetPage(3);
  chart_.drawnPages.clear();
  EXPECT_THROW(chart_.PrintPages(printer_, 1, 3), std::runtime_error);
  EXPECT_EQ(chart_.Page(), 3);
  failing = false;
}

}  // namespace
