#include "chart/model/TPlotSeriesTypes.h"

#include "chart/core/ChartComponents.h"
#include "chart/core/ChartExceptions.h"

#include <algorithm>

namespace {

// Registering a class a second time (the same pair again, or one class in
// two entries) is fine; a different class under its name is not, and the
// registry raises for that.
void EnsureRegistered(ChartClassRegistry& classes, const PlotClassSpec& spec, ChartClassKind kind) {
  if (!spec.metaObject) return;
  const ChartClassEntry* known = classes.Find(
      QString::fromLatin1(spec.metaObject->className()).section(QLatin1String("::"), -1));
  if (known && known->metaObject == spec.metaObject) return;
  classes.Register(*spec.metaObject, kind, spec.create);
}

[[noreturn]] void RaiseIndex(int index, int count) {
  throw ChartException(
      QStringLiteral("Registry index %1 out of bounds (0 to %2)").arg(index).arg(count - 1));
}

}  // namespace

void TPlotSeriesTypes::RegisterPlotSeries(ChartClassRegistry& classes, const PlotClassSpec& series,
                                          const PlotClassSpec& function, ChartMsg description,
                                          ChartMsg page, int numGallerySeries) {
  EnsureRegistered(classes, series, ChartClassKind::Series);
  EnsureRegistered(classes, function, ChartClassKind::Function);
  const bool listed = std::any_of(items_.begin(), items_.end(), [&](const TPlotSeriesType& t) {
    return t.SeriesClass == series.metaObject && t.FunctionClass == function.metaObject;
  });
  if (listed) return;
  items_.push_back({series.metaObject, function.metaObject, description, page, numGallerySeries});
}

const TPlotSeriesType& TPlotSeriesTypes::GetItem(int index) const {
  if (index < 0 || index >= Count()) RaiseIndex(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

const TPlotSeriesType* TPlotSeriesTypes::FindByClass(const QMetaObject* seriesClass) const {
  for (const TPlotSeriesType& t : items_) {
    if (t.SeriesClass == seriesClass && !t.FunctionClass) return &t;
  }
  return nullptr;
}

void TPlotToolTypes::Register(ChartClassRegistry& classes, const PlotClassSpec& tool) {
  if (!tool.metaObject) return;
  EnsureRegistered(classes, tool, ChartClassKind::Tool);
  if (std::find(items_.begin(), items_.end(), tool.metaObject) == items_.end()) {
    items_.push_back(tool.metaObject);
  }
}

const QMetaObject* TPlotToolTypes::Get(int index) const {
  if (index < 0 || index >= Count()) RaiseIndex(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

TPlotSeriesTypes& PlotSeriesTypes() {
  static TPlotSeriesTypes types;
  return types;
}

TPlotToolTypes& PlotToolTypes() {
  static TPlotToolTypes types;
  return types;
}

QString GallerySeriesName(const QObject& object) {
  const QMetaObject* meta = object.metaObject();
  if (const TPlotSeriesType* t = PlotSeriesTypes().FindByClass(meta)) return t->DescriptionText();
  return QString::fromLatin1(meta->className()).section(QLatin1String("::"), -1);
}

QString NewSeriesName(const QObject* owner) {
  // The word is the message table's, so a translated table names new
  // series in its own language.
  return NewComponentName(owner, ChartText(ChartMsg::Series));
}
