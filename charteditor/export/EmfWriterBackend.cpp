#include "charteditor/export/EmfWriterBackend.h"

#include "charteditor/export/BmpWriter.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

// Record types.
constexpr uint32_t kHeader = 1, kPolygon = 3, kPolyline = 4, kSetWindowExt = 9, kSetWindowOrg = 10,
                   kSetViewportExt = 11, kSetViewportOrg = 12, kEof = 14, kSetPixel = 15,
                   kSetMapMode = 17, kSetBkMode = 18, kSetPolyFillMode = 19, kSetTextAlign = 22,
                   kSetTextColor = 24, kSetBkColor = 25, kMoveTo = 27, kIntersectClipRect = 30,
                   kSaveDc = 33, kRestoreDc = 34, kSelectObject = 37, kCreatePen = 38,
                   kCreateBrush = 39, kDeleteObject = 40, kEllipse = 42, kRectangle = 43,
                   kRoundRect = 44, kArc = 45, kPie = 47, kLineTo = 54, kBeginPath = 59,
                   kEndPath = 60, kStrokeAndFillPath = 63, kSelectClipPath = 67,
                   kStretchDiBits = 81, kCreateFont = 82, kExtTextOutW = 84, kPolygon16 = 86,
                   kPolyline16 = 87, kPatternBrush = 94, kExtCreatePen = 95;

constexpr size_t kHeaderSize = 108;

// The edge past `v`, where there is one.
int32_t past(int v) {
  return v == std::numeric_limits<int>::max() ? v : v + 1;
}

int32_t plus(int a, int b) {
  return static_cast<int32_t>(std::clamp<long long>(1LL * a + b, INT32_MIN, INT32_MAX));
}

int32_t span(int from, int to) {
  return static_cast<int32_t>(std::clamp<long long>(static_cast<long long>(to) - from, 0,
                                                    std::numeric_limits<int32_t>::max()));
}
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"

uint32_t hatchOf(TBrushStyle style) {
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

// A brush's pattern as the picture keeps it: a one-bit pattern takes the
// brush colour for 0 and the background for 1 now, since players differ in
// which colours they give it later.
QImage patternImage(const BackendBrush& brush, base::TColor back) {
  QImage pattern = brush.image;
  if (pattern.depth() == 1) {
    pattern = pattern.convertToFormat(QImage::Format_Mono);
    pattern.setColorCount(2);
    pattern.setColor(0, base::ToQColor(brush.color).rgba());
    pattern.setColor(1, base::ToQColor(back).rgba());
  }
  return pattern;
}

}  // namespace

EmfWriterBackend::EmfWriterBackend(QSize size) : MetafileBackend(size) {
  out_.zeros(kHeaderSize);
  records_ = 1;
  beginPicture(1);  // slot 0 is the picture itself
}

size_t EmfWriterBackend::begin(uint32_t type) {
  const size_t at = out_.size();
  out_.u32(type);
  out_.u32(0);
  return at;
}

void EmfWriterBackend::end(size_t at) {
  out_.zeros((4 - out_.size() % 4) % 4);
  out_.patch32(at + 4, static_cast<uint32_t>(out_.size() - at));
  ++records_;
}

void EmfWriterBackend::simple(uint32_t type, std::initializer_list<int32_t> values) {
  const size_t at = begin(type);
  for (int32_t v : values) out_.i32(v);
  end(at);
}

void EmfWriterBackend::rect(const TRect& r) {
  out_.i32(r.Left);
  out_.i32(r.Top);
  out_.i32(r.Right);
  out_.i32(r.Bottom);
}

// --- state records ----------------------------------------------------------------

void EmfWriterBackend::writeCreatePen(int slot, const BackendPen& pen) {
  const uint32_t color = colorRef(pen.color);
  const bool clear = pen.style == Graphics::psClear && !pen.smallDots;
  if (pen.smallDots || (!clear && pen.width > 1)) {
    // Alternate dots and wide pens with their ends need the extended pen.
    uint32_t style = 0x00000008;  // cosmetic, alternate
    uint32_t width = 1;
    if (!pen.smallDots) {
      const uint32_t cap = pen.endStyle == Graphics::esSquare ? 0x100
                           : pen.endStyle == Graphics::esFlat ? 0x200
                                                              : 0;
      const uint32_t join = pen.endStyle == Graphics::esRound ? 0 : 0x2000;
      style = 0x10000 | cap | join | static_cast<uint32_t>(pen.style);
      width = static_cast<uint32_t>(pen.width);
    }
    const size_t at = begin(kExtCreatePen);
    out_.u32(static_cast<uint32_t>(slot));
    out_.zeros(16);  // no bitmap
    out_.u32(style);
    out_.u32(width);
    out_.u32(0);  // solid brush
    out_.u32(color);
    out_.u32(0);
    out_.u32(0);  // no style entries
    end(at);
    return;
  }
  const size_t at = begin(kCreatePen);
  out_.u32(static_cast<uint32_t>(slot));
  out_.u32(clear ? 5u : static_cast<uint32_t>(pen.style));
  out_.i32(std::max(0, pen.width));
  out_.i32(0);
  out_.u32(color);
  end(at);
}

void EmfWriterBackend::writeCreateBrush(int slot, const BackendBrush& brush) {
  if (!brush.image.isNull()) {
    const DibParts dib = EncodeDib(patternImage(brush, backColor_), BmpDepth::Bits24);
    const size_t at = begin(kPatternBrush);
    out_.u32(static_cast<uint32_t>(slot));
    out_.u32(0);  // RGB colours
    out_.u32(32);
    out_.u32(static_cast<uint32_t>(dib.info.size()));
    out_.u32(32 + static_cast<uint32_t>(dib.info.size()));
    out_.u32(static_cast<uint32_t>(dib.bits.size()));
    out_.raw(dib.info.constData(), static_cast<size_t>(dib.info.size()));
    out_.raw(dib.bits.constData(), static_cast<size_t>(dib.bits.size()));
    end(at);
    return;
  }
  const bool hatch = brush.style != Graphics::bsSolid && brush.style != Graphics::bsClear;
  const size_t at = begin(kCreateBrush);
  out_.u32(static_cast<uint32_t>(slot));
  out_.u32(brush.style == Graphics::bsClear ? 1u : hatch ? 2u : 0u);
  out_.u32(colorRef(brush.color));
  out_.u32(hatch ? hatchOf(brush.style) : 0u);
  end(at);
}

void EmfWriterBackend::writeCreateFont(int slot, const BackendFont& font) {
  const size_t at = begin(kCreateFont);
  out_.u32(static_cast<uint32_t>(slot));
  // Players' default heights differ from the chart's: write it out.
  out_.i32(font.height == 0 ? -FontPixelHeight(font) : font.height);
  out_.i32(0);
  out_.i32(font.angle);  // escapement
  out_.i32(font.angle);  // orientation
  out_.i32(font.style.testFlag(Graphics::fsBold) ? 700 : 400);
  out_.u8(font.style.testFlag(Graphics::fsItalic) ? 1 : 0);
  out_.u8(font.style.testFlag(Graphics::fsUnderline) ? 1 : 0);
  out_.u8(font.style.testFlag(Graphics::fsStrikeOut) ? 1 : 0);
  out_.u8(1);  // default character set
  out_.u8(0);
  out_.u8(0);
  out_.u8(3);  // no antialiasing, as the screen draws
  out_.u8(0);
  // The face, 32 UTF-16 units with a terminating zero.
  const QString face = font.name.left(31);
  for (QChar c : face) out_.u16(c.unicode());
  out_.zeros(2 * static_cast<size_t>(32 - face.size()));
  // The rest of the extended form (full name, style, version and panose)
  // stays empty.
  out_.zeros(320 - 92);
  end(at);
}

void EmfWriterBackend::writeSelect(int slot) {
  simple(kSelectObject, {slot});
}
void EmfWriterBackend::writeDelete(int slot) {
  simple(kDeleteObject, {slot});
}
void EmfWriterBackend::writeSaveState() {
  simple(kSaveDc, {});
}
void EmfWriterBackend::writeRestoreState() {
  simple(kRestoreDc, {-1});
}
void EmfWriterBackend::writeTextColor(uint32_t color) {
  simple(kSetTextColor, {static_cast<int32_t>(color)});
}
void EmfWriterBackend::writeBackColor(uint32_t color) {
  simple(kSetBkColor, {static_cast<int32_t>(color)});
}
void EmfWriterBackend::writeBackMode(BackMode mode) {
  simple(kSetBkMode, {mode == BackMode::Opaque ? 2 : 1});
}
void EmfWriterBackend::writeTextAlign(int flags) {
  simple(kSetTextAlign, {flags});
}
void EmfWriterBackend::writeFillMode(bool winding) {
  simple(kSetPolyFillMode, {winding ? 2 : 1});
}
void EmfWriterBackend::writeMoveTo(QPoint p) {
  simple(kMoveTo, {p.x(), p.y()});
}

void EmfWriterBackend::writeMapping(const Mapping& m) {
  if (!m.on) {
    simple(kSetMapMode, {1});
    simple(kSetWindowOrg, {0, 0});
    simple(kSetViewportOrg, {0, 0});
    return;
  }
  simple(kSetMapMode, {8});  // anisotropic
  simple(kSetWindowOrg, {0, 0});
  simple(kSetWindowExt, {m.window.width(), m.window.height()});
  simple(kSetViewportOrg, {m.viewport.Left, m.viewport.Top});
  simple(kSetViewportExt, {m.viewport.Width(), m.viewport.Height()});
}

// --- drawing -----------------------------------------------------------------------

void EmfWriterBackend::points(uint32_t type16, uint32_t type32, std::span<const QPoint> pts) {
  int minX = std::numeric_limits<int>::max(), minY = minX;
  int maxX = std::numeric_limits<int>::min(), maxY = maxX;
  for (QPoint p : pts) {
    minX = std::min(minX, p.x());
    maxX = std::max(maxX, p.x());
    minY = std::min(minY, p.y());
    maxY = std::max(maxY, p.y());
  }
  const bool small =
      minX >= INT16_MIN && minY >= INT16_MIN && maxX <= INT16_MAX && maxY <= INT16_MAX;
  const size_t at = begin(small ? type16 : type32);
  rect({minX, minY, maxX, maxY});  // bounds, inclusive
  out_.u32(static_cast<uint32_t>(pts.size()));
  if (small) {
    char* p = out_.grow(pts.size() * 4);
    for (QPoint q : pts) {
      p[0] = static_cast<char>(q.x() & 0xFF);
      p[1] = static_cast<char>((q.x() >> 8) & 0xFF);
      p[2] = static_cast<char>(q.y() & 0xFF);
      p[3] = static_cast<char>((q.y() >> 8) & 0xFF);
      p += 4;
    }
  } else {
    char* p = out_.grow(pts.size() * 8);
    for (QPoint q : pts) {
      LittleEndianBuffer::put32(p, static_cast<uint32_t>(q.x()));
      LittleEndianBuffer::put32(p + 4, static_cast<uint32_t>(q.y()));
      p += 8;
    }
  }
  end(at);
}

void EmfWriterBackend::lineTo(int x, int y) {
  const QPoint from = position_;
  position_ = QPoint(x, y);
  useMapping();
  usePen(pen_);
  useBackground();
  usePosition(from);
  simple(kLineTo, {x, y});
  noteMoved(position_);
}

void EmfWriterBackend::polyline(std::span<const QPoint> pts) {
  if (pts.size() < 2) return;
  useMapping();
  usePen(pen_);
  useBackground();
  points(kPolyline16, kPolyline, pts);
}

void EmfWriterBackend::prepareShape() {
  useMapping();
  usePen(pen_);
  useBrush(brush_);
  useBackground();
}

void EmfWriterBackend::polygon(std::span<const QPoint> pts, bool winding) {
  if (pts.size() < 2) return;
  prepareShape();
  useFillMode(winding);
  points(kPolygon16, kPolygon, pts);
}

void EmfWriterBackend::shape(uint32_t type, const TRect& r, std::initializer_list<int32_t> extra) {
  const size_t at = begin(type);
  rect(r);
  for (int32_t v : extra) out_.i32(v);
  end(at);
}

void EmfWriterBackend::rectangle(const TRect& r) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kRectangle, r, {});
}

void EmfWriterBackend::roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kRoundRect, r, {std::abs(ellipseWidth), std::abs(ellipseHeight)});
}

void EmfWriterBackend::ellipse(const TRect& r) {
  if (r.IsEmpty()) return;
  prepareShape();
  shape(kEllipse, r, {});
}

void EmfWriterBackend::arc(const TRect& r, QPoint start, QPoint end) {
  if (r.IsEmpty()) return;
  useMapping();
  usePen(pen_);
  useBackground();
  shape(kArc, r, {start.x(), start.y(), end.x(), end.y()});
}

void EmfWriterBackend::pie(const TRect& r, QPoint start, QPoint end) {
  if (r.IsEmpty()) return;
  prepareShape();
  // Coinciding radials are the whole ellipse, without a radius drawn.
  if (sameDirection(r, start, end)) {
    shape(kEllipse, r, {});
    return;
  }
  shape(kPie, r, {start.x(), start.y(), end.x(), end.y()});
}

void EmfWriterBackend::fillRect(const TRect& r) {
  if (r.IsEmpty()) return;
  useMapping();
  usePen(clearPen());
  useBrush(brush_);
  useBackground();
  // Without an outline a rectangle is one smaller each way.
  shape(kRectangle, {r.Left, r.Top, past(r.Right), past(r.Bottom)}, {});
}

void EmfWriterBackend::setPixel(int x, int y, base::TColor color) {
  useMapping();
  simple(kSetPixel, {x, y, static_cast<int32_t>(colorRef(color))});
}

// --- text ----------------------------------------------------------------------------

void EmfWriterBackend::text(int x, int y, const QString& s) {
  const std::vector<int> dx = advances(s);
  const QSize extent = textExtent(s);
  const uint32_t count = static_cast<uint32_t>(s.size());
  const uint32_t stringBytes = (count * 2 + 3) / 4 * 4;
  const size_t at = begin(kExtTextOutW);
  rect({x, y, plus(x, extent.width()), plus(y, extent.height())});
  out_.u32(1);  // compatible graphics mode
  out_.f32(0);
  out_.f32(0);
  out_.i32(x);
  out_.i32(y);
  out_.u32(count);
  out_.u32(76);  // the string follows the fixed part
  out_.u32(0);   // no options
  rect({0, 0, 0, 0});
  out_.u32(76 + stringBytes);
  for (QChar c : s) out_.u16(c.unicode());
  out_.zeros(stringBytes - count * 2);
  for (int d : dx) out_.i32(d);
  end(at);
}

void EmfWriterBackend::textOut(int x, int y, const QString& s) {
  if (s.isEmpty()) return;
  useMapping();
  useFont(font_);
  useTextColor(font_.color);
  useBackground();
  useTextAlign(textAlign_);
  text(x, y, s);
}

void EmfWriterBackend::textOutline(int x, int y, const QString& s) {
  if (s.isEmpty()) return;
  useMapping();
  useFont(font_);
  usePen(pen_);
  BackendBrush fill;
  fill.color = font_.color;
  useBrush(fill);
  useTextAlign(textAlign_);
  useFillMode(true);
  simple(kBeginPath, {});
  text(x, y, s);
  simple(kEndPath, {});
  const QSize extent = textExtent(s);
  simple(kStrokeAndFillPath, {x, y, plus(x, extent.width()), plus(y, extent.height())});
}

// --- images ----------------------------------------------------------------------------

void EmfWriterBackend::draw(int x, int y, const QImage& image) {
  if (image.isNull()) return;
  const auto edge = [](int at, int length) {
    return static_cast<int>(std::min<long long>(INT32_MAX, 1LL * at + length));
  };
  stretchDraw({x, y, edge(x, image.width()), edge(y, image.height())}, image);
}

void EmfWriterBackend::stretchDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || r.IsEmpty()) return;
  useMapping();
  const DibParts dib = EncodeDib(image, BmpDepth::Bits24);
  const uint32_t fixed = 80;
  const size_t at = begin(kStretchDiBits);
  rect({r.Left, r.Top, r.Right - 1, r.Bottom - 1});  // not empty: no overflow
  out_.i32(r.Left);
  out_.i32(r.Top);
  out_.i32(0);
  out_.i32(0);
  out_.i32(image.width());
  out_.i32(image.height());
  out_.u32(fixed);
  out_.u32(static_cast<uint32_t>(dib.info.size()));
  out_.u32(fixed + static_cast<uint32_t>(dib.info.size()));
  out_.u32(static_cast<uint32_t>(dib.bits.size()));
  out_.u32(0);           // RGB colours
  out_.u32(0x00CC0020);  // source copy
  out_.i32(span(r.Left, r.Right));
  out_.i32(span(r.Top, r.Bottom));
  out_.raw(dib.info.constData(), static_cast<size_t>(dib.info.size()));
  out_.raw(dib.bits.constData(), static_cast<size_t>(dib.bits.size()));
  end(at);
}

void EmfWriterBackend::tiledDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || r.IsEmpty()) return;
  // One image of the tiled area, no larger than the picture: a tile per
  // record could run to millions.
  const int w = std::min(span(r.Left, r.Right), std::max(size_.width(), image.width()));
  const int h = std::min(span(r.Top, r.Bottom), std::max(size_.height(), image.height()));
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

// --- clipping -----------------------------------------------------------------------------

void EmfWriterBackend::pushClipRect(const TRect& r) {
  useMapping();
  saveState();
  simple(kIntersectClipRect, {r.Left, r.Top, r.Right, r.Bottom});
}

void EmfWriterBackend::pushClipEllipse(const TRect& r) {
  useMapping();
  saveState();
  simple(kBeginPath, {});
  shape(kEllipse, r, {});
  simple(kEndPath, {});
  simple(kSelectClipPath, {1});  // intersect
}

void EmfWriterBackend::pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  useMapping();
  saveState();
  simple(kBeginPath, {});
  shape(kRoundRect, r, {std::abs(ellipseWidth), std::abs(ellipseHeight)});
  simple(kEndPath, {});
  simple(kSelectClipPath, {1});
}

void EmfWriterBackend::pushClipPolygon(std::span<const QPoint> pts) {
  useMapping();
  useFillMode(false);
  saveState();
  simple(kBeginPath, {});
  if (pts.size() >= 2) points(kPolygon16, kPolygon, pts);
  simple(kEndPath, {});
  simple(kSelectClipPath, {1});
}

// --- the end -------------------------------------------------------------------------------

QByteArray EmfWriterBackend::Finish() {
  if (finished_) return file_;
  finished_ = true;
  endPicture();
  const size_t at = begin(kEof);
  out_.u32(0);   // no palette
  out_.u32(16);  // where it would be
  out_.u32(20);  // this record's size, for readers walking backwards
  end(at);

  // The header, now that the counts are known.
  LittleEndianBuffer h;
  // Bounds are inclusive, the frame spans the whole pixels. Readers divide
  // by the extent of both: a one-pixel picture still gets one unit each way.
  const int right = std::max(1, size_.width() - 1), bottom = std::max(1, size_.height() - 1);
  h.u32(kHeader);
  h.u32(kHeaderSize);
  h.i32(0);
  h.i32(0);
  h.i32(right);
  h.i32(bottom);
  // The frame in hundredths of a millimetre at 96 dots per inch.
  auto hundredths = [](int px) { return static_cast<int32_t>((px * 2540LL + 48) / 96); };
  h.i32(0);
  h.i32(0);
  h.i32(hundredths(right + 1));
  h.i32(hundredths(bottom + 1));
  h.u32(kSignature);
  h.u32(0x10000);
  h.u32(static_cast<uint32_t>(out_.size()));
  h.u32(records_);
  h.u16(static_cast<uint16_t>(std::min(objectTableSize(), 0xFFFF)));
  h.u16(0);
  h.u32(0);  // no description
  h.u32(0);
  h.u32(0);  // no palette
  // A reference device of 1920×1440 pixels at 96 dots per inch.
  h.i32(1920);
  h.i32(1440);
  h.i32(508);
  h.i32(381);
  h.u32(0);  // no pixel format
  h.u32(0);
  h.u32(0);  // not OpenGL
  h.i32(508000);
  h.i32(381000);
  file_ = out_.toByteArray();
  const QByteArray header = h.toByteArray();
  std::copy(header.begin(), header.end(), file_.begin());
  return file_;
}
