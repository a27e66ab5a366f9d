#include "chart/model/TPlotSeriesSource.h"

#include "chart/model/TChartSeries.h"

TPlotSeriesSource::TPlotSeriesSource(QObject* owner) : TPlotPersistent({}, owner) {}

TChartSeries* TPlotSeriesSource::Series() const {
  return series_;
}

void TPlotSeriesSource::SetSeries(TChartSeries* value) {
  series_ = value;
}

void TPlotSeriesSource::SetActive(bool value) {
  if (!Store(active_, value)) return;
  if (active_)
    Open();
  else
    Close();
}

bool TPlotSeriesSource::HasSeries(const TChartSeries& series) const {
  const QObject* source = series.DataSource();
  return source &&
         QString::fromLatin1(source->metaObject()->className())
                 .compare(QString::fromLatin1(metaObject()->className()), Qt::CaseInsensitive) == 0;
}

std::vector<const QMetaObject*>& PlotSeriesSourceClasses() {
  static std::vector<const QMetaObject*> classes;
  return classes;
}
