#pragma once
// What the points of a series hold beyond plain values, found by looking at
// every point: a label or colour on the last of a million points still
// counts, or it would silently drop out of the chart file and the exports.
#include <cstdint>

class TChartSeries;

enum SeriesStoreFlag : std::uint8_t {
  sfCustomX = 1,        // the not-mandatory values are not 0, 1, 2, ...
  sfOwnColors = 2,      // some point has a colour of its own
  sfLabels = 4,         // some point has a label
  sfMarkPositions = 8,  // some mark was placed by hand
};

// Named apart from the editors' quicker questions (chart/model/SeriesHelpers.h),
// which look at the first points only: one name with two bodies would be
// whichever the linker met first.
bool StoresCustomXValues(const TChartSeries& series);
bool StoresOwnPointColors(const TChartSeries& series);
bool StoresPointLabels(const TChartSeries& series);
std::uint8_t SeriesStoreFlags(const TChartSeries& series);
