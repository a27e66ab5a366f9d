#include "charteditor/export/TSeriesDataText.h"

#include "base/Cp1252.h"
#include "chart/model/TChartSeries.h"
#include "charteditor/export/DeviceSink.h"

TSeriesDataText::TSeriesDataText(TCustomAxisPanel* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

void TSeriesDataText::Field(QString& row, bool& first, const QString& text) const {
  if (!first) row += TextSeparator;
  first = false;
  const bool quote = text.contains(TextSeparator) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
  if (!quote) {
    row += text;
    return;
  }
  QString doubled = text;
  doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
  row += QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString TSeriesDataText::HeaderLine() const {
  QString line;
  bool first = true;
  if (IncludeIndex) Field(line, first, QStringLiteral("Index"));
  if (WithLabels()) Field(line, first, QStringLiteral("Text"));
  for (const SeriesUserPoints& points : Exported()) {
    const TChartSeries* s = &points.Series();
    const auto columns = ValueColumns(*s);
    std::size_t from = 0;
    if (WithX()) Field(line, first, columns[from++]->Name());
    if (s->ValuesList().Count() == 2) {
      Field(line, first, TitleOf(*s));
    } else {
      for (std::size_t c = from; c < columns.size(); ++c) Field(line, first, columns[c]->Name());
    }
  }
  return line;
}

QString TSeriesDataText::Row(int index) const {
  QString row;
  bool first = true;
  if (IncludeIndex) Field(row, first, QString::number(index));
  bool firstSeries = true;
  for (const SeriesUserPoints& points : Exported()) {
    const bool label = firstSeries && WithLabels();
    firstSeries = false;
    const auto columns = ValueColumns(points.Series());
    if (index >= points.Count()) {
      const std::size_t empty = columns.size() + (label ? 1 : 0);
      for (std::size_t c = 0; c < empty; ++c) Field(row, first, QString());
      continue;
    }
    if (label) Field(row, first, points.Label(index));
    for (const TChartValueList* list : columns)
      Field(row, first, Number(points.Value(*list, index)));
  }
  return row;
}

void TSeriesDataText::Write(DeviceSink& out) {
  Prepare();
  static const QByteArray crlf("\r\n");
  if (IncludeHeader) {
    out.Put(base::ToCp1252(HeaderLine()));
    out.Put(crlf);
  }
  const int rows = MaxPointCount();
  for (int i = 0; i < rows; ++i) {
    out.Put(base::ToCp1252(Row(i)));
    out.Put(crlf);
  }
  out.Put(crlf);
}
