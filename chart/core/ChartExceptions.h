#pragma once
// The failures the charting engine raises. Each carries a text of the chart
// message table, already formatted with its arguments.
#include "base/Exceptions.h"

// A wrong use of a chart or a series: an index out of range, a value that a
// property does not accept.
class ChartException : public base::Exception {
 public:
  using base::Exception::Exception;
};

// An axis set to limits or increments it cannot show.
class AxisException : public ChartException {
 public:
  using ChartException::ChartException;
};

// A legend property set to a value the legend cannot show.
class LegendException : public ChartException {
 public:
  using ChartException::ChartException;
};
