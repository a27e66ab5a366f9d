#include "tests/charteditor/common/EditedChart.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/core/PublishedProperties.h"

#include <QPainter>

EditedChart::EditedChart()
    : pen_(new TChartPen([this] { ++changes; }, this)),
      brush_(new TChartBrush([this] { ++changes; }, this)),
      gradient_(new TChartGradient([this] { ++changes; }, this)),
      font_(new TPlotFont([this] { ++changes; }, this)),
      title_(new TPlotCustomShape(
          &host, [this] { ++changes; }, this)) {
  brush_->SetColor(base::clGreen);
  gradient_->SetVisible(true);
  title_->SetShapeBounds(TRect{220, 20, 380, 120});
  changes = 0;
}

EditedChart::~EditedChart() = default;

QImage EditedChart::Render() const {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QPainterBackend backend(painter);
    TPlotCanvas3D canvas;
    canvas.SetUseBuffer(false);
    canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, 400, 300});
    gradient_->Draw(canvas, TRect{10, 10, 200, 120});
    canvas.AssignPen(*pen_);
    canvas.AssignBrush(*brush_, base::clWhite);
    canvas.Rectangle(10, 140, 200, 280);
    canvas.Line(220, 150, 380, 280);
    title_->Draw(canvas);
    canvas.AssignFont(*font_);
    canvas.TextOut(230, 200, QStringLiteral("Temperature"));
    canvas.ShowImage();
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
