#include "tests/charteditor/common/EditedChart.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/core/PublishedProperties.h"

#include <QPainter>

EditedChart::EditedChart()
    : chart_(std::make_unique<TChart>()), series_(std::make_unique<TLineSeries>()) {
  chart_->SetBufferedDisplay(false);
  chart_->SetWidth(400);
  chart_->SetHeight(300);
  chart_->Title()->SetText({QStringLiteral("Temperature")});
  // The back wall is see-through unless told otherwise: its gradient shows then.
  chart_->BackWall()->SetTransparent(false);
  chart_->BackWall()->Gradient()->SetVisible(true);
  series_->SetSeriesColor(base::clRed);
  for (int i = 0; i < 6; ++i) series_->AddPointXY(i, (i * 7) % 5 + 1);
  chart_->AddSeries(series_.get());
  QObject::connect(chart_.get(), &TCustomPlotPanel::repaintRequested, [this] { ++changes; });
  // A first paint settles what drawing computes (the axes' ranges), so
  // that a walk before and after a render agree.
  Render();
  changes = 0;
}

// The series leaves the chart as it goes, before the chart does.
EditedChart::~EditedChart() = default;

QImage EditedChart::Render() {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QPainterBackend backend(painter);
    chart_->Draw(backend, TRect{0, 0, 400, 300});
  }
  painter.end();
  return image;
}

namespace {

void walk(const QObject& object, const QString& prefix, QMap<QString, QVariant>& out) {
  for (const PublishedProperty& p : PublishedProperties(object)) {
    if (!p.meta.isStored()) continue;
    const QString path = prefix + p.name;
    if (const QObject* nested = PublishedObject(object, p)) {
      walk(*nested, path + QLatin1Char('.'), out);
    } else {
      out.insert(path, PublishedValue(object, p));
    }
  }
  if (const auto* persistent = qobject_cast<const TPlotPersistent*>(&object)) {
    for (const QString& name : persistent->ExtraStoredNames())
      out.insert(prefix + name, persistent->ExtraStoredValue(name));
  }
}

}  // namespace

QMap<QString, QVariant> PublishedSnapshot(const QObject& object) {
  QMap<QString, QVariant> out;
  walk(object, QString(), out);
  return out;
}

QMap<QString, QVariant> PublishedSnapshot(const EditedChart& chart) {
  QMap<QString, QVariant> out;
  walk(chart.Chart(), QString(), out);
  for (int i = 0; i < chart.Chart().SeriesCount(); ++i)
    walk(*chart.Chart().GetSeries(i), QStringLiteral("Series%1.").arg(i), out);
  return out;
}

QStringList ChangedPaths(const QMap<QString, QVariant>& before,
                         const QMap<QString, QVariant>& after) {
  QStringList changed;
  for (auto it = after.begin(); it != after.end(); ++it) {
    if (!before.contains(it.key()) || !SamePublishedValue(before.value(it.key()), it.value()))
      changed << it.key();
  }
  for (auto it = before.begin(); it != before.end(); ++it) {
    if (!after.contains(it.key())) changed << it.key();
  }
  changed.sort();
  return changed;
}
