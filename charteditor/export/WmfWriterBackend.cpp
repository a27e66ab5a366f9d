#include "charteditor/export/WmfWriterBackend.h"

#include "base/Cp1252.h"
#include "charteditor/export/BmpWriter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Record functions.
constexpr uint16_t kEof = 0x0000, kSaveDc = 0x001E, kSetBkMode = 0x0102, kSetPolyFillMode = 0x0106,
                   kRestoreDc = 0x0127, kSelectObject = 0x012D, kSetTextAlign = 0x012E,
                   kPatternBrush = 0x0142, kDeleteObject = 0x01F0, kSetBkColor = 0x0201,
                   kSetTextColor = 0x0209, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
                   kCreatePen = 0x02FA, kCreateFont = 0x02FB, kCreateBrush = 0x02FC,
                   kLineTo = 0x0213, kMoveTo = 0x0214, kPolygon = 0x0324, kPolyline = 0x0325,
                   kIntersectClipRect = 0x0416, kEllipse = 0x0418, kRectangle = 0x041B,
                   kSetPixel = 0x041F, kRoundRect = 0x061C, kArc = 0x0817, kPie = 0x081A,
                   kExtTextOut = 0x0A32, kStretchDib = 0x0F43;

constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderWords = 9;
constexpr int kLimit = 32767;
// Points per record: the count is a signed 16-bit number.
constexpr size_t kMaxPoints = 32767;

int16_t clamp16(long long v) {
  return static_cast<int16_t>(std::clamp<long long>(v, -kLimit, kLimit));
}

uint16_t hatchOf(TBrushStyle style) {
  switch (style) {
    case Graphics::bsHorizontal:
      return 0;
    case Graphics::bsVertical:
      return 1;
    case Graphics::bsFDiagonal:
      return 2;
    case Graphics::bsBDiagonal:
      return 3;
    case Graphics::bsCross:
      return 4;
    default:
      return 5;
  }
}

}  // namespace

WmfWriterBackend::WmfWriterBackend(QSize size) : MetafileBackend(size) {
  out_.zeros(kPlaceableSize + 2 * kHeaderWords);
  simple(kSetWindowOrg, {0, 0});
  simple(kSetWindowExt, {size_.height(), size_.width()});
  beginPicture(0);
}

size_t WmfWriterBackend::begin(uint16_t function) {
  const size_t at = out_.size();
  out_.u32(0);
  out_.u16(function);
  return at;
}

void WmfWriterBackend::end(size_t at) {
  if (out_.size() % 2) out_.u8(0);
  const uint32_t words = static_cast<uint32_t>((out_.size() - at) / 2);
  out_.patch32(at, words);
  maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfWriterBackend::simple(uint16_t function, std::initializer_list<int> values) {
  const size_t at = begin(function);
  for (int v : values) out_.i16(clamp16(v));
  end(at);
}

void WmfWriterBackend::color(uint16_t function, uint32_t c) {
  const size_t at = begin(function);
  out_.u32(c);
  end(at);
}

QPoint WmfWriterBackend::map(QPoint p) const {
  if (!mapping_.on) return QPoint(clamp16(p.x()), clamp16(p.y()));
  const double sx = static_cast<double>(mapping_.viewport.Width()) / mapping_.window.width();
  const double sy = static_cast<double>(mapping_.viewport.Height()) / mapping_.window.height();
  const double x = mapping_.viewport.Left + p.x() * sx;
  const double y = mapping_.viewport.Top + p.y() * sy;
  return QPoint(clamp16(std::llround(std::clamp(x, -1e9, 1e9))),
                clamp16(std::llround(std::clamp(y, -1e9, 1e9))));
}

TRect WmfWriterBackend::mapRect(const TRect& r) const {
  const QPoint a = map(QPoint(r.Left, r.Top));
  const QPoint b = map(QPoint(r.Right, r.Bottom));
  return {a.x(), a.y(), b.x(), b.y()};
}

int WmfWriterBackend::mapLength(int v, bool vertical) const {
  if (!mapping_.on) return clamp16(v);
  const double s = vertical
                       ? static_cast<double>(mapping_.viewport.Height()) / mapping_.window.height()
                       : static_cast<double>(mapping_.viewport.Width()) / mapping_.window.width();
  return clamp16(std::llround(std::clamp(v * std::abs(s), -1e9, 1e9)));
}

// --- state records ------------------------------------------------------------------

void WmfWriterBackend::writeCreatePen(int slot, const BackendPen& pen) {
  (void)slot;  // the player takes the lowest free slot, as the table does
  uint16_t style = static_cast<uint16_t>(pen.style);
  if (pen.smallDots) {
    style = 2;  // the format has no alternate dots
  } else if (pen.width > 1 && pen.style != Graphics::psClear) {
    style |= pen.endStyle == Graphics::esSquare ? 0x100
             : pen.endStyle == Graphics::esFlat ? 0x200
                                                : 0;
    if (pen.endStyle != Graphics::esRound) style |= 0x2000;
  }
  const size_t at = begin(kCreatePen);
  out_.u16(style);
  out_.i16(clamp16(pen.smallDots ? 0 : std::max(0, pen.width)));
  out_.i16(0);
  out_.u32(colorRef(pen.color));
  end(at);
}

void WmfWriterBackend::writeCreateBrush(int, const BackendBrush& brush) {
  if (!brush.image.isNull()) {
    QImage pattern = brush.image;
    if (pattern.depth() == 1) {
      pattern = pattern.convertToFormat(QImage::Format_Mono);
      pattern.setColorCount(2);
      pattern.setColor(0, base::ToQColor(brush.color).rgba());
      pattern.setColor(1, base::ToQColor(backColor_).rgba());
    }
    const DibParts dib = EncodeDib(pattern, BmpDepth::Bits24);
    const size_t at = begin(kPatternBrush);
    out_.u16(6);  // a device-independent pattern with RGB colours
    out_.u16(0);  // RGB colours
    out_.raw(dib.info.constData(), static_cast<size_t>(dib.info.size()));
    out_.raw(dib.bits.constData(), static_cast<size_t>(dib.bits.size()));
    end(at);
    return;
  }
  const bool hatch = brush.style != Graphics::bsSolid && brush.style != Graphics::bsClear;
  const size_t at = begin(kCreateBrush);
  out_.u16(brush.style == Graphics::bsClear ? 1 : hatch ? 2 : 0);
  out_.u32(colorRef(brush.color));
  out_.u16(hatch ? hatchOf(brush.style) : 0);
  end(at);
}

void WmfWriterBackend::writeCreateFont(int, const BackendFont& font) {
  const size_t at = begin(kCreateFont);
  out_.i16(clamp16(font.height));
  out_.i16(0);
  out_.i16(clamp16(font.angle));
  out_.i16(clamp16(font.angle));
  out_.i16(font.style.testFlag(Graphics::fsBold) ? 700 : 400);
  out_.u8(font.style.testFlag(Graphics::fsItalic) ? 1 : 0);
  out_.u8(font.style.testFlag(Graphics::fsUnderline) ? 1 : 0);
  out_.u8(font.style.testFlag(Graphics::fsStrikeOut) ? 1 : 0);
  out_.u8(0);  // the western character set
  out_.u8(0);
  out_.u8(0);
  out_.u8(3);  // no antialiasing
  out_.u8(0);
  QByteArray face = base::ToCp1252(font.name).left(31);
  face.append(QByteArray(32 - face.size(), '\0'));
  out_.raw(face.constData(), 32);
  end(at);
}

void WmfWriterBackend::writeSelect(int slot) {
  simple(kSelectObject, {slot});
}
void WmfWriterBackend::writeDelete(int slot) {
  simple(kDeleteObject, {slot});
}
void WmfWriterBackend::writeSaveState() {
  simple(kSaveDc, {});
}
void WmfWriterBackend::writeRestoreState() {
  simple(kRestoreDc, {-1});
}
void WmfWriterBackend::writeTextColor(uint32_t c) {
  color(kSetTextColor, c);
}
void WmfWriterBackend::writeBackColor(uint32_t c) {
  color(kSetBkColor, c);
}
void WmfWriterBackend::writeBackMode(BackMode mode) {
  simple(kSetBkMode, {mode == BackMode::Opaque ? 2 : 1});
}
void WmfWriterBackend::writeTextAlign(int flags) {
  simple(kSetTextAlign, {flags});
}
void WmfWriterBackend::writeFillMode(bool winding) {
  simple(kSetPolyFillMode, {winding ? 2 : 1});
}
void WmfWriterBackend::writeMoveTo(QPoint p) {
  simple(kMoveTo, {p.y(), p.x()});
}

// --- drawing -------------------------------------------------------------------------

void WmfWriterBackend::points(uint16_t function, std::span<const QPoint> pts) {
  const size_t at = begin(function);
  out_.u16(static_cast<uint16_t>(pts.size()));
  char* p = out_.grow(pts.size() * 4);
  for (QPoint q : pts) {
    const QPoint m = map(q);
    p[0] = static_cast<char>(m.x() & 0xFF);
    p[1] = static_cast<char>((m.x() >> 8) & 0xFF);
    p[2] = static_cast<char>(m.y() & 0xFF);
    p[3] = static_cast<char>((m.y() >> 8) & 0xFF);
    p += 4;
  }
  end(at);
}

void WmfWriterBackend::lineTo(int x, int y) {
  const QPoint from = map(position_);
  position_ = QPoint(x, y);
  BackendPen pen = pen_;
  pen.width = mapLength(pen.width, false);
  usePen(pen);
  useBackground();
  usePosition(from);
  const QPoint to = map(position_);
  simple(kLineTo, {to.y(), to.x()});
  noteMoved(to);
}

void WmfWriterBackend::polyline(std::span<const QPoint> pts) {
  if (pts.size() < 2) return;
  BackendPen pen = pen_;
  pen.width = mapLength(pen.width, false);
  usePen(pen);
  useBackground();
  // Long lines go out in pieces that share their end points.
  for (size_t first = 0; first + 1 < pts.size(); first += kMaxPoints - 1)
    points(kPolyline, pts.subspan(first, std::min(kMaxPoints, pts.size() - first)));
}

void WmfWriterBackend::prepareShape() {
  BackendPen pen = pen_;
  pen.width = mapLength(pen.width, false);
  usePen(pen);
  useBrush(brush_);
  useBackground();
}

void WmfWriterBackend::polygon(std::span<const QPoint> pts, bool winding) {
  if (pts.size() < 2) return;
  prepareShape();
  useFillMode(winding);
  // A polygon cannot be split: beyond the format's count, every other point
  // is left out until it fits.
  if (pts.size() <= kMaxPoints) {
    points(kPolygon, pts);
    return;
  }
  const size_t step = (pts.size() + kMaxPoints - 1) / kMaxPoints;
  std::vector<QPoint> fewer;
  for (size_t i = 0; i < pts.size(); i += step) fewer.push_back(pts[i]);
  points(kPolygon, fewer);
}

void WmfWriterBackend::shape(uint16_t function, const TRect& r, std::initializer_list<int> extra) {
  const size_t at = begin(function);
  for (int v : extra) out_.i16(clamp16(v));
  out_.i16(clamp16(r.Bottom));
  out_.i16(clamp16(r.Right));
  out_.i16(clamp16(r.Top));
  out_.i16(clamp16(r.Left));
  end(at);
}

void WmfWriterBackend::rectangle(const TRect& r) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kRectangle, mapRect(r), {});
}

void WmfWriterBackend::roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kRoundRect, mapRect(r),
        {mapLength(std::abs(ellipseHeight), true), mapLength(std::abs(ellipseWidth), false)});
}

void WmfWriterBackend::ellipse(const TRect& r) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kEllipse, mapRect(r), {});
}

void WmfWriterBackend::arc(const TRect& r, QPoint start, QPoint end) {
  if (r.IsEmpty()) return;
  BackendPen pen = pen_;
  pen.width = mapLength(pen.width, false);
  usePen(pen);
  useBackground();
  const QPoint s = map(start), e = map(end);
  shape(kArc, mapRect(r), {e.y(), e.x(), s.y(), s.x()});
}

void WmfWriterBackend::pie(const TRect& r, QPoint start, QPoint end) {
  if (r.IsEmpty()) return;
  prepareShape();
  if (sameDirection(r, start, end)) {
    shape(kEllipse, mapRect(r), {});
    return;
  }
  const QPoint s = map(start), e = map(end);
  shape(kPie, mapRect(r), {e.y(), e.x(), s.y(), s.x()});
}

void WmfWriterBackend::fillRect(const TRect& r) {
  if (r.IsEmpty()) return;
  usePen(clearPen());
  useBrush(brush_);
  useBackground();
  const TRect m = mapRect(r);
  // Without an outline a rectangle is one smaller each way.
  shape(kRectangle, {m.Left, m.Top, m.Right + 1, m.Bottom + 1}, {});
}

void WmfWriterBackend::setPixel(int x, int y, base::TColor c) {
  const QPoint p = map(QPoint(x, y));
  const size_t at = begin(kSetPixel);
  out_.u32(colorRef(c));
  out_.i16(static_cast<int16_t>(p.y()));
  out_.i16(static_cast<int16_t>(p.x()));
  end(at);
}

// --- text -------------------------------------------------------------------------------

void WmfWriterBackend::textOut(int x, int y, const QString& s) {
  if (s.isEmpty()) return;
  BackendFont font = font_;
  // Players' default heights differ from the chart's: write it out.
  if (font.height == 0) font.height = -FontPixelHeight(font);
  font.height = font.height < 0 ? -mapLength(-font.height, true) : mapLength(font.height, true);
  useFont(font);
  useTextColor(font_.color);
  useBackground();
  useTextAlign(textAlign_);
  const std::vector<int> unitAdvances = advances(s);
  QByteArray bytes;
  std::vector<int> dx;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i].isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate()) continue;
    const qsizetype n = s[i].isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    const QByteArray b = base::ToCp1252(QStringView(s).mid(i, n));
    bytes.append(b.isEmpty() ? '?' : b[0]);
    dx.push_back(mapLength(unitAdvances[static_cast<size_t>(i)], false));
  }
  const size_t count = std::min<size_t>(static_cast<size_t>(bytes.size()), kLimit);
  const QPoint p = map(QPoint(x, y));
  const size_t at = begin(kExtTextOut);
  out_.i16(static_cast<int16_t>(p.y()));
  out_.i16(static_cast<int16_t>(p.x()));
  out_.i16(static_cast<int16_t>(count));
  out_.u16(0);  // no options, so no rectangle
  out_.raw(bytes.constData(), count);
  if (count % 2) out_.u8(0);
  for (size_t i = 0; i < count; ++i) out_.i16(clamp16(dx[i]));
  end(at);
}

void WmfWriterBackend::textOutline(int x, int y, const QString& s) {
  // The format has no paths to outline glyphs with: the text is drawn
  // filled, which is what an outline encloses.
  textOut(x, y, s);
}

// --- images --------------------------------------------------------------------------------

void WmfWriterBackend::draw(int x, int y, const QImage& image) {
  if (image.isNull()) return;
  const auto edge = [](int at, int length) {
    return static_cast<int>(std::min<long long>(INT32_MAX, 1LL * at + length));
  };
  stretchDraw({x, y, edge(x, image.width()), edge(y, image.height())}, image);
}

void WmfWriterBackend::stretchDraw(const TRect& r, const QImage& source) {
  if (source.isNull() || r.IsEmpty()) return;
  QImage image = source;
  if (image.width() > kLimit || image.height() > kLimit)
    image = image.scaled(std::min(image.width(), kLimit), std::min(image.height(), kLimit));
  const DibParts dib = EncodeDib(image, BmpDepth::Bits24);
  const TRect m = mapRect(r);
  const size_t at = begin(kStretchDib);
  out_.u32(0x00CC0020);  // source copy
  out_.u16(0);           // RGB colours
  out_.i16(static_cast<int16_t>(image.height()));
  out_.i16(static_cast<int16_t>(image.width()));
  out_.i16(0);
  out_.i16(0);
  out_.i16(clamp16(static_cast<long long>(m.Bottom) - m.Top));
  out_.i16(clamp16(static_cast<long long>(m.Right) - m.Left));
  out_.i16(static_cast<int16_t>(m.Top));
  out_.i16(static_cast<int16_t>(m.Left));
  out_.raw(dib.info.constData(), static_cast<size_t>(dib.info.size()));
  out_.raw(dib.bits.constData(), static_cast<size_t>(dib.bits.size()));
  end(at);
}

void WmfWriterBackend::tiledDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || r.IsEmpty()) return;
  // One image of the tiled area, no larger than the picture.
  const long long rw = static_cast<long long>(r.Right) - r.Left;
  const long long rh = static_cast<long long>(r.Bottom) - r.Top;
  const int w = static_cast<int>(std::min<long long>(rw, std::max(size_.width(), image.width())));
  const int h = static_cast<int>(std::min<long long>(rh, std::max(size_.height(), image.height())));
  QImage tiled(w, h, QImage::Format_RGB32);
  {
    QPainter p(&tiled);
    p.fillRect(tiled.rect(), QBrush(image));
  }
  pushClipRect(r);
  stretchDraw({r.Left, r.Top, static_cast<int>(std::min<long long>(INT32_MAX, 1LL * r.Left + w)),
               static_cast<int>(std::min<long long>(INT32_MAX, 1LL * r.Top + h))},
              tiled);
  popClip();
}

// --- clipping -------------------------------------------------------------------------------

void WmfWriterBackend::clipToBounds(const TRect& r) {
  saveState();
  shape(kIntersectClipRect, mapRect(r), {});
}

void WmfWriterBackend::pushClipRect(const TRect& r) {
  clipToBounds(r);
}

void WmfWriterBackend::pushClipEllipse(const TRect& r) {
  clipToBounds(r);
}

void WmfWriterBackend::pushClipRoundRect(const TRect& r, int, int) {
  clipToBounds(r);
}

void WmfWriterBackend::pushClipPolygon(std::span<const QPoint> pts) {
  if (pts.empty()) {
    clipToBounds({0, 0, 0, 0});
    return;
  }
  TRect box{pts[0].x(), pts[0].y(), pts[0].x(), pts[0].y()};
  for (QPoint p : pts) {
    box.Left = std::min(box.Left, p.x());
    box.Top = std::min(box.Top, p.y());
    box.Right = std::max(box.Right, p.x());
    box.Bottom = std::max(box.Bottom, p.y());
  }
  clipToBounds(box);
}

// --- the end ----------------------------------------------------------------------------------

QByteArray WmfWriterBackend::Finish() {
  if (finished_) return file_;
  finished_ = true;
  endPicture();
  simple(kEof, {});

  LittleEndianBuffer h;
  // The placeable header: key, no handle, bounds, units per inch, checksum.
  h.u32(0x9AC6CDD7);
  h.u16(0);
  h.i16(0);
  h.i16(0);
  h.i16(clamp16(size_.width()));
  h.i16(clamp16(size_.height()));
  h.u16(96);
  h.u32(0);
  uint16_t checksum = 0;
  for (size_t i = 0; i < 20; i += 2) checksum ^= h.read16(i);
  h.u16(checksum);
  // The standard header.
  const uint32_t words = static_cast<uint32_t>((out_.size() - kPlaceableSize) / 2);
  h.u16(1);  // in memory
  h.u16(kHeaderWords);
  h.u16(0x0300);
  h.u16(static_cast<uint16_t>(words & 0xFFFF));
  h.u16(static_cast<uint16_t>(words >> 16));
  h.u16(static_cast<uint16_t>(std::min(objectTableSize(), 0xFFFF)));
  h.u16(static_cast<uint16_t>(maxRecordWords_ & 0xFFFF));
  h.u16(static_cast<uint16_t>(maxRecordWords_ >> 16));
  h.u16(0);
  file_ = out_.toByteArray();
  const QByteArray header = h.toByteArray();
  std::copy(header.begin(), header.end(), file_.begin());
  return file_;
}
