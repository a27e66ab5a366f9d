#pragma once
// Changing a series' class as the gallery and the series list do it: which
// classes may take a series' place, and a replacement that keeps what the
// settings copy (Assign) leaves behind.
#include <QMetaObject>

class TChartSeries;

// Whether a series of `seriesClass` can take the place of `series` (it
// would accept `series` as its source: shapes, Gantt, arrow and bubble
// series only stand in for their own kind). False for an unknown class.
bool ClassCanStandIn(const QMetaObject& seriesClass, const TChartSeries& series);

// What Assign does not carry from `from` to `to`: the fixed depth slot and
// the function's own settings (a copy gets a fresh function).
void KeepSettingsAssignMisses(const TChartSeries& from, TChartSeries& to);

// Replaces `series` by `replacement` (settings, events, links, place, name;
// the old one is freed), keeping what Assign misses, then gives the new
// series sub-style `subStyle`, so that the gallery's choice is not
// overwritten by the old settings. `series` then points to the new one.
void ReplaceSeriesWithStyle(TChartSeries*& series, TChartSeries* replacement, int subStyle);
