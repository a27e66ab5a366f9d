#include "chart/canvas/TPlotCanvas3D.h"

#include "base/MathUtil.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartDefaults.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// An off-screen image beyond these is not worth its memory (and past 32767
// the raster engine fails): such a chart is drawn on the destination directly.
constexpr int kMaxBufferSide = 32767;
constexpr int64_t kMaxBufferPixels = int64_t(1) << 26;

ChartViewAngles AnglesOf(const TView3DOptions& view) {
  ChartViewAngles a;
  a.elevation = view.Elevation();
  a.rotation = view.Rotation();
  a.tilt = view.Tilt();
  a.orthogonal = view.Orthogonal();
  a.orthoAngle = view.OrthoAngle();
  a.zoom = view.Zoom();
  a.perspective = view.Perspective();
  a.horizOffset = view.HorizOffset();
  a.vertOffset = view.VertOffset();
  return a;
}

int64_t Cross(QPoint o, QPoint a, QPoint b) {
  return int64_t(a.x() - o.x()) * (b.y() - o.y()) - int64_t(a.y() - o.y()) * (b.x() - o.x());
}

// The convex outline of `points`, without collinear corners.
std::vector<QPoint> ConvexHull(std::vector<QPoint> points) {
  std::sort(points.begin(), points.end(),
            [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
  points.erase(std::unique(points.begin(), points.end()), points.end());
  if (points.size() < 3) return points;
  std::vector<QPoint> hull(2 * points.size());
  size_t k = 0;
  for (const QPoint p : points) {
    while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

}  // namespace

TPlotCanvas3D::TPlotCanvas3D() = default;

TPlotCanvas3D::~TPlotCanvas3D() {
  EndBuffer();
}

// --- state ---------------------------------------------------------------------

int TPlotCanvas3D::GetTextAlign() const {
  return ReferenceCanvas().textAlign();
}

void TPlotCanvas3D::SetTextAlign(int flags) {
  ReferenceCanvas().setTextAlign(flags);
}

void TPlotCanvas3D::SetUseBuffer(bool value) {
  useBuffer_ = value;
  if (!value) FreeBuffer();
}

void TPlotCanvas3D::ResetState() {
  DrawingBackend& b = ReferenceCanvas();
  b.setPen(BackendPen{});
  BackendBrush brush;
  brush.color = base::clWhite;
  brush.style = Graphics::bsSolid;
  b.setBrush(brush);
  BackendFont font;
  font.name = DefaultChartFontName();
  font.height = -base::MulDiv(10, 96, 72);  // 10 points
  font.color = base::clBlack;
  b.setFont(font);
  b.setBackColor(base::clWhite);
  b.setBackMode(BackMode::Transparent);
  b.setTextAlign(TextAlign::Left | TextAlign::Top);
  decoration_ = {};
}

// --- paint cycle and buffer ----------------------------------------------------------

bool TPlotCanvas3D::MakeBuffer(int width, int height) {
  if (buffer_ && buffer_->size() != QSize(width, height)) buffer_.reset();
  if (!buffer_) {
    if (width > kMaxBufferSide || height > kMaxBufferSide ||
        int64_t(width) * height > kMaxBufferPixels)
      return false;
    auto image = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    if (image->isNull()) return false;
    image->fill(Qt::white);
    buffer_ = std::move(image);
  }
  return true;
}

void TPlotCanvas3D::EndBuffer() {
  const bool wasTarget = bufferBackend_ && &ReferenceCanvas() == bufferBackend_.get();
  bufferBackend_.reset();
  if (bufferPainter_) bufferPainter_->end();
  bufferPainter_.reset();
  if (wasTarget) SetTarget(destination_);
}

void TPlotCanvas3D::FreeBuffer() {
  EndBuffer();
  buffer_.reset();
}

TRect TPlotCanvas3D::InitWindow(DrawingBackend* destination, TView3DOptions* view, bool is3D,
                                const TRect& r) {
  EndBuffer();
  view_ = view;
  bounds_ = r;
  destination_ = destination;
  const ChartViewAngles angles = view ? AnglesOf(*view) : ChartViewAngles{};
  projection_.SetView(view ? &angles : nullptr, is3D);
  if (is3D && view) zoomText_ = view->ZoomText();

  // Nothing to show: draw nowhere and keep whatever buffer there is.
  if (r.IsEmpty() || !destination) {
    SetTarget(&empty_);
    ResetState();
    return r;
  }
  // Only raster devices gain from a buffer; printers and vector pictures
  // keep the drawing as calls.
  const BackendCapabilities caps = destination->capabilities();
  const bool raster = caps.rasterOps && !caps.printer && !caps.metafile;
  if (useBuffer_ && raster && MakeBuffer(r.Width(), r.Height())) {
    bufferPainter_ = std::make_unique<QPainter>(buffer_.get());
    bufferBackend_ = std::make_unique<QPainterBackend>(*bufferPainter_);
    SetTarget(bufferBackend_.get());
    ResetState();
    return TRect{0, 0, r.Width(), r.Height()};
  }
  SetTarget(destination);
  ResetState();
  return r;
}

void TPlotCanvas3D::Projection(int maxDepth, const TRect& r) {
  const ChartViewAngles angles = view_ ? AnglesOf(*view_) : ChartViewAngles{};
  projection_.Centre(maxDepth, r.Left, r.Top, r.Right, r.Bottom, view_ ? &angles : nullptr);
}

void TPlotCanvas3D::ShowImage() {
  ResetState();
  if (bufferBackend_) {
    EndBuffer();
    if (destination_) destination_->draw(bounds_.Left, bounds_.Top, *buffer_);
  }
  imageChanged_ = false;
  destination_ = nullptr;
  SetTarget(nullptr);
}

void TPlotCanvas3D::ReDrawBitmap(DrawingBackend& destination) {
  if (buffer_ && !bufferBackend_) destination.draw(bounds_.Left, bounds_.Top, *buffer_);
}

// --- projection -----------------------------------------------------------------------

QPoint TPlotCanvas3D::Calculate2DPosition(int x, int y, int z) const {
  return projection_.ToChart(x, y, z);
}

QPoint TPlotCanvas3D::Calculate3DPosition(int x, int y, int z) const {
  return projection_.To2D(x, y, z);
}

void TPlotCanvas3D::Disable3D() {
  saved3D_ = projection_.Is3D();
  projection_.Set3D(false);
}

void TPlotCanvas3D::Restore3D() {
  projection_.Set3D(saved3D_);
}

// --- 2D calls go straight to the device ---------------------------------------------------

void TPlotCanvas3D::SetPixel(int x, int y, base::TColor color) {
  ReferenceCanvas().setPixel(x, y, color);
}

void TPlotCanvas3D::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ReferenceCanvas().arc(TRect{x1, y1, x2, y2}, QPoint(x3, y3), QPoint(x4, y4));
}

void TPlotCanvas3D::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ReferenceCanvas().pie(TRect{x1, y1, x2, y2}, QPoint(x3, y3), QPoint(x4, y4));
}

void TPlotCanvas3D::Draw(int x, int y, const QImage& image) {
  ReferenceCanvas().draw(x, y, image);
}

void TPlotCanvas3D::StretchDraw(const TRect& r, const QImage& image) {
  ReferenceCanvas().stretchDraw(r, image);
}

void TPlotCanvas3D::Ellipse(int x1, int y1, int x2, int y2) {
  ReferenceCanvas().ellipse(TRect{x1, y1, x2, y2});
}

void TPlotCanvas3D::FillRect(const TRect& r) {
  ReferenceCanvas().fillRect(r);
}

void TPlotCanvas3D::EraseBackground(const TRect& r) {
  ReferenceCanvas().fillRect(r);
}

void TPlotCanvas3D::MoveTo(int x, int y) {
  ReferenceCanvas().moveTo(x, y);
}

void TPlotCanvas3D::LineTo(int x, int y) {
  ReferenceCanvas().lineTo(x, y);
}

void TPlotCanvas3D::Line(int x0, int y0, int x1, int y1) {
  DrawingBackend& b = ReferenceCanvas();
  b.moveTo(x0, y0);
  b.lineTo(x1, y1);
}

void TPlotCanvas3D::DoHorizLine(int x0, int x1, int y) {
  Line(x0, y, x1, y);
}

void TPlotCanvas3D::DoVertLine(int x, int y0, int y1) {
  Line(x, y0, x, y1);
}

void TPlotCanvas3D::Rectangle(int x0, int y0, int x1, int y1) {
  ReferenceCanvas().rectangle(TRect{x0, y0, x1, y1});
}

void TPlotCanvas3D::DoRectangle(const TRect& r) {
  ReferenceCanvas().rectangle(r);
}

void TPlotCanvas3D::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  ReferenceCanvas().roundRect(TRect{x1, y1, x2, y2}, x3, y3);
}

void TPlotCanvas3D::Polygon(std::span<const QPoint> points) {
  ReferenceCanvas().polygon(points);
}

void TPlotCanvas3D::Frame3D(TRect& r, base::TColor topColor, base::TColor bottomColor, int width) {
  DrawingBackend& b = ReferenceCanvas();
  BackendPen pen = b.pen();
  pen.width = 1;
  // Steps that stop at the ends of int: a box at INT_MIN or INT_MAX bounds
  // is still drawn (the backend clips it) without overflowing.
  auto step = [](int& v, int by) { v = base::SaturateToInt(int64_t(v) + by); };
  step(r.Right, -1);
  step(r.Bottom, -1);
  for (int ring = 0; ring < width; ++ring) {
    pen.color = topColor;
    b.setPen(pen);
    const QPoint top[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    b.polyline(top);
    pen.color = bottomColor;
    b.setPen(pen);
    // Ends one short of the corner so that the polyline, which leaves out
    // its last pixel, still lights the bottom-left one.
    const QPoint bottom[] = {{r.Right, r.Top},
                             {r.Right, r.Bottom},
                             {base::SaturateToInt(int64_t(r.Left) - 1), r.Bottom}};
    b.polyline(bottom);
    step(r.Left, 1);
    step(r.Top, 1);
    step(r.Right, -1);
    step(r.Bottom, -1);
  }
  step(r.Right, 1);
  step(r.Bottom, 1);
}

// --- clipping ---------------------------------------------------------------------------

void TPlotCanvas3D::ClipRectangle(const TRect& r) {
  unclipDepth_ = ReferenceCanvas().clipDepth();
  ReferenceCanvas().pushClipRect(r);
}

void TPlotCanvas3D::ClipEllipse(const TRect& r) {
  unclipDepth_ = ReferenceCanvas().clipDepth();
  ReferenceCanvas().pushClipEllipse(r);
}

void TPlotCanvas3D::ClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  unclipDepth_ = ReferenceCanvas().clipDepth();
  ReferenceCanvas().pushClipRoundRect(r, ellipseWidth, ellipseHeight);
}

void TPlotCanvas3D::ClipPolygon(std::span<const QPoint> points) {
  unclipDepth_ = ReferenceCanvas().clipDepth();
  ReferenceCanvas().pushClipPolygon(points);
}

void TPlotCanvas3D::UnClipRectangle() {
  DrawingBackend& b = ReferenceCanvas();
  while (b.clipDepth() > unclipDepth_) b.popClip();
}

void TPlotCanvas3D::ClipCube(const TRect& r, int z0, int z1) {
  if (!projection_.Is3D()) {
    ClipRectangle(TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    return;
  }
  // An orthogonal view keeps the angles of an earlier rotated one, but
  // draws by its ortho angle alone: the box's outline is what it shows.
  const bool orthogonal = projection_.IsOrthogonal();
  const int elevation = view_ && !orthogonal ? view_->Elevation() : 0;
  const int rotation = view_ && !orthogonal ? view_->Rotation() : 0;
  if (elevation == 270 && (rotation == 270 || rotation == 360)) {
    // Seen from straight above: the top face is the whole outline.
    const QPoint a = Calculate3DPosition(r.Left, r.Top, z0);
    const QPoint b = Calculate3DPosition(r.Right, r.Top, z1);
    ClipRectangle(TRect{std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                        std::max(a.y(), b.y())});
  } else if (orthogonal || rotation >= 270) {
    std::vector<QPoint> corners;
    for (const int x : {r.Left, r.Right})
      for (const int y : {r.Top, r.Bottom})
        for (const int z : {z0, z1}) corners.push_back(Calculate3DPosition(x, y, z));
    ClipPolygon(ConvexHull(std::move(corners)));
  }
}

// --- quads and lines at a depth --------------------------------------------------------------

void TPlotCanvas3D::PolygonFour() {
  ReferenceCanvas().polygon(quad_);
}

void TPlotCanvas3D::PlaneWithZ(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z) {
  quad_[0] = Calculate3DPosition(p1.x(), p1.y(), z);
  quad_[1] = Calculate3DPosition(p2.x(), p2.y(), z);
  quad_[2] = Calculate3DPosition(p3.x(), p3.y(), z);
  quad_[3] = Calculate3DPosition(p4.x(), p4.y(), z);
  PolygonFour();
}

void TPlotCanvas3D::RectangleWithZ(const TRect& r, int z) {
  PlaneWithZ({r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, z);
}

void TPlotCanvas3D::RectangleY(int left, int top, int right, int z0, int z1) {
  quad_[0] = Calculate3DPosition(left, top, z0);
  quad_[1] = Calculate3DPosition(right, top, z0);
  quad_[2] = Calculate3DPosition(right, top, z1);
  quad_[3] = Calculate3DPosition(left, top, z1);
  PolygonFour();
}

void TPlotCanvas3D::RectangleZ(int left, int top, int bottom, int z0, int z1) {
  quad_[0] = Calculate3DPosition(left, top, z0);
  quad_[1] = Calculate3DPosition(left, top, z1);
  quad_[2] = Calculate3DPosition(left, bottom, z1);
  quad_[3] = Calculate3DPosition(left, bottom, z0);
  PolygonFour();
}

void TPlotCanvas3D::LineWithZ(int x0, int y0, int x1, int y1, int z) {
  MoveTo3D(x0, y0, z);
  LineTo3D(x1, y1, z);
}

void TPlotCanvas3D::MoveTo3D(int x, int y, int z) {
  const QPoint p = Calculate3DPosition(x, y, z);
  ReferenceCanvas().moveTo(p.x(), p.y());
}

void TPlotCanvas3D::LineTo3D(int x, int y, int z) {
  const QPoint p = Calculate3DPosition(x, y, z);
  ReferenceCanvas().lineTo(p.x(), p.y());
}
