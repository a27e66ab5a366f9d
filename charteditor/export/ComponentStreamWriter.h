#pragma once
// The chart's component stream: the signature, one object record for the
// chart (its stored properties, then its series with their functions, then
// its tools) and the end mark. docs/chart-file.md gives the layout.
// Properties come from the published-property walk, so a new chart class
// needs no code here; a stored value of a type the layout has no tag for
// raises ChartException instead of vanishing from the file.
#include <QByteArray>
#include <QString>

class QObject;
class TCustomAxisPanel;

namespace chartfile {
inline constexpr char kSignature[4] = {'V', 'C', 'S', '1'};
// The record extra of a series: how many further values each point of its
// data block carries, so that a reader walks blocks of classes it lacks.
inline constexpr char kFurtherValueLists[] = "FurtherValueLists";

enum Tag : unsigned char {
  tagInteger = 1,
  tagDouble = 2,
  tagBoolean = 3,
  tagString = 4,
  tagIdentifier = 5,
  tagColor = 6,
  tagPicture = 7,
  tagObject = 8,
  tagCollection = 9,
  tagStringList = 10,
};
}  // namespace chartfile

// `rootName` is the name the root record carries (the chart keeps its own).
QByteArray ComponentStream(const TCustomAxisPanel& chart, const QString& rootName);
// Any other panel: its own record alone, nothing after it.
QByteArray PanelComponentStream(const QObject& panel, const QString& rootName);
