#pragma once
// The brush chart parts publish: the class library's brush (Color, Style)
// with an optional image that fills instead of the style. Its colour starts
// as clDefault: the owner's colour (a series' colour) is used.
#include "base/Colors.h"
#include "chart/canvas/DrawingBackend.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/TPicture.h"
#include "chart/core/TPlotPersistent.h"

class TChartBrush : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$20000000")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(Graphics::TBrushStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "bsSolid")
  Q_PROPERTY(TPicture* Image READ Image WRITE SetImage)
  Q_CLASSINFO("kind:Image", "picture")

 public:
  explicit TChartBrush(ChangeHandler onChange = {}, QObject* parent = nullptr);

  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { Store(color_, value); }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value) { Store(style_, value); }
  TPicture* Image() const { return image_; }
  // Copies `value`'s image (null clears it).
  void SetImage(TPicture* value);

  void Assign(const TChartBrush& source);

  // The brush a canvas selects: `ownerColor` stands in for clDefault;
  // white in monochrome; the image, when there is one, as a pattern.
  BackendBrush ToBackendBrush(base::TColor ownerColor = base::clWhite,
                              bool monochrome = false) const;

 private:
  base::TColor color_ = base::clDefault;
  TBrushStyle style_ = Graphics::bsSolid;
  TPicture* image_;  // owned through the QObject tree
};
