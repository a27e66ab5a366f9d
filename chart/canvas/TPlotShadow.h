#pragma once
// The shadow of a chart text: a copy of the text in Color, offset by
// HorizSize and VertSize pixels (negative sizes move it left or up).
#include "base/Colors.h"
#include "chart/core/TPlotPersistent.h"

class TPlotShadow : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$C0C0C0")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(int HorizSize READ HorizSize WRITE SetHorizSize)
  Q_CLASSINFO("default:HorizSize", "0")
  Q_PROPERTY(int VertSize READ VertSize WRITE SetVertSize)
  Q_CLASSINFO("default:VertSize", "0")

 public:
  explicit TPlotShadow(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TPlotPersistent(std::move(onChange), parent) {}

  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { Store(color_, value); }
  int HorizSize() const { return horizSize_; }
  void SetHorizSize(int value) { Store(horizSize_, value); }
  int VertSize() const { return vertSize_; }
  void SetVertSize(int value) { Store(vertSize_, value); }

  bool Visible() const { return horizSize_ != 0 || vertSize_ != 0; }

  void Assign(const TPlotShadow& source);

 private:
  base::TColor color_ = base::clSilver;
  int horizSize_ = 0;
  int vertSize_ = 0;
};
