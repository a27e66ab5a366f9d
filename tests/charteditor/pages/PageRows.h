#pragma once
// The drive-and-diff rows of the chart pages: a row builds a page on the
// editors' test chart, acts on one control as a user would (found by its
// object name) and lists the published paths of the chart that must
// change; any other change fails it.
#include "tests/charteditor/common/DialogRows.h"

#include <QComboBox>
#include <QScrollBar>

#include <cctype>
#include <functional>
#include <string>

struct PageRow {
  std::string name;
  std::function<void(EditedChart&)> prepare;
  std::function<void(QWidget& page, RecordingChartPrompts&)> act;
  QStringList paths;
};

inline void PrintTo(const PageRow& row, std::ostream* os) {
  *os << row.name;
}

// The row's name as a test name (letters and digits, '_' for the rest).
inline std::string RowName(const ::testing::TestParamInfo<PageRow>& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

// Builds the page with `make`, shows it, acts, and compares the walks.
template <class Page>
void CheckPageRow(const PageRow& row) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  if (row.prepare) row.prepare(chart);
  Page page(&chart.Chart());
  page.show();
  const auto before = PublishedSnapshot(chart);
  row.act(page, prompts);
  EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), row.paths) << row.name;
}

inline std::function<void(QWidget&, RecordingChartPrompts&)> ClickOn(const char* name) {
  return
      [name](QWidget& w, RecordingChartPrompts&) { ClickButton(child<QAbstractButton>(w, name)); };
}
inline std::function<void(QWidget&, RecordingChartPrompts&)> StepUpOn(const char* name) {
  return [name](QWidget& w, RecordingChartPrompts&) {
    if (auto* box = child<QSpinBox>(w, name)) box->stepUp();
  };
}
inline std::function<void(QWidget&, RecordingChartPrompts&)> ChooseOn(const char* name, int index) {
  return [name, index](QWidget& w, RecordingChartPrompts&) {
    if (auto* combo = child<QComboBox>(w, name)) combo->setCurrentIndex(index);
  };
}
inline std::function<void(QWidget&, RecordingChartPrompts&)> SlideOn(const char* name, int value) {
  return [name, value](QWidget& w, RecordingChartPrompts&) {
    if (auto* bar = child<QScrollBar>(w, name)) bar->setValue(value);
  };
}
