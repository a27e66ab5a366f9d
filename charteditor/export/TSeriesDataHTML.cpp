#include "charteditor/export/TSeriesDataHTML.h"

#include "base/Cp1252.h"
#include "chart/model/TChartSeries.h"
#include "charteditor/export/DeviceSink.h"

QByteArray HtmlText(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('&')) {
      bytes += "&amp;";
    } else if (c == QLatin1Char('<')) {
      bytes += "&lt;";
    } else if (c == QLatin1Char('>')) {
      bytes += "&gt;";
    } else if (c.unicode() < 0x80) {
      bytes += static_cast<char>(c.unicode());
    } else {
      char32_t code = c.unicode();
      int units = 1;
      if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(c, text.at(i + 1));
        units = 2;
      }
      const QString one = text.mid(i, units);
      const QByteArray cp = base::ToCp1252(one);
      if (units == 1 && cp != "?") {
        bytes += cp;
      } else {
        bytes += "&#" + QByteArray::number(static_cast<unsigned>(code)) + ';';
      }
      i += units - 1;
    }
  }
  return bytes;
}

namespace {
QByteArray Cell(const QString& text) {
  return "<td>" + HtmlText(text) + "</td>";
}
}  // namespace

QByteArray TSeriesDataHTML::HeaderRow() const {
  QByteArray row = "<tr>";
  if (IncludeIndex) row += Cell(QStringLiteral("Index"));
  for (const SeriesUserPoints& points : Exported()) {
    const TChartSeries* s = &points.Series();
    if (WithLabels()) row += Cell(QStringLiteral("Text"));
    const auto columns = ValueColumns(*s);
    std::size_t from = 0;
    if (WithX()) row += Cell(columns[from++]->Name());
    if (s->ValuesList().Count() == 2) {
      row += Cell(TitleOf(*s));
    } else {
      for (std::size_t c = from; c < columns.size(); ++c) row += Cell(columns[c]->Name());
    }
  }
  return row + "</tr>";
}

QByteArray TSeriesDataHTML::Row(int index) const {
  QByteArray row = "<tr>";
  if (IncludeIndex) row += Cell(QString::number(index));
  for (const SeriesUserPoints& points : Exported()) {
    const auto columns = ValueColumns(points.Series());
    if (index >= points.Count()) {
      const std::size_t empty = columns.size() + (WithLabels() ? 1 : 0);
      for (std::size_t c = 0; c < empty; ++c) row += Cell(QString());
      continue;
    }
    if (WithLabels()) row += Cell(points.Label(index));
    for (const TChartValueList* list : columns) row += Cell(Number(points.Value(*list, index)));
  }
  return row + "</tr>";
}

void TSeriesDataHTML::Write(DeviceSink& out) {
  Prepare();
  static const QByteArray crlf("\r\n");
  out.Put(QByteArray("<table border=\"1\">\r\n"));
  if (IncludeHeader) {
    out.Put(HeaderRow());
    out.Put(crlf);
  }
  const int rows = MaxPointCount();
  for (int i = 0; i < rows; ++i) {
    out.Put(Row(i));
    out.Put(crlf);
  }
  out.Put(QByteArray("\r\n</table>"));
}
