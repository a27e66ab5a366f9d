// A pie gathers its small slices into an "Other" slice while the chart
// paints, by marking points and adding one of its own. What the exports and
// the chart file hold must be the user's points whether or not the chart
// was painted, and however often.
#include "StorageFixture.h"
#include "StoredChartLoad.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/series/TPieSeries.h"
#include "charteditor/export/ChartFile.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXLS.h"
#include "charteditor/export/TSeriesDataXML.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

class PaintedPieExports : public StorageTest {
 protected:
  PaintedPieExports() {
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    pie = Add<TPieSeries>(QStringLiteral("Sales"));
    const char* labels[] = {"cars", "lamps", "bikes", "chairs", "tables", "phones"};
    int k = 0;
    for (double v : {50, 4, 30, 3, 8, 5}) pie->Add(v, QString::fromLatin1(labels[k++]));
    pie->SetPointColor(3, 0x00336699);
    pie->OtherSlice()->SetStyle(TPieOtherSlice::poBelowPercent);
    pie->OtherSlice()->SetValue(10);
  }
  void Paint() { chart.Draw(backend, chart.GetRectangle()); }

  TPieSeries* pie = nullptr;
  RecordingBackend backend;
};

struct Format {
  const char* name;
  std::function<QByteArray(TCustomAxisPanel&, TChartSeries*)> bytes;
};

template <class Exporter>
Format Exporting(const char* name) {
  return {name, [](TCustomAxisPanel& chart, TChartSeries* series) {
            Exporter exporter(&chart, series);
            exporter.IncludeIndex = true;
            exporter.IncludeHeader = true;
            return ExportBytes(exporter);
          }};
}

// The chart file's points as the test reader finds them (the component
// stream before them holds the axes' ranges, which a paint works out).
QByteArray StoredPoints(TCustomAxisPanel& chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SaveChartToStream(chart, buffer, true);
  QString error;
  const std::optional<storedchart::ChartFile> file = storedchart::Read(bytes, &error);
  if (!file) return error.toUtf8();
  QByteArray out;
  for (const storedchart::Block& block : file->blocks) {
    out += QByteArray::number(block.flags) + ':';
    for (const storedchart::Point& p : block.points) {
      out += QByteArray::number(p.x) + ',' + QByteArray::number(p.y) + ',' +
             QByteArray::number(p.color) + ',' + p.label + ';';
    }
  }
  return out;
}

std::vector<Format> Formats() {
  return {
      Exporting<TSeriesDataText>("text"),
      Exporting<TSeriesDataHTML>("HTML"),
      Exporting<TSeriesDataXML>("XML"),
      Exporting<TSeriesDataXLS>("spreadsheet"),
      {"chart file", [](TCustomAxisPanel& chart, TChartSeries*) { return StoredPoints(chart); }}};
}

TEST_F(PaintedPieExports, EveryFormatHoldsTheUsersPointsAfterAPaint) {
  std::vector<QByteArray> before;
  for (const Format& f : Formats()) {
    before.push_back(f.bytes(chart, pie));
    before.push_back(f.bytes(chart, nullptr));
  }
  for (int paint = 1; paint <= 2; ++paint) {
    Paint();
    // The paint did gather: four small slices hidden, one slice added.
    ASSERT_EQ(pie->PointCount(), 7);
    ASSERT_EQ(pie->XValues()->Locate(TPieSeries::OtherX), 6);
    ASSERT_TRUE(pie->IsHidden(1));
    std::size_t k = 0;
    for (const Format& f : Formats()) {
      EXPECT_EQ(f.bytes(chart, pie), before[k++]) << f.name << " after paint " << paint;
      EXPECT_EQ(f.bytes(chart, nullptr), before[k++]) << f.name << " of the whole chart";
    }
  }
}

TEST_F(PaintedPieExports, AChartFileTakenAfterAPaintLoadsToTheUsersSlices) {
  Paint();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SaveChartToStream(chart, buffer, true);
  QString error;
  const auto file = storedchart::Read(bytes, &error);
  ASSERT_TRUE(file) << error.toStdString();
  const std::unique_ptr<TCustomAxisPanel> loaded = LoadStoredChart(*file, &error);
  ASSERT_TRUE(loaded) << error.toStdString();
  auto* back = qobject_cast<TPieSeries*>(loaded->GetSeries(0));
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->PointCount(), 6);
  const double values[] = {50, 4, 30, 3, 8, 5};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(back->XValues()->Values()[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(back->YValues()->Values()[static_cast<std::size_t>(i)], values[i]);
    EXPECT_EQ(back->GetXLabel(i), pie->GetXLabel(i));
    EXPECT_EQ(back->PointOwnColor(i), pie->PointOwnColor(i));
  }
}

TEST_F(PaintedPieExports, TheTextShowsTheSlicesAsAdded) {
  Paint();
  TSeriesDataText text(&chart, pie);
  EXPECT_EQ(text.AsString(),
            QStringLiteral("cars\t50\r\nlamps\t4\r\nbikes\t30\r\nchairs\t3\r\ntables\t8\r\n"
                           "phones\t5\r\n\r\n"));
}

TEST_F(PaintedPieExports, ASlicePaintedAsOtherIsNotTheUsers) {
  // The user's own X of 2147483647 (or -1) before any grouping is a value
  // like any other.
  pie->OtherSlice()->SetStyle(TPieOtherSlice::poNone);
  pie->AddPointXY(TPieSeries::OtherX, 1, QStringLiteral("far"));
  const QString before = TSeriesDataText(&chart, pie).AsString();
  EXPECT_TRUE(before.contains(QStringLiteral("far\t2147483647\t1")));
}

}  // namespace
