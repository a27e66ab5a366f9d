#pragma once
// Horizontal bars: the Y values order the points up the vertical axis,
// the X values give the bar lengths.
#include "chart/series/TCustomBarSeries.h"

class THorizBarSeries : public TCustomBarSeries {
  Q_OBJECT
  Q_PROPERTY(int CustomBarHeight READ CustomBarHeight WRITE SetCustomBarHeight)
  Q_CLASSINFO("default:CustomBarHeight", "0")

 public:
  explicit THorizBarSeries(QObject* owner = nullptr);

  // A fixed bar height in pixels; 0 sizes bars by the axis.
  int CustomBarHeight() const { return customBarHeight_; }
  void SetCustomBarHeight(int value) { SetIntegerProperty(customBarHeight_, value); }

  void Assign(const TCustomChartElement& source) override;
  void CalcHorizMargins(int& left, int& right) override;
  void CalcVertMargins(int& top, int& bottom) override;
  // The end of the bar's value and its top edge.
  int CalcXPos(int index) const override { return ValueEndPos(index); }
  int CalcYPos(int index) const override { return CategoryPos(index); }
  double MaxXValue() const override { return MaxBarValue(TCustomBarSeries::MaxXValue()); }
  double MinXValue() const override { return MinBarValue(TCustomBarSeries::MinXValue()); }
  double MaxYValue() const override { return MaxCategory(TCustomBarSeries::MaxYValue()); }
  double MinYValue() const override { return MinCategory(TCustomBarSeries::MinYValue()); }
  void DrawValue(int valueIndex) override;
  void DrawBar(int valueIndex, int left, int right) override;
  int MarkExtent(int valueIndex) const override;

 protected:
  int CustomBarSize() const override { return customBarHeight_; }
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;

 private:
  int customBarHeight_ = 0;
};
