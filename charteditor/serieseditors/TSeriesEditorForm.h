#pragma once
// The base of the per-type series editors: it takes the series from its
// tag when the series editor embeds it, and fills the controls in a
// LoadingScope, so that loading writes nothing back. Each time it is shown
// it fills them again: the series may have changed on another page.
#include "chart/model/TChartSeries.h"
#include "charteditor/common/TEditorForm.h"
#include "charteditor/serieseditors/SeriesEditorHooks.h"

#include <QPointer>

class TCustomAxisPanel;

class TSeriesEditorForm : public TEditorForm, public SeriesEditorHooks {
  Q_OBJECT

 public:
  explicit TSeriesEditorForm(QWidget* parent = nullptr);

  void LoadSeries() final;
  TChartSeries* Series() const { return series_.data(); }

 protected:
  void showEvent(QShowEvent* event) override;
  // Fills the controls from Series(), which is set.
  virtual void Load() = 0;
  template <class T>
  T* SeriesAs() const {
    return qobject_cast<T*>(series_.data());
  }
  // A change of a control may be written to the series.
  bool Writing() const { return CanWrite() && series_; }
  // The chart of the series, or null.
  TCustomAxisPanel* Chart() const;
  bool ChartIn3D() const;

 private:
  QPointer<TChartSeries> series_;
};
