#include "charteditor/export/TSeriesData.h"

#include "base/Cp1252.h"
#include "base/FormatFloat.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/export/DeviceSink.h"
#include "charteditor/export/FileWriting.h"
#include "charteditor/export/SeriesStoreFlags.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>

TSeriesData::TSeriesData(TCustomAxisPanel* chart, TChartSeries* series)
    : chart_(chart), series_(series) {}

TSeriesData::~TSeriesData() = default;

void TSeriesData::Prepare() {
  exported_.clear();
  if (series_) {
    exported_.emplace_back(*series_);
  } else if (chart_) {
    for (const TChartSeries* s : chart_->SeriesList()) exported_.emplace_back(*s);
  }
  storeFlags_ = exported_.empty() ? 0 : SeriesStoreFlags(exported_.front().Series());
  // X values go out when any series has its own, or a later series' X
  // would come out as its indexes; labels follow the first series.
  storeFlags_ &= static_cast<std::uint8_t>(~sfCustomX);
  for (const SeriesUserPoints& s : exported_) {
    if (StoresCustomXValues(s.Series())) {
      storeFlags_ |= sfCustomX;
      break;
    }
  }
  if (!IncludeLabels) storeFlags_ &= static_cast<std::uint8_t>(~sfLabels);
  format_ = base::FormatSettings::Current();
}

int TSeriesData::MaxPointCount() const {
  int n = 0;
  for (const SeriesUserPoints& s : exported_) n = std::max(n, s.Count());
  return n;
}

std::vector<const TChartValueList*> TSeriesData::ValueColumns(const TChartSeries& series) const {
  std::vector<const TChartValueList*> columns;
  if (WithX()) columns.push_back(series.NotMandatoryValueList());
  columns.push_back(series.MandatoryValueList());
  const TChartValueLists& lists = series.ValuesList();
  for (int l = 2; l < lists.Count(); ++l) columns.push_back(&lists[l]);
  return columns;
}

QString TSeriesData::Number(double value) const {
  return base::FloatToStr(value, *format_);
}

QString TSeriesData::TitleOf(const TChartSeries& series) const {
  if (chart_) return chart_->SeriesTitleOrName(series);
  return series.Title().isEmpty() ? series.objectName() : series.Title();
}

QString TSeriesData::Decode(const QByteArray& bytes) const {
  return base::FromCp1252(bytes);
}

QString TSeriesData::AsString() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  DeviceSink out(buffer, QStringLiteral("memory"));
  Write(out);
  out.Flush();
  return Decode(bytes);
}

void TSeriesData::SaveToStream(QIODevice& stream) {
  DeviceSink out(stream, stream.objectName().isEmpty() ? QStringLiteral("the export stream")
                                                       : stream.objectName());
  Write(out);
  out.Flush();
}

void TSeriesData::SaveToFile(const QString& fileName) {
  SaveFileAtomically(fileName, [this](QIODevice& file) { SaveToStream(file); });
}

void TSeriesData::CopyToClipboard() {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(AsString());
}
