#include "chart/series/TChartShape.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/core/ChartMessages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

// Pixel coordinates stay where the chart's arithmetic cannot overflow.
constexpr std::int64_t kPixelLimit = 67108863;

int ClampPixel(std::int64_t v) {
  return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit));
}

}  // namespace

TChartShape::TChartShape(QObject* owner)
    : TChartSeries(owner),
      font_(new TPlotFont([this] { CanvasChanged(); }, this)),
      gradient_(new TChartGradient([this] { CanvasChanged(); }, this)) {
  Brush()->SetColor(base::clWhite);
  SetSeriesColor(Brush()->Color());
  calcVisiblePoints_ = false;
  AddDefaultPoints();
}

void TChartShape::AddDefaultPoints() {
  AddPointXY(0, 0);
  AddPointXY(100, 100);
}

void TChartShape::SetFont(TPlotFont* value) {
  if (value && value != font_) font_->Assign(*value);
}

void TChartShape::SetGradient(TChartGradient* value) {
  if (value && value != gradient_) gradient_->Assign(*value);
}

void TChartShape::SetPointValue(TChartValueList& list, int index, double value) {
  if (index >= list.Count()) return;
  const double before = list.Values()[static_cast<std::size_t>(index)];
  list.SetValue(index, value);
  if (!(before == value || (std::isnan(before) && std::isnan(value)))) Changed();
}

void TChartShape::SetSeriesColor(base::TColor value) {
  TChartSeries::SetSeriesColor(value);
  Brush()->SetColor(value);
}

void TChartShape::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TChartShape*>(&source); s && s != this) {
    alignment_ = s->alignment_;
    font_->Assign(*s->font_);
    gradient_->Assign(*s->gradient_);
    roundRectangle_ = s->roundRectangle_;
    style_ = s->style_;
    text_ = s->text_;
    transparent_ = s->transparent_;
    vertAlign_ = s->vertAlign_;
    xyStyle_ = s->xyStyle_;
  }
  TChartSeries::Assign(source);
}

QStringList TChartShape::ExtraStoredNames() const {
  QStringList names = TChartSeries::ExtraStoredNames();
  names.removeAll(QStringLiteral("Style"));
  return names;
}

bool TChartShape::IsValidSourceOf(const TChartSeries* other) const {
  return other != this && qobject_cast<const TChartShape*>(other) != nullptr;
}

// --- geometry ----------------------------------------------------------------------------------

bool TChartShape::CalcShapeRect(TRect& r) const {
  if (PointCount() != 2) return false;
  const double x0 = X0(), y0 = Y0(), x1 = X1(), y1 = Y1();
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
    return false;
  switch (xyStyle_) {
    case xysPixels:
      r = {ClampPixel(base::Round64(x0)), ClampPixel(base::Round64(y0)),
           ClampPixel(base::Round64(x1)), ClampPixel(base::Round64(y1))};
      break;
    case xysAxis:
      r = {CalcXPos(0), CalcYPos(0), CalcXPos(1), CalcYPos(1)};
      break;
    case xysAxisOrigin: {
      const int left = CalcXPos(0), top = CalcYPos(0);
      // Sizes are clamped before they are added: 1e300 pixels stay a number.
      r = {left, top, ClampPixel(left + std::int64_t{ClampPixel(base::Round64(x1))}),
           ClampPixel(top + std::int64_t{ClampPixel(base::Round64(y1))})};
      break;
    }
  }
  return true;
}

TRect TChartShape::NormalisedRect(const TRect& r) {
  TRect n = NormalizedRect(r);
  if (n.Right == n.Left) ++n.Right;
  if (n.Bottom == n.Top) ++n.Bottom;
  return n;
}

double TChartShape::MaxXValue() const {
  return xyStyle_ == xysAxisOrigin && PointCount() > 0 ? X0() : TChartSeries::MaxXValue();
}

double TChartShape::MinXValue() const {
  return xyStyle_ == xysAxisOrigin && PointCount() > 0 ? X0() : TChartSeries::MinXValue();
}

double TChartShape::MaxYValue() const {
  return xyStyle_ == xysAxisOrigin && PointCount() > 0 ? Y0() : TChartSeries::MaxYValue();
}

double TChartShape::MinYValue() const {
  return xyStyle_ == xysAxisOrigin && PointCount() > 0 ? Y0() : TChartSeries::MinYValue();
}

void TChartShape::CalcZOrder() {
  if (UseAxis()) TChartSeries::CalcZOrder();
}

// --- drawing -----------------------------------------------------------------------------------

void TChartShape::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  TRect raw;
  if (!chart || valueIndex != 0 || !CalcShapeRect(raw)) return;
  const TRect r = NormalisedRect(raw);
  if (!Intersects(r, chart->ChartRect())) return;
  const bool is3D = chart->View3D() && xyStyle_ != xysPixels;
  DrawShape(is3D, r, raw);
  DrawText(r);
}

void TChartShape::DrawGradient(bool is3D, const TRect& r) {
  TCanvas3D& canvas = Drawing()->Canvas();
  TRect box = r;
  if (is3D) {
    const QPoint a = canvas.Calculate3DPosition(r.Left, r.Top, MiddleZ());
    const QPoint b = canvas.Calculate3DPosition(r.Right, r.Bottom, MiddleZ());
    box = NormalizedRect({a.x(), a.y(), b.x(), b.y()});
  }
  DrawingBackend& backend = canvas.ReferenceCanvas();
  // One more entry on the clip stack, taken off again: the chart's own
  // clip below it stays.
  const bool ellipse = style_ == chasCircle;
  if (ellipse) backend.pushClipEllipse(box);
  gradient_->Draw(canvas, box, roundRectangle_ && style_ == chasRectangle ? 12 : 0);
  if (ellipse) backend.popClip();
  BackendBrush clear = backend.brush();
  clear.style = Graphics::bsClear;
  backend.setBrush(clear);
}

void TChartShape::DrawShape(bool is3D, const TRect& r, const TRect& raw) {
  TCanvas3D& canvas = Drawing()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  canvas.AssignPen(*Pen());
  canvas.AssignBrush(*Brush(), base::clNone, SeriesColor());
  if (transparent_) {
    BackendBrush clear = backend.brush();
    clear.style = Graphics::bsClear;
    backend.setBrush(clear);
  }
  if (!transparent_ && gradient_->Visible() && (style_ == chasRectangle || style_ == chasCircle))
    DrawGradient(is3D, r);

  const int z = MiddleZ();
  const int cx = (r.Left + r.Right) / 2;
  const int cy = (r.Top + r.Bottom) / 2;
  auto line = [&](int x0, int y0, int x1, int y1) {
    if (is3D)
      canvas.LineWithZ(x0, y0, x1, y1, z);
    else
      canvas.Line(x0, y0, x1, y1);
  };
  auto cross = [&] {
    if (is3D) {
      canvas.VertLine3D(cx, r.Top, r.Bottom, z);
      canvas.HorizLine3D(r.Left, r.Right, cy, z);
    } else {
      canvas.DoVertLine(cx, r.Top, r.Bottom);
      canvas.DoHorizLine(r.Left, r.Right, cy);
    }
  };
  auto diagCross = [&] {
    line(r.Left, r.Top, r.Right, r.Bottom);
    line(r.Left, r.Bottom, r.Right, r.Top);
  };
  auto triangle = [&](bool up) {
    const int base = up ? r.Bottom : r.Top, apex = up ? r.Top : r.Bottom;
    const std::array<QPoint, 3> p = {QPoint(r.Left, base), QPoint(cx, apex), QPoint(r.Right, base)};
    if (is3D)
      canvas.TriangleWithZ(p[0], p[1], p[2], z);
    else
      canvas.Polygon(p);
  };

  switch (style_) {
    case chasRectangle:
      if (is3D)
        canvas.RectangleWithZ(r, z);
      else if (roundRectangle_)
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 12, 12);
      else
        canvas.DoRectangle(r);
      break;
    case chasCircle:
      if (is3D)
        canvas.EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, z);
      else
        canvas.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
      break;
    case chasVertLine:
      if (is3D)
        canvas.VertLine3D(cx, r.Top, r.Bottom, z);
      else
        canvas.DoVertLine(cx, r.Top, r.Bottom);
      break;
    case chasHorizLine:
      if (is3D)
        canvas.HorizLine3D(r.Left, r.Right, cy, z);
      else
        canvas.DoHorizLine(r.Left, r.Right, cy);
      break;
    case chasTriangle:
      triangle(true);
      break;
    case chasInvertTriangle:
      triangle(false);
      break;
    case chasLine:
      // Two equal points still light their one pixel.
      if (raw.Left == raw.Right && raw.Top == raw.Bottom)
        line(raw.Left, raw.Top, raw.Left + 1, raw.Top);
      else
        line(raw.Left, raw.Top, raw.Right, raw.Bottom);
      break;
    case chasDiamond: {
      const std::array<QPoint, 4> p = {QPoint(r.Left, cy), QPoint(cx, r.Top), QPoint(r.Right, cy),
                                       QPoint(cx, r.Bottom)};
      if (is3D)
        canvas.PlaneWithZ(p[0], p[1], p[2], p[3], z);
      else
        canvas.Polygon(p);
      break;
    }
    case chasCube:
      if (is3D)
        canvas.Cube(r.Left, r.Right, r.Top, r.Bottom, StartZ(), EndZ(), !transparent_);
      else
        canvas.DoRectangle(r);
      break;
    case chasCross:
      cross();
      break;
    case chasDiagCross:
      diagCross();
      break;
    case chasStar:
      cross();
      diagCross();
      break;
    case chasPyramid:
    case chasInvertPyramid: {
      const bool up = style_ == chasPyramid;
      if (is3D)
        canvas.Pyramid(true, r.Left, up ? r.Top : r.Bottom, r.Right, up ? r.Bottom : r.Top,
                       StartZ(), EndZ(), !transparent_);
      else
        triangle(up);
      break;
    }
  }
}

void TChartShape::DrawText(const TRect& r) {
  if (text_.isEmpty()) return;
  TCanvas3D& canvas = Drawing()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  canvas.AssignFont(*font_);
  // Text in the colour of the fill behind it would not show.
  if (backend.brush().color == font_->Color()) {
    BackendFont font = backend.font();
    font.color = font_->Color() == base::clBlack ? base::clWhite : base::clBlack;
    backend.setFont(font);
  }
  const int h = canvas.TextHeight(QStringLiteral("W"));
  const int n = static_cast<int>(text_.size());
  const int cx = (r.Left + r.Right) / 2;
  const int cy = (r.Top + r.Bottom) / 2;
  int y = r.Top;
  if (vertAlign_ == vaCenter)
    y = cy - base::Round(n * h / 2.0);
  else if (vertAlign_ == vaBottom)
    y = r.Bottom - n * h;
  backend.setBackMode(BackMode::Transparent);
  backend.setTextAlign(TextAlign::Left | TextAlign::Top);
  const int penWidth = backend.pen().width;
  for (const QString& line : text_) {
    const int w = canvas.TextWidth(line);
    int x = cx - w / 2;
    if (alignment_ == taLeftJustify)
      x = r.Left + penWidth + 4;
    else if (alignment_ == taRightJustify)
      x = r.Right - penWidth - w - 4;
    if (xyStyle_ == xysPixels)
      canvas.TextOut(x, y, line);
    else
      canvas.TextOut3D(x, y, StartZ(), line);
    y += h;
  }
}

void TChartShape::DrawLegendSymbolRect(const TRect& r, base::TColor /*backColor*/) {
  if (!Drawing()) return;
  DrawShape(false, r, r);
}

// --- hit test ------------------------------------------------------------------------------------

int TChartShape::Clicked(int x, int y) {
  SeriesDrawingChart* chart = Drawing();
  TRect raw;
  if (!chart || !CalcShapeRect(raw)) return -1;
  const QPoint p = chart->Canvas().Calculate2DPosition(x, y, StartZ());
  const TRect r = NormalisedRect(raw);
  const int cx = (r.Left + r.Right) / 2;
  const int cy = (r.Top + r.Bottom) / 2;
  bool hit = false;
  switch (style_) {
    case chasCircle:
      hit = PointInEllipse(p, r.Left, r.Top, r.Right, r.Bottom);
      break;
    case chasVertLine:
      hit = PointOnSegment(p, cx, r.Top, cx, r.Bottom);
      break;
    case chasHorizLine:
      hit = PointOnSegment(p, r.Left, cy, r.Right, cy);
      break;
    case chasLine:
      hit = PointOnSegment(p, raw.Left, raw.Top, raw.Right, raw.Bottom);
      break;
    case chasTriangle:
    case chasPyramid:
      hit = PointInVertTriangle(p, r.Left, r.Right, r.Top, r.Bottom);
      break;
    case chasInvertTriangle:
    case chasInvertPyramid:
      hit = PointInVertTriangle(p, r.Left, r.Right, r.Bottom, r.Top);
      break;
    case chasDiamond: {
      const std::array<QPoint, 4> d = {QPoint(r.Left, cy), QPoint(cx, r.Top), QPoint(r.Right, cy),
                                       QPoint(cx, r.Bottom)};
      hit = PointInPolygon(p, d);
      break;
    }
    default:
      hit = p.x() >= r.Left && p.x() <= r.Right && p.y() >= r.Top && p.y() <= r.Bottom;
      break;
  }
  return hit ? 0 : -1;
}

// --- gallery and samples
// ---------------------------------------------------------------------------

void TChartShape::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TChartSeries::CreateSubGallery(add);
  for (ChartMsg m : {ChartMsg::StyleRectangle, ChartMsg::StyleVertLine, ChartMsg::StyleHorizLine,
                     ChartMsg::StyleEllipse, ChartMsg::StyleDownTriangle, ChartMsg::StyleLine,
                     ChartMsg::StyleDiamond, ChartMsg::StyleCube, ChartMsg::StyleCross,
                     ChartMsg::StyleDiagCross, ChartMsg::StyleStar, ChartMsg::StylePyramid,
                     ChartMsg::StyleInvPyramid, ChartMsg::StyleHollow})
    add(ChartText(m));
}

void TChartShape::SetSubGallery(int index) {
  static constexpr std::array<TChartShapeStyle, 13> kStyles = {
      chasRectangle, chasVertLine, chasHorizLine,    chasCircle, chasInvertTriangle,
      chasLine,      chasDiamond,  chasCube,         chasCross,  chasDiagCross,
      chasStar,      chasPyramid,  chasInvertPyramid};
  if (index >= 1 && index <= static_cast<int>(kStyles.size()))
    SetStyle(kStyles[static_cast<std::size_t>(index - 1)]);
  else if (index == 14)
    SetTransparent(!transparent_);
}

void TChartShape::PrepareForGallery(bool enabled) {
  TChartSeries::PrepareForGallery(enabled);
  font_->SetColor(base::clWhite);
  font_->SetSize(12);
  const SeriesDrawingChart* chart = Drawing();
  const bool second = chart && chart->SeriesList().size() > 1 && chart->SeriesList()[1] == this;
  base::TColor color = second ? base::clBlue : base::clRed;
  if (!enabled) color = base::clSilver;
  SetStyle(second ? chasCircle : chasTriangle);
  SetText({ChartText(second ? ChartMsg::ValueNameText : ChartMsg::ValueNameNumber)});
  SetSeriesColor(color);
}

void TChartShape::AddSampleValues(int count) {
  const SampleRange b = SampleBounds(std::max(count, 2));
  const double xRange = b.maxX - b.minX;
  const double yRange = b.maxY - b.minY;
  if (xRange == 0 || !std::isfinite(xRange)) {
    AddDefaultPoints();
    return;
  }
  AddPointXY(b.minX + xRange / 8, b.minY / 2);
  // A range below one offers no random integer: the offset is 0.
  const int bound = std::isfinite(yRange) ? base::Round(yRange) : 0;
  AddPointXY(b.minX + xRange - xRange / 8, b.minY + SampleRandomInt(bound));
}
