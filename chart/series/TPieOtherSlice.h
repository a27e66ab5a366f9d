#pragma once
// The rule that gathers a pie's small slices into one "Other" slice: the
// slices below a percentage of the whole, or below a value, are hidden and
// one slice with their sum, this text and colour, takes their place.
#include "base/Colors.h"
#include "chart/core/TPlotPersistent.h"

#include <QString>

class TPieOtherSlice : public TPlotPersistent {
  Q_OBJECT

 public:
  enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };
  Q_ENUM(TPieOtherStyle)

 private:
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$20000000")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(TPieOtherStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "poNone")
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_CLASSINFO("default:Text", "Other")
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_CLASSINFO("default:Value", "0")

 public:
  // The owner repaints its chart on every change.
  explicit TPieOtherSlice(ChangeHandler onChange = {}, QObject* parent = nullptr);

  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { Store(color_, value); }
  TPieOtherStyle Style() const { return style_; }
  void SetStyle(TPieOtherStyle value) { Store(style_, value); }
  QString Text() const { return text_; }
  void SetText(const QString& value) { Store(text_, value); }
  double Value() const { return value_; }
  void SetValue(double value) { Store(value_, value); }

  // Copies the four values; the owner hears of it once, if anything changed.
  void Assign(const TPieOtherSlice& source);

 private:
  base::TColor color_ = 0x20000000;
  TPieOtherStyle style_ = poNone;
  QString text_;
  double value_ = 0;
};
