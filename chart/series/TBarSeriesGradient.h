#pragma once
// The fill of gradient bars. Relative bars shade from the start colour
// towards the bar colour by how far the value reaches.
#include "chart/canvas/TChartGradient.h"

class TBarSeriesGradient : public TChartGradient {
  Q_OBJECT
  Q_CLASSINFO("default:Visible", "true")
  // Vertical and horizontal bars shade different ways: always stored, so
  // that a horizontal bar set to top-bottom comes back so.
  Q_CLASSINFO("default:Direction", "@owner")
  Q_PROPERTY(bool Relative READ Relative WRITE SetRelative)
  Q_CLASSINFO("default:Relative", "false")

 public:
  explicit TBarSeriesGradient(ChangeHandler onChange = {}, QObject* parent = nullptr);

  bool Relative() const { return relative_; }
  void SetRelative(bool value) { Store(relative_, value); }

  // The values and Relative of `source`.
  void Assign(const TBarSeriesGradient& source);

  // The end colour of a bar of `barColor` whose value lies `fraction` of
  // the way from the low end to the maximum: the bar colour, or with
  // Relative each channel between the start colour and the bar colour. The
  // fraction is held in 0..1 and one that is not a number counts as 1.
  base::TColor BarEndColor(base::TColor barColor, double fraction) const;

 private:
  bool relative_ = false;
};
