#pragma once
// A backend that writes one line of text per call, each drawing call with
// the state it is drawn with, so that layout tests compare exact call
// sequences whatever fonts the machine has. Metrics are NullBackend's fixed
// ones. Line forms (colours as $BBGGRR, system colours resolved):
//   setPen $0000FF w1 psSolid esRound pmCopy
//   lineTo 20,30 pen[$000000 w1 psSolid esRound pmCopy]
//   rectangle 10,10,20,20 pen[...] brush[$0000FF bsSolid]
//   textOut 5,5 "Hg" font["DejaVu Sans" h11 a0 $000000] back[transparent $FFFFFF] align[left top]
// A drawing line ends with " clip<N>" inside N clips and " mapped" under a
// logical mapping.
#include "chart/canvas/NullBackend.h"

#include <QStringList>

class RecordingBackend : public NullBackend {
 public:
  using NullBackend::NullBackend;

  const QStringList& lines() const { return lines_; }
  // The lines that start with `call` followed by a space or the end.
  QStringList lines(const QString& call) const;
  void clearLines() { lines_.clear(); }

  static QString colorText(base::TColor color);
  static QString penText(const BackendPen& pen);
  static QString brushText(const BackendBrush& brush);
  static QString fontText(const BackendFont& font);
  static QString alignText(int flags);

  void setPen(const BackendPen& pen) override;
  void setBrush(const BackendBrush& brush) override;
  void setFont(const BackendFont& font) override;
  void setBackColor(base::TColor color) override;
  void setBackMode(BackMode mode) override;
  void setTextAlign(int flags) override;

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void polyline(std::span<const QPoint> points) override;
  void polygon(std::span<const QPoint> points, bool winding = false) override;
  void rectangle(const TRect& r) override;
  void roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) override;
  void ellipse(const TRect& r) override;
  void arc(const TRect& r, QPoint start, QPoint end) override;
  void pie(const TRect& r, QPoint start, QPoint end) override;
  void fillRect(const TRect& r) override;
  void setPixel(int x, int y, base::TColor color) override;

  void textOut(int x, int y, const QString& text) override;
  void textOutline(int x, int y, const QString& text) override;

  void draw(int x, int y, const QImage& image) override;
  void stretchDraw(const TRect& r, const QImage& image) override;
  void tiledDraw(const TRect& r, const QImage& image) override;

  void pushClipRect(const TRect& r) override;
  void pushClipEllipse(const TRect& r) override;
  void pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) override;
  void pushClipPolygon(std::span<const QPoint> points) override;
  void popClip() override;

  void setMapping(QSize windowSize, const TRect& viewport) override;
  void resetMapping() override;

  void beginBlend(const TRect& r) override;
  void endBlend(int transparency) override;

 private:
  void add(const QString& line);
  QString suffix() const;
  QString penPart() const;
  QString shapePart() const;
  QString textPart() const;

  QStringList lines_;
};
