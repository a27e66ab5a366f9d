#pragma once
// The drive-and-diff rows of the series editors: a row opens the series
// page on the first of two series of its class, goes to a sheet, performs
// one user action on a control of that sheet (found by object name) and
// lists the chart paths that must change; any other change fails it.
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <functional>
#include <ostream>
#include <string>

struct ControlRow {
  std::string name;
  const QMetaObject* seriesClass;
  const char* sheet;
  std::function<void(TChartSeries&)> prepare;
  std::function<void(QWidget& sheet, RecordingChartPrompts&)> act;
  QStringList paths;
};

inline void PrintTo(const ControlRow& row, std::ostream* os) {
  *os << row.name;
}

// Runs the row; the page's controls read the prepared state.
void CheckControlRow(const ControlRow& row);

using RowAction = std::function<void(QWidget&, RecordingChartPrompts&)>;
RowAction ClickOn(const char* name);
RowAction StepUpOn(const char* name);
RowAction ChooseOn(const char* name, int index);
RowAction TypeOn(const char* name, const char* text);
// Clicks a colour button with the prompt answering `color`.
RowAction PickColor(const char* name, base::TColor color);
