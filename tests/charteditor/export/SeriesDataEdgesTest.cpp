// Exports at their edges: stored list names that are no XML names, empty
// charts, values a worksheet cannot hold, the worksheet's column limit and
// the clipboard.
#include "StorageFixture.h"
#include "chart/core/ChartExceptions.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXLS.h"
#include "charteditor/export/TSeriesDataXML.h"

#include <QClipboard>
#include <QGuiApplication>

#include <limits>

namespace {

class SeriesDataEdges : public StorageTest {};

TEST_F(SeriesDataEdges, XmlAttributeNamesAreValidAndDistinct) {
  auto* g = Add<TStoreGanttSeries>(QStringLiteral("G"));
  g->AddTask(0, 1, 2, 3);
  g->EndValues()->SetName(QStringLiteral("1 bad<name"));
  g->NextTask()->SetName(QStringLiteral("Y"));
  g->SetXLabel(0, QStringLiteral("a\x01z\uFFFF"));
  TSeriesDataXML xml(&chart, g);
  xml.IncludeIndex = true;
  EXPECT_EQ(
      ExportBytes(xml),
      QByteArray("<?xml version=\"1.0\" ?>\r\n<series title=\"G\" type=\"TStoreGanttSeries\">\r\n"
                 "<points count=\"1\">\r\n"
                 "<point index=\"0\" text=\"a\xef\xbf\xbdz\xef\xbf\xbd\" Y=\"1\" _1_bad_name=\"2\" "
                 "Y_2=\"3\"/>\r\n</points>\r\n</series>\r\n\r\n"));
}

TEST_F(SeriesDataEdges, ChartWithoutSeries) {
  struct Case {
    const char* name;
    std::function<QByteArray()> run;
    QByteArray expected;
  };
  const Case cases[] = {
      {"text",
       [&] {
         TSeriesDataText e(&chart, nullptr);
         e.IncludeHeader = true;
         e.IncludeIndex = true;
         return ExportBytes(e);
       },
       "Index\r\n\r\n"},
      {"xml",
       [&] {
         TSeriesDataXML e(&chart, nullptr);
         return ExportBytes(e);
       },
       "<?xml version=\"1.0\" ?>\r\n<chart>\r\n</chart>"},
      {"html",
       [&] {
         TSeriesDataHTML e(&chart, nullptr);
         return ExportBytes(e);
       },
       "<table border=\"1\">\r\n\r\n</table>"},
      {"worksheet",
       [&] {
         TSeriesDataXLS e(&chart, nullptr);
         return ExportBytes(e);
       },
       QByteArray::fromHex("090808000000100000000000 42000200e404 00020a00 0000 0000 0000 0000 0000"
                           " 0a000000")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.run().toHex().toStdString(), c.expected.toHex().toStdString());
  }
}

TEST_F(SeriesDataEdges, WorksheetBlanksValuesItCannotHold) {
  auto* s = Add<TStoreLineSeries>();
  s->AddPointXY(0, std::numeric_limits<double>::quiet_NaN());
  s->AddPointXY(1, std::numeric_limits<double>::infinity());
  TSeriesDataXLS xls(&chart, s);
  const QByteArray bytes = ExportBytes(xls);
  const QByteArray cells = bytes.mid(12 + 6 + 14, bytes.size() - 12 - 6 - 14 - 4);
  EXPECT_EQ(cells.toHex().toStdString(),
            QByteArray::fromHex("0100 0700 0000 0000 000000 0100 0700 0100 0000 000000")
                .toHex()
                .toStdString());
}

TEST_F(SeriesDataEdges, WorksheetRefusesMoreColumnsThanItHas) {
  for (int i = 0; i < 128; ++i) Add<TStoreLineSeries>()->AddPointXY(5, 1);  // X and Y each
  TSeriesDataXLS xls(&chart, nullptr);
  EXPECT_NO_THROW(ExportBytes(xls));  // 256 columns
  Add<TStoreLineSeries>()->AddPointXY(5, 1);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_THROW(xls.SaveToStream(buffer), ChartException);
  EXPECT_TRUE(bytes.isEmpty()) << "bytes written before refusing";
}

TEST_F(SeriesDataEdges, LabelsOfTheFirstSeriesDecideForAll) {
  auto* a = Add<TStoreLineSeries>(QStringLiteral("A"));
  a->AddPointXY(0, 1);
  auto* b = Add<TStoreLineSeries>(QStringLiteral("B"));
  b->AddPointXY(0, 2, QStringLiteral("lost"));
  TSeriesDataText text(&chart, nullptr);
  EXPECT_EQ(ExportBytes(text), QByteArray("1\t2\r\n\r\n"));
  a->SetXLabel(0, QStringLiteral("kept"));
  text.IncludeLabels = false;
  EXPECT_EQ(ExportBytes(text), QByteArray("1\t2\r\n\r\n"));
}

TEST_F(SeriesDataEdges, XValuesGoOutWhenAnySeriesHasThem) {
  auto* a = Add<TStoreLineSeries>(QStringLiteral("A"));
  a->AddPointXY(0, 1);
  auto* b = Add<TStoreLineSeries>(QStringLiteral("B"));
  b->AddPointXY(5, 2);
  TSeriesDataText text(&chart, nullptr);
  EXPECT_EQ(ExportBytes(text), QByteArray("0\t1\t5\t2\r\n\r\n"));
}

TEST_F(SeriesDataEdges, ClipboardGetsTheText) {
  auto* s = Add<TStoreLineSeries>(QStringLiteral("S"));
  s->AddPointXY(0, 1.5, QStringLiteral("20 \u00b0C"));
  TSeriesDataText text(&chart, s);
  text.CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("20 \u00b0C\t1.5\r\n\r\n"));
  TSeriesDataXML xml(&chart, s);
  xml.CopyToClipboard();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("text=\"20 \u00b0C\"")));
}

}  // namespace
