#pragma once
// How the series list box reaches the gallery without depending on it: two
// slots that the gallery's start-up registration fills. While they are
// empty (a program without the gallery), Add and Change do nothing.
#include <QMetaObject>

#include <functional>
#include <optional>

class TChartSeries;
class TCustomAxisPanel;

// What the user picked in the gallery: a series class (null for a function
// entry, which makes a line series), the function class of a calculated
// series, and the sub-style index (0: the class's plain style).
struct GalleryChoice {
  const QMetaObject* seriesClass = nullptr;
  const QMetaObject* functionClass = nullptr;
  int subStyle = 0;
};

struct SeriesGalleryHooks {
  // Lets the user choose a new series for `chart` (`current` is the list's
  // current series, or null); the series made, or null when cancelled.
  std::function<TChartSeries*(TCustomAxisPanel& chart, TChartSeries* current)> AddSeries;
  // Lets the user choose a class for `series`; on OK the series is replaced
  // by a new one of the chosen class (also when it is its own), `series`
  // points to the replacement and the choice is returned. Nothing when the
  // user cancelled: `series` is untouched.
  std::function<std::optional<GalleryChoice>(TChartSeries*& series)> ChangeSeries;
};

// The slots in force.
const SeriesGalleryHooks& GalleryHooks();
// Installs `hooks` and returns the previous ones (tests put them back).
SeriesGalleryHooks SetGalleryHooks(SeriesGalleryHooks hooks);
