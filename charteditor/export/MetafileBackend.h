#pragma once
// What the enhanced and the plain metafile writer share: the drawing state
// as the chart sets it, and the state the picture's player will be in.
// Pens, brushes and fonts become objects only when something is drawn with
// them, and an object is deleted as soon as nothing holds it: neither the
// player's current state nor a state saved for a clip. Clips are saved and
// restored states, so popping a clip brings back what the player had then;
// the next drawing call selects again whatever changed meanwhile. The
// picture starts by saving the player's initial state and ends by
// restoring it, which frees every object before the end record.
#include "chart/canvas/DrawingBackend.h"
#include "chart/model/MetafileWriter.h"

#include <QFont>

#include <algorithm>
#include <vector>

class MetafileBackend : public DrawingBackend, public MetafileWriter {
 public:
  explicit MetafileBackend(QSize size);
  MetafileBackend(const MetafileBackend&) = delete;
  MetafileBackend& operator=(const MetafileBackend&) = delete;

  DrawingBackend& Backend() override { return *this; }

  void setPen(const BackendPen& pen) override { pen_ = pen; }
  const BackendPen& pen() const override { return pen_; }
  void setBrush(const BackendBrush& brush) override { brush_ = brush; }
  const BackendBrush& brush() const override { return brush_; }
  void setFont(const BackendFont& font) override;
  const BackendFont& font() const override { return font_; }
  void setBackColor(base::TColor color) override { backColor_ = color; }
  base::TColor backColor() const override { return backColor_; }
  void setBackMode(BackMode mode) override { backMode_ = mode; }
  BackMode backMode() const override { return backMode_; }
  void setTextAlign(int flags) override { textAlign_ = flags; }
  int textAlign() const override { return textAlign_; }

  void moveTo(int x, int y) override { position_ = QPoint(x, y); }
  QPoint currentPosition() const override { return position_; }

  QSize textExtent(const QString& text) const override;
  TextMetrics textMetrics() const override;

  void popClip() override;
  int clipDepth() const override { return std::max(0, static_cast<int>(saved_.size()) - 1); }

  void setMapping(QSize windowSize, const TRect& viewport) override;
  void resetMapping() override { mapping_ = Mapping{}; }

  // A picture has no translucency: what is drawn between the two is opaque.
  void beginBlend(const TRect&) override {}
  void endBlend(int) override {}

  BackendCapabilities capabilities() const override;
  QSize deviceSize() const override { return size_; }
  QImage grab(const TRect&) const override { return {}; }

  // The size the object table reached (reserved slots included), and how
  // many objects are alive now.
  int objectTableSize() const { return tableSize_; }
  int liveObjects() const;

 protected:
  struct Mapping {
    bool on = false;
    QSize window;
    TRect viewport;
    friend bool operator==(const Mapping&, const Mapping&) = default;
  };
  // The player's state as the records so far leave it. -1 is "not known"
  // for the values, "not one of ours" for the object slots.
  struct PlayerState {
    int pen = -1;
    BackendPen penValue;
    int brush = -1;
    BackendBrush brushValue;
    base::TColor brushBack = 0;  // a one-bit pattern's 1 bits
    int font = -1;
    BackendFont fontValue;
    int64_t textColor = -1;
    int64_t backColor = -1;
    int backMode = -1;
    int textAlign = -1;
    int fillMode = -1;  // 0 alternate, 1 winding
    bool positionKnown = false;
    QPoint position;
    bool mappingKnown = false;
    Mapping mapping;
  };

  // Writers call this once their header is down, before anything else.
  void beginPicture(int firstSlot);
  // Pops every clip, restores the initial state and deletes what is left.
  void endPicture();

  // Puts the player into the state a drawing call needs.
  void usePen(const BackendPen& pen);
  void useBrush(const BackendBrush& brush);
  void useFont(const BackendFont& font);
  void useTextColor(base::TColor color);
  void useBackground();
  void useTextAlign(int flags);
  void useFillMode(bool winding);
  void usePosition(QPoint p);
  void useMapping();
  void noteMoved(QPoint p) {
    player_.positionKnown = true;
    player_.position = p;
  }
  void saveState();

  // A colour as the files store it: 0x00BBGGRR, system colours resolved.
  static uint32_t colorRef(base::TColor color);
  // Whether the two radial points of an arc or pie name the same direction.
  static bool sameDirection(const TRect& r, QPoint start, QPoint end);
  // Advance of each UTF-16 unit of `text`, spacing included, in whole units
  // that add up to the text's width.
  std::vector<int> advances(const QString& text) const;
  // A pen that draws nothing, for fills that must not be outlined.
  static BackendPen clearPen();

  // The records, one per player operation.
  virtual void writeCreatePen(int slot, const BackendPen& pen) = 0;
  virtual void writeCreateBrush(int slot, const BackendBrush& brush) = 0;
  virtual void writeCreateFont(int slot, const BackendFont& font) = 0;
  virtual void writeSelect(int slot) = 0;
  virtual void writeDelete(int slot) = 0;
  virtual void writeSaveState() = 0;
  virtual void writeRestoreState() = 0;
  virtual void writeTextColor(uint32_t color) = 0;
  virtual void writeBackColor(uint32_t color) = 0;
  virtual void writeBackMode(BackMode mode) = 0;
  virtual void writeTextAlign(int flags) = 0;
  virtual void writeFillMode(bool winding) = 0;
  virtual void writeMoveTo(QPoint p) = 0;
  // Only writers that leave the mapping to the player write it.
  virtual void writeMapping(const Mapping&) {}

  BackendPen pen_;
  BackendBrush brush_;
  BackendFont font_;
  QFont qfont_;
  base::TColor backColor_ = base::clWhite;
  BackMode backMode_ = BackMode::Transparent;
  int textAlign_ = 0;
  QPoint position_;
  Mapping mapping_;
  QSize size_;

 private:
  int allocateSlot();
  // Deletes the object in `slot` unless a current or saved state holds it.
  void release(int slot);
  bool held(int slot) const;

  PlayerState player_;
  std::vector<PlayerState> saved_;
  std::vector<bool> slots_;
  int firstSlot_ = 0;
  int tableSize_ = 0;
};
