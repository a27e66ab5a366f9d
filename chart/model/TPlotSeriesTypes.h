#pragma once
// The series and function types a user may add from the gallery, and the
// tool types of the tools gallery, in registration order. Each entry names
// its classes by meta-object; objects are made through the chart class
// registry (ChartClassRegistry.h), which the registration fills as well, so
// that chart files can name the same classes.
//
// Descriptions and gallery pages are message entries, read when shown, so a
// translated message table changes them.
//
// The series layer's start-up registrations add the standard types:
//
//   void RegisterSeriesTypes(ChartClassRegistry& r) {
//     RegisterSeriesClass<TLineSeries>(r, ChartMsg::GalleryLine, ChartMsg::PageStandard, 2);
//     RegisterBasicFunctionClass<TAddPlotFunction>(r, ChartMsg::FunctionAdd);
//   }
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartMessages.h"

#include <QString>

#include <vector>

// One class that an entry names, with the way to make it.
struct PlotClassSpec {
  const QMetaObject* metaObject = nullptr;
  ChartClassEntry::Factory create;

  template <class T>
  static PlotClassSpec Of() {
    return {&T::staticMetaObject, [](QObject* owner) { return new T(owner); }};
  }
};

struct TPlotSeriesType {
  const QMetaObject* SeriesClass = nullptr;    // null for a function-only entry
  const QMetaObject* FunctionClass = nullptr;  // null for a plain series
  ChartMsg Description = ChartMsg::GalleryLine;
  ChartMsg GalleryPage = ChartMsg::PageStandard;
  int NumGallerySeries = 0;  // series in the gallery's sample chart

  QString DescriptionText() const { return ChartText(Description); }
  QString GalleryPageText() const { return ChartText(GalleryPage); }
};

class TPlotSeriesTypes {
 public:
  // Registers each given class (a null metaObject is none) with `classes`
  // as a series or function class, unless that very class is there already,
  // then appends an entry unless one holds the same pair of classes. A class
  // whose name another class holds raises ChartException and adds no entry.
  void RegisterPlotSeries(ChartClassRegistry& classes, const PlotClassSpec& series,
                          const PlotClassSpec& function, ChartMsg description, ChartMsg page,
                          int numGallerySeries);

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises ChartException outside 0..Count()-1.
  const TPlotSeriesType& GetItem(int index) const;
  const TPlotSeriesType& operator[](int index) const { return GetItem(index); }
  // The entry of `seriesClass` without a function class, or null.
  const TPlotSeriesType* FindByClass(const QMetaObject* seriesClass) const;
  void Clear() { items_.clear(); }

 private:
  std::vector<TPlotSeriesType> items_;
};

// The registered tool classes, in order. Nothing registers one yet, so the
// tools gallery lists nothing.
class TPlotToolTypes {
 public:
  // Registers `tool` with `classes` (once) and appends it unless listed.
  void Register(ChartClassRegistry& classes, const PlotClassSpec& tool);
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises ChartException outside 0..Count()-1.
  const QMetaObject* Get(int index) const;
  void Clear() { items_.clear(); }

 private:
  std::vector<const QMetaObject*> items_;
};

// The program's registries. Entries stay across engine restarts (a restart
// registers the same pairs again, which adds nothing).
TPlotSeriesTypes& PlotSeriesTypes();
TPlotToolTypes& PlotToolTypes();

template <class S>
void RegisterSeriesClass(ChartClassRegistry& classes, ChartMsg description, ChartMsg page,
                         int numGallerySeries) {
  PlotSeriesTypes().RegisterPlotSeries(classes, PlotClassSpec::Of<S>(), {}, description, page,
                                       numGallerySeries);
}

template <class F>
void RegisterFunctionClass(ChartClassRegistry& classes, ChartMsg description, ChartMsg page,
                           int numGallerySeries) {
  PlotSeriesTypes().RegisterPlotSeries(classes, {}, PlotClassSpec::Of<F>(), description, page,
                                       numGallerySeries);
}

// A function on the standard page with a two-series sample.
template <class F>
void RegisterBasicFunctionClass(ChartClassRegistry& classes, ChartMsg description) {
  RegisterFunctionClass<F>(classes, description, ChartMsg::PageStandard, 2);
}

// The registered description of `object`'s class (a series class without
// function class), else its class name.
QString GallerySeriesName(const QObject& object);

// The message table's "Series" and the smallest number from 1 up that names no child of `owner`.
QString NewSeriesName(const QObject* owner);
