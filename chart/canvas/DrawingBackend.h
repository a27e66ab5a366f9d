#pragma once
// The one surface the chart engine draws on. It carries the classic 2D
// device rules (integer coordinates, right and bottom edges exclusive,
// lineTo leaving out its last pixel, odd-even polygon fill) so that every
// backend — a QPainter on an image, window, printer or SVG generator, the
// recording one of the layout tests, and metafile writers — yields the same
// picture from the same calls. Nothing here assumes a particular painter:
// colours are 0x00BBGGRR values (system colours resolved by the backend),
// images are plain QImages, and the state is plain values.
#include "base/Colors.h"
#include "chart/canvas/GraphicsTypes.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <span>

// A pen as a backend takes it. Width is in logical units; 0 always means
// one device pixel. Widths of 1 or less draw cosmetic lines with flat ends;
// wider pens use `endStyle`. `smallDots` lights every second pixel in
// `color` and ignores `style` and `width`. Only pmCopy and pmNotXor are
// honoured, other modes draw as pmCopy.
struct BackendPen {
  base::TColor color = base::clBlack;
  int width = 1;
  TPenStyle style = Graphics::psSolid;
  TPenEndStyle endStyle = Graphics::esRound;
  TPenMode mode = Graphics::pmCopy;
  bool smallDots = false;
  friend bool operator==(const BackendPen&, const BackendPen&) = default;
};

// A brush. A non-null `image` is a pattern tiled from the device origin and
// overrides `style`; a one-bit image takes `color` for its 0 bits and the
// background colour for its 1 bits.
struct BackendBrush {
  base::TColor color = base::clWhite;
  TBrushStyle style = Graphics::bsSolid;
  QImage image;
};

// A font. `height` follows the classic convention: negative is the
// character height in logical pixels, positive the cell height; both give
// a pixel size of |height|; 0 asks for the default height. `angle` is the escapement in tenths of a
// degree, counter-clockwise. `charExtra` is added after every character.
struct BackendFont {
  QString name = QStringLiteral("DejaVu Sans");
  int height = -13;
  TFontStyles style;
  base::TColor color = base::clBlack;
  int angle = 0;
  int charExtra = 0;
  friend bool operator==(const BackendFont&, const BackendFont&) = default;
};

// The pixel size of a font's height: |height|, and for a height of 0 the
// chart's default font size, never a one-pixel font.
int FontPixelHeight(const BackendFont& font);

enum class BackMode { Transparent, Opaque };

// Text alignment flags with their classic values: one horizontal and one
// vertical flag are or-ed together.
namespace TextAlign {
constexpr int Left = 0;
constexpr int Right = 2;
constexpr int Center = 6;
constexpr int Top = 0;
constexpr int Bottom = 8;
constexpr int Baseline = 24;
constexpr int HorizontalMask = 6;
constexpr int VerticalMask = 24;
}  // namespace TextAlign

struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int averageCharWidth = 0;
};

struct BackendCapabilities {
  bool pixelReadBack = false;  // grab() answers the drawn pixels
  bool metafile = false;       // the drawing is kept as a vector picture
  bool printer = false;
  bool rasterOps = false;  // pmNotXor is honoured
  int dpiX = 96;           // device dots per inch
  int dpiY = 96;
};

class DrawingBackend {
 public:
  virtual ~DrawingBackend() = default;

  // --- state -----------------------------------------------------------
  virtual void setPen(const BackendPen& pen) = 0;
  virtual const BackendPen& pen() const = 0;
  virtual void setBrush(const BackendBrush& brush) = 0;
  virtual const BackendBrush& brush() const = 0;
  virtual void setFont(const BackendFont& font) = 0;
  virtual const BackendFont& font() const = 0;
  virtual void setBackColor(base::TColor color) = 0;
  virtual base::TColor backColor() const = 0;
  virtual void setBackMode(BackMode mode) = 0;
  virtual BackMode backMode() const = 0;
  virtual void setTextAlign(int flags) = 0;
  virtual int textAlign() const = 0;

  // --- lines and shapes: outline with the pen, fill with the brush --------
  virtual void moveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), leaving out (x, y) itself.
  virtual void lineTo(int x, int y) = 0;
  virtual QPoint currentPosition() const = 0;
  // A lineTo to each point in turn, in one call: the same pixels (each
  // segment leaves out its own end, which the next one starts on) and the
  // same current position after it.
  virtual void polylineTo(std::span<const QPoint> points) {
    for (const QPoint& q : points) lineTo(q.x(), q.y());
  }
  virtual void polyline(std::span<const QPoint> points) = 0;
  virtual void polygon(std::span<const QPoint> points, bool winding = false) = 0;
  virtual void rectangle(const TRect& r) = 0;
  // `ellipseWidth` and `ellipseHeight` are the size of the corner ellipse.
  virtual void roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) = 0;
  virtual void ellipse(const TRect& r) = 0;
  // The ellipse inscribed in `r`, counter-clockwise from the ray through
  // `start` to the ray through `end` (both points seen from the centre);
  // equal points give the whole ellipse.
  virtual void arc(const TRect& r, QPoint start, QPoint end) = 0;
  virtual void pie(const TRect& r, QPoint start, QPoint end) = 0;
  // Fills with the brush alone.
  virtual void fillRect(const TRect& r) = 0;
  virtual void setPixel(int x, int y, base::TColor color) = 0;

  // --- text --------------------------------------------------------------
  virtual void textOut(int x, int y, const QString& text) = 0;
  // The text's outline stroked with the pen and filled in the font colour,
  // on a transparent background.
  virtual void textOutline(int x, int y, const QString& text) = 0;
  // Width and height of one line of `text` in logical units, unrotated.
  virtual QSize textExtent(const QString& text) const = 0;
  virtual TextMetrics textMetrics() const = 0;

  // --- images ------------------------------------------------------------
  virtual void draw(int x, int y, const QImage& image) = 0;
  virtual void stretchDraw(const TRect& r, const QImage& image) = 0;
  virtual void tiledDraw(const TRect& r, const QImage& image) = 0;

  // --- clipping: each push intersects with the clip in force -------------
  virtual void pushClipRect(const TRect& r) = 0;
  virtual void pushClipEllipse(const TRect& r) = 0;
  virtual void pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) = 0;
  virtual void pushClipPolygon(std::span<const QPoint> points) = 0;
  // Restores the clip before the last push; nothing happens on an empty stack.
  virtual void popClip() = 0;
  virtual int clipDepth() const = 0;

  // --- logical mapping (printing, metafiles) -------------------------------
  // Logical (0, 0)..(windowSize) fills `viewport` in device units; pen
  // widths, fonts and coordinates are logical from then on.
  virtual void setMapping(QSize windowSize, const TRect& viewport) = 0;
  virtual void resetMapping() = 0;

  // --- translucency --------------------------------------------------------
  // Everything drawn between the two calls is laid over what was there
  // before at (100 - transparency) % opacity, transparency clamped to 0..100.
  virtual void beginBlend(const TRect& r) = 0;
  virtual void endBlend(int transparency) = 0;

  // --- what the device offers ----------------------------------------------
  virtual BackendCapabilities capabilities() const = 0;
  // Size of the device in device pixels.
  virtual QSize deviceSize() const = 0;
  // The drawn pixels of `r` (device units, clipped to the device) as a
  // 32-bit image; null when the device has no read-back.
  virtual QImage grab(const TRect& r) const = 0;
};
