#pragma once
// The window side of a chart as a model: margins, 3D switch and options, the
// 3D canvas, listeners, mouse events, printing and pictures. A widget (or a
// printer, an image, a vector picture) shows it by calling Draw with a
// backend; the panel asks to be repainted through repaintRequested. The
// chart drawing itself is InternalDraw, which derived charts supply.
#include "base/Colors.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartHost.h"
#include "chart/core/TPlotPersistent.h"
#include "chart/core/TZoomPanning.h"
#include "chart/model/MetafileWriter.h"
#include "chart/model/PlotPanelEvents.h"
#include "chart/model/PrintPageGeometry.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QPrinter;
class TChartBrush;
class TPicture;

// The panel's canvas, which the panel may point at another target between
// paints (the zoom rectangle's overlay, immediate drawing).
class TPlotPanelCanvas : public TPlotCanvas3D {
 public:
  void Retarget(DrawingBackend* target) { SetTarget(target); }
};

class TCustomPlotPanel : public TPlotPersistent, public ChartHost {
  Q_OBJECT
  Q_PROPERTY(bool BufferedDisplay READ BufferedDisplay WRITE SetBufferedDisplay)
  Q_CLASSINFO("default:BufferedDisplay", "true")
  Q_PROPERTY(int Chart3DPercent READ Chart3DPercent WRITE SetChart3DPercent)
  Q_CLASSINFO("default:Chart3DPercent", "15")
  Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
  Q_CLASSINFO("default:MarginBottom", "4")
  Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
  Q_CLASSINFO("default:MarginLeft", "3")
  Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
  Q_CLASSINFO("default:MarginRight", "3")
  Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
  Q_CLASSINFO("default:MarginTop", "4")
  Q_PROPERTY(bool Monochrome READ Monochrome WRITE SetMonochrome)
  Q_CLASSINFO("default:Monochrome", "false")
  Q_PROPERTY(bool PrintProportional READ PrintProportional WRITE SetPrintProportional)
  Q_CLASSINFO("default:PrintProportional", "true")
  Q_PROPERTY(bool View3D READ View3D WRITE SetView3D)
  Q_CLASSINFO("default:View3D", "true")
  Q_PROPERTY(TView3DOptions* View3DOptions READ View3DOptions WRITE SetView3DOptions)
  // The window's own properties that charts store.
  Q_PROPERTY(Graphics::TPanelBevel BevelInner READ BevelInner WRITE SetBevelInner)
  Q_CLASSINFO("default:BevelInner", "bvNone")
  Q_PROPERTY(Graphics::TPanelBevel BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_CLASSINFO("default:BevelOuter", "bvRaised")
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_CLASSINFO("default:BevelWidth", "1")
  Q_PROPERTY(Graphics::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_CLASSINFO("default:BorderStyle", "bsNone")
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_CLASSINFO("default:BorderWidth", "0")
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$FF00000F")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_CLASSINFO("default:Cursor", "0")
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_CLASSINFO("default:Height", "250")
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_CLASSINFO("default:Width", "400")

 public:
  // The bitmap formats CreateBitmap makes.
  enum TPixelFormat { pfDevice, pf24bit, pf32bit };

  explicit TCustomPlotPanel(QObject* parent = nullptr);
  ~TCustomPlotPanel() override;

  // --- published --------------------------------------------------------------
  bool BufferedDisplay() const { return canvas_.GetUseBuffer(); }
  void SetBufferedDisplay(bool value);
  int Chart3DPercent() const { return chart3DPercent_; }
  // Outside 1..100 raises ChartException and keeps the value.
  void SetChart3DPercent(int value);
  int MarginBottom() const { return marginBottom_; }
  void SetMarginBottom(int value) { SetIntegerProperty(marginBottom_, value); }
  int MarginLeft() const { return marginLeft_; }
  void SetMarginLeft(int value) { SetIntegerProperty(marginLeft_, value); }
  int MarginRight() const { return marginRight_; }
  void SetMarginRight(int value) { SetIntegerProperty(marginRight_, value); }
  int MarginTop() const { return marginTop_; }
  void SetMarginTop(int value) { SetIntegerProperty(marginTop_, value); }
  bool Monochrome() const { return canvas_.GetMonochrome(); }
  void SetMonochrome(bool value);
  bool PrintProportional() const { return printProportional_; }
  void SetPrintProportional(bool value) { SetBooleanProperty(printProportional_, value); }
  bool View3D() const { return view3D_; }
  // Also tells the listeners (TPlotView3DEvent).
  void SetView3D(bool value);
  TView3DOptions* View3DOptions() const { return view3DOptions_; }
  void SetView3DOptions(TView3DOptions* value);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel value) { SetIntegerProperty(bevelInner_, value); }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel value) { SetIntegerProperty(bevelOuter_, value); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { SetIntegerProperty(bevelWidth_, value); }
  // Drawn by the chart's window, never into the chart's picture.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) { SetIntegerProperty(borderStyle_, value); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { SetIntegerProperty(borderWidth_, value); }
  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { SetColorProperty(color_, value); }
  // The panel's own cursor, shown again whenever the mouse leaves.
  int Cursor() const { return cursor_; }
  void SetCursor(int value);
  int Height() const { return height_; }
  void SetHeight(int value) { SetIntegerProperty(height_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetIntegerProperty(width_, value); }

  // --- stored besides the properties -------------------------------------------
  // Percent of the page on each side (Left, Top, Right, Bottom).
  TRect PrintMargins() const { return printMargins_; }
  void SetPrintMargins(const TRect& value);
  // "PrintMargins", when not 15 % all round.
  QStringList ExtraStoredNames() const override;
  QVariant ExtraStoredValue(const QString& name) const override;
  bool ReadExtraStored(const QString& name, const QVariant& value) override;

  // Percent by which printing reduces the drawing's logical size.
  int PrintResolution() const { return printResolution_; }
  void SetPrintResolution(int value) { printResolution_ = value; }
  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool value) { autoRepaint_ = value; }
  bool CancelMouse() const { return cancelMouse_; }
  void SetCancelMouse(bool value) { cancelMouse_ = value; }
  bool Printing() const { return printing_; }
  bool Metafiling() const { return metafiling_; }
  // True from the start of Draw to its end.
  bool Painting() const { return painting_; }
  TZoomPanning& Panning() { return panning_; }
  // The cursor shown now: Cursor, or what a tool set meanwhile.
  int CurrentCursor() const { return currentCursor_; }
  void SetCurrentCursor(int value);
  // The mouse position in the panel's coordinates, as the window that
  // shows the panel reports it ((0, 0) without one).
  QPoint GetCursorPos() const { return cursorPosSource_ ? cursorPosSource_() : QPoint(); }
  void SetCursorPosSource(std::function<QPoint()> source) { cursorPosSource_ = std::move(source); }

  // Copies the panel's settings: buffering, print margins, PrintProportional,
  // print resolution, margins, Monochrome, View3D and its options,
  // Chart3DPercent and Color.
  virtual void Assign(const TCustomPlotPanel& source);

  // --- drawing ------------------------------------------------------------------
  TPlotPanelCanvas& Canvas() { return canvas_; }
  virtual base::TColor GetBackColor() const { return color_; }
  // Marks the chart for repainting; nothing while painting or with AutoRepaint off.
  virtual void InvalidateChart();
  // Paints the chart into `r` of `target`. Not re-entrant: a call from
  // inside a paint returns at once.
  virtual void Draw(DrawingBackend& target, const TRect& r);
  // Shows the chart on its window: the last drawing again when nothing
  // changed, a new one otherwise.
  void Paint(DrawingBackend& target);
  // (0, 0, Width, Height).
  virtual TRect GetRectangle() const;
  virtual void FillPanelRect(const TRect& r);
  virtual void PanelPaint(const TRect& r);
  // The window's bevels and border inside `r`, as the class library's panel draws them.
  void DrawPanelBevels(TRect r);

  // Draws straight into the shown picture (the fast line's added points)
  // and asks the window to show `dirty` (canvas coordinates) again. False
  // when there is no finished picture to draw into: then the caller
  // invalidates instead.
  bool DrawImmediate(const std::function<void(TPlotCanvas3D&)>& paint, const TRect& dirty);

  TRect ChartBounds() const { return chartBounds_; }
  TRect ChartRect() const { return chartRect_; }
  int ChartWidth() const { return chartRect_.Width(); }
  int ChartHeight() const { return chartRect_.Height(); }
  int ChartXCenter() const { return (chartRect_.Left + chartRect_.Right) / 2; }
  int ChartYCenter() const { return (chartRect_.Top + chartRect_.Bottom) / 2; }
  // Sets the chart rectangle (as derived charts shrink it for legends and titles).
  void SetChartRect(const TRect& r) { chartRect_ = r; }
  virtual void RecalcWidthHeight();

  // --- drawing rules -------------------------------------------------------------
  bool CanClip() const;
  // While printing, a one-pixel pen becomes the device's thinnest line.
  void CheckPenWidth(BackendPen& pen) const;
  // Selects `brush` in colour `color` over `back` on the canvas; a hatch in
  // the background colour switches to black (or white on black).
  void SetBrushCanvas(base::TColor color, const TChartBrush& brush, base::TColor back);

  // --- property helpers every chart part uses ----------------------------------------
  void SetBooleanProperty(bool& field, bool value);
  void SetColorProperty(base::TColor& field, base::TColor value);
  void SetDoubleProperty(double& field, double value);
  void SetStringProperty(QString& field, const QString& value);
  // Integers and enumerations.
  template <class T>
  void SetIntegerProperty(T& field, T value) {
    Store(field, value);
  }

  // --- listeners and mouse ------------------------------------------------------------
  void AddListener(TPlotEventListener* listener);
  void RemoveListener(TPlotEventListener* listener);
  const std::vector<TPlotEventListener*>& Listeners() const { return listeners_; }
  void BroadcastPlotEvent(TPlotEvent& event);
  void BroadcastMouseEvent(TPlotMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                           int y);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The mouse left the window: the panel's cursor returns and a pan ends.
  virtual void MouseLeave();

  // --- pictures ---------------------------------------------------------------------
  // The chart drawn over (0, 0, w, h) of a new image of r's size (at least
  // 1 x 1) that starts white, then `back` (clNone: stays white). Throws
  // ChartException when the image cannot be allocated.
  QImage CreateBitmap(base::TColor back, const TRect& r, TPixelFormat format);
  // The chart over the panel's rectangle in the panel colour.
  void AssignTo(TPicture& picture);
  // Draws the chart as a vector picture onto `target` over `r`.
  void DrawToMetaCanvas(DrawingBackend& target, const TRect& r);
  // Through the registered metafile writer (ChartException when none).
  TMetafile CreateMetafile(bool enhanced, const TRect& r);

  // --- printing -----------------------------------------------------------------------
  TRect CalcProportionalMargins(const PrintPageGeometry& page) const;
  // The chart's rectangle on the page; with PrintProportional the print
  // margins are recomputed first.
  TRect ChartPrintRect(const PrintPageGeometry& page);
  PrintScale CalcPrintMargins(const TRect& r) const;
  // Draws the chart into device rectangle `r` of `target`, scaled from the
  // panel's logical size. Nothing for an r without area.
  void PrintPartialCanvas(DrawingBackend& target, const TRect& r);
  // The same onto an active printer.
  // False when the printer would not start.
  bool PrintPartial(QPrinter& printer, const TRect& r);

  // --- the chart host ---------------------------------------------------------------
  void Invalidate() override { InvalidateChart(); }
  void BroadcastSeriesEvent(ChartSeriesEvent, TPlotPersistent*) override {}
  bool ReadingStoredState() const override { return false; }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

 Q_SIGNALS:
  // The window should paint again (update()).
  void repaintRequested();
  // Part of the shown picture changed without a new paint: show it again.
  void areaChanged(TRect r);
  void cursorChanged(int cursor);
  void mouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void mouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void mouseMoved(TShiftState shift, int x, int y);
  void scrolled();

 protected:
  // The chart's own drawing inside `bounds`.
  virtual void InternalDraw(const TRect& bounds) = 0;
  void BeginDestroy() { destroying_ = true; }

  TRect chartRect_;

 private:
  TPlotPanelCanvas canvas_;
  TView3DOptions* view3DOptions_;
  std::vector<TPlotEventListener*> listeners_;
  std::function<QPoint()> cursorPosSource_;
  TZoomPanning panning_;
  TRect chartBounds_;
  TRect printMargins_{15, 15, 15, 15};
  int chart3DPercent_ = 15;
  int marginBottom_ = 4, marginLeft_ = 3, marginRight_ = 3, marginTop_ = 4;
  bool printProportional_ = true;
  bool view3D_ = true;
  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = Graphics::bsNone;
  base::TColor color_ = base::clBtnFace;
  int cursor_ = 0;
  int currentCursor_ = 0;
  int height_ = 250;
  int width_ = 400;
  int printResolution_ = 0;
  bool autoRepaint_ = true;
  bool cancelMouse_ = false;
  bool printing_ = false;
  bool metafiling_ = false;
  bool painting_ = false;
  bool destroying_ = false;
  // The last paint went into the canvas's buffer, which still shows it.
  bool bufferCurrent_ = false;
};
