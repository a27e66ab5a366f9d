#pragma once
// The panel with the furniture of a chart's background: a gradient or solid
// fill, a back image, the window's bevels, and the zoom settings with the
// rectangle the user drags.
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TPicture.h"
#include "chart/model/TCustomPlotPanel.h"
#include "chart/model/TPlotZoom.h"

class TCustomPlotPanelExtended : public TCustomPlotPanel {
  Q_OBJECT
  Q_PROPERTY(TPanningMode AllowPanning READ AllowPanning WRITE SetAllowPanning)
  Q_CLASSINFO("default:AllowPanning", "pmBoth")
  Q_PROPERTY(TPicture* BackImage READ BackImage WRITE SetBackImage)
  Q_CLASSINFO("kind:BackImage", "picture")
  Q_PROPERTY(bool BackImageInside READ BackImageInside WRITE SetBackImageInside)
  Q_CLASSINFO("default:BackImageInside", "false")
  Q_PROPERTY(TPlotBackImageMode BackImageMode READ BackImageMode WRITE SetBackImageMode)
  Q_CLASSINFO("default:BackImageMode", "pbmStretch")
  Q_PROPERTY(bool BackImageTransp READ BackImageTransp WRITE SetBackImageTransp)
  Q_CLASSINFO("default:BackImageTransp", "false")
  Q_PROPERTY(TChartGradient* Gradient READ Gradient WRITE SetGradient)
  Q_PROPERTY(TPlotZoom* Zoom READ Zoom WRITE SetZoom)

 public:
  enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
  Q_ENUM(TPanningMode)
  enum TPlotBackImageMode { pbmStretch, pbmTile, pbmCenter };
  Q_ENUM(TPlotBackImageMode)

  explicit TCustomPlotPanelExtended(QObject* parent = nullptr);
  ~TCustomPlotPanelExtended() override;

  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode value) { SetIntegerProperty(allowPanning_, value); }
  TPicture* BackImage() const { return backImage_; }
  // Copies `value`'s image (null clears it).
  void SetBackImage(TPicture* value);
  bool BackImageInside() const { return backImageInside_; }
  void SetBackImageInside(bool value) { SetBooleanProperty(backImageInside_, value); }
  TPlotBackImageMode BackImageMode() const { return backImageMode_; }
  void SetBackImageMode(TPlotBackImageMode value) { SetIntegerProperty(backImageMode_, value); }
  // The back image's transparency; false, and not settable, without a bitmap.
  bool BackImageTransp() const;
  void SetBackImageTransp(bool value);
  TChartGradient* Gradient() const { return gradient_; }
  void SetGradient(TChartGradient* value);
  TPlotZoom* Zoom() const { return zoom_; }
  void SetZoom(TPlotZoom* value);

  bool Zoomed() const { return zoomed_; }
  void SetZoomed(bool value) { zoomed_ = value; }

  // Older files keep the zoom settings as "AllowZoom", "AnimatedZoom" and
  // "AnimatedZoomSteps".
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

  // Adds the back image and its flags, the gradient, AllowPanning and Zoom.
  void Assign(const TCustomPlotPanel& source) override;

  // The gradient when visible, else (unless printing without background)
  // the panel colour.
  void FillPanelRect(const TRect& r) override;
  // The fill, then the back image unless it goes inside the chart.
  void PanelPaint(const TRect& r) override;
  // The back image over `r` at depth `z`, as BackImageMode says.
  void DrawBackImage(int z, const TRect& r);

  // The zoom rectangle of Zoom's drag state onto `target`, in colours that
  // show on the panel's background.
  void DrawZoomRectangle(DrawingBackend& target);
  // What the window lays over the finished picture (never into it): the
  // zoom rectangle while one is dragged. overlayChanged asks for it again.
  virtual void DrawOverlay(DrawingBackend& target);
  // The zoom rectangle moved: the window shows it again (from its buffer).
  void ZoomRectangleChanged() { Q_EMIT overlayChanged(); }

  void UndoZoom();

 Q_SIGNALS:
  void overlayChanged();
  void afterDraw();
  void undoZoomed();
  void zoomed();

 private:
  TPanningMode allowPanning_ = pmBoth;
  TPicture* backImage_;
  bool backImageInside_ = false;
  TPlotBackImageMode backImageMode_ = pbmStretch;
  TChartGradient* gradient_;
  TPlotZoom* zoom_;
  bool zoomed_ = false;
};
