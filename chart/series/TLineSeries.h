#pragma once
// Points joined by lines: the series users add first.
#include "chart/series/TCustomSeries.h"

class TLineSeries : public TCustomSeries {
  Q_OBJECT
  Q_PROPERTY(Graphics::TBrushStyle LineBrush READ LineBrush WRITE SetLineBrush STORED false)

 public:
  explicit TLineSeries(QObject* owner = nullptr);

  // The style of the element's brush, which the 3D ribbon fills with.
  Graphics::TBrushStyle LineBrush() const { return Brush()->Style(); }
  void SetLineBrush(Graphics::TBrushStyle value) { Brush()->SetStyle(value); }

  // A copy of another kind of series keeps its own hidden marker.
  void Assign(const TCustomChartElement& source) override;
  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;
};
