#pragma once
// Vertical bars: the X values order the points along the horizontal axis,
// the Y values give the bar heights.
#include "chart/series/TCustomBarSeries.h"

class TBarSeries : public TCustomBarSeries {
  Q_OBJECT
  Q_PROPERTY(int CustomBarWidth READ CustomBarWidth WRITE SetCustomBarWidth)
  Q_CLASSINFO("default:CustomBarWidth", "0")

 public:
  explicit TBarSeries(QObject* owner = nullptr);

  // A fixed bar width in pixels; 0 sizes bars by the axis.
  int CustomBarWidth() const { return customBarWidth_; }
  void SetCustomBarWidth(int value) { SetIntegerProperty(customBarWidth_, value); }

  void Assign(const TCustomChartElement& source) override;
  void CalcHorizMargins(int& left, int& right) override;
  void CalcVertMargins(int& top, int& bottom) override;
  // The bar's left edge and the end of its value.
  int CalcXPos(int index) const override { return CategoryPos(index); }
  int CalcYPos(int index) const override { return ValueEndPos(index); }
  double MaxXValue() const override { return MaxCategory(TCustomBarSeries::MaxXValue()); }
  double MinXValue() const override { return MinCategory(TCustomBarSeries::MinXValue()); }
  double MaxYValue() const override { return MaxBarValue(TCustomBarSeries::MaxYValue()); }
  double MinYValue() const override { return MinBarValue(TCustomBarSeries::MinYValue()); }
  void DrawValue(int valueIndex) override;
  void DrawBar(int valueIndex, int top, int bottom) override;
  int MarkExtent(int valueIndex) const override;

 protected:
  int CustomBarSize() const override { return customBarWidth_; }
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;

 private:
  int customBarWidth_ = 0;
};
