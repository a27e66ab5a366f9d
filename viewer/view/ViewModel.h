#pragma once
// Everything a view window knows without a GL context: which field it shows
// and how (draw flags, shading, arrow settings), the set-up of its legend for
// the kind, the user's transform and the rule that moves the scalar views of
// a project together, and the vertex heights and colours of the relief. The
// window (TfrmGLBase) owns one and paints from it with ViewPainter.
//
// Heights and colours are recomputed only when Dirty (a new step, a legend
// change), never for a mere rotation or zoom.
#include "resultdata/TDataKind.h"
#include "resultdata/TGrid.h"
#include "viewer/view/ArrowList.h"
#include "viewer/view/ReliefColors.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class ColorLegendModel;
class ViewHost;

// DrawFlags bits.
enum TDrawFlag : std::uint8_t {
  dfColorized = 1,  // kept in the session file; no effect on drawing
  dfWireFrame = 2,
  dfOutline = 4,  // grid lines
  dfArrow = 8,    // arrows instead of the relief
  dfArrowNorm = 16,
  dfArrowLog = 32,
  dfSidePanel = 64,
  dfMaterialBorders = 128,
};

// BoundarySides bits.
enum TBoundarySide : std::uint8_t { bsTop = 1, bsLeft = 2, bsBottom = 4, bsRight = 8 };

// The values of a TGLTransform that a view keeps for its user transform.
struct ViewTransform {
  float TranX = -0.1f, TranY = -0.07f, TranZ = -1.0f;
  float AxisX = 1.0f, AxisY = -0.5f, AxisZ = -0.2f;
  float Angle = 0.0f;
  float AngleX = 0.0f, AngleY = 0.0f, AngleZ = 0.0f;
  float ScaleX = 1.0f, ScaleY = 1.0f, ScaleZ = 1.0f;
};

// What the legend shows for a kind's header range: data bounds, shown
// interval and caption digits.
struct LegendRange {
  double MinVal = 0, MaxVal = 1;
  double MinValAct = 0, MaxValAct = 1;
  int Digits = 2;
};

class ViewModel {
 public:
  // GL enum values the model stores (the session file writes them as numbers).
  static constexpr unsigned glFlat = 0x1D00;    // GL_FLAT, 7424
  static constexpr unsigned glSmooth = 0x1D01;  // GL_SMOOTH, 7425
  static constexpr unsigned glLess = 0x0201;
  static constexpr unsigned glLequal = 0x0203;
  static constexpr unsigned glAlways = 0x0207;

  // Sets the view up for `kind` of the project behind `host`; `legend` is the
  // view's legend (owned by the window). Joins the host's list of views.
  ViewModel(ViewHost& host, TDataKind kind, ColorLegendModel& legend);
  ~ViewModel();
  ViewModel(const ViewModel&) = delete;
  ViewModel& operator=(const ViewModel&) = delete;

  // The legend's range for a header range: digits by the width of the range,
  // the shown interval widened to whole numbers for ranges wider than 1
  // (except relative humidity, kind 1). Comparisons are strict.
  static LegendRange LegendRangeFor(TDataKind kind, double rangeMin, double rangeMax);

  ViewHost& Host() const { return host_; }
  TDataKind Kind() const { return kind_; }
  bool IsVector() const { return IsVectorKind(kind_); }
  ColorLegendModel& Legend() const { return legend_; }
  const TGrid* Grid() const { return grid_; }

  // ---- drawing settings ----
  std::uint8_t DrawFlags() const { return drawFlags_; }
  void SetDrawFlags(std::uint8_t flags) { drawFlags_ = flags; }
  bool HasFlag(TDrawFlag flag) const { return (drawFlags_ & flag) != 0; }
  void SetFlag(TDrawFlag flag, bool on);

  float Threshold() const { return threshold_; }
  // Ignores values outside 0 < t <= 1.
  void SetThreshold(float t);
  float ArrowScale() const { return arrowScale_; }
  void SetArrowScale(float s) { arrowScale_ = s; }
  unsigned ShadeModel() const { return shadeModel_; }
  void SetShadeModel(unsigned model) { shadeModel_ = model; }
  unsigned MatDepthFunc() const { return matDepthFunc_; }
  void SetMatDepthFunc(unsigned f) { matDepthFunc_ = f; }
  unsigned GridDepthFunc() const { return gridDepthFunc_; }
  void SetGridDepthFunc(unsigned f) { gridDepthFunc_ = f; }
  std::uint8_t BoundarySides() const { return boundarySides_; }
  void SetBoundarySides(std::uint8_t sides) { boundarySides_ = sides & 15; }
  const std::array<float, 3>& LightPos() const { return lightPos_; }
  void SetLightPos(const std::array<float, 3>& p) { lightPos_ = p; }
  bool SidePanelLighted() const { return sidePanelLighted_; }
  void SetSidePanelLighted(bool on) { sidePanelLighted_ = on; }
  bool NumberingEnabled() const { return numberingEnabled_; }
  void SetNumberingEnabled(bool on) { numberingEnabled_ = on; }
  const QString& NumberFormat() const { return numberFormat_; }
  void SetNumberFormat(const QString& f) { numberFormat_ = f; }
  const QString& ValueFormat() const { return valueFormat_; }

  // The kind's header range.
  float RangeMin() const;
  float RangeMax() const;

  // ---- captions ----
  // Window caption := trimmed name + " (" + file name + ")"; legend caption := name.
  void SetViewCaption(const QString& name);
  const QString& WindowCaption() const { return windowCaption_; }

  // ---- transform ----
  const ViewTransform& Transform() const { return transform_; }
  // Direct access for the navigation that changes the rotation axis or sets
  // this view alone (session loading).
  ViewTransform& TransformForUpdate() { return transform_; }
  // Scale to fit the grid; z scale from the kind's range (1 for vector kinds
  // and for an empty range).
  void FitScale();
  // FitScale, then the translations to 0 through the shared setters.
  void ResetView();
  // Angles to 0 through the shared setters, and this view's own as well: a
  // vector view ignores the shared angles, yet the tool-bar rotations turn it.
  void ResetRotation();

  // Setters under the shared rule: a vector view changes only itself and
  // never rotates; a scalar view's rotations and translations go to every
  // scalar view of the project, its scales only to itself. While the project
  // is loaded the other views are repainted.
  void SetTranX(float v);
  void SetTranY(float v);
  void SetTranZ(float v);
  void SetAngleX(float v);
  void SetAngleY(float v);
  void SetAngleZ(float v);
  void SetScaleX(float v);
  void SetScaleY(float v);
  void SetScaleZ(float v);

  // Asked to repaint this view (another view's transform changed, or the
  // suspension ended). The window sets it.
  std::function<void()> OnRepaint;
  void RequestRepaint() const {
    if (OnRepaint) OnRepaint();
  }

  // ---- painting state ----
  bool Creating() const { return creating_; }
  bool PaintSuspended() const { return paintSuspended_; }
  // Suspends or resumes painting, then asks for a repaint (which draws
  // nothing while suspended).
  void SetLoading(bool loading);
  bool CanPaint() const { return !creating_ && !paintSuspended_; }

  bool Dirty() const { return dirty_; }
  void SetDirty() { dirty_ = true; }
  // Before a paint: when Dirty, recompute heights and colours (the relief
  // only; arrows need none) and clear Dirty.
  void PrepareForPaint();
  // Recomputes heights and colours of the relief from the current step.
  void ComputeColors();
  // Counts the recomputations of the heights, so that what depends on them
  // knows when to follow.
  std::uint64_t HeightsVersion() const { return heightsVersion_; }

  // The current step's values (and directions for vector kinds); nullptr
  // when the file lacks the kind.
  const float* Values() const;
  const float* Directions() const;

  // The view's vertices (z = relief height) and their smooth colours.
  const std::vector<TGridVertex>& Vertices() const { return vertices_; }
  const std::vector<std::uint8_t>& Colors() const { return colors_; }
  // Flat shading: per node colours (class colour of cell c at node c - 1) and
  // the quads of all active cells; computed on first use after a change.
  const std::vector<std::uint8_t>& FlatColors();
  const std::vector<std::uint32_t>& FlatQuads();

  // The legend as the relief's colour scale.
  const ReliefColorScale& ColorScale() const { return colorScale_; }

  // Arrows of the current step for this paint (a fresh random share when the
  // threshold is below 1).
  const ArrowList& BuildArrows();
  // Seeds the threshold's random choice (tests).
  void SeedRandom(std::uint32_t seed) { random_.seed(seed); }

  // Three lines (CR separated): rotation, translation and zoom.
  QString StatusText() const;

 private:
  class LegendScale : public ReliefColorScale {
   public:
    explicit LegendScale(const ColorLegendModel& legend) : legend_(legend) {}
    std::uint32_t InterpolatedColor(double value) const override;
    std::uint32_t ClassColor(double value) const override;
    double LowestValue() const override;

   private:
    const ColorLegendModel& legend_;
  };

  void setUpLegend();
  void applyShared(float ViewTransform::*field, float v, bool isAngle, bool isScale);

  ViewHost& host_;
  TDataKind kind_;
  ColorLegendModel& legend_;
  LegendScale colorScale_;
  const TGrid* grid_ = nullptr;

  std::uint8_t drawFlags_ = 0;
  float threshold_ = 1.0f;
  float arrowScale_ = 1.0f;
  unsigned shadeModel_ = glSmooth;
  unsigned matDepthFunc_ = glLequal;
  unsigned gridDepthFunc_ = glLequal;
  std::uint8_t boundarySides_ = 15;
  std::array<float, 3> lightPos_{10.0f, 20.0f, 30.0f};
  bool sidePanelLighted_ = false;
  bool numberingEnabled_ = false;
  QString numberFormat_ = QStringLiteral("%3.2f");
  QString valueFormat_;
  QString windowCaption_;

  ViewTransform transform_;

  bool creating_ = true;
  bool paintSuspended_ = false;
  bool dirty_ = true;
  bool flatDirty_ = true;
  std::uint64_t heightsVersion_ = 0;

  std::vector<TGridVertex> vertices_;
  std::vector<std::uint8_t> colors_;
  std::vector<std::uint8_t> flatColors_;
  std::vector<std::uint32_t> flatQuads_;
  bool flatQuadsBuilt_ = false;

  ArrowList arrows_;
  std::mt19937 random_{std::random_device{}()};
};
