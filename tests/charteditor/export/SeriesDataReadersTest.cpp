// The exports read by other programs' readers: Python's worksheet reader
// (xlrd), xmllint and the standard library's XML, HTML and CSV parsers.
// Each must give back exactly the labels and values of the chart.
#include "StorageFixture.h"
#include "chart/core/ChartExceptions.h"
#include "charteditor/export/TSeriesDataHTML.h"
#include "charteditor/export/TSeriesDataText.h"
#include "charteditor/export/TSeriesDataXLS.h"
#include "charteditor/export/TSeriesDataXML.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

// The program's standard output, or a failure text in `error`.
QByteArray RunTool(const QString& program, const QStringList& args, QString* error) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(120000)) {
    *error = program + QStringLiteral(" did not finish");
    return {};
  }
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    *error = program + QStringLiteral(" failed: ") + QString::fromUtf8(p.readAllStandardError());
    return {};
  }
  return p.readAllStandardOutput();
}

bool PythonHas(const char* module) {
  if (!QFile::exists(kPython)) return false;
  QString error;
  RunTool(kPython, {QStringLiteral("-c"), QStringLiteral("import ") + QLatin1String(module)},
          &error);
  return error.isEmpty();
}

QJsonArray PythonRows(const QString& script, const QString& file) {
  QString error;
  const QByteArray out = RunTool(kPython, {QStringLiteral("-c"), script, file}, &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  return QJsonDocument::fromJson(out).array();
}

class SeriesDataReaders : public StorageTest {
 protected:
  // A: labels with "°C" and markup, a null point; B: shorter, plain X.
  void Fill() {
    auto* a = Add<TStoreLineSeries>(QStringLiteral("Temperature \u00b0C"));
    a->AddPointXY(0.5, 20.25, QStringLiteral("20 \u00b0C & <warm>"));
    a->AddNullXY(1.5, 0, QStringLiteral("gap"));
    a->AddPointXY(2.5, -1e-5, QStringLiteral("say \"hi\", then\ttab"));
    auto* b = Add<TStoreLineSeries>(QStringLiteral("B"));
    b->AddPointXY(0, 7);
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
};

TEST_F(SeriesDataReaders, WorksheetCellsThroughXlrd) {
  if (!PythonHas("xlrd")) GTEST_SKIP() << "python3-xlrd not installed";
  Fill();
  TSeriesDataXLS xls(&chart, nullptr);
  xls.IncludeHeader = true;
  xls.SaveToFile(Path("data.xls"));
  const QJsonArray rows = PythonRows(QStringLiteral(R"(
import sys, json, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
kinds = {xlrd.XL_CELL_TEXT: 't', xlrd.XL_CELL_NUMBER: 'n', xlrd.XL_CELL_BLANK: 'b', xlrd.XL_CELL_EMPTY: 'b'}  # xlrd reads BLANK records as empty
print(json.dumps([[[kinds[c.ctype], c.value] for c in sheet.row(r)] for r in range(sheet.nrows)]))
)"),
                                     Path("data.xls"));
  const QJsonArray expected = QJsonDocument::fromJson(QStringLiteral(R"([
    [["t","Text"],["t","X"],["t","Y"],["t","Text"],["t","X"],["t","Y"]],
    [["t","20 °C & <warm>"],["n",0.5],["n",20.25],["t",""],["n",0],["n",7]],
    [["t","gap"],["n",1.5],["b",""],["t",""],["b",""],["b",""]],
    [["t","say \"hi\", then\ttab"],["n",2.5],["n",-1e-05],["t",""],["b",""],["b",""]]
  ])")
                                                          .toUtf8())
                                  .array();
  EXPECT_EQ(rows, expected) << QJsonDocument(rows).toJson(QJsonDocument::Compact).toStdString();
}

TEST_F(SeriesDataReaders, WorksheetRowLimit) {
  auto* s = Add<TStoreLineSeries>(QStringLiteral("S"));
  s->BeginUpdate();
  for (int i = 0; i < TSeriesDataXLS::MaxRows - 1; ++i) s->AddPointXY(i, i * 0.5);
  s->EndUpdate();
  TSeriesDataXLS xls(&chart, nullptr);
  xls.IncludeHeader = true;  // 16,384 rows with the header
  xls.SaveToFile(Path("full.xls"));
  s->AddPointXY(TSeriesDataXLS::MaxRows, 1);
  QFile::remove(Path("over.xls"));
  EXPECT_THROW(xls.SaveToFile(Path("over.xls")), ChartException);
  EXPECT_FALSE(QFile::exists(Path("over.xls")));
  if (!PythonHas("xlrd")) GTEST_SKIP() << "python3-xlrd not installed";
  const QJsonArray last = PythonRows(QStringLiteral(R"(
import sys, json, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
print(json.dumps([sheet.nrows, sheet.row_values(sheet.nrows - 1)]))
)"),
                                     Path("full.xls"));
  EXPECT_EQ(last.at(0).toInt(), TSeriesDataXLS::MaxRows);
  EXPECT_EQ(last.at(1).toArray().at(0).toDouble(), 16382 * 0.5);
}

TEST_F(SeriesDataReaders, WorksheetThroughOfficeSuite) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty())
    GTEST_SKIP() << "soffice not installed: the office-suite reading is skipped";
  Fill();
  TSeriesDataXLS xls(&chart, nullptr);
  xls.SaveToFile(Path("office.xls"));
  QString error;
  RunTool(soffice,
          {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("csv"),
           QStringLiteral("--outdir"), dir.path(), Path("office.xls")},
          &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  QFile csv(Path("office.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(csv.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("20.25"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("20 \u00b0C & <warm>"))) << text.toStdString();
}

TEST_F(SeriesDataReaders, XmlThroughXmllintAndElementTree) {
  Fill();
  TSeriesDataXML xml(&chart, nullptr);
  xml.IncludeIndex = true;
  xml.SaveToFile(Path("data.xml"));
  const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
  if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint not installed (package libxml2-utils)";
  QString error;
  RunTool(xmllint, {QStringLiteral("--noout"), Path("data.xml")}, &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  const QJsonArray points = PythonRows(QStringLiteral(R"(
import sys, json, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print(json.dumps([[s.get('title')] + [dict(p.attrib) for p in s.iter('point')] for s in root.iter('series')]))
)"),
                                       Path("data.xml"));
  const QJsonArray expected = QJsonDocument::fromJson(QStringLiteral(R"([
    ["Temperature °C",
     {"index":"0","text":"20 °C & <warm>","X":"0.5","Y":"20.25"},
     {"index":"1","text":"gap","X":"1.5","Y":"0"},
     {"index":"2","text":"say \"hi\", then\ttab","X":"2.5","Y":"-1E-5"}],
    ["B", {"index":"0","text":"","X":"0","Y":"7"}]
  ])")
                                                          .toUtf8())
                                  .array();
  EXPECT_EQ(points, expected) << QJsonDocument(points).toJson(QJsonDocument::Compact).toStdString();
}

TEST_F(SeriesDataReaders, HtmlThroughHtmlParser) {
  Fill();
  TSeriesDataHTML html(&chart, nullptr);
  html.IncludeHeader = true;
  html.SaveToFile(Path("data.html"));
  const QJsonArray rows = PythonRows(QStringLiteral(R"(
import sys, json
from html.parser import HTMLParser
class Cells(HTMLParser):
    rows, cell = [], None
    def handle_starttag(self, tag, attrs):
        if tag == 'tr': self.rows.append([])
        if tag == 'td': self.cell = ''
    def handle_endtag(self, tag):
        if tag == 'td': self.rows[-1].append(self.cell); self.cell = None
    def handle_data(self, data):
        if self.cell is not None: self.cell += data
p = Cells(convert_charrefs=True)
p.feed(open(sys.argv[1], encoding='cp1252', newline='').read())
print(json.dumps(p.rows))
)"),
                                     Path("data.html"));
  const QJsonArray expected = QJsonDocument::fromJson(QStringLiteral(R"([
    ["Text","X","Temperature °C","Text","X","B"],
    ["20 °C & <warm>","0.5","20.25","","0","7"],
    ["gap","1.5","0","","",""],
    ["say \"hi\", then\ttab","2.5","-1E-5","","",""]
  ])")
                                                          .toUtf8())
                                  .array();
  EXPECT_EQ(rows, expected) << QJsonDocument(rows).toJson(QJsonDocument::Compact).toStdString();
}

TEST_F(SeriesDataReaders, TextThroughCsvModule) {
  Fill();
  struct Case {
    const char* locale;
    char separator;
    const char* half;  // 20.25 as the locale writes it
  };
  const Case cases[] = {
      {"C", '\t', "20.25"}, {"C", ',', "20.25"}, {"de_DE", ';', "20,25"}, {"de_DE", ',', "20,25"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + c.separator);
    QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
    TSeriesDataText text(&chart, nullptr);
    text.IncludeHeader = true;
    text.TextSeparator = QLatin1Char(c.separator);
    text.SaveToFile(Path("data.txt"));
    const QJsonArray rows = PythonRows(
        QStringLiteral(R"(
import sys, json, csv
with open(sys.argv[1], encoding='cp1252', newline='') as f:
    print(json.dumps(list(csv.reader(f, delimiter='%1'))))
)")
            .arg(c.separator == '\t' ? QStringLiteral("\\t") : QString(QLatin1Char(c.separator))),
        Path("data.txt"));
    const QString half = QString::fromLatin1(c.half);
    const QJsonArray expected = QJsonDocument::fromJson(QStringLiteral(R"([
      ["Text","X","Temperature °C","X","B"],
      ["20 °C & <warm>","0~5","HALF","0","7"],
      ["gap","1~5","0","",""],
      ["say \"hi\", then\ttab","2~5","-1E-5","",""],
      []
    ])")
                                                            .replace(QLatin1Char('~'), half.at(2))
                                                            .replace(QStringLiteral("HALF"), half)
                                                            .toUtf8())
                                    .array();
    EXPECT_EQ(rows, expected) << QJsonDocument(rows).toJson(QJsonDocument::Compact).toStdString();
  }
}

}  // namespace
