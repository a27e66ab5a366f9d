#include "charteditor/export/ChartFile.h"

#include "base/Cp1252.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/export/ChartFileSeries.h"
#include "charteditor/export/ComponentStreamWriter.h"
#include "charteditor/export/DeviceSink.h"
#include "charteditor/export/SeriesStoreFlags.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr char kHeader[4] = {0x60, 0x30, 0x50, 0x01};

void WritePosition(DeviceSink& out, const TSeriesMarkPosition* p) {
  if (!p) {
    const char zeros[34] = {};
    out.Put(zeros, sizeof zeros);
    return;
  }
  out.I32(p->ArrowStart.x());
  out.I32(p->ArrowStart.y());
  out.U8(p->KeepArrowStart ? 1 : 0);
  out.I32(p->ArrowEnd.x());
  out.I32(p->ArrowEnd.y());
  out.U8(p->MovedByHand ? 1 : 0);
  out.I32(p->BoxHeight);
  out.I32(p->BoxTopLeft.x());
  out.I32(p->BoxTopLeft.y());
  out.I32(p->BoxWidth);
}

void WriteSeriesPoints(DeviceSink& out, const TChartSeries& series) {
  const std::uint8_t flags = SeriesStoreFlags(series);
  const int count = series.PointCount();
  out.U8(flags);
  out.I32(count);
  const auto x = series.NotMandatoryValueList()->Values();
  const auto y = series.MandatoryValueList()->Values();
  const TChartValueLists& lists = series.ValuesList();
  const TSeriesMarksPositions* positions = series.Marks() ? &series.Marks()->Positions() : nullptr;
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (flags & sfCustomX) out.F64(x[at]);
    out.F64(y[at]);
    if (flags & sfOwnColors) out.U32(series.PointOwnColor(i));
    if (flags & sfLabels) {
      const QByteArray text = base::ToCp1252(series.GetXLabel(i)).left(255);
      out.U8(static_cast<std::uint8_t>(text.size()));
      out.Put(text);
    }
    for (int l = 2; l < lists.Count(); ++l) out.F64(lists[l].Values()[at]);
    if (flags & sfMarkPositions) WritePosition(out, positions->GetPosition(i));
  }
}

}  // namespace

QString AddChartFileExtension(const QString& fileName) {
  if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
  // "name." has an empty extension of its own: add only the letters.
  return fileName.endsWith(QLatin1Char('.')) ? fileName + QStringLiteral("plc")
                                             : fileName + QStringLiteral(".plc");
}

void SaveChartToStream(const TCustomAxisPanel& chart, QIODevice& stream, bool includeData) {
  // The root is stored without its name; the chart itself is not renamed,
  // so a failure half-way leaves it as it was.
  const QByteArray components = ComponentStream(chart, QString());
  DeviceSink out(stream, stream.objectName().isEmpty() ? QStringLiteral("the chart stream")
                                                       : stream.objectName());
  out.Put(kHeader, sizeof kHeader);
  out.Put(components);
  if (includeData) {
    for (const TChartSeries* s : ChartFileSeries(chart)) WriteSeriesPoints(out, *s);
  }
  out.Flush();
}

void SaveChartToFile(const TCustomAxisPanel& chart, const QString& fileName, bool includeData) {
  const QString name = AddChartFileExtension(fileName);
  QSaveFile file(name);
  file.setObjectName(name);
  if (!file.open(QIODevice::WriteOnly)) {
    throw ChartException(QStringLiteral("Cannot create %1: %2").arg(name, file.errorString()));
  }
  SaveChartToStream(chart, file, includeData);
  if (!file.commit()) {
    throw ChartException(QStringLiteral("Cannot write %1: %2").arg(name, file.errorString()));
  }
}
