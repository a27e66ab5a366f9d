#pragma once
// Draws into a plain metafile (WMF) with the placeable header that gives
// players its size: 96 units per inch, bounds (0, 0, width, height). Such
// files carry 16-bit coordinates: points are clamped to ±32767, never
// wrapped. Players differ in how they take viewport records, so a logical
// mapping is applied here, to coordinates, pen widths and font heights.
// Text is CP1252 with each character's advance; images are 24-bit
// device-independent bitmaps. The format has no clip paths: an ellipse,
// round-rectangle or polygon clip becomes its bounding rectangle.
#include "charteditor/export/LittleEndianBuffer.h"
#include "charteditor/export/MetafileBackend.h"

class WmfWriterBackend : public MetafileBackend {
 public:
  explicit WmfWriterBackend(QSize size);

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

  // Ends the picture (end record, header counts, checksum) and answers the
  // file. Later calls answer the same bytes.
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

 private:
  size_t begin(uint16_t function);
  void end(size_t at);
  void simple(uint16_t function, std::initializer_list<int> values);
  void color(uint16_t function, uint32_t color);
  // Logical to picture units, clamped to what the format holds.
  QPoint map(QPoint p) const;
  TRect mapRect(const TRect& r) const;
  int mapLength(int v, bool vertical) const;
  void points(uint16_t function, std::span<const QPoint> pts);
  void prepareShape();
  // A shape record: `extra` values first (the format lists them in
  // reverse), then the rectangle's bottom, right, top, left.
  void shape(uint16_t function, const TRect& r, std::initializer_list<int> extra);
  void clipToBounds(const TRect& r);

  LittleEndianBuffer out_;
  uint32_t maxRecordWords_ = 0;
  bool finished_ = false;
  QByteArray file_;
};
