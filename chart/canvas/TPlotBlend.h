#pragma once
// Translucent drawing on a chart canvas: what is drawn between creating a
// TPlotBlend and its DoBlend lies over the earlier picture at
// (100 - transparency) % opacity.
//
// Where the canvas's pixels can be read (its buffer, or an image it draws
// on) the earlier pixels of the rectangle are kept and mixed back exactly,
// channel by channel; elsewhere (printers, vector pictures) the backend
// records the drawing and lays it over at that opacity.
#include "chart/canvas/GraphicsTypes.h"

#include <QImage>

class DrawingBackend;
class TPlotCanvas3D;

class TPlotBlend {
 public:
  TPlotBlend(TPlotCanvas3D& canvas, const TRect& r);
  // Without DoBlend the drawing stays as drawn.
  ~TPlotBlend();
  TPlotBlend(const TPlotBlend&) = delete;
  TPlotBlend& operator=(const TPlotBlend&) = delete;

  // Mixes once; `transparency` is taken within 0..100.
  void DoBlend(int transparency);

  // The exact mix of a kept pixel into a drawn one (0xAARRGGBB, alpha kept
  // from `drawn`). A pure white drawn pixel first loses one step of red, so
  // that a white drawing never mixes to exactly white.
  static unsigned Mix(unsigned kept, unsigned drawn, int transparency);

 private:
  enum class Mode { None, Buffer, ReadBack, Recorded };

  TPlotCanvas3D& canvas_;
  DrawingBackend* backend_;
  QImage* buffer_ = nullptr;
  Mode mode_ = Mode::None;
  TRect rect_;
  QImage kept_;
};
