#pragma once
// The picture of the page in the print preview: a sheet of paper with its
// shadow, and on it each previewed panel inside its print margins, drawn
// as the printer will draw it. The margins can be dragged by their edges
// and corners, the chart rectangle as a whole; the margin lines and the
// drag outline lie over the finished picture, so a drag repaints nothing
// of it. Printing puts every panel of the list into one document.
#include "chart/canvas/TChartPen.h"
#include "chart/model/TCustomPlotPanelExtended.h"
#include "charteditor/preview/PreviewGeometry.h"

#include <QPointer>

#include <functional>
#include <vector>

class PrinterEnvironment;

// The margin lines' pen: one-pixel dots.
class TPreviewChartPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:SmallDots", "true")
  Q_CLASSINFO("default:Style", "psDot")

 public:
  explicit TPreviewChartPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

class TPlotPreviewPanel : public TCustomPlotPanelExtended {
  Q_OBJECT
  Q_PROPERTY(bool AllowResize READ AllowResize WRITE SetAllowResize)
  Q_CLASSINFO("default:AllowResize", "true")
  Q_PROPERTY(bool AllowMove READ AllowMove WRITE SetAllowMove)
  Q_CLASSINFO("default:AllowMove", "true")
  Q_PROPERTY(bool AsBitmap READ AsBitmap WRITE SetAsBitmap)
  Q_CLASSINFO("default:AsBitmap", "false")
  Q_PROPERTY(bool DragImage READ DragImage WRITE SetDragImage)
  Q_CLASSINFO("default:DragImage", "false")
  Q_PROPERTY(TPreviewChartPen* Margins READ Margins WRITE SetMargins)
  Q_PROPERTY(TPreviewOrientation Orientation READ Orientation WRITE SetOrientation)
  Q_CLASSINFO("default:Orientation", "ppoDefault")
  Q_PROPERTY(TCustomPlotPanel* Panel READ Panel WRITE SetPanel)
  Q_PROPERTY(uint PaperColor READ PaperColor WRITE SetPaperColor)
  Q_CLASSINFO("default:PaperColor", "$FFFFFF")
  Q_CLASSINFO("kind:PaperColor", "color")
  Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_CLASSINFO("default:ShadowColor", "$808080")
  Q_CLASSINFO("kind:ShadowColor", "color")
  Q_PROPERTY(int ShadowSize READ ShadowSize WRITE SetShadowSize)
  Q_CLASSINFO("default:ShadowSize", "4")
  Q_PROPERTY(bool ShowImage READ ShowImage WRITE SetShowImage)
  Q_CLASSINFO("default:ShowImage", "true")
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_CLASSINFO("default:Title", "")

 public:
  enum TPreviewOrientation { ppoPortrait, ppoLandscape, ppoDefault };
  Q_ENUM(TPreviewOrientation)
  // Raised after a drag changed the previewed panel's margins.
  using ChangeMarginsEvent =
      std::function<void(QObject* sender, bool disableProportional, const TRect& margins)>;

  explicit TPlotPreviewPanel(QObject* parent = nullptr);
  ~TPlotPreviewPanel() override;

  bool AllowResize() const { return allowResize_; }
  void SetAllowResize(bool value) { allowResize_ = value; }
  bool AllowMove() const { return allowMove_; }
  void SetAllowMove(bool value) { allowMove_ = value; }
  bool AsBitmap() const { return asBitmap_; }
  void SetAsBitmap(bool value) { SetBooleanProperty(asBitmap_, value); }
  bool DragImage() const { return dragImage_; }
  void SetDragImage(bool value) { dragImage_ = value; }
  TPreviewChartPen* Margins() const { return margins_; }
  void SetMargins(TPreviewChartPen* value);
  TPreviewOrientation Orientation() const { return orientation_; }
  void SetOrientation(TPreviewOrientation value);
  // The first panel of the list; setting one makes it the list (null
  // empties it). A destroyed panel leaves the list by itself.
  TCustomPlotPanel* Panel() const;
  void SetPanel(TCustomPlotPanel* value);
  void AddPanel(TCustomPlotPanel* panel);
  std::vector<TCustomPlotPanel*> Panels() const;
  base::TColor PaperColor() const { return paperColor_; }
  void SetPaperColor(base::TColor value) { SetColorProperty(paperColor_, value); }
  base::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(base::TColor value) { SetColorProperty(shadowColor_, value); }
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int value) { SetIntegerProperty(shadowSize_, value); }
  bool ShowImage() const { return showImage_; }
  void SetShowImage(bool value) { SetBooleanProperty(showImage_, value); }
  QString Title() const { return title_; }
  void SetTitle(const QString& value) { title_ = value; }

  ChangeMarginsEvent OnChangeMargins;

  // Not owned; null: no printer (the paper takes the screen's shape).
  void SetPrinterEnvironment(PrinterEnvironment* printers) { printers_ = printers; }
  PrinterEnvironment* Printers() const { return printers_; }
  // The screen size the paper copies without a printer.
  void SetScreenSize(QSize size) { screen_ = size; }
  // The printer's orientation as Orientation says (default leaves it).
  void ApplyOrientation();

  // Recomputed from the panel's size, the page and the margins.
  TRect PaperRect() const;
  TRect ChartRectOnPaper() const;
  // The previewed panel's margins, proportional ones first when it asks
  // for them and there is a printer (they are then stored as its margins).
  TRect CurrentMargins() const;
  PreviewHit DragState() const { return drag_.state; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // The margin lines over the finished picture.
  void DrawOverlay(DrawingBackend& target) override;

  // One document with every panel of the list; nothing without a panel or
  // a printer. A panel that fails to draw aborts the job and the failure
  // goes on to the caller.
  void Print();

 protected:
  void InternalDraw(const TRect& bounds) override;

 private:
  QSize PaperSize() const;
  void DrawPanel(TCustomPlotPanel& panel, DrawingBackend& target, const TRect& chart);

  bool allowResize_ = true;
  bool allowMove_ = true;
  bool asBitmap_ = false;
  bool dragImage_ = false;
  TPreviewChartPen* margins_;
  TPreviewOrientation orientation_ = ppoDefault;
  std::vector<QPointer<TCustomPlotPanel>> panels_;
  base::TColor paperColor_ = base::clWhite;
  base::TColor shadowColor_ = 0x808080;
  int shadowSize_ = 4;
  bool showImage_ = true;
  QString title_;
  PrinterEnvironment* printers_ = nullptr;
  QSize screen_;
  PreviewDrag drag_;
  // The chart's rectangle as the drag in progress shows it.
  TRect dragChart_{0, 0, 0, 0};
};
