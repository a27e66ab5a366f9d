#pragma once
// One arrow per point, from the point (its start) to its end point, with a
// head ArrowWidth wide and ArrowHeight long: the pointer's sizes under the
// names the arrow editor shows.
#include "chart/series/TPointSeries.h"

class TArrowSeries : public TPointSeries {
  Q_OBJECT
  Q_PROPERTY(TChartValueList* StartXValues READ StartXValues WRITE SetStartXValues STORED false)
  Q_PROPERTY(TChartValueList* StartYValues READ StartYValues WRITE SetStartYValues STORED false)
  Q_PROPERTY(TChartValueList* EndXValues READ EndXValues WRITE SetEndXValues)
  Q_PROPERTY(TChartValueList* EndYValues READ EndYValues WRITE SetEndYValues)
  Q_PROPERTY(int ArrowWidth READ ArrowWidth WRITE SetArrowWidth STORED false)
  Q_PROPERTY(int ArrowHeight READ ArrowHeight WRITE SetArrowHeight STORED false)

 public:
  explicit TArrowSeries(QObject* owner = nullptr);

  TChartValueList* StartXValues() const { return XValues(); }
  void SetStartXValues(TChartValueList* value) { SetXValues(value); }
  TChartValueList* StartYValues() const { return YValues(); }
  void SetStartYValues(TChartValueList* value) { SetYValues(value); }
  TChartValueList* EndXValues() const { return endXValues_; }
  void SetEndXValues(TChartValueList* value) { AssignValueList(*endXValues_, value); }
  TChartValueList* EndYValues() const { return endYValues_; }
  void SetEndYValues(TChartValueList* value) { AssignValueList(*endYValues_, value); }
  int ArrowWidth() const { return Pointer()->HorizSize(); }
  void SetArrowWidth(int value) { Pointer()->SetHorizSize(value); }
  int ArrowHeight() const { return Pointer()->VertSize(); }
  void SetArrowHeight(int value) { Pointer()->SetVertSize(value); }

  // Adds the arrow from (x0, y0) to (x1, y1); answers its index.
  int AddArrow(double x0, double y0, double x1, double y1, const QString& label = {},
               base::TColor color = clPlotColor);

  QString GetEditorClass() const override { return QStringLiteral("TArrowSeriesEditor"); }
  bool IsValidSourceOf(const TChartSeries* other) const override;
  void DrawValue(int valueIndex) override;
  // The arrow that was drawn last among those under (x, y): on its shaft
  // (within half the pen, at least 2 pixels) or in its head.
  int Clicked(int x, int y) override;
  double MaxXValue() const override;
  double MinXValue() const override;
  double MaxYValue() const override;
  double MinYValue() const override;
  bool SubGalleryPointerStyles() const override { return false; }
  void PrepareForGallery(bool enabled) override;
  void AddSampleValues(int count) override;

 private:
  QPoint EndPosition(int valueIndex) const;
  bool ArrowHit(int valueIndex, QPoint p) const;

  TChartValueList* endXValues_;  // owned by the series' value lists
  TChartValueList* endYValues_;
};
