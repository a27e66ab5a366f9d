#pragma once
// The base of the series that join their points with one pen: the fast
// line here, the line, point and area series later. Its pen is the
// element's own, published once more under the name those series' files
// and editors use; it is stored once, as Pen.
#include "chart/model/TChartSeries.h"

class TCustomLineSeries : public TChartSeries {
  Q_OBJECT
  Q_PROPERTY(TChartPen* LinePen READ LinePen WRITE SetLinePen STORED false)

 public:
  explicit TCustomLineSeries(QObject* owner = nullptr);

  TChartPen* LinePen() const { return Pen(); }
  // Goes through SetPen, so that series types see the change.
  void SetLinePen(TChartPen* value) { SetPen(value); }
};
