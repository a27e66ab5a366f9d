#pragma once
// Questions the editors and the chart file ask of a series' points, and the
// text helpers they share. The point walks stop after a fixed number of
// points, so that asking about a series of millions costs the same as
// asking about a short one.
#include <QString>

class TChartSeries;

// Whether the not-mandatory values are anything but 0, 1, 2, ... (false
// without points): the first is not 0, the last is not count - 1, or one of
// the first 10,001 is not its index.
bool HasCustomXValues(const TChartSeries& series);
// Whether one of the first 10,001 points has a colour of its own: neither
// the default colour nor the series' colour.
bool HasOwnPointColors(const TChartSeries& series);
// Whether one of the first 101 points has a label.
bool HasPointLabels(const TChartSeries& series);
// `text` with every `separator` turned into the line separator ("\r").
QString SplitInLines(const QString& text, const QString& separator);
// An error box through the chart's prompts.
void ShowErrorMessage(const QString& text);
