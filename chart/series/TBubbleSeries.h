#pragma once
// One round marker per point, as large as the point's radius on the axes.
//
// Each bubble's size goes to the pointer's drawing routine as arguments:
// the pointer's published sizes stay what the user chose, so a saved chart
// keeps them. Bubbles are drawn whether or not their centre lies in the
// visible range; the chart's clip cuts those reaching in from outside.
#include "chart/series/TPointSeries.h"

class TBubbleSeries : public TPointSeries {
  Q_OBJECT
  Q_CLASSINFO("default:ColorEachPoint", "true")
  Q_PROPERTY(TChartValueList* RadiusValues READ RadiusValues WRITE SetRadiusValues)
  Q_PROPERTY(bool Squared READ Squared WRITE SetSquared)
  Q_CLASSINFO("default:Squared", "true")

 public:
  explicit TBubbleSeries(QObject* owner = nullptr);

  TChartValueList* RadiusValues() const { return radiusValues_; }
  void SetRadiusValues(TChartValueList* value) { AssignValueList(*radiusValues_, value); }
  // Round on the screen: the vertical axis sizes the radius both ways.
  bool Squared() const { return squared_; }
  void SetSquared(bool value) { SetBooleanProperty(squared_, value); }

  int AddBubble(double x, double y, double radius, const QString& label = {},
                base::TColor color = clPlotColor);
  // The half sizes point `valueIndex` is drawn with: 0 for a radius that is
  // not a positive finite number.
  QSize BubbleSize(int valueIndex) const;

  void Assign(const TCustomChartElement& source) override;
  bool IsValidSourceOf(const TChartSeries* other) const override;
  void DrawValue(int valueIndex) override;
  bool ClickedPointer(int valueIndex, int px, int py, int x, int y) const override;
  double MaxYValue() const override;
  double MinYValue() const override;
  double MaxZValue() const override;
  double MinZValue() const override;
  int NumSampleValues() const override { return 8; }
  void AddSampleValues(int count) override;

 protected:
  void DrawLegendSymbolRect(const TRect& r, base::TColor backColor) override;

 private:
  TChartValueList* radiusValues_;  // owned by the series' value lists
  bool squared_ = true;
};
