#pragma once
// The legend's class search in its defining form: the smallest i >= 1 with
// i * Delta + MinValAct >= v, one further when the first row is the open class
// below the interval. Tests compare the closed-form look-up with it; the
// benchmark measures the closed form against it.
#include "viewer/widgets/ColorLegendModel.h"

#include <algorithm>

inline base::TColor SteppedClassColor(const ColorLegendModel& m, double v) {
  const int n = m.BoxCount();
  if (m.MaxValAct() - m.MinValAct() < 1e-8 || v <= m.MinValAct()) return m.GetBoxColor(1);
  if (v >= m.MaxValAct()) return m.GetBoxColor(n);
  int i = 1;
  while (i * m.Delta() + m.MinValAct() < v) ++i;
  if (m.MinVal() < m.MinValAct()) ++i;
  return m.GetBoxColor(std::min(i, n));
}
