#pragma once
// One small sample chart of the series gallery: a chart made to show a
// series type at a glance (no legend, no axis labels, a fixed 3D view), with
// the looks of a selected, an unselected and an unavailable sample.
#include "chart/model/TCustomChart.h"

class TGalleryChart : public TCustomChart {
  Q_OBJECT

 public:
  explicit TGalleryChart(QObject* parent = nullptr);

  // The selected sample stands out: a grey-to-white back gradient, a
  // lowered bevel, a bold black title and a turned view.
  void SetSelectedLook(bool selected);
  // An unavailable sample (the class cannot stand in for the series being
  // changed) has grey title and wall pens.
  void SetAvailableLook(bool available);

  // The registry entry this sample shows, or -1 (a sub-style sample).
  int Entry() const { return entry_; }
  void SetEntry(int entry) { entry_ = entry; }
  // The sub-style the sample shows (0: the plain style).
  int SubStyle() const { return subStyle_; }
  void SetSubStyle(int subStyle) { subStyle_ = subStyle; }
  bool Available() const { return available_; }

 private:
  int defaultTitleSize_;
  int entry_ = -1;
  int subStyle_ = 0;
  bool available_ = true;
};
