#pragma once
// The changes the chart grid makes to a series' points, kept apart from the
// grid so that each keeps the series whole: points the grid appends land
// at the end of ordered lists, an edited value of an ordered list moves its
// point to where it belongs, and renumbering touches only values that were
// point numbers.
class TChartSeries;
class TChartValueList;

// Appends a null point whose not-mandatory value is the point count (the
// last value instead, where the count would sort before it) and whose
// further lists hold 0. Answers its index, or -1 when the series refused it.
int AppendNullPoint(TChartSeries& series);

// Appends null points until `index` is a point of the series. False when the
// series refused one (the points added before stay).
bool PadToPoint(TChartSeries& series, int index);

// After the value at `index` of `list` changed: moves the point (every list,
// colour and label) to its place in the list's order and answers its new
// index. An unordered list leaves it where it is.
int MovePointIntoOrder(TChartSeries& series, const TChartValueList& list, int index);

// Whether the list holds exactly 0, 1, 2, ... (true when empty).
bool IsIndexSequence(const TChartValueList& list);

// Whether the series takes its points from another component: the grid
// then leaves it as it is.
bool IsSourcedSeries(const TChartSeries& series);
