#pragma once
// The cheapest series: one polyline through the points, one pen, nothing
// per point. A point costs its X and Y only.
//
// Drawing keeps the point-by-point rules (a move to the first visible
// point or a segment from the point before it, then a LineTo per point
// unless the point lands where the pen stands, or with DrawAllPoints off
// in the pen's column) wherever the calls themselves are the result:
// recordings, metafiles, printers, 3D. On a raster image with a thin solid
// pen the same pixels come from a few points per pixel column
// (FastLineColumns.h), found by binary search on the sorted X.
//
// With AutoRepaint off a new point is drawn at once, clipped to the chart
// rectangle, as a segment from the point before it, instead of repainting
// the chart; the dependants still hear of it, OnAfterAdd does not fire.
// In a window it goes into the finished picture, and only its bounds are
// shown again.
#include "chart/series/FastLineColumns.h"
#include "chart/series/TCustomLineSeries.h"

#include <memory>

class TFastLineSeries : public TCustomLineSeries {
  Q_OBJECT
  Q_PROPERTY(bool AutoRepaint READ AutoRepaint WRITE SetAutoRepaint)
  Q_CLASSINFO("default:AutoRepaint", "true")
  Q_PROPERTY(bool DrawAllPoints READ DrawAllPoints WRITE SetDrawAllPoints)
  Q_CLASSINFO("default:DrawAllPoints", "true")

 public:
  explicit TFastLineSeries(QObject* owner = nullptr);

  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool value) { Store(autoRepaint_, value); }
  bool DrawAllPoints() const { return drawAllPoints_; }
  void SetDrawAllPoints(bool value) { SetBooleanProperty(drawAllPoints_, value); }

  // The pen's colour becomes the series colour and back.
  void SetPen(TChartPen* value) override;
  void SetSeriesColor(base::TColor value) override;

  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TFastLineSeriesEditor"); }
  // The gallery's sub-styles after "Normal": 1 "Marks" (marks shown) and
  // 2 "Dotted" (the pen in small dots).
  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;

  void DrawAllValues() override;
  void DrawValue(int valueIndex) override;
  // A point's index, the earlier point of a segment hit, or -1.
  int Clicked(int x, int y) override;
  void ClearValues() override;
  int AddPointXY(double x, double y, const QString& label = {},
                 base::TColor color = clPlotColor) override;
  void Delete(int valueIndex) override;
  void SwapValueIndex(int a, int b) override;
  void ValueChanged(int valueIndex) override;

  // Where the pen stands after the last drawing.
  QPoint PenPosition() const { return QPoint(oldX_, oldY_); }

 protected:
  void NotifyNewValue(int valueIndex) override;
  void DrawLegendSymbolRect(const TRect& r, base::TColor backColor) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;

 private:
  // The canvas set for the line: pen (thinnest device line when printing),
  // clear brush, transparent background.
  void PrepareCanvas();
  // Whether the pixel-column reduction gives what the literal rules would.
  bool CanReduceColumns() const;
  void DrawReducedColumns();
  void DrawImmediate(int valueIndex);
  // The new segment, clipped to the chart rectangle (canvas coordinates).
  TRect ImmediateBounds(int valueIndex) const;
  void DrawSegment(int valueIndex);
  // The column extremes of the points as they are now, rebuilt after any
  // change (tracked by the overrides above, the point count and where the
  // values lie).
  const FastLineYExtremes& Extremes();
  void PointsChanged() { ++pointsVersion_; }

  bool autoRepaint_ = true;
  bool drawAllPoints_ = true;
  int oldX_ = 0;
  int oldY_ = 0;
  std::unique_ptr<FastLineYExtremes> extremes_;
  unsigned long long pointsVersion_ = 0;
  unsigned long long extremesVersion_ = ~0ull;
  int extremesCount_ = -1;
  const double* extremesValues_ = nullptr;
};
