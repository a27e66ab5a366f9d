#pragma once
// Sums over the series a stacked series sits on. They walk the chart's
// list at every call: values change between paints without telling the
// series stacked on them, so nothing is kept.
#include <functional>

class TChartSeries;

// Which series of the chart count as part of `series`' stack.
using StackMember = std::function<bool(const TChartSeries& series, const TChartSeries& other)>;

// Active series of the same class as `series` or a class derived from it.
bool SameStackClass(const TChartSeries& series, const TChartSeries& other);

// The sum, over the members of the chart's list that have more than `index`
// points, of their origin values at `index` greater than 0: those before
// `series` only (the stack below it), or all of them (the stack total).
double PositiveStackSum(const TChartSeries& series, int index, bool belowOnly,
                        const StackMember& member = SameStackClass);
// The same sum over the values of one sign: below 0 with `negatives`,
// above 0 otherwise (zeros never count).
double SignedStackSum(const TChartSeries& series, int index, bool belowOnly, bool negatives,
                      const StackMember& member);
