// Exports of small charts against bytes written out by hand from the
// formats' rules, not taken from the writers.
#include "StorageFixture.h"
#include "charteditor/export/ChartFile.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXLS.h"
#include "charteditor/export/TSeriesDataXML.h"

namespace {

class SeriesDataGolden : public StorageTest {
 protected:
  // A: custom X, a label on two points, a null third point; B: plain X, two points.
  void TwoUnequalSeries() {
    auto* a = Add<TStoreLineSeries>(QStringLiteral("A"));
    a->AddPointXY(1, 10, QStringLiteral("a"));
    a->AddPointXY(2, 20.5);
    a->AddNullXY(3, 0, QStringLiteral("c"));
    auto* b = Add<TStoreLineSeries>(QStringLiteral("B"));
    b->AddPointXY(0, 5);
    b->AddPointXY(1, 6);
  }
};

TEST_F(SeriesDataGolden, TextOfTwoUnequalSeries) {
  TwoUnequalSeries();
  struct Case {
    const char* locale;
    char separator;
    QByteArray expected;
    bool index = true;
  };
  const Case cases[] = {
      {"C", '\t',
       "Index\tText\tX\tA\tX\tB\r\n"
       "0\ta\t1\t10\t0\t5\r\n"
       "1\t\t2\t20.5\t1\t6\r\n"
       "2\tc\t3\t0\t\t\r\n"
       "\r\n"},
      {"de_DE", ',',
       "Index,Text,X,A,X,B\r\n"
       "0,a,1,10,0,5\r\n"
       "1,,2,\"20,5\",1,6\r\n"
       "2,c,3,0,,\r\n"
       "\r\n"},
      {"de_DE", '\t',
       "Index\tText\tX\tA\tX\tB\r\n"
       "0\ta\t1\t10\t0\t5\r\n"
       "1\t\t2\t20,5\t1\t6\r\n"
       "2\tc\t3\t0\t\t\r\n"
       "\r\n"},
      {"C", ';',
       "Text;X;A;X;B\r\n"
       "a;1;10;0;5\r\n"
       ";2;20.5;1;6\r\n"  // an empty first field keeps its separator
       "c;3;0;;\r\n"
       "\r\n",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.separator);
    QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
    TSeriesDataText text(&chart, nullptr);
    text.IncludeIndex = c.index;
    text.IncludeHeader = true;
    text.TextSeparator = QLatin1Char(c.separator);
    EXPECT_EQ(ExportBytes(text), c.expected);
  }
}

TEST_F(SeriesDataGolden, XmlOfTwoUnequalSeries) {
  TwoUnequalSeries();
  TSeriesDataXML xml(&chart, nullptr);
  xml.IncludeIndex = true;
  EXPECT_EQ(ExportBytes(xml),
            QByteArray("<?xml version=\"1.0\" ?>\r\n<chart>\r\n"
                       "<series title=\"A\" type=\"TStoreLineSeries\">\r\n<points count=\"3\">\r\n"
                       "<point index=\"0\" text=\"a\" X=\"1\" Y=\"10\"/>\r\n"
                       "<point index=\"1\" text=\"\" X=\"2\" Y=\"20.5\"/>\r\n"
                       "<point index=\"2\" text=\"c\" X=\"3\" Y=\"0\"/>\r\n"
                       "</points>\r\n</series>\r\n\r\n"
                       "<series title=\"B\" type=\"TStoreLineSeries\">\r\n<points count=\"2\">\r\n"
                       "<point index=\"0\" text=\"\" X=\"0\" Y=\"5\"/>\r\n"
                       "<point index=\"1\" text=\"\" X=\"1\" Y=\"6\"/>\r\n"
                       "</points>\r\n</series>\r\n\r\n</chart>"));
}

TEST_F(SeriesDataGolden, HtmlOfTwoUnequalSeries) {
  TwoUnequalSeries();
  TSeriesDataHTML html(&chart, nullptr);
  html.IncludeHeader = true;
  EXPECT_EQ(
      ExportBytes(html),
      QByteArray("<table border=\"1\">\r\n"
                 "<tr><td>Text</td><td>X</td><td>A</td><td>Text</td><td>X</td><td>B</td></tr>\r\n"
                 "<tr><td>a</td><td>1</td><td>10</td><td></td><td>0</td><td>5</td></tr>\r\n"
                 "<tr><td></td><td>2</td><td>20.5</td><td></td><td>1</td><td>6</td></tr>\r\n"
                 "<tr><td>c</td><td>3</td><td>0</td><td></td><td></td><td></td></tr>\r\n"
                 "\r\n</table>"));
}

TEST_F(SeriesDataGolden, WorksheetOfTwoUnequalSeries) {
  TwoUnequalSeries();
  TSeriesDataXLS xls(&chart, nullptr);
  xls.IncludeHeader = true;
  // Cell records: type, length, row, column, three attribute bytes, value.
  const QByteArray expected = QByteArray::fromHex(
      "0908 0800 0000 1000 0000 0000"                // BOF
      "4200 0200 e404"                               // CODEPAGE 1252
      "0002 0a00 0000 0400 0000 0600 0000"           // DIMENSIONS: 4 rows, 6 columns
      "0400 0c00 0000 0000 000000 04 54657874"       // header: Text
      "0400 0900 0000 0100 000000 01 58"             //   X
      "0400 0900 0000 0200 000000 01 59"             //   Y
      "0400 0c00 0000 0300 000000 04 54657874"       //   Text
      "0400 0900 0000 0400 000000 01 58"             //   X
      "0400 0900 0000 0500 000000 01 59"             //   Y
      "0400 0900 0100 0000 000000 01 61"             // row 1: "a"
      "0300 0f00 0100 0100 000000 000000000000f03f"  // 1
      "0300 0f00 0100 0200 000000 0000000000002440"  // 10
      "0400 0800 0100 0300 000000 00"                // ""
      "0300 0f00 0100 0400 000000 0000000000000000"  // 0
      "0300 0f00 0100 0500 000000 0000000000001440"  // 5
      "0400 0800 0200 0000 000000 00"                // row 2: ""
      "0300 0f00 0200 0100 000000 0000000000000040"  // 2
      "0300 0f00 0200 0200 000000 0000000000803440"  // 20.5
      "0400 0800 0200 0300 000000 00"
      "0300 0f00 0200 0400 000000 000000000000f03f"  // 1
      "0300 0f00 0200 0500 000000 0000000000001840"  // 6
      "0400 0900 0300 0000 000000 01 63"             // row 3: "c"
      "0300 0f00 0300 0100 000000 0000000000000840"  // 3
      "0100 0700 0300 0200 000000"                   // null point: blank Y
      "0400 0800 0300 0300 000000 00"                // B has no point: empty label,
      "0100 0700 0300 0400 000000"                   //   blank X,
      "0100 0700 0300 0500 000000"                   //   blank Y
      "0a00 0000");                                  // EOF
  EXPECT_EQ(ExportBytes(xls).toHex().toStdString(), expected.toHex().toStdString());
}

TEST_F(SeriesDataGolden, HorizontalSeriesPutsItsValueAxisLast) {
  auto* h = Add<TStoreHorizSeries>(QStringLiteral("H"));
  h->AddPointXY(4, 0);
  h->AddPointXY(5, 7);  // Y is the not-mandatory list: 0, 7 are custom
  TSeriesDataText text(&chart, h);
  text.IncludeHeader = true;
  EXPECT_EQ(ExportBytes(text), QByteArray("Y\tH\r\n0\t4\r\n7\t5\r\n\r\n"));
}

TEST_F(SeriesDataGolden, LabelWithMarkupQuotesAndLineBreaks) {
  auto* s = Add<TStoreLineSeries>(QStringLiteral("T"));
  s->AddPointXY(0, 1, QStringLiteral("<a & \"b\"\r\n20\u00b0C \u20ac \u4e2d"));
  struct Case {
    const char* name;
    std::function<QByteArray()> run;
    QByteArray expected;
  };
  const Case cases[] = {
      {"text",
       [&] {
         TSeriesDataText e(&chart, s);
         return ExportBytes(e);
       },
       "\"<a & \"\"b\"\"\r\n20\xb0"
       "C \x80 ?\"\t1\r\n\r\n"},
      {"xml",
       [&] {
         TSeriesDataXML e(&chart, s);
         return ExportBytes(e);
       },
       "<?xml version=\"1.0\" ?>\r\n<series title=\"T\" type=\"TStoreLineSeries\">\r\n"
       "<points count=\"1\">\r\n"
       "<point  text=\"&lt;a &amp; &quot;b&quot;&#13;&#10;20\xc2\xb0"
       "C \xe2\x82\xac \xe4\xb8\xad\" Y=\"1\"/>\r\n"
       "</points>\r\n</series>\r\n\r\n"},
      {"html",
       [&] {
         TSeriesDataHTML e(&chart, s);
         return ExportBytes(e);
       },
       "<table border=\"1\">\r\n"
       "<tr><td>&lt;a &amp; \"b\"\r\n20\xb0"
       "C \x80 &#20013;</td><td>1</td></tr>\r\n\r\n</table>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.run(), c.expected);
  }
}

// The data blocks are what a file with data holds after the same file without.
QByteArray DataBlocks(const TCustomAxisPanel& chart) {
  QByteArray with, without;
  QBuffer a(&with), b(&without);
  a.open(QIODevice::WriteOnly);
  b.open(QIODevice::WriteOnly);
  SaveChartToStream(chart, a, true);
  SaveChartToStream(chart, b, false);
  EXPECT_TRUE(with.startsWith(without));
  return with.mid(without.size());
}

TEST_F(SeriesDataGolden, DataBlocksWithNoFlagsAndAllFlags) {
  auto* plain = Add<TStoreLineSeries>();
  plain->AddPointXY(0, 2);
  plain->AddPointXY(1, 3);
  auto* full = Add<TStoreLineSeries>();
  full->AddPointXY(5, 2, QStringLiteral("ab"), 0x0000FF);
  full->AddPointXY(7, 3);  // takes the series' colour, has no label, no mark position
  TSeriesMarkPosition pos;
  pos.ArrowStart = QPoint(1, 2);
  pos.KeepArrowStart = true;
  pos.ArrowEnd = QPoint(3, 4);
  pos.BoxHeight = 5;
  pos.BoxTopLeft = QPoint(6, 7);
  pos.BoxWidth = 8;
  full->Marks()->Positions().Automatic(0, pos);
  full->Marks()->Positions().GetPosition(0)->MovedByHand = true;

  const QByteArray expected = QByteArray::fromHex(
      "00"
      "02000000"
      "0000000000000040"  // 2
      "0000000000000840"  // 3
      "0f"
      "02000000"
      "0000000000001440"
      "0000000000000040"
      "ff000000"
      "02"
      "6162"
      "01000000"
      "02000000"
      "01"
      "03000000"
      "04000000"
      "01"
      "05000000"
      "06000000"
      "07000000"
      "08000000"
      "0000000000001c40"
      "0000000000000840"
      "00000020"
      "00"
      "0000000000000000000000000000000000000000000000000000000000000000"
      "0000");
  EXPECT_EQ(DataBlocks(chart).toHex().toStdString(), expected.toHex().toStdString());
}

}  // namespace
