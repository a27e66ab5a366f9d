#pragma once
// A line series lying on its side: the Y values order the points and the
// X values are what the line shows.
#include "chart/series/TLineSeries.h"

class THorizLineSeries : public TLineSeries {
  Q_OBJECT

 public:
  explicit THorizLineSeries(QObject* owner = nullptr);
};
