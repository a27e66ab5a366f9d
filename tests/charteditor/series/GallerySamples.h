#pragma once
// The series samples the gallery shows with this system's registrations,
// in their order, and those of them registered in the running engine (the
// series types arrive one by one; the tests follow what is there).
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartMessages.h"

#include <QString>
#include <QStringList>

#include <vector>

struct GallerySampleName {
  const char* className;
  ChartMsg title;
  // Stands in only for a series of its own class.
  bool ownKindOnly;
};

inline const std::vector<GallerySampleName>& AllSeriesSamples() {
  static const std::vector<GallerySampleName> all{
      {"TLineSeries", ChartMsg::GalleryLine, false},
      {"TBarSeries", ChartMsg::GalleryBar, false},
      {"THorizBarSeries", ChartMsg::GalleryHorizBar, false},
      {"TAreaSeries", ChartMsg::GalleryArea, false},
      {"TPointSeries", ChartMsg::GalleryPoint, false},
      {"TPieSeries", ChartMsg::GalleryPie, false},
      {"TFastLineSeries", ChartMsg::GalleryFastLine, false},
      {"THorizLineSeries", ChartMsg::GalleryHorizLine, false},
      {"TChartShape", ChartMsg::GalleryShape, true},
      {"TGanttSeries", ChartMsg::GalleryGantt, true},
      {"TArrowSeries", ChartMsg::GalleryArrow, true},
      {"TBubbleSeries", ChartMsg::GalleryBubble, true},
  };
  return all;
}

inline std::vector<GallerySampleName> RegisteredSeriesSamples() {
  std::vector<GallerySampleName> there;
  for (const GallerySampleName& s : AllSeriesSamples())
    if (ChartClasses().Find(QString::fromLatin1(s.className))) there.push_back(s);
  return there;
}
