#include "charteditor/export/ChartFile.h"

#include "base/Cp1252.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/export/ChartFileSeries.h"
#include "charteditor/export/ComponentStreamWriter.h"
#include "charteditor/export/DeviceSink.h"
#include "charteditor/export/FileWriting.h"
#include "charteditor/export/SeriesStoreFlags.h"

#include <QFileInfo>

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
  // The points as the user gave them: a paint's own points (the pie's Other
  // slice) are made again by the next paint.
  const SeriesUserPoints points(series);
  const int count = points.Count();
  out.U8(flags);
  out.I32(count);
  const TChartValueList& x = *series.NotMandatoryValueList();
  const TChartValueList& y = *series.MandatoryValueList();
  const TChartValueLists& lists = series.ValuesList();
  const TSeriesMarksPositions* positions = series.Marks() ? &series.Marks()->Positions() : nullptr;
  for (int i = 0; i < count; ++i) {
    if (flags & sfCustomX) out.F64(points.Value(x, i));
    out.F64(points.Value(y, i));
    if (flags & sfOwnColors) out.U32(points.OwnColor(i));
    if (flags & sfLabels) {
      const QByteArray text = base::ToCp1252(points.Label(i)).left(255);
      out.U8(static_cast<std::uint8_t>(text.size()));
      out.Put(text);
    }
    for (int l = 2; l < lists.Count(); ++l) out.F64(points.Value(lists[l], i));
    if (flags & sfMarkPositions) WritePosition(out, positions->GetPosition(points.PointIndex(i)));
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
  SaveFileAtomically(name, [&](QIODevice& file) { SaveChartToStream(chart, file, includeData); });
}
