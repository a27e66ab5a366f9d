#pragma once
// Draws into an enhanced metafile (EMF) of a fixed size in pixels at 96
// dots per inch. Points go out as 16-bit records when every point of a
// call fits, else as 32-bit ones; text as UTF-16 with each character's
// advance, so that players place it as this backend measured it; images
// as 24-bit device-independent bitmaps. Rectangular clips intersect the
// clip region, other shapes clip by a path. A logical mapping is left to
// the player (anisotropic mapping mode with window and viewport extents).
#include "charteditor/export/LittleEndianBuffer.h"
#include "charteditor/export/MetafileBackend.h"

class EmfWriterBackend : public MetafileBackend {
 public:
  explicit EmfWriterBackend(QSize size);

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

  // Ends the picture (end record, header counts) and answers the file.
  // Later calls answer the same bytes.
  QByteArray Finish() override;

 protected:
  void writeCreatePen(int slot, const BackendPen& pen) override;
  void writeCreateBrush(int slot, const BackendBrush& brush) override;
  void writeCreateFont(int slot, const BackendFont& font) override;
  void writeSelect(int slot) override;
  void writeDelete(int slot) override;
  void writeSaveState() override;
  void writeRestoreState() override;
  void writeTextColor(uint32_t color) override;
  void writeBackColor(uint32_t color) override;
  void writeBackMode(BackMode mode) override;
  void writeTextAlign(int flags) override;
  void writeFillMode(bool winding) override;
  void writeMoveTo(QPoint p) override;
  void writeMapping(const Mapping& mapping) override;

 private:
  size_t begin(uint32_t type);
  void end(size_t at);
  void simple(uint32_t type, std::initializer_list<int32_t> values);
  void rect(const TRect& r);
  void points(uint32_t type16, uint32_t type32, std::span<const QPoint> pts);
  void prepareShape();
  void text(int x, int y, const QString& text);
  void shape(uint32_t type, const TRect& r, std::initializer_list<int32_t> extra);

  LittleEndianBuffer out_;
  uint32_t records_ = 0;
  bool finished_ = false;
  QByteArray file_;
};
