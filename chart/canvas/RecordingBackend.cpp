#include "chart/canvas/RecordingBackend.h"

#include <QMetaEnum>

namespace {

template <class E>
QString enumName(E value) {
  return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(value));
}

QString pointText(QPoint p) {
  return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QString rectText(const TRect& r) {
  return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

QString pointsText(std::span<const QPoint> points) {
  QStringList parts;
  parts.reserve(static_cast<qsizetype>(points.size()));
  for (QPoint p : points) parts << pointText(p);
  return parts.join(QLatin1Char(' '));
}

QString quoted(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  out.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  out.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
  return QLatin1Char('"') + out + QLatin1Char('"');
}

}  // namespace

QStringList RecordingBackend::lines(const QString& call) const {
  QStringList out;
  for (const QString& line : lines_) {
    if (line == call || line.startsWith(call + QLatin1Char(' '))) out << line;
  }
  return out;
}

QString RecordingBackend::colorText(base::TColor color) {
  if (color == base::clNone) return QStringLiteral("none");
  return QStringLiteral("$%1")
      .arg(base::ColorToRGB(color) & 0xFFFFFFu, 6, 16, QLatin1Char('0'))
      .toUpper();
}

QString RecordingBackend::penText(const BackendPen& pen) {
  if (pen.smallDots)
    return QStringLiteral("%1 smallDots %2").arg(colorText(pen.color), enumName(pen.mode));
  return QStringLiteral("%1 w%2 %3 %4 %5")
      .arg(colorText(pen.color))
      .arg(pen.width)
      .arg(enumName(pen.style), enumName(pen.endStyle), enumName(pen.mode));
}

QString RecordingBackend::brushText(const BackendBrush& brush) {
  QString text = QStringLiteral("%1 %2").arg(colorText(brush.color), enumName(brush.style));
  if (!brush.image.isNull())
    text += QStringLiteral(" image%1x%2").arg(brush.image.width()).arg(brush.image.height());
  return text;
}

QString RecordingBackend::fontText(const BackendFont& font) {
  QString text = QStringLiteral("%1 h%2 a%3 %4")
                     .arg(quoted(font.name))
                     .arg(pixelHeight(font))
                     .arg(font.angle)
                     .arg(colorText(font.color));
  if (font.style & Graphics::fsBold) text += QStringLiteral(" bold");
  if (font.style & Graphics::fsItalic) text += QStringLiteral(" italic");
  if (font.style & Graphics::fsUnderline) text += QStringLiteral(" underline");
  if (font.style & Graphics::fsStrikeOut) text += QStringLiteral(" strikeOut");
  if (font.charExtra != 0) text += QStringLiteral(" extra%1").arg(font.charExtra);
  return text;
}

QString RecordingBackend::alignText(int flags) {
  QString h = QStringLiteral("left");
  if ((flags & TextAlign::HorizontalMask) == TextAlign::Center) {
    h = QStringLiteral("center");
  } else if ((flags & TextAlign::HorizontalMask) == TextAlign::Right) {
    h = QStringLiteral("right");
  }
  QString v = QStringLiteral("top");
  if ((flags & TextAlign::VerticalMask) == TextAlign::Baseline) {
    v = QStringLiteral("baseline");
  } else if ((flags & TextAlign::VerticalMask) == TextAlign::Bottom) {
    v = QStringLiteral("bottom");
  }
  return h + QLatin1Char(' ') + v;
}

void RecordingBackend::add(const QString& line) {
  lines_ << line;
}

QString RecordingBackend::suffix() const {
  QString s;
  if (clipDepth_ > 0) s += QStringLiteral(" clip%1").arg(clipDepth_);
  if (mapped_) s += QStringLiteral(" mapped");
  return s;
}

QString RecordingBackend::penPart() const {
  return QStringLiteral(" pen[%1]").arg(penText(pen_)) + suffix();
}

QString RecordingBackend::shapePart() const {
  return QStringLiteral(" pen[%1] brush[%2]").arg(penText(pen_), brushText(brush_)) + suffix();
}

QString RecordingBackend::textPart() const {
  return QStringLiteral(" font[%1] back[%2 %3] align[%4]")
             .arg(fontText(font_),
                  backMode_ == BackMode::Opaque ? QStringLiteral("opaque")
                                                : QStringLiteral("transparent"),
                  colorText(backColor_), alignText(textAlign_)) +
         suffix();
}

void RecordingBackend::setPen(const BackendPen& pen) {
  NullBackend::setPen(pen);
  add(QStringLiteral("setPen ") + penText(pen));
}
void RecordingBackend::setBrush(const BackendBrush& brush) {
  NullBackend::setBrush(brush);
  add(QStringLiteral("setBrush ") + brushText(brush));
}
void RecordingBackend::setFont(const BackendFont& font) {
  NullBackend::setFont(font);
  add(QStringLiteral("setFont ") + fontText(font));
}
void RecordingBackend::setBackColor(base::TColor color) {
  NullBackend::setBackColor(color);
  add(QStringLiteral("setBackColor ") + colorText(color));
}
void RecordingBackend::setBackMode(BackMode mode) {
  NullBackend::setBackMode(mode);
  add(QStringLiteral("setBackMode ") +
      (mode == BackMode::Opaque ? QStringLiteral("opaque") : QStringLiteral("transparent")));
}
void RecordingBackend::setTextAlign(int flags) {
  NullBackend::setTextAlign(flags);
  add(QStringLiteral("setTextAlign ") + alignText(flags));
}

void RecordingBackend::moveTo(int x, int y) {
  NullBackend::moveTo(x, y);
  add(QStringLiteral("moveTo ") + pointText(QPoint(x, y)) + suffix());
}
void RecordingBackend::lineTo(int x, int y) {
  NullBackend::lineTo(x, y);
  add(QStringLiteral("lineTo ") + pointText(QPoint(x, y)) + penPart());
}
void RecordingBackend::polyline(std::span<const QPoint> points) {
  NullBackend::polyline(points);
  add(QStringLiteral("polyline ") + pointsText(points) + penPart());
}
void RecordingBackend::polygon(std::span<const QPoint> points, bool winding) {
  NullBackend::polygon(points, winding);
  add(QStringLiteral("polygon ") + pointsText(points) +
      (winding ? QStringLiteral(" winding") : QString()) + shapePart());
}
void RecordingBackend::rectangle(const TRect& r) {
  NullBackend::rectangle(r);
  add(QStringLiteral("rectangle ") + rectText(r) + shapePart());
}
void RecordingBackend::roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  NullBackend::roundRect(r, ellipseWidth, ellipseHeight);
  add(QStringLiteral("roundRect %1 %2x%3").arg(rectText(r)).arg(ellipseWidth).arg(ellipseHeight) +
      shapePart());
}
void RecordingBackend::ellipse(const TRect& r) {
  NullBackend::ellipse(r);
  add(QStringLiteral("ellipse ") + rectText(r) + shapePart());
}
void RecordingBackend::arc(const TRect& r, QPoint start, QPoint end) {
  NullBackend::arc(r, start, end);
  add(QStringLiteral("arc %1 %2 %3").arg(rectText(r), pointText(start), pointText(end)) +
      penPart());
}
void RecordingBackend::pie(const TRect& r, QPoint start, QPoint end) {
  NullBackend::pie(r, start, end);
  add(QStringLiteral("pie %1 %2 %3").arg(rectText(r), pointText(start), pointText(end)) +
      shapePart());
}
void RecordingBackend::fillRect(const TRect& r) {
  NullBackend::fillRect(r);
  add(QStringLiteral("fillRect %1 brush[%2]").arg(rectText(r), brushText(brush_)) + suffix());
}
void RecordingBackend::setPixel(int x, int y, base::TColor color) {
  NullBackend::setPixel(x, y, color);
  add(QStringLiteral("setPixel %1 %2").arg(pointText(QPoint(x, y)), colorText(color)) + suffix());
}

void RecordingBackend::textOut(int x, int y, const QString& text) {
  NullBackend::textOut(x, y, text);
  add(QStringLiteral("textOut %1 %2").arg(pointText(QPoint(x, y)), quoted(text)) + textPart());
}
void RecordingBackend::textOutline(int x, int y, const QString& text) {
  NullBackend::textOutline(x, y, text);
  add(QStringLiteral("textOutline %1 %2 pen[%3]")
          .arg(pointText(QPoint(x, y)), quoted(text), penText(pen_)) +
      textPart());
}

void RecordingBackend::draw(int x, int y, const QImage& image) {
  NullBackend::draw(x, y, image);
  add(QStringLiteral("draw %1 %2x%3")
          .arg(pointText(QPoint(x, y)))
          .arg(image.width())
          .arg(image.height()) +
      suffix());
}
void RecordingBackend::stretchDraw(const TRect& r, const QImage& image) {
  NullBackend::stretchDraw(r, image);
  add(QStringLiteral("stretchDraw %1 %2x%3")
          .arg(rectText(r))
          .arg(image.width())
          .arg(image.height()) +
      suffix());
}
void RecordingBackend::tiledDraw(const TRect& r, const QImage& image) {
  NullBackend::tiledDraw(r, image);
  add(QStringLiteral("tiledDraw %1 %2x%3").arg(rectText(r)).arg(image.width()).arg(image.height()) +
      suffix());
}

void RecordingBackend::pushClipRect(const TRect& r) {
  NullBackend::pushClipRect(r);
  add(QStringLiteral("pushClipRect ") + rectText(r));
}
void RecordingBackend::pushClipEllipse(const TRect& r) {
  NullBackend::pushClipEllipse(r);
  add(QStringLiteral("pushClipEllipse ") + rectText(r));
}
void RecordingBackend::pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  NullBackend::pushClipRoundRect(r, ellipseWidth, ellipseHeight);
  add(QStringLiteral("pushClipRoundRect %1 %2x%3")
          .arg(rectText(r))
          .arg(ellipseWidth)
          .arg(ellipseHeight));
}
void RecordingBackend::pushClipPolygon(std::span<const QPoint> points) {
  NullBackend::pushClipPolygon(points);
  add(QStringLiteral("pushClipPolygon ") + pointsText(points));
}
void RecordingBackend::popClip() {
  NullBackend::popClip();
  add(QStringLiteral("popClip"));
}

void RecordingBackend::setMapping(QSize windowSize, const TRect& viewport) {
  NullBackend::setMapping(windowSize, viewport);
  add(QStringLiteral("setMapping %1x%2 %3")
          .arg(windowSize.width())
          .arg(windowSize.height())
          .arg(rectText(viewport)));
}
void RecordingBackend::resetMapping() {
  NullBackend::resetMapping();
  add(QStringLiteral("resetMapping"));
}

void RecordingBackend::beginBlend(const TRect& r) {
  NullBackend::beginBlend(r);
  add(QStringLiteral("beginBlend ") + rectText(r));
}
void RecordingBackend::endBlend(int transparency) {
  NullBackend::endBlend(transparency);
  add(QStringLiteral("endBlend %1").arg(transparency));
}
