#pragma once
// The font of chart texts: the class library's font plus extra character
// spacing, an outline pen and a shadow. Height is what is kept; Size in
// points is derived from it at 96 pixels per inch.
#include "base/Colors.h"
#include "chart/canvas/DrawingBackend.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotShadow.h"
#include "chart/core/TPlotPersistent.h"

#include <QString>

class TPlotFont : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
  Q_CLASSINFO("default:Charset", "1")
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$000000")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_CLASSINFO("default:Height", "@startup")
  Q_PROPERTY(int InterCharSize READ InterCharSize WRITE SetInterCharSize)
  Q_CLASSINFO("default:InterCharSize", "0")
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_CLASSINFO("default:Name", "@startup")
  Q_PROPERTY(TChartPen* OutLine READ OutLine WRITE SetOutLine)
  Q_PROPERTY(TPlotShadow* Shadow READ Shadow WRITE SetShadow)
  Q_PROPERTY(Graphics::TFontStyles Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "")
  Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)

 public:
  // Pixels per inch that Height and Size convert at.
  static constexpr int PixelsPerInch = 96;

  // Starts from the engine-wide default name and size.
  explicit TPlotFont(ChangeHandler onChange = {}, QObject* parent = nullptr);

  int Charset() const { return charset_; }
  void SetCharset(int value) { Store(charset_, value); }
  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { Store(color_, value); }
  int Height() const { return height_; }
  void SetHeight(int value) { Store(height_, value); }
  int InterCharSize() const { return interCharSize_; }
  void SetInterCharSize(int value) { Store(interCharSize_, value); }
  QString Name() const { return name_; }
  void SetName(const QString& value) { Store(name_, value); }
  TChartHiddenPen* OutLine() const { return outLine_; }
  void SetOutLine(TChartPen* value);
  TPlotShadow* Shadow() const { return shadow_; }
  void SetShadow(TPlotShadow* value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value) { Store(style_, value); }

  // Points: -MulDiv(Height, 72, 96); setting it sets Height = -MulDiv(Size, 96, 72).
  int Size() const;
  void SetSize(int value);

  // Copies every published value, the outline and the shadow included.
  void Assign(const TPlotFont& source);

  // The font a canvas selects (black in monochrome), upright.
  BackendFont ToBackendFont(bool monochrome = false) const;

 private:
  int charset_ = 1;
  base::TColor color_ = base::clBlack;
  int height_;
  int interCharSize_ = 0;
  QString name_;
  TFontStyles style_;
  TChartHiddenPen* outLine_;  // owned through the QObject tree
  TPlotShadow* shadow_;       // owned through the QObject tree
};

// Rounds a·b/c to the nearest integer, halves away from zero; -1 when c is 0
// or the result does not fit, as the classic routine answers.
int MulDiv(int a, int b, int c) noexcept;
