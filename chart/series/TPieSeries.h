#pragma once
// One slice per point, in the ellipse of a circled series: rotation, a
// part of the circle, slices moved out from the centre, a shadow, hatch
// patterns, and an "Other" slice that gathers the small values.
//
// Points whose X is HiddenX are gathered into the Other slice and not drawn;
// the Other slice itself is the point whose X is OtherX. The series rebuilds
// it before each paint of its chart: quietly, with its notices held and
// inside the chart's paint guard, so that a paint never asks for another.
#include "chart/series/TCircledSeries.h"
#include "chart/series/TExplodedSlices.h"
#include "chart/series/TPieOtherSlice.h"
#include "chart/series/TPieShadow.h"

#include <QPoint>

#include <vector>

class TPieSeries : public TCircledSeries {
  Q_OBJECT
  Q_CLASSINFO("default:ColorEachPoint", "true")
  Q_PROPERTY(int RotationAngle READ RotationAngle WRITE SetRotationAngle)
  Q_CLASSINFO("default:RotationAngle", "0")
  Q_PROPERTY(uint CircleBackColor READ CircleBackColor WRITE SetCircleBackColor)
  Q_CLASSINFO("default:CircleBackColor", "$20000000")
  Q_CLASSINFO("kind:CircleBackColor", "color")
  Q_PROPERTY(int AngleSize READ AngleSize WRITE SetAngleSize)
  Q_CLASSINFO("default:AngleSize", "360")
  Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
  Q_CLASSINFO("default:Dark3D", "true")
  Q_PROPERTY(int ExplodeBiggest READ ExplodeBiggest WRITE SetExplodeBiggest)
  Q_CLASSINFO("default:ExplodeBiggest", "0")
  Q_PROPERTY(TPieOtherSlice* OtherSlice READ OtherSlice WRITE SetOtherSlice)
  Q_PROPERTY(TPieShadow* Shadow READ Shadow WRITE SetShadow)
  Q_PROPERTY(bool UsePatterns READ UsePatterns WRITE SetUsePatterns)
  Q_CLASSINFO("default:UsePatterns", "false")
  // Other names of the Y values and the element's pen, for editors; they
  // are stored under their own names.
  Q_PROPERTY(TChartValueList* PieValues READ PieValues WRITE SetYValues STORED false)
  Q_PROPERTY(TChartPen* PiePen READ PiePen WRITE SetPen STORED false)

 public:
  static constexpr double HiddenX = -1;
  static constexpr double OtherX = 2147483647;

  // One slice's angles in radians, from the start of the pie.
  struct SliceAngles {
    double start = 0;
    double middle = 0;
    double end = 0;
  };

  explicit TPieSeries(QObject* owner = nullptr);

  // Degrees that all slices cover together.
  int AngleSize() const { return angleSize_; }
  void SetAngleSize(int value) { SetIntegerProperty(angleSize_, value); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetBooleanProperty(dark3D_, value); }
  // Each slice's distance from the centre in percent of the radius.
  const TExplodedSlices& ExplodedSlices() const { return exploded_; }
  void SetExplodedSlice(int index, int percent);
  // Moves the slice of the largest value out by this percentage.
  int ExplodeBiggest() const { return explodeBiggest_; }
  void SetExplodeBiggest(int value) { SetIntegerProperty(explodeBiggest_, value); }
  TPieOtherSlice* OtherSlice() const { return otherSlice_; }
  void SetOtherSlice(TPieOtherSlice* value);
  TPieShadow* Shadow() const { return shadow_; }
  void SetShadow(TPieShadow* value);
  bool UsePatterns() const { return usePatterns_; }
  void SetUsePatterns(bool value) { SetBooleanProperty(usePatterns_, value); }
  TChartValueList* PieValues() const { return YValues(); }
  TChartPen* PiePen() const { return Pen(); }

  // Whether point `index` is gathered into the Other slice.
  bool IsHidden(int index) const {
    return XValues()->Values()[static_cast<std::size_t>(index)] == HiddenX;
  }
  // The angles of the last paint, one entry per point.
  const std::vector<SliceAngles>& Angles() const { return angles_; }
  // How far slice `index` is moved from the centre in this paint, in
  // pixels, x to the right and y upwards.
  QPoint SliceOffset(int index) const;
  bool IsExploded() const { return isExploded_; }

  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TPieSeriesEditor"); }
  int CalcXPos(int index) const override;
  // The explode setting goes with its slice.
  void Delete(int valueIndex) override;
  void SwapValueIndex(int a, int b) override;
  // A pie takes no room on the axes: it reports what they show already.
  double MaxXValue() const override;
  double MinXValue() const override;
  double MaxYValue() const override;
  double MinYValue() const override;
  // Percentages are of the slices drawn, the Other slice among them.
  double PercentTotal() const override;

  // The Other slice is the pie's own point; a hidden slice keeps the X its
  // grouping numbered it with.
  int PaintedPointIndex() const override;
  double UserValue(const TChartValueList& list, int valueIndex) const override;
  void ReleasePaintedPoints() override;

  // Gathers the small slices into the Other slice (before each paint).
  void DoBeforeDrawChart() override;
  void DrawAllValues() override;
  void DrawValue(int valueIndex) override;
  // Draws slice `valueIndex` with the canvas state already set.
  virtual void DrawPie(int valueIndex);
  int Clicked(int x, int y) override;

  // The legend lists the slices drawn.
  int CountLegendItems() const override;
  int LegendToValueIndex(int legendIndex) const override;
  base::TColor LegendItemColor(int legendIndex) const override;

  int NumSampleValues() const override { return 8; }
  void AddSampleValues(int count) override;
  void PrepareForGallery(bool enabled) override;
  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;

 protected:
  void ClearLists() override;
  void PrepareLegendCanvas(int legendIndex, base::TColor& backColor, TChartBrush& brush) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;

 private:
  void GroupOtherSlice();
  // The points drawn (not hidden) and the sum of their absolute values,
  // worked out once per state of the points: legends and marks ask for
  // them point by point.
  struct DrawnPoints {
    int count = -1;
    long long grouping = -1;
    double allTotal = 0;
    std::vector<int> indexes;
    double total = 0;
  };
  const DrawnPoints& Drawn() const;
  void CalcAngles();
  // The hatch of slice `index` with patterns, else solid.
  TBrushStyle SliceBrushStyle(int index) const;
  bool UseSlicePatterns() const;
  // The order the slices are drawn in: in 3D with a slice moved out, the
  // back ones first.
  std::vector<int> DrawingOrder() const;

  int angleSize_ = 360;
  bool dark3D_ = true;
  TExplodedSlices exploded_;
  int explodeBiggest_ = 0;
  TPieOtherSlice* otherSlice_;  // owned through the QObject tree
  TPieShadow* shadow_;          // owned through the QObject tree
  bool usePatterns_ = false;
  std::vector<SliceAngles> angles_;
  QPoint startPoint_;
  bool isExploded_ = false;
  // Some point is hidden; counts the groupings, so that what was worked out
  // for the points before one is not used after it.
  bool hasHidden_ = false;
  long long groupings_ = 0;
  mutable DrawnPoints drawn_;
};
