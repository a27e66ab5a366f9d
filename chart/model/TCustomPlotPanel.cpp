#include "chart/model/TCustomPlotPanel.h"

#include "base/MathUtil.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TPicture.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/PlotPanelSwitches.h"

#include <QPainter>
#include <QPrinter>
#include <QVariantList>

#include <algorithm>
#include <cstdint>

namespace {

constexpr TRect kDefaultPrintMargins{15, 15, 15, 15};

// Sets a flag for a scope and clears it again, also when the scope throws.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// Turns the canvas buffer off for a scope: pictures and prints are drawn
// onto their device directly.
class UnbufferedScope {
 public:
  explicit UnbufferedScope(TPlotCanvas3D& canvas) : canvas_(canvas), old_(canvas.GetUseBuffer()) {
    canvas_.SetUseBuffer(false);
  }
  ~UnbufferedScope() { canvas_.SetUseBuffer(old_); }
  UnbufferedScope(const UnbufferedScope&) = delete;
  UnbufferedScope& operator=(const UnbufferedScope&) = delete;

 private:
  TPlotCanvas3D& canvas_;
  bool old_;
};

// Reads an integer of the int range from an untrusted stored value.
bool StoredInt(const QVariant& v, int& out) {
  switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: {
      bool ok = false;
      const qlonglong x = v.toLongLong(&ok);
      if (!ok || x < INT32_MIN || x > INT32_MAX) return false;
      if (v.metaType().id() == QMetaType::ULongLong && v.toULongLong() > INT32_MAX) return false;
      out = static_cast<int>(x);
      return true;
    }
    default:
      return false;
  }
}

// Beyond these an image is not worth allocating (and the raster engine
// cannot paint past 32767).
constexpr int kMaxBitmapSide = 32767;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 28;

}  // namespace

TCustomPlotPanel::TCustomPlotPanel(QObject* parent)
    : TPlotPersistent([this] { InvalidateChart(); }, parent),
      view3DOptions_(new TView3DOptions([this] { InvalidateChart(); }, this)) {
  connect(view3DOptions_, &TView3DOptions::scrolled, this, [this] { Q_EMIT scrolled(); });
}

TCustomPlotPanel::~TCustomPlotPanel() {
  destroying_ = true;
  HostGone();
}

// --- properties -----------------------------------------------------------------------

void TCustomPlotPanel::SetBufferedDisplay(bool value) {
  if (value == canvas_.GetUseBuffer()) return;
  canvas_.SetUseBuffer(value);
  if (!value) bufferCurrent_ = false;
  Changed();
}

void TCustomPlotPanel::SetChart3DPercent(int value) {
  if (value < 1 || value > 100) throw ChartException(ChartFormat(ChartMsg::Percent3D, {1, 100}));
  Store(chart3DPercent_, value);
}

void TCustomPlotPanel::SetMonochrome(bool value) {
  if (value == canvas_.GetMonochrome()) return;
  canvas_.SetMonochrome(value);
  Changed();
}

void TCustomPlotPanel::SetView3D(bool value) {
  if (!Store(view3D_, value)) return;
  TPlotView3DEvent event;
  BroadcastPlotEvent(event);
}

void TCustomPlotPanel::SetView3DOptions(TView3DOptions* value) {
  if (value && value != view3DOptions_) view3DOptions_->Assign(*value);
}

void TCustomPlotPanel::SetCursor(int value) {
  Store(cursor_, value);
  SetCurrentCursor(value);
}

void TCustomPlotPanel::SetCurrentCursor(int value) {
  if (value == currentCursor_) return;
  currentCursor_ = value;
  Q_EMIT cursorChanged(value);
}

void TCustomPlotPanel::SetPrintMargins(const TRect& value) {
  printMargins_ = value;
}

QStringList TCustomPlotPanel::ExtraStoredNames() const {
  if (printMargins_ == kDefaultPrintMargins) return {};
  return {QStringLiteral("PrintMargins")};
}

QVariant TCustomPlotPanel::ExtraStoredValue(const QString& name) const {
  if (name.compare(QLatin1String("PrintMargins"), Qt::CaseInsensitive) != 0) return {};
  return QVariantList{printMargins_.Left, printMargins_.Top, printMargins_.Right,
                      printMargins_.Bottom};
}

bool TCustomPlotPanel::ReadExtraStored(const QString& name, const QVariant& value) {
  if (name.compare(QLatin1String("PrintMargins"), Qt::CaseInsensitive) != 0) return false;
  // A stored list that is not four integers is left unread.
  if (value.metaType().id() != QMetaType::QVariantList) return true;
  const QVariantList list = value.toList();
  if (list.size() != 4) return true;
  int m[4];
  for (int i = 0; i < 4; ++i) {
    if (!StoredInt(list[i], m[i])) return true;
  }
  printMargins_ = TRect{m[0], m[1], m[2], m[3]};
  return true;
}

void TCustomPlotPanel::Assign(const TCustomPlotPanel& source) {
  if (&source == this) return;
  SetBufferedDisplay(source.BufferedDisplay());
  printMargins_ = source.printMargins_;
  SetPrintProportional(source.printProportional_);
  printResolution_ = source.printResolution_;
  SetMarginLeft(source.marginLeft_);
  SetMarginTop(source.marginTop_);
  SetMarginRight(source.marginRight_);
  SetMarginBottom(source.marginBottom_);
  SetMonochrome(source.Monochrome());
  SetView3D(source.view3D_);
  view3DOptions_->Assign(*source.view3DOptions_);
  SetChart3DPercent(source.chart3DPercent_);
  SetColor(source.color_);
}

void TCustomPlotPanel::SetBooleanProperty(bool& field, bool value) {
  Store(field, value);
}

void TCustomPlotPanel::SetColorProperty(base::TColor& field, base::TColor value) {
  Store(field, value);
}

void TCustomPlotPanel::SetDoubleProperty(double& field, double value) {
  Store(field, value);
}

void TCustomPlotPanel::SetStringProperty(QString& field, const QString& value) {
  Store(field, value);
}

// --- painting ----------------------------------------------------------------------------

void TCustomPlotPanel::InvalidateChart() {
  // A chart part that changes while the chart paints (a pie grouping its
  // small slices) is drawn as it is now: asking for another paint from
  // inside this one would paint forever.
  if (painting_ || !autoRepaint_) return;
  canvas_.Invalidate();
  Q_EMIT repaintRequested();
}

TRect TCustomPlotPanel::GetRectangle() const {
  return TRect{0, 0, width_, height_};
}

void TCustomPlotPanel::Draw(DrawingBackend& target, const TRect& r) {
  if (painting_) return;
  FlagScope painting(painting_);
  chartBounds_ = canvas_.InitWindow(&target, view3DOptions_, view3D_, r);
  bufferCurrent_ = canvas_.Buffered();
  const int w = chartBounds_.Width(), h = chartBounds_.Height(), b = borderWidth_;
  chartRect_ = TRect{chartBounds_.Left + b + base::MulDiv(marginLeft_, w, 100),
                     chartBounds_.Top + b + base::MulDiv(marginTop_, h, 100),
                     chartBounds_.Right - b - base::MulDiv(marginRight_, w, 100),
                     chartBounds_.Bottom - b - base::MulDiv(marginBottom_, h, 100)};
  RecalcWidthHeight();
  try {
    InternalDraw(chartBounds_);
  } catch (...) {
    canvas_.ShowImage();
    canvas_.Invalidate();
    bufferCurrent_ = false;
    throw;
  }
  canvas_.ShowImage();
}

void TCustomPlotPanel::Paint(DrawingBackend& target) {
  if (printing_) return;
  const TRect r = GetRectangle();
  if (bufferCurrent_ && !canvas_.ImageChanged() && canvas_.Buffer() && canvas_.Bounds() == r) {
    canvas_.ReDrawBitmap(target);
    return;
  }
  Draw(target, r);
}

void TCustomPlotPanel::RecalcWidthHeight() {
  TRect& r = chartRect_;
  r.Left = std::max(r.Left, chartBounds_.Left);
  r.Top = std::max(r.Top, chartBounds_.Top);
  if (r.Right < r.Left) {
    r.Right = r.Left + 1;
  } else if (r.Right == r.Left) {
    r.Right = r.Left + width_;
  }
  if (r.Bottom < r.Top) {
    r.Bottom = r.Top + 1;
  } else if (r.Bottom == r.Top) {
    r.Bottom = r.Top + height_;
  }
}

void TCustomPlotPanel::FillPanelRect(const TRect& /*r*/) {}

void TCustomPlotPanel::PanelPaint(const TRect& /*r*/) {}

void TCustomPlotPanel::DrawPanelBevels(TRect r) {
  if (printing_ && !PanelSwitches().PaintBackgroundWhenPrinting) return;
  DrawingBackend& b = canvas_.ReferenceCanvas();
  BackendPen pen = b.pen();
  pen.style = Graphics::psSolid;
  pen.width = 1;
  pen.mode = Graphics::pmCopy;
  b.setPen(pen);
  BackendBrush brush;
  brush.style = Graphics::bsClear;
  b.setBrush(brush);
  const auto bevel = [&](TPanelBevel kind) {
    if (kind == bvNone || bevelWidth_ <= 0) return;
    const bool lowered = kind == bvLowered;
    canvas_.Frame3D(r, lowered ? base::clBtnShadow : base::clBtnHighlight,
                    lowered ? base::clBtnHighlight : base::clBtnShadow, bevelWidth_);
  };
  bevel(bevelOuter_);
  if (borderWidth_ > 0) canvas_.Frame3D(r, color_, color_, borderWidth_);
  bevel(bevelInner_);
}

bool TCustomPlotPanel::DrawImmediate(const std::function<void(TPlotCanvas3D&)>& paint,
                                     const TRect& dirty) {
  QImage* buffer = canvas_.Buffer();
  if (painting_ || !bufferCurrent_ || canvas_.ImageChanged() || !buffer) return false;
  {
    QPainter painter(buffer);
    QPainterBackend backend(painter);
    struct Restore {
      TPlotPanelCanvas& canvas;
      ~Restore() { canvas.Retarget(nullptr); }
    } restore{canvas_};
    canvas_.Retarget(&backend);
    paint(canvas_);
  }
  const TRect shown = canvas_.Bounds();
  Q_EMIT areaChanged(TRect{dirty.Left + shown.Left, dirty.Top + shown.Top, dirty.Right + shown.Left,
                           dirty.Bottom + shown.Top});
  return true;
}

// --- drawing rules -----------------------------------------------------------------------

bool TCustomPlotPanel::CanClip() const {
  if (canvas_.SupportsFullRotation()) return false;
  const PlotPanelSwitches& s = PanelSwitches();
  return (!printing_ && !metafiling_) || (printing_ && s.ClipWhenPrinting) ||
         (metafiling_ && s.ClipWhenMetafiling);
}

void TCustomPlotPanel::CheckPenWidth(BackendPen& pen) const {
  if (printing_ && PanelSwitches().CheckPenWidthWhenPrinting && pen.style != Graphics::psClear &&
      pen.width == 1)
    pen.width = 0;
}

void TCustomPlotPanel::SetBrushCanvas(base::TColor color, const TChartBrush& brush,
                                      base::TColor back) {
  const bool hatched = brush.Style() >= Graphics::bsHorizontal && brush.Image()->Empty();
  if (hatched && base::ColorToRGB(color) == base::ColorToRGB(back))
    color = base::ColorToRGB(back) != base::clBlack ? base::clBlack : base::clWhite;
  const bool mono = canvas_.GetMonochrome();
  BackendBrush b = brush.ToBackendBrush(color, mono);
  if (!mono) b.color = color;
  DrawingBackend& target = canvas_.ReferenceCanvas();
  target.setBrush(b);
  target.setBackColor(back);
  target.setBackMode(BackMode::Opaque);
}

// --- listeners and mouse -----------------------------------------------------------------

void TCustomPlotPanel::AddListener(TPlotEventListener* listener) {
  if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void TCustomPlotPanel::RemoveListener(TPlotEventListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void TCustomPlotPanel::BroadcastPlotEvent(TPlotEvent& event) {
  if (destroying_) return;
  event.Sender = this;
  const bool mouse = dynamic_cast<TPlotMouseEvent*>(&event) != nullptr;
  // Listeners may add or remove listeners (themselves too) while they are
  // called: the call goes over the list as it was, skipping those removed
  // meanwhile; ones added hear the next event.
  const std::vector<TPlotEventListener*> snapshot = listeners_;
  for (TPlotEventListener* listener : snapshot) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) continue;
    listener->PlotEvent(event);
    if (destroying_) return;
    if (mouse && cancelMouse_) return;
  }
}

void TCustomPlotPanel::BroadcastMouseEvent(TPlotMouseEventKind kind, TMouseButton button,
                                           TShiftState shift, int x, int y) {
  TPlotMouseEvent event;
  event.Event = kind;
  event.Button = button;
  event.Shift = shift;
  event.X = x;
  event.Y = y;
  BroadcastPlotEvent(event);
}

void TCustomPlotPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  Q_EMIT mouseDown(button, shift, x, y);
  BroadcastMouseEvent(meDown, button, shift, x, y);
}

void TCustomPlotPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  Q_EMIT mouseUp(button, shift, x, y);
  BroadcastMouseEvent(meUp, button, shift, x, y);
}

void TCustomPlotPanel::MouseMove(TShiftState shift, int x, int y) {
  cancelMouse_ = false;
  Q_EMIT mouseMoved(shift, x, y);
  BroadcastMouseEvent(meMove, mbLeft, shift, x, y);
}

void TCustomPlotPanel::MouseLeave() {
  SetCurrentCursor(cursor_);
  panning_.Active = false;
}

// --- pictures ------------------------------------------------------------------------------

QImage TCustomPlotPanel::CreateBitmap(base::TColor back, const TRect& r, TPixelFormat format) {
  const int w = std::max(1, r.Width());
  const int h = std::max(1, r.Height());
  if (w > kMaxBitmapSide || h > kMaxBitmapSide || int64_t(w) * h > kMaxBitmapPixels)
    throw ChartException(QStringLiteral("Cannot create a picture of %1 x %2 pixels").arg(w).arg(h));
  QImage image(w, h, format == pf24bit ? QImage::Format_RGB888 : QImage::Format_RGB32);
  if (image.isNull())
    throw ChartException(QStringLiteral("Cannot create a picture of %1 x %2 pixels").arg(w).arg(h));
  // A new image holds whatever memory held; a new bitmap of the platform
  // the charts come from is white.
  image.fill(Qt::white);
  if (back != base::clNone && base::ColorToRGB(back) != base::clWhite)
    image.fill(base::ToQColor(back));
  UnbufferedScope unbuffered(canvas_);
  bufferCurrent_ = false;
  QPainter painter(&image);
  {
    QPainterBackend backend(painter);
    Draw(backend, TRect{0, 0, w, h});
  }
  painter.end();
  return image;
}

void TCustomPlotPanel::AssignTo(TPicture& picture) {
  picture.SetImage(CreateBitmap(color_, GetRectangle(), pfDevice));
}

void TCustomPlotPanel::DrawToMetaCanvas(DrawingBackend& target, const TRect& r) {
  FlagScope metafiling(metafiling_);
  UnbufferedScope unbuffered(canvas_);
  bufferCurrent_ = false;
  Draw(target, r);
}

TMetafile TCustomPlotPanel::CreateMetafile(bool enhanced, const TRect& r) {
  TMetafile file;
  file.Enhanced = enhanced;
  file.Size = MetafileSize(r);
  // The picture holds every pixel of r: one more each way than the size
  // the metafile reports, whose last row and column would be cut.
  const auto whole = [](int64_t span, int least) {
    return static_cast<int>(std::clamp<int64_t>(span, least, INT32_MAX));
  };
  const QSize pixels(whole(int64_t(r.Right) - r.Left, file.Size.width()),
                     whole(int64_t(r.Bottom) - r.Top, file.Size.height()));
  std::unique_ptr<MetafileWriter> writer = CreateMetafileWriter(enhanced, pixels);
  DrawToMetaCanvas(writer->Backend(), r);
  file.Data = writer->Finish();
  return file;
}

// --- printing --------------------------------------------------------------------------------

TRect TCustomPlotPanel::CalcProportionalMargins(const PrintPageGeometry& page) const {
  const TRect r = GetRectangle();
  return ProportionalPrintMargins(QSize(r.Width(), r.Height()), page);
}

TRect TCustomPlotPanel::ChartPrintRect(const PrintPageGeometry& page) {
  if (printProportional_) printMargins_ = CalcProportionalMargins(page);
  return PrintRectangle(printMargins_, page);
}

PrintScale TCustomPlotPanel::CalcPrintMargins(const TRect& r) const {
  const TRect panel = GetRectangle();
  return CalcPrintScale(r, QSize(panel.Width(), panel.Height()), printResolution_);
}

void TCustomPlotPanel::PrintPartialCanvas(DrawingBackend& target, const TRect& r) {
  const TRect device = NormalizedRect(r);
  if (device.IsEmpty()) return;
  const PrintScale scale = CalcPrintMargins(device);
  const TRect logical{0, 0, scale.Logical.width(), scale.Logical.height()};
  // The chart draws in the panel's own units; the device maps them onto r,
  // so that pens and fonts keep their proportion to the chart at any dpi.
  target.setMapping(scale.Logical, device);
  {
    FlagScope printing(printing_);
    const bool clip = CanClip();
    if (clip) target.pushClipRect(logical);
    const int depth = target.clipDepth();
    try {
      DrawToMetaCanvas(target, logical);
    } catch (...) {
      if (clip) target.popClip();
      target.resetMapping();
      throw;
    }
    if (clip && target.clipDepth() == depth) target.popClip();
  }
  target.resetMapping();
}

bool TCustomPlotPanel::PrintPartial(QPrinter& printer, const TRect& r) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  {
    QPainterBackend backend(painter);
    PrintPartialCanvas(backend, r);
  }
  return painter.end();
}
