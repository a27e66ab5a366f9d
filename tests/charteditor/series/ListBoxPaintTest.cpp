// What a row of the series list looks like: pixels at the places its
// columns give, in a fixed font.
#include "base/Colors.h"
#include "chart/core/ChartResources.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/series/TChartListBox.h"
#include "tests/charteditor/series/ListedChart.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

namespace {

QColor FromTColor(base::TColor c) {
  return base::ToQColor(c);
}

class ListBoxPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    bar = chart.Add("TBarSeries");
    line = chart.Add("TLineSeries");
    bar->SetSeriesColor(0x00206080);
    list.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    list.resize(320, 120);
    list.SetChart(&chart.Chart());
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }

  QImage Grab() { return list.viewport()->grab().toImage(); }
  int Top(int row) const { return list.visualItemRect(list.item(row)).top(); }
  // The 13 x 13 square of the active check of a row.
  QImage Check(const QImage& image, int row, int left) const {
    return image.copy(left, Top(row) + 6, 13, 13);
  }

  ListedChart chart;
  TChartListBox list;
  TChartSeries* bar = nullptr;
  TChartSeries* line = nullptr;
};

TEST_F(ListBoxPaint, ColumnsDrawWhereTheyLie) {
  list.setCurrentRow(0);
  const QImage active = Grab();
  testsupport::saveArtifact(active, QStringLiteral("series-list.png"));
  bar->SetActive(false);
  const QImage inactive = Grab();
  EXPECT_NE(Check(active, 0, 28), Check(inactive, 0, 28)) << "the check does not follow Active";
  EXPECT_EQ(Check(active, 1, 28), Check(inactive, 1, 28));
  // The box starts at (28, top + 6): its frame there, the list's colour before it.
  const QColor base = list.palette().color(QPalette::Base);
  EXPECT_NE(active.pixelColor(28, Top(0) + 12), base);
  EXPECT_EQ(active.pixelColor(27, Top(0) + 12), base);
  EXPECT_NE(active.pixelColor(34, Top(0) + 6), base);
  EXPECT_EQ(active.pixelColor(34, Top(0) + 5), base);

  // The legend symbol fills the middle of the colour column.
  EXPECT_EQ(active.pixelColor(53, Top(0) + 12), FromTColor(bar->SeriesColor()));
  // Only the title column shows the selection.
  const QColor highlight = list.palette().color(QPalette::Highlight);
  EXPECT_EQ(active.pixelColor(300, Top(0) + 2), highlight);
  EXPECT_NE(active.pixelColor(300, Top(1) + 2), highlight);
  EXPECT_NE(active.pixelColor(10, Top(0) + 2), highlight);
}

TEST_F(ListBoxPaint, APieRowLeavesTheColourColumnEmpty) {
  TChartSeries* pie = chart.Add("TPieSeries");
  pie->SetColorEachPoint(false);  // even a pie in one colour colours no row
  const QImage image = Grab();
  const QColor base = list.palette().color(QPalette::Base);
  const int left = list.ColumnLeft(TChartListBox::ColColor);
  auto inked = [&](int row) {
    int n = 0;
    for (int y = Top(row); y < Top(row) + TChartListBox::kItemHeight; ++y)
      for (int x = left; x < left + TChartListBox::ColumnWidth(TChartListBox::ColColor) - 2; ++x)
        n += image.pixelColor(x, y) != base;
    return n;
  };
  EXPECT_EQ(inked(2), 0);
  EXPECT_GT(inked(1), 0);  // the line's symbol beside it
}

TEST_F(ListBoxPaint, AHiddenColumnShiftsTheOthers) {
  const QImage before = Grab();
  list.SetShowSeriesIcon(false);
  EXPECT_EQ(list.ColumnLeft(TChartListBox::ColActive), 0);
  EXPECT_EQ(list.ColumnAt(5), TChartListBox::ColActive);
  const QImage after = Grab();
  EXPECT_EQ(Check(after, 0, 2), Check(before, 0, 28));
  EXPECT_EQ(after.pixelColor(53 - 26, Top(0) + 12), FromTColor(bar->SeriesColor()));
  list.SetShowActiveCheck(false);
  list.SetShowSeriesColor(false);
  EXPECT_EQ(list.ColumnLeft(TChartListBox::ColTitle), 0);
  EXPECT_EQ(list.ColumnAt(20), TChartListBox::ColTitle);
  EXPECT_EQ(list.ColumnAt(216), -1);
}

}  // namespace

namespace {

TEST(SeriesClassImages, EveryGalleryClassHasItsOwn) {
  ListedChart env;
  const TPlotSeriesTypes& types = PlotSeriesTypes();
  for (int e = 0; e < types.Count(); ++e) {
    if (!types[e].SeriesClass) continue;
    SCOPED_TRACE(types[e].SeriesClass->className());
    std::unique_ptr<TChartSeries> s(CreateSeriesOfClass(nullptr, nullptr, *types[e].SeriesClass));
    ASSERT_NE(s, nullptr);
    QImage image;
    // Its own image, not its parent class's.
    ASSERT_TRUE(PlotLoadBitmap(image, QString::fromLatin1(types[e].SeriesClass->className())));
    EXPECT_EQ(image.size(), QSize(24, 24));
    QImage viaClass;
    EXPECT_TRUE(PlotLoadClassBitmap(*s, viaClass));
  }
}

}  // namespace
