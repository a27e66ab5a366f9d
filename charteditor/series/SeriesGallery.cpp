#include "charteditor/series/SeriesGallery.h"

#include "chart/model/SeriesByClass.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/series/SeriesClassChange.h"
#include "charteditor/series/SeriesGalleryHooks.h"
#include "charteditor/series/TPlotGallery.h"

#include <QApplication>

namespace {

TChartSeries* AddWithGallery(TCustomAxisPanel& chart, TChartSeries* /*current*/) {
  TPlotGallery gallery(QApplication::activeWindow());
  gallery.SetTag(&chart);
  gallery.SetAddMode(chart.View3D());
  const bool accepted = gallery.exec() == QDialog::Accepted;
  return AddFromGallery(chart, gallery, accepted);
}

std::optional<GalleryChoice> ChangeWithGallery(TChartSeries*& series) {
  if (!series) return std::nullopt;
  TPlotGallery gallery(QApplication::activeWindow());
  gallery.SetChangeMode(series);
  GalleryChoice choice;
  if (gallery.exec() != QDialog::Accepted || gallery.TagGone() || !gallery.Choice(choice))
    return std::nullopt;
  auto* chart = dynamic_cast<TCustomAxisPanel*>(series->ParentChart());
  if (chart) chart->SetView3D(gallery.View3D());
  // A new series also for the series' own class: the user asked for a fresh one.
  TChartSeries* replacement =
      CreateSeriesOfClass(series->parent(), chart, *choice.seriesClass, choice.functionClass);
  if (!replacement) return std::nullopt;
  ReplaceSeriesWithStyle(series, replacement, choice.subStyle);
  return choice;
}

}  // namespace

TChartSeries* AddFromGallery(TCustomAxisPanel& chart, const TPlotGallery& gallery, bool accepted) {
  if (!accepted || gallery.TagGone()) return nullptr;
  chart.SetView3D(gallery.View3D());
  GalleryChoice choice;
  // OK with nothing picked only switches 3D.
  if (!gallery.Choice(choice)) return nullptr;
  QObject* owner = chart.parent() ? chart.parent() : &chart;
  TChartSeries* series =
      CreateSeriesOfClass(owner, &chart, *choice.seriesClass, choice.functionClass);
  if (series && choice.subStyle != 0) series->SetSubGallery(choice.subStyle);
  return series;
}

void RegisterSeriesGallery(EditorFormRegistry& forms) {
  forms.Register<TPlotGallery>();
  SetGalleryHooks({AddWithGallery, ChangeWithGallery});
}
