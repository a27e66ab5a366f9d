#include "tests/charteditor/series/ListedChart.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/model/SeriesByClass.h"

#include <QPointer>

ListedChart::ListedChart()
    : savedHooks_(GalleryHooks()), chart_(std::make_unique<TChart>(&owner_)) {
  chart_->setObjectName(QStringLiteral("Chart1"));
  chart_->SetBufferedDisplay(false);
}

ListedChart::~ListedChart() {
  SetGalleryHooks(savedHooks_);
  // The series go before the chart, as a form frees its components.
  const QObjectList children = owner_.children();
  for (QPointer<QObject> child : children)
    if (qobject_cast<TChartSeries*>(child.data())) delete child.data();
  chart_.reset();
}

TChartSeries* ListedChart::Add(const char* className, const QString& title) {
  const ChartClassEntry* entry = ChartClasses().Find(QString::fromLatin1(className));
  if (!entry) return nullptr;
  TChartSeries* s = CreateSeriesOfClass(&owner_, chart_.get(), *entry->metaObject);
  if (s && !title.isEmpty()) s->SetTitle(title);
  return s;
}
