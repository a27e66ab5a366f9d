#include "charteditor/export/TSeriesDataXML.h"

#include "chart/model/TChartSeries.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/export/DeviceSink.h"

#include <QSet>

namespace {

bool XmlAllowed(char32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20) return false;
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // a lone surrogate half
  return c != 0xFFFE && c != 0xFFFF;
}

}  // namespace

QString XmlAttributeText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out += c;
      out += text.at(++i);
      continue;
    }
    switch (c.unicode()) {
      case '&':
        out += QLatin1String("&amp;");
        break;
      case '<':
        out += QLatin1String("&lt;");
        break;
      case '>':
        out += QLatin1String("&gt;");
        break;
      case '"':
        out += QLatin1String("&quot;");
        break;
      case '\t':
        out += QLatin1String("&#9;");
        break;
      case '\n':
        out += QLatin1String("&#10;");
        break;
      case '\r':
        out += QLatin1String("&#13;");
        break;
      default:
        out += XmlAllowed(c.unicode()) ? c : QChar(0xFFFD);
    }
  }
  return out;
}

QString XmlName(const QString& name) {
  QString out;
  for (const QChar c : name) {
    const bool ok = c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') ||
                    c == QLatin1Char('.');
    out += ok && !c.isSurrogate() ? c : QLatin1Char('_');
  }
  if (out.isEmpty() || !(out.at(0).isLetter() || out.at(0) == QLatin1Char('_')))
    out.prepend(QLatin1Char('_'));
  return out;
}

QString TSeriesDataXML::Decode(const QByteArray& bytes) const {
  return QString::fromUtf8(bytes);
}

void TSeriesDataXML::SeriesElement(DeviceSink& out, const TChartSeries& series) const {
  const auto columns = ValueColumns(series);
  // Attribute names once per series: valid and distinct, "index" and
  // "text" included.
  QSet<QString> used;
  if (IncludeIndex) used.insert(QStringLiteral("index"));
  if (WithLabels()) used.insert(QStringLiteral("text"));
  QStringList names;
  for (const TChartValueList* list : columns) {
    const QString base = XmlName(list->Name());
    QString name = base;
    for (int k = 2; used.contains(name); ++k) name = base + QLatin1Char('_') + QString::number(k);
    used.insert(name);
    names << QLatin1Char(' ') + name + QStringLiteral("=\"");
  }
  const SeriesUserPoints points(series);
  const int count = points.Count();
  out.Put(QStringLiteral("<series title=\"%1\" type=\"%2\">\r\n<points count=\"%3\">\r\n")
              .arg(XmlAttributeText(TitleOf(series)), XmlAttributeText(GallerySeriesName(series)))
              .arg(count)
              .toUtf8());
  for (int i = 0; i < count; ++i) {
    QString line = QStringLiteral("<point ");
    if (IncludeIndex) line += QStringLiteral("index=\"%1\"").arg(i);
    if (WithLabels()) line += QStringLiteral(" text=\"%1\"").arg(XmlAttributeText(points.Label(i)));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      line += names[static_cast<qsizetype>(c)];
      line += Number(points.Value(*columns[c], i));
      line += QLatin1Char('"');
    }
    line += QStringLiteral("/>\r\n");
    out.Put(line.toUtf8());
  }
  out.Put(QByteArray("</points>\r\n</series>\r\n\r\n"));
}

void TSeriesDataXML::Write(DeviceSink& out) {
  Prepare();
  out.Put(QByteArray("<?xml version=\"1.0\" ?>\r\n"));
  if (Series()) {
    SeriesElement(out, *Series());
    return;
  }
  out.Put(QByteArray("<chart>\r\n"));
  for (const SeriesUserPoints& s : Exported()) SeriesElement(out, s.Series());
  out.Put(QByteArray("</chart>"));
}
