#include "chart/model/TCustomPlotPanelExtended.h"

#include "chart/model/PlotPanelSwitches.h"

TCustomPlotPanelExtended::TCustomPlotPanelExtended(QObject* parent)
    : TCustomPlotPanel(parent),
      backImage_(new TPicture([this] { InvalidateChart(); }, this)),
      gradient_(new TChartGradient([this] { InvalidateChart(); }, this)),
      zoom_(new TPlotZoom([this] { InvalidateChart(); }, this)) {}

TCustomPlotPanelExtended::~TCustomPlotPanelExtended() {
  BeginDestroy();
}

void TCustomPlotPanelExtended::SetBackImage(TPicture* value) {
  if (value == backImage_) return;
  if (value) {
    backImage_->Assign(*value);
  } else {
    backImage_->Clear();
  }
}

bool TCustomPlotPanelExtended::BackImageTransp() const {
  return backImage_->Kind() == TPicture::pkBitmap && backImage_->Transparent();
}

void TCustomPlotPanelExtended::SetBackImageTransp(bool value) {
  if (backImage_->Kind() == TPicture::pkBitmap) backImage_->SetTransparent(value);
}

void TCustomPlotPanelExtended::SetGradient(TChartGradient* value) {
  if (value && value != gradient_) gradient_->Assign(*value);
}

void TCustomPlotPanelExtended::SetZoom(TPlotZoom* value) {
  if (value && value != zoom_) zoom_->Assign(*value);
}

bool TCustomPlotPanelExtended::ReadExtraStored(const QString& name, const QVariant& value) {
  const auto is = [&](const char* legacy) {
    return name.compare(QLatin1String(legacy), Qt::CaseInsensitive) == 0;
  };
  const int type = value.metaType().id();
  if (is("AllowZoom")) {
    if (type == QMetaType::Bool) zoom_->SetAllow(value.toBool());
    return true;
  }
  if (is("AnimatedZoom")) {
    if (type == QMetaType::Bool) zoom_->SetAnimated(value.toBool());
    return true;
  }
  if (is("AnimatedZoomSteps")) {
    bool ok = false;
    const qlonglong steps = value.toLongLong(&ok);
    const bool integer = type == QMetaType::Int || type == QMetaType::LongLong ||
                         type == QMetaType::UInt || type == QMetaType::ULongLong;
    if (integer && ok && steps >= INT32_MIN && steps <= INT32_MAX)
      zoom_->SetAnimatedSteps(static_cast<int>(steps));
    return true;
  }
  return TCustomPlotPanel::ReadExtraStored(name, value);
}

void TCustomPlotPanelExtended::Assign(const TCustomPlotPanel& source) {
  TCustomPlotPanel::Assign(source);
  const auto* other = qobject_cast<const TCustomPlotPanelExtended*>(&source);
  if (!other || other == this) return;
  backImage_->Assign(*other->backImage_);
  SetBackImageInside(other->backImageInside_);
  SetBackImageMode(other->backImageMode_);
  gradient_->Assign(*other->gradient_);
  SetAllowPanning(other->allowPanning_);
  zoom_->Assign(*other->zoom_);
}

// --- background --------------------------------------------------------------------------

void TCustomPlotPanelExtended::FillPanelRect(const TRect& r) {
  TPlotPanelCanvas& canvas = Canvas();
  if (gradient_->Visible()) {
    gradient_->Draw(canvas, r);
    return;
  }
  if (Printing() && !PanelSwitches().PaintBackgroundWhenPrinting) return;
  if (Color() == base::clNone) return;
  BackendBrush brush;
  brush.color = canvas.GetMonochrome() ? base::clWhite : Color();
  brush.style = Graphics::bsSolid;
  canvas.ReferenceCanvas().setBrush(brush);
  canvas.FillRect(r);
}

void TCustomPlotPanelExtended::PanelPaint(const TRect& r) {
  FillPanelRect(r);
  if (!backImage_->Empty() && !backImageInside_) DrawBackImage(0, r);
}

void TCustomPlotPanelExtended::DrawBackImage(int z, const TRect& r) {
  const QImage image = backImage_->DrawImage();
  // Nothing to draw, and nothing to step by when tiling.
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return;
  if (z != 0 && View3D() && !View3DOptions()->Orthogonal()) return;
  TPlotPanelCanvas& canvas = Canvas();
  TRect target = r;
  if (z > 0) {
    const QPoint a = canvas.Calculate3DPosition(r.Left, r.Top, z);
    const QPoint b = canvas.Calculate3DPosition(r.Right, r.Bottom, z);
    target = TRect{a.x(), a.y(), b.x(), b.y()};
    if (!View3D()) ++target.Top;
  }
  if (backImageMode_ == pbmStretch) {
    canvas.StretchDraw(target, image);
    return;
  }
  const bool clip = CanClip();
  if (clip) {
    if (z == 0) {
      canvas.ClipRectangle(target);
    } else {
      canvas.ClipCube(r, 0, z);
    }
  }
  if (backImageMode_ == pbmTile) {
    // One call: the device repeats the image, however small it is.
    canvas.ReferenceCanvas().tiledDraw(target, image);
  } else {
    FillPanelRect(target);
    canvas.Draw(target.Left + (target.Width() - image.width()) / 2,
                target.Top + (target.Height() - image.height()) / 2, image);
  }
  if (clip) canvas.UnClipRectangle();
}

// --- zoom ---------------------------------------------------------------------------------

void TCustomPlotPanelExtended::DrawZoomRectangle(DrawingBackend& target) {
  TPlotPanelCanvas& canvas = Canvas();
  canvas.Retarget(&target);
  struct Restore {
    TPlotPanelCanvas& canvas;
    ~Restore() { canvas.Retarget(nullptr); }
  } restore{canvas};
  // Colours chosen so that not-xor over the background gives the zoom's own.
  const base::TColor back = base::ColorToRGB(GetBackColor()) & 0xFFFFFFu;
  const base::TColor k = 0xFFFFFFu - back;
  SetBrushCanvas((base::ColorToRGB(zoom_->Brush()->Color()) & 0xFFFFFFu) ^ k, *zoom_->Brush(),
                 back);
  BackendPen pen = zoom_->Pen()->ToBackendPen(canvas.GetMonochrome());
  pen.mode = Graphics::pmNotXor;
  pen.color = (base::ColorToRGB(zoom_->Pen()->Color()) & 0xFFFFFFu) ^ k;
  target.setPen(pen);
  if (zoom_->Brush()->Style() == Graphics::bsClear) target.setBackMode(BackMode::Transparent);
  target.rectangle(TRect{zoom_->X0, zoom_->Y0, zoom_->X1, zoom_->Y1});
}

void TCustomPlotPanelExtended::UndoZoom() {
  Q_EMIT undoZoomed();
  InvalidateChart();
  zoomed_ = false;
}

void TCustomPlotPanelExtended::DrawOverlay(DrawingBackend& target) {
  if (Zoom()->Active) DrawZoomRectangle(target);
}
